#pragma once

#include <QString>
#include <QVariant>

namespace kelvra {

// One column of the current row, read as the screens need it. NULL reads as empty text
// and as zero.
class FieldValue
{
public:
    FieldValue() = default;
    explicit FieldValue(QVariant value) : m_value(std::move(value)) {}

    bool isNull() const { return m_value.isNull(); }
    QString asText() const;
    qlonglong asInt() const;
    double asDouble() const;
    // Yes/no columns: any non-zero value is yes.
    bool asBool() const { return asDouble() != 0.0; }
    const QVariant& variant() const { return m_value; }

private:
    QVariant m_value;
};

} // namespace kelvra
