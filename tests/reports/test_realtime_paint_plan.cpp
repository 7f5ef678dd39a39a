#include "reports/RealTimePaintPlan.h"
#include "reports/RealTimePainter.h"

#include <QImage>
#include <QPainter>

#include <QtTest>

using namespace kelvra;
using namespace kelvra::realtime;

namespace {

RealTimeTile tileFrom(const QString& type, const std::optional<QString>& cell, int error = 0)
{
    RealTimeRefresh refresh(
        {{"07", "ROOM", type}},
        {Branch::Ado, true, QDateTime(QDate(2024, 3, 15), QTime(0, 30)), u'E', "EST", u'.'});
    std::optional<TodayRow> today;
    if (cell)
        today = TodayRow{"H:" + *cell, "a-b", error, true};
    refresh.add({SensorLimitsRow{type, 5.0, 3.0, 0, 50.0, 10.0}, today});
    return refresh.tiles().first();
}

QStringList textsOf(const TilePaint& paint)
{
    QStringList texts;
    for (const PaintText& text : paint.texts)
        texts << text.text;
    return texts;
}

bool hasText(const TilePaint& paint, QPoint at, const QString& text)
{
    for (const PaintText& placed : paint.texts)
        if (placed.topLeft == at && placed.text == text)
            return true;
    return false;
}

} // namespace

class TestRealTimePaintPlan : public QObject
{
    Q_OBJECT

private slots:
    // 4 C in F against 5 +- 3 C on the first slot (bar 30 to 60).
    void readingInRange()
    {
        const TileSlots place = layoutTiles({"T"}).first();
        const TilePaint paint = paintTile(tileFrom("T", "4.0"), place, u'.');
        QCOMPARE(paint.boxes.size(), 3);
        QCOMPARE(paint.boxes[0].fill, kClRed);
        QCOMPARE(paint.boxes[1].fill, kClBlue);
        QCOMPARE(paint.boxes[2].fill, kClGreen);
        QCOMPARE(paint.boxes[2].top, 65);
        QCOMPARE(paint.boxes[2].bottom, 115);
        const PaintLine& line = paint.lines.first();
        QCOMPARE(line.from, QPoint(30, 98));
        QCOMPARE(line.to, QPoint(60, 98));
        QCOMPARE(line.colour, kClWhite);
        QCOMPARE(paint.lines.size(), 1 + 16);
        QCOMPARE(paint.lines[1].from, QPoint(61, 10));
        QCOMPARE(paint.lines[1].to, QPoint(63, 10));
        QVERIFY(hasText(paint, {2, 101}, "39.2°"));
        QVERIFY(hasText(paint, {65, 2}, "57.2°F"));
        QVERIFY(hasText(paint, {65, 57}, "46.4°"));
        QVERIFY(hasText(paint, {65, 107}, "35.6°"));
        QVERIFY(hasText(paint, {65, 162}, "24.8°F"));
        QCOMPARE(paint.texts.size(), 5);
    }

    void flagsAndTheirTexts_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("hasRow");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("error");
        QTest::addColumn<QColor>("zones");
        QTest::addColumn<QColor>("band");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("no row") << "T" << false << "" << 0 << kClBlack << kClGray
                                << QStringList{"NO READING"};
        QTest::newRow("probe fault") << "T" << true << "4.0" << 1 << kClPurple << kClYellow
                                     << QStringList{"CHECK THERMISTOR"};
        QTest::newRow("no current read") << "T" << true << "x" << 0 << kClBlack << kClGray
                                         << QStringList{"NO READING", "NO CURRENT READ"};
        // The humidity bar keeps its scale and says NO READING in place of "0%".
        QTest::newRow("TRH without row")
            << "TRH" << false << "" << 0 << kClBlack << kClGray
            << QStringList{"NO READING", "100%", "60%", "40%", "NO READING"};
        QTest::newRow("TRH probe fault")
            << "TRH" << true << "4.0^55" << 1 << kClPurple << kClYellow
            << QStringList{"CHECK THERMISTOR", "100%", "60%", "40%", "NO READING"};
    }

    void flagsAndTheirTexts()
    {
        QFETCH(QString, type);
        QFETCH(bool, hasRow);
        QFETCH(QString, cell);
        QFETCH(int, error);
        QFETCH(QColor, zones);
        QFETCH(QColor, band);
        QFETCH(QStringList, texts);
        const TileSlots place = layoutTiles({type}).first();
        const TilePaint paint = paintTile(
            tileFrom(type, hasRow ? std::optional(cell) : std::nullopt, error), place, u'.');
        QCOMPARE(paint.boxes[0].fill, zones);
        QCOMPARE(paint.boxes[1].fill, zones);
        QCOMPARE(paint.boxes[2].fill, band);
        QCOMPARE(textsOf(paint), texts);
        // No value line on either bar: only ticks.
        for (const PaintLine& line : paint.lines)
            QCOMPARE(line.width, 2);
        if (texts.first() == "NO READING")
            QVERIFY(hasText(paint, {10, 165}, "NO READING"));
    }

    void humidityBarWithReading()
    {
        const TileSlots place = layoutTiles({"TRH"}).first();
        const TilePaint paint = paintTile(tileFrom("TRH", "4.0^55"), place, u'.');
        QCOMPARE(paint.boxes.size(), 6);
        QCOMPARE(paint.boxes[3].fill, kClYellow);
        QCOMPARE(paint.boxes[3].left, 150);
        QCOMPARE(paint.boxes[5].fill, kClGreen);
        bool humidityLine = false;
        for (const PaintLine& line : paint.lines)
            humidityLine |=
                line.colour == kClBlack && line.width == 1 && line.from == QPoint(150, 78);
        QVERIFY(humidityLine);
        QVERIFY(hasText(paint, {121, 81}, "55%"));
        QVERIFY(hasText(paint, {185, 2}, "100%"));
        QVERIFY(hasText(paint, {185, 162}, "0%"));
    }

    // A humidity that is not a number: no line and no value on the humidity bar.
    void humidityNotANumber()
    {
        const TileSlots place = layoutTiles({"TRH"}).first();
        const TilePaint paint = paintTile(tileFrom("TRH", "4.0^abc"), place, u'.');
        for (const PaintLine& line : paint.lines)
            QVERIFY(line.from.x() < 150 || line.width == 2);
        QVERIFY(!textsOf(paint).contains("%"));
        QVERIFY(hasText(paint, {185, 162}, "0%"));
    }

    // The painted surface: zones, band and value line in their colours.
    void paintedPixels_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("error");
        QTest::addColumn<QColor>("upper");
        QTest::addColumn<QColor>("lower");
        QTest::addColumn<QColor>("band");
        QTest::addColumn<QColor>("atLine");
        QTest::newRow("reading") << "4.0" << 0 << kClRed << kClBlue << kClGreen << kClWhite;
        QTest::newRow("probe fault")
            << "4.0" << 1 << kClPurple << kClPurple << kClYellow << kClYellow;
        QTest::newRow("no current read") << "x" << 0 << kClBlack << kClBlack << kClGray << kClGray;
    }

    void paintedPixels()
    {
        QFETCH(QString, cell);
        QFETCH(int, error);
        QFETCH(QColor, upper);
        QFETCH(QColor, lower);
        QFETCH(QColor, band);
        QFETCH(QColor, atLine);
        const QColor background(0xF0, 0xF0, 0xF0);
        QImage image(240, kSurfaceHeight, QImage::Format_RGB32);
        image.fill(background);
        {
            QPainter painter(&image);
            paintPlan(painter,
                      paintTile(tileFrom("T", cell, error), layoutTiles({"T"}).first(), u'.'),
                      background);
        }
        QCOMPARE(image.pixelColor(45, 40), upper);
        QCOMPARE(image.pixelColor(45, 140), lower);
        QCOMPARE(image.pixelColor(45, 80), band);
        QCOMPARE(image.pixelColor(45, 98), atLine);
        QCOMPARE(image.pixelColor(45, 97), band);
        QCOMPARE(image.pixelColor(30, 40), kClBlack); // frame
        QCOMPARE(image.pixelColor(62, 20), kClBlack); // tick
        QCOMPARE(image.pixelColor(62, 25), background);
    }

    void unreadTileIsBlank()
    {
        const TilePaint paint = paintTile(RealTimeTile{}, layoutTiles({"TRH"}).first(), u'.');
        QVERIFY(paint.boxes.isEmpty());
        QVERIFY(paint.lines.isEmpty());
        QVERIFY(paint.texts.isEmpty());
    }
};

QTEST_MAIN(TestRealTimePaintPlan)
#include "test_realtime_paint_plan.moc"
