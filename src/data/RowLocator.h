#pragma once

#include "data/SqlOutcome.h"
#include "data/SqlStatement.h"

#include <QStringList>
#include <QVariantList>

#include <optional>

namespace kelvra {

// Builds the condition that finds a fetched row again for a change or a deletion:
// the table's key columns, taken from the row or, when the row does not carry a key
// column, from the `KEY = value` condition of the statement that fetched it. Tables
// without keys are matched on every column of the row.
struct RowCondition
{
    SqlStatement where; // " WHERE A = ? AND B IS NULL"
};

// The position of a column name in a list, without regard to case; -1 when absent.
qsizetype indexOfColumn(const QStringList& names, const QString& column);

std::optional<RowCondition> locateRow(const QStringList& keyColumns, const QStringList& fieldNames,
                                      const QVariantList& row, const SqlStatement& fetchedBy,
                                      QString* error);

} // namespace kelvra
