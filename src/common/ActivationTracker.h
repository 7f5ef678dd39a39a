#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>

#include <functional>

class QWidget;

namespace kelvra {

// Runs a screen's activation work when the window is first shown, and again whenever it
// becomes the active window after another window of this program (the main window or
// another screen) was active; never after the window's own message box or print dialog,
// never when coming back from another application.
class ActivationTracker : public QObject
{
    Q_OBJECT

public:
    ActivationTracker(QWidget& window, std::function<void()> onActivate);

    // True when a window whose activation hands over to another window of ours counts.
    static bool isProgramWindow(const QWindow* window);

    // The application's focus moved to `now` (null: to another application).
    void focusChanged(QWindow* now);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activateFirstTime();

    QWidget& m_window;
    std::function<void()> m_onActivate;
    QPointer<QWindow> m_current;
    bool m_shownOnce = false;
};

} // namespace kelvra
