#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace kelvra {

// The key columns through which a changed or deleted row is found again, per table.
// A table without an entry is matched on every column of the row.
class TableKeys
{
public:
    TableKeys() = default;
    TableKeys(std::initializer_list<std::pair<QString, QStringList>> entries);

    QStringList keysOf(const QString& table) const;

    static TableKeys localTables();
    static TableKeys serverTables();

private:
    QHash<QString, QStringList> m_keys; // by upper-case table name
};

} // namespace kelvra
