#pragma once

namespace kelvra {

// The fixed waits of the screens. They block on purpose: the screens show their progress
// bar standing still for a moment. Tests use a pause that returns at once.
class Pause
{
public:
    virtual ~Pause() = default;
    virtual void wait(int milliseconds) = 0;
};

class SleepPause final : public Pause
{
public:
    void wait(int milliseconds) override;
};

// Records the waits instead of waiting.
class NoPause final : public Pause
{
public:
    void wait(int milliseconds) override { m_totalMs += milliseconds; }
    int totalMs() const { return m_totalMs; }

private:
    int m_totalMs = 0;
};

} // namespace kelvra
