#include "data/RowLocator.h"

namespace kelvra {

namespace {

void addCondition(SqlStatement& where, bool& first, const QString& column, const QVariant& value)
{
    if (first)
        where << " WHERE ";
    else
        where << " AND ";
    where << identifier(column);
    if (value.isNull())
        where << " IS NULL";
    else
        where << " = " << SqlValue{value};
    first = false;
}

} // namespace

qsizetype indexOfColumn(const QStringList& names, const QString& column)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::optional<RowCondition> locateRow(const QStringList& keyColumns, const QStringList& fieldNames,
                                      const QVariantList& row, const SqlStatement& fetchedBy,
                                      QString* error)
{
    RowCondition condition;
    bool first = true;
    if (keyColumns.isEmpty()) {
        for (qsizetype i = 0; i < fieldNames.size() && i < row.size(); ++i)
            addCondition(condition.where, first, fieldNames[i], row[i]);
    } else {
        for (const QString& key : keyColumns) {
            const qsizetype index = indexOfColumn(fieldNames, key);
            if (index >= 0 && index < row.size()) {
                addCondition(condition.where, first, fieldNames[index], row[index]);
                continue;
            }
            const std::optional<QVariant> value = fetchedBy.equalityValue(key);
            if (!value) {
                if (error)
                    *error =
                        QStringLiteral("Row cannot be located: the result lacks key column ") + key;
                return std::nullopt;
            }
            addCondition(condition.where, first, key, *value);
        }
    }
    if (first) {
        if (error)
            *error = QStringLiteral("Row cannot be located: the result has no columns");
        return std::nullopt;
    }
    return condition;
}

} // namespace kelvra
