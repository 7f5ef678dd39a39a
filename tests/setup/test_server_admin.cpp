#include "common/DateText.h"
#include "setup/ServerAdminModel.h"
#include "setup/SetupHarness.h"
#include "setup/Tserveradmin_form.h"
#include "support/TestInstallation.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace kelvra;
using test::child;
using test::TestServer;

namespace {

const char* const database = "kelvra_server_admin";

// Both departments hold the same sensor numbers and the same days: rows just outside the
// ranges, on both sides of a New Year, and the same months in other years.
const QList<QDate> fixtureDays{{2023, 12, 14}, {2023, 12, 15}, {2023, 12, 31}, {2024, 1, 1},
                               {2024, 1, 15},  {2024, 1, 16},  {2024, 2, 15},  {2024, 3, 31},
                               {2024, 4, 1},   {2023, 2, 15},  {2025, 2, 15}};
const QStringList departments{"LAB", "PHARMACY"};
const QStringList otherTables{"SENSORS", "REG", "USERS", "CALLLIST"};

int countRows(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next()) {
        qWarning("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return -1;
    }
    return q.value(0).toInt();
}

int countTables(QSqlDatabase& db)
{
    return countRows(db, QString("SELECT COUNT(*) FROM information_schema.TABLES WHERE "
                                 "TABLE_SCHEMA = '%1'")
                             .arg(database));
}

// One department's days in a dated table, as day keys in order.
QStringList daysOf(QSqlDatabase& db, const QString& table, const QString& dept)
{
    const QString column = table == "OBSERVATIONS" ? "OBS_DATE" : "`DATE`";
    QSqlQuery q(db);
    QStringList days;
    if (!q.exec(QString("SELECT %1 FROM %2 WHERE DEPT = '%3'").arg(column, table, dept)))
        qWarning("%s", qPrintable(q.lastError().text()));
    while (q.next()) {
        const QString text = q.value(0).toString();
        days << (table == "CALL_EVENT" ? dayKey(QDate::fromString(text, "MM/dd/yyyy")) : text);
    }
    std::sort(days.begin(), days.end());
    return days;
}

QStringList dayKeysExcept(const QList<QDate>& removed)
{
    QStringList days;
    for (const QDate& day : fixtureDays)
        if (!removed.contains(day))
            days << dayKey(day);
    std::sort(days.begin(), days.end());
    return days;
}

// Every table's row count per department (REG by name).
QMap<QString, int> everyCount(QSqlDatabase& db)
{
    QMap<QString, int> counts;
    for (const QString& table : QStringList{"OBSERVATIONS", "CALL_EVENT", "ACTIVITY", "SENSORS",
                                            "USERS", "CALLLIST", "REG"})
        for (const QString& dept : departments)
            counts[table + " " + dept] =
                countRows(db, QString("SELECT COUNT(*) FROM %1 WHERE %2 = '%3'")
                                  .arg(table, table == "REG" ? "REG_NAME" : "DEPT", dept));
    return counts;
}

} // namespace

class TestServerAdmin : public QObject
{
    Q_OBJECT

    TestServer m_server = TestServer::fromEnvironment();
    QTemporaryDir m_odbcIni;

    void arrangeServer()
    {
        QSqlDatabase db = test::freshServerDatabase(m_server, database);
        QVERIFY(db.isOpen());
        QSqlQuery q(db);
        QStringList rows;
        for (const QString& dept : departments) {
            rows << QString("INSERT INTO REG (REG_NAME, DEPT) VALUES ('%1', '%1')").arg(dept)
                 << QString("INSERT INTO SENSORS (SENSOR_ID, DEPT, SENSOR_TYPE) VALUES "
                            "('00', '%1', 'T'), ('01', '%1', 'TRH')")
                        .arg(dept)
                 << QString("INSERT INTO USERS (DEPT, USER_ID) VALUES ('%1', 'U1')").arg(dept)
                 << QString("INSERT INTO CALLLIST (DEPT) VALUES ('%1')").arg(dept);
            for (const QDate& day : fixtureDays)
                rows << QString("INSERT INTO OBSERVATIONS (OBS_DATE, SENSOR_ID, DEPT) VALUES "
                                "('%1', '00', '%2')")
                            .arg(dayKey(day), dept)
                     << QString("INSERT INTO CALL_EVENT (`DATE`, SENSOR_ID, DEPT) VALUES "
                                "('%1', '00', '%2')")
                            .arg(usDate(day), dept)
                     << QString("INSERT INTO ACTIVITY (DEPT, `DATE`, SENSOR_ID) VALUES "
                                "('%1', '%2', '00')")
                            .arg(dept, dayKey(day));
        }
        for (const QString& row : rows)
            QVERIFY2(q.exec(row), qPrintable(q.lastError().text()));
    }

    QSqlDatabase check()
    {
        QSqlDatabase db = test::directConnection(m_server, database, "check");
        if (!db.isOpen())
            db.open();
        return db;
    }

    void dropTable(const QString& table)
    {
        QSqlDatabase db = check();
        QSqlQuery q(db);
        QVERIFY2(q.exec("DROP TABLE " + table), qPrintable(q.lastError().text()));
    }

    struct Screen
    {
        explicit Screen(std::unique_ptr<test::Installation> at)
            : installation(std::move(at)), services(installation->df, *installation->ds),
              pinned((services.context.formats = WorkstationFormats::usWindows(), true)),
              window(services.context)
        {
            window.setAttribute(Qt::WA_DeleteOnClose, false);
        }

        template <typename T> T* get(const char* name) { return child<T>(window, name); }
        QComboBox* depart() { return get<QComboBox>("depart"); }
        QDateEdit* picker(int n)
        {
            return get<QDateEdit>(n == 1 ? "DateTimePicker1" : "DateTimePicker2");
        }
        test::RecordingDialogs& dialogs() { return services.dialogs; }

        void pick(const QString& dept, QDate first, QDate last)
        {
            depart()->setCurrentIndex(depart()->findText(dept));
            picker(1)->setDate(first);
            picker(2)->setDate(last);
        }

        std::unique_ptr<test::Installation> installation;
        test::SetupServices services;
        bool pinned; // the workstation's formats, before the window reads them
        Tserveradmin_form window;
    };

    std::unique_ptr<Screen> screen(const QString& way)
    {
        return std::make_unique<Screen>(test::installationAt(way, m_server, database));
    }

    static void addBranches()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("mySQL") << "mySQL";
        QTest::newRow("SQL Server branch") << "ODBC driver name";
    }

    static void compareBox(const test::RecordingDialogs::Box& box, DialogKind kind,
                           const QString& text, DialogButtons buttons)
    {
        QCOMPARE(int(box.kind), int(kind));
        QCOMPARE(box.text, text);
        QCOMPARE(int(box.buttons), int(buttons));
    }

private slots:
    void initTestCase() { test::useOdbcIniIn(m_odbcIni.path()); }
    void cleanup()
    {
        QSqlDatabase::removeDatabase("arrange");
        QSqlDatabase::removeDatabase("check");
    }

    void hasTheGivenControls_data() { addBranches(); }
    void hasTheGivenControls()
    {
        QFETCH(QString, way);
        arrangeServer();
        auto s = screen(way);
        QCOMPARE(s->window.size(), QSize(443, 254));
        QCOMPARE(s->window.windowTitle(), QString("Veltrin® SP"));
        // Above the main window through its parent, never above every program.
        QVERIFY(!(s->window.windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(s->get<QLabel>("Panel13")->text(), QString("Veltrin® SP Server Administration"));
        QCOMPARE(s->get<QLabel>("Label27")->text(),
                 QString("Delete Old Observation Data From Server"));
        QCOMPARE(s->get<QPushButton>("Button1")->text(), QString("&Delete"));
        QCOMPARE(s->get<QPushButton>("Button2")->text(), QString("&Exit"));
        // The list is loaded at creation; the text is its first department.
        QCOMPARE(s->depart()->count(), 2);
        QCOMPARE(s->depart()->currentText(), QString("LAB"));
        QCOMPARE(s->depart()->maxVisibleItems(), 3);
        for (int n : {1, 2}) {
            QCOMPARE(s->picker(n)->date(), QDate(2026, 12, 11));
            QCOMPARE(s->picker(n)->text(), QString("12/11/2026"));
            QVERIFY(s->picker(n)->calendarPopup());
        }
        QVERIFY(s->dialogs().boxes().isEmpty());
    }

    // Opening the list reloads it; Exit closes the window.
    void reloadsTheListWhenItDropsDown()
    {
        arrangeServer();
        auto s = screen("mySQL");
        s->window.show();
        QSqlDatabase db = check();
        QSqlQuery q(db);
        QVERIFY(q.exec("INSERT INTO REG (REG_NAME, DEPT) VALUES ('  CLINIC ', 'CLINIC')"));
        s->window.dept_drop();
        QCOMPARE(s->depart()->count(), 3);
        QCOMPARE(s->depart()->itemText(0), QString("CLINIC"));
        QCOMPARE(s->depart()->currentText(), QString("CLINIC"));
        QTest::mouseClick(s->get<QPushButton>("Button2"), Qt::LeftButton);
        QVERIFY(!s->window.isVisible());
        QVERIFY(s->dialogs().boxes().isEmpty());
    }

    // Without a list the picker keeps its first text, and Delete asks for a department.
    void aListThatCannotBeLoadedLeavesChooseLocation()
    {
        QVERIFY(test::recreateDatabase(m_server, database)); // no tables at all
        auto fresh = screen("mySQL");
        QCOMPARE(fresh->depart()->currentText(), QString("Choose Location"));
        fresh->window.deleteClick();
        QCOMPARE(fresh->dialogs().boxes().size(), 1);
        compareBox(fresh->dialogs().boxes()[0], DialogKind::Information, "CHOOSE A LOCATION",
                   DialogButtons::Ok);
    }

    // Exactly the chosen department's rows in the range go, in the three dated tables, and
    // nothing else.
    void deletesOneDepartmentsDaysInRange_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QList<QDate>>("removed");
        const QList<QDate> firstQuarter{
            {2024, 1, 1}, {2024, 1, 15}, {2024, 1, 16}, {2024, 2, 15}, {2024, 3, 31}};
        const QList<QDate> acrossNewYear{
            {2023, 12, 15}, {2023, 12, 31}, {2024, 1, 1}, {2024, 1, 15}};
        for (const auto& [name, way] :
             {std::pair{"mySQL", "mySQL"}, std::pair{"SQL Server branch", "ODBC driver name"}}) {
            QTest::addRow("%s, first quarter", name)
                << way << QDate(2024, 1, 1) << QDate(2024, 3, 31) << firstQuarter;
            QTest::addRow("%s, across a New Year", name)
                << way << QDate(2023, 12, 15) << QDate(2024, 1, 15) << acrossNewYear;
            QTest::addRow("%s, first day after the last", name)
                << way << QDate(2024, 3, 31) << QDate(2024, 1, 1) << QList<QDate>{};
        }
    }
    void deletesOneDepartmentsDaysInRange()
    {
        QFETCH(QString, way);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QList<QDate>, removed);
        arrangeServer();
        QSqlDatabase db = check();
        QMap<QString, int> expected = everyCount(db);
        auto s = screen(way);
        s->pick("LAB", first, last);
        s->window.deleteClick();

        QCOMPARE(s->dialogs().boxes().size(), 1); // the question; no message reports success
        compareBox(s->dialogs().boxes()[0], DialogKind::Information,
                   deleteQuestion("LAB", first, last), DialogButtons::OkCancel);
        for (const QString& table : QStringList{"OBSERVATIONS", "CALL_EVENT", "ACTIVITY"}) {
            QCOMPARE(daysOf(db, table, "LAB"), dayKeysExcept(removed));
            QCOMPARE(daysOf(db, table, "PHARMACY"), dayKeysExcept({}));
            expected[table + " LAB"] -= removed.size();
        }
        QCOMPARE(everyCount(db), expected);
    }

    void cancelDeletesNothing_data() { addBranches(); }
    void cancelDeletesNothing()
    {
        QFETCH(QString, way);
        arrangeServer();
        QSqlDatabase db = check();
        const QMap<QString, int> before = everyCount(db);
        auto s = screen(way);
        s->pick("LAB", QDate(2020, 1, 1), QDate(2030, 1, 1));
        s->dialogs().answerNext(DialogAnswer::Cancel);
        s->window.deleteClick();
        QCOMPARE(s->dialogs().boxes().size(), 2);
        compareBox(s->dialogs().boxes()[1], DialogKind::Information, "Data NOT Deleted",
                   DialogButtons::Ok);
        QCOMPARE(everyCount(db), before);

        // Still reading "Choose Location": no question at all.
        s->dialogs().clear();
        s->depart()->setEditText("Choose Location");
        s->window.deleteClick();
        QCOMPARE(s->dialogs().texts(), QStringList{"CHOOSE A LOCATION"});
        QCOMPARE(everyCount(db), before);
    }

    // A failed step shows its message (or nothing) and the following steps still run.
    void aFailedStepDoesNotStopTheOthers_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("message");
        QTest::newRow("mySQL, observations") << "mySQL"
                                             << "OBSERVATIONS"
                                             << "Deletion Error: ";
        QTest::newRow("mySQL, call events") << "mySQL"
                                            << "CALL_EVENT"
                                            << "";
        QTest::newRow("mySQL, activity") << "mySQL"
                                         << "ACTIVITY"
                                         << "";
        QTest::newRow("SQL Server, observations") << "ODBC driver name"
                                                  << "OBSERVATIONS"
                                                  << "Obs Data Deletion Error: ";
        QTest::newRow("SQL Server, call events") << "ODBC driver name"
                                                 << "CALL_EVENT"
                                                 << "Exception Data Deletion Error: ";
        QTest::newRow("SQL Server, activity") << "ODBC driver name"
                                              << "ACTIVITY"
                                              << "Audit Data Deletion Error: ";
    }
    void aFailedStepDoesNotStopTheOthers()
    {
        QFETCH(QString, way);
        QFETCH(QString, missing);
        QFETCH(QString, message);
        arrangeServer();
        dropTable(missing);
        auto s = screen(way);
        s->pick("LAB", QDate(2023, 1, 1), QDate(2025, 12, 31));
        s->window.deleteClick();
        const auto& boxes = s->dialogs().boxes();
        QCOMPARE(boxes.size(), message.isEmpty() ? 1 : 2);
        if (!message.isEmpty()) {
            QCOMPARE(int(boxes[1].kind), int(DialogKind::Plain));
            QVERIFY2(boxes[1].text.startsWith(message) && boxes[1].text.size() > message.size(),
                     qPrintable(boxes[1].text));
        }
        QSqlDatabase db = check();
        for (const QString& table : QStringList{"OBSERVATIONS", "CALL_EVENT", "ACTIVITY"}) {
            if (table == missing)
                continue;
            QCOMPARE(daysOf(db, table, "LAB"), QStringList{});
            QCOMPARE(daysOf(db, table, "PHARMACY").size(), fixtureDays.size());
        }
    }

    // A step whose second year fails keeps its first year's rows too: the step is undone whole.
    void aStepThatFailsHalfwayDeletesNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("message");
        QTest::newRow("mySQL") << "mySQL"
                               << "";
        QTest::newRow("SQL Server branch") << "ODBC driver name"
                                           << "Exception Data Deletion Error: ";
    }
    void aStepThatFailsHalfwayDeletesNothing()
    {
        QFETCH(QString, way);
        QFETCH(QString, message);
        arrangeServer();
        QSqlDatabase db = check();
        QSqlQuery q(db);
        QVERIFY2(q.exec("CREATE TRIGGER keep_2024 BEFORE DELETE ON CALL_EVENT FOR EACH ROW "
                        "BEGIN IF OLD.`DATE` LIKE '%/2024' THEN SIGNAL SQLSTATE '45000' SET "
                        "MESSAGE_TEXT = 'kept'; END IF; END"),
                 qPrintable(q.lastError().text()));
        auto s = screen(way);
        s->pick("LAB", QDate(2023, 12, 15), QDate(2024, 1, 15));
        s->window.deleteClick();
        const auto& boxes = s->dialogs().boxes();
        QCOMPARE(boxes.size(), message.isEmpty() ? 1 : 2);
        if (!message.isEmpty())
            QVERIFY2(boxes[1].text.startsWith(message), qPrintable(boxes[1].text));
        QCOMPARE(daysOf(db, "CALL_EVENT", "LAB"), dayKeysExcept({}));
        const QList<QDate> acrossNewYear{
            {2023, 12, 15}, {2023, 12, 31}, {2024, 1, 1}, {2024, 1, 15}};
        QCOMPARE(daysOf(db, "OBSERVATIONS", "LAB"), dayKeysExcept(acrossNewYear));
        QCOMPARE(daysOf(db, "ACTIVITY", "LAB"), dayKeysExcept(acrossNewYear));
    }

    // "+" and "*" typed into the window or a date picker are consumed; the picker of the
    // department takes them as text.
    void hiddenCommandsComeFromTheWindowAndTheDatePickers()
    {
        arrangeServer();
        auto s = screen("mySQL");
        s->dialogs().answerNext(DialogAnswer::Cancel);
        QTest::keyClick(s->picker(1), '+');
        s->dialogs().answerNext(DialogAnswer::Cancel);
        QTest::keyClick(s->picker(2), '*');
        s->dialogs().answerNext(DialogAnswer::Cancel);
        QTest::keyClick(&s->window, '+');
        QCOMPARE(
            s->dialogs().texts(),
            (QStringList{"ARE YOU SURE YOU WANT TO DELETE ALL TABLES IN DB",
                         "ARE YOU SURE YOU WANT TO DELETE ALL DATA FOR\rLAB", "DATA NOT DELETED",
                         "ARE YOU SURE YOU WANT TO DELETE ALL TABLES IN DB"}));
        QCOMPARE(s->picker(1)->date(), QDate(2026, 12, 11));
        s->dialogs().clear();
        QTest::keyClick(s->depart(), '*');
        QVERIFY(s->dialogs().boxes().isEmpty());
        QTest::keyClick(s->picker(1), 'a');
        QVERIFY(s->dialogs().boxes().isEmpty());
    }

    void plusDropsEveryTableOnSqlServerOnly_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("tablesLeft");
        QTest::newRow("mySQL") << "mySQL"
                               << "" << int(DialogAnswer::Ok) << 7;
        QTest::newRow("SQL Server") << "ODBC driver name"
                                    << "" << int(DialogAnswer::Ok) << 0;
        QTest::newRow("SQL Server, cancelled") << "ODBC driver name"
                                               << "" << int(DialogAnswer::Cancel) << 7;
        // The first failure ends the sequence: the other six stay.
        QTest::newRow("SQL Server, first drop fails") << "ODBC driver name"
                                                      << "SENSORS" << int(DialogAnswer::Ok) << 6;
    }
    void plusDropsEveryTableOnSqlServerOnly()
    {
        QFETCH(QString, way);
        QFETCH(QString, missing);
        QFETCH(int, answer);
        QFETCH(int, tablesLeft);
        arrangeServer();
        if (!missing.isEmpty())
            dropTable(missing);
        auto s = screen(way);
        s->dialogs().answerNext(DialogAnswer(answer));
        QTest::keyClick(s->picker(1), '+');
        const auto& boxes = s->dialogs().boxes();
        compareBox(boxes[0], DialogKind::Information,
                   "ARE YOU SURE YOU WANT TO DELETE ALL TABLES IN DB", DialogButtons::OkCancel);
        QCOMPARE(boxes.size(), missing.isEmpty() ? 1 : 2);
        if (!missing.isEmpty()) {
            QCOMPARE(int(boxes[1].kind), int(DialogKind::Plain));
            QVERIFY2(boxes[1].text.startsWith("ERROR DEL TABLES: "), qPrintable(boxes[1].text));
        }
        QSqlDatabase db = check();
        QCOMPARE(countTables(db), tablesLeft);
    }

    // "*" removes everything of the department, its REG row included, and nothing of others.
    void starDeletesEverythingOfTheDepartment_data() { addBranches(); }
    void starDeletesEverythingOfTheDepartment()
    {
        QFETCH(QString, way);
        arrangeServer();
        QSqlDatabase db = check();
        QMap<QString, int> expected = everyCount(db);
        auto s = screen(way);
        s->depart()->setCurrentIndex(s->depart()->findText("PHARMACY"));
        QTest::keyClick(&s->window, '*');
        QCOMPARE(s->dialogs().texts(),
                 QStringList{"ARE YOU SURE YOU WANT TO DELETE ALL DATA FOR\rPHARMACY"});
        for (auto it = expected.begin(); it != expected.end(); ++it)
            if (it.key().endsWith(" PHARMACY"))
                it.value() = 0;
        QCOMPARE(everyCount(db), expected);
        QCOMPARE(countRows(db, "SELECT COUNT(*) FROM REG"), 1);
    }
};

QTEST_MAIN(TestServerAdmin)
#include "test_server_admin.moc"
