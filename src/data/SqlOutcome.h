#pragma once

#include <QString>

namespace kelvra {

// Whether a database call worked, and the server's or driver's error text when not.
class [[nodiscard]] SqlOutcome
{
public:
    static SqlOutcome success() { return SqlOutcome(true, {}); }
    static SqlOutcome failure(QString error) { return SqlOutcome(false, std::move(error)); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& error() const { return m_error; }

private:
    SqlOutcome(bool ok, QString error) : m_ok(ok), m_error(std::move(error)) {}
    bool m_ok;
    QString m_error;
};

} // namespace kelvra
