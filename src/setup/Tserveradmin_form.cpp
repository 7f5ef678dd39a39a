#include "setup/Tserveradmin_form.h"

#include "common/AppContext.h"
#include "common/ScreenFrame.h"
#include "common/SensorPickers.h"
#include "data/DataAccess.h"
#include "data/Tds.h"
#include "setup/ServerAdminModel.h"
#include "ui_Tserveradmin_form.h"

#include <QKeyEvent>

namespace kelvra {

Tserveradmin_form::Tserveradmin_form(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_ui(std::make_unique<Ui::Tserveradmin_form>())
{
    m_ui->setupUi(this);
    m_frame = new ScreenFrame(*this, m_ui->Panel13, nullptr, context.dialogs, {});
    m_pickers = new SensorPickers(*this, *m_ui->depart, nullptr, context.ds, context.dialogs,
                                  {.departments = DepartmentListKind::ServerAdmin,
                                   .departmentPick = SensorPickers::DepartmentPick::ScreenAction},
                                  {.departmentPicked = [this] { dept_click(); }});
    connect(m_ui->Button1, &QPushButton::clicked, this, &Tserveradmin_form::deleteClick);
    connect(m_ui->Button2, &QPushButton::clicked, this, &Tserveradmin_form::exitclose);
    for (QDateEdit* picker : {m_ui->DateTimePicker1, m_ui->DateTimePicker2}) {
        picker->setDisplayFormat(pickerDateFormat(context.formats.shortDateFormat()));
        picker->installEventFilter(this);
    }
    formcreate();
}

Tserveradmin_form::~Tserveradmin_form() = default;

void Tserveradmin_form::formcreate()
{
    const QDate today = m_context.clock.now().date();
    m_ui->DateTimePicker1->setDate(today);
    m_ui->DateTimePicker2->setDate(today);
    m_ui->depart->setEditText(QString::fromLatin1(chooseLocationText));
    (void)m_pickers->load_depts();
}

void Tserveradmin_form::dept_drop()
{
    m_pickers->Deptdropdown();
}

void Tserveradmin_form::dept_click() {}

void Tserveradmin_form::deleteClick()
{
    const QString department = m_pickers->department();
    if (department == QLatin1String(chooseLocationText)) {
        m_context.dialogs.information(this, QStringLiteral("CHOOSE A LOCATION"));
        m_ui->depart->setFocus();
        return;
    }
    const QDate first = m_ui->DateTimePicker1->date();
    const QDate last = m_ui->DateTimePicker2->date();
    if (!m_context.dialogs.askOkCancel(this, DialogKind::Information,
                                       deleteQuestion(department, first, last))) {
        m_context.dialogs.information(this, QStringLiteral("Data NOT Deleted"));
        return;
    }
    const Branch branch = m_context.ds.branch();
    if (branch == Branch::None)
        return;
    // Each step is one transaction: a failed step leaves its rows as they were.
    SqlCommand mySqlCommand(m_context.ds.MyConnection1);
    SqlCommand& command = branch == Branch::Ado ? m_context.ds.ADOCommand : mySqlCommand;
    for (const DeletionStep& step : oldDataSteps(branch, department, first, last)) {
        QList<SqlStatement> statements;
        for (const DatedDeletion& deletion : step.statements)
            statements.append(branch == Branch::Ado ? deletion.adoDelete : deletion.mysql);
        const SqlOutcome outcome = command.execInTransaction(statements);
        if (!outcome && !step.failurePrefix.isEmpty())
            m_context.dialogs.plain(this, step.failurePrefix + outcome.error());
    }
}

void Tserveradmin_form::exitclose()
{
    close();
}

bool Tserveradmin_form::CODE_BACK_DOOR(QKeyEvent* event)
{
    switch (backDoorCommand(event->text())) {
    case BackDoorCommand::None:
        return false;
    case BackDoorCommand::DropTables:
        dropAllTables();
        return true;
    case BackDoorCommand::DeleteDepartment:
        deleteDepartment();
        return true;
    }
    return false;
}

void Tserveradmin_form::dropAllTables()
{
    if (!m_context.dialogs.askOkCancel(
            this, DialogKind::Information,
            QStringLiteral("ARE YOU SURE YOU WANT TO DELETE ALL TABLES IN DB")))
        return;
    if (m_context.ds.branch() != Branch::Ado)
        return;
    for (const SqlStatement& drop : kelvra::dropAllTables()) {
        const SqlOutcome outcome = ExecSql(m_context.ds.ADOCommand, drop);
        if (!outcome) {
            m_context.dialogs.plain(this, QStringLiteral("ERROR DEL TABLES: ") + outcome.error());
            return;
        }
    }
}

void Tserveradmin_form::deleteDepartment()
{
    const QString department = m_pickers->department();
    if (!m_context.dialogs.askOkCancel(this, DialogKind::Information,
                                       deleteAllQuestion(department))) {
        (void)m_context.dialogs.show(this, DialogKind::Information,
                                     QStringLiteral("DATA NOT DELETED"), DialogButtons::OkCancel);
        return;
    }
    const Branch branch = m_context.ds.branch();
    for (const SqlStatement& statement : allDepartmentData(branch, department)) {
        // Failures are silent; the next table is still cleared.
        if (branch == Branch::Ado)
            (void)m_context.ds.deleteRows({statement, {}});
        else if (branch == Branch::MySql)
            (void)m_context.ds.exec({{}, statement});
    }
}

bool Tserveradmin_form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && CODE_BACK_DOOR(static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tserveradmin_form::keyPressEvent(QKeyEvent* event)
{
    // Keys the department picker let pass are not the window's.
    const QWidget* focus = focusWidget();
    const bool fromPicker = focus && (focus == m_ui->depart || m_ui->depart->isAncestorOf(focus));
    if (!fromPicker && CODE_BACK_DOOR(event))
        return;
    QWidget::keyPressEvent(event);
}

} // namespace kelvra
