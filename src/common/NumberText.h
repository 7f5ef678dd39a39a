#pragma once

#include <QChar>
#include <QString>

// The number formats of the screens, each written with the workstation's decimal sign and
// never with group separators. One decimal is rounded as the original runtime rounded it:
// an exact binary tie goes away from zero (2.25 gives 2.3, while 2.35, stored just above
// 2.35, gives 2.4 and 0.15, stored just below, gives 0.1). A value that rounds to zero never
// keeps its minus sign.
namespace kelvra {

// "0.0": one decimal and a leading zero: 21.0, 0.5, -3.2.
QString formatOneDecimal(double value, QChar decimalSign);

// "#.#": at most one decimal, no leading or trailing zeros: 21, .5, -3.2, and an empty text
// for a value that rounds to zero.
QString formatOneDecimalOrEmpty(double value, QChar decimalSign);

// "0.#": at most one decimal, no trailing zero: 21, 0.5, 0.
QString formatAtMostOneDecimal(double value, QChar decimalSign);

// The general format: 15 significant digits without trailing zeros (25.3 * 1.8 + 32 shows
// 77.54); very large and very small values take an exponent (1e+21).
QString formatGeneral(double value, QChar decimalSign);

} // namespace kelvra
