#pragma once

#include "DemoRows.h"

#include <QString>

namespace kelvra::demo {

struct ServerAddress
{
    QString host = QStringLiteral("127.0.0.1");
    int port = 3306;
    QString user;
    QString password;
    QString database;
};

// Loads an installation into a MySQL/MariaDB server database: creates the server tables that
// are missing, then replaces the rows of all seven in one transaction, so a failed load
// leaves the previous rows in place.
class DemoWriter
{
public:
    DemoWriter();
    ~DemoWriter();
    DemoWriter(const DemoWriter&) = delete;
    DemoWriter& operator=(const DemoWriter&) = delete;

    bool open(const ServerAddress& address);
    bool write(const DemoInstallation& installation);
    QString errorText() const { return m_error; }

private:
    bool fail(const QString& what, const QString& detail);

    QString m_connectionName;
    QString m_error;
};

} // namespace kelvra::demo
