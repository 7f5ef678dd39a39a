#include "DemoTables.h"

namespace kelvra::demo {

namespace {

QVariant text(const QString& value)
{
    // A null QString would be bound as NULL.
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

TableRows regTable(const QList<RegRow>& rows)
{
    TableRows t{QStringLiteral("REG"),
                {QStringLiteral("REG_NAME"), QStringLiteral("ADDRESS1"), QStringLiteral("ADDRESS2"),
                 QStringLiteral("CSZ"), QStringLiteral("DEPT")},
                {}};
    for (const RegRow& r : rows)
        t.rows.append(
            {text(r.regName), text(r.address1), text(r.address2), text(r.csz), text(r.dept)});
    return t;
}

TableRows sensorTable(const QList<SensorRow>& rows)
{
    TableRows t{QStringLiteral("SENSORS"),
                QStringList{QStringLiteral("SENSOR_ID"),      QStringLiteral("DEPT"),
                            QStringLiteral("SENSOR_TYPE"),    QStringLiteral("LOCATION"),
                            QStringLiteral("FACTORY_ID"),     QStringLiteral("ACTIVE_CODE"),
                            QStringLiteral("EXPECTED_VALUE"), QStringLiteral("MAX_DEVIATION"),
                            QStringLiteral("CALIB_OFFSET"),   QStringLiteral("RH_EXPECTED"),
                            QStringLiteral("RH_MAX_DEV"),     QStringLiteral("RH_CALIB"),
                            QStringLiteral("THS_RANGE"),      QStringLiteral("STATUS_FLAG"),
                            QStringLiteral("ALARM"),          QStringLiteral("AUDIBLE_WAVE"),
                            QStringLiteral("EMAIL"),          QStringLiteral("PHONE_MSG"),
                            QStringLiteral("ALARM_FREQ"),     QStringLiteral("CHANGED")},
                {}};
    for (const SensorRow& s : rows)
        t.rows.append({text(s.sensorId),  text(s.dept),      text(s.sensorType),
                       text(s.location),  text(s.factoryId), text(s.activeCode),
                       s.expectedValue,   s.maxDeviation,    text(s.calibOffset),
                       s.rhExpected,      s.rhMaxDev,        s.rhCalib,
                       s.thsRange,        s.statusFlag,      s.alarm,
                       s.audibleWave,     s.email,           s.phoneMsg,
                       text(s.alarmFreq), text(s.changed)});
    return t;
}

TableRows observationTable(const QList<ObservationRow>& rows)
{
    TableRows t{QStringLiteral("OBSERVATIONS"),
                {QStringLiteral("OBS_DATE"), QStringLiteral("SENSOR_ID"), QStringLiteral("DEPT"),
                 QStringLiteral("OBS_DATA"), QStringLiteral("LAST_OBS"), QStringLiteral("error"),
                 QStringLiteral("AVG_FOR_DAY"), QStringLiteral("ACTION_TAKEN"),
                 QStringLiteral("ACCEPTED_BY"), QStringLiteral("SIGN_TIME")},
                {}};
    for (const ObservationRow& o : rows)
        t.rows.append({text(o.obsDate), text(o.sensorId), text(o.dept), text(o.obsData),
                       text(o.lastObs), o.error, text(o.avgForDay), text(o.actionTaken),
                       text(o.acceptedBy), text(o.signTime)});
    return t;
}

TableRows callEventTable(const QList<CallEventRow>& rows)
{
    TableRows t{QStringLiteral("CALL_EVENT"),
                {QStringLiteral("DATE"), QStringLiteral("TIME"), QStringLiteral("SENSOR_ID"),
                 QStringLiteral("DEPT"), QStringLiteral("ALARM_METHOD"), QStringLiteral("ACTUAL"),
                 QStringLiteral("PHONE_NUMBER"), QStringLiteral("ACTION_TAKEN"),
                 QStringLiteral("WHO")},
                {}};
    for (const CallEventRow& e : rows)
        t.rows.append({text(e.date), text(e.time), text(e.sensorId), text(e.dept),
                       text(e.alarmMethod), text(e.actual), text(e.phoneNumber),
                       text(e.actionTaken), text(e.who)});
    return t;
}

TableRows activityTable(const QList<ActivityRow>& rows)
{
    TableRows t{QStringLiteral("ACTIVITY"),
                {QStringLiteral("DEPT"), QStringLiteral("DATE"), QStringLiteral("TIME"),
                 QStringLiteral("SENSOR_ID"), QStringLiteral("WHO"), QStringLiteral("EVENT")},
                {}};
    for (const ActivityRow& a : rows)
        t.rows.append({text(a.dept), text(a.date), text(a.time), text(a.sensorId), text(a.who),
                       text(a.event)});
    return t;
}

TableRows callListTable(const QList<CallListRow>& rows)
{
    TableRows t{QStringLiteral("CALLLIST"), {QStringLiteral("DEPT")}, {}};
    for (const char* group : {"PERSON", "NUMBER", "EMAIL"})
        for (int k = 1; k <= 5; ++k)
            t.columns.append(QLatin1String(group) + QString::number(k));
    t.columns << QStringLiteral("TAPI_DEVICE") << QStringLiteral("WAVEFILE")
              << QStringLiteral("CHANGED");
    for (const CallListRow& c : rows) {
        QVariantList values{text(c.dept)};
        for (const auto* group : {&c.persons, &c.numbers, &c.emails})
            for (const QString& value : *group)
                values.append(text(value));
        values << text(c.tapiDevice) << text(c.waveFile) << text(c.changed);
        t.rows.append(values);
    }
    return t;
}

TableRows userTable(const QList<UserRow>& rows)
{
    TableRows t{QStringLiteral("USERS"),
                {QStringLiteral("DEPT"), QStringLiteral("USER_ID"), QStringLiteral("USER_NAME"),
                 QStringLiteral("USER_PASSWORD"), QStringLiteral("ACCESS_LIST"),
                 QStringLiteral("STATUS_FLAG"), QStringLiteral("OK_TO_SIGN"),
                 QStringLiteral("CHANGED")},
                {}};
    for (const UserRow& u : rows)
        t.rows.append({text(u.dept), text(u.userId), text(u.userName), text(u.userPassword),
                       text(u.accessList), u.statusFlag, u.okToSign, text(u.changed)});
    return t;
}

} // namespace

QList<TableRows> demoTables(const DemoInstallation& installation)
{
    return {regTable(installation.reg),
            sensorTable(installation.sensors),
            observationTable(installation.observations),
            callEventTable(installation.callEvents),
            activityTable(installation.activity),
            callListTable(installation.callLists),
            userTable(installation.users)};
}

} // namespace kelvra::demo
