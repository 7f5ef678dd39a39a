#include "reports/RealTimeLoader.h"

#include "common/DateText.h"
#include "data/DataAccess.h"
#include "data/Tds.h"
#include "reports/RealTimeQueries.h"

namespace kelvra::realtime {

namespace {

// Every row's first column of a MySQL-only statement; none when it could not be opened.
std::optional<QStringList> mySqlColumn(Tds& ds, const SqlStatement& statement,
                                       const QString& column)
{
    const BranchOutcome outcome = ds.open(ds.AdoView, {statement, statement});
    if (!outcome.ok()) {
        CloseSql(outcome.rows());
        return std::nullopt;
    }
    QStringList values;
    for (Dataset& rows = outcome.rows(); !AtEnd(rows); NextRow(rows))
        values.append(ReadField(rows, column).asText());
    CloseSql(outcome.rows());
    return values;
}

} // namespace

std::optional<QList<ListedSensor>> loadSensorLists(Tds& ds, const QString& department)
{
    const BranchOutcome outcome = ds.open(ds.AdoView, activeSensors(department));
    if (!outcome.ok()) {
        CloseSql(outcome.rows());
        return std::nullopt;
    }
    QList<ListedSensor> sensors;
    const bool mysql = outcome.branch() == Branch::MySql;
    for (Dataset& rows = outcome.rows(); !AtEnd(rows); NextRow(rows)) {
        ListedSensor sensor;
        sensor.id = ReadField(rows, "SENSOR_ID").asText();
        if (!mysql) {
            sensor.location = ReadField(rows, "LOCATION").asText();
            sensor.type = ReadField(rows, "SENSOR_TYPE").asText();
        }
        sensors.append(sensor);
    }
    CloseSql(outcome.rows());
    if (!mysql)
        return sensors;

    // The MySQL lists are filled one column at a time, every row adding an entry; a sensor
    // ID stored twice in the department would make the lists differ in length, so each ID
    // takes its first row's value.
    for (ListedSensor& sensor : sensors) {
        const std::optional<QStringList> locations =
            mySqlColumn(ds, sensorLocationMySql(sensor.id, department), "LOCATION");
        if (!locations)
            return std::nullopt;
        sensor.location = locations->value(0);
    }
    for (ListedSensor& sensor : sensors) {
        const std::optional<QStringList> types =
            mySqlColumn(ds, sensorTypeMySql(sensor.id, department), "SENSOR_TYPE");
        if (!types)
            return std::nullopt;
        sensor.type = types->value(0);
    }
    return sensors;
}

std::optional<SensorReadout> loadReadout(Tds& ds, const QString& department,
                                         const QString& sensorId, const QString& dayKey)
{
    SensorReadout readout;
    {
        const BranchOutcome outcome = ds.open(ds.AdoView, sensorRow(department, sensorId));
        if (!outcome.ok()) {
            CloseSql(outcome.rows());
            return std::nullopt;
        }
        Dataset& rows = outcome.rows();
        if (!AtEnd(rows)) {
            SensorLimitsRow row;
            row.type = ReadField(rows, "SENSOR_TYPE").asText();
            row.expectedValue = ReadField(rows, "EXPECTED_VALUE").asDouble();
            row.maxDeviation = ReadField(rows, "MAX_DEVIATION").asDouble();
            row.alarm = int(ReadField(rows, "ALARM").asInt());
            row.rhExpected = ReadField(rows, "RH_EXPECTED").asDouble();
            row.rhMaxDeviation = ReadField(rows, "RH_MAX_DEV").asDouble();
            readout.sensor = row;
        }
        CloseSql(rows);
    }
    if (!readout.sensor)
        return readout;
    const BranchOutcome outcome =
        ds.open(ds.AdoView, todaysObservations(dayKey, department, sensorId));
    if (!outcome.ok()) {
        CloseSql(outcome.rows());
        return std::nullopt;
    }
    Dataset& rows = outcome.rows();
    if (!AtEnd(rows)) {
        TodayRow today;
        today.obsData = ReadField(rows, "OBS_DATA").asText();
        today.lastObs = ReadField(rows, "LAST_OBS").asText();
        today.error = int(ReadField(rows, "error").asInt());
        today.obsDataReadable = rows.hasField("OBS_DATA");
        readout.today = today;
    }
    CloseSql(rows);
    return readout;
}

void runRefresh(Tds& ds, const QString& department, RealTimeRefresh& refresh)
{
    const QList<ListedSensor> sensors = refresh.sensors();
    const QString day = dayKey(refresh.settings().now.date());
    for (const ListedSensor& sensor : sensors) {
        const std::optional<SensorReadout> readout = loadReadout(ds, department, sensor.id, day);
        if (!readout) {
            refresh.failQuery();
            return;
        }
        if (!refresh.add(*readout))
            return;
    }
}

} // namespace kelvra::realtime
