#pragma once

#include <QList>
#include <QString>

namespace kelvra {

// A column of a local table: how it is declared in a new table, and how it is added to a
// table of an older layout that lacks it.
struct LocalColumn
{
    QString name;
    QString createDefinition;
    QString addDefinition;
};

QList<LocalColumn> serverSettingsColumns();
QList<LocalColumn> localUsersColumns();
QList<LocalColumn> registrationColumns();

// "Create Table NAME (...)" with the columns in their order.
QString createTableStatement(const QString& table, const QList<LocalColumn>& columns);

} // namespace kelvra
