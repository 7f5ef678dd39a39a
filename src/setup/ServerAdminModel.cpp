#include "setup/ServerAdminModel.h"

#include "common/DateText.h"

#include <QRegularExpression>

namespace kelvra {

QString deleteQuestion(const QString& department, QDate first, QDate last)
{
    return QStringLiteral("ARE YOU SURE YOU WANT TO DELETE DATA FOR\r") + department +
           QStringLiteral(" From: ") + dayKey(first) + QStringLiteral(" to ") + dayKey(last) +
           QStringLiteral("?\rNote: Only Observation data will be deleted (Readings, Audit Trail, "
                          "and Exception Log)");
}

QString deleteAllQuestion(const QString& department)
{
    return QStringLiteral("ARE YOU SURE YOU WANT TO DELETE ALL DATA FOR\r") + department;
}

QList<DeletionStep> oldDataSteps(Branch branch, const QString& department, QDate first, QDate last)
{
    const bool mySql = branch == Branch::MySql;
    return {
        {{oldObservations(department, first, last)},
         mySql ? QStringLiteral("Deletion Error: ") : QStringLiteral("Obs Data Deletion Error: ")},
        {oldCallEvents(department, first, last),
         mySql ? QString() : QStringLiteral("Exception Data Deletion Error: ")},
        {{oldActivity(department, first, last)},
         mySql ? QString() : QStringLiteral("Audit Data Deletion Error: ")},
    };
}

BackDoorCommand backDoorCommand(const QString& typed)
{
    if (typed == QLatin1String("+"))
        return BackDoorCommand::DropTables;
    if (typed == QLatin1String("*"))
        return BackDoorCommand::DeleteDepartment;
    return BackDoorCommand::None;
}

QString pickerDateFormat(const QString& shortDateFormat)
{
    static const QRegularExpression years(QStringLiteral("y+"));
    QString format = shortDateFormat;
    return format.replace(years, QStringLiteral("yyyy"));
}

} // namespace kelvra
