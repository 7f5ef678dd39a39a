#pragma once

#include "data/SqlStatement.h"

#include <QList>

namespace kelvra {

// A column of a local table: how it is declared in a new table, and how it is added to a
// table of an older layout that lacks it.
struct LocalColumn
{
    SqlText name;
    SqlText createDefinition;
    SqlText addDefinition;
};

// A local table and its columns in their order.
struct LocalTable
{
    SqlText name;
    QList<LocalColumn> columns;
};

const LocalTable& serverSettingsTable();
const LocalTable& localUsersTable();
const LocalTable& registrationTable();

// "Create Table NAME (...)" with the columns in their order.
SqlStatement createTableStatement(const LocalTable& table);

} // namespace kelvra
