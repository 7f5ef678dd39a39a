#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The picture an alarmed sensor's tile shows, read from "alarm.bmp".
namespace kelvra::realtime {

inline constexpr char kAlarmPictureFile[] = "alarm.bmp";

// The file in the working folder first, then in the program's data folders; empty when
// none of them holds it.
QString alarmPicturePath(const QString& workingFolder, const QStringList& dataFolders);

// The picture, loaded once; a null image when the file is missing or unreadable, which
// only means that no alarm picture is shown.
QImage loadAlarmPicture(const QString& workingFolder, const QStringList& dataFolders);

} // namespace kelvra::realtime
