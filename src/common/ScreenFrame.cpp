#include "common/ScreenFrame.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace kelvra {

namespace {

void paintNavy(QWidget* panel)
{
    if (!panel)
        return;
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    palette.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(palette);
}

} // namespace

ScreenFrame::ScreenFrame(QWidget& window, QWidget* topPanel, QWidget* bottomBar, Dialogs& dialogs,
                         Options options)
    : QObject(&window), m_window(window), m_topPanel(topPanel), m_dialogs(dialogs),
      m_options(options)
{
    applyWindowConventions(window);
    paintNavy(topPanel);
    paintNavy(bottomBar);
    if (m_topPanel)
        m_topPanel->installEventFilter(this);
    if (m_options.enterMovesFocus) {
        // Key presses go to the focused control: watch them all, as the window's own preview.
        m_window.installEventFilter(this);
        for (QWidget* child : m_window.findChildren<QWidget*>())
            child->installEventFilter(this);
    }
}

QString ScreenFrame::caption()
{
    return QStringLiteral("Veltrin® SP");
}

void ScreenFrame::applyWindowConventions(QWidget& window)
{
    window.setWindowTitle(caption());
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setFixedSize(window.size());
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
    }
}

void ScreenFrame::top_panelDblClick()
{
    (void)printWindowImage(m_window, m_options.printScale, m_dialogs);
}

bool ScreenFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_topPanel && event->type() == QEvent::MouseButtonDblClick) {
        top_panelDblClick();
        return true;
    }
    if (m_options.enterMovesFocus && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // The Enter is discarded and the focus moves to the next control in tab order,
            // tab stop or not.
            QWidget* current = m_window.focusWidget();
            QWidget* next = current ? current->nextInFocusChain() : nullptr;
            while (next && next != current &&
                   (!next->isVisibleTo(&m_window) || !next->isEnabled() ||
                    next->focusPolicy() == Qt::NoFocus || !m_window.isAncestorOf(next)))
                next = next->nextInFocusChain();
            if (next && next != current)
                next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvra
