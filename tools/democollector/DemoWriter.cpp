#include "DemoWriter.h"

#include "DemoTables.h"
#include "db/ServerSchema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace kelvra::demo {

namespace {

// Keeps each statement's placeholders and packet small while saving round trips.
constexpr int valuesPerStatement = 2000;

QString insertStatement(const TableRows& table, int rowCount)
{
    QStringList columns;
    for (const QString& column : table.columns)
        columns.append(QLatin1Char('`') + column + QLatin1Char('`'));
    const QString tuple = QLatin1Char('(') +
                          QStringList(table.columns.size(), QStringLiteral("?")).join(u',') +
                          QLatin1Char(')');
    return QStringLiteral("INSERT INTO ") + table.table + QStringLiteral(" (") +
           columns.join(u',') + QStringLiteral(") VALUES ") +
           QStringList(rowCount, tuple).join(u',');
}

} // namespace

DemoWriter::DemoWriter()
    : m_connectionName(QStringLiteral("democollector-%1").arg(quintptr(this), 0, 16))
{
}

DemoWriter::~DemoWriter()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool DemoWriter::fail(const QString& what, const QString& detail)
{
    m_error = detail.isEmpty() ? what : what + QStringLiteral(": ") + detail;
    return false;
}

bool DemoWriter::open(const ServerAddress& address)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), m_connectionName);
    if (!db.isValid())
        return fail(QStringLiteral("the Qt MySQL driver (QMYSQL) is not available"), QString());
    db.setHostName(address.host);
    db.setPort(address.port);
    db.setUserName(address.user);
    db.setPassword(address.password);
    db.setDatabaseName(address.database);
    // Without time-outs a silent server would hang the load for ever.
    db.setConnectOptions(QStringLiteral(
        "MYSQL_OPT_CONNECT_TIMEOUT=5;MYSQL_OPT_READ_TIMEOUT=5;MYSQL_OPT_WRITE_TIMEOUT=5"));
    if (!db.open())
        return fail(
            QStringLiteral("cannot connect to %1:%2 as %3")
                .arg(address.host)
                .arg(address.port)
                .arg(address.user.isEmpty() ? QStringLiteral("(default user)") : address.user),
            db.lastError().text());
    return true;
}

bool DemoWriter::write(const DemoInstallation& installation)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isOpen())
        return fail(QStringLiteral("not connected"), QString());

    QSqlQuery query(db);
    // CREATE TABLE commits implicitly, so the tables are made before the transaction.
    for (const QString& statement : serverSchemaStatements(SqlDialect::MySql))
        if (!query.exec(statement))
            return fail(QStringLiteral("cannot create the server tables"),
                        query.lastError().text());

    if (!db.transaction())
        return fail(QStringLiteral("cannot start a transaction"), db.lastError().text());

    const auto rollBack = [&](const QString& what, const QString& detail) {
        db.rollback();
        return fail(what, detail);
    };

    for (const QString& table : serverTableNames())
        if (!query.exec(QStringLiteral("DELETE FROM ") + table))
            return rollBack(QStringLiteral("cannot empty table ") + table,
                            query.lastError().text());

    for (const TableRows& table : demoTables(installation)) {
        const int perStatement = std::max<int>(1, valuesPerStatement / table.columns.size());
        int preparedFor = 0;
        for (qsizetype first = 0; first < table.rows.size(); first += perStatement) {
            const int count = int(std::min<qsizetype>(perStatement, table.rows.size() - first));
            if (count != preparedFor) {
                if (!query.prepare(insertStatement(table, count)))
                    return rollBack(QStringLiteral("cannot prepare the rows of ") + table.table,
                                    query.lastError().text());
                preparedFor = count;
            }
            for (qsizetype r = first; r < first + count; ++r)
                for (const QVariant& value : table.rows[r])
                    query.addBindValue(value);
            if (!query.exec())
                return rollBack(QStringLiteral("cannot insert into ") + table.table,
                                query.lastError().text());
        }
    }
    query.finish();

    if (!db.commit())
        return rollBack(QStringLiteral("cannot commit"), db.lastError().text());
    return true;
}

} // namespace kelvra::demo
