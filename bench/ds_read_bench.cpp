// Measures what the data layer costs: 1,000 single-row reads through ds on the MySQL
// branch (a connection per statement, as the program works) and on the SQL Server branch
// through ODBC (one connection kept open), next to the same reads through the plain MySQL
// client library, both ways.
//
//   ds_read_bench --port 33071 [--host 127.0.0.1] [--user monitor] [--password monitor-pw]
//                 [--reads 1000]
//
// It creates (and afterwards keeps) a database kelvra_bench with one department of 100
// sensors.
#include "data/DataAccess.h"
#include "data/ServerSettingsStore.h"
#include "data/Tdf.h"
#include "data/Tds.h"
#include "db/ServerSchema.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <memory>

#ifdef HAVE_MARIADB_CLIENT
#include <mysql.h>
#endif

using namespace kelvra;

namespace {

QTextStream out(stdout);

struct Server
{
    QString host;
    int port = 3306;
    QString user;
    QString password;
    QString database = QStringLiteral("kelvra_bench");
};

QString sensorId(int i)
{
    return QStringLiteral("%1").arg(i % 100, 2, 10, QLatin1Char('0'));
}

bool prepareDatabase(const Server& server)
{
    bool ok = true;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QStringLiteral("setup"));
        db.setHostName(server.host);
        db.setPort(server.port);
        db.setUserName(server.user);
        db.setPassword(server.password);
        db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=5"));
        if (!db.open()) {
            out << "cannot connect: " << db.lastError().text() << '\n';
            return false;
        }
        QSqlQuery q(db);
        ok = q.exec(QStringLiteral("DROP DATABASE IF EXISTS ") + server.database) &&
             q.exec(QStringLiteral("CREATE DATABASE ") + server.database) &&
             q.exec(QStringLiteral("USE ") + server.database);
        for (const QString& statement : serverSchemaStatements(SqlDialect::MySql))
            ok = ok && q.exec(statement);
        ok = ok &&
             q.prepare(QStringLiteral(
                 "INSERT INTO SENSORS (SENSOR_ID, DEPT, SENSOR_TYPE, LOCATION, EXPECTED_VALUE, "
                 "MAX_DEVIATION, STATUS_FLAG) VALUES (?, 'PHARMACY', 'T', ?, 5, 3, -1)"));
        for (int i = 0; ok && i < 100; ++i) {
            q.addBindValue(sensorId(i));
            q.addBindValue(QStringLiteral("Fridge %1").arg(i));
            ok = q.exec();
        }
        if (!ok)
            out << "cannot prepare the bench database: " << q.lastError().text() << '\n';
    }
    QSqlDatabase::removeDatabase(QStringLiteral("setup"));
    return ok;
}

// Runs `read` n times and prints the time per read.
void measure(const QString& label, int n, const std::function<bool(int)>& read)
{
    QElapsedTimer timer;
    timer.start();
    int failures = 0;
    for (int i = 0; i < n; ++i)
        if (!read(i))
            ++failures;
    const double perRead = double(timer.nsecsElapsed()) / 1000.0 / n;
    out << QStringLiteral("%1 %2 us per read").arg(label, -58).arg(perRead, 9, 'f', 1);
    if (failures)
        out << "  (" << failures << " failed)";
    out << '\n';
    out.flush();
}

SqlStatement sensorRead(int i)
{
    return SqlStatement("Select * from SENSORS Where DEPT = ")
           << quoted(QStringLiteral("PHARMACY")) << " And SENSOR_ID = " << quoted(sensorId(i));
}

bool readThrough(Dataset& dataset, int i)
{
    const bool ok = bool(OpenSql(dataset, sensorRead(i))) && !AtEnd(dataset) &&
                    !ReadField(dataset, QStringLiteral("LOCATION")).asText().isEmpty();
    CloseSql(dataset);
    return ok;
}

std::unique_ptr<Tds> dataModule(Tdf& df, const ServerSettings& settings)
{
    {
        Tds firstStart(df, {});
    } // creates the settings table
    if (!saveServerSettings(df, settings, QStringLiteral("BENCH"), QDateTime::currentDateTime()))
        return nullptr;
    return std::make_unique<Tds>(df, [](const QString& e) { out << e << '\n'; });
}

#ifdef HAVE_MARIADB_CLIENT
MYSQL* connectPlain(const Server& server)
{
    MYSQL* mysql = mysql_init(nullptr);
    unsigned int timeout = 5;
    mysql_options(mysql, MYSQL_OPT_CONNECT_TIMEOUT, &timeout);
    mysql_options(mysql, MYSQL_OPT_READ_TIMEOUT, &timeout);
    mysql_options(mysql, MYSQL_OPT_WRITE_TIMEOUT, &timeout);
    if (!mysql_real_connect(mysql, server.host.toUtf8().constData(),
                            server.user.toUtf8().constData(), server.password.toUtf8().constData(),
                            server.database.toUtf8().constData(),
                            static_cast<unsigned int>(server.port), nullptr, 0)) {
        mysql_close(mysql);
        return nullptr;
    }
    return mysql;
}

bool readPlain(MYSQL* mysql, int i)
{
    const QByteArray sql =
        QByteArrayLiteral("Select * from SENSORS Where DEPT = 'PHARMACY' And SENSOR_ID = '") +
        sensorId(i).toUtf8() + "'";
    if (mysql_real_query(mysql, sql.constData(), static_cast<unsigned long>(sql.size())) != 0)
        return false;
    MYSQL_RES* result = mysql_store_result(mysql);
    const bool ok = result && mysql_fetch_row(result) != nullptr;
    mysql_free_result(result);
    return ok;
}
#endif

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({{QStringLiteral("host"), QStringLiteral("Server address."),
                        QStringLiteral("host"), QStringLiteral("127.0.0.1")},
                       {QStringLiteral("port"), QStringLiteral("Server port."),
                        QStringLiteral("port"), QStringLiteral("3306")},
                       {QStringLiteral("user"), QStringLiteral("Login."), QStringLiteral("name"),
                        QStringLiteral("monitor")},
                       {QStringLiteral("password"), QStringLiteral("Password."),
                        QStringLiteral("text"), QStringLiteral("monitor-pw")},
                       {QStringLiteral("reads"), QStringLiteral("Reads per measurement."),
                        QStringLiteral("n"), QStringLiteral("1000")}});
    parser.process(app);
    Server server;
    server.host = parser.value(QStringLiteral("host"));
    server.port = parser.value(QStringLiteral("port")).toInt();
    server.user = parser.value(QStringLiteral("user"));
    server.password = parser.value(QStringLiteral("password"));
    const int reads = qMax(1, parser.value(QStringLiteral("reads")).toInt());

    if (!prepareDatabase(server))
        return 1;
    out << reads << " single-row reads of SENSORS on " << server.host << ':' << server.port << '\n';

    QTemporaryDir folder;
    ServerSettings settings;
    settings.address = server.host + QLatin1Char(':') + QString::number(server.port);
    settings.database = server.database;
    settings.user = server.user;
    settings.password = server.password;
    settings.persistSecurityInfo = QStringLiteral("False");

    {
        Tdf df(folder.filePath(QStringLiteral("mysql/sensordb.db")));
        settings.type = QStringLiteral("mySQL");
        const auto ds = dataModule(df, settings);
        if (ds)
            measure(QStringLiteral("ds, MySQL branch (connects per statement)"), reads,
                    [&](int i) { return readThrough(ds->MyQuery1, i); });
    }
    {
        Tdf df(folder.filePath(QStringLiteral("odbc/sensordb.db")));
        settings.type = QStringLiteral("SQL 2000");
        settings.provider = QStringLiteral("MariaDB Unicode");
        settings.address = server.host + QLatin1Char(',') + QString::number(server.port);
        const auto ds = dataModule(df, settings);
        if (ds)
            measure(QStringLiteral("ds, SQL Server branch via ODBC (connection kept)"), reads,
                    [&](int i) { return readThrough(ds->AdoView, i); });
    }
#ifdef HAVE_MARIADB_CLIENT
    measure(QStringLiteral("plain client library, connection per read"), reads, [&](int i) {
        MYSQL* mysql = connectPlain(server);
        const bool ok = mysql && readPlain(mysql, i);
        if (mysql)
            mysql_close(mysql);
        return ok;
    });
    MYSQL* kept = connectPlain(server);
    measure(QStringLiteral("plain client library, connection kept"), reads,
            [&](int i) { return kept && readPlain(kept, i); });
    if (kept)
        mysql_close(kept);
#else
    out << "(built without the MySQL client library: no baseline)\n";
#endif
    return 0;
}
