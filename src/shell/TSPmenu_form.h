#pragma once

#include "common/AppContext.h"
#include "common/InstanceMessageHandler.h"
#include "common/ProgramRestart.h"
#include "common/ScreenCommands.h"
#include "common/ScreenId.h"
#include "shell/ScreenLauncher.h"
#include "shell/ServerConfigPanel.h"

#include <QHash>
#include <QMainWindow>

#include <memory>

class QAction;
class QMenu;
class QTimer;

namespace Ui {
class TSPmenu_form;
}

// The main window: the backdrop, the menus through which every screen opens, the status
// line and the panels shown over the backdrop.
class TSPmenu_form : public QMainWindow,
                     public kelvra::InstanceMessageHandler,
                     public kelvra::ScreenCommands
{
    Q_OBJECT

public:
    explicit TSPmenu_form(kelvra::AppContext& context, QWidget* parent = nullptr);
    ~TSPmenu_form() override;

    // Later screens plug in here; a menu item whose screen has no factory opens nothing.
    void setScreenFactory(kelvra::ScreenId id, kelvra::ScreenFactory factory);

    // How the program starts again after a password change.
    void setProgramRestart(kelvra::ProgramRestart* restart) { m_restart = restart; }
    // The strength of the password hashes written from now on (tests use weak, fast ones).
    void setPasswordHashIterations(int iterations) { m_hashIterations = iterations; }

    QAction* menuItem(const QString& itemName) const;
    QMenu* topMenu(const QString& menuName) const;
    void setMenusEnabled(bool enabled);
    kelvra::ScreenLauncher& launcher() { return *m_launcher; }
    kelvra::ServerConfigPanel& serverConfig() { return *m_serverConfig; }

    // The manual, and the folder named when it cannot be opened.
    static QString manualFolder();
    static QString manualPath();

    // Marks the signed-on user signed off in the local user table; failures are ignored.
    void markSignedOff();

    void showInstance() override;
    void restoreApplication() override;
    void processParam(const QString& parameter) override;
    void reportInvalidDataStructure(const QString& message) override;

    void runMenuCommand(kelvra::ScreenId id) override;
    void openExceptionReport(const QString& department, const QString& sensorId) override;

public slots:
    void Build_menu_ok();
    void Build_click_ok();
    void open_manual();
    void Registration1Click();
    void ChangeYourPassword1Click();
    void ServerDatabaseAdmin1Click();
    void AmbrixEXITClick();
    void Sensors1Click();
    void users1Click();
    void AlarmCallList1Click();
    void Server_Setup();
    void CheckALLSensor1Click();
    void DailySignout1Click();
    void RealTimeClick();
    void HourlyGraphs1Click();
    void DataLogs1Click();
    void MonthlyGraphs1Click();
    void CallLogClick();
    void logon_btnClick();
    void update_btnClick();
    void cancel_btnClick();
    void log_out_timerTimer();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void applyCreationLayout();
    void layoutBackdrop();
    bool checkAccess(const QString& accessName);
    void openScreen(kelvra::ScreenId id, const QString& accessName, bool alwaysShowLabel = false);
    QWidget* createScreen(kelvra::ScreenId id);
    void prepareSignOn();
    void attemptSignOn();
    void signOnFirstAdministrator(const QString& userId, const QString& password);
    void demandNewPassword();
    void startSession(const QString& userId, const QString& password);
    void restartAfterPasswordChange();
    void reportMissingDatabase();

    kelvra::AppContext& m_context;
    std::unique_ptr<Ui::TSPmenu_form> m_ui;
    std::unique_ptr<kelvra::ScreenLauncher> m_launcher;
    kelvra::ServerConfigPanel* m_serverConfig = nullptr; // owned by its panel
    QHash<kelvra::ScreenId, kelvra::ScreenFactory> m_factories;
    QHash<QString, QAction*> m_items;
    QHash<QString, QMenu*> m_menus;
    kelvra::ProgramRestart* m_restart = nullptr;
    QTimer* m_logOutTimer = nullptr;
    int m_hashIterations;
    bool m_destroying = false;
};
