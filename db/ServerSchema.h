#pragma once

#include <QStringList>

namespace kelvra {

enum class SqlDialect
{
    MySql,
    SqlServer
};

// The DDL statements of the server tables for one back end, in file order, without
// comments and without the ending ';'. MySQL statements may be run on an existing
// database (CREATE TABLE IF NOT EXISTS); the SQL Server ones expect an empty one.
QStringList serverSchemaStatements(SqlDialect dialect);

// The seven server tables, in the order the schema creates them.
QStringList serverTableNames();

} // namespace kelvra
