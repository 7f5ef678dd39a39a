#pragma once

#include <QSize>

namespace kelvra {

// The size of the screen the program runs on; decides between the 1024 and 800 layouts.
class ScreenMetrics
{
public:
    virtual ~ScreenMetrics() = default;
    virtual QSize screenSize() const = 0;
    int width() const { return screenSize().width(); }
    int height() const { return screenSize().height(); }
};

class PrimaryScreenMetrics final : public ScreenMetrics
{
public:
    QSize screenSize() const override;
};

class FixedScreenMetrics final : public ScreenMetrics
{
public:
    explicit FixedScreenMetrics(QSize size) : m_size(size) {}
    QSize screenSize() const override { return m_size; }
    void setScreenSize(QSize size) { m_size = size; }

private:
    QSize m_size;
};

} // namespace kelvra
