#pragma once

#include "data/BranchStatement.h"

#include <QString>

namespace kelvra {

// Which screens' department list: they differ in "distinct" and in the blanks of their
// MySQL lines.
enum class DepartmentListKind
{
    SensorSetup,     // distinct, " Order By REG_NAME"
    DistinctOrdered, // user accounts, real-time readings: distinct, " Order by REG_NAME"
    AlarmCallList,   // " Select REG_NAME from REG"
    Reports,         // hourly and monthly logs and graphs, daily sign-out, exception report
    ServerAdmin,     // no "distinct" on SQL Server either
};

BranchStatement departmentList(DepartmentListKind kind);

// Which sensors a screen lists, and the wording of its SQL Server statement.
enum class SensorListKind
{
    AllSensors,      // sensor setup: every sensor, the department compared with like
    ActiveJoined,    // hourly log, daily sign-out, monthly graphs: "-1And" as written
    ActiveSeparated, // monthly log, hourly graphs, exception report: "-1 And"
};

BranchStatement sensorList(SensorListKind kind, const QString& department);

} // namespace kelvra
