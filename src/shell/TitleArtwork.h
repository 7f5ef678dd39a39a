#pragma once

#include <QPixmap>
#include <QSize>

namespace kelvra {

// The title artwork of the backdrop, drawn rather than shipped as a picture file.
QPixmap titleArtwork(QSize size);

} // namespace kelvra
