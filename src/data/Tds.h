#pragma once

#include "data/BranchStatement.h"
#include "data/ConnectionString.h"
#include "data/Dataset.h"
#include "data/DbLink.h"
#include "data/Tdf.h"

#include <functional>

namespace kelvra {

// The server data module: the SQL Server branch through ODBC (connected on the first
// query and kept open) and the MySQL branch (connected around every statement).
// How the server branches connect: ODBC with login and statement time-outs, values as
// literals of the server behind it; MySQL with connect, read and write time-outs.
LinkSettings odbcLinkSettings(const QString& odbcConnectionString, const ServerTimeouts& timeouts);
LinkSettings mySqlLinkSettings(const QString& address, const QString& database, const QString& user,
                               const QString& password, const ServerTimeouts& timeouts);

class Tds
{
public:
    using ErrorReporter = std::function<void(const QString&)>;

    // Reads the connection settings once and prepares the server connection.
    Tds(Tdf& df, ErrorReporter reportError, ServerTimeouts timeouts = {});

    bool IsAdoType() const;
    bool IsMySqlType() const;
    Branch branch() const;
    void PrepareServerConnection();

    // Runs a statement on the configured branch: on SQL Server in the given dataset (AdoView
    // or AdoQuery), on MySQL in MyQuery1. The rows stay open in outcome.rows() until CloseSql.
    BranchOutcome open(Dataset& adoDataset, const BranchStatement& statement);
    // A statement without rows: ADOCommand on SQL Server, MyQuery1 opened and closed on MySQL.
    BranchOutcome exec(const BranchStatement& statement);
    // Deletes rows the way each branch does: on SQL Server the ado statement selects them and
    // each is deleted through AdoView; on MySQL the mysql statement deletes them at once.
    BranchOutcome deleteRows(const BranchStatement& statement);

    // The OLE DB connection string prepared at start, and the ODBC string it becomes.
    const QString& adoConnectionString() const { return m_adoConnectionString; }
    QString odbcConnectionString() const;
    const ServerTimeouts& timeouts() const { return m_timeouts; }

    QString DbType;
    QString InstalledCompanyName;

    DbLink ADOConnection1;
    Dataset AdoView{ADOConnection1};
    Dataset AdoQuery{ADOConnection1};
    SqlCommand ADOCommand{ADOConnection1};

    DbLink MyConnection1;
    Dataset MyQuery1{MyConnection1};

    static constexpr int mySqlPort = 3306;

private:
    enum class Prepared
    {
        Done,
        Stopped
    };
    Prepared readSettings(ServerSettings* settings);
    void setUpConnections(const ServerSettings& settings);
    void readInstalledCompany();

    Tdf& m_df;
    ErrorReporter m_reportError;
    ServerTimeouts m_timeouts;
    QString m_adoConnectionString;
    QString m_odbcConnectionString;
};

} // namespace kelvra
