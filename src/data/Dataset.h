#pragma once

#include "data/DbLink.h"
#include "data/FieldValue.h"
#include "data/RowLocator.h"
#include "data/SqlOutcome.h"
#include "data/SqlStatement.h"
#include "data/StatementRunner.h"

#include <QHash>

namespace kelvra {

// A fully fetched result with a current row. Changes and deletions are written through
// the row's key (see RowLocator) while the result is open.
class Dataset
{
public:
    explicit Dataset(DbLink& link) : m_link(link) {}
    Dataset(const Dataset&) = delete;
    Dataset& operator=(const Dataset&) = delete;

    SqlOutcome open(const SqlStatement& statement);
    void close();
    bool isOpen() const { return m_open; }

    bool atEnd() const { return m_current >= m_result.rows.size(); }
    void next();
    int rowCount() const { return static_cast<int>(m_result.rows.size()); }
    const QStringList& fieldNames() const { return m_result.columns; }
    bool hasField(const QString& column) const { return columnIndex(column) >= 0; }
    // The column of the current row, matched without regard to case; NULL when there is
    // no current row or no such column.
    FieldValue field(const QString& column) const;

    void edit();
    void append();
    void setField(const QString& column, const QVariant& value);
    SqlOutcome post();
    SqlOutcome deleteCurrent();

    const SqlStatement& statement() const { return m_statement; }

private:
    // Refused: EditRow or AppendRow found nothing to write through; PostRow then fails.
    enum class Mode
    {
        Browse,
        Edit,
        Append,
        Refused
    };

    qsizetype columnIndex(const QString& column) const;
    QString tableName() const;
    SqlOutcome execute(const SqlStatement& statement, FetchedRows* result);
    std::optional<RowCondition> conditionForRow(qsizetype row, QString* error);
    SqlOutcome postEdit();
    SqlOutcome postAppend();

    DbLink& m_link;
    SqlStatement m_statement;
    FetchedRows m_result;
    qsizetype m_current = 0;
    bool m_open = false;
    Mode m_mode = Mode::Browse;
    qsizetype m_editRow = 0; // the row EditRow was called on
    QList<std::pair<QString, QVariant>> m_pending;
};

// A statement without rows, on a connection of its own lifetime.
class SqlCommand
{
public:
    explicit SqlCommand(DbLink& link) : m_link(link) {}
    SqlOutcome exec(const SqlStatement& statement);
    // Runs the statements in one transaction: all of them take effect, or, after the first
    // failure, none.
    SqlOutcome execInTransaction(const QList<SqlStatement>& statements);

private:
    DbLink& m_link;
};

} // namespace kelvra
