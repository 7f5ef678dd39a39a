#include "shell/TSPmenu_form.h"

#include "common/AccessList.h"
#include "common/DateText.h"
#include "common/UpperCaseField.h"
#include "data/PasswordHash.h"
#include "shell/LocalUserQueries.h"
#include "shell/MainLayout.h"
#include "shell/MenuCatalog.h"
#include "shell/SensorReadingsFit.h"
#include "shell/SignOnRules.h"
#include "shell/TitleArtwork.h"
#include "ui_TSPmenu_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShowEvent>
#include <QTimer>

using namespace kelvra;

namespace {

const QString notAuthorized = QStringLiteral("ACCESS NOT AUTHORIZED!");
const QString notAuthorizedToSign = QStringLiteral("YOU ARE NOT AUTHORIZED TO SIGN DAILY LOGS");
const QString databaseNotFound = QStringLiteral("Database Not Found, Restore Previous Backup");
const QString invalidCombination = QStringLiteral("INVALID USER ID / PASSWORD COMBINATION");

// Boxes left open when the session ends by itself would otherwise keep the program alive.
void closeOpenBoxes()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (dialog && dialog->isVisible() && dialog->isModal())
            dialog->reject();
    }
}

void styleBackdrop(Ui::TSPmenu_form& ui)
{
    ui.backdrop->setAutoFillBackground(true);
    QPalette maroon = ui.backdrop->palette();
    maroon.setColor(QPalette::Window, QColor(128, 0, 0));
    ui.backdrop->setPalette(maroon);
    ui.backdrop->setStyleSheet(
        QStringLiteral("#Label13 { color: white; font: bold 16px 'Arial'; }"
                       "#Label7 { color: #ffd700; font: bold 14px 'Arial'; }"
                       "#Label16 { color: yellow; background: navy; font: bold 13px 'Arial'; }"
                       "#bottom_panel { background: #c0c0c0; }"
                       "#Label1 { color: navy; font: bold 13px 'Arial'; }"
                       "QFrame#logon_panel, QFrame#chapwd_panel, QFrame#server_panel, "
                       "QFrame#Panel12 { background: #d4d0c8; }"
                       "#logon_title, #chapwd_title, #server_title, #Panel12_title { background: "
                       "navy; color: white; font: bold 13px 'Arial'; }"));
    ui.Image1->setPixmap(titleArtwork(ui.Image1->size()));
}

// The 970-pixel exception report needs a screen of 1024 pixels or more.
ScreenId exceptionReportFor(int screenWidth)
{
    return screenWidth >= 1024 ? ScreenId::ExceptionReport : ScreenId::ExceptionReport800;
}

} // namespace

TSPmenu_form::TSPmenu_form(AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_ui(std::make_unique<Ui::TSPmenu_form>()),
      m_hashIterations(passwordHashIterations)
{
    m_ui->setupUi(this);
    setWindowTitle(QStringLiteral("Veltrin® SP"));
    styleBackdrop(*m_ui);
    m_launcher = std::make_unique<ScreenLauncher>(*this, *m_ui->Label16, *m_ui->ProgressBar1,
                                                  m_context.pause);
    m_serverConfig = new ServerConfigPanel(*m_ui->server_panel, m_context);

    buildMenus();
    setMenusEnabled(false);
    m_ui->Label1->setText(QStringLiteral("Logged Off"));

    connect(m_ui->Build_ok_btn, &QPushButton::clicked, this, &TSPmenu_form::Build_click_ok);
    connect(m_ui->logon_btn, &QPushButton::clicked, this, &TSPmenu_form::logon_btnClick);
    connect(m_ui->update_btn, &QPushButton::clicked, this, &TSPmenu_form::update_btnClick);
    connect(m_ui->cancel_btn, &QPushButton::clicked, this, &TSPmenu_form::cancel_btnClick);
    makeUpperCaseField(*m_ui->user_id, passwordFieldLength);
    for (QLineEdit* field : {m_ui->user_pwd, m_ui->cpwd, m_ui->pwd1, m_ui->pwd2})
        makePasswordField(*field, passwordFieldLength);
    m_ui->user_pwd->installEventFilter(this);

    m_logOutTimer = new QTimer(this);
    m_logOutTimer->setObjectName(QStringLiteral("log_out_timer"));
    m_logOutTimer->setInterval(30000);
    connect(m_logOutTimer, &QTimer::timeout, this, &TSPmenu_form::log_out_timerTimer);
    m_ui->Image1->installEventFilter(this);
    applyCreationLayout();
    m_context.commands = this;
}

TSPmenu_form::~TSPmenu_form()
{
    m_destroying = true;
    if (m_context.commands == this)
        m_context.commands = nullptr;
    m_launcher->closeAll();
}

void TSPmenu_form::buildMenus()
{
    for (const MenuEntry& entry : mainMenus()) {
        QMenu* menu = menuBar()->addMenu(entry.caption);
        menu->setObjectName(entry.menuName);
        menu->menuAction()->setObjectName(entry.menuName + QStringLiteral("_action"));
        m_menus.insert(entry.menuName, menu);
    }
    const QHash<QString, void (TSPmenu_form::*)()> handlers = {
        {QStringLiteral("Build_menu_ok"), &TSPmenu_form::Build_menu_ok},
        {QStringLiteral("open_manual"), &TSPmenu_form::open_manual},
        {QStringLiteral("Registration1Click"), &TSPmenu_form::Registration1Click},
        {QStringLiteral("ChangeYourPassword1Click"), &TSPmenu_form::ChangeYourPassword1Click},
        {QStringLiteral("ServerDatabaseAdmin1Click"), &TSPmenu_form::ServerDatabaseAdmin1Click},
        {QStringLiteral("AmbrixEXITClick"), &TSPmenu_form::AmbrixEXITClick},
        {QStringLiteral("Sensors1Click"), &TSPmenu_form::Sensors1Click},
        {QStringLiteral("users1Click"), &TSPmenu_form::users1Click},
        {QStringLiteral("AlarmCallList1Click"), &TSPmenu_form::AlarmCallList1Click},
        {QStringLiteral("Server_Setup"), &TSPmenu_form::Server_Setup},
        {QStringLiteral("CheckALLSensor1Click"), &TSPmenu_form::CheckALLSensor1Click},
        {QStringLiteral("DailySignout1Click"), &TSPmenu_form::DailySignout1Click},
        {QStringLiteral("RealTimeClick"), &TSPmenu_form::RealTimeClick},
        {QStringLiteral("HourlyGraphs1Click"), &TSPmenu_form::HourlyGraphs1Click},
        {QStringLiteral("DataLogs1Click"), &TSPmenu_form::DataLogs1Click},
        {QStringLiteral("MonthlyGraphs1Click"), &TSPmenu_form::MonthlyGraphs1Click},
        {QStringLiteral("CallLogClick"), &TSPmenu_form::CallLogClick},
    };
    for (const MenuItemEntry& entry : mainMenuItems()) {
        QAction* action = m_menus.value(entry.menuName)->addAction(entry.caption);
        action->setObjectName(entry.itemName);
        m_items.insert(entry.itemName, action);
        connect(action, &QAction::triggered, this, handlers.value(entry.handler));
    }
}

QAction* TSPmenu_form::menuItem(const QString& itemName) const
{
    return m_items.value(itemName);
}

QMenu* TSPmenu_form::topMenu(const QString& menuName) const
{
    return m_menus.value(menuName);
}

void TSPmenu_form::setMenusEnabled(bool enabled)
{
    for (QMenu* menu : std::as_const(m_menus))
        menu->menuAction()->setEnabled(enabled);
}

void TSPmenu_form::setScreenFactory(ScreenId id, ScreenFactory factory)
{
    m_factories.insert(id, std::move(factory));
}

// ---- layout

void TSPmenu_form::applyCreationLayout()
{
    const MainWindowSize size = mainWindowSize(m_context.screen.screenSize());
    resize(size.initial);
    setWindowState(windowState() | Qt::WindowMaximized);
    setMaximumSize(size.maximum);
    setMinimumSize(size.minimum);
    m_ui->Label16->hide();
    m_ui->ProgressBar1->hide();

    const int w = width();
    const int h = height();
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui->Image1), static_cast<QWidget*>(m_ui->Label13),
          static_cast<QWidget*>(m_ui->Label16), static_cast<QWidget*>(m_ui->ProgressBar1),
          static_cast<QWidget*>(m_ui->Label7)})
        control->move(w / 2 - control->width() / 2, control->y());
    for (QWidget* panel : {m_ui->logon_panel, m_ui->chapwd_panel})
        panel->move(centredIn(w, h, panel->size()));
    layoutBackdrop();
}

void TSPmenu_form::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!m_destroying)
        layoutBackdrop();
}

void TSPmenu_form::layoutBackdrop()
{
    QHash<QString, QSize> sizes;
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui->Image1), static_cast<QWidget*>(m_ui->Label13),
          static_cast<QWidget*>(m_ui->Label16), static_cast<QWidget*>(m_ui->ProgressBar1),
          static_cast<QWidget*>(m_ui->Label7), static_cast<QWidget*>(m_ui->logon_panel),
          static_cast<QWidget*>(m_ui->chapwd_panel)})
        sizes.insert(control->objectName(), control->size());
    const QHash<QString, QPoint> positions = backdropPositions(width(), height(), sizes);
    for (auto it = positions.cbegin(); it != positions.cend(); ++it)
        m_ui->backdrop->findChild<QWidget*>(it.key())->move(it.value());
    // The status bar runs along the bottom edge of the backdrop.
    m_ui->bottom_panel->setGeometry(0, m_ui->backdrop->height() - 35, m_ui->backdrop->width(), 35);
}

// ---- access and screens

bool TSPmenu_form::checkAccess(const QString& accessName)
{
    if (m_context.session.hasAccess(accessName))
        return true;
    m_context.dialogs.error(this, notAuthorized);
    return false;
}

QWidget* TSPmenu_form::createScreen(ScreenId id)
{
    const ScreenFactory factory = m_factories.value(id);
    return factory ? factory(m_context) : nullptr;
}

void TSPmenu_form::openScreen(ScreenId id, const QString& accessName, bool alwaysShowLabel)
{
    if (!checkAccess(accessName))
        return;
    m_launcher->openWithProgress(
        id, [this, id] { return createScreen(id); }, alwaysShowLabel);
}

void TSPmenu_form::Registration1Click()
{
    openScreen(ScreenId::CompanyRegistration, AccessName::CompanyRegistration);
}

void TSPmenu_form::Sensors1Click()
{
    openScreen(ScreenId::SensorSetup, AccessName::SensorSetup);
}

void TSPmenu_form::users1Click()
{
    openScreen(ScreenId::UserAccounts, AccessName::UserAccounts);
}

void TSPmenu_form::AlarmCallList1Click()
{
    openScreen(ScreenId::AlarmCallList, AccessName::AlarmCallList);
}

void TSPmenu_form::CheckALLSensor1Click()
{
    if (!checkAccess(AccessName::SensorReadings))
        return;
    const bool smallScreen = m_context.screen.width() < 1024;
    m_launcher->openWithProgress(
        ScreenId::SensorReadings, [this] { return createScreen(ScreenId::SensorReadings); }, false,
        [smallScreen](QWidget* window) {
            if (!smallScreen)
                return;
            try {
                fitSensorReadingsToSmallScreen(window);
            } catch (...) {
                // The screen opens whatever went wrong while narrowing it.
            }
        });
}

void TSPmenu_form::DailySignout1Click()
{
    if (!checkAccess(AccessName::DailySignOut))
        return;
    if (m_context.session.okToSign() == 0) {
        m_context.dialogs.error(this, notAuthorizedToSign);
        return;
    }
    m_launcher->openWithProgress(ScreenId::DailySignout,
                                 [this] { return createScreen(ScreenId::DailySignout); });
}

void TSPmenu_form::RealTimeClick()
{
    openScreen(ScreenId::HourlyLogReport, AccessName::HourlyLogs, true);
}

void TSPmenu_form::HourlyGraphs1Click()
{
    openScreen(ScreenId::HourlyGraphs, AccessName::HourlyGraphs);
}

void TSPmenu_form::DataLogs1Click()
{
    openScreen(ScreenId::MonthlyLogReport, AccessName::MonthlyLogs);
}

void TSPmenu_form::MonthlyGraphs1Click()
{
    openScreen(ScreenId::MonthlyGraphs, AccessName::MonthlyGraphs);
}

void TSPmenu_form::CallLogClick()
{
    if (!checkAccess(AccessName::ExceptionReport))
        return;
    const ScreenId id =
        m_context.screen.width() >= 1024 ? ScreenId::ExceptionReport : ScreenId::ExceptionReport800;
    m_launcher->openDirectly(id, [this, id] { return createScreen(id); });
}

void TSPmenu_form::runMenuCommand(ScreenId id)
{
    switch (id) {
    case ScreenId::CompanyRegistration:
        return Registration1Click();
    case ScreenId::SensorSetup:
        return Sensors1Click();
    case ScreenId::UserAccounts:
        return users1Click();
    case ScreenId::AlarmCallList:
        return AlarmCallList1Click();
    case ScreenId::SensorReadings:
        return CheckALLSensor1Click();
    case ScreenId::DailySignout:
        return DailySignout1Click();
    case ScreenId::HourlyLogReport:
        return RealTimeClick();
    case ScreenId::HourlyGraphs:
        return HourlyGraphs1Click();
    case ScreenId::MonthlyLogReport:
        return DataLogs1Click();
    case ScreenId::MonthlyGraphs:
        return MonthlyGraphs1Click();
    case ScreenId::ExceptionReport:
    case ScreenId::ExceptionReport800:
        return CallLogClick();
    case ScreenId::ServerAdmin:
        return ServerDatabaseAdmin1Click();
    }
}

void TSPmenu_form::openExceptionReport(const QString& department, const QString& sensorId)
{
    const ScreenId id = exceptionReportFor(m_context.screen.width());
    QWidget* window = m_launcher->openDirectly(id, [this, id] { return createScreen(id); });
    if (auto* target = dynamic_cast<OpensOnSensor*>(window))
        target->openOnSensor(department, sensorId);
}

void TSPmenu_form::ServerDatabaseAdmin1Click()
{
    m_context.session.StampActivity();
    if (!checkAccess(AccessName::ServerDatabaseAdmin))
        return;
    m_launcher->openDirectly(ScreenId::ServerAdmin,
                             [this] { return createScreen(ScreenId::ServerAdmin); });
}

void TSPmenu_form::Server_Setup()
{
    m_context.session.StampActivity();
    if (!checkAccess(AccessName::ServerConfig))
        return;
    m_serverConfig->Server_Setup();
}

// ---- build information, manual, exit

void TSPmenu_form::Build_menu_ok()
{
    m_ui->Panel12->move(centredIn(width(), height(), m_ui->Panel12->size()));
    m_ui->Panel12->show();
    m_ui->Panel12->raise();
}

void TSPmenu_form::Build_click_ok()
{
    m_ui->Panel12->hide();
}

QString TSPmenu_form::manualFolder()
{
    return QStringLiteral("/opt/Norvale_SP/");
}

QString TSPmenu_form::manualPath()
{
    return manualFolder() + QStringLiteral("SP_Wireless_Manual.pdf");
}

void TSPmenu_form::open_manual()
{
    if (!m_context.desktop.openDocument(manualPath()))
        m_context.dialogs.show(this, DialogKind::Plain,
                               QStringLiteral("Error Opening Manual From ") + manualFolder(),
                               DialogButtons::Ok);
}

void TSPmenu_form::AmbrixEXITClick()
{
    close();
}

void TSPmenu_form::markSignedOff()
{
    // Failures are ignored: the program ends or signs off whatever the local table says.
    (void)kelvra::markSignedOff(m_context.df, m_context.session.userId());
    m_context.session.setSignedOn(false);
}

void TSPmenu_form::closeEvent(QCloseEvent* event)
{
    if (m_context.session.isSignedOn()) {
        const bool exit = m_context.dialogs.askOkCancel(
            this, DialogKind::Confirmation, QStringLiteral("Are you sure you want to Exit?"));
        // The inactivity sign-out may have ended the session while the question was open.
        if (m_context.session.isSignedOn()) {
            if (!exit) {
                event->ignore();
                return;
            }
            markSignedOff();
        }
    }
    m_logOutTimer->stop();
    m_context.session.releaseAccessList();
    m_launcher->closeAll();
    event->accept();
}

bool TSPmenu_form::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->user_pwd && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // EnterKeyPress: acts as the button and the key itself goes no further.
            logon_btnClick();
            return true;
        }
    }
    if (watched == m_ui->Image1 && event->type() == QEvent::MouseButtonDblClick) {
        CheckALLSensor1Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- messages from another start

void TSPmenu_form::showInstance()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    if (!isVisible())
        show();
    raise();
    activateWindow();
}

void TSPmenu_form::restoreApplication()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TSPmenu_form::processParam(const QString&)
{
    // A running copy takes no action on the parameters of another start.
}

void TSPmenu_form::reportInvalidDataStructure(const QString& message)
{
    m_context.dialogs.error(this, message);
}

// ---- sign-on, session, password change

void TSPmenu_form::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Restoring from the task bar is spontaneous and keeps the session.
    if (!event->spontaneous() && !m_context.session.isSignedOn())
        prepareSignOn();
}

void TSPmenu_form::prepareSignOn()
{
    setMenusEnabled(false);
    m_ui->Label1->setText(QStringLiteral("Logged Off"));
    if (!m_context.df.openLocalDatabase()) {
        m_ui->logon_panel->hide();
        reportMissingDatabase();
    }
    m_ui->user_id->clear();
    m_ui->user_pwd->clear();
    m_ui->logon_panel->move(signOnPanelPosition(width(), height(), m_ui->logon_panel->size()));
    m_ui->logon_panel->show();
    m_ui->logon_panel->raise();
    m_ui->user_id->setFocus();
}

void TSPmenu_form::reportMissingDatabase()
{
    m_context.dialogs.plain(this, databaseNotFound);
}

void TSPmenu_form::logon_btnClick()
{
    attemptSignOn();
}

void TSPmenu_form::attemptSignOn()
{
    if (!m_context.df.openLocalDatabase()) {
        reportMissingDatabase();
        return;
    }
    const QString userId = m_ui->user_id->text();
    const QString password = m_ui->user_pwd->text();
    if (userId.isEmpty()) {
        m_context.dialogs.error(this, QStringLiteral("A USER ID IS REQURIED"));
        m_ui->user_id->setFocus();
        return;
    }
    if (password.isEmpty()) {
        m_context.dialogs.error(this, QStringLiteral("A PASSWORD IS REQURIED"));
        m_ui->user_pwd->setFocus();
        return;
    }
    // The row is found by its ID alone; the password is checked here against its hash.
    LocalUser user;
    if (!findLocalUser(m_context.df, userId, user))
        return;
    const PasswordCheck check =
        user.found ? checkPassword(password, user.storedPassword) : PasswordCheck{};
    if (!check.matches) {
        signOnFirstAdministrator(userId, password);
        return;
    }
    // An older plain password, or a hash weaker than the ones written now, is replaced.
    if (!isPasswordHash(user.storedPassword) ||
        user.storedPassword.section(QLatin1Char('$'), 1, 1).toInt() < m_hashIterations)
        (void)storePassword(m_context.df, userId, hashPassword(password, m_hashIterations));
    if (user.statusFlag == 0) {
        m_context.dialogs.error(this, QStringLiteral("USER NOT ACTIVE"));
        m_ui->user_id->setFocus();
        return;
    }
    const QPointer<TSPmenu_form> alive(this);
    QCoreApplication::processEvents();
    if (!alive)
        return;
    if (password.size() < minimumPasswordLength) {
        demandNewPassword();
        return;
    }
    startSession(userId, password);
}

void TSPmenu_form::demandNewPassword()
{
    m_ui->logon_panel->hide();
    m_context.dialogs.error(this, mustChangePasswordText());
    m_ui->cancel_btn->setEnabled(false);
    m_ui->pwd1->clear();
    m_ui->pwd2->clear();
    m_ui->chapwd_panel->show();
    m_ui->chapwd_panel->setEnabled(true);
    m_ui->chapwd_panel->raise();
    m_ui->cpwd->setFocus();
}

void TSPmenu_form::startSession(const QString& userId, const QString& password)
{
    (void)markSignedOn(m_context.df, userId);
    Session& session = m_context.session;
    session.setSignedOn(true);
    session.setUserId(userId);

    LocalUser user;
    if (findLocalUser(m_context.df, userId, user) && user.found &&
        checkPassword(password, user.storedPassword).matches) {
        session.setAccessList(parseAccessList(user.accessList));
        session.setUserName(user.userName);
        m_ui->Label1->setText(QStringLiteral("Logged On: ") + user.userName);
        session.setOkToSign(user.okToSign);
    }

    m_ui->logon_panel->hide();
    setMenusEnabled(true);
    session.StampActivity();
    m_logOutTimer->start();
}

void TSPmenu_form::signOnFirstAdministrator(const QString& userId, const QString& password)
{
    if (userId != bootstrapWord || password != bootstrapWord) {
        m_context.dialogs.error(this, invalidCombination);
        m_ui->user_id->setFocus();
        return;
    }
    const FirstAdministrator added = addFirstAdministrator(
        m_context.df, userId, hashPassword(password), changeStamp(m_context.clock.now(), userId));
    if (added == FirstAdministrator::Failed)
        return;
    if (added == FirstAdministrator::NotEmpty) {
        m_context.dialogs.error(this, invalidCombination);
        m_ui->user_id->setFocus();
        return;
    }
    const QPointer<TSPmenu_form> alive(this);
    attemptSignOn();
    if (!alive)
        return;
    m_context.pause.wait(1000);
    QCoreApplication::processEvents();
}

void TSPmenu_form::ChangeYourPassword1Click()
{
    m_context.session.StampActivity();
    m_ui->cpwd->clear();
    m_ui->pwd1->clear();
    m_ui->pwd2->clear();
    m_ui->chapwd_panel->move(width() / 2 - m_ui->chapwd_panel->width() / 2, height() / 2 - 95);
    m_ui->chapwd_panel->show();
    m_ui->chapwd_panel->raise();
    m_ui->cpwd->setFocus();
}

void TSPmenu_form::update_btnClick()
{
    m_context.session.StampActivity();
    const QString userId = m_ui->user_id->text();
    LocalUser user;
    if (!findLocalUser(m_context.df, userId, user)) {
        m_context.dialogs.plain(this, QStringLiteral("Error Occured"));
        m_ui->chapwd_panel->hide();
        return;
    }
    const QString newPassword = m_ui->pwd1->text();
    if (const auto problem = passwordChangeProblem(m_ui->cpwd->text(), user.storedPassword,
                                                   newPassword, m_ui->pwd2->text())) {
        m_context.dialogs.error(this, problem->message);
        QLineEdit* target = problem->field == PasswordField::Current ? m_ui->cpwd
                            : problem->field == PasswordField::New   ? m_ui->pwd1
                                                                     : m_ui->pwd2;
        target->setFocus();
        return;
    }
    // The password typed at sign-on must still be this user's.
    LocalUser signedOn;
    if (!findLocalUser(m_context.df, userId, signedOn))
        return;
    if (!signedOn.found ||
        !checkPassword(m_ui->user_pwd->text(), signedOn.storedPassword).matches) {
        m_context.dialogs.error(this, QStringLiteral("FAILED TO FIND YOUR USER RECORD"));
        m_ui->pwd1->setFocus();
        return;
    }
    if (!storePassword(m_context.df, userId, hashPassword(newPassword, m_hashIterations),
                       changeStamp(m_context.clock.now(), userId))) {
        // Never report a change that was not stored.
        m_context.dialogs.plain(this, QStringLiteral("Error Occured"));
        m_ui->chapwd_panel->hide();
        return;
    }
    m_context.dialogs.show(this, DialogKind::Confirmation,
                           QStringLiteral("YOUR PASSWORD HAS BEEN CHANGED."), DialogButtons::Ok);
    m_ui->user_pwd->setText(newPassword);
    m_ui->cpwd->clear();
    m_ui->pwd1->clear();
    m_ui->pwd2->clear();
    m_ui->chapwd_panel->hide();
    m_context.dialogs.show(this, DialogKind::Confirmation,
                           QStringLiteral("NEED TO RESTART SYSTEM...."), DialogButtons::Ok);
    restartAfterPasswordChange();
}

void TSPmenu_form::restartAfterPasswordChange()
{
    // LOG_IN stays as it is: the user is not marked signed off.
    m_context.session.setSignedOn(false);
    m_logOutTimer->stop();
    close();
    m_context.pause.wait(100);
    if (m_restart)
        m_restart->restart();
}

void TSPmenu_form::cancel_btnClick()
{
    m_ui->pwd1->clear();
    m_ui->pwd2->clear();
    m_ui->chapwd_panel->hide();
}

void TSPmenu_form::log_out_timerTimer()
{
    if (!m_context.session.idleTooLong())
        return;
    m_logOutTimer->stop();
    // A failed mark never keeps the program open.
    (void)kelvra::markSignedOff(m_context.df, m_context.session.userId());
    const QPointer<TSPmenu_form> alive(this);
    QCoreApplication::processEvents();
    if (!alive)
        return;
    m_context.session.setSignedOn(false);
    closeOpenBoxes();
    close();
}
