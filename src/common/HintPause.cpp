#include "common/HintPause.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace kelvra {

namespace {

class HintPauseFilter final : public QObject
{
public:
    HintPauseFilter(QObject* parent, int milliseconds) : QObject(parent), m_ms(milliseconds) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->toolTip().isEmpty())
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, m_ms);
        return true;
    }

private:
    int m_ms;
};

} // namespace

void setHintHidePause(QApplication& app, int milliseconds)
{
    app.setProperty("hintHidePause", milliseconds);
    app.installEventFilter(new HintPauseFilter(&app, milliseconds));
}

} // namespace kelvra
