#pragma once

#include "data/ServerDialect.h"
#include "data/SqlOutcome.h"
#include "data/SqlStatement.h"
#include "data/TableKeys.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace kelvra {

// What a connection is opened with. For QODBC the database name is the whole ODBC
// connection string; for QSQLITE it is the file.
struct LinkSettings
{
    QString driver{};
    QString host{};
    int port = 0;
    QString databaseName{};
    QString user{};
    QString password{};
    QString connectOptions{};
    // Set for ODBC, whose parameter binding is broken in this Qt: values are then sent as
    // literals escaped for the server behind the connection, asked once connected.
    bool valuesAsLiterals = false;
};

// One named database connection and when it is open: kept open from the first statement
// on, or opened and closed around every statement.
class DbLink
{
public:
    enum class Lifetime
    {
        KeptOpen,
        PerStatement
    };

    DbLink(QString connectionName, Lifetime lifetime, TableKeys keys);
    // A connection name no other link uses, for several data modules in one process.
    static QString uniqueName(const char* role);
    ~DbLink();
    DbLink(const DbLink&) = delete;
    DbLink& operator=(const DbLink&) = delete;

    void setSettings(const LinkSettings& settings);
    const LinkSettings& settings() const { return m_settings; }
    bool isConfigured() const { return !m_settings.driver.isEmpty(); }
    Lifetime lifetime() const { return m_lifetime; }
    const TableKeys& tableKeys() const { return m_keys; }

    // Opens the connection when it is not open.
    SqlOutcome acquire();
    // The end of a statement: closes a per-statement connection.
    void release();
    // After a failed statement a kept connection is closed too, so that the next statement
    // connects again instead of reusing a broken link.
    void releaseAfterFailure();
    void close();
    bool isOpen() const;

    QSqlDatabase database() const;
    // How statements are sent on this link: an ODBC dialect once connected, none when values
    // are bound.
    const std::optional<OdbcDialect>& odbcDialect() const { return m_dialect; }

private:
    QString m_name;
    Lifetime m_lifetime;
    TableKeys m_keys;
    LinkSettings m_settings;
    std::optional<OdbcDialect> m_dialect;
};

} // namespace kelvra
