#include "data/FieldValue.h"

#include "common/DecimalText.h"

#include <QLocale>
#include <cmath>

namespace kelvra {

namespace {

bool isTextual(const QVariant& value)
{
    const int type = value.metaType().id();
    return type == QMetaType::QString || type == QMetaType::QByteArray;
}

// A stored decimal text: the workstation's decimal sign, or the point the server and the
// collector write. Group separators are never read, so "0.125" is never 125.
double parseStoredDecimal(const QString& text, bool* ok)
{
    std::optional<double> value = parseDecimal(text, QLocale().decimalPoint().at(0));
    if (!value)
        value = parseDecimal(text, QLatin1Char('.'));
    *ok = value.has_value();
    return value.value_or(0.0);
}

} // namespace

QString FieldValue::asText() const
{
    return m_value.isNull() ? QString() : m_value.toString();
}

qlonglong FieldValue::asInt() const
{
    if (m_value.isNull())
        return 0;
    if (isTextual(m_value)) {
        bool ok = false;
        const qlonglong whole = trimmedOfBlanks(m_value.toString()).toLongLong(&ok);
        if (ok)
            return whole;
        return static_cast<qlonglong>(std::trunc(parseStoredDecimal(m_value.toString(), &ok)));
    }
    return static_cast<qlonglong>(std::trunc(m_value.toDouble()));
}

double FieldValue::asDouble() const
{
    if (m_value.isNull())
        return 0.0;
    if (isTextual(m_value)) {
        bool ok = false;
        return parseStoredDecimal(m_value.toString(), &ok);
    }
    return m_value.toDouble();
}

} // namespace kelvra
