// Measures the observation decoders on a year of one department: 100 sensors x 365 day rows
// in the stored grammar (all four "TRH" forms, "T"/"THS" cells with records, missing and
// empty hours, a leading part), decoded as a day screen does it: every hour cell, the
// readings, the exception records cut and converted, the range test. Next to it, the plainest
// possible pass over the same texts: counting '|' and '^' with memchr.
//
//   observation_decode_bench [--rounds 5]
//
// The goal is at most 10 times the plain scan per day row.
#include "common/DecimalText.h"
#include "common/ExceptionRecord.h"
#include "common/ObservationText.h"
#include "common/SensorFacts.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

using namespace kelvra;

namespace {

constexpr int kSensors = 100;
constexpr int kDays = 365;
constexpr QChar kPoint{u'.'};

struct DayRow
{
    int sensor = 0;
    QString obsData;
    QByteArray bytes; // the same text as the server sends it
};

struct Department
{
    std::vector<SensorFacts> sensors;
    std::vector<DayRow> rows;
};

class Generator
{
public:
    QString reading(double centre, double spread)
    {
        return QString::number(centre + uniform(-spread, spread), 'f', 1);
    }
    QString record(QChar mark, double value, int decimals)
    {
        const int seconds = static_cast<int>(uniform(0, 86399));
        return mark + QString::number(value, 'f', decimals) + QLatin1Char('-') +
               QStringLiteral("%1%2%3")
                   .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                   .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                   .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
    bool chance(double p) { return uniform(0, 1) < p; }
    int decimals() { return static_cast<int>(uniform(0, 2.99)); }

    QString cell(const SensorFacts& sensor)
    {
        const double expected = (sensor.celsiusLimits.low + sensor.celsiusLimits.high) / 2;
        const QString temperature = reading(expected, 2.0);
        const QString temperatureRecord =
            chance(0.12) ? record(kTemperatureMark, expected + uniform(3, 9), decimals())
                         : QString();
        if (!sensor.hasHumidity()) {
            if (temperatureRecord.isEmpty())
                return temperature;
            return temperature + QStringLiteral("^H^") + temperatureRecord;
        }
        QStringList parts{temperature};
        if (!temperatureRecord.isEmpty())
            parts << temperatureRecord;
        parts << reading(50.0, 8.0);
        if (chance(0.08))
            parts << record(kHumidityMark, uniform(65, 100), decimals());
        return parts.join(QLatin1Char('^'));
    }

    QString day(const SensorFacts& sensor, int dayIndex)
    {
        QStringList cells;
        const int stored = chance(0.05) ? static_cast<int>(uniform(1, 23)) : kHoursPerDay;
        for (int hour = 0; hour < stored; ++hour)
            cells << (chance(0.02) ? QString() : cell(sensor));
        return QStringLiteral("D%1S%2:").arg(dayIndex).arg(sensor.location) +
               cells.join(QLatin1Char('|'));
    }

private:
    double uniform(double low, double high)
    {
        return std::uniform_real_distribution<double>(low, high)(m_engine);
    }
    std::mt19937 m_engine{20240305};
};

Department buildDepartment()
{
    Department department;
    Generator generator;
    static const char* const types[] = {"T", "TRH", "TRH", "THS"};
    for (int i = 0; i < kSensors; ++i) {
        const SensorRow row{
            QString::fromLatin1(types[i % 4]), QString::number(i), 4.0 + i % 7, 2.0, 50.0, 10.0};
        department.sensors.push_back(SensorFacts::fromRow(row, TemperatureUnit::Fahrenheit));
    }
    for (int day = 0; day < kDays; ++day) {
        for (int i = 0; i < kSensors; ++i) {
            DayRow row{i, generator.day(department.sensors[i], day), {}};
            row.bytes = row.obsData.toUtf8();
            department.rows.push_back(std::move(row));
        }
    }
    return department;
}

// What a day screen takes from a row; summed so that nothing is left out by the compiler.
struct Totals
{
    double values = 0;
    long long pieces = 0;
};

void decodeRecord(QStringView record, RecordLengths lengths, bool temperature,
                  const SensorFacts& sensor, Totals& totals)
{
    if (const std::optional<RecordPieces> pieces = cutRecord(record, lengths)) {
        if (const std::optional<double> value = parseDecimal(pieces->value, kPoint))
            totals.values += temperature ? sensor.shown(*value) : *value;
        totals.pieces += pieces->hours.size() + pieces->minutes.size() + pieces->seconds.size();
    }
}

void decodeDay(const DayRow& row, const SensorFacts& sensor, Totals& totals)
{
    const HourCells cells = hourCells(row.obsData);
    for (const QStringView cell : cells) {
        if (const std::optional<double> celsius = temperatureReading(cell, kPoint)) {
            const double shown = sensor.shown(*celsius);
            totals.values += shown;
            totals.pieces += static_cast<int>(rangePosition(shown, sensor.temperatureLimits));
        }
        if (sensor.hasHumidity()) {
            if (const std::optional<double> humidity = parseDecimal(humidityReading(cell), kPoint))
                totals.pieces += isInRange(*humidity, *sensor.humidityLimits);
            decodeRecord(markedRecord(cellPart(cell, 2), kTemperatureMark),
                         RecordLengths::between(10, 14), true, sensor, totals);
            decodeRecord(humidityRecord(cell), RecordLengths::between(9, 14), false, sensor,
                         totals);
        } else {
            decodeRecord(markedRecord(cellPart(cell, 3), kTemperatureMark),
                         RecordLengths::between(10, 14), true, sensor, totals);
        }
    }
}

long long scanDay(const DayRow& row)
{
    long long separators = 0;
    const char* const end = row.bytes.constData() + row.bytes.size();
    for (const char wanted : {'|', '^'}) {
        const char* at = row.bytes.constData();
        while (const void* found = std::memchr(at, wanted, static_cast<size_t>(end - at))) {
            ++separators;
            at = static_cast<const char*>(found) + 1;
        }
    }
    return separators;
}

template <typename Pass> double bestNanosecondsPerRow(int rounds, size_t rows, Pass pass)
{
    double best = std::numeric_limits<double>::max();
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        pass();
        best =
            std::min(best, static_cast<double>(timer.nsecsElapsed()) / static_cast<double>(rows));
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption roundsOption("rounds", "Rounds of each pass (the best counts).", "n",
                                          "5");
    parser.addOption(roundsOption);
    parser.process(app);
    const int rounds = std::max(1, parser.value(roundsOption).toInt());

    QTextStream out(stdout);
    const Department department = buildDepartment();
    qsizetype characters = 0;
    for (const DayRow& row : department.rows)
        characters += row.obsData.size();

    Totals totals;
    const double decode = bestNanosecondsPerRow(rounds, department.rows.size(), [&] {
        for (const DayRow& row : department.rows)
            decodeDay(row, department.sensors[row.sensor], totals);
    });
    long long separators = 0;
    const double scan = bestNanosecondsPerRow(rounds, department.rows.size(), [&] {
        for (const DayRow& row : department.rows)
            separators += scanDay(row);
    });

    out << "day rows: " << department.rows.size() << ", average length "
        << characters / static_cast<qsizetype>(department.rows.size()) << " characters\n"
        << "decode (cells, readings, records cut and converted, range test): "
        << QString::number(decode, 'f', 0) << " ns per day row\n"
        << "plain scan (memchr for '|' and '^'): " << QString::number(scan, 'f', 0)
        << " ns per day row\n"
        << "ratio: " << QString::number(decode / scan, 'f', 1) << " (goal: at most 10)\n"
        << "(checksums " << QString::number(totals.values, 'g', 6) << ' ' << totals.pieces << ' '
        << separators << ")\n";
    return 0;
}
