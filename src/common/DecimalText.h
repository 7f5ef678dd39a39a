#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

namespace kelvra {

// The text without the blanks and control characters (everything up to U+0020) at both ends.
// Unlike QString::trimmed(), a no-break space stays and U+0001 goes.
QString trimmedOfBlanks(const QString& text);

// A decimal number as a workstation reads it: an optional sign, digits with at most one
// decimal sign (the workstation's), an optional exponent, blanks around it ignored. Group
// separators, "nan", "inf" and hexadecimal are refused, so "0.125" never reads as 125.
std::optional<double> parseDecimal(QStringView text, QChar decimalSign);

} // namespace kelvra
