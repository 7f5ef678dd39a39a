#pragma once

#include <QSqlDatabase>
#include <QString>

namespace kelvra {

// What the server behind an open ODBC connection calls itself (SQL_DBMS_NAME); empty when
// the driver does not say.
QString odbcDbmsName(const QSqlDatabase& db);

// An entry of an ODBC data source's settings in odbc.ini (user or system); empty when the
// data source or the entry is not there.
QString odbcDataSourceEntry(const QString& dataSource, const QString& key);

} // namespace kelvra
