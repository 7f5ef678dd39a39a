#pragma once

class QLineEdit;

namespace kelvra {

// Password fields echo "*" for each character, as the workstation style did, rather than
// the style's own dot.
void echoPasswordAsStars(QLineEdit& edit);

} // namespace kelvra
