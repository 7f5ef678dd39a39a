#include "common/WorkstationFormats.h"

#include <QtTest>

#include <optional>

using kelvra::WorkstationFormats;

Q_DECLARE_METATYPE(std::optional<double>)

class TestWorkstationFormats : public QObject
{
    Q_OBJECT

private slots:
    void usWindowsWorkstation()
    {
        const WorkstationFormats formats = WorkstationFormats::usWindows();
        QCOMPARE(formats.shortDateFormat(), QString("M/d/yyyy"));
        QCOMPARE(formats.longTimeFormat(), QString("h:mm:ss AP"));
        QCOMPARE(formats.dateSeparator(), QChar('/'));
        QCOMPARE(formats.decimalSign(), QChar('.'));
    }

    void formatsDatesAndTimes_data()
    {
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<QString>("shortDate");
        QTest::addColumn<QString>("longTime");
        QTest::newRow("afternoon") << QDateTime(QDate(2024, 3, 5), QTime(13, 5, 7)) << "3/5/2024"
                                   << "1:05:07 PM";
        QTest::newRow("midnight") << QDateTime(QDate(2026, 12, 31), QTime(0, 0, 0)) << "12/31/2026"
                                  << "12:00:00 AM";
        QTest::newRow("noon") << QDateTime(QDate(2000, 1, 1), QTime(12, 0, 30)) << "1/1/2000"
                              << "12:00:30 PM";
    }

    void formatsDatesAndTimes()
    {
        QFETCH(QDateTime, at);
        QFETCH(QString, shortDate);
        QFETCH(QString, longTime);
        const WorkstationFormats formats = WorkstationFormats::usWindows();
        QCOMPARE(formats.shortDate(at.date()), shortDate);
        QCOMPARE(formats.longTime(at.time()), longTime);
    }

    void readsDecimalsWithItsOwnSign_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<double>>("expected");
        QTest::newRow("us point") << false << "0.125" << std::optional(0.125);
        QTest::newRow("us comma") << false << "0,125" << std::optional<double>();
        QTest::newRow("german comma") << true << "0,125" << std::optional(0.125);
        QTest::newRow("german point") << true << "0.125" << std::optional<double>();
        QTest::newRow("german group") << true << "1.234,5" << std::optional<double>();
    }

    void readsDecimalsWithItsOwnSign()
    {
        QFETCH(bool, german);
        QFETCH(QString, text);
        QFETCH(std::optional<double>, expected);
        const WorkstationFormats formats =
            german ? WorkstationFormats(QLocale(QLocale::German, QLocale::Germany), "dd.MM.yyyy",
                                        "HH:mm:ss", QChar('.'), QChar(','))
                   : WorkstationFormats::usWindows();
        QCOMPARE(formats.readDecimal(text), expected);
    }

    void productionFollowsTheSystem()
    {
        const WorkstationFormats formats = WorkstationFormats::fromSystem();
        const QLocale system = QLocale::system();
        QCOMPARE(formats.shortDateFormat(), system.dateFormat(QLocale::ShortFormat));
        QCOMPARE(formats.longTimeFormat(), system.timeFormat(QLocale::LongFormat));
        QCOMPARE(QString(formats.decimalSign()), system.decimalPoint());
        QVERIFY(formats.shortDateFormat().contains(formats.dateSeparator()));
        QVERIFY(!formats.dateSeparator().isLetter());
    }
};

QTEST_GUILESS_MAIN(TestWorkstationFormats)
#include "test_workstation_formats.moc"
