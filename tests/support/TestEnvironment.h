#pragma once

#include <QSqlDatabase>
#include <QString>

namespace kelvra::test {

// Where the MariaDB of the test run listens, and its login.
struct TestServer
{
    QString host;
    int port = 0;
    QString user = QStringLiteral("monitor");
    QString password = QStringLiteral("monitor-pw");

    static TestServer fromEnvironment();
    // "host:port", as an address field of the connection settings holds it.
    QString address() const;
};

// Creates (or empties) a database of that name on the test server; returns false and
// sets the test's failure when the server cannot be reached.
bool recreateDatabase(const TestServer& server, const QString& name);

// A direct QMYSQL connection to that database, for arranging and checking rows.
QSqlDatabase directConnection(const TestServer& server, const QString& database,
                              const QString& connectionName);

// A new, empty database of that name holding the seven server tables, and an open direct
// connection "arrange" to it for the test's rows; a closed one (with a warning) on failure.
QSqlDatabase freshServerDatabase(const TestServer& server, const QString& name);

// Runs every statement of a file of ';'-ended statements; false on the first failure.
bool runSqlFile(QSqlDatabase& db, const QString& path, QString* error = nullptr);

// The source folder, for reading files such as the schema.
QString sourceDir();

} // namespace kelvra::test
