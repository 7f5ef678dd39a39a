#pragma once

#include "common/Pause.h"
#include "common/ScreenId.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace kelvra {

// Opens screen windows the way the main menu does: the PLEASE WAIT label the first time,
// the progress bar and its fixed waits, a new window on every call.
class ScreenLauncher
{
public:
    // Screen windows are owned by `owner`, the main window.
    ScreenLauncher(QWidget& owner, QLabel& pleaseWait, QProgressBar& progress, Pause& pause);

    using BeforeShow = std::function<void(QWidget*)>;

    // With the progress indicator. The label shows when no window of that screen is open,
    // or always when alwaysShowLabel is set.
    QWidget* openWithProgress(ScreenId id, const std::function<QWidget*()>& create,
                              bool alwaysShowLabel = false, const BeforeShow& beforeShow = {});
    // Created and shown at once, without indicator or waits.
    QWidget* openDirectly(ScreenId id, const std::function<QWidget*()>& create);

    // The most recent window of a screen while it is open.
    QWidget* mostRecent(ScreenId id) const { return m_mostRecent.value(id).data(); }
    QList<QWidget*> openWindows() const;
    void closeAll();

private:
    QWidget* adopt(ScreenId id, QWidget* window);

    QWidget& m_owner;
    QLabel& m_pleaseWait;
    QProgressBar& m_progress;
    Pause& m_pause;
    QHash<ScreenId, QPointer<QWidget>> m_mostRecent;
    QList<QPointer<QWidget>> m_windows;
};

} // namespace kelvra
