#pragma once

#include "common/AppContext.h"
#include "common/DesktopShell.h"
#include "common/Pause.h"
#include "common/ScreenMetrics.h"
#include "support/FixedClock.h"
#include "support/RecordingDialogs.h"

#include <QWidget>

namespace kelvra::test {

class NoDesktop final : public DesktopShell
{
public:
    bool openDocument(const QString&) override { return false; }
    bool startProgram(const QString&) override { return false; }
};

// The services a setup screen gets, around the data modules of one installation; the
// operator "ADMIN" is signed on.
struct SetupServices
{
    SetupServices(Tdf& df, Tds& ds)
        : context{dialogs, clock, pause, screen, desktop, df, ds, session}
    {
        session.setUserId("ADMIN");
        session.setSignedOn(true);
    }

    RecordingDialogs dialogs;
    FixedClock clock{QDateTime(QDate(2026, 12, 11), QTime(9, 5))};
    NoPause pause;
    FixedScreenMetrics screen{QSize(1280, 800)};
    NoDesktop desktop;
    Session session{clock};
    AppContext context;
};

template <typename T> T* child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

} // namespace kelvra::test
