#pragma once

#include "data/BranchStatement.h"
#include "reports/RealTimeGeometry.h"

#include <QChar>
#include <QColor>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The results of one refresh of the real-time readings, per sensor: rows in, what the tiles
// show out. No widgets and no database here.
namespace kelvra::realtime {

// One entry of the department's sensor lists.
struct ListedSensor
{
    QString id;
    QString location;
    QString type;
};

// The SENSORS columns a refresh reads.
struct SensorLimitsRow
{
    QString type;
    double expectedValue = 0.0;
    double maxDeviation = 0.0;
    int alarm = 0; // -1 is true
    double rhExpected = 0.0;
    double rhMaxDeviation = 0.0;
};

// Today's OBSERVATIONS row.
struct TodayRow
{
    QString obsData;
    QString lastObs;
    int error = 0; // 1: probe (thermistor) fault
    // False when OBS_DATA could not be read: the hour's text cannot be taken.
    bool obsDataReadable = true;
};

// What the database gave for one sensor: no sensor row ends the refresh.
struct SensorReadout
{
    std::optional<SensorLimitsRow> sensor;
    std::optional<TodayRow> today;
};

enum class TileState
{
    NotRead, // not reached by this refresh: drawn blank
    InRange,
    Below,
    Above,
    NoReading,     // no row today
    ProbeFault,    // error = 1
    NoCurrentRead, // the hour's temperature is not a number
};

struct TileLabel
{
    QString text;
    QColor colour = kClBlack;
};

struct RealTimeTile
{
    ListedSensor sensor; // the location as the list holds it after this refresh
    TileState state = TileState::NotRead;
    QChar unitLetter = u'C';
    Scale temperatureScale;
    std::optional<Scale> humidityScale; // "TRH" only, never converted
    std::optional<double> temperature;  // in the shown unit
    // Only when this refresh read a humidity for the tile.
    std::optional<double> humidity;
    bool noReading = false;
    bool noCurrentRead = false;
    bool thermistor = false;
    int alarm = 0;
    bool showAlarm = false;
    TileLabel idLabel;
    TileLabel temperatureLabel;
    TileLabel humidityLabel;
    int humidityLabelY = kIdLabelY;
    TileLabel locationLabel;
    TileLabel timeLabel;

    bool isRead() const { return state != TileState::NotRead; }
    bool hasHumidityBar() const { return humidityScale.has_value(); }
    BarLook barLook() const;
    // The white value line of the temperature bar; none without a current reading.
    std::optional<int> temperatureLineY() const;
    // The black value line of the humidity bar.
    std::optional<int> humidityLineY() const;
};

enum class RefreshEnd
{
    Complete,
    SensorRecordsNotFound, // "SENSOR RECORDS NOT FOUND", warning box
    CheckBackLater,        // "PLEASE CHECK BACK LATER", information box
    QueryFailed,           // ended without a message
};

// The settings of one refresh.
struct RefreshSettings
{
    Branch branch = Branch::Ado;
    bool fahrenheit = true;
    QDateTime now;            // the workstation's local date and time
    QChar workstationZone;    // workstationZoneLetter() of the workstation
    QString chosenZone;       // "EST", "CST", "MST" or "PST"
    QChar decimalSign = u'.'; // of the workstation
};

inline constexpr QStringView kSensorRecordsNotFound = u"SENSOR RECORDS NOT FOUND";
inline constexpr QStringView kCheckBackLater = u"PLEASE CHECK BACK LATER";
inline constexpr QStringView kNoReadingText = u"NO READING";
inline constexpr QStringView kCheckThermistorText = u"CHECK THERMISTOR";
inline constexpr QStringView kNoCurrentReadText = u"NO CURRENT READ";

// One refresh: fed sensor by sensor in list order until it ends.
class RealTimeRefresh
{
public:
    RealTimeRefresh(const QList<ListedSensor>& sensors, RefreshSettings settings);

    // Takes the next sensor's readout; false when the refresh ended with it.
    bool add(const SensorReadout& readout);
    // A query that could not be opened: the refresh ends without a message.
    void failQuery();

    bool ended() const { return m_end.has_value() || m_next >= m_tiles.size(); }
    RefreshEnd end() const { return m_end.value_or(RefreshEnd::Complete); }
    // Tiles in list order; those the refresh did not reach are NotRead.
    const QList<RealTimeTile>& tiles() const { return m_tiles; }
    // The department's lists as they stand after the refresh (locations of read tiles cut
    // to 13 characters).
    QList<ListedSensor> sensors() const;
    // "TIME OF LAST REFRESH: mm/dd/yyyy hh:nn", empty until a row with a reading.
    const QString& lastRefreshText() const { return m_lastRefresh; }
    // Sensors the progress bar still expects: all less those without a row or with a fault.
    int progressMaximum() const { return m_progressMaximum; }
    const RefreshSettings& settings() const { return m_settings; }

private:
    void fillFromRow(RealTimeTile& tile, const TodayRow& row);

    QList<RealTimeTile> m_tiles;
    RefreshSettings m_settings;
    qsizetype m_next = 0;
    std::optional<RefreshEnd> m_end;
    QString m_lastRefresh;
    int m_progressMaximum = 0;
};

} // namespace kelvra::realtime
