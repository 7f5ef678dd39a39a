#pragma once

#include <QChar>

namespace kelvra {

// The degree sign of every unit and range text: one character, so texts that are measured
// by their length count it once.
inline constexpr QChar kDegreeSign{u'\u00B0'};
// Grid cells are padded with no-break spaces.
inline constexpr QChar kNoBreakSpace{u'\u00A0'};

} // namespace kelvra
