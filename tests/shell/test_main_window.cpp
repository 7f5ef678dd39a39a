#include "common/AccessList.h"
#include "common/Pause.h"
#include "common/ScreenMetrics.h"
#include "data/DataAccess.h"
#include "shell/TSPmenu_form.h"
#include "support/FixedClock.h"
#include "support/RecordingDialogs.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvra;

namespace {

class RecordingDesktop final : public DesktopShell
{
public:
    bool openDocument(const QString& path) override
    {
        opened << path;
        return succeed;
    }
    bool startProgram(const QString& path) override
    {
        started << path;
        return succeed;
    }
    QStringList opened;
    QStringList started;
    bool succeed = false;
};

// What a screen window saw of the main window at the moment it was created.
struct CreationSnapshot
{
    bool pleaseWaitShown = false;
    bool barShown = false;
    int barValue = -1;
};

struct Harness
{
    explicit Harness(QSize screenSize = {1024, 768})
        : df(dir.filePath("Database/sensordb.db")), ds(df, {}), screen(screenSize),
          session(clock), context{dialogs, clock, pause, screen, desktop, df, ds, session},
          form(context)
    {
    }

    void signOn(const QStringList& access, int okToSign = -1)
    {
        session.setUserId("ANN");
        session.setUserName("Ann Example");
        session.setAccessList(access);
        session.setOkToSign(okToSign);
        session.setSignedOn(true);
        form.setMenusEnabled(true);
    }

    // Every screen gets a plain window that remembers the state of the indicator.
    void registerDummyScreens()
    {
        for (ScreenId id :
             {ScreenId::CompanyRegistration, ScreenId::SensorSetup, ScreenId::UserAccounts,
              ScreenId::AlarmCallList, ScreenId::SensorReadings, ScreenId::DailySignout,
              ScreenId::HourlyLogReport, ScreenId::HourlyGraphs, ScreenId::MonthlyLogReport,
              ScreenId::MonthlyGraphs, ScreenId::ExceptionReport, ScreenId::ExceptionReport800,
              ScreenId::ServerAdmin}) {
            form.setScreenFactory(id, [this, id](AppContext&) {
                auto* window = new QWidget;
                window->setObjectName(QString("screen%1").arg(static_cast<int>(id)));
                window->resize(900, 600);
                snapshots.append({!child<QLabel>("Label16")->isHidden(),
                                  !child<QProgressBar>("ProgressBar1")->isHidden(),
                                  child<QProgressBar>("ProgressBar1")->value()});
                created.append(id);
                return window;
            });
        }
    }

    template <typename T> T* child(const char* name) { return form.findChild<T*>(name); }
    void trigger(const char* item) { form.menuItem(item)->trigger(); }

    QTemporaryDir dir;
    Tdf df;
    Tds ds;
    test::RecordingDialogs dialogs;
    test::FixedClock clock;
    NoPause pause;
    FixedScreenMetrics screen;
    RecordingDesktop desktop;
    Session session;
    AppContext context;
    TSPmenu_form form;
    QList<CreationSnapshot> snapshots;
    QList<ScreenId> created;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startsSignedOffWithDisabledMenus()
    {
        Harness h;
        QCOMPARE(h.form.windowTitle(), QString("Veltrin® SP"));
        QCOMPARE(h.child<QLabel>("Label1")->text(), QString("Logged Off"));
        QCOMPARE(h.child<QLabel>("Label13")->text(),
                 QString("W  i  r  e  l  e  s  s      S  P       S  y  s  t  e  m      M  a  n  a  "
                         "g  e  r"));
        QCOMPARE(h.child<QLabel>("Label7")->text(),
                 QString("Veltrin® DA Vidiroze Dovero Vuvuvid Server"));
        QCOMPARE(h.child<QLabel>("Label16")->text(), QString("PLEASE WAIT....."));
        for (const char* menu : {"Admin1", "UserDef1", "Observations1"})
            QVERIFY2(!h.form.topMenu(menu)->menuAction()->isEnabled(), menu);
        for (const char* hidden :
             {"Label16", "ProgressBar1", "logon_panel", "chapwd_panel", "server_panel", "Panel12"})
            QVERIFY2(h.child<QWidget>(hidden)->isHidden(), hidden);
        QCOMPARE(h.form.minimumSize(), QSize(681, 395));
        QCOMPARE(h.form.maximumSize(), QSize(1024, 768));
    }

    void menusCarryTheirCaptions_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::newRow("build") << "BuildInformation1"
                               << "Admin1"
                               << "&Build Information";
        QTest::newRow("manual") << "AmbrixManual1"
                                << "Admin1"
                                << "Veltrin SP® &Manual";
        QTest::newRow("company") << "CompanyRegistration1"
                                 << "Admin1"
                                 << "&Company Registration";
        QTest::newRow("password") << "ChangeYourPassword1"
                                  << "Admin1"
                                  << "C&hange Your Password";
        QTest::newRow("server admin") << "ServerDatabaseAdmin1"
                                      << "Admin1"
                                      << "Server Database Admin";
        QTest::newRow("exit") << "AmbrixEXIT"
                              << "Admin1"
                              << "&Exit Veltrin® SP";
        QTest::newRow("sensors") << "Sensors1"
                                 << "UserDef1"
                                 << "&Sensor Setup";
        QTest::newRow("users") << "users1"
                               << "UserDef1"
                               << "&User Accounts";
        QTest::newRow("call list") << "AlarmCallList1"
                                   << "UserDef1"
                                   << "&Alarm Call List";
        QTest::newRow("server config") << "ServerConfig1"
                                       << "UserDef1"
                                       << "Server Config";
        QTest::newRow("readings") << "CheckALLSensor1"
                                  << "Observations1"
                                  << "&Sensor Readings";
        QTest::newRow("sign out") << "DailySignout1"
                                  << "Observations1"
                                  << "&Daily Signout";
        QTest::newRow("hourly log") << "Real_Time_Table"
                                    << "Observations1"
                                    << "&Hourly Log Report";
        QTest::newRow("hourly graphs") << "HourlyGraphs1"
                                       << "Observations1"
                                       << "H&ourly Graphs";
        QTest::newRow("monthly log") << "DataLogs1"
                                     << "Observations1"
                                     << "&Monthly Log Report";
        QTest::newRow("monthly graphs") << "MonthlyGraphs1"
                                        << "Observations1"
                                        << "Monthly &Graphs";
        QTest::newRow("exceptions") << "CALL_LOG"
                                    << "Observations1"
                                    << "&Exception Report";
    }

    void menusCarryTheirCaptions()
    {
        QFETCH(QString, item);
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        Harness h;
        QAction* action = h.form.findChild<QAction*>(item);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QVERIFY(h.form.topMenu(menu)->actions().contains(action));
    }

    void topMenuCaptions()
    {
        Harness h;
        QCOMPARE(h.form.topMenu("Admin1")->title(), QString("&Administration"));
        QCOMPARE(h.form.topMenu("UserDef1")->title(), QString("&Settings"));
        QCOMPARE(h.form.topMenu("Observations1")->title(), QString("&Observations/Reports"));
    }

    void refusesScreensOutsideTheAccessList_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("accessName");
        QTest::newRow("hourly graphs") << "HourlyGraphs1" << AccessName::HourlyGraphs;
        QTest::newRow("sensor setup") << "Sensors1" << AccessName::SensorSetup;
        QTest::newRow("exception report") << "CALL_LOG" << AccessName::ExceptionReport;
        QTest::newRow("server admin") << "ServerDatabaseAdmin1" << AccessName::ServerDatabaseAdmin;
        QTest::newRow("daily signout") << "DailySignout1" << AccessName::DailySignOut;
        QTest::newRow("server config") << "ServerConfig1" << AccessName::ServerConfig;
    }

    void refusesScreensOutsideTheAccessList()
    {
        QFETCH(QString, item);
        QFETCH(QString, accessName);
        Harness h;
        h.registerDummyScreens();
        QStringList everythingElse = {
            AccessName::UserAccounts,        AccessName::CompanyRegistration,
            AccessName::ServerDatabaseAdmin, AccessName::ServerConfig,
            AccessName::SensorSetup,         AccessName::AlarmCallList,
            AccessName::SensorReadings,      AccessName::DailySignOut,
            AccessName::HourlyLogs,          AccessName::MonthlyLogs,
            AccessName::MonthlyGraphs,       AccessName::ExceptionReport,
            AccessName::HourlyGraphs};
        everythingElse.removeAll(accessName);
        h.signOn(everythingElse);
        h.form.menuItem(item)->trigger();
        QCOMPARE(h.dialogs.texts(), QStringList{"ACCESS NOT AUTHORIZED!"});
        QCOMPARE(h.dialogs.boxes().first().kind, DialogKind::Error);
        QVERIFY(h.created.isEmpty());
        QVERIFY(h.child<QWidget>("server_panel")->isHidden());
    }

    void accessIgnoresCaseButNotBlanks()
    {
        Harness h;
        h.registerDummyScreens();
        h.signOn({"hourly graphs"});
        h.trigger("HourlyGraphs1");
        QCOMPARE(h.created, QList<ScreenId>{ScreenId::HourlyGraphs});
        QVERIFY(h.dialogs.boxes().isEmpty());

        h.signOn({"HOURLY GRAPHS "});
        h.trigger("HourlyGraphs1");
        QCOMPARE(h.created.size(), 1);
        QCOMPARE(h.dialogs.texts(), QStringList{"ACCESS NOT AUTHORIZED!"});
        h.form.launcher().closeAll();
    }

    void opensANewWindowOnEveryClick()
    {
        Harness h;
        h.registerDummyScreens();
        h.signOn({AccessName::SensorSetup, AccessName::HourlyLogs});
        h.trigger("Sensors1");
        h.trigger("Sensors1");
        QCOMPARE(h.form.launcher().openWindows().size(), 2);
        QCOMPARE(h.snapshots.size(), 2);
        // The label shows only while no Sensor Setup window is open...
        QVERIFY(h.snapshots[0].pleaseWaitShown);
        QVERIFY(!h.snapshots[1].pleaseWaitShown);
        // ...and the bar stands at 25 while the window is made.
        QVERIFY(h.snapshots[0].barShown);
        QCOMPARE(h.snapshots[0].barValue, 25);
        QCOMPARE(h.pause.totalMs(), 2 * (1500 + 550));
        QVERIFY(h.child<QWidget>("Label16")->isHidden());
        QVERIFY(h.child<QWidget>("ProgressBar1")->isHidden());

        // The hourly log report shows the label every time.
        h.trigger("Real_Time_Table");
        h.trigger("Real_Time_Table");
        QVERIFY(h.snapshots[2].pleaseWaitShown);
        QVERIFY(h.snapshots[3].pleaseWaitShown);

        for (QWidget* window : h.form.launcher().openWindows()) {
            QVERIFY(window->isVisible());
            // Above the main window, not above every program.
            QCOMPARE(window->parentWidget(), static_cast<QWidget*>(&h.form));
            QVERIFY(window->isWindow());
            QVERIFY(!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        }
        // Closing a window frees it; the next click shows the label again.
        QPointer<QWidget> a = h.form.launcher().openWindows().at(0);
        QPointer<QWidget> b = h.form.launcher().openWindows().at(1);
        a->close();
        b->close();
        QTRY_VERIFY(a.isNull() && b.isNull());
        h.trigger("Sensors1");
        QVERIFY(h.snapshots.last().pleaseWaitShown);
        h.form.launcher().closeAll();
    }

    void picksTheExceptionReportForTheScreenWidth_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("expected");
        QTest::newRow("1024") << 1024 << static_cast<int>(ScreenId::ExceptionReport);
        QTest::newRow("800") << 800 << static_cast<int>(ScreenId::ExceptionReport800);
    }

    void picksTheExceptionReportForTheScreenWidth()
    {
        QFETCH(int, screenWidth);
        QFETCH(int, expected);
        Harness h(QSize(screenWidth, 600));
        h.registerDummyScreens();
        h.signOn({AccessName::ExceptionReport});
        h.trigger("CALL_LOG");
        QCOMPARE(h.created, QList<ScreenId>{static_cast<ScreenId>(expected)});
        QVERIFY(!h.snapshots[0].barShown);
        QCOMPARE(h.pause.totalMs(), 0);
        QVERIFY(h.form.launcher().mostRecent(static_cast<ScreenId>(expected))->isVisible());
        h.form.launcher().closeAll();
    }

    // What a screen asks of the main window goes through the context, with the menu's checks.
    void screensRunMenuCommandsThroughTheContext()
    {
        Harness h(QSize(800, 600));
        QCOMPARE(h.context.commands, static_cast<ScreenCommands*>(&h.form));
        h.registerDummyScreens();
        h.signOn({AccessName::ExceptionReport});
        h.context.commands->runMenuCommand(ScreenId::SensorSetup);
        QCOMPARE(h.dialogs.texts(), QStringList{"ACCESS NOT AUTHORIZED!"});
        QVERIFY(h.created.isEmpty());

        struct ReportWindow : QWidget, OpensOnSensor
        {
            void openOnSensor(const QString& department, const QString& sensorId) override
            {
                opened = department + "/" + sensorId;
            }
            QString opened;
        };
        QPointer<ReportWindow> report;
        h.form.setScreenFactory(ScreenId::ExceptionReport800, [&report](AppContext&) {
            report = new ReportWindow;
            return report.data();
        });
        h.context.commands->openExceptionReport("  LAB  ", "01");
        QVERIFY(report);
        QCOMPARE(report->opened, QString("  LAB  /01"));
        QVERIFY(report->isVisible());
        h.form.launcher().closeAll();
    }

    void narrowsSensorReadingsOnSmallScreens()
    {
        Harness h(QSize(800, 600));
        h.signOn({AccessName::SensorReadings});
        QPointer<QWidget> made;
        h.form.setScreenFactory(ScreenId::SensorReadings, [&made](AppContext&) {
            auto* window = new QWidget;
            window->resize(1000, 700);
            auto addChild = [](QWidget* parent, const char* name, QRect geometry) {
                auto* w = new QWidget(parent);
                w->setObjectName(name);
                w->setGeometry(geometry);
                return w;
            };
            addChild(window, "ScrollBox1", {0, 40, 990, 500});
            QWidget* panel = addChild(window, "Panel1", {0, 0, 990, 40});
            addChild(panel, "last_obs_label", {700, 10, 150, 20});
            addChild(window, "top_panel", {0, 0, 990, 40});
            QWidget* bottom = addChild(window, "bottom_panel", {0, 640, 990, 50});
            addChild(bottom, "clear_btn", {400, 10, 75, 30});
            addChild(bottom, "view_btn", {100, 10, 75, 30});
            addChild(bottom, "exit_btn", {800, 10, 75, 30});
            made = window;
            return window;
        });
        h.trigger("CheckALLSensor1");
        QVERIFY(made);
        QCOMPARE(made->width(), 664);
        for (const char* name : {"ScrollBox1", "Panel1", "bottom_panel", "top_panel"})
            QCOMPARE(made->findChild<QWidget*>(name)->width(), 656);
        QCOMPARE(made->findChild<QWidget*>("clear_btn")->x(), 291); // 328 - 37.5, rounded
        QCOMPARE(made->findChild<QWidget*>("view_btn")->x(), 26);
        QCOMPARE(made->findChild<QWidget*>("exit_btn")->x(), 656 - 75 - 20);
        QCOMPARE(made->findChild<QWidget*>("last_obs_label")->x(), 656 - 150 - 20);
        h.form.launcher().closeAll();
    }

    void keepsSensorReadingsWideOnLargeScreens()
    {
        Harness h(QSize(1280, 1024));
        h.registerDummyScreens();
        h.signOn({AccessName::SensorReadings});
        h.trigger("CheckALLSensor1");
        QCOMPARE(h.form.launcher().mostRecent(ScreenId::SensorReadings)->width(), 900);
        h.form.launcher().closeAll();
    }

    void imageDoubleClickOpensSensorReadings()
    {
        Harness h;
        h.registerDummyScreens();
        h.signOn({AccessName::SensorReadings});
        QTest::mouseDClick(h.child<QWidget>("Image1"), Qt::LeftButton);
        QCOMPARE(h.created, QList<ScreenId>{ScreenId::SensorReadings});
        h.form.launcher().closeAll();
    }

    void dailySignoutNeedsTheSignOffPermission()
    {
        Harness h;
        h.registerDummyScreens();
        h.signOn({AccessName::DailySignOut}, 0);
        h.trigger("DailySignout1");
        QCOMPARE(h.dialogs.texts(), QStringList{"YOU ARE NOT AUTHORIZED TO SIGN DAILY LOGS"});
        QCOMPARE(h.dialogs.boxes().first().kind, DialogKind::Error);
        QVERIFY(h.created.isEmpty());

        h.signOn({AccessName::DailySignOut}, -1);
        h.trigger("DailySignout1");
        QCOMPARE(h.created, QList<ScreenId>{ScreenId::DailySignout});
        h.form.launcher().closeAll();
    }

    void serverAdminStampsActivityEvenWhenRefused()
    {
        Harness h;
        h.signOn({});
        h.clock.set(QDateTime(QDate(2026, 12, 11), QTime(14, 7)));
        h.trigger("ServerDatabaseAdmin1");
        QCOMPARE(h.session.LastActivityStamp(), Session::minuteOf(h.clock.now()));
        QCOMPARE(h.dialogs.texts(), QStringList{"ACCESS NOT AUTHORIZED!"});
    }

    void buildInformationPanel()
    {
        Harness h;
        h.form.resize(1000, 700);
        h.trigger("BuildInformation1");
        QWidget* panel = h.child<QWidget>("Panel12");
        QVERIFY(!panel->isHidden());
        QCOMPARE(panel->pos(), QPoint(h.form.width() / 2 - panel->width() / 2,
                                      h.form.height() / 2 - panel->height() / 2));
        QCOMPARE(h.child<QLabel>("Panel12_title")->text(),
                 QString("Veltrin® SP Build Information"));
        QCOMPARE(h.child<QLabel>("build_text")->text(), QString("Build 1.2.0.4.23.8"));
        QCOMPARE(h.child<QPushButton>("Build_ok_btn")->text(), QString("&OK"));
        h.child<QPushButton>("Build_ok_btn")->click();
        QVERIFY(panel->isHidden());
    }

    void reportsAManualThatCannotBeOpened()
    {
        Harness h;
        h.trigger("AmbrixManual1");
        QCOMPARE(h.desktop.opened, QStringList{TSPmenu_form::manualPath()});
        QCOMPARE(h.dialogs.texts(),
                 QStringList{"Error Opening Manual From " + TSPmenu_form::manualFolder()});

        h.dialogs.clear();
        h.desktop.succeed = true;
        h.trigger("AmbrixManual1");
        QVERIFY(h.dialogs.boxes().isEmpty());
    }

    void laysOutOnResize()
    {
        Harness h;
        h.form.show();
        h.form.setWindowState(Qt::WindowNoState);
        h.form.resize(900, 600);
        QTRY_COMPARE(h.form.size(), QSize(900, 600));
        const QWidget* image = h.child<QWidget>("Image1");
        QCOMPARE(image->pos(), QPoint(450 - image->width() / 2, 300 - 155));
        const QWidget* label7 = h.child<QWidget>("Label7");
        QCOMPARE(label7->pos(), QPoint(450 - label7->width() / 2, 600 - 132));
        const QWidget* bottom = h.child<QWidget>("bottom_panel");
        QCOMPARE(bottom->height(), 35);
        QCOMPARE(bottom->geometry().bottom(), h.child<QWidget>("backdrop")->height() - 1);
        h.form.hide();
    }

    void exitAsksWhileSignedOn()
    {
        Harness h;
        QVERIFY(ExecSql(h.df.ADOCommand, "INSERT INTO USERS (USER_ID, LOG_IN) VALUES ('ANN', 1)"));
        h.signOn({AccessName::SensorSetup});
        h.form.show();

        h.dialogs.answerNext(DialogAnswer::Cancel);
        h.trigger("AmbrixEXIT");
        QCOMPARE(h.dialogs.texts(), QStringList{"Are you sure you want to Exit?"});
        QCOMPARE(h.dialogs.boxes().first().buttons, DialogButtons::OkCancel);
        QVERIFY(h.form.isVisible());
        QVERIFY(h.session.isSignedOn());
        QCOMPARE(h.session.accessList(), QStringList{AccessName::SensorSetup});

        h.dialogs.answerNext(DialogAnswer::Ok);
        h.form.close();
        QVERIFY(!h.form.isVisible());
        QVERIFY(!h.session.isSignedOn());
        QVERIFY(h.session.accessList().isEmpty());
        QVERIFY(OpenSql(h.df.AdoView, " Select LOG_IN from USERS"));
        QCOMPARE(ReadField(h.df.AdoView, "LOG_IN").asInt(), 0);
        CloseSql(h.df.AdoView);
    }

    void exitWithoutASessionDoesNotAsk()
    {
        Harness h;
        h.form.show();
        h.form.close();
        QVERIFY(h.dialogs.boxes().isEmpty());
        QVERIFY(!h.form.isVisible());
    }

    void answersAnotherStart()
    {
        Harness h;
        h.form.reportInvalidDataStructure("Invalid data structure passed in WM_COPYDATA");
        QCOMPARE(h.dialogs.texts(), QStringList{"Invalid data structure passed in WM_COPYDATA"});
        QCOMPARE(h.dialogs.boxes().first().kind, DialogKind::Error);

        h.form.show();
        h.form.showMinimized();
        h.form.showInstance();
        QVERIFY(!h.form.isMinimized());
        QVERIFY(h.form.isVisible());
        h.form.hide();
        h.form.showInstance();
        QVERIFY(h.form.isVisible());
        h.form.hide();
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
