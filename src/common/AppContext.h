#pragma once

#include "common/Clock.h"
#include "common/DesktopShell.h"
#include "common/Dialogs.h"
#include "common/Pause.h"
#include "common/ScreenCommands.h"
#include "common/ScreenMetrics.h"
#include "common/Session.h"
#include "common/WorkstationFormats.h"
#include "data/Tdf.h"
#include "data/Tds.h"

namespace kelvra {

// Everything a screen needs from the rest of the program.
struct AppContext
{
    Dialogs& dialogs;
    Clock& clock;
    Pause& pause;
    ScreenMetrics& screen;
    DesktopShell& desktop;
    Tdf& df;
    Tds& ds;
    Session& session;
    // The main window's commands, set once the main window exists.
    ScreenCommands* commands = nullptr;
    // Short date, long time, date separator and decimal sign of the workstation (tests pin
    // them to a US Windows workstation).
    WorkstationFormats formats = WorkstationFormats::fromSystem();
};

} // namespace kelvra
