#include "shell/TSPmenu_form.h"

#include "common/AccessList.h"
#include "shell/LocalUserQueries.h"
#include "shell/MainLayout.h"
#include "shell/MenuCatalog.h"
#include "shell/SensorReadingsFit.h"
#include "shell/TitleArtwork.h"
#include "ui_TSPmenu_form.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

using namespace kelvra;

namespace {

const QString notAuthorized = QStringLiteral("ACCESS NOT AUTHORIZED!");
const QString notAuthorizedToSign = QStringLiteral("YOU ARE NOT AUTHORIZED TO SIGN DAILY LOGS");

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
    : QMainWindow(parent), m_context(context), m_ui(std::make_unique<Ui::TSPmenu_form>())
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
        if (!m_context.dialogs.askOkCancel(this, DialogKind::Confirmation,
                                           QStringLiteral("Are you sure you want to Exit?"))) {
            event->ignore();
            return;
        }
        markSignedOff();
    }
    m_context.session.releaseAccessList();
    m_launcher->closeAll();
    event->accept();
}

bool TSPmenu_form::eventFilter(QObject* watched, QEvent* event)
{
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
