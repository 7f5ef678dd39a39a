#pragma once

#include <functional>

class QWidget;

namespace kelvra {

struct AppContext;

// The screens the main menu opens.
enum class ScreenId
{
    CompanyRegistration,
    SensorSetup,
    UserAccounts,
    AlarmCallList,
    SensorReadings,
    DailySignout,
    HourlyLogReport,
    HourlyGraphs,
    MonthlyLogReport,
    MonthlyGraphs,
    ExceptionReport,    // the 970-pixel window
    ExceptionReport800, // the 785-pixel window of small screens
    ServerAdmin,
};

// Creates a new window of a screen (a top-level widget, not yet shown).
using ScreenFactory = std::function<QWidget*(AppContext&)>;

} // namespace kelvra
