#include "data/Dataset.h"

#include "data/RowLocator.h"

namespace kelvra {

SqlOutcome Dataset::open(const SqlStatement& statement)
{
    close();
    m_statement = statement;
    const SqlOutcome connected = m_link.acquire();
    if (!connected)
        return connected;
    FetchedRows fetched;
    QSqlDatabase db = m_link.database();
    const SqlOutcome outcome =
        runStatement(db, statement, &fetched, m_link.settings().literalStyle);
    if (!outcome) {
        m_link.releaseAfterFailure();
        return outcome;
    }
    m_result = std::move(fetched);
    m_current = 0;
    m_open = true;
    return outcome;
}

void Dataset::close()
{
    const bool wasOpen = m_open;
    m_open = false;
    m_result = {};
    m_current = 0;
    m_mode = Mode::Browse;
    m_pending.clear();
    // Closing a result also ends a per-statement connection, opened or not.
    if (wasOpen || m_link.lifetime() == DbLink::Lifetime::PerStatement)
        m_link.release();
}

void Dataset::next()
{
    if (!atEnd())
        ++m_current;
}

qsizetype Dataset::columnIndex(const QString& column) const
{
    return indexOfColumn(m_result.columns, column);
}

FieldValue Dataset::field(const QString& column) const
{
    const qsizetype index = columnIndex(column);
    if (index < 0 || atEnd())
        return FieldValue();
    return FieldValue(m_result.rows[m_current].value(index));
}

void Dataset::edit()
{
    if (!atEnd()) {
        m_mode = Mode::Edit;
        m_pending.clear();
    }
}

void Dataset::append()
{
    m_mode = Mode::Append;
    m_pending.clear();
}

void Dataset::setField(const QString& column, const QVariant& value)
{
    const qsizetype index = columnIndex(column);
    const QString name = index >= 0 ? m_result.columns[index] : column;
    for (auto& [pendingName, pendingValue] : m_pending) {
        if (pendingName.compare(name, Qt::CaseInsensitive) == 0) {
            pendingValue = value;
            return;
        }
    }
    m_pending.append({name, value});
}

QString Dataset::tableName() const
{
    return m_statement.table();
}

SqlOutcome Dataset::execute(const SqlStatement& statement, FetchedRows* result)
{
    const SqlOutcome connected = m_link.acquire();
    if (!connected)
        return connected;
    QSqlDatabase db = m_link.database();
    return runStatement(db, statement, result, m_link.settings().literalStyle);
}

SqlOutcome Dataset::post()
{
    if (!m_open)
        return SqlOutcome::failure(QStringLiteral("Dataset not open"));
    SqlOutcome outcome = SqlOutcome::success();
    if (m_mode == Mode::Edit)
        outcome = postEdit();
    else if (m_mode == Mode::Append)
        outcome = postAppend();
    if (outcome) {
        m_mode = Mode::Browse;
        m_pending.clear();
    }
    return outcome;
}

SqlOutcome Dataset::postEdit()
{
    if (m_pending.isEmpty())
        return SqlOutcome::success();
    QString error;
    const auto where = locateRow(m_link.tableKeys().keysOf(tableName()), m_result.columns,
                                 m_result.rows[m_current], m_statement, &error);
    if (!where)
        return SqlOutcome::failure(error);

    SqlStatement update(QStringLiteral("UPDATE ") + tableName() + QStringLiteral(" SET "));
    bool first = true;
    for (const auto& [column, value] : m_pending) {
        update << (first ? QString() : QStringLiteral(", ")) << column << QStringLiteral(" = ")
               << SqlValue{value};
        first = false;
    }
    update << where->where;

    FetchedRows result;
    const SqlOutcome outcome = execute(update, &result);
    if (!outcome)
        return outcome;
    if (result.rowsAffected == 0)
        return SqlOutcome::failure(QStringLiteral("Row cannot be located for updating"));
    for (const auto& [column, value] : m_pending) {
        const qsizetype index = columnIndex(column);
        if (index >= 0)
            m_result.rows[m_current][index] = value;
    }
    return outcome;
}

SqlOutcome Dataset::postAppend()
{
    if (m_pending.isEmpty())
        return SqlOutcome::failure(QStringLiteral("No values to store"));
    SqlStatement insert(QStringLiteral("INSERT INTO ") + tableName() + QStringLiteral(" ("));
    SqlStatement values(QStringLiteral(") VALUES ("));
    bool first = true;
    for (const auto& [column, value] : m_pending) {
        insert << (first ? QString() : QStringLiteral(", ")) << column;
        values << (first ? QString() : QStringLiteral(", ")) << SqlValue{value};
        first = false;
    }
    insert << values << QStringLiteral(")");
    const SqlOutcome outcome = execute(insert, nullptr);
    if (!outcome)
        return outcome;

    QVariantList row(m_result.columns.size());
    for (const auto& [column, value] : m_pending) {
        const qsizetype index = columnIndex(column);
        if (index >= 0)
            row[index] = value;
    }
    m_result.rows.append(row);
    m_current = m_result.rows.size() - 1;
    return outcome;
}

SqlOutcome Dataset::deleteCurrent()
{
    if (!m_open || atEnd())
        return SqlOutcome::failure(QStringLiteral("No current row to delete"));
    QString error;
    const auto where = locateRow(m_link.tableKeys().keysOf(tableName()), m_result.columns,
                                 m_result.rows[m_current], m_statement, &error);
    if (!where)
        return SqlOutcome::failure(error);
    SqlStatement remove(QStringLiteral("DELETE FROM ") + tableName());
    remove << where->where;
    // Rows matched whole may have twins that go with the first one; that is not an error.
    const SqlOutcome outcome = execute(remove, nullptr);
    if (outcome)
        m_result.rows.removeAt(m_current);
    return outcome;
}

SqlOutcome SqlCommand::exec(const SqlStatement& statement)
{
    const SqlOutcome connected = m_link.acquire();
    if (!connected)
        return connected;
    QSqlDatabase db = m_link.database();
    const SqlOutcome outcome = runStatement(db, statement, nullptr, m_link.settings().literalStyle);
    if (outcome)
        m_link.release();
    else
        m_link.releaseAfterFailure();
    return outcome;
}

} // namespace kelvra
