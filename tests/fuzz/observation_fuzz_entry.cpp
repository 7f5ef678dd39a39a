// Every decoder of stored observation texts under arbitrary input. Besides crashes and
// undefined behaviour it stops on any broken promise of the decoders: the one-pass cell
// split must agree with GetField, pieces must lie inside their text, and formatted numbers
// must read back as the numbers they show.
//
// Input: one option byte (bit 0: comma as decimal sign, bit 1: Fahrenheit), then the text
// as UTF-8.
#include "common/DecimalText.h"
#include "common/ExceptionRecord.h"
#include "common/FieldText.h"
#include "common/NumberText.h"
#include "common/ObservationText.h"
#include "common/SensorFacts.h"
#include "common/TextSymbols.h"

#include <QString>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace kelvra;

namespace {

[[noreturn]] void broken(const char* promise, QStringView text)
{
    std::fprintf(stderr, "broken: %s\ninput: %s\n", promise, qPrintable(text.toString()));
    std::abort();
}

void expect(bool kept, const char* promise, QStringView text)
{
    if (!kept)
        broken(promise, text);
}

bool inside(QStringView piece, QStringView text)
{
    return piece.isEmpty() || (piece.data() >= text.data() &&
                               piece.data() + piece.size() <= text.data() + text.size());
}

// The screens' record lengths.
constexpr std::array kRecordLengths{
    RecordLengths::between(10, 14), RecordLengths::between(9, 16),  RecordLengths::between(10, 16),
    RecordLengths::between(9, 15),  RecordLengths::between(10, 15), RecordLengths::between(9, 14),
    RecordLengths{11, 12, 13},      RecordLengths{9, 10, 11, 12},   RecordLengths{11, 12},
    RecordLengths{10, 11, 12, 13},
};

void checkFormats(double value, QChar sign)
{
    const QChar other = sign == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    const QString oneDecimal = formatOneDecimal(value, sign);
    const QString orEmpty = formatOneDecimalOrEmpty(value, sign);
    const QString atMostOne = formatAtMostOneDecimal(value, sign);
    const QString general = formatGeneral(value, sign);
    for (const QString* text : {&oneDecimal, &orEmpty, &atMostOne, &general}) {
        expect(!text->contains(other), "no group separator", *text);
        expect(!text->startsWith(QLatin1String("-0")) || text->contains(QLatin1Char('e')) ||
                   parseDecimal(*text, sign).value_or(0) != 0.0,
               "no negative zero", *text);
    }
    // A reading converted out of the range of doubles shows "inf"; nothing more to check.
    if (!std::isfinite(value))
        return;
    expect(oneDecimal.indexOf(sign) == oneDecimal.size() - 2, "one decimal", oneDecimal);
    expect(orEmpty.isEmpty() == (atMostOne == QLatin1String("0")), "#.# empty for zero", orEmpty);
    const std::optional<double> shown = parseDecimal(oneDecimal, sign);
    expect(shown && std::fabs(*shown - value) <= 0.05 + std::fabs(value) * 1e-15, "0.0 reads back",
           oneDecimal);
    const std::optional<double> again = parseDecimal(general, sign);
    expect(again && std::fabs(*again - value) <= std::fabs(value) * 1e-14, "general reads back",
           general);
    if (!orEmpty.isEmpty())
        expect(parseDecimal(orEmpty, sign) == parseDecimal(atMostOne, sign), "#.# and 0.# agree",
               orEmpty);
}

void checkNumber(QStringView text, QChar sign, const SensorFacts& facts)
{
    const std::optional<double> value = parseDecimal(text, sign);
    if (!value)
        return;
    expect(std::isfinite(*value), "finite decimals", text);
    checkFormats(*value, sign);
    const double shown = facts.shown(*value);
    checkFormats(shown, sign);
    const RangePosition position = rangePosition(shown, facts.temperatureLimits);
    expect((position == RangePosition::Within) == isInRange(shown, facts.temperatureLimits),
           "one range test", text);
}

void checkRecord(QStringView part, QChar sign, const SensorFacts& facts)
{
    for (const QChar mark : {kTemperatureMark, kHumidityMark}) {
        const QStringView marked = markedRecord(part, mark);
        expect(marked.isEmpty() || (marked == part && part.startsWith(mark)), "marked record",
               part);
    }
    for (const RecordLengths& lengths : kRecordLengths) {
        const std::optional<RecordPieces> pieces = cutRecord(part, lengths);
        expect(pieces.has_value() == lengths.accepts(part.size()), "cut by length", part);
        if (!pieces)
            continue;
        expect(pieces->value.size() == part.size() - 8, "value length", part);
        for (const QStringView piece :
             {pieces->value, pieces->hours, pieces->minutes, pieces->seconds})
            expect(inside(piece, part), "pieces inside the record", part);
        expect(pieces->time().size() == 8, "time hh:mm:ss", part);
        checkNumber(pieces->value, sign, facts);
    }
}

void checkCell(QStringView cell, QChar sign, const SensorFacts& facts)
{
    expect(!cell.contains(kCellSeparator), "a cell holds no '|'", cell);
    const std::optional<double> temperature = temperatureReading(cell, sign);
    expect(!temperature || !temperatureText(cell).isEmpty(), "empty part 1 reads none", cell);
    const QStringView humidity = humidityReading(cell);
    expect(inside(humidity, cell) && !humidity.contains(kPartSeparator), "humidity is a part",
           cell);
    const QStringView humidityMark = humidityRecord(cell);
    expect(humidityMark.isEmpty() || humidityMark.startsWith(kHumidityMark), "humidity record",
           cell);
    checkNumber(humidity, sign, facts);
    for (int part = 1; part <= 6; ++part) {
        const QStringView piece = cellPart(cell, part);
        expect(inside(piece, cell), "part inside the cell", cell);
        checkNumber(piece, sign, facts);
        checkRecord(piece, sign, facts);
    }
}

void checkHourCells(const QString& data, QChar sign, const SensorFacts& facts)
{
    const HourCells cells = hourCells(data);
    const HourCells monthly = hourCellsAfterLeadingPart(data);
    const QString afterLeadingPart = GetField(data, kLeadingPartEnd, 2);
    for (int hour = 0; hour < kHoursPerDay; ++hour) {
        QString expected = GetField(data, kCellSeparator, hour + 1);
        expect(rawHourCell(data, hour) == expected, "raw cell is the field", data);
        if (expected.contains(kLeadingPartEnd))
            expected = GetField(expected, kLeadingPartEnd, 2);
        expect(hourCell(data, hour) == expected, "hour cell", data);
        expect(cells[hour] == expected, "one-pass split", data);
        expect(monthly[hour] == GetField(afterLeadingPart, kCellSeparator, hour + 1),
               "one-pass split after the leading part", data);
        checkCell(cells[hour], sign, facts);
        if (monthly[hour] != cells[hour])
            checkCell(monthly[hour], sign, facts);
    }
    expect(hourCell(data, -1).isEmpty() && hourCell(data, kHoursPerDay).isEmpty(),
           "no hours outside the day", data);
}

void checkFields(const QString& text)
{
    for (const QChar separator : {QChar(u'|'), QChar(u'^'), QChar(u':'), QChar(u'-')}) {
        for (int index = -1; index <= 30; ++index)
            expect(GetField(text, separator, index) == fieldView(text, separator, index),
                   "one field primitive", text);
    }
    const QString trimmed = trimmedOfBlanks(text);
    expect(trimmed.isEmpty() ||
               (trimmed.front().unicode() > 0x20 && trimmed.back().unicode() > 0x20),
           "trimmed of blanks", text);
}

// A sensor row from the text's '~'-separated fields: type, location, then the four limits.
SensorFacts sensorFactsOf(const QString& text, QChar sign, TemperatureUnit unit)
{
    const auto number = [&](int field) {
        return parseDecimal(GetField(text, u'~', field), sign).value_or(0.0);
    };
    const SensorRow row{GetField(text, u'~', 1),
                        GetField(text, u'~', 2),
                        number(3),
                        number(4),
                        number(5),
                        number(6)};
    const SensorFacts facts = SensorFacts::fromRow(row, unit);
    expect(facts.hasHumidity() == (row.type == QLatin1String("TRH")), "humidity of TRH only", text);
    const QString caption = facts.temperatureRangeCaption(sign);
    expect(caption.startsWith(QLatin1String("Range: ")) && caption.endsWith(facts.unitLetter()) &&
               caption.at(caption.size() - 2) == kDegreeSign,
           "range caption", caption);
    expect(facts.humidityRangeCaption(sign).isEmpty() != facts.hasHumidity(), "humidity caption",
           text);
    return facts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QChar sign = (data[0] & 1) != 0 ? QLatin1Char(',') : QLatin1Char('.');
    const TemperatureUnit unit =
        (data[0] & 2) != 0 ? TemperatureUnit::Fahrenheit : TemperatureUnit::Celsius;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                                           static_cast<qsizetype>(size - 1));

    checkFields(text);
    const SensorFacts facts = sensorFactsOf(text, sign, unit);
    checkHourCells(text, sign, facts);
    return 0;
}
