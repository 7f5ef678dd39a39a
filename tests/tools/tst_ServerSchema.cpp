#include "ServerTables.h"
#include "db/ServerSchema.h"

#include <QRegularExpression>
#include <QtTest>

using namespace kelvra;
using namespace kelvra::test;

Q_DECLARE_METATYPE(kelvra::SqlDialect)

namespace {

struct Column
{
    QString name;
    QString type; // as declared, lower case, without width
    int width = 0;
};

QString unquoted(QString name)
{
    name.remove(QLatin1Char('`')).remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    return name.trimmed();
}

QString createStatement(SqlDialect dialect, const QString& table)
{
    const QRegularExpression head(
        QStringLiteral(R"(^CREATE TABLE (IF NOT EXISTS )?%1\s*\()").arg(table),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString& statement : serverSchemaStatements(dialect))
        if (head.match(statement).hasMatch())
            return statement;
    return QString();
}

// The items between the outer parentheses, split on the commas outside inner parentheses.
QStringList tableItems(const QString& statement)
{
    const int open = int(statement.indexOf(QLatin1Char('(')));
    const int close = int(statement.lastIndexOf(QLatin1Char(')')));
    QStringList items;
    QString current;
    int depth = 0;
    for (QChar c : statement.mid(open + 1, close - open - 1)) {
        if (c == QLatin1Char('('))
            ++depth;
        if (c == QLatin1Char(')'))
            --depth;
        if (c == QLatin1Char(',') && depth == 0) {
            items.append(current.trimmed());
            current.clear();
        } else {
            current += c;
        }
    }
    items.append(current.trimmed());
    return items;
}

bool isKeyItem(const QString& item)
{
    static const QRegularExpression key(
        QStringLiteral(R"(^(KEY|INDEX|PRIMARY|UNIQUE|CONSTRAINT)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    return key.match(item).hasMatch();
}

QList<Column> columnsOf(SqlDialect dialect, const QString& table)
{
    static const QRegularExpression definition(QStringLiteral(R"(^(\S+)\s+(\w+)(?:\((\d+)\))?)"));
    QList<Column> columns;
    for (const QString& item : tableItems(createStatement(dialect, table))) {
        if (isKeyItem(item))
            continue;
        const auto m = definition.match(item);
        columns.append({unquoted(m.captured(1)), m.captured(2).toLower(), m.captured(3).toInt()});
    }
    return columns;
}

QString kindOf(SqlDialect dialect, const QString& type)
{
    const QStringList texts =
        dialect == SqlDialect::MySql ? QStringList{"varchar"} : QStringList{"nvarchar"};
    const QStringList decimals =
        dialect == SqlDialect::MySql ? QStringList{"double"} : QStringList{"float"};
    if (texts.contains(type))
        return QStringLiteral("text");
    if (decimals.contains(type))
        return QStringLiteral("decimal");
    if (type == QLatin1String("int"))
        return QStringLiteral("whole");
    return QStringLiteral("unexpected type ") + type;
}

// Table name and column list of every index the schema declares.
QList<QPair<QString, QStringList>> indexesOf(SqlDialect dialect)
{
    QList<QPair<QString, QStringList>> indexes;
    const auto columnList = [](const QString& text) {
        QStringList columns;
        for (const QString& c : text.split(QLatin1Char(',')))
            columns.append(unquoted(c));
        return columns;
    };
    static const QRegularExpression inlineKey(QStringLiteral(R"(^KEY\s+\w+\s*\(([^)]*)\)$)"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression createIndex(
        QStringLiteral(R"(^CREATE INDEX\s+\w+\s+ON\s+(\w+)\s*\(([^)]*)\)$)"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString& table : serverTableNames())
        for (const QString& item : tableItems(createStatement(dialect, table)))
            if (const auto m = inlineKey.match(item); m.hasMatch())
                indexes.append({table, columnList(m.captured(1))});
    for (const QString& statement : serverSchemaStatements(dialect))
        if (const auto m = createIndex.match(statement); m.hasMatch())
            indexes.append({m.captured(1), columnList(m.captured(2))});
    return indexes;
}

void addDialects()
{
    QTest::addColumn<SqlDialect>("dialect");
    QTest::newRow("MySQL") << SqlDialect::MySql;
    QTest::newRow("SQL Server") << SqlDialect::SqlServer;
}

} // namespace

class TestServerSchema : public QObject
{
    Q_OBJECT

private slots:
    void tableNames();
    void statementsAreClean_data() { addDialects(); }
    void statementsAreClean();
    void columns_data();
    void columns();
    void indexes_data();
    void indexes();
    void widths_data();
    void widths();
};

void TestServerSchema::tableNames()
{
    QStringList expected;
    for (const ExpectedTable& t : expectedServerTables())
        expected.append(t.name);
    QCOMPARE(serverTableNames(), expected);
}

void TestServerSchema::statementsAreClean()
{
    QFETCH(SqlDialect, dialect);
    const QStringList statements = serverSchemaStatements(dialect);
    QVERIFY(!statements.isEmpty());
    int creates = 0;
    for (const QString& statement : statements) {
        QVERIFY2(!statement.isEmpty() && statement == statement.trimmed(), qPrintable(statement));
        QVERIFY2(!statement.contains(QLatin1String("--")), qPrintable(statement));
        QVERIFY2(!statement.contains(QLatin1Char(';')), qPrintable(statement));
        QVERIFY2(statement.startsWith(QLatin1String("CREATE TABLE ")) ||
                     statement.startsWith(QLatin1String("CREATE INDEX ")),
                 qPrintable(statement));
        if (statement.startsWith(QLatin1String("CREATE TABLE ")))
            ++creates;
        // Only the MySQL file may be run again on an existing database.
        QCOMPARE(statement.startsWith(QLatin1String("CREATE TABLE IF NOT EXISTS ")),
                 dialect == SqlDialect::MySql &&
                     statement.startsWith(QLatin1String("CREATE TABLE")));
    }
    QCOMPARE(creates, 7);
    for (const QString& table : serverTableNames())
        QVERIFY2(!createStatement(dialect, table).isEmpty(), qPrintable(table));
}

void TestServerSchema::columns_data()
{
    QTest::addColumn<SqlDialect>("dialect");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("expected");
    for (const auto& [dialect, name] :
         {std::pair{SqlDialect::MySql, "MySQL"}, std::pair{SqlDialect::SqlServer, "SQL Server"}})
        for (const ExpectedTable& t : expectedServerTables()) {
            QStringList expected;
            for (const auto& [column, kind] : t.columns)
                expected.append(column + QLatin1Char(' ') + kind);
            QTest::addRow("%s %s", name, qPrintable(t.name)) << dialect << t.name << expected;
        }
}

void TestServerSchema::columns()
{
    QFETCH(SqlDialect, dialect);
    QFETCH(QString, table);
    QFETCH(QStringList, expected);
    QStringList declared;
    for (const Column& c : columnsOf(dialect, table))
        declared.append(c.name + QLatin1Char(' ') + kindOf(dialect, c.type));
    QCOMPARE(declared, expected);
}

void TestServerSchema::indexes_data()
{
    QTest::addColumn<SqlDialect>("dialect");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    for (const auto& [dialect, name] :
         {std::pair{SqlDialect::MySql, "MySQL"}, std::pair{SqlDialect::SqlServer, "SQL Server"}})
        for (const auto& [table, columns] : expectedServerIndexes())
            QTest::addRow("%s %s(%s)", name, qPrintable(table), qPrintable(columns.join(',')))
                << dialect << table << columns;
}

void TestServerSchema::indexes()
{
    QFETCH(SqlDialect, dialect);
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    QVERIFY(indexesOf(dialect).contains(qMakePair(table, columns)));
}

void TestServerSchema::widths_data()
{
    QTest::addColumn<SqlDialect>("dialect");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("least");
    // 24 cells of the widest form (6 + 1 + 14 + 1 + 6 + 1 + 14), 23 separators, a leading part.
    const int dayText = 24 * 43 + 23 + 1 + 20;
    for (const auto& [dialect, name] :
         {std::pair{SqlDialect::MySql, "MySQL"}, std::pair{SqlDialect::SqlServer, "SQL Server"}}) {
        QTest::addRow("%s OBS_DATA", name) << dialect << "OBSERVATIONS"
                                           << "OBS_DATA" << dayText;
        QTest::addRow("%s LOCATION", name) << dialect << "SENSORS"
                                           << "LOCATION" << 40;
        QTest::addRow("%s SENSOR_ID", name) << dialect << "SENSORS"
                                            << "SENSOR_ID" << 3;
        QTest::addRow("%s ACTION_TAKEN", name) << dialect << "OBSERVATIONS"
                                               << "ACTION_TAKEN" << 50;
        QTest::addRow("%s ACCESS_LIST", name) << dialect << "USERS"
                                              << "ACCESS_LIST" << 13 * 24;
        QTest::addRow("%s USER_NAME", name) << dialect << "USERS"
                                            << "USER_NAME" << 30;
        QTest::addRow("%s CHANGED", name) << dialect << "SENSORS"
                                          << "CHANGED" << 16 + 1 + 20;
    }
}

void TestServerSchema::widths()
{
    QFETCH(SqlDialect, dialect);
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(int, least);
    const QList<Column> columns = columnsOf(dialect, table);
    const auto it = std::find_if(columns.begin(), columns.end(),
                                 [&](const Column& c) { return c.name == column; });
    QVERIFY(it != columns.end());
    QVERIFY2(it->width >= least, qPrintable(QString::number(it->width)));
}

QTEST_GUILESS_MAIN(TestServerSchema)
#include "tst_ServerSchema.moc"
