#include "common/DateText.h"

#include <QtTest>

using namespace kelvra;

class TestDateFormats : public QObject
{
    Q_OBJECT

private slots:
    void stamps_data()
    {
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<QString>("dayKey");
        QTest::addColumn<QString>("monthKey");
        QTest::addColumn<QString>("usDate");
        QTest::addColumn<QString>("minuteStamp");
        QTest::addColumn<QString>("dashedMinuteStamp");

        QTest::newRow("afternoon") << QDateTime(QDate(2024, 3, 5), QTime(14, 7, 59)) << "20240305"
                                   << "202403"
                                   << "03/05/2024"
                                   << "03/05/2024 14:07"
                                   << "03/05/2024 - 14:07";
        QTest::newRow("midnight") << QDateTime(QDate(2026, 12, 31), QTime(0, 0)) << "20261231"
                                  << "202612"
                                  << "12/31/2026"
                                  << "12/31/2026 00:00"
                                  << "12/31/2026 - 00:00";
        QTest::newRow("invalid") << QDateTime() << ""
                                 << ""
                                 << ""
                                 << ""
                                 << "";
    }

    void stamps()
    {
        QFETCH(QDateTime, at);
        QFETCH(QString, dayKey);
        QFETCH(QString, monthKey);
        QFETCH(QString, usDate);
        QFETCH(QString, minuteStamp);
        QFETCH(QString, dashedMinuteStamp);
        QCOMPARE(kelvra::dayKey(at.date()), dayKey);
        QCOMPARE(kelvra::monthKey(at.date()), monthKey);
        QCOMPARE(kelvra::usDate(at.date()), usDate);
        QCOMPARE(kelvra::minuteStamp(at), minuteStamp);
        QCOMPARE(kelvra::dashedMinuteStamp(at), dashedMinuteStamp);
    }

    void changeStampEndsWithTheUser()
    {
        QCOMPARE(changeStamp(QDateTime(QDate(2024, 3, 5), QTime(9, 5)), "JSMITH"),
                 QString("03/05/2024 09:05 JSMITH"));
    }

    void regionalSettingsDoNotChangeThem()
    {
        // A locale with its own digits would show in any text formatted with the default one.
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const QDateTime at(QDate(2024, 3, 5), QTime(14, 7));
        const QString key = dayKey(at.date());
        const QString stamp = minuteStamp(at);
        QLocale::setDefault(before);
        QCOMPARE(key, QString("20240305"));
        QCOMPARE(stamp, QString("03/05/2024 14:07"));
    }
};

QTEST_APPLESS_MAIN(TestDateFormats)
#include "test_date_formats.moc"
