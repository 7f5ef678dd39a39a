#include "DemoInstallation.h"
#include "DemoWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>

using namespace kelvra::demo;

namespace {

enum ExitCode
{
    Success = 0,
    LoadFailed = 1,
    BadUsage = 2
};

int complain(const QString& message, int code)
{
    QTextStream(stderr) << "democollector: " << message << '\n';
    return code;
}

bool readNumber(const QCommandLineParser& parser, const QString& name, int& out, QString& error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok) {
        error = QStringLiteral("--%1: not a whole number: %2").arg(name, parser.value(name));
        return false;
    }
    out = value;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("democollector"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Fills a kelvra server database (MySQL or MariaDB) with a demo installation:\n"
        "departments, sensors of the types T, TRH and THS, one row of hourly readings per\n"
        "sensor and day (with exceptions, missing hours, probe faults, manual entries and\n"
        "sign-outs), alarm call events, call lists, department users and an activity log.\n"
        "Besides the departments asked for it writes a closed one without active sensors.\n"
        "Missing server tables are created; the rows of all seven are replaced.\n"
        "The same options and seed always write the same rows."));
    parser.addHelpOption();
    const DemoOptions defaults;
    parser.addOptions({
        {QStringLiteral("host"), QStringLiteral("Server address (default 127.0.0.1)."),
         QStringLiteral("address"), QStringLiteral("127.0.0.1")},
        {QStringLiteral("port"), QStringLiteral("Server port (default 3306)."),
         QStringLiteral("port"), QStringLiteral("3306")},
        {QStringLiteral("user"), QStringLiteral("Login name (default root)."),
         QStringLiteral("name"), QStringLiteral("root")},
        {QStringLiteral("password"), QStringLiteral("Login password (default empty)."),
         QStringLiteral("text")},
        {QStringLiteral("database"), QStringLiteral("Database name (default sensors)."),
         QStringLiteral("name"), QStringLiteral("sensors")},
        {QStringLiteral("departments"),
         QStringLiteral("Number of departments, 1 to %1 (default %2).")
             .arg(maxDepartments)
             .arg(defaults.departments),
         QStringLiteral("n")},
        {QStringLiteral("sensors"),
         QStringLiteral("Sensors per department, 1 to %1 (default %2).")
             .arg(maxSensorsPerDepartment)
             .arg(defaults.sensorsPerDepartment),
         QStringLiteral("n")},
        {QStringLiteral("days"),
         QStringLiteral("Days of observations, 1 to %1 (default %2).")
             .arg(maxDays)
             .arg(defaults.days),
         QStringLiteral("n")},
        {QStringLiteral("end-date"),
         QStringLiteral("Last day of observations, yyyy-mm-dd (default today)."),
         QStringLiteral("date")},
        {QStringLiteral("seed"),
         QStringLiteral("Seed of the generator (default %1).").arg(defaults.seed),
         QStringLiteral("n")},
    });
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        return complain(QStringLiteral("unexpected argument: ") +
                            parser.positionalArguments().first(),
                        BadUsage);

    DemoOptions options;
    options.endDate = QDate::currentDate();
    ServerAddress address;
    address.host = parser.value(QStringLiteral("host"));
    address.user = parser.value(QStringLiteral("user"));
    address.password = parser.value(QStringLiteral("password"));
    address.database = parser.value(QStringLiteral("database"));

    QString error;
    if (!readNumber(parser, QStringLiteral("port"), address.port, error) ||
        !readNumber(parser, QStringLiteral("departments"), options.departments, error) ||
        !readNumber(parser, QStringLiteral("sensors"), options.sensorsPerDepartment, error) ||
        !readNumber(parser, QStringLiteral("days"), options.days, error))
        return complain(error, BadUsage);
    if (address.port < 1 || address.port > 65535)
        return complain(QStringLiteral("--port must be 1 to 65535"), BadUsage);
    if (parser.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        options.seed = parser.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok)
            return complain(QStringLiteral("--seed: not a whole number: ") +
                                parser.value(QStringLiteral("seed")),
                            BadUsage);
    }
    if (parser.isSet(QStringLiteral("end-date"))) {
        options.endDate = QDate::fromString(parser.value(QStringLiteral("end-date")),
                                            QStringLiteral("yyyy-MM-dd"));
        if (!options.endDate.isValid())
            return complain(QStringLiteral("--end-date: not a date of the form yyyy-mm-dd: ") +
                                parser.value(QStringLiteral("end-date")),
                            BadUsage);
    }
    if (const QString invalid = demoOptionsError(options); !invalid.isEmpty())
        return complain(invalid, BadUsage);

    QElapsedTimer clock;
    clock.start();
    const DemoInstallation installation = generateDemoInstallation(options);

    DemoWriter writer;
    if (!writer.open(address) || !writer.write(installation))
        return complain(writer.errorText(), LoadFailed);

    const QDate firstDay = options.endDate.addDays(1 - options.days);
    QTextStream(stdout) << QStringLiteral(
                               "democollector: wrote %1 departments, %2 sensors, %3 observations, "
                               "%4 call events, %5 activity rows, %6 call lists and %7 users to "
                               "database %8 on %9:%10 (%11 to %12, seed %13) in %14 s\n")
                               .arg(installation.reg.size())
                               .arg(installation.sensors.size())
                               .arg(installation.observations.size())
                               .arg(installation.callEvents.size())
                               .arg(installation.activity.size())
                               .arg(installation.callLists.size())
                               .arg(installation.users.size())
                               .arg(address.database, address.host)
                               .arg(address.port)
                               .arg(firstDay.toString(Qt::ISODate),
                                    options.endDate.toString(Qt::ISODate))
                               .arg(options.seed)
                               .arg(double(clock.elapsed()) / 1000.0, 0, 'f', 1);
    return Success;
}
