#include "common/AccessList.h"
#include "common/Pause.h"
#include "common/ScreenMetrics.h"
#include "data/DataAccess.h"
#include "shell/MainLayout.h"
#include "shell/ServerConfig.h"
#include "shell/TSPmenu_form.h"
#include "support/FixedClock.h"
#include "support/RecordingDialogs.h"
#include "support/TestEnvironment.h"
#include "support/TestInstallation.h"
#include "support/TestServices.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvra;
using test::TestServer;

namespace {

const QString database = QStringLiteral("server_config");
const QString databaseWithoutReg = QStringLiteral("server_config_bare");
// A login whose password holds the separators of a connection string.
const QString separatorUser = QStringLiteral("semi");
const QString separatorPassword = QStringLiteral("a;b=c");

struct Harness
{
    Harness()
        : df(dir.filePath("Database/sensordb.db")), ds(df, {}), screen(QSize(1024, 768)),
          session(clock), context{dialogs, clock, pause, screen, desktop, df, ds, session},
          form(context)
    {
        form.serverConfig().setTimeouts(test::testTimeouts);
        ds.InstalledCompanyName = QStringLiteral("ACME");
        session.setUserId(QStringLiteral("ANN"));
    }

    template <typename T> T* child(const char* name) { return form.findChild<T*>(name); }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(name); }
    QComboBox* type() { return child<QComboBox>("ComboBox1"); }
    QPushButton* save() { return child<QPushButton>("Button5"); }

    // Types the values of a connection to the test server.
    void enter(const QString& typeText, const QString& address, const QString& db,
               const QString& user, const QString& password, const QString& provider = {})
    {
        this->type()->setEditText(typeText);
        edit("Edit8")->setText(address);
        edit("dbname")->setText(db);
        edit("Edit9")->setText(user);
        edit("Edit10")->setText(password);
        edit("provideredit")->setText(provider);
    }

    void signOnWith(const QStringList& access)
    {
        session.setAccessList(access);
        session.setSignedOn(true);
        form.setMenusEnabled(true);
    }

    QTemporaryDir dir;
    Tdf df;
    Tds ds;
    test::RecordingDialogs dialogs;
    test::FixedClock clock;
    NoPause pause;
    FixedScreenMetrics screen;
    test::NoDesktop desktop;
    Session session;
    AppContext context;
    TSPmenu_form form;
};

int portNobodyListensOn()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const int port = probe.serverPort();
    probe.close();
    return port;
}

struct Box
{
    DialogKind kind;
    QString text;
};

void compareBoxes(const test::RecordingDialogs& dialogs, const QList<Box>& expected)
{
    QStringList texts;
    for (const Box& box : expected)
        texts << box.text;
    QCOMPARE(dialogs.texts(), texts);
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(dialogs.boxes().at(i).kind, expected.at(i).kind);
}

} // namespace

class TestServerConfig : public QObject
{
    Q_OBJECT

    TestServer m_server;

private slots:
    void initTestCase()
    {
        m_server = TestServer::fromEnvironment();
        QVERIFY(test::recreateDatabase(m_server, database));
        QVERIFY(test::recreateDatabase(m_server, databaseWithoutReg));
        {
            QSqlDatabase db = test::directConnection(m_server, database, "server-config-setup");
            QVERIFY2(db.open(), qPrintable(db.lastError().text()));
            QSqlQuery q(db);
            for (const QString& statement :
                 {QString("CREATE TABLE REG (REG_NAME varchar(50))"),
                  QString("INSERT INTO REG VALUES ('ACME')"),
                  QString("DROP USER IF EXISTS '%1'@'127.0.0.1'").arg(separatorUser),
                  QString("CREATE USER '%1'@'127.0.0.1' IDENTIFIED BY '%2'")
                      .arg(separatorUser, separatorPassword)})
                QVERIFY2(q.exec(statement), qPrintable(q.lastError().text()));
            db.close();
        }
        QSqlDatabase::removeDatabase("server-config-setup");
    }

    void opensWithoutStoredSettings()
    {
        Harness h;
        // Until a type is chosen the combo's own text says so.
        QCOMPARE(h.type()->currentText(), QString("Choose Database Type"));
        QCOMPARE(h.type()->currentIndex(), -1);
        QCOMPARE(h.edit("Edit10")->echoMode(), QLineEdit::Password);
        QCOMPARE(h.edit("Edit10")->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter,
                                                      nullptr, h.edit("Edit10")),
                 int('*'));

        h.type()->setEditText("SQL 2005");
        for (const char* name :
             {"Edit8", "Edit9", "Edit10", "dbname", "provideredit", "securityedit",
              "datacombatedit", "marsedit", "persistedit", "customconnect"})
            h.edit(name)->setText(QString("typed ") + name);
        h.child<QLabel>("changed")->setText("old");
        h.signOnWith({AccessName::ServerConfig});
        h.form.menuItem("ServerConfig1")->trigger();

        QVERIFY(!h.child<QWidget>("server_panel")->isHidden());
        QCOMPARE(
            h.child<QWidget>("server_panel")->pos(),
            centredIn(h.form.width(), h.form.height(), h.child<QWidget>("server_panel")->size()));
        for (const char* emptied : {"Edit8", "Edit9", "Edit10", "dbname", "provideredit",
                                    "securityedit", "datacombatedit", "customconnect"})
            QVERIFY2(h.edit(emptied)->text().isEmpty(), emptied);
        QVERIFY(h.child<QLabel>("changed")->text().isEmpty());
        // The type and two of the options stay as they were.
        QCOMPARE(h.type()->currentText(), QString("SQL 2005"));
        QCOMPARE(h.edit("marsedit")->text(), QString("typed marsedit"));
        QCOMPARE(h.edit("persistedit")->text(), QString("typed persistedit"));
        QVERIFY(!h.save()->isEnabled());
        QVERIFY(h.dialogs.boxes().isEmpty());

        h.child<QPushButton>("Button8")->click();
        QVERIFY(h.child<QWidget>("server_panel")->isHidden());
        QVERIFY(!readServerPanel(h.df));
    }

    void savesAndShowsWhoChangedTheSettings()
    {
        Harness h;
        h.form.serverConfig().Server_Setup();
        h.enter("SQL 2005", "10.0.0.5,1433", "sensors", "monitor", "p;w=1", "SQLNCLI");
        h.edit("securityedit")->setText("SSPI");
        h.edit("datacombatedit")->setText("80");
        h.edit("marsedit")->setText("True");
        h.edit("persistedit")->setText("False");
        h.edit("customconnect")->setText("Provider=SQLNCLI;Network Address=h");
        // The first save, as a successful test makes it.
        h.form.serverConfig().Save_Server();

        std::optional<StoredServerSettings> stored = readServerPanel(h.df);
        QVERIFY(stored);
        const ServerSettings& s = stored->values;
        QCOMPARE(QStringList({s.type, s.address, s.database, s.user, s.password, s.provider,
                              s.integratedSecurity, s.dataTypeCompatibility, s.marsConnection,
                              s.persistSecurityInfo, s.customConnect, s.who, s.changed}),
                 QStringList({"SQL 2005", "10.0.0.5,1433", "sensors", "monitor", "p;w=1", "SQLNCLI",
                              "SSPI", "80", "True", "False", "Provider=SQLNCLI;Network Address=h",
                              "Admin", "12/11/2026 - 10:00"}));
        QCOMPARE(h.child<QLabel>("changed")->text(), QString("12/11/2026 - 10:00 by Admin"));
        QVERIFY(h.save()->isEnabled());

        // Later saves name the signed-on user; the panel is filled again from the table.
        h.clock.set(QDateTime(QDate(2026, 12, 12), QTime(9, 5)));
        h.edit("Edit9")->setText("operator");
        h.save()->click();
        QCOMPARE(h.child<QLabel>("changed")->text(), QString("12/12/2026 - 09:05 by ANN"));
        QCOMPARE(readServerPanel(h.df)->values.user, QString("operator"));
        QVERIFY(h.dialogs.boxes().isEmpty());

        // Exit saves nothing; opening again shows what is stored.
        h.edit("Edit9")->setText("not saved");
        h.child<QPushButton>("Button8")->click();
        h.type()->setEditText("mySQL");
        h.form.serverConfig().Server_Setup();
        QCOMPARE(h.edit("Edit9")->text(), QString("operator"));
        QCOMPARE(h.edit("Edit10")->text(), QString("p;w=1"));
        QCOMPARE(h.type()->currentText(), QString("SQL 2005"));
        QVERIFY(!h.edit("marsedit")->isHidden());
    }

    void refusesToSaveWithoutAType()
    {
        Harness h;
        h.form.serverConfig().Server_Setup();
        h.edit("Edit8")->setText("10.0.0.5");
        h.form.serverConfig().Save_Server();
        compareBoxes(h.dialogs, {{DialogKind::Error, "Choose a Database Type!"}});
        QVERIFY(!readServerPanel(h.df));
    }

    void showsSqlServerFieldsForTheirTypes_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("shown");
        QTest::newRow("SQL 2000") << "SQL 2000" << true;
        QTest::newRow("SQL 2005") << "SQL 2005" << true;
        QTest::newRow("mySQL") << "mySQL" << false;
        QTest::newRow("SQL") << "SQL" << false;
        QTest::newRow("other case") << "sql 2000" << false;
        QTest::newRow("trailing blank") << "SQL 2000 " << false;
        QTest::newRow("no type") << "Choose Database Type" << false;
        QTest::newRow("empty") << "" << false;
    }

    void showsSqlServerFieldsForTheirTypes()
    {
        QFETCH(QString, type);
        QFETCH(bool, shown);
        Harness h;
        h.form.serverConfig().Server_Setup();
        h.type()->setEditText(type == "SQL 2000" ? "mySQL" : "SQL 2000");
        h.type()->setEditText(type);
        for (const char* name :
             {"provideredit", "provider_caption", "securityedit", "security_caption",
              "datacombatedit", "datacombat_caption", "marsedit", "mars_caption", "persistedit",
              "persist_caption", "customconnect", "customconnect_caption", "customconnect_example"})
            QVERIFY2(h.child<QWidget>(name)->isHidden() != shown, name);
        for (const char* always : {"Edit8", "ComboBox1", "dbname", "Edit9", "Edit10", "changed"})
            QVERIFY2(!h.child<QWidget>(always)->isHidden(), always);
        QVERIFY(!h.child<QWidget>("server_panel")->isHidden());
    }

    void picksATypeFromTheList()
    {
        Harness h;
        QCOMPARE(h.type()->count(), 3);
        h.type()->setCurrentIndex(1);
        QCOMPARE(h.type()->currentText(), QString("SQL 2005"));
        QVERIFY(!h.edit("marsedit")->isHidden());
        h.type()->setCurrentIndex(2);
        QCOMPARE(h.form.serverConfig().typedValues().type, QString("mySQL"));
        QVERIFY(h.edit("marsedit")->isHidden());
    }

    void testsMySql_data()
    {
        QTest::addColumn<QString>("db");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("nobodyListens");
        QTest::addColumn<bool>("connects");
        const TestServer server = TestServer::fromEnvironment();
        QTest::newRow("good login, company found")
            << database << server.user << server.password << false << true;
        QTest::newRow("good login, no REG table")
            << databaseWithoutReg << server.user << server.password << false << true;
        QTest::newRow("separators in the password")
            << "" << separatorUser << separatorPassword << false << true;
        QTest::newRow("wrong password") << database << server.user << "wrong" << false << false;
        QTest::newRow("unknown database")
            << "no_such_db" << server.user << server.password << false << false;
        QTest::newRow("nobody listens")
            << database << server.user << server.password << true << false;
    }

    void testsMySql()
    {
        QFETCH(QString, db);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(bool, nobodyListens);
        QFETCH(bool, connects);
        Harness h;
        TestServer at = m_server;
        if (nobodyListens)
            at.port = portNobodyListensOn();
        h.form.serverConfig().Server_Setup();
        h.enter("mySQL", at.address(), db, user, password);
        h.save()->setEnabled(true);
        h.child<QPushButton>("Button6")->click();

        if (!connects) {
            compareBoxes(h.dialogs, {{DialogKind::Error, "Connection to mySQL Failed"}});
            QVERIFY(!h.save()->isEnabled());
            QVERIFY(!readServerPanel(h.df));
            return;
        }
        compareBoxes(h.dialogs, {{DialogKind::Plain, "Connection to mySQL Success!"}});
        QVERIFY(h.save()->isEnabled());
        const std::optional<StoredServerSettings> stored = readServerPanel(h.df);
        QVERIFY(stored);
        QCOMPARE(stored->values.type, QString("mySQL"));
        QCOMPARE(stored->values.address, at.address());
        QCOMPARE(stored->values.password, password);
        QCOMPARE(stored->values.who, QString("Admin"));
        QCOMPARE(h.child<QLabel>("changed")->text(), QString("12/11/2026 - 10:00 by Admin"));
    }

    void testsSqlServerTypesThroughOdbc_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("custom");
        QTest::addColumn<bool>("nobodyListens");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("stored");
        const TestServer server = TestServer::fromEnvironment();
        const QStringList success{"Connection Success!"};
        const QString customString =
            QString("Provider=MariaDB Unicode;Network Address=%1;Initial Catalog=%2;User "
                    "ID=%3;Password=%4")
                .arg(server.address(), database, server.user, server.password);
        QTest::newRow("SQL 2000") << "SQL 2000" << server.user << server.password << "" << false
                                  << success << true;
        QTest::newRow("SQL 2005") << "SQL 2005" << server.user << server.password << "" << false
                                  << success << true;
        QTest::newRow("SQL tests as SQL 2000")
            << "SQL" << server.user << server.password << "" << false << success << true;
        QTest::newRow("separators in the password")
            << "SQL 2000" << separatorUser << separatorPassword << "" << false << success << true;
        QTest::newRow("custom string wins over the fields")
            << "SQL 2000"
            << "nobody"
            << "wrong" << customString << false << success << true;
        QTest::newRow("custom string without a type")
            << "Choose Database Type"
            << ""
            << "" << customString << false
            << QStringList{"Connection Success!", "Choose a Database Type!"} << false;
        QTest::newRow("no type, no custom string")
            << "Choose Database Type" << server.user << server.password << "" << false
            << QStringList{"Unsupported DB provider: "} << false;
        QTest::newRow("wrong password")
            << "SQL 2000" << server.user << "wrong"
            << "" << false << QStringList{"Connection Failed: "} << false;
        QTest::newRow("nobody listens") << "SQL 2005" << server.user << server.password << ""
                                        << true << QStringList{"Connection Failed: "} << false;
    }

    void testsSqlServerTypesThroughOdbc()
    {
        QFETCH(QString, type);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, custom);
        QFETCH(bool, nobodyListens);
        QFETCH(QStringList, texts);
        QFETCH(bool, stored);
        Harness h;
        TestServer at = m_server;
        if (nobodyListens)
            at.port = portNobodyListensOn();
        h.form.serverConfig().Server_Setup();
        h.enter(type, at.address(), user == separatorUser ? QString() : database, user, password,
                "MariaDB Unicode");
        h.edit("customconnect")->setText(custom);
        h.child<QPushButton>("Button6")->click();

        const QStringList shown = h.dialogs.texts();
        QCOMPARE(shown.size(), texts.size());
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const bool failed = texts.at(i) == "Connection Failed: ";
            if (failed) {
                // The driver's own text follows.
                QVERIFY2(shown.at(i).startsWith(texts.at(i)) &&
                             shown.at(i).size() > texts.at(i).size(),
                         qPrintable(shown.at(i)));
            } else {
                QCOMPARE(shown.at(i), texts.at(i));
            }
            QCOMPARE(h.dialogs.boxes().at(i).kind,
                     texts.at(i) == "Connection Success!" ? DialogKind::Plain : DialogKind::Error);
        }
        QCOMPARE(h.save()->isEnabled(), texts.first() == "Connection Success!");
        const std::optional<StoredServerSettings> row = readServerPanel(h.df);
        QCOMPARE(bool(row), stored);
        if (stored) {
            QCOMPARE(row->values.type, type);
            QCOMPARE(row->values.password, password);
            QCOMPARE(row->values.customConnect, custom);
        }
    }

    // What a test saved is what the program connects with at its next start, separators in
    // the password included.
    void theNextStartConnectsWithTheSavedSettings_data()
    {
        QTest::addColumn<QString>("type");
        QTest::newRow("mySQL") << "mySQL";
        QTest::newRow("SQL 2000 through ODBC") << "SQL 2000";
        QTest::newRow("SQL 2005 through ODBC") << "SQL 2005";
    }

    void theNextStartConnectsWithTheSavedSettings()
    {
        QFETCH(QString, type);
        Harness h;
        h.form.serverConfig().Server_Setup();
        h.enter(type, m_server.address(), QString(), separatorUser, separatorPassword,
                "MariaDB Unicode");
        h.child<QPushButton>("Button6")->click();
        QVERIFY(readServerPanel(h.df));

        Tds next(h.df, {}, test::testTimeouts);
        QCOMPARE(next.DbType, type);
        Dataset& rows = type == "mySQL" ? next.MyQuery1 : next.AdoView;
        const SqlOutcome outcome = OpenSql(rows, SqlStatement("SELECT CURRENT_USER() AS WHO"));
        QVERIFY2(outcome, qPrintable(outcome.error()));
        QCOMPARE(ReadField(rows, "WHO").asText(), separatorUser + "@127.0.0.1");
        CloseSql(rows);
    }

    // A failed SQL Server test leaves Save as it was.
    void aFailedSqlServerTestKeepsSaveEnabled()
    {
        Harness h;
        h.form.serverConfig().Server_Setup();
        h.enter("SQL 2000", m_server.address(), database, m_server.user, "wrong",
                "MariaDB Unicode");
        h.save()->setEnabled(true);
        h.child<QPushButton>("Button6")->click();
        QVERIFY(h.save()->isEnabled());
    }

    void aSilentServerFailsWithinTheTimeOut_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("provider");
        QTest::addColumn<QString>("message");
        QTest::newRow("mySQL") << "mySQL"
                               << ""
                               << "Connection to mySQL Failed";
        QTest::newRow("SQL 2000 through MariaDB's driver") << "SQL 2000"
                                                           << "MariaDB Unicode"
                                                           << "Connection Failed: ";
        QTest::newRow("SQL 2005 through FreeTDS") << "SQL 2005"
                                                  << "SQLOLEDB.1"
                                                  << "Connection Failed: ";
    }

    void aSilentServerFailsWithinTheTimeOut()
    {
        QFETCH(QString, type);
        QFETCH(QString, provider);
        QFETCH(QString, message);
        // Listens but never speaks: the kernel completes the connection.
        QProcess silent;
        silent.start(SILENT_LISTENER_EXE, QStringList());
        QVERIFY(silent.waitForReadyRead(10000));
        TestServer mute = m_server;
        mute.port = silent.readLine().trimmed().toInt();
        QVERIFY(mute.port > 0);

        Harness h;
        h.form.serverConfig().Server_Setup();
        h.enter(type, mute.address(), database, m_server.user, m_server.password, provider);
        QElapsedTimer timer;
        timer.start();
        h.child<QPushButton>("Button6")->click();
        const qint64 seconds = timer.elapsed() / 1000;
        QCOMPARE(h.dialogs.texts().size(), 1);
        QVERIFY2(h.dialogs.texts().first().startsWith(message),
                 qPrintable(h.dialogs.texts().first()));
        // A guard against a hang, not a speed goal: the time-out, with room for retries.
        QVERIFY2(seconds <= 3 * test::testTimeouts.loginSeconds + 2,
                 qPrintable(QString("took %1 s").arg(seconds)));
        QVERIFY(!readServerPanel(h.df));
        silent.kill();
        silent.waitForFinished(5000);
    }
};

QTEST_MAIN(TestServerConfig)
#include "test_server_config.moc"
