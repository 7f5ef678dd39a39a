#include "data/SqlStatement.h"

#include <QtTest>

using namespace kelvra;

class TestSqlStatement : public QObject
{
    Q_OBJECT

private slots:
    void rendersValuesBetweenApostrophes()
    {
        const SqlStatement sql = SqlStatement(" Select * from USERS Where USER_ID = ")
                                 << quoted("ADMIN")
                                 << " And USER_PASSWORD = " << quoted("X' OR '1'='1");
        QCOMPARE(
            sql.text(),
            QString(
                " Select * from USERS Where USER_ID = 'ADMIN' And USER_PASSWORD = 'X' OR '1'='1'"));
        QCOMPARE(sql.placeholderText(),
                 QString(" Select * from USERS Where USER_ID = ? And USER_PASSWORD = ?"));
        QCOMPARE(sql.values(), QVariantList({"ADMIN", "X' OR '1'='1"}));
    }

    void escapesLiteralsForEachServer_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("tsql");
        QTest::addColumn<QString>("mysql");
        QTest::newRow("plain") << "LAB"
                               << "'LAB'"
                               << "'LAB'";
        QTest::newRow("apostrophes") << "X' OR '1'='1"
                                     << "'X'' OR ''1''=''1'"
                                     << "'X'' OR ''1''=''1'";
        QTest::newRow("trailing backslash") << R"(LAB\)"
                                            << R"('LAB\')"
                                            << R"('LAB\\')";
        QTest::newRow("backslash quote") << R"(\')"
                                         << R"('\''')"
                                         << R"('\\''')";
        QTest::newRow("NUL dropped") << QString("A") + QChar(0) + "B"
                                     << "'AB'"
                                     << "'AB'";
    }

    void escapesLiteralsForEachServer()
    {
        QFETCH(QString, value);
        QFETCH(QString, tsql);
        QFETCH(QString, mysql);
        const SqlStatement sql = SqlStatement("x = ") << quoted(value);
        QCOMPARE(sql.literalText(LiteralStyle::TransactSql), "x = " + tsql);
        QCOMPARE(sql.literalText(LiteralStyle::MySql), "x = " + mysql);
        QCOMPARE((SqlStatement("x = ") << SqlValue{QVariant()}).literalText(LiteralStyle::MySql),
                 QString("x = NULL"));
    }

    void joinsMySqlLinesWithLineBreaks()
    {
        const SqlStatement sql = SqlStatement::lines(
            {" Select distinct SENSOR_ID from SENSORS", " Where STATUS_FLAG = -1",
             SqlStatement(" And DEPT = ") << quoted("LAB"), " Order by SENSOR_ID"});
        QCOMPARE(sql.text(),
                 QString(" Select distinct SENSOR_ID from SENSORS\n Where STATUS_FLAG = -1\n"
                         " And DEPT = 'LAB'\n Order by SENSOR_ID"));
        QCOMPARE(sql.values().size(), 1);
    }

    void findsTable_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("table");
        QTest::newRow("select") << " Select LOG_IN from USERS Where USER_ID = ?"
                                << "USERS";
        QTest::newRow("lower case") << "select * from Server"
                                    << "Server";
        QTest::newRow("delete") << "Delete from OBSERVATIONS\n Where DEPT =?"
                                << "OBSERVATIONS";
        QTest::newRow("drop") << "DROP TABLE CALL_EVENT"
                              << "CALL_EVENT";
        QTest::newRow("none") << "select 1"
                              << "";
    }

    void findsTable()
    {
        QFETCH(QString, statement);
        QFETCH(QString, table);
        QCOMPARE(SqlStatement(statement).table(), table);
    }

    void findsEqualityValues()
    {
        const SqlStatement sql = SqlStatement(" Select LOG_IN from USERS Where USER_ID = ")
                                 << quoted("BOB") << " And DEPT =" << quoted("LAB");
        QCOMPARE(sql.equalityValue("USER_ID").value_or(QVariant()), QVariant("BOB"));
        QCOMPARE(sql.equalityValue("dept").value_or(QVariant()), QVariant("LAB"));
        QVERIFY(!sql.equalityValue("LOG_IN").has_value());
        // A column whose name ends another column's name is not confused with it.
        QVERIFY(!sql.equalityValue("ID").has_value());
    }
};

QTEST_APPLESS_MAIN(TestSqlStatement)
#include "test_sql_statement.moc"
