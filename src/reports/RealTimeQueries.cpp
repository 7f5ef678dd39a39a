#include "reports/RealTimeQueries.h"

namespace kelvra::realtime {

BranchStatement activeSensors(const QString& department)
{
    return {SqlStatement(" Select SENSOR_ID,LOCATION,SENSOR_TYPE from SENSORS Where STATUS_FLAG = "
                         "-1And DEPT = ")
                << quoted(department) << " Order by SENSOR_ID",
            SqlStatement::lines(
                {" Select distinct SENSOR_ID from SENSORS", " Where STATUS_FLAG = -1",
                 SqlStatement(" And DEPT = ") << quoted(department), " Order by SENSOR_ID"})};
}

SqlStatement sensorLocationMySql(const QString& sensorId, const QString& department)
{
    return SqlStatement::lines(
        {" Select LOCATION from SENSORS", SqlStatement(" Where SENSOR_ID = ") << quoted(sensorId),
         SqlStatement("And DEPT = ") << quoted(department), " Order by SENSOR_ID"});
}

SqlStatement sensorTypeMySql(const QString& sensorId, const QString& department)
{
    return SqlStatement::lines({" Select SENSOR_TYPE from SENSORS",
                                SqlStatement(" Where SENSOR_ID = ") << quoted(sensorId),
                                SqlStatement("And DEPT = ") << quoted(department),
                                " Order by SENSOR_ID"});
}

BranchStatement sensorRow(const QString& department, const QString& sensorId)
{
    return {SqlStatement(" Select * from SENSORS Where DEPT = ")
                << quoted(department) << " And SENSOR_ID = " << quoted(sensorId),
            SqlStatement::lines({" Select * from SENSORS",
                                 SqlStatement(" Where DEPT = ") << quoted(department),
                                 SqlStatement(" And SENSOR_ID = ") << quoted(sensorId)})};
}

BranchStatement todaysObservations(const QString& dayKey, const QString& department,
                                   const QString& sensorId)
{
    return {SqlStatement(" Select OBS_DATA,LAST_OBS,error from OBSERVATIONS Where OBS_DATE like ")
                << quoted(dayKey) << " And DEPT like " << quotedLike(department)
                << " And SENSOR_ID like " << quotedLike(sensorId),
            SqlStatement::lines({" Select * from OBSERVATIONS",
                                 SqlStatement(" Where OBS_DATE = ") << quoted(dayKey),
                                 SqlStatement(" And DEPT = ") << quoted(department),
                                 SqlStatement(" And SENSOR_ID = ") << quoted(sensorId)})};
}

} // namespace kelvra::realtime
