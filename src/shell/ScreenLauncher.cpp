#include "shell/ScreenLauncher.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

namespace kelvra {

ScreenLauncher::ScreenLauncher(QWidget& owner, QLabel& pleaseWait, QProgressBar& progress,
                               Pause& pause)
    : m_owner(owner), m_pleaseWait(pleaseWait), m_progress(progress), m_pause(pause)
{
}

QWidget* ScreenLauncher::adopt(ScreenId id, QWidget* window)
{
    if (!window)
        return nullptr;
    // Screens are windows of their own that stay above the main window (not above other
    // programs), close with it and free themselves when closed.
    window->setParent(&m_owner, window->windowFlags() | Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_mostRecent.insert(id, window);
    m_windows.removeAll(nullptr);
    m_windows.append(window);
    return window;
}

QWidget* ScreenLauncher::openWithProgress(ScreenId id, const std::function<QWidget*()>& create,
                                          bool alwaysShowLabel, const BeforeShow& beforeShow)
{
    if (alwaysShowLabel || !mostRecent(id))
        m_pleaseWait.show();
    m_progress.show();
    QCoreApplication::processEvents();
    m_progress.setValue(25);

    QWidget* window = adopt(id, create());
    if (window && beforeShow)
        beforeShow(window);

    m_progress.setValue(45);
    if (window)
        window->show();
    QCoreApplication::processEvents();

    m_progress.setValue(95);
    m_progress.repaint();
    m_pause.wait(1500);
    m_progress.setValue(100);
    m_progress.repaint();
    m_pause.wait(550);
    m_progress.hide();
    m_pleaseWait.hide();
    return window;
}

QWidget* ScreenLauncher::openDirectly(ScreenId id, const std::function<QWidget*()>& create)
{
    QWidget* window = adopt(id, create());
    if (window)
        window->show();
    return window;
}

QList<QWidget*> ScreenLauncher::openWindows() const
{
    QList<QWidget*> windows;
    for (const QPointer<QWidget>& window : m_windows)
        if (window)
            windows.append(window.data());
    return windows;
}

void ScreenLauncher::closeAll()
{
    for (QWidget* window : openWindows())
        window->close();
}

} // namespace kelvra
