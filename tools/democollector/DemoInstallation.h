#pragma once

#include "DemoRows.h"

#include <QDate>
#include <QString>

namespace kelvra::demo {

struct DemoOptions
{
    quint64 seed = 1;
    int departments = 3;
    int sensorsPerDepartment = 12;
    int days = 28;
    QDate endDate; // the last day with observations
};

// Limits of the options: sensor IDs are two digits, and a longer history would only slow
// the load down without showing anything new.
inline constexpr int maxDepartments = 50;
inline constexpr int maxSensorsPerDepartment = 100;
inline constexpr int maxDays = 3660;

// Empty when the options can be generated, else what is wrong with them.
QString demoOptionsError(const DemoOptions& options);

// The rows of every server table for a whole installation. The same options always give
// the same rows. Besides the departments asked for there is always a closed one whose
// sensors are all retired. From 2 departments, 6 sensors and 7 days on, the installation
// holds the common special cases (padded department name, every sensor type, manual entry,
// probe fault, short day, day text without ':', signed and unsigned days, sensor not
// communicating, records of several lengths, readings on the limits and of 0.0, "T" cells of
// 13 and 14 characters, long "TRH" forms 2 and 3, event texts of every length the exception
// report converts differently, an empty average). From 10 sensors and 28 days on (the demo
// size) it also holds a sensor without rows for three days and more than 246 events in one
// month, one with more than 41, and events a year apart and on both sides of a New Year
// (on rows of their own before the window when the window holds no such dates).
DemoInstallation generateDemoInstallation(const DemoOptions& options);

} // namespace kelvra::demo
