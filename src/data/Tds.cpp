#include "data/Tds.h"

#include "data/DataAccess.h"
#include "data/LocalSchema.h"
#include "data/OdbcInfo.h"

namespace kelvra {

namespace {

QString text(const Dataset& dataset, const char* column)
{
    return ReadField(dataset, QLatin1String(column)).asText();
}

} // namespace

Tds::Tds(Tdf& df, ErrorReporter reportError, ServerTimeouts timeouts)
    : ADOConnection1(DbLink::uniqueName("ds-ado"), DbLink::Lifetime::KeptOpen,
                     TableKeys::serverTables()),
      MyConnection1(DbLink::uniqueName("ds-my"), DbLink::Lifetime::PerStatement,
                    TableKeys::serverTables()),
      m_df(df), m_reportError(std::move(reportError)), m_timeouts(timeouts)
{
    PrepareServerConnection();
}

bool Tds::IsAdoType() const
{
    return DbType == QLatin1String("SQL 2000") || DbType == QLatin1String("SQL 2005");
}

bool Tds::IsMySqlType() const
{
    return DbType == QLatin1String("mySQL");
}

Branch Tds::branch() const
{
    if (IsAdoType())
        return Branch::Ado;
    if (IsMySqlType())
        return Branch::MySql;
    return Branch::None;
}

BranchOutcome Tds::open(Dataset& adoDataset, const BranchStatement& statement)
{
    const Branch configured = branch();
    Dataset& rows = configured == Branch::MySql ? MyQuery1 : adoDataset;
    if (configured == Branch::None) {
        rows.close();
        return {configured, SqlOutcome::failure(QStringLiteral("No server database is configured")),
                rows};
    }
    SqlOutcome outcome = OpenSql(rows, statement.on(configured));
    return {configured, std::move(outcome), rows};
}

BranchOutcome Tds::exec(const BranchStatement& statement)
{
    const Branch configured = branch();
    switch (configured) {
    case Branch::Ado:
        return {configured, ExecSql(ADOCommand, statement.ado), AdoView};
    case Branch::MySql:
        return {configured, ExecSql(MyQuery1, statement.mysql), MyQuery1};
    case Branch::None:
        break;
    }
    return {configured, SqlOutcome::failure(QStringLiteral("No server database is configured")),
            AdoView};
}

BranchOutcome Tds::deleteRows(const BranchStatement& statement)
{
    if (branch() != Branch::Ado)
        return exec(statement);
    SqlOutcome outcome = OpenSql(AdoView, statement.ado);
    while (outcome && !AtEnd(AdoView))
        outcome = DeleteRow(AdoView);
    CloseSql(AdoView);
    return {Branch::Ado, std::move(outcome), AdoView};
}

QString Tds::odbcConnectionString() const
{
    return m_odbcConnectionString;
}

void Tds::PrepareServerConnection()
{
    ServerSettings settings;
    if (readSettings(&settings) == Prepared::Stopped)
        return;
    if (settings.provider.isEmpty())
        settings.provider = QStringLiteral("SQLOLEDB.1");
    setUpConnections(settings);
    readInstalledCompany();
}

Tds::Prepared Tds::readSettings(ServerSettings* settings)
{
    const SqlStatement selectServer(" Select * from SERVER");

    // An empty settings table is made anew.
    if (OpenSql(m_df.AdoView, selectServer) && AtEnd(m_df.AdoView)) {
        CloseSql(m_df.AdoView);
        if (!ExecSql(m_df.ADOCommand, SqlStatement("DROP table SERVER")))
            m_df.ADOConnection1.close();
        m_df.ADOConnection1.close();
    }
    CloseSql(m_df.AdoView);

    if (!ExecSql(m_df.ADOCommand, selectServer)) {
        const SqlOutcome created =
            ExecSql(m_df.ADOCommand, createTableStatement(serverSettingsTable()));
        if (!created) {
            m_reportError(QStringLiteral("Error #98: ") + created.error());
            return Prepared::Stopped;
        }
    }
    // A table of an older layout keeps its settings: the missing columns are added.
    (void)m_df.addMissingColumns(serverSettingsTable());
    m_df.ADOConnection1.close();

    if (!OpenSql(m_df.AdoView, SqlStatement("Select * from Server"))) {
        CloseSql(m_df.AdoView);
        return Prepared::Stopped;
    }
    if (!AtEnd(m_df.AdoView)) {
        const Dataset& row = m_df.AdoView;
        DbType = text(row, "TYPE");
        settings->type = DbType;
        if (DbType == QLatin1String("SQL 2000") || DbType == QLatin1String("SQL 2005") ||
            DbType == QLatin1String("SQL") || DbType == QLatin1String("mySQL")) {
            settings->user = text(row, "USERNAME");
            settings->password = text(row, "PASS");
            settings->address = text(row, "ADDRESS");
            settings->database = text(row, "DBNAME");
        }
        if (DbType == QLatin1String("SQL 2000") || DbType == QLatin1String("SQL 2005") ||
            DbType == QLatin1String("SQL")) {
            settings->provider = text(row, "sqlProvider");
            settings->dataTypeCompatibility = text(row, "sqlDataType");
            settings->integratedSecurity = text(row, "sqlSecurity");
            settings->persistSecurityInfo = text(row, "persistinfo");
            settings->marsConnection = text(row, "marsconn");
            settings->customConnect = text(row, "userconnect");
        }
    }
    CloseSql(m_df.AdoView);
    m_df.ADOConnection1.close();
    return Prepared::Done;
}

LinkSettings odbcLinkSettings(const QString& odbcConnectionString, const ServerTimeouts& timeouts)
{
    return LinkSettings{
        .driver = QStringLiteral("QODBC"),
        .databaseName = qtOdbcDatabaseName(odbcConnectionString),
        .connectOptions = QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1;SQL_ATTR_CONNECTION_TIMEOUT=%2")
                              .arg(timeouts.loginSeconds)
                              .arg(timeouts.statementSeconds),
        .valuesAsLiterals = true};
}

LinkSettings mySqlLinkSettings(const QString& address, const QString& database, const QString& user,
                               const QString& password, const ServerTimeouts& timeouts)
{
    // The address may carry its port ("host:port"); otherwise MySQL's own.
    const HostAndPort server = splitAddress(address, Tds::mySqlPort);
    return LinkSettings{.driver = QStringLiteral("QMYSQL"),
                        .host = server.host,
                        .port = server.port,
                        .databaseName = database,
                        .user = user,
                        .password = password,
                        // Found rows count matched rows, as the other drivers do.
                        .connectOptions =
                            QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=%1;MYSQL_OPT_READ_TIMEOUT=%1;"
                                           "MYSQL_OPT_WRITE_TIMEOUT=%1;CLIENT_FOUND_ROWS")
                                .arg(timeouts.mySqlSeconds)};
}

void Tds::setUpConnections(const ServerSettings& settings)
{
    m_adoConnectionString = buildOleDbConnectionString(settings);
    // Built from the values, not from the joined text, which a ";" in a value would cut.
    m_odbcConnectionString =
        kelvra::odbcConnectionString(settings, m_timeouts, odbcDataSourceEntry);
    if (!m_adoConnectionString.isEmpty())
        ADOConnection1.setSettings(odbcLinkSettings(m_odbcConnectionString, m_timeouts));
    if (settings.type == QLatin1String("mySQL"))
        MyConnection1.setSettings(mySqlLinkSettings(settings.address, settings.database,
                                                    settings.user, settings.password, m_timeouts));
}

void Tds::readInstalledCompany()
{
    if (OpenSql(m_df.AdoView, SqlStatement("Select * from Registration")) && !AtEnd(m_df.AdoView))
        InstalledCompanyName = text(m_df.AdoView, "REG_NAME");
    CloseSql(m_df.AdoView);
}

} // namespace kelvra
