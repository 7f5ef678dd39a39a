#include "common/ActivationTracker.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace kelvra {

ActivationTracker::ActivationTracker(QWidget& window, std::function<void()> onActivate)
    : QObject(&window), m_window(window), m_onActivate(std::move(onActivate)),
      m_current(QGuiApplication::focusWindow())
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &ActivationTracker::focusChanged);
    m_window.installEventFilter(this);
}

bool ActivationTracker::eventFilter(QObject* watched, QEvent* event)
{
    // The first show counts even where the window manager does not activate the window.
    if (watched == &m_window && event->type() == QEvent::Show && !m_shownOnce)
        QMetaObject::invokeMethod(this, &ActivationTracker::activateFirstTime,
                                  Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void ActivationTracker::activateFirstTime()
{
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    m_onActivate();
}

bool ActivationTracker::isProgramWindow(const QWindow* window)
{
    if (!window)
        return false; // another application was active
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() != window)
            continue;
        // Our own boxes and dialogs, menus and tool-tips hand the focus back without a change.
        if (qobject_cast<QDialog*>(widget))
            return false;
        const Qt::WindowType type = widget->windowType();
        return type == Qt::Window;
    }
    return false;
}

void ActivationTracker::focusChanged(QWindow* now)
{
    const QPointer<QWindow> previous = m_current;
    m_current = now;
    if (!now || now != m_window.windowHandle())
        return;
    if (!m_shownOnce) {
        activateFirstTime();
        return;
    }
    if (previous != now && isProgramWindow(previous))
        m_onActivate();
}

} // namespace kelvra
