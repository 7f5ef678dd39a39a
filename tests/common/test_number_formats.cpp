#include "common/NumberText.h"

#include <QtTest>

using namespace kelvra;

class TestNumberFormats : public QObject
{
    Q_OBJECT

private slots:
    void formats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QChar>("decimalSign");
        QTest::addColumn<QString>("oneDecimal");        // "0.0"
        QTest::addColumn<QString>("oneDecimalOrEmpty"); // "#.#"
        QTest::addColumn<QString>("atMostOneDecimal");  // "0.#"
        QTest::addColumn<QString>("general");
        const QChar point('.');
        const QChar comma(',');

        QTest::newRow("whole") << 21.0 << point << "21.0"
                               << "21"
                               << "21"
                               << "21";
        QTest::newRow("below one") << 0.5 << point << "0.5"
                                   << ".5"
                                   << "0.5"
                                   << "0.5";
        QTest::newRow("zero") << 0.0 << point << "0.0"
                              << ""
                              << "0"
                              << "0";
        QTest::newRow("negative") << -3.2 << point << "-3.2"
                                  << "-3.2"
                                  << "-3.2"
                                  << "-3.2";
        QTest::newRow("negative below one") << -0.5 << point << "-0.5"
                                            << "-.5"
                                            << "-0.5"
                                            << "-0.5";
        // 2.25 is exact in binary: the tie goes away from zero, as the original did.
        QTest::newRow("exact tie") << 2.25 << point << "2.3"
                                   << "2.3"
                                   << "2.3"
                                   << "2.25";
        QTest::newRow("negative exact tie") << -2.25 << point << "-2.3"
                                            << "-2.3"
                                            << "-2.3"
                                            << "-2.25";
        // 0.15 is stored just below 0.15.
        QTest::newRow("stored below the tie") << 0.15 << point << "0.1"
                                              << ".1"
                                              << "0.1"
                                              << "0.15";
        QTest::newRow("rounds up to whole") << 20.96 << point << "21.0"
                                            << "21"
                                            << "21"
                                            << "20.96";
        QTest::newRow("rounds to negative whole") << -0.96 << point << "-1.0"
                                                  << "-1"
                                                  << "-1"
                                                  << "-0.96";
        QTest::newRow("negative rounding to zero") << -0.04 << point << "0.0"
                                                   << ""
                                                   << "0"
                                                   << "-0.04";
        QTest::newRow("negative zero") << -0.0 << point << "0.0"
                                       << ""
                                       << "0"
                                       << "0";
        // 25.3 * 1.8 + 32 is 77.53999999999999 in binary.
        QTest::newRow("converted") << 25.3 * 1.8 + 32 << point << "77.5"
                                   << "77.5"
                                   << "77.5"
                                   << "77.54";
        QTest::newRow("no group separators") << 1234567.25 << point << "1234567.3"
                                             << "1234567.3"
                                             << "1234567.3"
                                             << "1234567.25";
        QTest::newRow("huge") << 1e21 << point << "1000000000000000000000.0"
                              << "1000000000000000000000"
                              << "1000000000000000000000"
                              << "1e+21";
        QTest::newRow("comma") << 21.5 << comma << "21,5"
                               << "21,5"
                               << "21,5"
                               << "21,5";
        QTest::newRow("comma below one") << 0.5 << comma << "0,5"
                                         << ",5"
                                         << "0,5"
                                         << "0,5";
        QTest::newRow("comma whole") << 21.0 << comma << "21,0"
                                     << "21"
                                     << "21"
                                     << "21";
    }

    void formats()
    {
        QFETCH(double, value);
        QFETCH(QChar, decimalSign);
        QFETCH(QString, oneDecimal);
        QFETCH(QString, oneDecimalOrEmpty);
        QFETCH(QString, atMostOneDecimal);
        QFETCH(QString, general);
        QCOMPARE(formatOneDecimal(value, decimalSign), oneDecimal);
        QCOMPARE(formatOneDecimalOrEmpty(value, decimalSign), oneDecimalOrEmpty);
        QCOMPARE(formatAtMostOneDecimal(value, decimalSign), atMostOneDecimal);
        QCOMPARE(formatGeneral(value, decimalSign), general);
    }
};

QTEST_APPLESS_MAIN(TestNumberFormats)
#include "test_number_formats.moc"
