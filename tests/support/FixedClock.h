#pragma once

#include "common/Clock.h"

namespace kelvra::test {

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime now = QDateTime(QDate(2026, 12, 11), QTime(10, 0)))
        : m_now(std::move(now))
    {
    }
    QDateTime now() const override { return m_now; }
    void set(QDateTime now) { m_now = std::move(now); }

private:
    QDateTime m_now;
};

} // namespace kelvra::test
