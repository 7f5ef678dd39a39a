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
// the same rows. From 2 departments, 6 sensors and 7 days on, the installation holds every
// special case the screens must handle (padded department name, every sensor type, manual
// entry, probe fault, short day, day text without ':', signed and unsigned days, sensor not
// communicating, records of several lengths).
DemoInstallation generateDemoInstallation(const DemoOptions& options);

} // namespace kelvra::demo
