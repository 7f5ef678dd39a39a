#pragma once

#include "data/SqlStatement.h"

#include <QString>

#include <functional>

namespace kelvra {

// The stored connection settings: the first row of the local SERVER table.
struct ServerSettings
{
    QString type;
    QString address;
    QString user;
    QString password;
    QString database;
    QString provider;
    QString dataTypeCompatibility;
    QString integratedSecurity;
    QString persistSecurityInfo;
    QString marsConnection;
    QString customConnect;
    QString who;
    QString changed;
};

// The OLE DB connection string of the SQL Server types, with the values inserted as they
// are: the custom string when there is one, else the string of the type; empty for a type
// that has none.
QString buildOleDbConnectionString(const ServerSettings& settings);

// How long a server may keep the program waiting. Without a statement time-out a server that
// accepts the login and then never answers holds the window forever.
struct ServerTimeouts
{
    int loginSeconds = 10;
    int statementSeconds = 30;
    int mySqlSeconds = 5; // connect, read and write of the MySQL branch
};

// The ODBC drivers whose own time-out keys are known.
enum class OdbcDriverKind
{
    FreeTds,
    MariaDb,
    Other
};

// From a driver's registered name or the path of its library.
OdbcDriverKind odbcDriverKind(const QString& driverNameOrPath);

// An entry of a data source's own settings (odbc.ini); empty when it names none.
using DataSourceEntry = std::function<QString(const QString& dataSource, const QString& key)>;

// The ODBC connection string that reaches the same server: SQL Server providers choose
// the FreeTDS driver, any other provider text is taken as the name of an ODBC driver.
// A string that already names a Driver or DSN is used as it is, with the driver's time-outs
// added where neither it nor its data source names them.
QString oleDbToOdbc(const QString& oleDb, const ServerTimeouts& timeouts = {},
                    const DataSourceEntry& dataSourceEntry = {});

// The ODBC connection string of the settings: the custom string translated when there is
// one, else built from the field values themselves, so that a value holding ";" or "="
// (a password such as "a;b=c") arrives whole; empty for a type without an OLE DB string.
QString odbcConnectionString(const ServerSettings& settings, const ServerTimeouts& timeouts = {},
                             const DataSourceEntry& dataSourceEntry = {});

// The database name that makes Qt's ODBC driver connect with an ODBC string: Qt prefixes
// "DSN=" to a string that names neither DRIVER= nor SERVER=, so a data source string loses
// its own "DSN=" key (and has it first).
QString qtOdbcDatabaseName(const QString& odbc);

// "host,port" and "host:port" carry their port; otherwise the default port applies.
struct HostAndPort
{
    QString host;
    int port = 0;
};
HostAndPort splitAddress(const QString& address, int defaultPort);

} // namespace kelvra
