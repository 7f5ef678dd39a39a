#pragma once

#include <QColor>
#include <QList>
#include <QStringList>
#include <QStringView>

// Where the real-time tiles go and how their bars look. The widget only paints what these
// decide.
namespace kelvra::realtime {

inline constexpr int kBarWidth = 30;
inline constexpr int kSlotWidth = 120;
inline constexpr int kFirstBarLeft = 30;
inline constexpr int kBarTop = 10;
inline constexpr int kBarCentre = 90;
inline constexpr int kBarBottom = 170;
inline constexpr int kBandTop = 65;
inline constexpr int kBandBottom = 115;
inline constexpr int kTickStep = 10;
inline constexpr int kSurfaceHeight = 265;

// Label rows of a tile.
inline constexpr int kIdLabelY = 190;
inline constexpr int kTemperatureLabelY = 206;
inline constexpr int kLocationLabelY = 222;
inline constexpr int kTimeLabelY = 238;

// VCL colours.
inline const QColor kClBlack{0x00, 0x00, 0x00};
inline const QColor kClWhite{0xFF, 0xFF, 0xFF};
inline const QColor kClRed{0xFF, 0x00, 0x00};
inline const QColor kClBlue{0x00, 0x00, 0xFF};
inline const QColor kClGreen{0x00, 0x80, 0x00};
inline const QColor kClYellow{0xFF, 0xFF, 0x00};
inline const QColor kClGray{0x80, 0x80, 0x80};
inline const QColor kClPurple{0x80, 0x00, 0x80};

struct BarSpan
{
    int left = 0;
    int right = 0;
    bool operator==(const BarSpan&) const = default;
};

// Slot k, counted from 0 across the department.
BarSpan barOfSlot(int slot);
// "TRH" takes two slots (temperature bar, then humidity bar); "T" and "THS" one.
int slotsOfType(QStringView sensorType);

struct TileSlots
{
    int firstSlot = 0;
    BarSpan temperatureBar;
    bool hasHumidityBar = false;
    BarSpan humidityBar; // the slot after the temperature bar, "TRH" only
    // Labels start at the first slot's left; the humidity label one slot to the right.
    int labelX() const { return temperatureBar.left; }
    int humidityLabelX() const { return temperatureBar.left + kSlotWidth; }
};

// Tiles in list order, slots given out one after another.
QList<TileSlots> layoutTiles(const QStringList& sensorTypes);
// 120 pixels per slot.
int surfaceWidth(const QStringList& sensorTypes);

// A bar's scale in the unit shown: the band from low to high, the bar from bottom to top.
struct Scale
{
    double expected = 0.0;
    double deviation = 0.0;
    double low = 0.0;
    double high = 0.0;
    double bottom = 0.0; // expected - 3 deviations
    double top = 0.0;    // expected + 3 deviations
};

Scale scaleAround(double expected, double deviation);
// From Celsius columns: in Fahrenheit the expected value is converted and the deviation
// only scaled (no 32 added).
Scale temperatureScale(double expectedCelsius, double deviationCelsius, bool fahrenheit);

// The y of the value line: 25 pixels per deviation from the centre, halves to even. A zero
// deviation has no scale: a reading at the expected value lies on the centre, one above it
// at the top and one below it at the bottom.
int valueLineY(const Scale& scale, double value);

// Tick rows from the top in steps of 10 while above the bottom; each a 2-pixel line 1 to 3
// pixels right of the bar.
QList<int> tickRows();

// How a temperature bar is filled.
enum class BarLook
{
    Reading,    // red over blue, green band
    ProbeFault, // purple, yellow band
    NoReading,  // black, gray band
};

struct BarColours
{
    QColor upper;
    QColor lower;
    QColor band;
};

BarColours temperatureBarColours(BarLook look);
// The humidity bar looks the same whatever the flags.
BarColours humidityBarColours();

} // namespace kelvra::realtime
