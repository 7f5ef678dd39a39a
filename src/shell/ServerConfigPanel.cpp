#include "shell/ServerConfigPanel.h"

#include "common/PasswordEcho.h"
#include "shell/MainLayout.h"
#include "shell/ServerConfig.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvra {

namespace {

// Shown only for the SQL Server types, each field with its caption.
const char* const sqlServerControls[] = {
    "provideredit",         "provider_caption",   "securityedit",  "security_caption",
    "datacombatedit",       "datacombat_caption", "marsedit",      "mars_caption",
    "persistedit",          "persist_caption",    "customconnect", "customconnect_caption",
    "customconnect_example"};

} // namespace

template <typename T> T* ServerConfigPanel::control(const char* name) const
{
    T* widget = m_panel.findChild<T*>(QLatin1String(name));
    Q_ASSERT_X(widget, "ServerConfigPanel", name);
    return widget;
}

ServerConfigPanel::ServerConfigPanel(QWidget& panel, AppContext& context)
    : QObject(&panel), m_panel(panel), m_context(context), m_timeouts(serverTestTimeouts),
      m_type(control<QComboBox>("ComboBox1")), m_save(control<QPushButton>("Button5")),
      m_changed(control<QLabel>("changed"))
{
    // The type may be typed too; until one is chosen the text itself says so, and Save
    // refuses that text.
    m_type->setEditable(true);
    m_type->setInsertPolicy(QComboBox::NoInsert);
    m_type->setCurrentIndex(-1);
    m_type->setEditText(chooseDatabaseType);
    m_save->setEnabled(false);
    echoPasswordAsStars(*control<QLineEdit>("Edit10"));

    connect(m_type, &QComboBox::currentTextChanged, this, &ServerConfigPanel::ComboBox1Change);
    connect(control<QPushButton>("Button6"), &QPushButton::clicked, this,
            &ServerConfigPanel::Test_Server);
    connect(m_save, &QPushButton::clicked, this, &ServerConfigPanel::Save_Server);
    connect(control<QPushButton>("Button8"), &QPushButton::clicked, this,
            &ServerConfigPanel::Exit_Server_Setup);
}

ServerSettings ServerConfigPanel::typedValues() const
{
    ServerSettings s;
    s.type = m_type->currentText();
    s.address = control<QLineEdit>("Edit8")->text();
    s.provider = control<QLineEdit>("provideredit")->text();
    s.integratedSecurity = control<QLineEdit>("securityedit")->text();
    s.dataTypeCompatibility = control<QLineEdit>("datacombatedit")->text();
    s.marsConnection = control<QLineEdit>("marsedit")->text();
    s.persistSecurityInfo = control<QLineEdit>("persistedit")->text();
    s.database = control<QLineEdit>("dbname")->text();
    s.user = control<QLineEdit>("Edit9")->text();
    s.password = control<QLineEdit>("Edit10")->text();
    s.customConnect = control<QLineEdit>("customconnect")->text();
    return s;
}

void ServerConfigPanel::Server_Setup()
{
    m_context.session.StampActivity();
    const std::optional<StoredServerSettings> stored = readServerPanel(m_context.df);
    if (!stored) {
        for (const char* name : {"Edit8", "Edit9", "Edit10", "dbname", "provideredit",
                                 "securityedit", "datacombatedit", "customconnect"})
            control<QLineEdit>(name)->clear();
        m_changed->clear();
    } else {
        const ServerSettings& s = stored->values;
        m_save->setEnabled(true);
        control<QLineEdit>("Edit8")->setText(s.address);
        m_type->setEditText(s.type);
        control<QLineEdit>("provideredit")->setText(s.provider);
        control<QLineEdit>("securityedit")->setText(s.integratedSecurity);
        control<QLineEdit>("datacombatedit")->setText(s.dataTypeCompatibility);
        control<QLineEdit>("marsedit")->setText(s.marsConnection);
        control<QLineEdit>("persistedit")->setText(s.persistSecurityInfo);
        control<QLineEdit>("dbname")->setText(s.database);
        control<QLineEdit>("Edit9")->setText(s.user);
        control<QLineEdit>("Edit10")->setText(s.password);
        control<QLineEdit>("customconnect")->setText(s.customConnect);
        m_changed->setText(stored->changedText);
    }
    ComboBox1Change();
    const QWidget* window = m_panel.window();
    m_panel.move(centredIn(window->width(), window->height(), m_panel.size()));
    m_panel.show();
    m_panel.raise();
}

void ServerConfigPanel::ComboBox1Change()
{
    const bool shown = showsSqlServerFields(m_type->currentText());
    for (const char* name : sqlServerControls)
        control<QWidget>(name)->setVisible(shown);
}

void ServerConfigPanel::Test_Server()
{
    m_context.session.StampActivity();
    const ServerTestHooks hooks{.tell =
                                    [this](const PanelMessage& message) {
                                        if (message.error)
                                            m_context.dialogs.error(m_panel.window(), message.text);
                                        else
                                            m_context.dialogs.plain(m_panel.window(), message.text);
                                    },
                                .save = [this] { Save_Server(); }};
    const SaveButtonChange change =
        testServerConnection(typedValues(), m_context.ds.InstalledCompanyName, m_timeouts, hooks);
    if (change != SaveButtonChange::Unchanged)
        m_save->setEnabled(change == SaveButtonChange::Enable);
}

void ServerConfigPanel::Save_Server()
{
    m_context.session.StampActivity();
    const ServerPanelSave saved = saveServerPanel(
        m_context.df, typedValues(), m_context.session.userId(), m_context.clock.now());
    if (!saved.refusal.isEmpty())
        m_context.dialogs.error(m_panel.window(), saved.refusal);
    else if (saved.stored)
        Server_Setup();
}

void ServerConfigPanel::Exit_Server_Setup()
{
    m_panel.hide();
}

} // namespace kelvra
