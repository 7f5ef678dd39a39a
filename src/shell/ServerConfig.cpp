#include "shell/ServerConfig.h"

#include "data/DataAccess.h"
#include "data/DbLink.h"
#include "data/OdbcInfo.h"
#include "data/ServerSettingsStore.h"
#include "data/Tdf.h"
#include "data/Tds.h"

namespace kelvra {

namespace {

QString text(const Dataset& row, const char* column)
{
    return ReadField(row, QLatin1String(column)).asText();
}

SaveButtonChange testMySql(const ServerSettings& typed, const QString& installedCompany,
                           const ServerTimeouts& timeouts, const ServerTestHooks& hooks)
{
    DbLink link(DbLink::uniqueName("server-test-my"), DbLink::Lifetime::PerStatement,
                TableKeys::serverTables());
    link.setSettings(
        mySqlLinkSettings(typed.address, typed.database, typed.user, typed.password, timeouts));
    if (!link.acquire()) {
        link.close();
        hooks.tell({true, QStringLiteral("Connection to mySQL Failed")});
        return SaveButtonChange::Disable;
    }
    link.close();
    hooks.tell({false, QStringLiteral("Connection to mySQL Success!")});

    Dataset probe(link);
    SqlStatement where(" Where REG_NAME = ");
    where << quoted(installedCompany);
    const SqlOutcome ran = OpenSql(probe, SqlStatement::lines({"SELECT * from REG", where}));
    CloseSql(probe);
    link.close();
    hooks.save();
    return ran ? SaveButtonChange::Enable : SaveButtonChange::Unchanged;
}

SaveButtonChange testSqlServer(const ServerSettings& typed, const ServerTimeouts& timeouts,
                               const ServerTestHooks& hooks)
{
    if (buildOleDbConnectionString(typed).isEmpty()) {
        hooks.tell({true, QStringLiteral("Unsupported DB provider: ")});
        return SaveButtonChange::Unchanged;
    }
    DbLink link(DbLink::uniqueName("server-test-ado"), DbLink::Lifetime::PerStatement,
                TableKeys::serverTables());
    link.setSettings(
        odbcLinkSettings(odbcConnectionString(typed, timeouts, odbcDataSourceEntry), timeouts));
    const SqlOutcome opened = link.acquire();
    link.close();
    if (!opened) {
        hooks.tell({true, QStringLiteral("Connection Failed: ") + opened.error()});
        return SaveButtonChange::Unchanged;
    }
    hooks.tell({false, QStringLiteral("Connection Success!")});
    hooks.save();
    return SaveButtonChange::Enable;
}

} // namespace

bool showsSqlServerFields(const QString& type)
{
    return type == QLatin1String("SQL 2000") || type == QLatin1String("SQL 2005");
}

std::optional<StoredServerSettings> readServerPanel(Tdf& df)
{
    Dataset& view = df.AdoView;
    std::optional<StoredServerSettings> stored;
    if (OpenSql(view, SqlStatement(" Select * from SERVER")) && !AtEnd(view)) {
        ServerSettings& s = stored.emplace().values;
        s.address = text(view, "ADDRESS");
        s.type = text(view, "TYPE");
        s.provider = text(view, "sqlProvider");
        s.integratedSecurity = text(view, "sqlSecurity");
        s.dataTypeCompatibility = text(view, "sqlDataType");
        s.marsConnection = text(view, "marsconn");
        s.persistSecurityInfo = text(view, "persistinfo");
        s.database = text(view, "DBNAME");
        s.user = text(view, "USERNAME");
        s.password = text(view, "PASS");
        s.customConnect = text(view, "userconnect");
        s.who = text(view, "WHO");
        s.changed = text(view, "CHANGED");
        stored->changedText = s.changed + QStringLiteral(" by ") + s.who;
    }
    CloseSql(view);
    return stored;
}

ServerPanelSave saveServerPanel(Tdf& df, const ServerSettings& typed, const QString& signedOnUser,
                                const QDateTime& now)
{
    if (typed.type == chooseDatabaseType)
        return {QStringLiteral("Choose a Database Type!"), false};
    return {QString(), saveServerSettings(df, typed, signedOnUser, now).ok()};
}

SaveButtonChange testServerConnection(const ServerSettings& typed, const QString& installedCompany,
                                      const ServerTimeouts& timeouts, const ServerTestHooks& hooks)
{
    if (typed.type == QLatin1String("mySQL"))
        return testMySql(typed, installedCompany, timeouts, hooks);
    return testSqlServer(typed, timeouts, hooks);
}

} // namespace kelvra
