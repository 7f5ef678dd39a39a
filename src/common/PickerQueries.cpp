#include "common/PickerQueries.h"

namespace kelvra {

BranchStatement departmentList(DepartmentListKind kind)
{
    const SqlStatement distinctAdo(" Select distinct REG_NAME from REG Order by REG_NAME");
    switch (kind) {
    case DepartmentListKind::SensorSetup:
        return {distinctAdo,
                SqlStatement::lines({" Select distinct REG_NAME from REG", " Order By REG_NAME"})};
    case DepartmentListKind::DistinctOrdered:
        return {distinctAdo,
                SqlStatement::lines({" Select distinct REG_NAME from REG", " Order by REG_NAME"})};
    case DepartmentListKind::AlarmCallList:
        return {distinctAdo,
                SqlStatement::lines({" Select REG_NAME from REG", " Order by REG_NAME"})};
    case DepartmentListKind::Reports:
        return {distinctAdo,
                SqlStatement::lines({"Select REG_NAME from REG", " Order by REG_NAME"})};
    case DepartmentListKind::ServerAdmin:
        break;
    }
    return {" Select REG_NAME from REG Order by REG_NAME",
            SqlStatement::lines({" Select REG_NAME from REG", " Order by REG_NAME"})};
}

BranchStatement sensorList(SensorListKind kind, const QString& department)
{
    const SqlStatement activeMySql = SqlStatement::lines(
        {" Select distinct SENSOR_ID from SENSORS", " Where STATUS_FLAG = -1",
         SqlStatement(" And DEPT = ") << quoted(department), " Order by SENSOR_ID"});
    switch (kind) {
    case SensorListKind::AllSensors:
        return {SqlStatement(" Select distinct SENSOR_ID from SENSORS Where DEPT like ")
                    << quotedLike(department) << " Order by SENSOR_ID",
                SqlStatement::lines({"Select distinct SENSOR_ID from SENSORS",
                                     SqlStatement(" Where DEPT = ") << quoted(department),
                                     " Order by SENSOR_ID"})};
    case SensorListKind::ActiveJoined:
        return {SqlStatement(
                    " Select distinct SENSOR_ID from SENSORS Where STATUS_FLAG = -1And DEPT = ")
                    << quoted(department) << " Order by SENSOR_ID",
                activeMySql};
    case SensorListKind::ActiveSeparated:
        break;
    }
    return {
        SqlStatement(" Select distinct SENSOR_ID from SENSORS Where STATUS_FLAG = -1 And DEPT = ")
            << quoted(department) << " Order by SENSOR_ID",
        activeMySql};
}

} // namespace kelvra
