#pragma once

#include "data/ServerDialect.h"
#include "data/SqlOutcome.h"
#include "data/SqlStatement.h"

#include <QSqlDatabase>
#include <QStringList>
#include <QVariantList>

#include <optional>

namespace kelvra {

// A result fetched whole: its column names and rows.
struct FetchedRows
{
    QStringList columns;
    QList<QVariantList> rows;
    int rowsAffected = -1;
};

// Runs one statement on an open connection with its values bound, and fetches every row.
// With an ODBC dialect the values are written into the text as escaped literals instead.
SqlOutcome runStatement(QSqlDatabase& db, const SqlStatement& statement, FetchedRows* result,
                        const std::optional<OdbcDialect>& odbc = std::nullopt);

} // namespace kelvra
