#pragma once

#include "data/SqlStatement.h"

#include <QString>

namespace kelvra {

// The server behind an ODBC connection, as it names itself.
enum class ServerKind
{
    SqlServer,
    MySql,
    Unknown
};

// From the DBMS name the driver reports: "Microsoft SQL Server", "MariaDB", "MySQL"...
ServerKind serverKindOf(const QString& dbmsName);

// How statements are sent to that server: values as escaped literals of its own kind (MySQL
// style when unknown, which is safe on both), and whether "-1And" needs a blank.
struct OdbcDialect
{
    LiteralStyle literals = LiteralStyle::MySql;
    bool separateNumbersFromWords = false;
};

OdbcDialect odbcDialectOf(ServerKind kind);

// Inserts a blank between a number and a letter that directly follows it, outside quotes:
// SQL Server reads "STATUS_FLAG = -1And DEPT" as "-1 And", MariaDB takes "1And" for a name.
// Names holding digits ("ADDRESS1"), exponents ("1e5") and hexadecimal ("0x1F") stay.
QString separateNumbersFromWords(const QString& sql);

// The text a statement is sent as on ODBC.
QString odbcText(const SqlStatement& statement, const OdbcDialect& dialect);

} // namespace kelvra
