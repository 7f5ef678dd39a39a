#include "common/NumberText.h"

namespace kelvra {

namespace {

QString withDecimalSign(QString text, QChar decimalSign)
{
    if (decimalSign != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), decimalSign);
    return text;
}

// "0.0" with a point; a negative value that rounds to zero loses its sign.
QString oneDecimalWithPoint(double value)
{
    QString text = QString::number(value, 'f', 1);
    if (text == QLatin1String("-0.0"))
        return QStringLiteral("0.0");
    return text;
}

QString withoutTrailingZeroDecimal(QString text)
{
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text;
}

} // namespace

QString formatOneDecimal(double value, QChar decimalSign)
{
    return withDecimalSign(oneDecimalWithPoint(value), decimalSign);
}

QString formatOneDecimalOrEmpty(double value, QChar decimalSign)
{
    QString text = withoutTrailingZeroDecimal(oneDecimalWithPoint(value));
    if (text == QLatin1String("0"))
        return {};
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return withDecimalSign(text, decimalSign);
}

QString formatAtMostOneDecimal(double value, QChar decimalSign)
{
    return withDecimalSign(withoutTrailingZeroDecimal(oneDecimalWithPoint(value)), decimalSign);
}

QString formatGeneral(double value, QChar decimalSign)
{
    QString text = QString::number(value, 'g', 15);
    if (text == QLatin1String("-0"))
        return QStringLiteral("0");
    return withDecimalSign(text, decimalSign);
}

} // namespace kelvra
