#include "common/PrintQueries.h"

#include "data/DataAccess.h"
#include "data/Tds.h"

namespace kelvra {

BranchStatement departmentHeaderQuery(ReportKind kind, const QString& department)
{
    const bool upperCaseName =
        kind == ReportKind::ExceptionReport || kind == ReportKind::HourlyGraphs;
    SqlStatement ado = upperCaseName ? SqlStatement(" Select * from REG Where REG_NAME=")
                                     : SqlStatement(" Select * from REG Where REG_Name=");
    ado << quoted(department);
    return {ado, SqlStatement::lines(
                     {"Select * from REG", SqlStatement(" Where DEPT=") << quoted(department)})};
}

BranchStatement printSensorsQuery(ReportKind kind, const QString& department,
                                  const QString& sensorId)
{
    const bool chosen = !sensorId.isEmpty();
    const bool hourly = kind == ReportKind::HourlyLog || kind == ReportKind::HourlyGraphs;

    SqlStatement ado;
    if (hourly) {
        ado = SqlStatement(" Select * from SENSORS Where STATUS_FLAG = -1And DEPT = ")
              << quoted(department);
        if (chosen)
            ado << " And SENSOR_ID = " << quoted(sensorId);
    } else {
        ado = SqlStatement(" Select * from SENSORS Where STATUS_FLAG = -1");
        if (chosen) {
            if (kind == ReportKind::MonthlyGraphs)
                ado << " And SENSOR_ID =" << quoted(sensorId);
            else
                ado << " And SENSOR_ID = " << quoted(sensorId);
        }
        ado << " And DEPT = " << quoted(department);
    }
    ado << " Order by SENSOR_ID";

    SqlStatement mysql = SqlStatement::lines({" Select * from SENSORS", " Where STATUS_FLAG = -1"});
    const SqlStatement sensorLine = SqlStatement("\n And SENSOR_ID = ") << quoted(sensorId);
    const SqlStatement departmentLine = SqlStatement("\n And DEPT = ") << quoted(department);
    if (hourly) {
        mysql << departmentLine;
        if (chosen)
            mysql << sensorLine;
    } else {
        if (chosen)
            mysql << sensorLine;
        mysql << departmentLine;
    }
    mysql << "\n Order by SENSOR_ID";
    return {ado, mysql};
}

bool LoadDepartmentHeader(Tds& ds, ReportKind kind, const QString& department,
                          const QString& userText, DepartmentHeader& header)
{
    header.name.clear();
    header.address1.clear();
    header.address2.clear();
    header.lastLine.clear();
    header.user = userText;
    const BranchOutcome opened = ds.open(ds.AdoView, departmentHeaderQuery(kind, department));
    Dataset& row = opened.rows();
    if (opened.failed()) {
        CloseSql(row);
        return true;
    }
    const bool found = !AtEnd(row);
    if (found) {
        header.name = ReadField(row, QStringLiteral("REG_NAME")).asText();
        header.address1 = ReadField(row, QStringLiteral("ADDRESS1")).asText();
        header.address2 = ReadField(row, QStringLiteral("ADDRESS2")).asText();
        header.lastLine = ReadField(row, QStringLiteral("CSZ")).asText();
    }
    CloseSql(row);
    return found;
}

} // namespace kelvra
