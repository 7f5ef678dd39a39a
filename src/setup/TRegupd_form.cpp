#include "setup/TRegupd_form.h"

#include "common/ActivationTracker.h"
#include "common/AppContext.h"
#include "common/DateText.h"
#include "common/ScreenFrame.h"
#include "common/UpperCaseField.h"
#include "data/DataAccess.h"
#include "setup/RegistrationModel.h"
#include "setup/RegistrationQueries.h"
#include "ui_TRegupd_form.h"

namespace kelvra {

TRegupd_form::TRegupd_form(AppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_ui(std::make_unique<Ui::TRegupd_form>()),
      m_userId(context.session.userId())
{
    m_ui->setupUi(this);
    for (QLineEdit* edit : {m_ui->s2, m_ui->s3, m_ui->s4})
        edit->setValidator(new UpperCaseValidator(40, edit, false));
    m_ui->s1->setValidator(new UpperCaseValidator(50, m_ui->s1, false));
    m_frame = new ScreenFrame(*this, m_ui->top_panel, m_ui->bottom_panel, context.dialogs,
                              {.printScale = PrintScale::Proportional, .enterMovesFocus = true});
    connect(m_ui->view_btn, &QPushButton::clicked, this, &TRegupd_form::view_btnClick);
    connect(m_ui->save_btn, &QPushButton::clicked, this, &TRegupd_form::update_btnClick);
    connect(m_ui->clear_btn, &QPushButton::clicked, this, &TRegupd_form::clear_btnClick);
    connect(m_ui->exit_btn, &QPushButton::clicked, this, &TRegupd_form::exit_btnClick);
    new ActivationTracker(*this, [this] { FormActivate(); });
}

TRegupd_form::~TRegupd_form() = default;

void TRegupd_form::FormActivate()
{
    clearFields();
    view_btnClick();
}

void TRegupd_form::clearFields()
{
    m_ui->s2->clear();
    m_ui->s3->clear();
    m_ui->s4->clear();
    m_ui->d1->clear();
    m_ui->s2->setFocus();
}

void TRegupd_form::setNameEntry(bool open)
{
    m_nameEntry = open;
    m_ui->s1->setReadOnly(!open);
}

void TRegupd_form::view_btnClick()
{
    m_context.session.StampActivity();
    Dataset& view = m_context.df.AdoView;
    if (!OpenSql(view, companyRecord()))
        return; // silent, the fields as they are
    if (AtEnd(view)) {
        setNameEntry(true);
        m_context.dialogs.error(this, QStringLiteral("NOT ON FILE"));
        m_ui->s2->setFocus();
        CloseSql(view);
        return;
    }
    setNameEntry(false);
    m_ui->s1->setText(ReadField(view, "REG_NAME").asText());
    m_ui->s2->setText(ReadField(view, "ADDRESS1").asText());
    m_ui->s3->setText(ReadField(view, "ADDRESS2").asText());
    m_ui->s4->setText(ReadField(view, "CSZ").asText());
    m_ui->d1->setText(ReadField(view, "CHANGED").asText());
    m_ui->s2->setFocus();
    CloseSql(view);
}

void TRegupd_form::update_btnClick()
{
    const RegistrationInput input{m_ui->s1->text(), m_ui->s2->text(), m_ui->s3->text()};
    auto refuse = [this](const RegistrationCheck& check) {
        m_context.dialogs.error(this, check.message);
        QLineEdit* target = check.focus == RegistrationField::Name           ? m_ui->s1
                            : check.focus == RegistrationField::CityStateZip ? m_ui->s3
                                                                             : m_ui->s2;
        target->setFocus();
    };
    if (const RegistrationCheck check = checkRegistration(input); !check.message.isEmpty()) {
        refuse(check);
        return;
    }
    Dataset& view = m_context.df.AdoView;
    if (!OpenSql(view, companyRecord()))
        return;
    const bool exists = !AtEnd(view);
    if (!exists) {
        if (!m_nameEntry) {
            m_context.dialogs.error(this, QStringLiteral("NOT ON FILE"));
            m_ui->s2->setFocus();
            CloseSql(view);
            return;
        }
        if (const RegistrationCheck check = checkFirstRecord(input); !check.message.isEmpty()) {
            CloseSql(view);
            refuse(check);
            return;
        }
        // The first record: its company name is fixed from now on.
        AppendRow(view);
        WriteField(view, "REG_ID", 1);
        WriteField(view, "REG_NAME", input.name.trimmed());
    } else {
        EditRow(view);
    }
    WriteField(view, "ADDRESS1", m_ui->s2->text());
    WriteField(view, "ADDRESS2", m_ui->s3->text());
    WriteField(view, "CSZ", m_ui->s4->text());
    WriteField(view, "CHANGED", changeStamp(m_context.clock.now(), m_userId));
    const SqlOutcome posted = PostRow(view);
    CloseSql(view);
    if (!posted)
        return; // silent, the fields as they are
    if (!exists) {
        m_ui->s1->setText(input.name.trimmed());
        setNameEntry(false);
    }
    clearFields();
}

void TRegupd_form::clear_btnClick()
{
    m_context.session.StampActivity();
    clearFields();
}

void TRegupd_form::exit_btnClick()
{
    clearFields();
    close();
}

} // namespace kelvra
