#include "data/Dataset.h"

#include "data/RowLocator.h"
#include "data/StatementRunner.h"

#include <QSqlError>
#include <QSqlRecord>

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
    const SqlOutcome outcome = runStatement(db, statement, &fetched, m_link.odbcDialect());
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
    m_pending.clear();
    // Editing needs a row: on an empty result or past the end nothing can be written.
    m_mode = m_open && !atEnd() ? Mode::Edit : Mode::Refused;
    m_editRow = m_current;
}

void Dataset::append()
{
    m_pending.clear();
    m_mode = m_open ? Mode::Append : Mode::Refused;
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
    return runStatement(db, statement, result, m_link.odbcDialect());
}

SqlOutcome Dataset::post()
{
    SqlOutcome outcome = SqlOutcome::success();
    if (!m_open)
        outcome = SqlOutcome::failure(QStringLiteral("Dataset not open"));
    else if (m_mode == Mode::Edit)
        outcome = postEdit();
    else if (m_mode == Mode::Append)
        outcome = postAppend();
    else if (m_mode == Mode::Refused)
        outcome = SqlOutcome::failure(QStringLiteral("No current row to edit"));
    else if (!m_pending.isEmpty())
        outcome = SqlOutcome::failure(QStringLiteral("Dataset not in edit or insert mode"));
    // Whatever happened, the pending values are not carried into the next change.
    m_mode = Mode::Browse;
    m_pending.clear();
    return outcome;
}

std::optional<RowCondition> Dataset::conditionForRow(qsizetype row, QString* error)
{
    const QString table = tableName();
    if (table.isEmpty()) {
        *error = QStringLiteral("Row cannot be located: the statement names no table");
        return std::nullopt;
    }
    const QStringList keys = m_link.tableKeys().keysOf(table);
    if (keys.isEmpty()) {
        // Rows without a key are matched whole, so the result must carry every column of the
        // table; a part of a row could match other rows too.
        FetchedRows tableColumns;
        const SqlOutcome asked = execute(
            SqlStatement("Select * from ") << identifier(table) << " Where 1 = 0", &tableColumns);
        if (!asked || tableColumns.columns.isEmpty()) {
            *error = QStringLiteral("Row cannot be located: the columns of ") + table +
                     QStringLiteral(" are unknown");
            return std::nullopt;
        }
        for (const QString& column : std::as_const(tableColumns.columns)) {
            if (columnIndex(column) < 0) {
                *error = QStringLiteral("Row cannot be located: the result lacks column ") + column;
                return std::nullopt;
            }
        }
    }
    return locateRow(keys, m_result.columns, m_result.rows[row], m_statement, error);
}

SqlOutcome Dataset::postEdit()
{
    if (m_editRow != m_current || atEnd())
        return SqlOutcome::failure(QStringLiteral("No current row to edit"));
    if (m_pending.isEmpty())
        return SqlOutcome::success();
    QString error;
    const auto where = conditionForRow(m_current, &error);
    if (!where)
        return SqlOutcome::failure(error);

    SqlStatement update = SqlStatement("UPDATE ") << identifier(tableName()) << " SET ";
    bool first = true;
    for (const auto& [column, value] : m_pending) {
        if (!first)
            update << ", ";
        update << identifier(column) << " = " << SqlValue{value};
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
    if (tableName().isEmpty())
        return SqlOutcome::failure(QStringLiteral("The statement names no table to add to"));
    SqlStatement insert = SqlStatement("INSERT INTO ") << identifier(tableName()) << " (";
    SqlStatement values(") VALUES (");
    bool first = true;
    for (const auto& [column, value] : m_pending) {
        if (!first) {
            insert << ", ";
            values << ", ";
        }
        insert << identifier(column);
        values << SqlValue{value};
        first = false;
    }
    insert << values << ")";
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
    const auto where = conditionForRow(m_current, &error);
    if (!where)
        return SqlOutcome::failure(error);
    SqlStatement remove = SqlStatement("DELETE FROM ") << identifier(tableName());
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
    const SqlOutcome outcome = runStatement(db, statement, nullptr, m_link.odbcDialect());
    if (outcome)
        m_link.release();
    else
        m_link.releaseAfterFailure();
    return outcome;
}

SqlOutcome SqlCommand::execInTransaction(const QList<SqlStatement>& statements)
{
    const SqlOutcome connected = m_link.acquire();
    if (!connected)
        return connected;
    QSqlDatabase db = m_link.database();
    auto fail = [&](const QString& error) {
        db.rollback();
        m_link.releaseAfterFailure();
        return SqlOutcome::failure(error);
    };
    if (!db.transaction())
        return fail(db.lastError().text());
    for (const SqlStatement& statement : statements) {
        const SqlOutcome outcome = runStatement(db, statement, nullptr, m_link.odbcDialect());
        if (!outcome)
            return fail(outcome.error());
    }
    if (!db.commit())
        return fail(db.lastError().text());
    m_link.release();
    return SqlOutcome::success();
}

} // namespace kelvra
