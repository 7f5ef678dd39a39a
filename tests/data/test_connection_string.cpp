#include "data/ConnectionString.h"

#include <QtTest>

using namespace kelvra;

namespace {

ServerSettings sqlServerSettings(const QString& type)
{
    ServerSettings s;
    s.type = type;
    s.provider = "SQLOLEDB.1";
    s.persistSecurityInfo = "False";
    s.database = "sensors";
    s.user = "monitor";
    s.password = "";
    s.address = "10.0.0.5";
    s.marsConnection = "True";
    s.integratedSecurity = "SSPI";
    return s;
}

} // namespace

class TestConnectionString : public QObject
{
    Q_OBJECT

private slots:
    void buildsOleDbString_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("custom");
        QTest::addColumn<QString>("expected");

        const QString sql2000 =
            "Provider = SQLOLEDB.1;Persist Security Info = False;Initial Catalog = "
            "sensors;User ID = monitor;Password = ;Data Source = 10.0.0.5";
        QTest::newRow("SQL 2000") << "SQL 2000"
                                  << "" << sql2000;
        QTest::newRow("SQL builds as SQL 2000") << "SQL"
                                                << "" << sql2000;
        QTest::newRow("SQL 2005") << "SQL 2005"
                                  << ""
                                  << "Provider = SQLOLEDB.1;Persist Security Info = False;Initial "
                                     "Catalog = sensors;User ID = "
                                     "monitor;Password = ;Network Address = 10.0.0.5;MARS "
                                     "Connection = True;Integrated Security = SSPI";
        QTest::newRow("custom string wins") << "SQL 2000"
                                            << "Provider=SQLNCLI;Server=x"
                                            << "Provider=SQLNCLI;Server=x";
        QTest::newRow("custom string for mySQL too") << "mySQL"
                                                     << "anything"
                                                     << "anything";
        QTest::newRow("mySQL has no OLE DB string") << "mySQL"
                                                    << ""
                                                    << "";
        QTest::newRow("unknown type") << "Oracle"
                                      << ""
                                      << "";
    }

    void buildsOleDbString()
    {
        QFETCH(QString, type);
        QFETCH(QString, custom);
        QFETCH(QString, expected);
        ServerSettings s = sqlServerSettings(type);
        s.customConnect = custom;
        QCOMPARE(buildOleDbConnectionString(s), expected);
    }

    void translatesToOdbc_data()
    {
        QTest::addColumn<QString>("oleDb");
        QTest::addColumn<QString>("odbc");

        QTest::newRow("SQLOLEDB chooses FreeTDS")
            << "Provider = SQLOLEDB.1;Persist Security Info = False;Initial Catalog = sensors;User "
               "ID = "
               "monitor;Password = ;Data Source = 10.0.0.5"
            << "Driver={FreeTDS};SERVER=10.0.0.5;DATABASE=sensors;UID=monitor;PWD=;TDS_Version=7.1";
        QTest::newRow("SQLNCLI with host,port")
            << "Provider = SQLNCLI10;Network Address = db.example,1433;Initial Catalog = s;User ID "
               "= u;"
               "Password = p;MARS Connection = True;Integrated Security = SSPI"
            << "Driver={FreeTDS};SERVER=db.example;PORT=1433;DATABASE=s;UID=u;PWD=p;TDS_Version=7."
               "2";
        QTest::newRow("MSOLEDBSQL") << "Provider=MSOLEDBSQL;Data Source=h;User ID=u;Password=p"
                                    << "Driver={FreeTDS};SERVER=h;UID=u;PWD=p;TDS_Version=7.4";
        QTest::newRow("other provider is a driver name, host:port")
            << "Provider = MariaDB Unicode;Persist Security Info = False;Initial Catalog = db;User "
               "ID = u;"
               "Password = p;Data Source = 127.0.0.1:3307"
            << "Driver={MariaDB Unicode};SERVER=127.0.0.1;PORT=3307;DATABASE=db;UID=u;PWD=p;"
               "CONN_TIMEOUT=10;READ_TIMEOUT=30;WRITE_TIMEOUT=30;OPTION=2";
        QTest::newRow("password with separators is brace-quoted")
            << "Provider = SQLOLEDB.1;User ID = u;Password = a=b}c;Data Source = h"
            << "Driver={FreeTDS};SERVER=h;UID=u;PWD={a=b}}c};TDS_Version=7.1";
        QTest::newRow("already ODBC") << "Driver={FreeTDS};Server=h;UID=u;PWD=p;"
                                      << "Driver={FreeTDS};Server=h;UID=u;PWD=p;";
        QTest::newRow("DSN") << "DSN=sensors;UID=u"
                             << "DSN=sensors;UID=u";
    }

    void translatesToOdbc()
    {
        QFETCH(QString, oleDb);
        QFETCH(QString, odbc);
        const QString result = oleDbToOdbc(oleDb);
        QCOMPARE(result, odbc);
    }

    void choosesTheLiteralStyleOfTheDriver()
    {
        QCOMPARE(odbcLiteralStyle("Driver={FreeTDS};SERVER=h"), LiteralStyle::TransactSql);
        QCOMPARE(odbcLiteralStyle("Driver={MariaDB Unicode};SERVER=h"), LiteralStyle::MySql);
        QCOMPARE(odbcLiteralStyle("DSN=sensors"), LiteralStyle::TransactSql);
    }

    void splitsAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("plain") << "10.0.0.5"
                               << "10.0.0.5" << 3306;
        QTest::newRow("colon") << "127.0.0.1:33071"
                               << "127.0.0.1" << 33071;
        QTest::newRow("comma") << "db,1433"
                               << "db" << 1433;
        QTest::newRow("tcp prefix") << "tcp:db,1433"
                                    << "db" << 1433;
        QTest::newRow("not a port") << "db:abc"
                                    << "db:abc" << 3306;
        QTest::newRow("instance name") << "db\\SQLEXPRESS"
                                       << "db\\SQLEXPRESS" << 3306;
    }

    void splitsAddresses()
    {
        QFETCH(QString, address);
        QFETCH(QString, host);
        QFETCH(int, port);
        const HostAndPort result = splitAddress(address, 3306);
        QCOMPARE(result.host, host);
        QCOMPARE(result.port, port);
    }
};

QTEST_APPLESS_MAIN(TestConnectionString)
#include "test_connection_string.moc"
