#pragma once

namespace kelvra {

// What Next or Previous does with the sensor picker, once its list is loaded. An index of −1
// means that no sensor is chosen.
struct SensorStep
{
    enum class Action
    {
        Stop,              // nothing more, no message
        SelectAndView,     // select `index` (which may leave no sensor chosen) and run View
        NoMoreSensors,     // "NO MORE SENSORS", then the screen's end action
        StartOfSensorList, // "Start of Sensor List"
    };
    Action action = Action::Stop;
    int index = -1;

    friend bool operator==(const SensorStep&, const SensorStep&) = default;
};

// Previous rule A (most screens) steps to the sensor before; rule B (the exception reports)
// steps from the first sensor to no sensor chosen, and stops on an empty list.
enum class PreviousRule
{
    A,
    B
};

// Next: `guarded` screens stop silently on a list that is still empty.
SensorStep nextSensor(int current, int count, bool guarded);
SensorStep previousSensor(int current, int count, PreviousRule rule);

} // namespace kelvra
