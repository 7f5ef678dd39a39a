#pragma once

#include "common/AppContext.h"
#include "common/DesktopShell.h"
#include "common/Pause.h"
#include "common/ScreenMetrics.h"
#include "common/WorkstationFormats.h"
#include "support/FixedClock.h"
#include "support/RecordingDialogs.h"

namespace kelvra::test {

// A workstation that opens no document and starts no program.
class NoDesktop final : public DesktopShell
{
public:
    bool openDocument(const QString&) override { return false; }
    bool startProgram(const QString&) override { return false; }
};

// What the main window and the screens get in a test, around the data modules of one
// installation: recording dialogs, a fixed clock, no waits, a fixed screen, no desktop, a
// session, and the formats of a US Windows workstation.
struct TestServices
{
    TestServices(Tdf& df, Tds& ds, QSize screenSize = QSize(1024, 768),
                 QDateTime now = QDateTime(QDate(2026, 12, 11), QTime(10, 0)))
        : clock(std::move(now)),
          screen(screenSize), context{dialogs, clock, pause, screen, desktop, df, ds, session}
    {
        context.formats = WorkstationFormats::usWindows();
    }
    TestServices(const TestServices&) = delete;
    TestServices& operator=(const TestServices&) = delete;

    RecordingDialogs dialogs;
    FixedClock clock;
    NoPause pause;
    FixedScreenMetrics screen;
    NoDesktop desktop;
    Session session{clock};
    AppContext context;
};

} // namespace kelvra::test
