#pragma once

#include "data/BranchStatement.h"

#include <QDate>
#include <QList>
#include <QString>

namespace kelvra {

// One statement of a dated deletion on both branches: the SQL Server selection as the window
// always worded it, the single DELETE that now removes the same rows, and the MySQL lines.
struct DatedDeletion
{
    SqlStatement adoSelection;
    SqlStatement adoDelete;
    SqlStatement mysql;
};

// The days of a range cut at every New Year: one (first, last) pair per calendar year. A
// first day after the last keeps the range as it is, which matches nothing.
QList<std::pair<QDate, QDate>> splitByYear(QDate first, QDate last);

// Deleting one department's old data, per table.
DatedDeletion oldObservations(const QString& department, QDate first, QDate last);
// The alarm call events keep their dates as "mm/dd/yyyy" texts, which compare month first:
// one statement per calendar year, each held to its year.
QList<DatedDeletion> oldCallEvents(const QString& department, QDate first, QDate last);
DatedDeletion oldActivity(const QString& department, QDate first, QDate last);

// The hidden commands: the seven tables dropped, and everything of one department deleted,
// in each branch's own order (SQL Server selections whose rows are deleted, MySQL deletes).
QList<SqlStatement> dropAllTables();
QList<SqlStatement> allDepartmentData(Branch branch, const QString& department);

} // namespace kelvra
