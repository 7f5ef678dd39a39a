#include "shell/LocalUserQueries.h"

#include "data/DataAccess.h"
#include "data/Tdf.h"
#include "shell/SignOnRules.h"

namespace kelvra {

namespace {

SqlStatement userRow(const QString& userId)
{
    return SqlStatement(" Select * from USERS Where USER_ID = ") << quoted(userId);
}

SqlOutcome setLogIn(Tdf& df, const QString& userId, int value)
{
    Dataset& view = df.AdoView;
    SqlOutcome outcome =
        OpenSql(view, SqlStatement(" Select LOG_IN from USERS Where USER_ID = ") << quoted(userId));
    if (outcome && !AtEnd(view)) {
        EditRow(view);
        WriteField(view, QStringLiteral("LOG_IN"), value);
        outcome = PostRow(view);
    }
    CloseSql(view);
    return outcome;
}

} // namespace

SqlOutcome findLocalUser(Tdf& df, const QString& userId, LocalUser& user)
{
    user = LocalUser{};
    Dataset& view = df.AdoView;
    const SqlOutcome outcome = OpenSql(view, userRow(userId));
    if (outcome && !AtEnd(view)) {
        user.found = true;
        user.userId = ReadField(view, QStringLiteral("USER_ID")).asText();
        user.userName = ReadField(view, QStringLiteral("USER_NAME")).asText();
        user.storedPassword = ReadField(view, QStringLiteral("USER_PASSWORD")).asText();
        user.accessList = ReadField(view, QStringLiteral("ACCESS_LIST")).asText();
        user.statusFlag = int(ReadField(view, QStringLiteral("status_flag")).asInt());
        user.okToSign = int(ReadField(view, QStringLiteral("OK_TO_SIGN")).asInt());
    }
    CloseSql(view);
    return outcome;
}

SqlOutcome storePassword(Tdf& df, const QString& userId, const QString& storedPassword,
                         const QString& changed)
{
    Dataset& view = df.AdoView;
    SqlOutcome outcome = OpenSql(view, userRow(userId));
    if (outcome && AtEnd(view))
        outcome = SqlOutcome::failure(QStringLiteral("No user ") + userId);
    if (outcome) {
        EditRow(view);
        WriteField(view, QStringLiteral("USER_PASSWORD"), storedPassword);
        if (!changed.isEmpty())
            WriteField(view, QStringLiteral("CHANGED"), changed);
        outcome = PostRow(view);
    }
    CloseSql(view);
    return outcome;
}

SqlOutcome markSignedOn(Tdf& df, const QString& userId)
{
    return setLogIn(df, userId, 1);
}

SqlOutcome markSignedOff(Tdf& df, const QString& userId)
{
    return setLogIn(df, userId, 0);
}

FirstAdministrator addFirstAdministrator(Tdf& df, const QString& userId,
                                         const QString& storedPassword, const QString& changed)
{
    Dataset& view = df.AdoView;
    if (!OpenSql(view, SqlStatement(" Select * from USERS"))) {
        CloseSql(view);
        return FirstAdministrator::Failed;
    }
    if (!AtEnd(view)) {
        CloseSql(view);
        return FirstAdministrator::NotEmpty;
    }
    AppendRow(view);
    WriteField(view, QStringLiteral("USER_ID"), userId);
    WriteField(view, QStringLiteral("USER_NAME"), QStringLiteral("Server Admin"));
    WriteField(view, QStringLiteral("USER_PASSWORD"), storedPassword);
    WriteField(view, QStringLiteral("SIGNATURE"), QString());
    WriteField(view, QStringLiteral("OK_TO_SIGN"), -1);
    WriteField(view, QStringLiteral("STATUS_FLAG"), 1);
    WriteField(view, QStringLiteral("LOG_IN"), 1);
    WriteField(view, QStringLiteral("CHANGED"), changed);
    WriteField(view, QStringLiteral("ACCESS_LIST"), firstAdministratorAccessText());
    const SqlOutcome outcome = PostRow(view);
    CloseSql(view);
    return outcome ? FirstAdministrator::Added : FirstAdministrator::Failed;
}

} // namespace kelvra
