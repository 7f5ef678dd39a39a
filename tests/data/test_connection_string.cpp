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
            << "Driver={FreeTDS};SERVER=10.0.0.5;DATABASE=sensors;UID=monitor;PWD=;TDS_Version=7.1;"
               "Timeout=30";
        QTest::newRow("SQLNCLI with host,port")
            << "Provider = SQLNCLI10;Network Address = db.example,1433;Initial Catalog = s;User ID "
               "= u;"
               "Password = p;MARS Connection = True;Integrated Security = SSPI"
            << "Driver={FreeTDS};SERVER=db.example;PORT=1433;DATABASE=s;UID=u;PWD=p;TDS_Version=7."
               "2;Timeout=30";
        QTest::newRow("MSOLEDBSQL")
            << "Provider=MSOLEDBSQL;Data Source=h;User ID=u;Password=p"
            << "Driver={FreeTDS};SERVER=h;UID=u;PWD=p;TDS_Version=7.4;Timeout=30";
        QTest::newRow("other provider is a driver name, host:port")
            << "Provider = MariaDB Unicode;Persist Security Info = False;Initial Catalog = db;User "
               "ID = u;"
               "Password = p;Data Source = 127.0.0.1:3307"
            << "Driver={MariaDB Unicode};SERVER=127.0.0.1;PORT=3307;DATABASE=db;UID=u;PWD=p;"
               "CONN_TIMEOUT=10;READ_TIMEOUT=30;WRITE_TIMEOUT=30;OPTION=2";
        QTest::newRow("password with separators is brace-quoted")
            << "Provider = SQLOLEDB.1;User ID = u;Password = a=b}c;Data Source = h"
            << "Driver={FreeTDS};SERVER=h;UID=u;PWD={a=b}}c};TDS_Version=7.1;Timeout=30";
    }

    void translatesToOdbc()
    {
        QFETCH(QString, oleDb);
        QFETCH(QString, odbc);
        const QString result = oleDbToOdbc(oleDb);
        QCOMPARE(result, odbc);
    }

    // A custom ODBC string is used as it is, but never without the driver's time-outs.
    void addsTimeOutsToCustomOdbcStrings_data()
    {
        QTest::addColumn<QString>("custom");
        QTest::addColumn<QString>("odbc");
        QTest::newRow("FreeTDS by name") << "Driver={FreeTDS};Server=h;UID=u;PWD=p;"
                                         << "Driver={FreeTDS};Server=h;UID=u;PWD=p;Timeout=3";
        QTest::newRow("FreeTDS by path")
            << "Driver=/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so;Server=h"
            << "Driver=/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so;Server=h;Timeout=3";
        QTest::newRow("a time-out of its own is kept") << "Driver={FreeTDS};Server=h;timeout=120"
                                                       << "Driver={FreeTDS};Server=h;timeout=120";
        QTest::newRow("MariaDB by path")
            << "Driver=/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so;Server=h"
            << "Driver=/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so;Server=h;CONN_TIMEOUT=2;"
               "READ_TIMEOUT=3;WRITE_TIMEOUT=3";
        QTest::newRow("MariaDB naming one of its keys")
            << "Driver={MariaDB Unicode};Server=h;READ_TIMEOUT=60"
            << "Driver={MariaDB Unicode};Server=h;READ_TIMEOUT=60;CONN_TIMEOUT=2;WRITE_TIMEOUT=3";
        QTest::newRow("data source of FreeTDS") << "DSN=mssql;UID=u"
                                                << "DSN=mssql;UID=u;Timeout=3";
        QTest::newRow("data source of MariaDB naming a time-out")
            << "DSN=stand;UID=u"
            << "DSN=stand;UID=u;CONN_TIMEOUT=2;WRITE_TIMEOUT=3";
        QTest::newRow("unknown data source") << "DSN=nowhere"
                                             << "DSN=nowhere";
        QTest::newRow("unknown driver") << "Driver={Other};Server=h"
                                        << "Driver={Other};Server=h";
    }

    void addsTimeOutsToCustomOdbcStrings()
    {
        QFETCH(QString, custom);
        QFETCH(QString, odbc);
        // odbc.ini as the tests see it.
        const DataSourceEntry entries = [](const QString& dataSource, const QString& key) {
            if (dataSource == "mssql" && key == "Driver")
                return QString("FreeTDS");
            if (dataSource == "stand" && key == "Driver")
                return QString("/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so");
            if (dataSource == "stand" && key == "READ_TIMEOUT")
                return QString("60");
            return QString();
        };
        const ServerTimeouts timeouts{.loginSeconds = 2, .statementSeconds = 3};
        QCOMPARE(oleDbToOdbc(custom, timeouts, entries), odbc);
    }

    void givesQtTheDataSourceItsWay_data()
    {
        QTest::addColumn<QString>("odbc");
        QTest::addColumn<QString>("databaseName");
        QTest::newRow("driver string as it is") << "Driver={FreeTDS};SERVER=h;UID=u"
                                                << "Driver={FreeTDS};SERVER=h;UID=u";
        QTest::newRow("data source first") << "DSN=stand;UID=u;PWD=p;READ_TIMEOUT=3"
                                           << "stand;UID=u;PWD=p;READ_TIMEOUT=3";
        QTest::newRow("data source later") << "UID=u;dsn=stand;PWD=p"
                                           << "stand;UID=u;PWD=p";
        QTest::newRow("data source with a server") << "DSN=stand;Server=h"
                                                   << "DSN=stand;Server=h";
    }

    void givesQtTheDataSourceItsWay()
    {
        QFETCH(QString, odbc);
        QFETCH(QString, databaseName);
        QCOMPARE(qtOdbcDatabaseName(odbc), databaseName);
    }

    void translationCarriesInjectedTimeOuts()
    {
        const ServerTimeouts timeouts{.loginSeconds = 2, .statementSeconds = 3};
        QCOMPARE(
            oleDbToOdbc("Provider = SQLOLEDB.1;Data Source = h;User ID = u;Password = p", timeouts),
            QString("Driver={FreeTDS};SERVER=h;UID=u;PWD=p;TDS_Version=7.1;Timeout=3"));
        QCOMPARE(oleDbToOdbc("Provider = MariaDB Unicode;Data Source = h;User ID = u;Password = p",
                             timeouts),
                 QString("Driver={MariaDB Unicode};SERVER=h;UID=u;PWD=p;CONN_TIMEOUT=2;"
                         "READ_TIMEOUT=3;WRITE_TIMEOUT=3;OPTION=2"));
    }

    // Values go from the fields to ODBC whole: ";" and "=" inside a password or a database
    // name cannot cut the string, as they would in the joined OLE DB text.
    void buildsOdbcFromTheFieldValues_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("provider");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("custom");
        QTest::addColumn<QString>("odbc");
        QTest::newRow("SQL 2000, separators in the password")
            << "SQL 2000"
            << "SQLOLEDB.1"
            << "a;b=c"
            << ""
            << "Driver={FreeTDS};SERVER=10.0.0.5;DATABASE=sensors;UID=monitor;PWD={a;b=c};"
               "TDS_Version=7.1;Timeout=3";
        QTest::newRow("SQL 2005, a closing brace doubled")
            << "SQL 2005"
            << "SQLNCLI10"
            << "x}y;Password=z"
            << ""
            << "Driver={FreeTDS};SERVER=10.0.0.5;DATABASE=sensors;UID=monitor;"
               "PWD={x}}y;Password=z};TDS_Version=7.2;Timeout=3";
        QTest::newRow("SQL as SQL 2000, an empty provider is FreeTDS")
            << "SQL"
            << ""
            << "p"
            << ""
            << "Driver={FreeTDS};SERVER=10.0.0.5;DATABASE=sensors;UID=monitor;PWD=p;"
               "TDS_Version=7.1;Timeout=3";
        QTest::newRow("driver name as provider")
            << "SQL 2000"
            << "MariaDB Unicode"
            << "a;b=c"
            << ""
            << "Driver={MariaDB Unicode};SERVER=10.0.0.5;DATABASE=sensors;UID=monitor;"
               "PWD={a;b=c};CONN_TIMEOUT=2;READ_TIMEOUT=3;WRITE_TIMEOUT=3;OPTION=2";
        QTest::newRow("custom string wins")
            << "SQL 2000"
            << "SQLOLEDB.1"
            << "ignored"
            << "Provider=SQLOLEDB;Network Address=h;Initial Catalog=c"
            << "Driver={FreeTDS};SERVER=h;DATABASE=c;UID=;PWD=;TDS_Version=7.1;Timeout=3";
        QTest::newRow("mySQL has none") << "mySQL"
                                        << ""
                                        << "p"
                                        << ""
                                        << "";
        QTest::newRow("no type has none") << "Choose Database Type"
                                          << ""
                                          << "p"
                                          << ""
                                          << "";
    }

    void buildsOdbcFromTheFieldValues()
    {
        QFETCH(QString, type);
        QFETCH(QString, provider);
        QFETCH(QString, password);
        QFETCH(QString, custom);
        QFETCH(QString, odbc);
        ServerSettings s = sqlServerSettings(type);
        s.provider = provider;
        s.password = password;
        s.customConnect = custom;
        const ServerTimeouts timeouts{.loginSeconds = 2, .statementSeconds = 3};
        QCOMPARE(odbcConnectionString(s, timeouts), odbc);
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
