#pragma once

#include <QtGlobal>

namespace kelvra::demo {

// splitmix64: tiny, fast and fully specified, so a seed gives the same installation with
// every compiler and standard library (std:: distributions do not promise that).
class Prng
{
public:
    explicit Prng(quint64 seed) : m_state(seed) {}

    // A generator for one part of the installation, independent of how much the others draw.
    static Prng forStream(quint64 seed, quint64 a, quint64 b = 0)
    {
        Prng mixer(seed ^ (a * 0xD1B54A32D192ED03ull) ^ (b * 0xABC98388FB8FAC03ull));
        return Prng(mixer.next());
    }

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // In [0, 1).
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    // In [0, n); n > 0.
    int below(int n) { return int(next() % quint64(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(double p) { return uniform() < p; }
    // Roughly normal with mean 0 and deviation 1, from plain arithmetic only (no libm).
    double bell()
    {
        const double sum = uniform() + uniform() + uniform() + uniform() - 2.0;
        return sum * 1.7320508075688772;
    }

    template <typename List> const auto& pick(const List& list)
    {
        return list[below(int(list.size()))];
    }

private:
    quint64 m_state;
};

} // namespace kelvra::demo
