#include "common/DecimalText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kelvra {

namespace {

QStringView withoutBlanksAround(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

QString trimmedOfBlanks(const QString& text)
{
    const QStringView trimmed = withoutBlanksAround(text);
    // The whole text is handed back shared rather than copied.
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

std::optional<double> parseDecimal(QStringView text, QChar decimalSign)
{
    const QStringView trimmed = withoutBlanksAround(text);
    std::string plain; // the same number in the form from_chars reads
    plain.reserve(static_cast<size_t>(trimmed.size()));
    qsizetype i = 0;
    const auto atSign = [&] {
        return i < trimmed.size() &&
               (trimmed.at(i) == QLatin1Char('+') || trimmed.at(i) == QLatin1Char('-'));
    };
    const auto takeDigits = [&] {
        int count = 0;
        for (; i < trimmed.size() && trimmed.at(i) >= QLatin1Char('0') &&
               trimmed.at(i) <= QLatin1Char('9');
             ++i, ++count)
            plain += static_cast<char>(trimmed.at(i).unicode());
        return count;
    };

    if (atSign()) {
        if (trimmed.at(i) == QLatin1Char('-'))
            plain += '-';
        ++i;
    }
    int digits = takeDigits();
    if (i < trimmed.size() && trimmed.at(i) == decimalSign) {
        plain += '.';
        ++i;
        digits += takeDigits();
    }
    if (digits == 0)
        return std::nullopt;
    if (i < trimmed.size() &&
        (trimmed.at(i) == QLatin1Char('e') || trimmed.at(i) == QLatin1Char('E'))) {
        plain += 'e';
        ++i;
        if (atSign())
            plain += static_cast<char>(trimmed.at(i++).unicode());
        if (takeDigits() == 0)
            return std::nullopt;
    }
    if (i != trimmed.size())
        return std::nullopt;

    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace kelvra
