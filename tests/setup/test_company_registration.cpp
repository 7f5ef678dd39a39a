#include "common/ActivationTracker.h"
#include "data/DataAccess.h"
#include "setup/SetupHarness.h"
#include "setup/TRegupd_form.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvra;
using test::child;

namespace {

struct Record
{
    QString name, address1, address2, csz, changed;
    bool exists = false;
};

// The company record as the file holds it, read on a connection of its own.
Record storedRecord(const QString& path)
{
    Record record;
    Tdf reader(path);
    Dataset& view = reader.AdoView;
    if (!OpenSql(view, SqlStatement("Select * from REGISTRATION")))
        return record;
    if (!AtEnd(view)) {
        record = {ReadField(view, "REG_NAME").asText(), ReadField(view, "ADDRESS1").asText(),
                  ReadField(view, "ADDRESS2").asText(), ReadField(view, "CSZ").asText(),
                  ReadField(view, "CHANGED").asText(),  true};
        NextRow(view);
        if (!AtEnd(view))
            record.exists = false; // only ever one row
    }
    CloseSql(view);
    return record;
}

// A local settings file of its own, without a server.
struct Screen
{
    explicit Screen(bool withRecord)
    {
        if (withRecord) {
            const SqlOutcome stored = ExecSql(
                df.ADOCommand,
                SqlStatement("INSERT INTO REGISTRATION (REG_ID, REG_NAME, ADDRESS1, ADDRESS2, CSZ, "
                             "CHANGED) VALUES (1, 'NORTHWIND CLINIC', '12 HARBOUR ROAD', "
                             "'PORTSMOUTH, NH 03801', '603-555-0100', '01/02/2026 08:30 OLD')"));
            if (!stored)
                qWarning("%s", qPrintable(stored.error()));
        }
        window.setAttribute(Qt::WA_DeleteOnClose, false);
    }

    QLineEdit* edit(const char* name) { return child<QLineEdit>(window, name); }
    QString changed() { return child<QLabel>(window, "d1")->text(); }

    QTemporaryDir dir;
    QString path = dir.filePath("Database/sensordb.db");
    Tdf df{path};
    Tds ds{df, [](const QString&) {}};
    test::SetupServices services{df, ds};
    TRegupd_form window{services.context};
};

} // namespace

class TestCompanyRegistration : public QObject
{
    Q_OBJECT

private slots:
    void hasTheGivenControls()
    {
        Screen s(true);
        QCOMPARE(s.window.windowTitle(), QString("Veltrin® SP"));
        QCOMPARE(s.window.size(), QSize(528, 325));
        QCOMPARE(child<QLabel>(s.window, "top_label")->text(), QString("Registration"));
        for (const char* name : {"top_panel", "bottom_panel", "view_btn", "clear_btn", "save_btn",
                                 "exit_btn", "s1", "s2", "s3", "s4", "d1"})
            QVERIFY2(s.window.findChild<QWidget*>(name), name);
        QVERIFY(s.edit("s1")->isReadOnly());
    }

    void enterMovesToTheNextField()
    {
        Screen s(true);
        s.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&s.window));
        QTRY_COMPARE(s.edit("s2")->text(), QString("12 HARBOUR ROAD"));
        s.edit("s2")->setFocus();
        QTest::keyClick(s.edit("s2"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.edit("s3"));
        QCOMPARE(s.edit("s2")->text(), QString("12 HARBOUR ROAD"));
    }

    void savesTheEditableFieldsAndStampsThem()
    {
        Screen s(true);
        s.window.FormActivate();
        QCOMPARE(s.edit("s1")->text(), QString("NORTHWIND CLINIC"));
        QCOMPARE(s.edit("s2")->text(), QString("12 HARBOUR ROAD"));
        QCOMPARE(s.edit("s4")->text(), QString("603-555-0100"));
        QCOMPARE(s.changed(), QString("01/02/2026 08:30 OLD"));

        s.edit("s2")->setText("7 O'NEIL STREET");
        s.edit("s3")->setText("DOVER, NH 03820");
        s.edit("s4")->clear(); // the phone may be empty
        s.window.update_btnClick();
        QVERIFY(s.services.dialogs.boxes().isEmpty());
        for (const char* name : {"s2", "s3", "s4"})
            QVERIFY2(s.edit(name)->text().isEmpty(), name);
        QCOMPARE(s.changed(), QString());
        QCOMPARE(s.edit("s1")->text(), QString("NORTHWIND CLINIC"));

        const Record stored = storedRecord(s.path);
        QVERIFY(stored.exists);
        QCOMPARE(stored.name, QString("NORTHWIND CLINIC"));
        QCOMPARE(stored.address1, QString("7 O'NEIL STREET"));
        QCOMPARE(stored.address2, QString("DOVER, NH 03820"));
        QCOMPARE(stored.csz, QString());
        QCOMPARE(stored.changed, QString("12/11/2026 09:05 ADMIN"));

        s.window.view_btnClick();
        QCOMPARE(s.edit("s2")->text(), QString("7 O'NEIL STREET"));
        QCOMPARE(s.changed(), QString("12/11/2026 09:05 ADMIN"));
    }

    void theCompanyNameStaysFixed()
    {
        Screen s(true);
        s.window.FormActivate();
        s.edit("s1")->setText("SOMEBODY ELSE"); // read-only; a program could still set it
        s.window.update_btnClick();
        QCOMPARE(storedRecord(s.path).name, QString("NORTHWIND CLINIC"));
    }

    void refusesASaveWithoutAddressOrCity_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no address") << ""
                                    << "DOVER"
                                    << "AN ADDRESS IS REQUIRED"
                                    << "s2";
        QTest::newRow("no city") << "1 MAIN ST"
                                 << ""
                                 << "CITY, STATE AND ZIP ARE REQUIRED"
                                 << "s3";
    }
    // The box does not reload the record: what the operator typed stays.
    void refusesASaveWithoutAddressOrCity()
    {
        QFETCH(QString, address);
        QFETCH(QString, city);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Screen s(true);
        QWidget mainWindow;
        QDialog box(&s.window);
        for (QWidget* w :
             {&mainWindow, static_cast<QWidget*>(&s.window), static_cast<QWidget*>(&box)}) {
            w->resize(w == &s.window ? w->size() : QSize(100, 100));
            w->show();
        }
        QTRY_COMPARE(s.edit("s1")->text(), QString("NORTHWIND CLINIC")); // the first activation
        s.services.dialogs.clear();
        s.edit("s2")->setText(address);
        s.edit("s3")->setText(city);
        s.edit("s4")->setText("603-555-0199");
        s.window.update_btnClick();
        QCOMPARE(s.services.dialogs.texts(), QStringList{message});
        QCOMPARE(s.services.dialogs.boxes().first().kind, DialogKind::Error);
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                             : s.window.focusWidget()->objectName(),
                 focus);

        auto* tracker = s.window.findChild<ActivationTracker*>();
        QVERIFY(tracker);
        tracker->focusChanged(box.windowHandle());
        tracker->focusChanged(s.window.windowHandle());
        QCOMPARE(s.edit("s2")->text(), address);
        QCOMPARE(s.edit("s4")->text(), QString("603-555-0199"));
        QCOMPARE(storedRecord(s.path).csz, QString("603-555-0100"));

        // Coming back from another window of the program reloads, discarding the edits.
        tracker->focusChanged(mainWindow.windowHandle());
        tracker->focusChanged(s.window.windowHandle());
        QCOMPARE(s.edit("s2")->text(), QString("12 HARBOUR ROAD"));
        QCOMPARE(s.edit("s4")->text(), QString("603-555-0100"));
    }

    void clearKeepsTheName()
    {
        Screen s(true);
        s.window.FormActivate();
        s.window.clear_btnClick();
        QCOMPARE(s.edit("s1")->text(), QString("NORTHWIND CLINIC"));
        for (const char* name : {"s2", "s3", "s4"})
            QVERIFY2(s.edit(name)->text().isEmpty(), name);
        QCOMPARE(s.changed(), QString());
    }

    // Without a record the name is entered once, with the first save; then it is fixed.
    void entersTheCompanyNameOnceWhenNoRecordExists()
    {
        Screen s(false);
        s.window.FormActivate();
        QCOMPARE(s.services.dialogs.texts(), QStringList{"NOT ON FILE"});
        QCOMPARE(s.services.dialogs.boxes().first().kind, DialogKind::Error);
        QVERIFY(!s.edit("s1")->isReadOnly());

        s.services.dialogs.clear();
        s.edit("s2")->setText("12 HARBOUR ROAD");
        s.edit("s3")->setText("PORTSMOUTH, NH 03801");
        s.window.update_btnClick();
        QCOMPARE(s.services.dialogs.texts(), QStringList{"A COMPANY NAME IS REQUIRED"});
        QVERIFY(!storedRecord(s.path).exists);

        s.services.dialogs.clear();
        s.edit("s1")->setText("NORTHWIND CLINIC");
        s.window.update_btnClick();
        QVERIFY(s.services.dialogs.boxes().isEmpty());
        const Record stored = storedRecord(s.path);
        QVERIFY(stored.exists);
        QCOMPARE(stored.name, QString("NORTHWIND CLINIC"));
        QCOMPARE(stored.address2, QString("PORTSMOUTH, NH 03801"));
        QCOMPARE(stored.changed, QString("12/11/2026 09:05 ADMIN"));
        QVERIFY(s.edit("s1")->isReadOnly());
        QCOMPARE(s.edit("s1")->text(), QString("NORTHWIND CLINIC"));

        s.window.FormActivate();
        QVERIFY(s.services.dialogs.boxes().isEmpty());
        QVERIFY(s.edit("s1")->isReadOnly());
        QCOMPARE(s.edit("s2")->text(), QString("12 HARBOUR ROAD"));
    }

    void typingIsLimitedToFortyCharacters()
    {
        Screen s(true);
        s.window.FormActivate();
        QLineEdit* address = s.edit("s2");
        address->clear();
        QTest::keyClicks(address, QString(45, 'A'));
        QCOMPARE(address->text(), QString(40, 'A'));
    }
};

QTEST_MAIN(TestCompanyRegistration)
#include "test_company_registration.moc"
