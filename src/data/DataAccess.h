#pragma once

#include "data/Dataset.h"

// The one query vocabulary of every screen.
namespace kelvra {

inline SqlOutcome OpenSql(Dataset& dataset, const SqlStatement& sql)
{
    return dataset.open(sql);
}
inline bool AtEnd(const Dataset& dataset)
{
    return dataset.atEnd();
}
inline FieldValue ReadField(const Dataset& dataset, const QString& column)
{
    return dataset.field(column);
}
inline void NextRow(Dataset& dataset)
{
    dataset.next();
}
inline void CloseSql(Dataset& dataset)
{
    dataset.close();
}
inline void EditRow(Dataset& dataset)
{
    dataset.edit();
}
inline void AppendRow(Dataset& dataset)
{
    dataset.append();
}
inline void WriteField(Dataset& dataset, const QString& column, const QVariant& value)
{
    dataset.setField(column, value);
}
inline SqlOutcome PostRow(Dataset& dataset)
{
    return dataset.post();
}
inline SqlOutcome DeleteRow(Dataset& dataset)
{
    return dataset.deleteCurrent();
}
inline SqlOutcome ExecSql(SqlCommand& command, const SqlStatement& sql)
{
    return command.exec(sql);
}
// The MySQL form: the one query runs the statement and closes again.
inline SqlOutcome ExecSql(Dataset& query, const SqlStatement& sql)
{
    const SqlOutcome outcome = query.open(sql);
    query.close();
    return outcome;
}

} // namespace kelvra
