#pragma once

#include "common/WindowPrint.h"

#include <QObject>

class QWidget;

namespace kelvra {

class Dialogs;

// What every screen window shares: a fixed size, centred on the screen, the caption, the navy
// title panel whose double-click prints the window, the navy bottom bar, and (on the screens
// that want it) Enter moving the focus on.
class ScreenFrame : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        PrintScale printScale = PrintScale::FitToPage;
        bool enterMovesFocus = false;
    };

    // `topPanel` and `bottomBar` are the window's own named panels (either may be null).
    ScreenFrame(QWidget& window, QWidget* topPanel, QWidget* bottomBar, Dialogs& dialogs,
                Options options);

    // Fixes the window at its designed size and centres it on its screen.
    static void applyWindowConventions(QWidget& window);
    static QString caption();

    // The title panel's double-click: the window's image on the default printer.
    void top_panelDblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    QWidget* m_topPanel;
    Dialogs& m_dialogs;
    Options m_options;
};

} // namespace kelvra
