#pragma once

#include "DemoRows.h"

#include <QList>
#include <QStringList>
#include <QVariant>

namespace kelvra::demo {

// One server table's rows as column values, in the column order given.
struct TableRows
{
    QString table;
    QStringList columns;
    QList<QVariantList> rows;
};

// Every server table of the installation, in the order of serverTableNames(). Texts are
// never null: an empty text is stored as '' (the screens read NULL and '' alike, but a
// collector writes text).
QList<TableRows> demoTables(const DemoInstallation& installation);

} // namespace kelvra::demo
