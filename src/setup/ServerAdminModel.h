#pragma once

#include "setup/ServerAdminQueries.h"

#include <QDate>
#include <QList>
#include <QString>

namespace kelvra {

// The department picker's text until a list is loaded.
inline constexpr char chooseLocationText[] = "Choose Location";

// The question before old data is deleted (lines joined by CR).
QString deleteQuestion(const QString& department, QDate first, QDate last);
// The question of the hidden "*" command.
QString deleteAllQuestion(const QString& department);

// One step of deleting old data: its statements, run together, and the text shown before the
// error when it fails (empty: the failure is silent).
struct DeletionStep
{
    QList<DatedDeletion> statements;
    QString failurePrefix;
};

// The three steps in their order, with each branch's failure messages.
QList<DeletionStep> oldDataSteps(Branch branch, const QString& department, QDate first, QDate last);

// The hidden commands typed into the window or a date picker.
enum class BackDoorCommand
{
    None,
    DropTables,      // "+"
    DeleteDepartment // "*"
};
BackDoorCommand backDoorCommand(const QString& typed);

// The workstation's short date with four-digit years, for the date pickers.
QString pickerDateFormat(const QString& shortDateFormat);

} // namespace kelvra
