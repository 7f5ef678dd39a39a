#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kelvra::test {

// The server tables as the desktop screens read them: each column with the kind of value
// it holds ("text", "whole" or "decimal").
struct ExpectedTable
{
    QString name;
    QList<QPair<QString, QString>> columns;
};

inline QList<ExpectedTable> expectedServerTables()
{
    const QString text = QStringLiteral("text");
    const QString whole = QStringLiteral("whole");
    const QString decimal = QStringLiteral("decimal");
    QList<QPair<QString, QString>> callList{{QStringLiteral("DEPT"), text}};
    for (const char* group : {"PERSON", "NUMBER", "EMAIL"})
        for (int k = 1; k <= 5; ++k)
            callList.append({QLatin1String(group) + QString::number(k), text});
    callList.append({{QStringLiteral("TAPI_DEVICE"), text},
                     {QStringLiteral("WAVEFILE"), text},
                     {QStringLiteral("CHANGED"), text}});
    return {
        {QStringLiteral("REG"),
         {{QStringLiteral("REG_NAME"), text},
          {QStringLiteral("ADDRESS1"), text},
          {QStringLiteral("ADDRESS2"), text},
          {QStringLiteral("CSZ"), text},
          {QStringLiteral("DEPT"), text}}},
        {QStringLiteral("SENSORS"),
         {{QStringLiteral("SENSOR_ID"), text},
          {QStringLiteral("DEPT"), text},
          {QStringLiteral("SENSOR_TYPE"), text},
          {QStringLiteral("LOCATION"), text},
          {QStringLiteral("FACTORY_ID"), text},
          {QStringLiteral("ACTIVE_CODE"), text},
          {QStringLiteral("EXPECTED_VALUE"), decimal},
          {QStringLiteral("MAX_DEVIATION"), decimal},
          {QStringLiteral("CALIB_OFFSET"), text},
          {QStringLiteral("RH_EXPECTED"), decimal},
          {QStringLiteral("RH_MAX_DEV"), decimal},
          {QStringLiteral("RH_CALIB"), decimal},
          {QStringLiteral("THS_RANGE"), whole},
          {QStringLiteral("STATUS_FLAG"), whole},
          {QStringLiteral("ALARM"), whole},
          {QStringLiteral("AUDIBLE_WAVE"), whole},
          {QStringLiteral("EMAIL"), whole},
          {QStringLiteral("PHONE_MSG"), whole},
          {QStringLiteral("ALARM_FREQ"), text},
          {QStringLiteral("CHANGED"), text}}},
        {QStringLiteral("OBSERVATIONS"),
         {{QStringLiteral("OBS_DATE"), text},
          {QStringLiteral("SENSOR_ID"), text},
          {QStringLiteral("DEPT"), text},
          {QStringLiteral("OBS_DATA"), text},
          {QStringLiteral("LAST_OBS"), text},
          {QStringLiteral("error"), whole},
          {QStringLiteral("AVG_FOR_DAY"), text},
          {QStringLiteral("ACTION_TAKEN"), text},
          {QStringLiteral("ACCEPTED_BY"), text},
          {QStringLiteral("SIGN_TIME"), text}}},
        {QStringLiteral("CALL_EVENT"),
         {{QStringLiteral("DATE"), text},
          {QStringLiteral("TIME"), text},
          {QStringLiteral("SENSOR_ID"), text},
          {QStringLiteral("DEPT"), text},
          {QStringLiteral("ALARM_METHOD"), text},
          {QStringLiteral("ACTUAL"), text},
          {QStringLiteral("PHONE_NUMBER"), text},
          {QStringLiteral("ACTION_TAKEN"), text},
          {QStringLiteral("WHO"), text}}},
        {QStringLiteral("ACTIVITY"),
         {{QStringLiteral("DEPT"), text},
          {QStringLiteral("DATE"), text},
          {QStringLiteral("TIME"), text},
          {QStringLiteral("SENSOR_ID"), text},
          {QStringLiteral("WHO"), text},
          {QStringLiteral("EVENT"), text}}},
        {QStringLiteral("CALLLIST"), callList},
        {QStringLiteral("USERS"),
         {{QStringLiteral("DEPT"), text},
          {QStringLiteral("USER_ID"), text},
          {QStringLiteral("USER_NAME"), text},
          {QStringLiteral("USER_PASSWORD"), text},
          {QStringLiteral("ACCESS_LIST"), text},
          {QStringLiteral("STATUS_FLAG"), whole},
          {QStringLiteral("OK_TO_SIGN"), whole},
          {QStringLiteral("CHANGED"), text}}},
    };
}

// The indexes the screens' queries need: table and column sequence.
inline QList<QPair<QString, QStringList>> expectedServerIndexes()
{
    return {
        {QStringLiteral("OBSERVATIONS"),
         {QStringLiteral("DEPT"), QStringLiteral("SENSOR_ID"), QStringLiteral("OBS_DATE")}},
        {QStringLiteral("CALL_EVENT"),
         {QStringLiteral("DEPT"), QStringLiteral("SENSOR_ID"), QStringLiteral("DATE")}},
        {QStringLiteral("ACTIVITY"), {QStringLiteral("DEPT"), QStringLiteral("DATE")}},
        {QStringLiteral("SENSORS"), {QStringLiteral("DEPT"), QStringLiteral("SENSOR_ID")}},
        {QStringLiteral("REG"), {QStringLiteral("REG_NAME")}},
        {QStringLiteral("CALLLIST"), {QStringLiteral("DEPT")}},
        {QStringLiteral("USERS"), {QStringLiteral("DEPT")}},
    };
}

} // namespace kelvra::test
