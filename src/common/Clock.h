#pragma once

#include <QDateTime>

namespace kelvra {

// The current local time; tests substitute a fixed one.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};

} // namespace kelvra
