#include "setup/UserAccountsQueries.h"

namespace kelvra {

SqlStatement localUserList()
{
    return SqlStatement(" Select USER_NAME, USER_ID from USERS Order by USER_NAME,USER_ID");
}

SqlStatement localUser(const QString& userId)
{
    return SqlStatement(" Select * from USERS Where USER_ID = ") << quoted(userId);
}

BranchStatement departmentUserList(const QString& department)
{
    return {SqlStatement(" Select USER_NAME, USER_ID from USERS Where DEPT = ")
                << quoted(department) << " Order by USER_NAME,USER_ID",
            SqlStatement::lines({" Select USER_NAME, USER_ID from USERS",
                                 SqlStatement(" Where DEPT = ") << quoted(department),
                                 " Order by USER_NAME, USER_ID"})};
}

BranchStatement departmentUser(const QString& userId, const QString& department)
{
    return {SqlStatement(" Select * from USERS Where USER_ID = ")
                << quoted(userId) << " And DEPT= " << quoted(department),
            SqlStatement::lines({" Select * from USERS",
                                 SqlStatement(" Where USER_ID = ") << quoted(userId),
                                 SqlStatement(" And DEPT = ") << quoted(department)})};
}

} // namespace kelvra
