#include "shell/LocalUserQueries.h"

#include "data/DataAccess.h"
#include "data/Tdf.h"

namespace kelvra {

SqlOutcome markSignedOff(Tdf& df, const QString& userId)
{
    Dataset& view = df.AdoView;
    SqlOutcome outcome =
        OpenSql(view, SqlStatement(" Select LOG_IN from USERS Where USER_ID = ") << quoted(userId));
    if (outcome && !AtEnd(view)) {
        EditRow(view);
        WriteField(view, QStringLiteral("LOG_IN"), 0);
        outcome = PostRow(view);
    }
    CloseSql(view);
    return outcome;
}

} // namespace kelvra
