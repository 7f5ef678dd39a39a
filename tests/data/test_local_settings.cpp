#include "data/DataAccess.h"
#include "data/ServerSettingsStore.h"
#include "data/Tdf.h"
#include "data/Tds.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvra;

namespace {

const QStringList serverColumns = {"Address",     "Username",    "sqlProvider", "sqlSecurity",
                                   "sqlDataType", "persistinfo", "userconnect", "marsconn",
                                   "Type",        "Pass",        "Dbname",      "Who",
                                   "Changed"};

// Runs statements straight on an SQLite file, outside the data modules.
void runOnFile(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "arrange");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString& statement : statements)
            QVERIFY2(q.exec(statement), qPrintable(statement));
        db.close();
    }
    QSqlDatabase::removeDatabase("arrange");
}

QStringList columnsOf(Tdf& df, SqlText table)
{
    QStringList names;
    if (OpenSql(df.AdoView, SqlStatement("Select * from ") << table))
        names = df.AdoView.fieldNames();
    CloseSql(df.AdoView);
    return names;
}

struct Module
{
    explicit Module(const QString& path)
        : df(path), ds(df, [this](const QString& e) { errors << e; })
    {
    }
    QStringList errors;
    Tdf df;
    Tds ds;
};

} // namespace

class TestLocalSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("Database/sensordb.db"); }

private slots:
    void init() { QFile::remove(path()); }

    void firstStartCreatesTheTablesPrivately()
    {
        Module m(path());
        QVERIFY(m.errors.isEmpty());
        // Nobody but the owner may read the stored server password.
        const QFile::Permissions permissions = QFile::permissions(path());
        QVERIFY(permissions.testFlags(QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(!(permissions &
                  (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther)));
        QCOMPARE(columnsOf(m.df, "SERVER"), serverColumns);
        QVERIFY(columnsOf(m.df, "USERS").contains("ACCESS_LIST"));
        QVERIFY(columnsOf(m.df, "REGISTRATION").contains("REG_ID"));
        QCOMPARE(m.ds.DbType, QString());
        QVERIFY(!m.ds.IsAdoType());
        QVERIFY(!m.ds.IsMySqlType());
        QCOMPARE(m.ds.adoConnectionString(), QString());
        QVERIFY(!m.ds.MyConnection1.isConfigured());
    }

    void preparesTheConnectionOfTheStoredType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("custom");
        QTest::addColumn<QString>("ado");
        QTest::addColumn<bool>("isAdo");
        QTest::addColumn<bool>("isMySql");
        QTest::addColumn<int>("mySqlPort");

        QTest::newRow("SQL 2005, empty provider")
            << "SQL 2005"
            << "10.0.0.5"
            << ""
            << "Provider = SQLOLEDB.1;Persist Security Info = False;Initial Catalog = sensors;User "
               "ID = "
               "monitor;Password = pw;Network Address = 10.0.0.5;MARS Connection = ;Integrated "
               "Security = "
            << true << false << 0;
        QTest::newRow("SQL is not a screen type") << "SQL"
                                                  << "10.0.0.5"
                                                  << ""
                                                  << "Provider = SQLOLEDB.1;Persist Security Info "
                                                     "= False;Initial Catalog = sensors;User ID = "
                                                     "monitor;Password = pw;Data Source = 10.0.0.5"
                                                  << false << false << 0;
        QTest::newRow("mySQL on the fixed port") << "mySQL"
                                                 << "10.0.0.5"
                                                 << ""
                                                 << "" << false << true << 3306;
        QTest::newRow("mySQL address with its port") << "mySQL"
                                                     << "127.0.0.1:33071"
                                                     << ""
                                                     << "" << false << true << 33071;
        // The MySQL settings never read the custom string.
        QTest::newRow("custom string unused for mySQL") << "mySQL"
                                                        << "10.0.0.5"
                                                        << "Provider=X;Server=y"
                                                        << "" << false << true << 3306;
    }

    void preparesTheConnectionOfTheStoredType()
    {
        QFETCH(QString, type);
        QFETCH(QString, address);
        QFETCH(QString, custom);
        QFETCH(QString, ado);
        QFETCH(bool, isAdo);
        QFETCH(bool, isMySql);
        QFETCH(int, mySqlPort);
        {
            Tdf df(path());
            Tds ds(df, {});
        }
        runOnFile(
            path(),
            {QString("INSERT INTO SERVER (Address, Username, Pass, Dbname, Type, persistinfo, "
                     "userconnect, Who, Changed) VALUES ('%1', 'monitor', 'pw', 'sensors', "
                     "'%2', 'False', '%3', 'Admin', '12/01/2026 - 10:00')")
                 .arg(address, type, custom)});
        Module m(path());
        QCOMPARE(m.ds.DbType, type);
        QCOMPARE(m.ds.adoConnectionString(), ado);
        QCOMPARE(m.ds.IsAdoType(), isAdo);
        QCOMPARE(m.ds.IsMySqlType(), isMySql);
        if (isMySql) {
            QCOMPARE(m.ds.MyConnection1.settings().port, mySqlPort);
            QCOMPARE(m.ds.MyConnection1.settings().databaseName, QString("sensors"));
            QCOMPARE(m.ds.MyConnection1.settings().user, QString("monitor"));
            QCOMPARE(m.ds.MyConnection1.settings().password, QString("pw"));
        }
    }

    void savesTheSettingsForTheNextStart()
    {
        {
            Tdf df(path());
            Tds ds(df, {});
            ServerSettings s;
            s.type = "mySQL";
            s.address = "127.0.0.1:33071";
            s.database = "sensors";
            s.user = "monitor";
            s.password = "pw'\\";
            QVERIFY(saveServerSettings(df, s, "ANN", QDateTime(QDate(2026, 12, 1), QTime(9, 5))));
            QVERIFY(OpenSql(df.AdoView, " Select * from SERVER"));
            QCOMPARE(ReadField(df.AdoView, "WHO").asText(), QString("Admin")); // the first save
            QCOMPARE(ReadField(df.AdoView, "CHANGED").asText(), QString("12/01/2026 - 09:05"));
            CloseSql(df.AdoView);
            s.address = "db.example";
            QVERIFY(saveServerSettings(df, s, "ANN", QDateTime(QDate(2026, 12, 2), QTime(17, 45))));
            // The running program keeps what it prepared at start.
            QCOMPARE(ds.DbType, QString());
        }
        Module m(path());
        QCOMPARE(m.ds.DbType, QString("mySQL"));
        QCOMPARE(m.ds.MyConnection1.settings().host, QString("db.example"));
        QCOMPARE(m.ds.MyConnection1.settings().password, QString("pw'\\"));
        QVERIFY(OpenSql(m.df.AdoView, " Select * from SERVER"));
        QCOMPARE(m.df.AdoView.rowCount(), 1);
        QCOMPARE(ReadField(m.df.AdoView, "WHO").asText(), QString("ANN"));
        QCOMPARE(ReadField(m.df.AdoView, "CHANGED").asText(), QString("12/02/2026 - 17:45"));
        CloseSql(m.df.AdoView);
    }

    void keepsTheSettingsOfAnOlderLayout()
    {
        QDir().mkpath(m_dir.filePath("Database"));
        runOnFile(
            path(),
            {"CREATE TABLE SERVER (Address varchar(50), Username varchar(50), Pass varchar(50), "
             "Dbname varchar(50), Type varchar(50), Who varchar(50), Changed varchar(50))",
             "INSERT INTO SERVER VALUES ('db.example', 'monitor', 'pw', 'sensors', 'mySQL', "
             "'ADMIN', '11/30/2026 - 09:15')"});
        Module m(path());
        QCOMPARE(m.ds.DbType, QString("mySQL"));
        QCOMPARE(m.ds.MyConnection1.settings().host, QString("db.example"));
        QCOMPARE(m.ds.MyConnection1.settings().password, QString("pw"));
        const QStringList columns = columnsOf(m.df, "SERVER");
        for (const QString& column : serverColumns)
            QVERIFY2(columns.contains(column, Qt::CaseInsensitive), qPrintable(column));
        QVERIFY(OpenSql(m.df.AdoView, " Select * from SERVER"));
        QCOMPARE(ReadField(m.df.AdoView, "WHO").asText(), QString("ADMIN"));
        QCOMPARE(ReadField(m.df.AdoView, "sqlProvider").asText(), QString()); // added, empty
        CloseSql(m.df.AdoView);
    }

    void remakesAnEmptyTableOfAnOlderLayout()
    {
        QDir().mkpath(m_dir.filePath("Database"));
        runOnFile(path(), {"CREATE TABLE SERVER (Address varchar(50), Type varchar(50))"});
        Module m(path());
        QCOMPARE(columnsOf(m.df, "SERVER"), serverColumns);
    }

    void readsTheInstalledCompany()
    {
        {
            Tdf df(path());
        }
        runOnFile(path(),
                  {"INSERT INTO REGISTRATION (REG_ID, REG_NAME) VALUES (1, 'St. Olaf Hospital')"});
        Module m(path());
        QCOMPARE(m.ds.InstalledCompanyName, QString("St. Olaf Hospital"));
    }

    void reportsATableThatCannotBeCreated()
    {
        // A file where the folder should be: nothing can be created there.
        QFile blocker(m_dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Module m(m_dir.filePath("blocker/sensordb.db"));
        QCOMPARE(m.errors.size(), 1);
        QVERIFY2(m.errors.first().startsWith("Error #98: "), qPrintable(m.errors.first()));
        QCOMPARE(m.ds.DbType, QString());
    }

    void aMissingFileIsCreatedButAnUnreadableOneIsRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("opens");
        QTest::newRow("missing") << QByteArray() << true;
        QTest::newRow("not a database") << QByteArray(4096, 'x') << false;
        QTest::newRow("damaged header")
            << QByteArray("SQLite format 3\0").append(4080, '\xff') << false;
    }

    void aMissingFileIsCreatedButAnUnreadableOneIsRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, opens);
        if (!content.isEmpty()) {
            QDir().mkpath(QFileInfo(path()).path());
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Tdf df(path());
        QCOMPARE(bool(df.openLocalDatabase()), opens);
        // Asked again (the next sign-on), the answer stays the same.
        QCOMPARE(bool(df.openLocalDatabase()), opens);
        QVERIFY(QFileInfo::exists(path()));
    }

    void changesOnlyTheRowItFetched()
    {
        Tdf df(path());
        QVERIFY(ExecSql(df.ADOCommand,
                        "INSERT INTO USERS (USER_ID, USER_NAME, LOG_IN) VALUES ('ANN', 'Ann', 0)"));
        QVERIFY(ExecSql(df.ADOCommand,
                        "INSERT INTO USERS (USER_ID, USER_NAME, LOG_IN) VALUES ('BOB', 'Bob', 0)"));

        // The result lacks the key column; the statement's condition names the row.
        QVERIFY(OpenSql(df.AdoView, SqlStatement(" Select LOG_IN from USERS Where USER_ID = ")
                                        << quoted("BOB")));
        QVERIFY(!AtEnd(df.AdoView));
        EditRow(df.AdoView);
        WriteField(df.AdoView, "LOG_IN", 1);
        QVERIFY(PostRow(df.AdoView));
        CloseSql(df.AdoView);

        QVERIFY(OpenSql(df.AdoView, " Select * from USERS Order by USER_ID"));
        QCOMPARE(ReadField(df.AdoView, "log_in").asInt(), 0);
        NextRow(df.AdoView);
        QCOMPARE(ReadField(df.AdoView, "LOG_IN").asInt(), 1);
        QCOMPARE(ReadField(df.AdoView, "SIGNATURE").asText(), QString());
        CloseSql(df.AdoView);
    }

    void appendsAndDeletesThroughTheResult()
    {
        Tdf df(path());
        QVERIFY(OpenSql(df.AdoView, " Select * from USERS"));
        QVERIFY(AtEnd(df.AdoView));
        AppendRow(df.AdoView);
        WriteField(df.AdoView, "USER_ID", "CARL");
        WriteField(df.AdoView, "ACCESS_LIST", "SENSOR SETUP\rHOURLY LOGS");
        WriteField(df.AdoView, "STATUS_FLAG", 1);
        QVERIFY(PostRow(df.AdoView));
        QCOMPARE(ReadField(df.AdoView, "USER_ID").asText(), QString("CARL"));
        CloseSql(df.AdoView);

        QVERIFY(OpenSql(df.AdoView, SqlStatement(" Select * from USERS Where USER_ID = ")
                                        << quoted("carl")));
        QCOMPARE(ReadField(df.AdoView, "ACCESS_LIST").asText(),
                 QString("SENSOR SETUP\rHOURLY LOGS"));
        QVERIFY(DeleteRow(df.AdoView));
        QVERIFY(AtEnd(df.AdoView));
        CloseSql(df.AdoView);
        QVERIFY(OpenSql(df.AdoView, " Select * from USERS"));
        QVERIFY(AtEnd(df.AdoView));
        CloseSql(df.AdoView);
    }

    // A change with no row to go to fails and writes nothing.
    void changesWithoutACurrentRowFail_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("edit on an empty result") << "empty";
        QTest::newRow("next past the end, then post") << "past end";
        QTest::newRow("write without edit") << "no edit";
        QTest::newRow("edit after close") << "closed";
    }

    void changesWithoutACurrentRowFail()
    {
        QFETCH(QString, how);
        Tdf df(path());
        QVERIFY(ExecSql(df.ADOCommand,
                        "INSERT INTO USERS (USER_ID, USER_NAME, LOG_IN) VALUES ('ANN', 'Ann', 0)"));
        Dataset& view = df.AdoView;
        if (how == "empty") {
            QVERIFY(OpenSql(view, " Select * from USERS Where USER_ID = 'NOBODY'"));
            EditRow(view);
        } else if (how == "past end") {
            QVERIFY(OpenSql(view, " Select * from USERS"));
            EditRow(view);
            NextRow(view);
            NextRow(view);
        } else if (how == "no edit") {
            QVERIFY(OpenSql(view, " Select * from USERS"));
        } else {
            QVERIFY(OpenSql(view, " Select * from USERS"));
            CloseSql(view);
            EditRow(view);
        }
        WriteField(view, "USER_NAME", "Changed");
        WriteField(view, "LOG_IN", 1);
        const SqlOutcome posted = PostRow(view);
        QVERIFY(!posted);
        QVERIFY(!posted.error().isEmpty());
        CloseSql(view);

        QVERIFY(OpenSql(view, " Select * from USERS"));
        QCOMPARE(view.rowCount(), 1);
        QCOMPARE(ReadField(view, "USER_NAME").asText(), QString("Ann"));
        QCOMPARE(ReadField(view, "LOG_IN").asInt(), 0);
        CloseSql(view);
    }

    void typedValuesCannotChangeAStatement_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("apostrophes") << "X' OR '1'='1";
        QTest::newRow("trailing backslash") << "ANN\\";
        QTest::newRow("comment") << "ANN'; --";
    }

    void typedValuesCannotChangeAStatement()
    {
        QFETCH(QString, value);
        Tdf df(path());
        QVERIFY(ExecSql(df.ADOCommand,
                        "INSERT INTO USERS (USER_ID, USER_PASSWORD) VALUES ('ANN', 'SECRET1')"));
        QVERIFY(OpenSql(df.AdoView, SqlStatement(" Select * from USERS Where USER_ID = ")
                                        << quoted(value)
                                        << " And USER_PASSWORD = " << quoted(value)));
        QVERIFY(AtEnd(df.AdoView));
        CloseSql(df.AdoView);
        QVERIFY(ExecSql(df.ADOCommand, SqlStatement("DELETE FROM USERS Where USER_ID = ")
                                           << quoted(value)));
        QVERIFY(OpenSql(df.AdoView, " Select * from USERS"));
        QCOMPARE(df.AdoView.rowCount(), 1);
        CloseSql(df.AdoView);
    }
};

QTEST_GUILESS_MAIN(TestLocalSettings)
#include "test_local_settings.moc"
