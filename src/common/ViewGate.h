#pragma once

namespace kelvra {

// The suppress or loading flag of a screen: while it is closed, View does nothing, so that the
// window's own ticks and loads at start do not run it.
class ViewGate
{
public:
    // Closes the gate for as long as it lives; closings nest.
    class Closed
    {
    public:
        explicit Closed(ViewGate& gate) : m_gate(gate) { ++m_gate.m_closings; }
        ~Closed() { --m_gate.m_closings; }
        Closed(const Closed&) = delete;
        Closed& operator=(const Closed&) = delete;

    private:
        ViewGate& m_gate;
    };

    [[nodiscard]] Closed close() { return Closed(*this); }
    bool isOpen() const { return m_closings == 0; }

private:
    int m_closings = 0;
};

} // namespace kelvra
