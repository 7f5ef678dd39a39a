#include "setup/TUserupd_form.h"

#include "common/AccessList.h"
#include "common/ActivationTracker.h"
#include "common/AppContext.h"
#include "common/ConnectingIndicator.h"
#include "common/DateText.h"
#include "common/PasswordEcho.h"
#include "common/ScreenFrame.h"
#include "common/SensorPickers.h"
#include "common/UpperCaseField.h"
#include "data/DataAccess.h"
#include "setup/UserAccountsQueries.h"
#include "ui_TUserupd_form.h"

#include <QPointer>

namespace kelvra {

namespace {

constexpr int userNameLength = 30;

QStringList listLines(const QListWidget& list)
{
    QStringList lines;
    for (int i = 0; i < list.count(); ++i)
        lines << list.item(i)->text();
    return lines;
}

} // namespace

TUserupd_form::TUserupd_form(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_ui(std::make_unique<Ui::TUserupd_form>()),
      m_userId(context.session.userId())
{
    m_ui->setupUi(this);
    m_ui->s1->setValidator(new UpperCaseValidator(20, m_ui->s1));
    m_ui->s3->setValidator(new UpperCaseValidator(20, m_ui->s3));
    echoPasswordAsStars(*m_ui->s3);
    m_ui->s2->setInsertPolicy(QComboBox::NoInsert);
    // Only typing is limited: a listed entry ("NAME|ID") is longer than a name.
    connect(m_ui->s2->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.size() > userNameLength)
            m_ui->s2->lineEdit()->setText(text.left(userNameLength));
    });
    connect(m_ui->s3, &QLineEdit::textEdited, this, [this] { m_password.edited(); });

    m_frame = new ScreenFrame(*this, m_ui->top_panel, m_ui->bottom_panel, context.dialogs,
                              {.printScale = PrintScale::Proportional, .enterMovesFocus = true});
    m_indicator = std::make_unique<ConnectingIndicator>(*m_ui->dataserver, *m_ui->ProgressBar2,
                                                        context.pause);
    SensorPickers::Actions actions;
    actions.departmentPicked = [this] { deptclick(); };
    actions.departmentsLoaded = [this](const SqlOutcome& outcome, Branch branch) {
        departmentsLoaded(outcome, branch);
    };
    m_pickers = new SensorPickers(*this, *m_ui->dept, nullptr, context.ds, context.dialogs,
                                  {.departments = DepartmentListKind::DistinctOrdered,
                                   .departmentPick = SensorPickers::DepartmentPick::ScreenAction},
                                  std::move(actions), m_indicator.get());

    connect(m_ui->s2, &DropDownComboBox::droppingDown, this, &TUserupd_form::s2DropDown);
    connect(m_ui->s2, &QComboBox::activated, this, &TUserupd_form::s2Click);
    connect(m_ui->view_btn, &QPushButton::clicked, this, &TUserupd_form::view_btnClick);
    connect(m_ui->clear_btn, &QPushButton::clicked, this, &TUserupd_form::clear_btnClick);
    connect(m_ui->exit_btn, &QPushButton::clicked, this, &TUserupd_form::exit_btnClick);
    connect(m_ui->Button1, &QPushButton::clicked, this, &TUserupd_form::add_btnClick);
    connect(m_ui->Button2, &QPushButton::clicked, this, &TUserupd_form::update_btnClick);
    connect(m_ui->Button3, &QPushButton::clicked, this, &TUserupd_form::delete_btnClick);
    connect(m_ui->Button4, &QPushButton::clicked, this, &TUserupd_form::load_btnClick);
    connect(m_ui->Button5, &QPushButton::clicked, this, &TUserupd_form::delsel_btnClick);
    new ActivationTracker(*this, [this] { FormActivate(); });
}

TUserupd_form::~TUserupd_form() = default;

bool TUserupd_form::isProgramUsers() const
{
    return m_ui->dept->currentText() == programUsersDepartment;
}

void TUserupd_form::FormActivate()
{
    clearFields();
    m_loading = true;
    (void)m_pickers->load_depts();
    loadUsers(true);
    m_loading = false;
}

void TUserupd_form::departmentsLoaded(const SqlOutcome& outcome, Branch branch)
{
    // The SQL Server branch reports a failed list; the MySQL branch stays silent.
    if (!outcome.ok() && branch == Branch::Ado)
        m_context.dialogs.plain(this, QStringLiteral("Open SQL Error: ") + outcome.error());
    QComboBox& dept = *m_ui->dept;
    // A failed load keeps the list, "YOU" included: it stays the last item, once.
    if (dept.count() == 0 || dept.itemText(dept.count() - 1) != programUsersDepartment)
        dept.addItem(programUsersDepartment);
    if (dept.count() == 1) {
        dept.setCurrentIndex(0);
        dept.setEditText(programUsersDepartment);
    }
}

void TUserupd_form::deptclick()
{
    if (m_ui->dept->currentText().isEmpty())
        return;
    clearFields();
    loadUsers(true);
    applyDepartmentMode();
}

void TUserupd_form::loadUsers(bool pick)
{
    QList<std::pair<QString, QString>> rows;
    auto read = [&rows](Dataset& dataset) {
        for (; !AtEnd(dataset); NextRow(dataset))
            rows.append(
                {ReadField(dataset, "USER_NAME").asText(), ReadField(dataset, "USER_ID").asText()});
        CloseSql(dataset);
    };
    if (isProgramUsers()) {
        Dataset& view = m_context.df.AdoView;
        if (!OpenSql(view, localUserList())) {
            CloseSql(view);
            return;
        }
        read(view);
    } else {
        const BranchOutcome opened =
            m_context.ds.open(m_context.ds.AdoView, departmentUserList(m_ui->dept->currentText()));
        if (opened.failed()) {
            CloseSql(opened.rows());
            return;
        }
        read(opened.rows());
    }
    const QStringList entries = sortedUserEntries(rows);
    m_ui->s2->clear();
    m_ui->s2->addItems(entries);
    m_ui->s2->setCurrentIndex(-1);
    m_ui->s2->setMaxVisibleItems(10);
    if (!pick)
        return;
    const QString first = entries.value(0);
    m_ui->s1->setText(entryId(first));
    m_ui->s2->setEditText(first);
    pickEntry(first);
}

void TUserupd_form::s2DropDown()
{
    loadUsers(false);
}

void TUserupd_form::s2Click(int index)
{
    pickEntry(index >= 0 && index < m_ui->s2->count() ? m_ui->s2->itemText(index)
                                                      : m_ui->s2->currentText());
}

void TUserupd_form::pickEntry(const QString& entry)
{
    m_ui->s1->setText(entryId(entry));
    m_ui->s2->clear();
    m_ui->s2->addItem(entryName(entry));
    m_ui->s2->setCurrentIndex(0);
    view_btnClick();
}

void TUserupd_form::applyDepartmentMode()
{
    const bool programUsers = isProgramUsers();
    for (QWidget* button :
         {m_ui->Button1, m_ui->Button2, m_ui->Button3, m_ui->Button4, m_ui->Button5})
        button->setVisible(programUsers);
    m_ui->s1->setReadOnly(!programUsers);
    m_ui->s3->setReadOnly(!programUsers);
}

void TUserupd_form::view_btnClick()
{
    m_context.session.StampActivity();
    applyDepartmentMode();
    const QString id = m_ui->s1->text();
    if (id.isEmpty()) {
        m_context.dialogs.information(this, m_loading
                                                ? QStringLiteral("NO USERS ENTERED AT LOCATION")
                                                : QStringLiteral("A USER ID IS REQUIRED"));
        m_ui->s1->setFocus();
        m_indicator->hide();
        return;
    }
    m_indicator->setPercent(55);
    const bool programUsers = isProgramUsers();
    Dataset* rows = nullptr;
    if (programUsers) {
        rows = &m_context.df.AdoView;
        if (!OpenSql(*rows, localUser(id))) {
            CloseSql(*rows);
            m_indicator->hide();
            return;
        }
    } else {
        const BranchOutcome opened =
            m_context.ds.open(m_context.ds.AdoView, departmentUser(id, m_ui->dept->currentText()));
        if (!opened.ok()) {
            if (opened.failed() && opened.branch() == Branch::Ado)
                m_context.dialogs.error(this, QStringLiteral("User View Error ") + opened.error());
            CloseSql(opened.rows());
            m_indicator->hide();
            return;
        }
        rows = &opened.rows();
    }
    if (AtEnd(*rows)) {
        m_context.dialogs.error(this, QStringLiteral("NOT ON FILE"));
        m_ui->s1->setFocus();
        CloseSql(*rows);
        m_indicator->hide();
        return;
    }
    m_ui->s2->setEditText(ReadField(*rows, "USER_NAME").asText());
    const QString stored = ReadField(*rows, "USER_PASSWORD").asText();
    if (programUsers) {
        // Our own users' passwords are hashes: the box shows a placeholder, never the value.
        m_ui->s3->setText(m_password.viewed(stored));
    } else {
        m_password.cleared();
        m_ui->s3->setText(stored);
    }
    m_ui->s5->clear();
    m_ui->s5->addItems(parseAccessList(ReadField(*rows, "ACCESS_LIST").asText()));
    m_ui->s6->setChecked(ReadField(*rows, "STATUS_FLAG").asBool());
    m_ui->s7->setChecked(ReadField(*rows, "OK_TO_SIGN").asBool());
    m_ui->d1->setText(ReadField(*rows, "CHANGED").asText());
    m_ui->s2->setFocus();
    CloseSql(*rows);
    m_indicator->finish();
}

UserInput TUserupd_form::input() const
{
    return {m_ui->s1->text(), m_ui->s2->currentText(), m_ui->s3->text(), listLines(*m_ui->s5)};
}

bool TUserupd_form::passesChecks()
{
    const UserCheck check = checkUser(input());
    if (check.message.isEmpty())
        return true;
    m_context.dialogs.information(this, check.message);
    QWidget* target = m_ui->s1;
    switch (check.focus) {
    case UserField::UserName:
        target = m_ui->s2;
        break;
    case UserField::Password:
        target = m_ui->s3;
        break;
    case UserField::Programs:
        target = m_ui->s5;
        break;
    default:
        break;
    }
    target->setFocus();
    return false;
}

void TUserupd_form::writeUser(Dataset& row)
{
    const UserInput typed = input();
    WriteField(row, "USER_ID", typed.userId);
    WriteField(row, "USER_NAME", typed.userName);
    WriteField(row, "USER_PASSWORD", m_password.valueToStore(typed.password));
    WriteField(row, "ACCESS_LIST", storedAccessList(typed.programs));
    WriteField(row, "STATUS_FLAG", m_ui->s6->isChecked() ? -1 : 0);
    WriteField(row, "OK_TO_SIGN", m_ui->s7->isChecked() ? -1 : 0);
    WriteField(row, "CHANGED", changeStamp(m_context.clock.now(), m_userId));
}

bool TUserupd_form::openTypedUser()
{
    Dataset& view = m_context.df.AdoView;
    const SqlOutcome opened = OpenSql(view, localUser(m_ui->s1->text()));
    if (!opened) {
        CloseSql(view);
        m_context.dialogs.error(this, opened.error());
    }
    return opened.ok();
}

void TUserupd_form::add_btnClick()
{
    m_context.session.StampActivity();
    if (!passesChecks() || !isProgramUsers() || !openTypedUser())
        return;
    Dataset& view = m_context.df.AdoView;
    if (!AtEnd(view)) {
        CloseSql(view);
        m_context.dialogs.information(this, QStringLiteral("ALREADY ON FILE"));
        m_ui->s1->setFocus();
        return;
    }
    AppendRow(view);
    writeUser(view);
    const SqlOutcome posted = PostRow(view);
    CloseSql(view);
    if (!posted) {
        m_context.dialogs.error(this, posted.error());
        return;
    }
    clearFields();
}

void TUserupd_form::update_btnClick()
{
    m_context.session.StampActivity();
    if (!passesChecks() || !isProgramUsers() || !openTypedUser())
        return;
    Dataset& view = m_context.df.AdoView;
    if (AtEnd(view)) {
        CloseSql(view);
        m_context.dialogs.information(this, QStringLiteral("NOT ON FILE"));
        m_ui->s1->setFocus();
        return;
    }
    EditRow(view);
    writeUser(view);
    const SqlOutcome posted = PostRow(view);
    CloseSql(view);
    if (!posted)
        m_context.dialogs.error(this, posted.error());
}

void TUserupd_form::delete_btnClick()
{
    m_context.session.StampActivity();
    if (!isProgramUsers())
        return;
    const QString id = m_ui->s1->text();
    Dataset& view = m_context.df.AdoView;
    if (const SqlOutcome opened = OpenSql(view, localUser(id)); !opened) {
        CloseSql(view);
        m_context.dialogs.error(this, opened.error());
        return;
    }
    const bool found = !AtEnd(view);
    // The shared dataset is not held open across the box: other windows run meanwhile.
    CloseSql(view);
    if (!found) {
        m_context.dialogs.information(this, QStringLiteral("NOT ON FILE"));
        m_ui->s1->setFocus();
        return;
    }
    const QPointer<TUserupd_form> self(this);
    // Only an explicit No deletes; Yes, Escape or a closed box keep the user.
    const bool deleteIt = m_context.dialogs.answeredNo(this, DialogKind::Confirmation,
                                                       QStringLiteral("CANCEL DELETE?"));
    if (!self)
        return;
    if (!deleteIt) {
        m_context.dialogs.information(this, QStringLiteral("RECORD NOT DELETED!"));
        return;
    }
    if (const SqlOutcome opened = OpenSql(view, localUser(id)); !opened) {
        CloseSql(view);
        m_context.dialogs.error(this, opened.error());
        return;
    }
    if (!AtEnd(view)) {
        if (const SqlOutcome deleted = DeleteRow(view); !deleted) {
            CloseSql(view);
            m_context.dialogs.error(this, deleted.error());
            return;
        }
    }
    CloseSql(view);
    clearFields();
}

void TUserupd_form::load_btnClick()
{
    m_context.session.StampActivity();
    m_ui->s5->clear();
    m_ui->s5->addItems(loadProgramNames());
    m_ui->s5->setFocus();
}

void TUserupd_form::delsel_btnClick()
{
    QListWidgetItem* selected = m_ui->s5->currentItem();
    if (!selected || !selected->isSelected())
        return;
    delete m_ui->s5->takeItem(m_ui->s5->row(selected));
}

void TUserupd_form::clearFields()
{
    m_ui->s1->clear();
    m_ui->s2->setEditText(QString());
    m_ui->s3->clear();
    m_password.cleared();
    m_ui->s5->clear();
    m_ui->s6->setChecked(false);
    m_ui->s7->setChecked(false);
    m_ui->d1->clear();
    m_ui->s1->setFocus();
}

void TUserupd_form::clear_btnClick()
{
    m_context.session.StampActivity();
    clearFields();
}

void TUserupd_form::exit_btnClick()
{
    clearFields();
    close();
}

} // namespace kelvra
