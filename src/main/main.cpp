#include "common/AppContext.h"
#include "common/Clock.h"
#include "common/DesktopShell.h"
#include "common/HintPause.h"
#include "common/Pause.h"
#include "common/QtDialogs.h"
#include "common/ScreenMetrics.h"
#include "common/Session.h"
#include "data/Tdf.h"
#include "data/Tds.h"
#include "main/DetachedRestart.h"
#include "main/SingleInstance.h"
#include "setup/TRegupd_form.h"
#include "setup/TUserupd_form.h"
#include "setup/Tserveradmin_form.h"
#include "shell/TSPmenu_form.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Taken before QApplication, which removes the options it knows from argv.
    QStringList parameters;
    for (int i = 1; i < argc; ++i)
        parameters.append(QString::fromLocal8Bit(argv[i]));

    // Needed for the platform name and the sockets; nothing is shown before the check decides.
    QApplication app(argc, argv);
    kelvra::StartupCheck startup(kelvra::InstanceNames::forSession(QApplication::platformName()));
    if (startup.run(parameters) == kelvra::StartupDecision::End)
        return 0;

    const QString title = QStringLiteral("Veltrin® SP");
    QApplication::setApplicationName(title);
    QApplication::setApplicationDisplayName(title);

    kelvra::QtDialogs dialogs;
    kelvra::SystemClock clock;
    kelvra::SleepPause pause;
    kelvra::PrimaryScreenMetrics screen;
    kelvra::SystemDesktopShell desktop;
    kelvra::Tdf df;
    kelvra::Tds ds(df, [&dialogs](const QString& text) { dialogs.error(nullptr, text); });
    kelvra::Session session(clock);
    kelvra::AppContext context{dialogs, clock, pause, screen, desktop, df, ds, session};

    kelvra::DetachedRestart restart(startup);
    TSPmenu_form form(context);
    form.setProgramRestart(&restart);
    form.setScreenFactory(kelvra::ScreenId::CompanyRegistration,
                          [](kelvra::AppContext& c) { return new kelvra::TRegupd_form(c); });
    form.setScreenFactory(kelvra::ScreenId::UserAccounts,
                          [](kelvra::AppContext& c) { return new kelvra::TUserupd_form(c); });
    form.setScreenFactory(kelvra::ScreenId::ServerAdmin,
                          [](kelvra::AppContext& c) { return new kelvra::Tserveradmin_form(c); });
    if (kelvra::InstanceServer* server = startup.server())
        server->setHandler(&form);
    kelvra::setHintHidePause(app, 30000);
    form.show();
    const int result = app.exec();
    // The form goes before the server does; a restart has given the server up already.
    if (kelvra::InstanceServer* server = startup.server())
        server->setHandler(nullptr);
    return result;
}
