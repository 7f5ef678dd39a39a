#include "support/TestInstallation.h"

#include "data/DataAccess.h"

#include <QDir>
#include <QFile>

namespace kelvra::test {

namespace {

const char* const dataSourceName = "kelvra_stand";

QString& odbcIniPath()
{
    static QString path;
    return path;
}

// MariaDB's ODBC driver named by the path of its library.
QString mariaDbDriverPath()
{
    for (const QString& folder : QDir("/usr/lib").entryList({"*-linux-gnu"}, QDir::Dirs)) {
        const QString path = "/usr/lib/" + folder + "/odbc/libmaodbc.so";
        if (QFile::exists(path))
            return path;
    }
    return "/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so";
}

// The user's odbc.ini, read by unixODBC through ODBCINI.
void writeDataSource(const TestServer& at, const QString& database)
{
    QFile ini(odbcIniPath());
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning("cannot write %s", qPrintable(ini.fileName()));
        return;
    }
    ini.write(QString("[%1]\nDriver=%2\nSERVER=%3\nPORT=%4\nDATABASE=%5\n")
                  .arg(dataSourceName, mariaDbDriverPath(), at.host)
                  .arg(at.port)
                  .arg(database)
                  .toUtf8());
}

} // namespace

Installation::Installation(const QString& type, const QString& provider, const QString& address,
                           const QString& database, const TestServer& server, const QString& custom)
    : df(dir.filePath("Database/sensordb.db"))
{
    SqlStatement insert("INSERT INTO SERVER (Address, Username, Pass, Dbname, Type, "
                        "sqlProvider, userconnect, persistinfo, Who, Changed) VALUES (");
    insert << quoted(address) << ", " << quoted(server.user) << ", " << quoted(server.password)
           << ", " << quoted(database) << ", " << quoted(type) << ", " << quoted(provider) << ", "
           << quoted(custom) << ", 'False', 'Admin', '12/11/2026 - 10:00')";
    {
        Tds first(df, {});
    } // creates the SERVER table
    const SqlOutcome stored = ExecSql(df.ADOCommand, insert);
    if (!stored)
        qWarning("%s", qPrintable(stored.error()));
    ds = std::make_unique<Tds>(
        df, [this](const QString& e) { errors << e; }, testTimeouts);
}

void useOdbcIniIn(const QString& folder)
{
    odbcIniPath() = QDir(folder).filePath("odbc.ini");
    qputenv("ODBCINI", QFile::encodeName(odbcIniPath()));
}

std::unique_ptr<Installation> installationAt(const QString& way, const TestServer& at,
                                             const QString& database)
{
    const QString hostPort = at.host + "," + QString::number(at.port);
    if (way == "mySQL")
        return std::make_unique<Installation>("mySQL", "", at.address(), database, at);
    if (way == "FreeTDS")
        return std::make_unique<Installation>("SQL 2005", "", hostPort, database, at);
    if (way == "ODBC driver path") {
        const QString custom = QString("Driver=%1;SERVER=%2;PORT=%3;DATABASE=%4;UID=%5;PWD=%6")
                                   .arg(mariaDbDriverPath(), at.host)
                                   .arg(at.port)
                                   .arg(database, at.user, at.password);
        return std::make_unique<Installation>("SQL 2000", "", hostPort, database, at, custom);
    }
    if (way == "ODBC data source") {
        writeDataSource(at, database);
        const QString custom =
            QString("DSN=%1;UID=%2;PWD=%3").arg(dataSourceName, at.user, at.password);
        return std::make_unique<Installation>("SQL 2000", "", hostPort, database, at, custom);
    }
    return std::make_unique<Installation>("SQL 2000", "MariaDB Unicode", hostPort, database, at);
}

} // namespace kelvra::test
