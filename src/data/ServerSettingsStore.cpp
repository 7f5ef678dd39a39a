#include "data/ServerSettingsStore.h"

#include "common/DateText.h"

#include "data/DataAccess.h"
#include "data/Tdf.h"

namespace kelvra {

SqlOutcome saveServerSettings(Tdf& df, const ServerSettings& s, const QString& signedOnUser,
                              const QDateTime& now)
{
    Dataset& view = df.AdoView;
    SqlOutcome outcome = OpenSql(view, SqlStatement(" Select * from SERVER"));
    if (!outcome) {
        CloseSql(view);
        return outcome;
    }
    const bool first = AtEnd(view);
    if (first)
        AppendRow(view);
    else
        EditRow(view);
    WriteField(view, QStringLiteral("ADDRESS"), s.address);
    WriteField(view, QStringLiteral("USERNAME"), s.user);
    WriteField(view, QStringLiteral("PASS"), s.password);
    WriteField(view, QStringLiteral("DBNAME"), s.database);
    WriteField(view, QStringLiteral("persistinfo"), s.persistSecurityInfo);
    WriteField(view, QStringLiteral("sqlProvider"), s.provider);
    WriteField(view, QStringLiteral("sqlDataType"), s.dataTypeCompatibility);
    WriteField(view, QStringLiteral("sqlSecurity"), s.integratedSecurity);
    WriteField(view, QStringLiteral("marsconn"), s.marsConnection);
    WriteField(view, QStringLiteral("userconnect"), s.customConnect);
    WriteField(view, QStringLiteral("TYPE"), s.type);
    WriteField(view, QStringLiteral("WHO"), first ? QStringLiteral("Admin") : signedOnUser);
    WriteField(view, QStringLiteral("CHANGED"), dashedMinuteStamp(now));
    outcome = PostRow(view);
    CloseSql(view);
    return outcome;
}

} // namespace kelvra
