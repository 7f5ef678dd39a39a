#include "DemoCatalog.h"

#include "common/AccessList.h"

namespace kelvra::demo::catalog {

const QList<SensorKind>& sensorKinds()
{
    // The first five cover every type and every probe range, so a small installation
    // already shows them all.
    static const QList<SensorKind> kinds{
        {"Vaccine Fridge", "T", 5.0, 3.0, 0, 0, 0, 1},
        {"Storage Room", "TRH", 21.0, 4.0, 0, 45.0, 15.0, 0},
        {"Freezer", "THS", -20.0, 5.0, 0, 0, 0, 1},
        {"Incubator", "THS", 37.0, 1.5, 1, 0, 0, 0},
        {"Drying Oven", "THS", 100.0, 5.0, 2, 0, 0, 0},
        {"Medication Fridge, Main Dispensary", "T", 5.0, 3.0, 0, 0, 0, 1},
        {"Dry Store, Central Supply Corridor", "TRH", 20.0, 5.0, 0, 40.0, 20.0, 0},
        {"Plasma Freezer", "THS", -30.0, 5.0, 0, 0, 0, 1},
        {"Blood Fridge", "T", 4.0, 2.0, 0, 0, 0, 1},
        {"Walk-in Cooler", "T", 4.0, 3.0, 0, 0, 0, 1},
    };
    return kinds;
}

QString departmentName(int index)
{
    static const QStringList names{
        QStringLiteral("PHARMACY"),  QStringLiteral("BLOOD BANK"), QStringLiteral("LAB"),
        QStringLiteral("ONCOLOGY"),  QStringLiteral("EMERGENCY"),  QStringLiteral("NURSERY"),
        QStringLiteral("DIETARY"),   QStringLiteral("ICU"),        QStringLiteral("MATERNITY"),
        QStringLiteral("RADIOLOGY"), QStringLiteral("DIALYSIS"),   QStringLiteral("SURGERY"),
    };
    const QString base = names[index % names.size()];
    const int round = index / names.size();
    return round == 0 ? base : base + QLatin1Char(' ') + QString::number(round + 1);
}

QString departmentAddress1(int index)
{
    static const QStringList streets{
        QStringLiteral("1200 Harbor View Road"),
        QStringLiteral("St. Brendan's Annex, 40 Mill Street"),
        QStringLiteral("1200 Harbor View Road"),
        QStringLiteral("85 Cedar Hollow Lane"),
    };
    return streets[index % streets.size()];
}

QString departmentAddress2(int index)
{
    static const QStringList lines{
        QStringLiteral("Building A, Level 1"), QStringLiteral("Basement, Room B-14"),
        QStringLiteral("Building C, Level 2"), QStringLiteral("West Wing"),
        QStringLiteral("Building A, Level 3"),
    };
    return lines[index % lines.size()];
}

QString departmentCityLine()
{
    return QStringLiteral("Port Avery, OR 97301");
}

QString closedDepartmentName()
{
    return QStringLiteral("EAST CLINIC");
}

const QStringList& firstNames()
{
    static const QStringList names{
        QStringLiteral("Maria"),  QStringLiteral("James"),  QStringLiteral("Aisha"),
        QStringLiteral("Robert"), QStringLiteral("Linda"),  QStringLiteral("Tomasz"),
        QStringLiteral("Grace"),  QStringLiteral("Daniel"), QStringLiteral("Priya"),
        QStringLiteral("Kevin"),  QStringLiteral("Helen"),  QStringLiteral("Omar"),
        QStringLiteral("Sofia"),  QStringLiteral("Peter"),  QStringLiteral("Naomi"),
        QStringLiteral("Carlos"),
    };
    return names;
}

const QStringList& lastNames()
{
    static const QStringList names{
        QStringLiteral("Alvarez"),   QStringLiteral("Brennan"),  QStringLiteral("Chen"),
        QStringLiteral("Dubois"),    QStringLiteral("Eriksen"),  QStringLiteral("Fischer"),
        QStringLiteral("Gallagher"), QStringLiteral("Haddad"),   QStringLiteral("Iyer"),
        QStringLiteral("Jovanovic"), QStringLiteral("Kowalski"), QStringLiteral("Lindqvist"),
        QStringLiteral("Moreau"),    QStringLiteral("Nakamura"), QStringLiteral("Okafor"),
        QStringLiteral("Petrov"),
    };
    return names;
}

const QStringList& passwordWords()
{
    static const QStringList words{
        QStringLiteral("FROST"),   QStringLiteral("CHILL"),  QStringLiteral("POLAR"),
        QStringLiteral("GLACIER"), QStringLiteral("THERMO"), QStringLiteral("COOLER"),
    };
    return words;
}

const QStringList& tapiDevices()
{
    static const QStringList devices{
        QStringLiteral("Conexant USB CX93010 ACF Modem"),
        QStringLiteral("U.S. Robotics 56K USB Modem"),
        QStringLiteral("Zoom V.92 Voice Modem"),
    };
    return devices;
}

const QStringList& eventActions()
{
    static const QStringList actions{
        QStringLiteral("DOOR FOUND AJAR, CLOSED"),
        QStringLiteral("STOCK MOVED TO BACKUP UNIT"),
        QStringLiteral("MAINTENANCE CALLED"),
        QStringLiteral("CHECKED, READING RECOVERING"),
        QStringLiteral("ACKNOWLEDGED"),
    };
    return actions;
}

const QStringList& dayActions()
{
    static const QStringList actions{
        QStringLiteral("DOOR LEFT OPEN DURING RESTOCK"),
        QStringLiteral("STOCK CHECKED, NO PRODUCT LOSS"),
        QStringLiteral("UNIT DEFROSTED"),
        QStringLiteral("COMPRESSOR SERVICED - OK"),
    };
    return actions;
}

const QStringList& faultTexts()
{
    static const QStringList texts{
        QStringLiteral("PROBE FAULT"),
        QStringLiteral("THERMISTOR OPEN"),
        QStringLiteral("THERMISTOR SHORT"),
    };
    return texts;
}

const QStringList& accessNames()
{
    return allAccessNames();
}

} // namespace kelvra::demo::catalog
