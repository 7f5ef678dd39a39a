#include "common/ExceptionRecord.h"

#include <QtTest>

using namespace kelvra;

// What screens pass: ranges and lists of lengths.
static_assert(RecordLengths::between(10, 14).accepts(10));
static_assert(RecordLengths::between(10, 14).accepts(14));
static_assert(!RecordLengths::between(10, 14).accepts(15));
static_assert(RecordLengths{11, 12, 13}.accepts(12));
static_assert(!RecordLengths{11, 13}.accepts(12));
static_assert(!RecordLengths{}.accepts(12));

Q_DECLARE_METATYPE(kelvra::RecordLengths)

class TestObservationRecords : public QObject
{
    Q_OBJECT

private slots:
    void cutsByLength_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<RecordLengths>("accepted");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("time");

        QTest::newRow("13 characters")
            << "#-12.5-103015" << RecordLengths::between(10, 14) << true << "-12.5"
            << "10:30:15";
        QTest::newRow("shortest value")
            << "#5-235959" << RecordLengths::between(9, 16) << true << "5"
            << "23:59:59";
        QTest::newRow("longest value")
            << "@100.00-000001" << RecordLengths::between(9, 14) << true << "100.00"
            << "00:00:01";
        QTest::newRow("humidity") << "@55.5-103015" << RecordLengths{11, 12} << true << "55.5"
                                  << "10:30:15";
        QTest::newRow("length not cut")
            << "@100.0-103015" << RecordLengths{9, 10, 11, 12} << false << ""
            << "";
        // Cutting does not look at the mark; the screens that need it test it first.
        QTest::newRow("no mark tested") << "x25.3-103015" << RecordLengths{12} << true << "25.3"
                                        << "10:30:15";
        QTest::newRow("too short for the pieces")
            << "#103015" << RecordLengths::between(1, 20) << false << ""
            << "";
        QTest::newRow("empty") << "" << RecordLengths::between(0, 63) << false << ""
                               << "";
        QTest::newRow("longer than any length")
            << "#" + QString(56, '1') + "-103015" << RecordLengths::between(9, 99) << false << ""
            << "";
    }

    void cutsByLength()
    {
        QFETCH(QString, record);
        QFETCH(RecordLengths, accepted);
        QFETCH(bool, cut);
        QFETCH(QString, value);
        QFETCH(QString, time);
        const std::optional<RecordPieces> pieces = cutRecord(record, accepted);
        QCOMPARE(pieces.has_value(), cut);
        if (pieces) {
            QCOMPARE(pieces->value.toString(), value);
            QCOMPARE(pieces->time(), time);
        }
    }

    void acceptsOnlyMarkedParts_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QChar>("mark");
        QTest::addColumn<QString>("expected");
        QTest::newRow("temperature") << "#25.3-103015" << kTemperatureMark << "#25.3-103015";
        QTest::newRow("humidity") << "@55.5-103015" << kHumidityMark << "@55.5-103015";
        QTest::newRow("other mark") << "@55.5-103015" << kTemperatureMark << "";
        QTest::newRow("a reading") << "55.0" << kHumidityMark << "";
        QTest::newRow("empty") << "" << kTemperatureMark << "";
    }

    void acceptsOnlyMarkedParts()
    {
        QFETCH(QString, part);
        QFETCH(QChar, mark);
        QFETCH(QString, expected);
        QCOMPARE(markedRecord(part, mark).toString(), expected);
    }
};

QTEST_APPLESS_MAIN(TestObservationRecords)
#include "test_observation_records.moc"
