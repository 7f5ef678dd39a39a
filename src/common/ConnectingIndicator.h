#pragma once

class QLabel;
class QProgressBar;

namespace kelvra {

class Pause;

// The "Connecting..." label and its bar (`dataserver`, `ProgressBar2`) that accompany the
// loads of the setup screens; hidden at rest.
class ConnectingIndicator
{
public:
    ConnectingIndicator(QLabel& label, QProgressBar& bar, Pause& pause);

    // Label first, the window repainted, then the bar at `percent`.
    void show(int percent);
    void setPercent(int percent);
    int percent() const;
    bool isShown() const;
    // The end of a View that found its record: 100, one second, then hidden.
    void finish();
    void hide();

private:
    QLabel& m_label;
    QProgressBar& m_bar;
    Pause& m_pause;
};

} // namespace kelvra
