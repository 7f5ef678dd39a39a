#include "shell/SensorReadingsFit.h"

#include <QWidget>

namespace kelvra {

namespace {

QWidget* child(QWidget* window, const char* name)
{
    return window->findChild<QWidget*>(QLatin1String(name));
}

void setWidth(QWidget* widget, int width)
{
    if (widget)
        widget->resize(width, widget->height());
}

void setLeft(QWidget* widget, int left)
{
    if (widget)
        widget->move(left, widget->y());
}

} // namespace

void fitSensorReadingsToSmallScreen(QWidget* window)
{
    if (!window)
        return;
    window->resize(664, window->height());
    for (const char* name : {"ScrollBox1", "Panel1", "bottom_panel", "top_panel"})
        setWidth(child(window, name), 656);

    if (QWidget* bottom = child(window, "bottom_panel")) {
        if (QWidget* clear = child(window, "clear_btn"))
            setLeft(clear, qRound(bottom->width() / 2.0 - clear->width() / 2.0));
        if (QWidget* exit = child(window, "exit_btn"))
            setLeft(exit, bottom->width() - exit->width() - 20);
    }
    setLeft(child(window, "view_btn"), 26);
    if (QWidget* panel = child(window, "Panel1"))
        if (QWidget* label = child(window, "last_obs_label"))
            setLeft(label, panel->width() - label->width() - 20);
}

} // namespace kelvra
