#pragma once

#include <QtGlobal>

#include <random>

namespace kestrane {

// The slide show's one pseudo-random generator. It is never seeded from the clock: every run of
// the program draws the same sequence, one fraction per random slide.
class SlideRandom
{
public:
    static constexpr quint32 kSeed = 1953;

    explicit SlideRandom(quint32 seed = kSeed) : m_engine(seed) {}

    // A fraction in [0, 1) with the 24 bits of a single-precision number.
    double fraction() { return double(m_engine() >> 8) / double(1u << 24); }
    // Uniform over 1..n, repeats allowed: the integer part of n times a fraction, plus 1.
    int draw(int n) { return int(n * fraction()) + 1; }
    // A random insignia set, uniform over 53..106 without 83 (the four extra sets included).
    int drawInsigniaYear();

private:
    std::mt19937 m_engine;
};

} // namespace kestrane
