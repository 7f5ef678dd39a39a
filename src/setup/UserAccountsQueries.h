#pragma once

#include "data/BranchStatement.h"

#include <QString>

namespace kelvra {

// The program's own users, in the local settings database.
SqlStatement localUserList();
SqlStatement localUser(const QString& userId);

// A department's users, in the server USERS table (shown, never changed).
BranchStatement departmentUserList(const QString& department);
BranchStatement departmentUser(const QString& userId, const QString& department);

} // namespace kelvra
