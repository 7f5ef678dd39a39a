#include "support/TestEnvironment.h"

#include "db/ServerSchema.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace kelvra::test {

TestServer TestServer::fromEnvironment()
{
    TestServer server;
    server.host = qEnvironmentVariable("KELVRA_TEST_DB_HOST", QStringLiteral("127.0.0.1"));
    server.port = qEnvironmentVariableIntValue("KELVRA_TEST_DB_PORT");
    if (server.port == 0)
        server.port = 33071;
    return server;
}

QString TestServer::address() const
{
    return host + QLatin1Char(':') + QString::number(port);
}

QSqlDatabase directConnection(const TestServer& server, const QString& database,
                              const QString& connectionName)
{
    QSqlDatabase db = QSqlDatabase::contains(connectionName)
                          ? QSqlDatabase::database(connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), connectionName);
    db.setHostName(server.host);
    db.setPort(server.port);
    db.setUserName(server.user);
    db.setPassword(server.password);
    db.setDatabaseName(database);
    db.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=5"));
    return db;
}

bool recreateDatabase(const TestServer& server, const QString& name)
{
    bool ok = false;
    {
        QSqlDatabase db = directConnection(server, QString(), QStringLiteral("kelvra-test-admin"));
        if (!db.open()) {
            qWarning("cannot reach the test MariaDB: %s", qPrintable(db.lastError().text()));
        } else {
            QSqlQuery q(db);
            ok = q.exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(name)) &&
                 q.exec(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET utf8mb4").arg(name));
            if (!ok)
                qWarning("cannot create database %s: %s", qPrintable(name),
                         qPrintable(q.lastError().text()));
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("kelvra-test-admin"));
    return ok;
}

bool runSqlFile(QSqlDatabase& db, const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read ") + path;
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    QSqlQuery q(db);
    for (QString statement : text.split(QLatin1Char(';'))) {
        // Drop comment lines; the files hold no ';' inside texts.
        QStringList lines;
        for (const QString& line : statement.split(QLatin1Char('\n')))
            if (!line.trimmed().startsWith(QLatin1String("--")))
                lines.append(line);
        statement = lines.join(QLatin1Char('\n')).trimmed();
        if (statement.isEmpty())
            continue;
        if (!q.exec(statement)) {
            if (error)
                *error = q.lastError().text() + QStringLiteral(" in: ") + statement;
            return false;
        }
    }
    return true;
}

QString sourceDir()
{
    return qEnvironmentVariable("KELVRA_TEST_SOURCE_DIR");
}

QSqlDatabase freshServerDatabase(const TestServer& server, const QString& name)
{
    if (!recreateDatabase(server, name))
        return {};
    QSqlDatabase db = directConnection(server, name, QStringLiteral("arrange"));
    if (!db.open()) {
        qWarning("cannot open %s: %s", qPrintable(name), qPrintable(db.lastError().text()));
        return db;
    }
    QSqlQuery q(db);
    for (const QString& statement : serverSchemaStatements(SqlDialect::MySql)) {
        if (!q.exec(statement)) {
            qWarning("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
            db.close();
            return db;
        }
    }
    return db;
}

} // namespace kelvra::test
