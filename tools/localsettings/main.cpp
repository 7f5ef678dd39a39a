// Writes the connection settings of an installation into a local settings database, the
// way the server configuration panel saves them. Used to point a demo installation at its
// server without signing on first.
#include "data/ServerSettingsStore.h"
#include "data/Tdf.h"
#include "data/Tds.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Stores the server connection settings in a local settings database."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("settings-db"),
         QStringLiteral("The local settings file (default Database/sensordb.db)."),
         QStringLiteral("path"), kelvra::Tdf::defaultDatabasePath()},
        {QStringLiteral("type"), QStringLiteral("Database type: mySQL, SQL 2000 or SQL 2005."),
         QStringLiteral("type"), QStringLiteral("mySQL")},
        {QStringLiteral("address"), QStringLiteral("Server address, optionally with :port."),
         QStringLiteral("address"), QStringLiteral("127.0.0.1")},
        {QStringLiteral("database"), QStringLiteral("Database name."), QStringLiteral("name"),
         QStringLiteral("sensors")},
        {QStringLiteral("user"), QStringLiteral("Login name."), QStringLiteral("name")},
        {QStringLiteral("password"), QStringLiteral("Login password."), QStringLiteral("text")},
        {QStringLiteral("provider"), QStringLiteral("Provider (SQL Server types)."),
         QStringLiteral("name")},
    });
    parser.process(app);

    kelvra::ServerSettings settings;
    settings.type = parser.value(QStringLiteral("type"));
    settings.address = parser.value(QStringLiteral("address"));
    settings.database = parser.value(QStringLiteral("database"));
    settings.user = parser.value(QStringLiteral("user"));
    settings.password = parser.value(QStringLiteral("password"));
    settings.provider = parser.value(QStringLiteral("provider"));
    settings.persistSecurityInfo = QStringLiteral("False");

    QTextStream err(stderr);
    kelvra::Tdf df(parser.value(QStringLiteral("settings-db")));
    kelvra::Tds ds(df, [&err](const QString& text) { err << text << '\n'; });
    const kelvra::SqlOutcome saved = kelvra::saveServerSettings(
        df, settings, QStringLiteral("Admin"), QDateTime::currentDateTime());
    if (!saved) {
        err << "localsettings: " << saved.error() << '\n';
        return 1;
    }
    QTextStream(stdout) << "localsettings: " << settings.type << " server " << settings.address
                        << ", database " << settings.database << " stored in " << df.databasePath()
                        << '\n';
    return 0;
}
