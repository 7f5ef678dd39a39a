#pragma once

#include "common/ScreenId.h"

#include <QString>

namespace kelvra {

// What a screen may ask of the main window.
class ScreenCommands
{
public:
    virtual ~ScreenCommands() = default;

    // Runs a menu command as the menu does, access check included.
    virtual void runMenuCommand(ScreenId id) = 0;
    // Opens the exception report (the window that fits the screen) on a department and sensor.
    virtual void openExceptionReport(const QString& department, const QString& sensorId) = 0;
};

// A screen that can be opened on a given department and sensor.
class OpensOnSensor
{
public:
    virtual ~OpensOnSensor() = default;
    virtual void openOnSensor(const QString& department, const QString& sensorId) = 0;
};

} // namespace kelvra
