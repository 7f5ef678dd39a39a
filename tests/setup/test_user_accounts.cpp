#include "common/ActivationTracker.h"
#include "data/DataAccess.h"
#include "data/PasswordHash.h"
#include "setup/SetupHarness.h"
#include "setup/TUserupd_form.h"
#include "support/TestInstallation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvra;
using test::child;
using test::TestServer;

namespace {

const char* const database = "kelvra_users";

// CLINIC has no users; LAB's names differ in letter case only where the order shows it.
const char* const serverRows[] = {
    "INSERT INTO REG (REG_NAME, DEPT) VALUES ('LAB', 'LAB'), (' CLINIC ', 'CLINIC')",
    "INSERT INTO USERS (DEPT, USER_ID, USER_NAME, USER_PASSWORD, ACCESS_LIST, STATUS_FLAG, "
    "OK_TO_SIGN, CHANGED) VALUES "
    "('LAB', 'NS1', 'NIGHT SHIFT', 'MOON', 'HOURLY LOGS\\r\\nDAILY SIGN OUT\\r\\nMONTHLY LOGS', "
    "-1, 0, '11/30/2026 07:00 COLLECTOR'), "
    "('LAB', 'AB2', 'anna', 'X1', 'HOURLY LOGS', 0, -1, ''), "
    "('LAB', 'AB1', 'Anna', 'X2', 'HOURLY LOGS\\rHOURLY GRAPHS', -1, -1, ''), "
    "('PHARMACY', 'PH1', 'AARON', 'PW', 'HOURLY LOGS', -1, -1, '')",
};

QStringList items(const QComboBox& box)
{
    QStringList result;
    for (int i = 0; i < box.count(); ++i)
        result << box.itemText(i);
    return result;
}

QStringList lines(const QListWidget& list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << list.item(i)->text();
    return result;
}

struct StoredUser
{
    bool exists = false;
    QString name, password, accessList, changed;
    qlonglong status = 0, okToSign = 0;
};

} // namespace

class TestUserAccounts : public QObject
{
    Q_OBJECT

    TestServer m_server = TestServer::fromEnvironment();
    QTemporaryDir m_odbcIni;

    void arrangeServer()
    {
        QSqlDatabase db = test::freshServerDatabase(m_server, database);
        QVERIFY(db.isOpen());
        QSqlQuery q(db);
        for (const char* rows : serverRows)
            QVERIFY2(q.exec(rows), qPrintable(q.lastError().text()));
    }

    struct Screen
    {
        explicit Screen(std::unique_ptr<test::Installation> at)
            : installation(std::move(at)), services(installation->df, *installation->ds),
              window(services.context)
        {
            window.setAttribute(Qt::WA_DeleteOnClose, false);
        }

        template <typename T> T* get(const char* name) { return child<T>(window, name); }
        QLineEdit* edit(const char* name) { return get<QLineEdit>(name); }
        QComboBox* combo(const char* name) { return get<QComboBox>(name); }
        QListWidget* programs() { return get<QListWidget>("s5"); }
        test::RecordingDialogs& dialogs() { return services.dialogs; }

        void pickDepartment(const QString& name)
        {
            QComboBox* dept = combo("dept");
            dept->setCurrentIndex(dept->findText(name));
            emit dept->activated(dept->currentIndex());
        }

        // Fills the fields of a new program user.
        void type(const QString& id, const QString& name, const QString& password,
                  const QStringList& access)
        {
            edit("s1")->setText(id);
            combo("s2")->setEditText(name);
            edit("s3")->clear();
            QTest::keyClicks(edit("s3"), password);
            programs()->clear();
            programs()->addItems(access);
        }

        StoredUser stored(const QString& id)
        {
            StoredUser user;
            Tdf reader(installation->df.databasePath());
            Dataset& view = reader.AdoView;
            if (!OpenSql(view, SqlStatement("Select * from USERS Where USER_ID = ") << quoted(id)))
                return user;
            if (!AtEnd(view))
                user = {true,
                        ReadField(view, "USER_NAME").asText(),
                        ReadField(view, "USER_PASSWORD").asText(),
                        ReadField(view, "ACCESS_LIST").asText(),
                        ReadField(view, "CHANGED").asText(),
                        ReadField(view, "STATUS_FLAG").asInt(),
                        ReadField(view, "OK_TO_SIGN").asInt()};
            CloseSql(view);
            return user;
        }

        std::unique_ptr<test::Installation> installation;
        test::SetupServices services;
        TUserupd_form window;
    };

    std::unique_ptr<Screen> screen(const QString& way)
    {
        return std::make_unique<Screen>(test::installationAt(way, m_server, database));
    }

    // The program's users, with one user added through the screen.
    std::unique_ptr<Screen> programUsersScreen()
    {
        arrangeServer();
        auto s = screen("mySQL");
        s->window.FormActivate();
        s->pickDepartment("YOU");
        s->dialogs().clear();
        s->type("O'NEIL", "PAT O'NEIL", "SECRET", {"HOURLY LOGS", "DAILY SIGN OUT"});
        s->get<QCheckBox>("s6")->setChecked(true);
        s->window.add_btnClick();
        return s;
    }

    static void addBranches()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("mySQL") << "mySQL";
        QTest::newRow("SQL Server branch") << "ODBC driver name";
    }

private slots:
    void initTestCase() { test::useOdbcIniIn(m_odbcIni.path()); }
    void cleanup() { QSqlDatabase::removeDatabase("arrange"); }

    void hasTheGivenControls()
    {
        arrangeServer();
        auto s = screen("mySQL");
        QCOMPARE(s->window.size(), QSize(528, 415));
        QCOMPARE(s->get<QLabel>("top_label")->text(), QString("User Accounts"));
        QCOMPARE(s->get<QLabel>("dataserver")->text(), QString("Connecting..."));
        const QList<std::pair<const char*, const char*>> buttons{
            {"Button1", "ADD SP USER"},     {"Button2", "UPDATE SP USER"},
            {"Button3", "DELETE SP USER"},  {"Button4", "Load Programs"},
            {"Button5", "Remove Selected"}, {"view_btn", "&View"},
            {"clear_btn", "&Clear View"},   {"exit_btn", "E&xit"}};
        for (const auto& [name, caption] : buttons)
            QCOMPARE(s->get<QPushButton>(name)->text(), QString(caption));
        QCOMPARE(s->edit("s3")->echoMode(), QLineEdit::Password);
        QCOMPARE(s->edit("s3")->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                   s->edit("s3")),
                 int('*'));
        QCOMPARE(s->get<QCheckBox>("s6")->text(), QString("Active"));
        QCOMPARE(s->get<QCheckBox>("s7")->text(), QString("OK to Sign Logs"));
    }

    // The server's users are listed and shown as stored, and nothing of them can be edited.
    void showsDepartmentUsersReadOnly_data() { addBranches(); }
    void showsDepartmentUsersReadOnly()
    {
        QFETCH(QString, way);
        arrangeServer();
        auto s = screen(way);
        s->window.FormActivate();
        QCOMPARE(items(*s->combo("dept")), QStringList({"CLINIC", "LAB", "YOU"}));
        // CLINIC, first, has nobody.
        QCOMPARE(s->dialogs().texts(), QStringList{"NO USERS ENTERED AT LOCATION"});
        QCOMPARE(s->dialogs().boxes().first().kind, DialogKind::Information);
        QVERIFY(s->get<QLabel>("dataserver")->isHidden());
        s->dialogs().clear();
        s->window.view_btnClick();
        QCOMPARE(s->dialogs().texts(), QStringList{"A USER ID IS REQUIRED"});

        s->dialogs().clear();
        s->pickDepartment("LAB");
        QVERIFY(s->dialogs().boxes().isEmpty());
        // The first by name, letter case aside, then by ID.
        QCOMPARE(s->edit("s1")->text(), QString("AB1"));
        QCOMPARE(s->combo("s2")->currentText(), QString("Anna"));
        QCOMPARE(s->edit("s3")->text(), QString("X2"));
        QCOMPARE(lines(*s->programs()), QStringList({"HOURLY LOGS", "HOURLY GRAPHS"}));
        for (const char* name : {"Button1", "Button2", "Button3", "Button4", "Button5"})
            QVERIFY2(s->get<QPushButton>(name)->isHidden(), name);
        QVERIFY(s->edit("s1")->isReadOnly());
        QVERIFY(s->edit("s3")->isReadOnly());

        s->window.s2DropDown();
        QCOMPARE(items(*s->combo("s2")), QStringList({"Anna|AB1", "anna|AB2", "NIGHT SHIFT|NS1"}));
        QCOMPARE(s->combo("s2")->maxVisibleItems(), 10);
        s->combo("s2")->setCurrentIndex(2);
        emit s->combo("s2")->activated(2);
        QCOMPARE(s->edit("s1")->text(), QString("NS1"));
        QCOMPARE(items(*s->combo("s2")), QStringList{"NIGHT SHIFT"});
        QCOMPARE(s->combo("s2")->currentText(), QString("NIGHT SHIFT"));
        QCOMPARE(lines(*s->programs()),
                 QStringList({"HOURLY LOGS", "DAILY SIGN OUT", "MONTHLY LOGS"}));
        QVERIFY(s->get<QCheckBox>("s6")->isChecked());
        QVERIFY(!s->get<QCheckBox>("s7")->isChecked());
        QCOMPARE(s->get<QLabel>("d1")->text(), QString("11/30/2026 07:00 COLLECTOR"));

        // A user of another department is not on file here.
        s->dialogs().clear();
        s->edit("s1")->setText("PH1");
        s->window.view_btnClick();
        QCOMPARE(s->dialogs().texts(), QStringList{"NOT ON FILE"});
        QCOMPARE(s->dialogs().boxes().first().kind, DialogKind::Error);
    }

    void listsProgramUsersOnceAfterEveryActivation()
    {
        arrangeServer();
        auto s = screen("mySQL");
        QWidget mainWindow;
        mainWindow.resize(100, 100);
        mainWindow.show();
        s->window.show();
        QTRY_VERIFY(s->combo("dept")->count() > 0); // the first activation
        auto* tracker = s->window.findChild<ActivationTracker*>();
        QVERIFY(tracker);
        for (int i = 0; i < 3; ++i) {
            tracker->focusChanged(mainWindow.windowHandle());
            tracker->focusChanged(s->window.windowHandle());
        }
        QCOMPARE(items(*s->combo("dept")), QStringList({"CLINIC", "LAB", "YOU"}));
        // A failed load keeps the list and its "YOU".
        QSqlDatabase db = test::directConnection(m_server, database, "arrange");
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec("DROP TABLE REG"));
        s->window.FormActivate();
        QCOMPARE(items(*s->combo("dept")), QStringList({"CLINIC", "LAB", "YOU"}));
    }

    // SQL Server reports a failed department list and a failed View; MySQL stays silent.
    void reportsServerFailuresOnTheSqlServerBranch_data() { addBranches(); }
    void reportsServerFailuresOnTheSqlServerBranch()
    {
        QFETCH(QString, way);
        arrangeServer();
        auto s = screen(way);
        s->window.FormActivate();
        s->pickDepartment("LAB");
        s->dialogs().clear();
        QSqlDatabase db = test::directConnection(m_server, database, "arrange");
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec("DROP TABLE USERS"));
        s->edit("s1")->setText("NS1");
        s->window.view_btnClick();
        QVERIFY(QSqlQuery(db).exec("DROP TABLE REG"));
        s->window.FormActivate();
        const QStringList texts = s->dialogs().texts();
        // The user list that cannot be read ends the load without a word.
        if (way == "mySQL") {
            QVERIFY2(texts.isEmpty(), qPrintable(texts.join(", ")));
        } else {
            QCOMPARE(texts.size(), 2);
            QVERIFY2(texts.at(0).startsWith("User View Error "), qPrintable(texts.at(0)));
            QVERIFY2(texts.at(0).size() > 16, "with the error's text");
            QVERIFY2(texts.at(1).startsWith("Open SQL Error: "), qPrintable(texts.at(1)));
        }
    }

    void addsAProgramUser()
    {
        auto s = programUsersScreen();
        QVERIFY2(s->dialogs().boxes().isEmpty(), qPrintable(s->dialogs().texts().join(", ")));
        // The fields are emptied after an add.
        QVERIFY(s->edit("s1")->text().isEmpty());
        QVERIFY(s->edit("s3")->text().isEmpty());
        QCOMPARE(s->programs()->count(), 0);

        const StoredUser user = s->stored("O'NEIL");
        QVERIFY(user.exists);
        QCOMPARE(user.name, QString("PAT O'NEIL"));
        QVERIFY(isPasswordHash(user.password));
        QVERIFY(checkPassword("SECRET", user.password).matches);
        QCOMPARE(user.accessList, QString("HOURLY LOGS\r\nDAILY SIGN OUT\r\n"));
        QCOMPARE(user.status, -1);
        QCOMPARE(user.okToSign, 0);
        QCOMPARE(user.changed, QString("12/11/2026 09:05 ADMIN"));

        // The list and View under "YOU".
        s->window.s2DropDown();
        QCOMPARE(items(*s->combo("s2")), QStringList{"PAT O'NEIL|O'NEIL"});
        emit s->combo("s2")->activated(0);
        QCOMPARE(s->edit("s1")->text(), QString("O'NEIL"));
        QCOMPARE(lines(*s->programs()), QStringList({"HOURLY LOGS", "DAILY SIGN OUT"}));
        QVERIFY(!s->edit("s3")->text().isEmpty());
        QVERIFY(!user.password.contains(s->edit("s3")->text()));
        QVERIFY(!s->edit("s1")->isReadOnly());
        QVERIFY(!s->get<QPushButton>("Button1")->isHidden());

        s->window.add_btnClick();
        QCOMPARE(s->dialogs().texts(), QStringList{"ALREADY ON FILE"});
        QCOMPARE(s->stored("O'NEIL").password, user.password);

        // A typed ID is a value, never statement text.
        s->dialogs().clear();
        s->edit("s1")->setText("' OR '1'='1");
        s->window.view_btnClick();
        QCOMPARE(s->dialogs().texts(), QStringList{"NOT ON FILE"});
    }

    void refusesAnIncompleteUser_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QStringList>("access");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no ID") << ""
                               << "N"
                               << "P" << QStringList{"HOURLY LOGS"} << "A USER ID IS REQUIRED"
                               << "s1";
        QTest::newRow("no name") << "NEW"
                                 << ""
                                 << "P" << QStringList{"HOURLY LOGS"} << "A USER NAME IS REQUIRED"
                                 << "s2";
        QTest::newRow("no password")
            << "NEW"
            << "N"
            << "" << QStringList{"HOURLY LOGS"} << "A USER PASSWORD IS REQUIRED"
            << "s3";
        QTest::newRow("no program")
            << "NEW"
            << "N"
            << "P" << QStringList() << "ACCESS TO AT LEAST ONE PROGRAM IS REQUIRED"
            << "s5";
    }
    void refusesAnIncompleteUser()
    {
        QFETCH(QString, id);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QStringList, access);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        auto s = programUsersScreen();
        s->window.show();
        QVERIFY(QTest::qWaitForWindowActive(&s->window));
        // The first show reloads: back to the program's users.
        QTRY_VERIFY(s->get<QPushButton>("Button1")->isHidden());
        s->pickDepartment("YOU");
        for (auto command : {&TUserupd_form::add_btnClick, &TUserupd_form::update_btnClick}) {
            s->dialogs().clear();
            s->type(id, name, password, access);
            (s->window.*command)();
            QCOMPARE(s->dialogs().texts(), QStringList{message});
            QCOMPARE(s->dialogs().boxes().first().kind, DialogKind::Information);
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        }
        QVERIFY(!s->stored("NEW").exists);
    }

    // An update keeps the stored hash while the box is unedited since View.
    void updatesAProgramUser()
    {
        auto s = programUsersScreen();
        const QString hash = s->stored("O'NEIL").password;
        s->edit("s1")->setText("O'NEIL");
        s->window.view_btnClick();
        s->combo("s2")->setEditText("PATRICIA O'NEIL");
        s->get<QCheckBox>("s7")->setChecked(true);
        s->window.load_btnClick();
        QCOMPARE(s->programs()->count(), 13);
        s->programs()->setCurrentRow(0);
        s->window.delsel_btnClick();
        s->window.update_btnClick();
        QVERIFY(s->dialogs().boxes().isEmpty());
        QCOMPARE(s->edit("s1")->text(), QString("O'NEIL")); // the fields stay
        StoredUser user = s->stored("O'NEIL");
        QCOMPARE(user.password, hash);
        QCOMPARE(user.name, QString("PATRICIA O'NEIL"));
        QCOMPARE(user.okToSign, -1);
        QVERIFY(user.accessList.startsWith("COMPANY REGISTRATION\r\nSERVER DATABASE ADMIN\r\n"));
        QCOMPARE(user.accessList.count("\r\n"), 12);

        // Typed over: the new password's hash.
        s->edit("s3")->selectAll();
        QTest::keyClicks(s->edit("s3"), "newsecret");
        QCOMPARE(s->edit("s3")->text(), QString("NEWSECRET"));
        s->window.update_btnClick();
        user = s->stored("O'NEIL");
        QVERIFY(user.password != hash);
        QVERIFY(checkPassword("NEWSECRET", user.password).matches);

        s->edit("s1")->setText("NOBODY");
        s->window.update_btnClick();
        QCOMPARE(s->dialogs().texts(), QStringList{"NOT ON FILE"});
        QVERIFY(!s->stored("NOBODY").exists);
    }

    void removeSelectedNeedsASelection()
    {
        auto s = programUsersScreen();
        s->window.load_btnClick();
        s->programs()->clearSelection();
        s->programs()->setCurrentRow(-1);
        s->window.delsel_btnClick();
        QCOMPARE(s->programs()->count(), 13);
        QCOMPARE(s->programs()->item(9)->text(), QString("HOURLY GRAPHS"));
    }

    // Only an explicit No deletes.
    void deletesOnlyOnAnExplicitNo_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("Yes") << int(DialogAnswer::Yes) << false;
        QTest::newRow("Escape or closed") << int(DialogAnswer::Dismissed) << false;
        QTest::newRow("No") << int(DialogAnswer::No) << true;
    }
    void deletesOnlyOnAnExplicitNo()
    {
        QFETCH(int, answer);
        QFETCH(bool, deleted);
        auto s = programUsersScreen();
        s->edit("s1")->setText("O'NEIL");
        s->window.view_btnClick();
        s->dialogs().answerNext(DialogAnswer(answer));
        s->window.delete_btnClick();
        QCOMPARE(s->dialogs().boxes().first().text, QString("CANCEL DELETE?"));
        QCOMPARE(s->dialogs().boxes().first().buttons, DialogButtons::YesNo);
        QCOMPARE(s->dialogs().boxes().first().kind, DialogKind::Confirmation);
        QCOMPARE(s->stored("O'NEIL").exists, !deleted);
        if (deleted) {
            QCOMPARE(s->dialogs().texts(), QStringList{"CANCEL DELETE?"});
            QVERIFY(s->edit("s1")->text().isEmpty());
        } else {
            QCOMPARE(s->dialogs().texts(), QStringList({"CANCEL DELETE?", "RECORD NOT DELETED!"}));
            QCOMPARE(s->edit("s1")->text(), QString("O'NEIL"));
        }
        s->dialogs().clear();
        s->edit("s1")->setText("NOBODY");
        s->window.delete_btnClick();
        QCOMPARE(s->dialogs().texts(), QStringList{"NOT ON FILE"});
    }

    void clearEmptiesTheFields()
    {
        auto s = programUsersScreen();
        s->edit("s1")->setText("O'NEIL");
        s->window.view_btnClick();
        s->window.clear_btnClick();
        QVERIFY(s->edit("s1")->text().isEmpty());
        QVERIFY(s->combo("s2")->currentText().isEmpty());
        QVERIFY(s->edit("s3")->text().isEmpty());
        QCOMPARE(s->programs()->count(), 0);
        QVERIFY(!s->get<QCheckBox>("s6")->isChecked());
        QVERIFY(s->get<QLabel>("d1")->text().isEmpty());
    }

    void typedIdsAndPasswordsAreUpperCaseUpToTwenty()
    {
        arrangeServer();
        auto s = screen("mySQL");
        for (const char* name : {"s1", "s3"}) {
            QLineEdit* edit = s->edit(name);
            QTest::keyClicks(edit, "abcdefghijklmnopqrstuvwxyz");
            QCOMPARE(edit->text(), QString("ABCDEFGHIJKLMNOPQRST"));
        }
    }
};

QTEST_MAIN(TestUserAccounts)
#include "test_user_accounts.moc"
