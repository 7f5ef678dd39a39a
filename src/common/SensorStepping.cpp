#include "common/SensorStepping.h"

namespace kelvra {

SensorStep nextSensor(int current, int count, bool guarded)
{
    if (count == 0 && guarded)
        return {SensorStep::Action::Stop};
    // An empty list on an unguarded screen also ends here: −1 + 1 == 0.
    if (current + 1 == count)
        return {SensorStep::Action::NoMoreSensors};
    return {SensorStep::Action::SelectAndView, current + 1};
}

SensorStep previousSensor(int current, int count, PreviousRule rule)
{
    if (rule == PreviousRule::B) {
        if (count == 0)
            return {SensorStep::Action::Stop};
        if (current == -1)
            return {SensorStep::Action::StartOfSensorList};
        return {SensorStep::Action::SelectAndView, current - 1};
    }
    if (current == 0)
        return {SensorStep::Action::StartOfSensorList};
    // With no sensor chosen the selection moves before the list: still none is chosen, and
    // View runs for an empty sensor ID.
    return {SensorStep::Action::SelectAndView, current - 1};
}

} // namespace kelvra
