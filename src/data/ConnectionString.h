#pragma once

#include "data/SqlStatement.h"

#include <QString>

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

// The ODBC connection string that reaches the same server: SQL Server providers choose
// the FreeTDS driver, any other provider text is taken as the name of an ODBC driver.
// A string that already names a Driver or DSN is used as it is.
QString oleDbToOdbc(const QString& oleDb);

// How the server behind an ODBC connection string reads quoted texts. The ODBC driver of
// this Qt version binds every text with a NUL at its end, so ODBC statements carry their
// values as escaped literals instead.
LiteralStyle odbcLiteralStyle(const QString& odbc);

// "host,port" and "host:port" carry their port; otherwise the default port applies.
struct HostAndPort
{
    QString host;
    int port = 0;
};
HostAndPort splitAddress(const QString& address, int defaultPort);

} // namespace kelvra
