#pragma once

#include "data/SqlOutcome.h"
#include "data/SqlStatement.h"

namespace kelvra {

class Dataset;

// The two ways the configured database type reaches the server; None when the type names
// neither, and no screen queries the server.
enum class Branch
{
    None,
    Ado,
    MySql
};

// One statement of a screen in both wordings: the SQL Server text and the MySQL lines.
struct BranchStatement
{
    SqlStatement ado;
    SqlStatement mysql;

    const SqlStatement& on(Branch branch) const { return branch == Branch::MySql ? mysql : ado; }
};

// What running a BranchStatement did: which branch ran, whether it worked, and the dataset
// holding its rows (closed and empty when no branch ran).
class BranchOutcome
{
public:
    BranchOutcome(Branch branch, SqlOutcome outcome, Dataset& rows)
        : m_branch(branch), m_outcome(std::move(outcome)), m_rows(&rows)
    {
    }

    Branch branch() const { return m_branch; }
    bool ran() const { return m_branch != Branch::None; }
    bool ok() const { return ran() && m_outcome.ok(); }
    bool failed() const { return ran() && !m_outcome.ok(); }
    const QString& error() const { return m_outcome.error(); }
    Dataset& rows() const { return *m_rows; }

private:
    Branch m_branch;
    SqlOutcome m_outcome;
    Dataset* m_rows;
};

} // namespace kelvra
