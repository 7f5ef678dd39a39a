#include "data/FieldValue.h"

#include <QLocale>
#include <cmath>

namespace kelvra {

namespace {

bool isTextual(const QVariant& value)
{
    const int type = value.metaType().id();
    return type == QMetaType::QString || type == QMetaType::QByteArray;
}

// Decimal texts follow the workstation's regional settings; a point is accepted as well.
double parseDecimal(const QString& text, bool* ok)
{
    const QString trimmed = text.trimmed();
    double result = QLocale::system().toDouble(trimmed, ok);
    if (!*ok)
        result = QLocale::c().toDouble(trimmed, ok);
    return *ok ? result : 0.0;
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
        const qlonglong whole = m_value.toString().trimmed().toLongLong(&ok);
        if (ok)
            return whole;
        return static_cast<qlonglong>(std::trunc(parseDecimal(m_value.toString(), &ok)));
    }
    return static_cast<qlonglong>(std::trunc(m_value.toDouble()));
}

double FieldValue::asDouble() const
{
    if (m_value.isNull())
        return 0.0;
    if (isTextual(m_value)) {
        bool ok = false;
        return parseDecimal(m_value.toString(), &ok);
    }
    return m_value.toDouble();
}

} // namespace kelvra
