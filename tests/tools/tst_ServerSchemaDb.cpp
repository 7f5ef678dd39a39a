#include "ServerTables.h"
#include "db/ServerSchema.h"
#include "support/TestEnvironment.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace kelvra;
using namespace kelvra::test;

namespace {

const QString mysqlDatabase = QStringLiteral("kelvra_tools_schema");
const QString mssqlDatabase = QStringLiteral("kelvra_tools_schema_mssql");

QString kindOf(const QString& dataType)
{
    if (dataType == QLatin1String("varchar"))
        return QStringLiteral("text");
    if (dataType == QLatin1String("double") || dataType == QLatin1String("float"))
        return QStringLiteral("decimal");
    if (dataType == QLatin1String("int"))
        return QStringLiteral("whole");
    return QStringLiteral("unexpected type ") + dataType;
}

QStringList createdColumns(QSqlDatabase& db, const QString& database, const QString& table)
{
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("SELECT COLUMN_NAME, DATA_TYPE FROM information_schema.COLUMNS "
                       "WHERE TABLE_SCHEMA = ? AND TABLE_NAME = ? ORDER BY ORDINAL_POSITION"));
    q.addBindValue(database);
    q.addBindValue(table);
    QStringList columns;
    if (!q.exec())
        return {q.lastError().text()};
    while (q.next())
        columns.append(q.value(0).toString() + QLatin1Char(' ') + kindOf(q.value(1).toString()));
    return columns;
}

QStringList expectedColumns(const QString& table)
{
    QStringList columns;
    for (const ExpectedTable& t : expectedServerTables())
        if (t.name == table)
            for (const auto& [name, kind] : t.columns)
                columns.append(name + QLatin1Char(' ') + kind);
    return columns;
}

bool exec(QSqlQuery& q, const QString& statement, const QVariantList& values = {})
{
    if (!q.prepare(statement)) {
        qWarning("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
        return false;
    }
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        qWarning("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
        return false;
    }
    return true;
}

} // namespace

class TestServerSchemaDb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void mysqlSchemaRunsTwice();
    void createdColumns_data();
    void createdColumns();
    void createdIndexes_data();
    void createdIndexes();
    void screenQueriesNameDateAndTimeUnquoted();
    void sqlServerSchemaParsesInMssqlMode();

private:
    TestServer m_server;
};

void TestServerSchemaDb::initTestCase()
{
    m_server = TestServer::fromEnvironment();
    QVERIFY(recreateDatabase(m_server, mysqlDatabase));
    QSqlDatabase db = directConnection(m_server, mysqlDatabase, QStringLiteral("schema"));
    QVERIFY2(db.open(), qPrintable(db.lastError().text()));
}

void TestServerSchemaDb::cleanupTestCase()
{
    for (const QString& name : {QStringLiteral("schema"), QStringLiteral("schema-mssql")}) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
}

void TestServerSchemaDb::mysqlSchemaRunsTwice()
{
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("schema"));
    QSqlQuery q(db);
    // The collector runs the schema on every load, so it must accept existing tables.
    for (int round = 0; round < 2; ++round)
        for (const QString& statement : serverSchemaStatements(SqlDialect::MySql))
            QVERIFY2(q.exec(statement), qPrintable(q.lastError().text() + " in " + statement));
    QVERIFY(exec(q,
                 QStringLiteral("SELECT TABLE_NAME FROM information_schema.TABLES "
                                "WHERE TABLE_SCHEMA = ? ORDER BY TABLE_NAME"),
                 {mysqlDatabase}));
    QStringList tables;
    // The server keeps table names in lower case (--lower-case-table-names=1).
    while (q.next())
        tables.append(q.value(0).toString().toUpper());
    QStringList expected = serverTableNames();
    expected.sort();
    QCOMPARE(tables, expected);
}

void TestServerSchemaDb::createdColumns_data()
{
    QTest::addColumn<QString>("table");
    for (const QString& table : serverTableNames())
        QTest::newRow(qPrintable(table)) << table;
}

void TestServerSchemaDb::createdColumns()
{
    QFETCH(QString, table);
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("schema"));
    QCOMPARE(::createdColumns(db, mysqlDatabase, table), expectedColumns(table));
}

void TestServerSchemaDb::createdIndexes_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    for (const auto& [table, columns] : expectedServerIndexes())
        QTest::addRow("%s(%s)", qPrintable(table), qPrintable(columns.join(',')))
            << table << columns;
}

void TestServerSchemaDb::createdIndexes()
{
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("schema"));
    QSqlQuery q(db);
    QVERIFY(exec(q,
                 QStringLiteral("SELECT INDEX_NAME, COLUMN_NAME FROM information_schema.STATISTICS "
                                "WHERE TABLE_SCHEMA = ? AND TABLE_NAME = ? "
                                "ORDER BY INDEX_NAME, SEQ_IN_INDEX"),
                 {mysqlDatabase, table}));
    QMap<QString, QStringList> indexes;
    while (q.next())
        indexes[q.value(0).toString()].append(q.value(1).toString());
    QVERIFY2(indexes.values().contains(columns), qPrintable(table));
}

void TestServerSchemaDb::screenQueriesNameDateAndTimeUnquoted()
{
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("schema"));
    QSqlQuery q(db);
    const QString insertEvent = QStringLiteral(
        "INSERT INTO CALL_EVENT (`DATE`, `TIME`, SENSOR_ID, DEPT, ACTUAL) VALUES (?, ?, ?, ?, ?)");
    const QList<QVariantList> events{
        {"03/01/2024", "10:00:00", "01", "LAB", "a"},
        {"03/02/2024", "09:00:00", "01", "LAB", "b"},
        {"03/02/2024", "11:00:00", "01", "LAB", "c"},
        {"03/03/2024", "08:00:00", "01", "LAB", "outside the range"},
        {"03/02/2024", "12:00:00", "01", "PHARMACY", "other department"},
    };
    for (const QVariantList& e : events)
        QVERIFY(exec(q, insertEvent, e));

    // The exception report's statement, as its lines joined by line breaks.
    QVERIFY(exec(q,
                 QStringLiteral(" Select * from CALL_EVENT\n Where SENSOR_ID = ?\n And DEPT = ?\n"
                                " AND DATE Between ? AND ?\n ORDER by DATE DESC,TIME DESC"),
                 {"01", "LAB", "03/01/2024", "03/02/2024"}));
    QStringList found;
    while (q.next())
        found.append(q.value(QStringLiteral("ACTUAL")).toString());
    QCOMPARE(found, QStringList({"c", "b", "a"}));

    // Server administration deletes the audit trail by its day keys.
    const QString insertActivity =
        QStringLiteral("INSERT INTO ACTIVITY (DEPT, `DATE`, `TIME`, EVENT) VALUES (?, ?, ?, ?)");
    for (const char* day : {"20240229", "20240301", "20240302", "20240303"})
        QVERIFY(exec(q, insertActivity, {"LAB", day, "07:00:00", "USER SIGNED ON"}));
    QVERIFY(exec(q,
                 QStringLiteral("Delete from ACTIVITY\n Where DEPT =?\n AND DATE Between ? AND ?"),
                 {"LAB", "20240301", "20240302"}));
    QCOMPARE(q.numRowsAffected(), 2);
    QVERIFY(exec(q, QStringLiteral("Select DATE, TIME from ACTIVITY Where DEPT = ? Order by DATE"),
                 {"LAB"}));
    QStringList left;
    while (q.next())
        left.append(q.value(0).toString());
    QCOMPARE(left, QStringList({"20240229", "20240303"}));
}

// Not a T-SQL check (there is no SQL Server here): MariaDB's MSSQL mode reads [quoted] names,
// nvarchar and CREATE INDEX, which catches typos and a column list out of step.
void TestServerSchemaDb::sqlServerSchemaParsesInMssqlMode()
{
    QVERIFY(recreateDatabase(m_server, mssqlDatabase));
    {
        QSqlDatabase db = directConnection(m_server, mssqlDatabase, QStringLiteral("schema-mssql"));
        QVERIFY2(db.open(), qPrintable(db.lastError().text()));
        QSqlQuery q(db);
        QVERIFY(exec(q, QStringLiteral("SET SESSION sql_mode = ?"), {"MSSQL"}));
        for (const QString& statement : serverSchemaStatements(SqlDialect::SqlServer))
            QVERIFY2(q.exec(statement), qPrintable(q.lastError().text() + " in " + statement));
        for (const QString& table : serverTableNames())
            QCOMPARE(::createdColumns(db, mssqlDatabase, table), expectedColumns(table));
        db.close();
    }
}

QTEST_GUILESS_MAIN(TestServerSchemaDb)
#include "tst_ServerSchemaDb.moc"
