#include "DemoInstallation.h"
#include "DemoWriter.h"
#include "common/ActivationTracker.h"
#include "common/ConnectingIndicator.h"
#include "common/DecimalText.h"
#include "common/DropDownComboBox.h"
#include "common/Pause.h"
#include "common/ScreenFrame.h"
#include "common/SensorPickers.h"
#include "support/RecordingDialogs.h"
#include "support/TestInstallation.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvra;
using test::TestServer;

namespace {

const char* const fixtureRows[] = {
    "INSERT INTO REG (REG_NAME, DEPT) VALUES ('  LAB  ', 'LAB'), ('PHARMACY', 'PHARMACY'), "
    "('LAB_1', 'LAB_1'), ('LABX1', 'LABX1')",
    "INSERT INTO SENSORS (SENSOR_ID, DEPT, SENSOR_TYPE, STATUS_FLAG) VALUES "
    "('00', 'LAB', 'T', -1), ('01', 'LAB', 'TRH', -1), ('02', 'LAB', 'THS', 0), "
    "('00', 'PHARMACY', 'T', -1), ('10', 'LAB_1', 'T', -1), ('11', 'LAB_1', 'T', -1), "
    "('20', 'LABX1', 'T', -1)",
};

// A small screen made of the frame's pieces, as a real screen would use them.
class FrameWindow : public QWidget
{
public:
    FrameWindow(Tds& ds, Dialogs& dialogs, Pause& pause, SensorPickers::Options options)
    {
        resize(600, 300);
        top_panel = new QWidget(this);
        top_panel->setObjectName("top_panel");
        top_panel->setGeometry(0, 0, 600, 40);
        dataserver = new QLabel("Connecting...", top_panel);
        dataserver->setObjectName("dataserver");
        ProgressBar2 = new QProgressBar(top_panel);
        ProgressBar2->setObjectName("ProgressBar2");
        dept = new DropDownComboBox(this);
        dept->setObjectName("dept");
        dept->setEditable(true);
        dept->setGeometry(10, 60, 200, 24);
        s1 = new DropDownComboBox(this);
        s1->setObjectName("s1");
        s1->setGeometry(220, 60, 60, 24);
        note = new QLineEdit(this);
        note->setObjectName("note");
        note->setGeometry(300, 60, 100, 24);
        auto* bottom = new QWidget(this);
        bottom->setObjectName("bottom_panel");
        bottom->setGeometry(0, 250, 600, 50);
        frame = new ScreenFrame(*this, top_panel, bottom, dialogs, {});
        indicator = std::make_unique<ConnectingIndicator>(*dataserver, *ProgressBar2, pause);
        pickers = new SensorPickers(
            *this, *dept, s1, ds, dialogs, options,
            {.view = [this] { views << pickers->department() + "/" + pickers->sensorId(); },
             .endOfList = [this] { ++endActions; },
             .beforeStep = [this] { ++blankings; }},
            options.indicatorOnSensorLoad ? indicator.get() : nullptr);
        tracker = new ActivationTracker(*this, [this] { ++activations; });
    }

    QWidget* top_panel;
    QLabel* dataserver;
    QProgressBar* ProgressBar2;
    DropDownComboBox* dept;
    DropDownComboBox* s1;
    QLineEdit* note;
    ScreenFrame* frame;
    std::unique_ptr<ConnectingIndicator> indicator;
    SensorPickers* pickers;
    ActivationTracker* tracker;
    QStringList views;
    int endActions = 0;
    int blankings = 0;
    int activations = 0;
};

QStringList items(const QComboBox& box)
{
    QStringList result;
    for (int i = 0; i < box.count(); ++i)
        result << box.itemText(i);
    return result;
}

} // namespace

class TestScreenFrame : public QObject
{
    Q_OBJECT

    TestServer m_server = TestServer::fromEnvironment();
    QTemporaryDir m_odbcIni;

    void arrangeServer(bool withRows = true)
    {
        QSqlDatabase db = test::freshServerDatabase(m_server, "kelvra_frame");
        QVERIFY(db.isOpen());
        QSqlQuery q(db);
        if (withRows)
            for (const char* rows : fixtureRows)
                QVERIFY2(q.exec(rows), qPrintable(q.lastError().text()));
    }

    static void addBranches()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("mySQL") << "mySQL";
        QTest::newRow("SQL Server branch") << "ODBC driver name";
    }

    struct Screen
    {
        std::unique_ptr<test::Installation> installation;
        test::RecordingDialogs dialogs;
        NoPause pause;
        std::unique_ptr<FrameWindow> window;
    };

    std::unique_ptr<Screen> screen(const QString& way, SensorPickers::Options options = {})
    {
        auto s = std::make_unique<Screen>();
        s->installation = test::installationAt(way, m_server, "kelvra_frame");
        s->window =
            std::make_unique<FrameWindow>(*s->installation->ds, s->dialogs, s->pause, options);
        s->window->setAttribute(Qt::WA_DeleteOnClose, false);
        return s;
    }

private slots:
    void initTestCase() { test::useOdbcIniIn(m_odbcIni.path()); }
    void cleanup() { QSqlDatabase::removeDatabase("arrange"); }

    void followsTheWindowConventions()
    {
        test::RecordingDialogs dialogs;
        QWidget window;
        window.resize(700, 400);
        ScreenFrame frame(window, nullptr, nullptr, dialogs, {});
        QCOMPARE(window.windowTitle(), QString("Veltrin® SP"));
        QCOMPARE(window.minimumSize(), QSize(700, 400));
        QCOMPARE(window.maximumSize(), QSize(700, 400));
        QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(window.geometry().center().x() / 10, area.center().x() / 10);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
    }

    void listsDepartmentsTrimmedAndQueriesThemTrimmed_data() { addBranches(); }
    void listsDepartmentsTrimmedAndQueriesThemTrimmed()
    {
        QFETCH(QString, way);
        arrangeServer();
        const auto s = screen(way);
        QVERIFY(s->window->pickers->load_depts());
        QCOMPARE(items(*s->window->dept), QStringList({"LAB", "LABX1", "LAB_1", "PHARMACY"}));
        QCOMPARE(s->window->dept->currentText(), QString("LAB"));
        QCOMPARE(s->window->dept->maxVisibleItems(), 3);
        QVERIFY(s->window->pickers->Load_s1());
        // Active sensors only; no sensor chosen after the load.
        QCOMPARE(items(*s->window->s1), QStringList({"00", "01"}));
        QCOMPARE(s->window->s1->currentIndex(), -1);
        QCOMPARE(s->window->pickers->sensorId(), QString());
        QCOMPARE(s->window->s1->maxVisibleItems(), 10);
    }

    void anEmptyRegLeavesThePickersEmpty_data() { addBranches(); }
    void anEmptyRegLeavesThePickersEmpty()
    {
        QFETCH(QString, way);
        arrangeServer(false);
        const auto s = screen(way, {.nextGuard = true});
        s->window->dept->addItem("OLD");
        QVERIFY(s->window->pickers->load_depts());
        QCOMPARE(s->window->dept->count(), 0);
        QCOMPARE(s->window->dept->currentText(), QString());
        QVERIFY(s->window->pickers->Load_s1());
        QCOMPARE(s->window->s1->count(), 0);
        // A guarded screen stops without a word.
        s->window->pickers->next_btnClick();
        QVERIFY(s->dialogs.boxes().isEmpty());
        QVERIFY(s->window->views.isEmpty());
    }

    void aFailedLoadKeepsThePicker()
    {
        arrangeServer();
        const auto s = screen("mySQL");
        QVERIFY(s->window->pickers->load_depts());
        QSqlDatabase db = test::directConnection(m_server, "kelvra_frame", "arrange");
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec("DROP TABLE REG"));
        QVERIFY(!s->window->pickers->load_depts());
        QCOMPARE(s->window->dept->count(), 4);
        QVERIFY(s->dialogs.boxes().isEmpty());
    }

    // On the demo installation: every department listed trimmed, each one's active sensors
    // stepped through in order, the closed department without any.
    void stepsThroughTheDemoInstallation_data() { addBranches(); }
    void stepsThroughTheDemoInstallation()
    {
        QFETCH(QString, way);
        QVERIFY(test::recreateDatabase(m_server, "kelvra_frame"));
        const demo::DemoInstallation installation =
            demo::generateDemoInstallation({.endDate = QDate(2026, 12, 11)});
        {
            demo::DemoWriter writer;
            QVERIFY2(writer.open({m_server.host, m_server.port, m_server.user, m_server.password,
                                  "kelvra_frame"}),
                     qPrintable(writer.errorText()));
            QVERIFY2(writer.write(installation), qPrintable(writer.errorText()));
        }
        QStringList departments;
        QMap<QString, QStringList> activeSensors;
        for (const demo::RegRow& reg : installation.reg)
            departments << trimmedOfBlanks(reg.regName);
        for (const demo::SensorRow& sensor : installation.sensors)
            if (sensor.statusFlag == -1)
                activeSensors[trimmedOfBlanks(sensor.dept)] << sensor.sensorId;
        departments.sort();
        QVERIFY(activeSensors.size() < departments.size()); // a department without any

        const auto s = screen(way);
        FrameWindow& w = *s->window;
        QVERIFY(w.pickers->load_depts());
        QStringList listed = items(*w.dept);
        listed.sort();
        QCOMPARE(listed, departments);
        for (int d = 0; d < w.dept->count(); ++d) {
            const QString department = w.dept->itemText(d);
            w.dept->setCurrentIndex(d);
            w.views.clear();
            s->dialogs.clear();
            w.pickers->Deptclick();
            QStringList ids = activeSensors.value(department);
            for (int i = 1; i < ids.size(); ++i)
                w.pickers->next_btnClick();
            QStringList expected;
            ids.sort();
            for (const QString& id : ids)
                expected << department + "/" + id;
            QCOMPARE(w.views, expected);
            QVERIFY(s->dialogs.boxes().isEmpty());
        }
    }

    // Next after a load shows the first sensor; past the last one "NO MORE SENSORS" and the
    // screen's end action.
    void nextStepsThroughTheSensors_data() { addBranches(); }
    void nextStepsThroughTheSensors()
    {
        QFETCH(QString, way);
        arrangeServer();
        const auto s = screen(way);
        FrameWindow& w = *s->window;
        QVERIFY(w.pickers->load_depts());
        w.pickers->next_btnClick(); // the empty sensor picker loads first
        w.pickers->next_btnClick();
        QCOMPARE(w.views, QStringList({"LAB/00", "LAB/01"}));
        QCOMPARE(w.blankings, 2);
        w.pickers->next_btnClick();
        QCOMPARE(s->dialogs.texts(), QStringList{"NO MORE SENSORS"});
        QCOMPARE(s->dialogs.boxes().first().kind, DialogKind::Information);
        QCOMPARE(w.endActions, 1);
        QCOMPARE(w.views.size(), 2);
    }

    // The operator's picks: a department loads its sensors and shows the first; opening a list
    // reloads it; a picked sensor is viewed.
    void picksRunTheirHandlers_data() { addBranches(); }
    void picksRunTheirHandlers()
    {
        QFETCH(QString, way);
        arrangeServer();
        const auto s = screen(way);
        FrameWindow& w = *s->window;
        emit w.dept->droppingDown();
        QCOMPARE(w.dept->count(), 4);
        w.dept->setCurrentIndex(3);
        emit w.dept->activated(3);
        QCOMPARE(w.views, QStringList{"PHARMACY/00"});

        w.s1->clear();
        emit w.s1->droppingDown();
        QCOMPARE(items(*w.s1), QStringList{"00"});
        w.s1->setCurrentIndex(0);
        emit w.s1->activated(0);
        QCOMPARE(w.views, QStringList({"PHARMACY/00", "PHARMACY/00"}));
        // Selections the program makes are no picks.
        w.dept->setCurrentIndex(0);
        QCOMPARE(w.views.size(), 2);
    }

    void aDepartmentPickCanWaitForAName()
    {
        arrangeServer();
        const auto s = screen(
            "mySQL", {.departmentPick = SensorPickers::DepartmentPick::LoadSensorsThenNextIfNamed});
        s->window->dept->setEditText("");
        s->window->pickers->Deptclick();
        QCOMPARE(s->window->s1->count(), 0);
        QVERIFY(s->window->views.isEmpty());
        s->window->dept->setEditText("LAB_1");
        s->window->pickers->Deptclick();
        QCOMPARE(s->window->views, QStringList{"LAB_1/10"});
    }

    void anUnguardedNextOnAnEmptyListSaysNoMore()
    {
        arrangeServer(false);
        const auto s = screen("mySQL", {.nextGuard = false});
        s->window->pickers->next_btnClick();
        QCOMPARE(s->dialogs.texts(), QStringList{"NO MORE SENSORS"});
    }

    void previousFollowsItsRule_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QStringList>("views");
        QTest::addColumn<QStringList>("boxes");
        // From the first sensor: rule A says so at once; rule B first shows no sensor.
        QTest::newRow("rule A") << int(PreviousRule::A) << QStringList{"LAB/00"}
                                << QStringList{"Start of Sensor List", "Start of Sensor List"};
        QTest::newRow("rule B") << int(PreviousRule::B) << QStringList{"LAB/00", "LAB/"}
                                << QStringList{"Start of Sensor List"};
    }

    void previousFollowsItsRule()
    {
        QFETCH(int, rule);
        QFETCH(QStringList, views);
        QFETCH(QStringList, boxes);
        arrangeServer();
        const auto s = screen("mySQL", {.previousRule = PreviousRule(rule)});
        FrameWindow& w = *s->window;
        QVERIFY(w.pickers->load_depts());
        w.pickers->next_btnClick();
        w.pickers->prev_btnClick();
        w.pickers->prev_btnClick();
        QCOMPARE(w.views, views);
        QCOMPARE(s->dialogs.texts(), boxes);
    }

    void ruleAFromNoSensorViewsAnEmptySensor()
    {
        arrangeServer();
        const auto s = screen("mySQL");
        QVERIFY(s->window->pickers->load_depts());
        QVERIFY(s->window->pickers->Load_s1());
        s->window->pickers->prev_btnClick();
        QCOMPARE(s->window->views, QStringList{"LAB/"});
        QCOMPARE(s->window->s1->currentIndex(), -1);
    }

    // A department holding "_" lists its own sensors only, on the list compared with like.
    void wildcardsInADepartmentMatchOnlyThemselves_data() { addBranches(); }
    void wildcardsInADepartmentMatchOnlyThemselves()
    {
        QFETCH(QString, way);
        arrangeServer();
        const auto s = screen(way, {.departments = DepartmentListKind::SensorSetup,
                                    .sensors = SensorListKind::AllSensors});
        s->window->dept->setEditText("LAB_1");
        QVERIFY(s->window->pickers->Load_s1());
        QCOMPARE(items(*s->window->s1), QStringList({"10", "11"}));
        s->window->dept->setEditText("LAB");
        QVERIFY(s->window->pickers->Load_s1());
        QCOMPARE(items(*s->window->s1), QStringList({"00", "01", "02"})); // inactive too
    }

    void enterInAnEditablePickerAddsNothing()
    {
        arrangeServer();
        const auto s = screen("mySQL");
        QVERIFY(s->window->pickers->load_depts());
        s->window->show();
        s->window->dept->setFocus();
        s->window->dept->setEditText("NEW DEPT");
        QTest::keyClick(s->window->dept, Qt::Key_Return);
        QCOMPARE(s->window->dept->count(), 4);
    }

    void enterMovesTheFocusWhereTheScreenWantsIt()
    {
        test::RecordingDialogs dialogs;
        QWidget window;
        window.resize(300, 100);
        auto* first = new QLineEdit(&window);
        auto* second = new QLineEdit(&window);
        second->move(0, 40);
        ScreenFrame frame(window, nullptr, nullptr, dialogs, {.enterMovesFocus = true});
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        first->setText("ABC");
        QTest::keyClick(first, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), second);
        QCOMPARE(first->text(), QString("ABC"));
    }

    // Sensor setup's loads move the bar 25, 45, 65, 75; a sensor load on its own 25, 55.
    void setupLoadsAdvanceTheIndicator()
    {
        arrangeServer();
        const auto s = screen("mySQL", {.departments = DepartmentListKind::SensorSetup,
                                        .sensors = SensorListKind::AllSensors,
                                        .indicatorOnSensorLoad = true});
        FrameWindow& w = *s->window;
        QVERIFY(w.pickers->load_depts());
        QCOMPARE(w.indicator->percent(), 45);
        QVERIFY(w.pickers->Load_s1());
        QCOMPARE(w.indicator->percent(), 75);
        QVERIFY(w.indicator->isShown());
        w.indicator->finish();
        QCOMPARE(s->pause.totalMs(), 1000);
        QVERIFY(w.pickers->Load_s1());
        QCOMPARE(w.indicator->percent(), 55);
    }

    void theIndicatorShowsLoadsAndWaitsASecondAtTheEnd()
    {
        QLabel label;
        QProgressBar bar;
        NoPause pause;
        ConnectingIndicator indicator(label, bar, pause);
        QVERIFY(label.isHidden());
        QVERIFY(bar.isHidden());
        indicator.show(25);
        QVERIFY(!label.isHidden());
        QCOMPARE(indicator.percent(), 25);
        indicator.setPercent(45);
        indicator.finish();
        QCOMPARE(indicator.percent(), 100);
        QCOMPARE(pause.totalMs(), 1000);
        QVERIFY(label.isHidden());
        QVERIFY(bar.isHidden());
    }

    // Reloads only when another window of the program was active before: not after the
    // window's own box, not when coming back from another application.
    void activationFollowsWhereTheFocusCameFrom()
    {
        test::RecordingDialogs dialogs;
        NoPause pause;
        QWidget mainWindow;
        QWidget screenWindow;
        int activations = 0;
        ActivationTracker tracker(screenWindow, [&] { ++activations; });
        QDialog box(&screenWindow);
        screenWindow.resize(100, 100);
        screenWindow.show();
        QTRY_COMPARE(activations, 1); // the first show
        for (QWidget* w : {&mainWindow, static_cast<QWidget*>(&box)}) {
            w->resize(100, 100);
            w->show();
        }
        QTest::qWait(50);
        activations = 1; // whatever the platform's own focus changes did meanwhile
        QWindow* screenHandle = screenWindow.windowHandle();

        tracker.focusChanged(box.windowHandle());
        tracker.focusChanged(screenHandle);
        QCOMPARE(activations, 1);

        tracker.focusChanged(nullptr);
        tracker.focusChanged(screenHandle);
        QCOMPARE(activations, 1);

        tracker.focusChanged(mainWindow.windowHandle());
        tracker.focusChanged(screenHandle);
        QCOMPARE(activations, 2);
    }

    void printsTheWindowOnTheDefaultPrinter_data()
    {
        QTest::addColumn<bool>("hasDefault");
        QTest::newRow("default printer") << true;
        QTest::newRow("no default printer: the dialog asks") << false;
    }

    void printsTheWindowOnTheDefaultPrinter()
    {
        QFETCH(bool, hasDefault);
        QTemporaryDir dir;
        test::RecordingDialogs dialogs;
        dialogs.setPdfPath(dir.filePath("window.pdf"));
        dialogs.setNoDefaultPrinter(!hasDefault);
        QWidget window;
        window.resize(400, 200);
        auto* top = new QWidget(&window);
        top->setGeometry(0, 0, 400, 40);
        ScreenFrame frame(window, top, nullptr, dialogs, {});
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        QTest::mouseDClick(top, Qt::LeftButton);
        QVERIFY(QFileInfo(dir.filePath("window.pdf")).size() > 0);
        QCOMPARE(dialogs.printerDialogs(), hasDefault ? 0 : 1);
    }

    // On a 4800 x 6000 dot page at 600 dpi, from a screen of 96 dpi.
    void placesTheWindowImageOnThePage_data()
    {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QRect>("expected");
        const int fit = int(PrintScale::FitToPage);
        const int proportional = int(PrintScale::Proportional);
        QTest::newRow("fit, wide") << QSize(800, 400) << fit << QRect(0, 0, 4800, 2400);
        QTest::newRow("fit, tall") << QSize(300, 600) << fit << QRect(900, 0, 3000, 6000);
        QTest::newRow("proportional, small")
            << QSize(384, 192) << proportional << QRect(1200, 0, 2400, 1200);
        // 800 pixels are 5000 dots: wider than the page, so it is fitted after all.
        QTest::newRow("proportional, too wide")
            << QSize(800, 400) << proportional << QRect(0, 0, 4800, 2400);
    }

    void placesTheWindowImageOnThePage()
    {
        QFETCH(QSize, image);
        QFETCH(int, scale);
        QFETCH(QRect, expected);
        QCOMPARE(windowImageRect(image, 96, {0, 0, 4800, 6000}, 600, PrintScale(scale)), expected);
    }
};

QTEST_MAIN(TestScreenFrame)
#include "test_screen_frame.moc"
