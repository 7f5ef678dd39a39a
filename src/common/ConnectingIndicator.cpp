#include "common/ConnectingIndicator.h"

#include "common/Pause.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

namespace kelvra {

ConnectingIndicator::ConnectingIndicator(QLabel& label, QProgressBar& bar, Pause& pause)
    : m_label(label), m_bar(bar), m_pause(pause)
{
    m_bar.setRange(0, 100);
    hide();
}

void ConnectingIndicator::show(int percent)
{
    m_label.show();
    m_label.repaint();
    // The window repaints before the query; a click now runs inside the load.
    QCoreApplication::processEvents();
    m_bar.show();
    setPercent(percent);
}

void ConnectingIndicator::setPercent(int percent)
{
    m_bar.setValue(percent);
    if (m_bar.isVisible())
        m_bar.repaint();
}

int ConnectingIndicator::percent() const
{
    return m_bar.value();
}

bool ConnectingIndicator::isShown() const
{
    return !m_label.isHidden();
}

void ConnectingIndicator::finish()
{
    setPercent(100);
    m_pause.wait(1000);
    hide();
}

void ConnectingIndicator::hide()
{
    m_label.hide();
    m_bar.hide();
}

} // namespace kelvra
