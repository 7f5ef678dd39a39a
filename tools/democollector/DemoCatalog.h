#pragma once

#include <QString>
#include <QStringList>

// Fixed word lists and sensor kinds the demo installation is drawn from.
namespace kelvra::demo::catalog {

// What kind of place a sensor watches; the range columns of SENSORS come from here.
struct SensorKind
{
    const char* location;
    const char* type; // "T", "TRH" or "THS"
    double expected;
    double maxDeviation;
    int thsRange;      // THS only
    double rhExpected; // TRH only
    double rhMaxDeviation;
    // Which way a fault pushes the temperature: +1 warms (fridges, freezers), 0 either way.
    int faultDirection;
};

const QList<SensorKind>& sensorKinds();

// Department name number index (0-based); after the list runs out names get a number.
QString departmentName(int index);
// The street part and the second address line of department index.
QString departmentAddress1(int index);
QString departmentAddress2(int index);
QString departmentCityLine();
// The department that was closed; no other department is named so.
QString closedDepartmentName();

const QStringList& firstNames();
const QStringList& lastNames();
const QStringList& passwordWords();
const QStringList& tapiDevices();
const QStringList& eventActions();
const QStringList& dayActions();
const QStringList& faultTexts();

// The thirteen program access names, in the order the first administrator gets them.
const QStringList& accessNames();

} // namespace kelvra::demo::catalog
