#pragma once

#include "data/ConnectionString.h"
#include "data/Dataset.h"
#include "data/DbLink.h"
#include "data/Tdf.h"

#include <functional>

namespace kelvra {

// The server data module: the SQL Server branch through ODBC (connected on the first
// query and kept open) and the MySQL branch (connected around every statement).
class Tds
{
public:
    using ErrorReporter = std::function<void(const QString&)>;

    // Reads the connection settings once and prepares the server connection.
    Tds(Tdf& df, ErrorReporter reportError);

    bool IsAdoType() const;
    bool IsMySqlType() const;
    void PrepareServerConnection();

    // The OLE DB connection string prepared at start, and the ODBC string it becomes.
    const QString& adoConnectionString() const { return m_adoConnectionString; }
    QString odbcConnectionString() const;

    QString DbType;
    QString InstalledCompanyName;

    DbLink ADOConnection1;
    Dataset AdoView{ADOConnection1};
    Dataset AdoQuery{ADOConnection1};
    SqlCommand ADOCommand{ADOConnection1};

    DbLink MyConnection1;
    Dataset MyQuery1{MyConnection1};

    static constexpr int mySqlPort = 3306;
    static constexpr int mySqlTimeoutSeconds = 5;
    static constexpr int odbcLoginTimeoutSeconds = 10;
    static constexpr int odbcQueryTimeoutSeconds = 30;

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
    QString m_adoConnectionString;
};

} // namespace kelvra
