#include "common/AccessList.h"
#include "common/Pause.h"
#include "common/ScreenMetrics.h"
#include "data/DataAccess.h"
#include "data/PasswordHash.h"
#include "shell/LocalUserQueries.h"
#include "shell/SignOnRules.h"
#include "shell/TSPmenu_form.h"
#include "support/FixedClock.h"
#include "support/RecordingDialogs.h"
#include "support/TestServices.h"

#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace kelvra;

namespace {

class RecordingRestart final : public ProgramRestart
{
public:
    bool restart() override
    {
        ++restarts;
        return true;
    }
    int restarts = 0;
};

struct StoredUser
{
    QString id;
    QString password; // stored as given: a hash, or an older plain password
    QString access;
    int status = 1;
    int okToSign = -1;
    QString name = QStringLiteral("Ann Example");
};

// One start of the program on a local database file that outlives it.
struct Start
{
    explicit Start(const QString& databasePath)
        : df(databasePath), ds(df, [](const QString&) {}), screen(QSize(1024, 768)),
          session(clock), context{dialogs, clock, pause, screen, desktop, df, ds, session},
          form(context)
    {
        form.setProgramRestart(&restart);
        form.setPasswordHashIterations(1000);
    }

    bool focused(const char* name) { return form.focusWidget() == field(name); }

    template <typename T> T* child(const char* name) { return form.findChild<T*>(name); }
    QLineEdit* field(const char* name) { return child<QLineEdit>(name); }

    void type(const char* name, const QString& text)
    {
        field(name)->clear();
        QTest::keyClicks(field(name), text);
    }

    void signOn(const QString& id, const QString& password)
    {
        field("user_id")->setText(id);
        field("user_pwd")->setText(password);
        child<QPushButton>("logon_btn")->click();
    }

    bool menusEnabled()
    {
        for (const char* menu : {"Admin1", "UserDef1", "Observations1"})
            if (!form.topMenu(menu)->menuAction()->isEnabled())
                return false;
        return true;
    }

    void store(const StoredUser& user)
    {
        QVERIFY(OpenSql(df.AdoView, SqlStatement(" Select * from USERS")));
        AppendRow(df.AdoView);
        WriteField(df.AdoView, "USER_ID", user.id);
        WriteField(df.AdoView, "USER_NAME", user.name);
        WriteField(df.AdoView, "USER_PASSWORD", user.password);
        WriteField(df.AdoView, "ACCESS_LIST", user.access);
        WriteField(df.AdoView, "STATUS_FLAG", user.status);
        WriteField(df.AdoView, "OK_TO_SIGN", user.okToSign);
        WriteField(df.AdoView, "LOG_IN", 0);
        QVERIFY(PostRow(df.AdoView));
        CloseSql(df.AdoView);
    }

    QString column(const QString& id, const QString& name)
    {
        if (!OpenSql(df.AdoView, SqlStatement(" Select * from USERS Where USER_ID = ")
                                     << quoted(id)))
            return QString("<error>");
        const QString value =
            AtEnd(df.AdoView) ? QString("<none>") : ReadField(df.AdoView, name).asText();
        CloseSql(df.AdoView);
        return value;
    }

    int userCount()
    {
        if (!OpenSql(df.AdoView, SqlStatement(" Select * from USERS")))
            return -1;
        int count = 0;
        for (; !AtEnd(df.AdoView); NextRow(df.AdoView))
            ++count;
        CloseSql(df.AdoView);
        return count;
    }

    Tdf df;
    Tds ds;
    test::RecordingDialogs dialogs;
    test::FixedClock clock;
    NoPause pause;
    FixedScreenMetrics screen;
    test::NoDesktop desktop;
    Session session;
    AppContext context;
    RecordingRestart restart;
    TSPmenu_form form;
};

// A cheap hash keeps the tests fast; each start writes hashes of the same strength.
QString quickHash(const QString& password)
{
    return hashPassword(password, 1000);
}

const QString someAccess = QStringLiteral("SENSOR SETUP\r\nHOURLY GRAPHS\r\n");

} // namespace

class TestSignOn : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void init() { m_path = m_dir.filePath(QString("db%1/sensordb.db").arg(++m_runs)); }

    void showingOffersTheSignOnPanel()
    {
        Start s(m_path);
        s.form.show();
        QWidget* panel = s.child<QWidget>("logon_panel");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->pos(), QPoint(s.form.width() / 2 - panel->width() / 2,
                                      s.form.height() / 3 - panel->height() / 2));
        QVERIFY(!s.menusEnabled());
        QCOMPARE(s.child<QLabel>("Label1")->text(), QString("Logged Off"));
        QVERIFY(s.dialogs.boxes().isEmpty());
        QVERIFY(s.focused("user_id"));
    }

    void fieldsTakeTwentyUpperCaseCharactersAndHideThePassword()
    {
        Start s(m_path);
        s.form.show();
        s.type("user_id", "o'neil");
        QCOMPARE(s.field("user_id")->text(), QString("O'NEIL"));
        QTest::keyClick(s.field("user_id"), Qt::Key_Home);
        QTest::keyClicks(s.field("user_id"), "x");
        QCOMPARE(s.field("user_id")->text(), QString("XO'NEIL"));
        QCOMPARE(s.field("user_id")->cursorPosition(), 1);
        for (const char* name : {"user_id", "user_pwd", "cpwd", "pwd1", "pwd2"}) {
            s.type(name, "abcdefghij1234567890xyz");
            QCOMPARE(s.field(name)->text(), QString("ABCDEFGHIJ1234567890"));
            // Text the program sets is never cut.
            s.field(name)->setText(QString(30, 'A'));
            QCOMPARE(s.field(name)->text().size(), 30);
        }
        for (const char* name : {"user_pwd", "cpwd", "pwd1", "pwd2"}) {
            QLineEdit* edit = s.field(name);
            QCOMPARE(edit->echoMode(), QLineEdit::Password);
            QCOMPARE(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit),
                     int('*'));
        }
        QGuiApplication::clipboard()->setText("pa55-word");
        s.field("user_pwd")->clear();
        s.field("user_pwd")->paste();
        QCOMPARE(s.field("user_pwd")->text(), QString("PA55-WORD"));
    }

    void bootstrapCreatesTheFirstAdministratorAndDemandsANewPassword()
    {
        Start s(m_path);
        s.clock.set(QDateTime(QDate(2026, 12, 11), QTime(9, 5)));
        s.form.show();
        s.signOn(bootstrapWord, bootstrapWord);
        QCOMPARE(s.dialogs.boxes().size(), 1);
        QCOMPARE(s.dialogs.boxes().first().kind, DialogKind::Error);
        QCOMPARE(s.dialogs.boxes().first().text, mustChangePasswordText());
        QCOMPARE(s.column(bootstrapWord, "USER_NAME"), QString("Server Admin"));
        QCOMPARE(s.column(bootstrapWord, "ACCESS_LIST"), firstAdministratorAccessText());
        QCOMPARE(s.column(bootstrapWord, "OK_TO_SIGN"), QString("-1"));
        QCOMPARE(s.column(bootstrapWord, "STATUS_FLAG"), QString("1"));
        QCOMPARE(s.column(bootstrapWord, "LOG_IN"), QString("1"));
        QCOMPARE(s.column(bootstrapWord, "SIGNATURE"), QString());
        QCOMPARE(s.column(bootstrapWord, "CHANGED"), "12/11/2026 09:05 " + bootstrapWord);
        const QString stored = s.column(bootstrapWord, "USER_PASSWORD");
        QVERIFY(isPasswordHash(stored));
        QVERIFY(checkPassword(bootstrapWord, stored).matches);
        // Not signed on: the change panel waits, without Cancel.
        QVERIFY(!s.session.isSignedOn());
        QVERIFY(!s.menusEnabled());
        QVERIFY(s.child<QWidget>("logon_panel")->isHidden());
        QVERIFY(s.child<QWidget>("chapwd_panel")->isVisible());
        QVERIFY(!s.child<QPushButton>("cancel_btn")->isEnabled());
        QVERIFY(s.focused("cpwd"));
    }

    void bootstrapWordIsRefusedOnceSomebodyExists_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::newRow("another user") << "ANN";
        QTest::newRow("the administrator it made") << bootstrapWord;
    }

    void bootstrapWordIsRefusedOnceSomebodyExists()
    {
        QFETCH(QString, existing);
        Start s(m_path);
        s.store({existing, quickHash("ABC123"), someAccess});
        s.signOn(bootstrapWord, bootstrapWord);
        QCOMPARE(s.dialogs.texts(), QStringList{"INVALID USER ID / PASSWORD COMBINATION"});
        QCOMPARE(s.userCount(), 1);
        QVERIFY(!s.session.isSignedOn());
    }

    void signOnOutcomes_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString invalid = "INVALID USER ID / PASSWORD COMBINATION";
        QTest::newRow("no user ID") << ""
                                    << "ABC123"
                                    << "A USER ID IS REQURIED"
                                    << "user_id";
        QTest::newRow("no password") << "ANN"
                                     << ""
                                     << "A PASSWORD IS REQURIED"
                                     << "user_pwd";
        QTest::newRow("wrong password") << "ANN"
                                        << "ABC124" << invalid << "user_id";
        QTest::newRow("unknown user") << "BOB"
                                      << "ABC123" << invalid << "user_id";
        QTest::newRow("inactive") << "OLD"
                                  << "ABC123"
                                  << "USER NOT ACTIVE"
                                  << "user_id";
        QTest::newRow("inactive, wrong password") << "OLD"
                                                  << "XYZ" << invalid << "user_id";
        QTest::newRow("hostile ID") << "' OR '1'='1"
                                    << "ABC123" << invalid << "user_id";
        QTest::newRow("hostile password") << "ANN"
                                          << "' OR '1'='1" << invalid << "user_id";
        QTest::newRow("hostile both") << "' OR '1'='1"
                                      << "' OR '1'='1" << invalid << "user_id";
        QTest::newRow("apostrophe in the ID") << "O'NEIL"
                                              << "ABC123"
                                              << ""
                                              << "";
        QTest::newRow("signs on") << "ANN"
                                  << "ABC123"
                                  << ""
                                  << "";
    }

    void signOnOutcomes()
    {
        QFETCH(QString, id);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Start s(m_path);
        s.store({"ANN", quickHash("ABC123"), someAccess});
        s.store({"O'NEIL", quickHash("ABC123"), someAccess});
        s.store({"OLD", quickHash("ABC123"), someAccess, 0});
        s.form.show();
        s.signOn(id, password);
        QCOMPARE(s.dialogs.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(s.session.isSignedOn(), message.isEmpty());
        QCOMPARE(s.menusEnabled(), message.isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(s.column(id, "LOG_IN"), QString("1"));
            QCOMPARE(s.child<QLabel>("Label1")->text(), QString("Logged On: Ann Example"));
            QCOMPARE(s.session.userId(), id);
            QVERIFY(s.child<QWidget>("logon_panel")->isHidden());
            QVERIFY(s.form.findChild<QTimer*>("log_out_timer")->isActive());
        } else {
            QCOMPARE(s.dialogs.boxes().first().kind, DialogKind::Error);
            QVERIFY(s.focused(qPrintable(focus)));
            QVERIFY(s.child<QWidget>("logon_panel")->isVisible());
            QCOMPARE(s.column("ANN", "LOG_IN"), QString("0"));
        }
        QCOMPARE(s.userCount(), 3);
    }

    void enterInThePasswordSignsOnAndGoesNoFurther()
    {
        Start s(m_path);
        s.store({"ANN", quickHash("ABC123"), someAccess});
        s.form.show();
        s.field("user_id")->setText("ANN");
        s.field("user_pwd")->setText("ABC123");
        QSignalSpy returns(s.field("user_pwd"), &QLineEdit::returnPressed);
        QTest::keyClick(s.field("user_pwd"), Qt::Key_Return);
        QVERIFY(s.session.isSignedOn());
        QCOMPARE(returns.count(), 0);
    }

    void anOlderPlainPasswordIsAcceptedOnceAndHashed()
    {
        Start s(m_path);
        s.store({"ANN", "ABC123", someAccess});
        s.signOn("ANN", "ABC123");
        QVERIFY(s.session.isSignedOn());
        const QString stored = s.column("ANN", "USER_PASSWORD");
        QVERIFY(isPasswordHash(stored));
        QVERIFY(checkPassword("ABC123", stored).matches);
    }

    void accessListDecidesEveryMenuItem_data()
    {
        QTest::addColumn<QString>("lineEnd");
        QTest::newRow("CR LF") << "\r\n";
        QTest::newRow("CR") << "\r";
    }

    void accessListDecidesEveryMenuItem()
    {
        QFETCH(QString, lineEnd);
        Start s(m_path);
        const QStringList granted = {AccessName::SensorSetup, AccessName::HourlyGraphs,
                                     AccessName::DailySignOut, AccessName::MonthlyLogs};
        s.store({"ANN", quickHash("ABC123"), granted.join(lineEnd), 1, 0});
        QList<ScreenId> created;
        for (ScreenId id :
             {ScreenId::CompanyRegistration, ScreenId::SensorSetup, ScreenId::UserAccounts,
              ScreenId::AlarmCallList, ScreenId::SensorReadings, ScreenId::DailySignout,
              ScreenId::HourlyLogReport, ScreenId::HourlyGraphs, ScreenId::MonthlyLogReport,
              ScreenId::MonthlyGraphs, ScreenId::ExceptionReport, ScreenId::ServerAdmin})
            s.form.setScreenFactory(id, [&created, id](AppContext&) {
                created.append(id);
                return new QWidget;
            });
        s.signOn("ANN", "ABC123");
        QCOMPARE(s.session.accessList(), granted);
        QCOMPARE(s.session.okToSign(), 0);
        struct Item
        {
            const char* name;
            QString access;
            ScreenId screen;
        };
        const Item items[] = {
            {"CompanyRegistration1", AccessName::CompanyRegistration,
             ScreenId::CompanyRegistration},
            {"ServerDatabaseAdmin1", AccessName::ServerDatabaseAdmin, ScreenId::ServerAdmin},
            {"Sensors1", AccessName::SensorSetup, ScreenId::SensorSetup},
            {"users1", AccessName::UserAccounts, ScreenId::UserAccounts},
            {"AlarmCallList1", AccessName::AlarmCallList, ScreenId::AlarmCallList},
            {"CheckALLSensor1", AccessName::SensorReadings, ScreenId::SensorReadings},
            {"Real_Time_Table", AccessName::HourlyLogs, ScreenId::HourlyLogReport},
            {"HourlyGraphs1", AccessName::HourlyGraphs, ScreenId::HourlyGraphs},
            {"DataLogs1", AccessName::MonthlyLogs, ScreenId::MonthlyLogReport},
            {"MonthlyGraphs1", AccessName::MonthlyGraphs, ScreenId::MonthlyGraphs},
            {"CALL_LOG", AccessName::ExceptionReport, ScreenId::ExceptionReport},
        };
        for (const Item& item : items) {
            s.dialogs.clear();
            created.clear();
            s.form.menuItem(item.name)->trigger();
            if (granted.contains(item.access)) {
                QVERIFY2(s.dialogs.boxes().isEmpty(), item.name);
                QCOMPARE(created, QList<ScreenId>{item.screen});
            } else {
                QCOMPARE(s.dialogs.texts(), QStringList{"ACCESS NOT AUTHORIZED!"});
                QVERIFY2(created.isEmpty(), item.name);
            }
        }
        s.dialogs.clear();
        s.form.menuItem("ServerConfig1")->trigger();
        QCOMPARE(s.dialogs.texts(), QStringList{"ACCESS NOT AUTHORIZED!"});
        // Granted, but without the permission to sign.
        s.dialogs.clear();
        created.clear();
        s.form.menuItem("DailySignout1")->trigger();
        QCOMPARE(s.dialogs.texts(), QStringList{"YOU ARE NOT AUTHORIZED TO SIGN DAILY LOGS"});
        QVERIFY(created.isEmpty());
        s.form.launcher().closeAll();
    }

    void passwordChangeReportsEachProblem_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no current") << ""
                                    << ""
                                    << ""
                                    << "CURRENT PASSWORD IS REQUIRED"
                                    << "cpwd";
        QTest::newRow("wrong current") << "ABC124"
                                       << "NEW123"
                                       << "NEW123"
                                       << "CURRENT PASSWORD IS INCORRECT"
                                       << "cpwd";
        QTest::newRow("no new") << "ABC123"
                                << ""
                                << ""
                                << "A NEW PASSWORD IS REQUIRED"
                                << "pwd1";
        QTest::newRow("no confirmation") << "ABC123"
                                         << "NEW123"
                                         << ""
                                         << "PLEASE CONFIRM YOUR NEW PASSWORD"
                                         << "pwd2";
        QTest::newRow("mismatch") << "ABC123"
                                  << "NEW123"
                                  << "NEW124"
                                  << "ENTRIES DO NOT MATCH!"
                                  << "pwd2";
        QTest::newRow("short") << "ABC123"
                               << "N1"
                               << "N1"
                               << "PASSWORD MUST BE AT LEAST 6 CHARACTERS!"
                               << "pwd1";
        QTest::newRow("letters only") << "ABC123"
                                      << "NEWONE"
                                      << "NEWONE"
                                      << "PASSWORD MUST CONTAIN A MIX OF ALPHANUMERIC CHARACTERS!"
                                      << "pwd1";
    }

    void passwordChangeReportsEachProblem()
    {
        QFETCH(QString, current);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Start s(m_path);
        s.store({"ANN", quickHash("ABC123"), someAccess});
        s.form.show();
        s.signOn("ANN", "ABC123");
        s.form.menuItem("ChangeYourPassword1")->trigger();
        s.field("cpwd")->setText(current);
        s.field("pwd1")->setText(newPassword);
        s.field("pwd2")->setText(confirmation);
        s.dialogs.clear();
        s.child<QPushButton>("update_btn")->click();
        QCOMPARE(s.dialogs.texts(), QStringList{message});
        QCOMPARE(s.dialogs.boxes().first().kind, DialogKind::Error);
        QVERIFY(s.focused(qPrintable(focus)));
        QVERIFY(s.child<QWidget>("chapwd_panel")->isVisible());
        QVERIFY(checkPassword("ABC123", s.column("ANN", "USER_PASSWORD")).matches);
        QCOMPARE(s.restart.restarts, 0);
    }

    void passwordChangeNeedsTheSignOnPasswordStill()
    {
        Start s(m_path);
        s.store({"ANN", quickHash("ABC123"), someAccess});
        s.form.show();
        s.signOn("ANN", "ABC123");
        // Somebody else changed the password meanwhile.
        QVERIFY(storePassword(s.df, "ANN", quickHash("XYZ789")));
        s.form.menuItem("ChangeYourPassword1")->trigger();
        s.field("cpwd")->setText("XYZ789");
        s.field("pwd1")->setText("NEW123");
        s.field("pwd2")->setText("NEW123");
        s.dialogs.clear();
        s.child<QPushButton>("update_btn")->click();
        QCOMPARE(s.dialogs.texts(), QStringList{"FAILED TO FIND YOUR USER RECORD"});
        QVERIFY(s.focused("pwd1"));
        QVERIFY(checkPassword("XYZ789", s.column("ANN", "USER_PASSWORD")).matches);
    }

    void cancelEmptiesTheNewPasswordsAndHides()
    {
        Start s(m_path);
        s.store({"ANN", quickHash("ABC123"), someAccess});
        s.form.show();
        s.signOn("ANN", "ABC123");
        s.form.menuItem("ChangeYourPassword1")->trigger();
        QVERIFY(s.child<QWidget>("chapwd_panel")->isVisible());
        s.field("cpwd")->setText("ABC123");
        s.field("pwd1")->setText("NEW123");
        s.field("pwd2")->setText("NEW123");
        s.child<QPushButton>("cancel_btn")->click();
        QVERIFY(s.child<QWidget>("chapwd_panel")->isHidden());
        QCOMPARE(s.field("pwd1")->text(), QString());
        QCOMPARE(s.field("pwd2")->text(), QString());
        QVERIFY(s.session.isSignedOn());
    }

    // From the empty table to a sixteen-character password and back in after the restart.
    void firstSignOnThroughTheRestart()
    {
        const QString chosen = "KELVRA-2026-ABCD";
        QCOMPARE(chosen.size(), 16);
        {
            Start s(m_path);
            s.form.show();
            s.type("user_id", bootstrapWord.toLower());
            s.type("user_pwd", bootstrapWord.toLower());
            QTest::keyClick(s.field("user_pwd"), Qt::Key_Return);
            s.dialogs.clear();
            s.type("cpwd", bootstrapWord);
            s.type("pwd1", chosen.toLower());
            s.type("pwd2", chosen);
            s.clock.set(QDateTime(QDate(2026, 12, 11), QTime(10, 30)));
            s.child<QPushButton>("update_btn")->click();
            QCOMPARE(s.dialogs.texts(), (QStringList{"YOUR PASSWORD HAS BEEN CHANGED.",
                                                     "NEED TO RESTART SYSTEM...."}));
            for (const auto& box : s.dialogs.boxes())
                QCOMPARE(box.kind, DialogKind::Confirmation);
            QCOMPARE(s.restart.restarts, 1);
            QVERIFY(!s.form.isVisible());
            QCOMPARE(s.field("user_pwd")->text(), chosen);
            QVERIFY(s.child<QWidget>("chapwd_panel")->isHidden());
            QCOMPARE(s.column(bootstrapWord, "CHANGED"), "12/11/2026 10:30 " + bootstrapWord);
            // The restart does not mark the user signed off.
            QCOMPARE(s.column(bootstrapWord, "LOG_IN"), QString("1"));
            QVERIFY(isPasswordHash(s.column(bootstrapWord, "USER_PASSWORD")));
        }
        Start again(m_path);
        again.form.show();
        again.type("user_id", bootstrapWord);
        again.type("user_pwd", chosen);
        QCOMPARE(again.field("user_pwd")->text(), chosen);
        again.child<QPushButton>("logon_btn")->click();
        QVERIFY(again.dialogs.boxes().isEmpty());
        QVERIFY(again.session.isSignedOn());
        QVERIFY(again.menusEnabled());
        QCOMPARE(again.session.accessList(), allAccessNames());
        QCOMPARE(again.child<QLabel>("Label1")->text(), QString("Logged On: Server Admin"));
        // The bootstrap word no longer works.
        Start third(m_path);
        third.signOn(bootstrapWord, bootstrapWord);
        QCOMPARE(third.dialogs.texts(), QStringList{"INVALID USER ID / PASSWORD COMBINATION"});
    }

    void idleSessionIsSignedOutByTheTimer_data()
    {
        QTest::addColumn<QTime>("timer");
        QTest::addColumn<bool>("signsOut");
        QTest::newRow("10:15") << QTime(10, 15) << false;
        QTest::newRow("10:16") << QTime(10, 16) << true;
    }

    void idleSessionIsSignedOutByTheTimer()
    {
        QFETCH(QTime, timer);
        QFETCH(bool, signsOut);
        Start s(m_path);
        s.store({"ANN", quickHash("ABC123"), someAccess});
        s.form.show();
        s.signOn("ANN", "ABC123");
        QTimer* logOut = s.form.findChild<QTimer*>("log_out_timer");
        QCOMPARE(logOut->interval(), 30000);
        s.clock.set(QDateTime(QDate(2026, 12, 11), timer));
        QVERIFY(QMetaObject::invokeMethod(logOut, "timeout"));
        QCOMPARE(s.form.isVisible(), !signsOut);
        QCOMPARE(s.session.isSignedOn(), !signsOut);
        QCOMPARE(s.column("ANN", "LOG_IN"), QString(signsOut ? "0" : "1"));
        QVERIFY(s.dialogs.boxes().isEmpty());
    }

    void timerSignsOutWhileABoxIsOpen()
    {
        Start s(m_path);
        s.store({"ANN", quickHash("ABC123"), someAccess});
        s.form.show();
        s.signOn("ANN", "ABC123");
        s.clock.set(QDateTime(QDate(2026, 12, 11), QTime(10, 20)));
        s.dialogs.whileNextBoxIsOpen(
            [&s] { QMetaObject::invokeMethod(&s.form, "log_out_timerTimer"); });
        // The exit question is open when the timer fires; its answer then acts on nothing.
        s.dialogs.answerNext(DialogAnswer::Cancel);
        s.form.menuItem("AmbrixEXIT")->trigger();
        QCOMPARE(s.dialogs.texts(), QStringList{"Are you sure you want to Exit?"});
        QVERIFY(!s.form.isVisible());
        QVERIFY(!s.session.isSignedOn());
        QCOMPARE(s.column("ANN", "LOG_IN"), QString("0"));
    }

    void exitAsksAndMarksTheUserSignedOff_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        QTest::newRow("OK") << int(DialogAnswer::Ok) << true;
        QTest::newRow("Cancel") << int(DialogAnswer::Cancel) << false;
    }

    void exitAsksAndMarksTheUserSignedOff()
    {
        QFETCH(int, answer);
        QFETCH(bool, ends);
        Start s(m_path);
        s.store({"ANN", quickHash("ABC123"), someAccess});
        s.form.show();
        s.signOn("ANN", "ABC123");
        s.dialogs.answerNext(DialogAnswer(answer));
        s.form.menuItem("AmbrixEXIT")->trigger();
        QCOMPARE(s.dialogs.texts(), QStringList{"Are you sure you want to Exit?"});
        QCOMPARE(s.form.isVisible(), !ends);
        QCOMPARE(s.session.isSignedOn(), !ends);
        QCOMPARE(s.column("ANN", "LOG_IN"), QString(ends ? "0" : "1"));
        QCOMPARE(s.form.findChild<QTimer*>("log_out_timer")->isActive(), !ends);
    }

    void minimisingAndRestoringKeepsTheSession()
    {
        Start s(m_path);
        s.store({"ANN", quickHash("ABC123"), someAccess});
        s.form.show();
        s.signOn("ANN", "ABC123");
        s.form.showMinimized();
        QCoreApplication::processEvents();
        s.form.setWindowState(s.form.windowState() & ~Qt::WindowMinimized);
        s.form.show();
        QCoreApplication::processEvents();
        QVERIFY(s.session.isSignedOn());
        QVERIFY(s.menusEnabled());
        QVERIFY(s.child<QWidget>("logon_panel")->isHidden());
        QCOMPARE(s.child<QLabel>("Label1")->text(), QString("Logged On: Ann Example"));
        QCOMPARE(s.field("user_id")->text(), QString("ANN"));
    }

    void unreadableLocalDatabaseStopsEverySignOn()
    {
        QDir().mkpath(QFileInfo(m_path).path());
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        Start s(m_path);
        s.form.show();
        const QString missing = "Database Not Found, Restore Previous Backup";
        QCOMPARE(s.dialogs.texts(), QStringList{missing});
        QCOMPARE(s.dialogs.boxes().first().kind, DialogKind::Plain);
        QVERIFY(s.child<QWidget>("logon_panel")->isVisible());
        s.dialogs.clear();
        s.signOn(bootstrapWord, bootstrapWord);
        QCOMPARE(s.dialogs.texts(), QStringList{missing});
        QVERIFY(!s.session.isSignedOn());
    }

    // The production strength signs on too; the time it takes is printed for the record.
    void signsOnWithTheProductionHash()
    {
        Start s(m_path);
        s.form.setPasswordHashIterations(passwordHashIterations);
        s.store({"ANN", hashPassword("ABC123"), someAccess});
        QElapsedTimer elapsed;
        elapsed.start();
        s.signOn("ANN", "ABC123");
        qInfo("sign-on with %d iterations: %lld ms", passwordHashIterations, elapsed.elapsed());
        QVERIFY(s.session.isSignedOn());
    }

private:
    int m_runs = 0;
};

QTEST_MAIN(TestSignOn)
#include "test_sign_on.moc"
