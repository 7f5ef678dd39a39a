#include "reports/AlarmPicture.h"

#include <QDir>
#include <QFileInfo>

namespace kelvra::realtime {

QString alarmPicturePath(const QString& workingFolder, const QStringList& dataFolders)
{
    QStringList folders{workingFolder};
    folders += dataFolders;
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        const QFileInfo file(QDir(folder).filePath(QLatin1String(kAlarmPictureFile)));
        if (file.isFile())
            return file.filePath();
    }
    return {};
}

QImage loadAlarmPicture(const QString& workingFolder, const QStringList& dataFolders)
{
    const QString path = alarmPicturePath(workingFolder, dataFolders);
    return path.isEmpty() ? QImage() : QImage(path);
}

} // namespace kelvra::realtime
