#pragma once

#include "reports/RealTimeModel.h"

#include <QList>
#include <QString>

#include <optional>

namespace kelvra {
class Tds;
}

// Fills the rows of the real-time model from the server, one statement at a time.
namespace kelvra::realtime {

// The department's active sensors in SENSOR_ID order; none when a query could not be opened.
std::optional<QList<ListedSensor>> loadSensorLists(Tds& ds, const QString& department);

// One sensor's row and today's row; none when a query could not be opened.
std::optional<SensorReadout> loadReadout(Tds& ds, const QString& department,
                                         const QString& sensorId, const QString& dayKey);

// A whole refresh: each sensor in turn until the refresh ends.
void runRefresh(Tds& ds, const QString& department, RealTimeRefresh& refresh);

} // namespace kelvra::realtime
