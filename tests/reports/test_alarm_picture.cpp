#include "reports/AlarmPicture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvra::realtime;

namespace {

void writePicture(const QString& folder, const QColor& colour)
{
    QImage picture(19, 35, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(QDir(folder).filePath("alarm.bmp"), "BMP"));
}

} // namespace

class TestAlarmPicture : public QObject
{
    Q_OBJECT

private slots:
    void workingFolderFirstThenDataFolders()
    {
        QTemporaryDir working, data;
        writePicture(data.path(), Qt::red);
        QCOMPARE(alarmPicturePath(working.path(), {data.path()}),
                 QDir(data.path()).filePath("alarm.bmp"));
        QCOMPARE(loadAlarmPicture(working.path(), {data.path()}).pixelColor(5, 5), QColor(Qt::red));

        writePicture(working.path(), Qt::blue);
        QCOMPARE(loadAlarmPicture(working.path(), {data.path()}).pixelColor(5, 5),
                 QColor(Qt::blue));
        QCOMPARE(loadAlarmPicture(working.path(), {data.path()}).size(), QSize(19, 35));
    }

    void missingOrBrokenFileGivesNoPicture()
    {
        QTemporaryDir working, data;
        QVERIFY(alarmPicturePath(working.path(), {data.path(), ""}).isEmpty());
        QVERIFY(loadAlarmPicture(working.path(), {data.path()}).isNull());

        QFile broken(QDir(working.path()).filePath("alarm.bmp"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a bitmap");
        broken.close();
        QVERIFY(loadAlarmPicture(working.path(), {}).isNull());
    }
};

QTEST_GUILESS_MAIN(TestAlarmPicture)
#include "test_alarm_picture.moc"
