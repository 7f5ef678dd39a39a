#pragma once

#include <QList>
#include <QString>

#include <array>

namespace kelvra::demo {

// One row of each server table, as plain values in the stored text formats.

struct RegRow
{
    QString regName;
    QString address1;
    QString address2;
    QString csz;
    QString dept;
    bool operator==(const RegRow&) const = default;
};

struct SensorRow
{
    QString sensorId;
    QString dept;
    QString sensorType;
    QString location;
    QString factoryId;
    QString activeCode;
    double expectedValue = 0;
    double maxDeviation = 0;
    QString calibOffset;
    double rhExpected = 0;
    double rhMaxDev = 0;
    double rhCalib = 0;
    int thsRange = 0;
    int statusFlag = -1;
    int alarm = 0;
    int audibleWave = 0;
    int email = 0;
    int phoneMsg = 0;
    QString alarmFreq;
    QString changed;
    bool operator==(const SensorRow&) const = default;
};

struct ObservationRow
{
    QString obsDate;
    QString sensorId;
    QString dept;
    QString obsData;
    QString lastObs;
    int error = 0;
    QString avgForDay;
    QString actionTaken;
    QString acceptedBy;
    QString signTime;
    bool operator==(const ObservationRow&) const = default;
};

struct CallEventRow
{
    QString date;
    QString time;
    QString sensorId;
    QString dept;
    QString alarmMethod;
    QString actual;
    QString phoneNumber;
    QString actionTaken;
    QString who;
    bool operator==(const CallEventRow&) const = default;
};

struct ActivityRow
{
    QString dept;
    QString date;
    QString time;
    QString sensorId;
    QString who;
    QString event;
    bool operator==(const ActivityRow&) const = default;
};

struct CallListRow
{
    QString dept;
    std::array<QString, 5> persons;
    std::array<QString, 5> numbers;
    std::array<QString, 5> emails;
    QString tapiDevice;
    QString waveFile;
    QString changed;
    bool operator==(const CallListRow&) const = default;
};

struct UserRow
{
    QString dept;
    QString userId;
    QString userName;
    QString userPassword;
    QString accessList;
    int statusFlag = -1;
    int okToSign = 0;
    QString changed;
    bool operator==(const UserRow&) const = default;
};

struct DemoInstallation
{
    QList<RegRow> reg;
    QList<SensorRow> sensors;
    QList<ObservationRow> observations;
    QList<CallEventRow> callEvents;
    QList<ActivityRow> activity;
    QList<CallListRow> callLists;
    QList<UserRow> users;
    bool operator==(const DemoInstallation&) const = default;
};

} // namespace kelvra::demo
