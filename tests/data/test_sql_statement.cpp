#include "data/ServerDialect.h"
#include "data/SqlStatement.h"

#include <QtTest>

#include <string>
#include <type_traits>

using namespace kelvra;

// Typed and stored texts reach a statement only as values: concatenating one must not compile.
template <typename T>
concept Appendable = requires(SqlStatement statement, T piece)
{
    statement << piece;
};
static_assert(!std::is_constructible_v<SqlStatement, QString>);
static_assert(!std::is_constructible_v<SqlStatement, const char*>);
static_assert(!std::is_constructible_v<SqlStatement, std::string>);
static_assert(!std::is_constructible_v<SqlStatement, char (&)[8]>);
static_assert(!Appendable<QString>);
static_assert(!Appendable<const QString&>);
static_assert(!Appendable<const char*>);
static_assert(!Appendable<std::string>);
static_assert(!Appendable<QLatin1String>);
static_assert(!Appendable<char (&)[8]>);
static_assert(!std::is_convertible_v<QString, SqlText>);
static_assert(!std::is_convertible_v<const char*, SqlText>);
static_assert(Appendable<const char (&)[8]>);
static_assert(Appendable<SqlText>);
static_assert(Appendable<SqlValue>);

namespace {
constexpr SqlText namedConstant = " Order by SENSOR_ID";
}

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
                               << "N'LAB'"
                               << "'LAB'";
        QTest::newRow("apostrophes") << "X' OR '1'='1"
                                     << "N'X'' OR ''1''=''1'"
                                     << "'X'' OR ''1''=''1'";
        QTest::newRow("trailing backslash") << R"(LAB\)"
                                            << R"(N'LAB\')"
                                            << R"('LAB\\')";
        QTest::newRow("backslash quote") << R"(\')"
                                         << R"(N'\''')"
                                         << R"('\\''')";
        QTest::newRow("NUL dropped") << QString("A") + QChar(0) + "B"
                                     << "N'AB'"
                                     << "'AB'";
        QTest::newRow("letters beyond ASCII") << "Kühlraum °C"
                                              << "N'Kühlraum °C'"
                                              << "'Kühlraum °C'";
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

    // LIKE values keep their own wildcards literal on every server; the statement's text and a
    // month key's own "%" stay as written.
    // A year condition keeps its own leading wildcard; wildcards inside the value match only
    // themselves.
    void likeEndKeepsItsLeadingWildcard()
    {
        const SqlStatement year = SqlStatement("x like ") << quotedLikeEnd("/2024");
        QCOMPARE(year.text(), QString("x like '%/2024'"));
        QCOMPARE(year.literalText(LiteralStyle::TransactSql), QString("x like N'%/2024'"));
        QCOMPARE(year.literalText(LiteralStyle::MySql), QString("x like '%/2024'"));
        QCOMPARE(year.values(), QVariantList{"%/2024"});
        const SqlStatement odd = SqlStatement("x like ") << quotedLikeEnd("5_%");
        QCOMPARE(odd.literalText(LiteralStyle::TransactSql), QString("x like N'%5[_][%]'"));
        QCOMPARE(odd.values(), QVariantList{R"(%5\_\%)"});
    }

    void escapesWildcardsInsideLikeValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("start");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tsql");
        QTest::addColumn<QString>("mysql");
        QTest::addColumn<QString>("bound");
        QTest::newRow("plain") << "LAB" << false << "'LAB'"
                               << "N'LAB'"
                               << "'LAB'"
                               << "LAB";
        QTest::newRow("underscore") << "LAB_1" << false << "'LAB_1'"
                                    << "N'LAB[_]1'"
                                    << R"('LAB\\_1')"
                                    << R"(LAB\_1)";
        QTest::newRow("percent and bracket") << "5%[A]" << false << "'5%[A]'"
                                             << "N'5[%][[]A]'"
                                             << R"('5\\%[A]')"
                                             << R"(5\%[A])";
        QTest::newRow("backslash") << R"(A\B)" << false << R"('A\B')"
                                   << R"(N'A\B')"
                                   << R"('A\\\\B')"
                                   << R"(A\\B)";
        QTest::newRow("month key") << "202612" << true << "'202612%'"
                                   << "N'202612%'"
                                   << "'202612%'"
                                   << "202612%";
        QTest::newRow("apostrophe") << "O'B_" << false << "'O'B_'"
                                    << "N'O''B[_]'"
                                    << R"('O''B\\_')"
                                    << R"(O'B\_)";
    }

    void escapesWildcardsInsideLikeValues()
    {
        QFETCH(QString, value);
        QFETCH(bool, start);
        QFETCH(QString, text);
        QFETCH(QString, tsql);
        QFETCH(QString, mysql);
        QFETCH(QString, bound);
        const SqlStatement sql = SqlStatement("x like ")
                                 << (start ? quotedLikeStart(value) : quotedLike(value));
        QCOMPARE(sql.text(), "x like " + text);
        QCOMPARE(sql.literalText(LiteralStyle::TransactSql), "x like " + tsql);
        QCOMPARE(sql.literalText(LiteralStyle::MySql), "x like " + mysql);
        QCOMPARE(sql.values(LikeEscaping::Backslash), QVariantList{bound});
    }

    void joinsMySqlLinesWithLineBreaks()
    {
        const SqlStatement sql = SqlStatement::lines(
            {" Select distinct SENSOR_ID from SENSORS", " Where STATUS_FLAG = -1",
             SqlStatement(" And DEPT = ") << quoted("LAB"), namedConstant});
        QCOMPARE(sql.text(),
                 QString(" Select distinct SENSOR_ID from SENSORS\n Where STATUS_FLAG = -1\n"
                         " And DEPT = 'LAB'\n Order by SENSOR_ID"));
        QCOMPARE(sql.values().size(), 1);
        QCOMPARE(sql.table(), QString("SENSORS"));
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
        QCOMPARE(tableNamedIn(statement), table);
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

    // Names learnt at run time run only when they are plain names.
    void refusesNamesThatAreNotPlain_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("runnable");
        QTest::newRow("plain") << "LOG_IN" << true;
        QTest::newRow("digits") << "ADDRESS1" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "LOG IN" << false;
        QTest::newRow("statement") << "X = 1; DROP TABLE USERS" << false;
        QTest::newRow("quote") << "A'" << false;
        QTest::newRow("leading digit") << "1A" << false;
    }

    void refusesNamesThatAreNotPlain()
    {
        QFETCH(QString, name);
        QFETCH(bool, runnable);
        const SqlStatement sql = SqlStatement("UPDATE USERS SET ")
                                 << identifier(name) << " = " << quoted("0");
        QCOMPARE(sql.isRunnable(), runnable);
    }

    void namesTheServerBehindOdbc_data()
    {
        QTest::addColumn<QString>("dbmsName");
        QTest::addColumn<int>("literals");
        QTest::addColumn<bool>("separates");
        const int tsql = int(LiteralStyle::TransactSql);
        const int mysql = int(LiteralStyle::MySql);
        QTest::newRow("SQL Server") << "Microsoft SQL Server" << tsql << false;
        QTest::newRow("MariaDB") << "MariaDB" << mysql << true;
        QTest::newRow("MySQL") << "MySQL" << mysql << true;
        // Unknown servers get the escaping that is safe on both.
        QTest::newRow("unknown") << "" << mysql << false;
        QTest::newRow("other") << "PostgreSQL" << mysql << false;
    }

    void namesTheServerBehindOdbc()
    {
        QFETCH(QString, dbmsName);
        QFETCH(int, literals);
        QFETCH(bool, separates);
        const OdbcDialect dialect = odbcDialectOf(serverKindOf(dbmsName));
        QCOMPARE(int(dialect.literals), literals);
        QCOMPARE(dialect.separateNumbersFromWords, separates);
    }

    void separatesNumbersFromWords_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("sent");
        QTest::newRow("-1And") << " Where STATUS_FLAG = -1And DEPT = 'LAB'"
                               << " Where STATUS_FLAG = -1 And DEPT = 'LAB'";
        QTest::newRow("decimal") << "x = 1.5And y"
                                 << "x = 1.5 And y";
        QTest::newRow("at the end") << "x = 10"
                                    << "x = 10";
        QTest::newRow("names with digits") << "ADDRESS1, s1x, T2And"
                                           << "ADDRESS1, s1x, T2And";
        QTest::newRow("quoted texts") << R"(DEPT = '-1And' And X = "2x" And `3y` = 1)"
                                      << R"(DEPT = '-1And' And X = "2x" And `3y` = 1)";
        QTest::newRow("escaped quote in text") << R"(D = 'a\'1And' And E = 1Or)"
                                               << R"(D = 'a\'1And' And E = 1 Or)";
        QTest::newRow("doubled quote in text") << "D = 'a''1And' And E = 2And"
                                               << "D = 'a''1And' And E = 2 And";
        QTest::newRow("exponent") << "x = 1e5 And y = 2E-3"
                                  << "x = 1e5 And y = 2E-3";
        QTest::newRow("hexadecimal") << "x = 0x1F"
                                     << "x = 0x1F";
        QTest::newRow("qualified name") << "t.1x"
                                        << "t.1x";
    }

    void separatesNumbersFromWords()
    {
        QFETCH(QString, sql);
        QFETCH(QString, sent);
        QCOMPARE(separateNumbersFromWords(sql), sent);
    }
};

QTEST_APPLESS_MAIN(TestSqlStatement)
#include "test_sql_statement.moc"
