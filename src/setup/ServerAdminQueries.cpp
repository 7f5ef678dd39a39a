#include "setup/ServerAdminQueries.h"

#include "common/DateText.h"

namespace kelvra {

QList<std::pair<QDate, QDate>> splitByYear(QDate first, QDate last)
{
    if (first > last)
        return {{first, last}};
    QList<std::pair<QDate, QDate>> years;
    for (int year = first.year(); year <= last.year(); ++year)
        years.append({std::max(first, QDate(year, 1, 1)), std::min(last, QDate(year, 12, 31))});
    return years;
}

DatedDeletion oldObservations(const QString& department, QDate first, QDate last)
{
    const SqlStatement where = SqlStatement(" AND OBS_DATE Between ")
                               << quoted(dayKey(first)) << " AND " << quoted(dayKey(last));
    return {SqlStatement("Select * from OBSERVATIONS WHERE DEPT = ") << quoted(department) << where,
            SqlStatement("Delete from OBSERVATIONS WHERE DEPT = ") << quoted(department) << where,
            SqlStatement::lines({"Delete from OBSERVATIONS",
                                 SqlStatement(" Where DEPT =") << quoted(department), where})};
}

QList<DatedDeletion> oldCallEvents(const QString& department, QDate first, QDate last)
{
    QList<DatedDeletion> statements;
    for (const auto& [from, to] : splitByYear(first, last)) {
        const SqlStatement where =
            SqlStatement(" AND DATE Between ")
            << quoted(usDate(from)) << " AND " << quoted(usDate(to)) << " AND DATE like "
            << quotedLikeEnd(QLatin1Char('/') + QString::number(from.year()));
        statements.append(
            {SqlStatement("Select * from CALL_EVENT WHERE DEPT = ") << quoted(department) << where,
             SqlStatement("Delete from CALL_EVENT WHERE DEPT = ") << quoted(department) << where,
             SqlStatement::lines({"Delete from CALL_EVENT",
                                  SqlStatement(" Where DEPT =") << quoted(department), where})});
    }
    return statements;
}

DatedDeletion oldActivity(const QString& department, QDate first, QDate last)
{
    const SqlStatement where = SqlStatement(" AND DATE Between ")
                               << quoted(dayKey(first)) << " AND " << quoted(dayKey(last));
    return {SqlStatement("Select * from ACTIVITY WHERE DEPT = ") << quoted(department) << where,
            SqlStatement("Delete from ACTIVITY WHERE DEPT = ") << quoted(department) << where,
            SqlStatement::lines({"Delete from ACTIVITY",
                                 SqlStatement(" Where DEPT =") << quoted(department), where})};
}

QList<SqlStatement> dropAllTables()
{
    return {"DROP TABLE SENSORS",   "DROP TABLE ACTIVITY", "DROP TABLE OBSERVATIONS",
            "DROP TABLE REG",       "DROP TABLE USERS",    "DROP TABLE CALLLIST",
            "DROP TABLE CALL_EVENT"};
}

QList<SqlStatement> allDepartmentData(Branch branch, const QString& department)
{
    const SqlValue dept = quoted(department);
    if (branch != Branch::MySql)
        return {SqlStatement("Select * from Observations WHERE DEPT = ") << dept,
                SqlStatement("Select * from CALL_EVENT WHERE DEPT = ") << dept,
                SqlStatement("Select * from ACTIVITY WHERE DEPT = ") << dept,
                SqlStatement("Select * from CALLLIST WHERE DEPT = ") << dept,
                SqlStatement("Select * from SENSORS WHERE DEPT = ") << dept,
                SqlStatement("Select * from USERS WHERE DEPT = ") << dept,
                SqlStatement("Select * from REG WHERE REG_NAME = ") << dept};
    const SqlStatement whereDept = SqlStatement(" Where DEPT =") << dept;
    return {SqlStatement::lines({"Delete from OBSERVATIONS", whereDept}),
            SqlStatement::lines({"Delete from CALL_EVENT", whereDept}),
            SqlStatement::lines({"Delete from ACTIVITY", whereDept}),
            SqlStatement::lines({"Delete from SENSORS", whereDept}),
            SqlStatement::lines({"Delete from USERS", whereDept}),
            SqlStatement::lines({"Delete from CALLLIST", whereDept}),
            SqlStatement::lines({"Delete from REG", SqlStatement(" Where REG_NAME =") << dept})};
}

} // namespace kelvra
