#pragma once

#include <cstdint>
#include <random>

namespace velumo {

// Where assignment draws its random rows from. Injected so that tests and the command line
// can fix the draws.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniformly distributed index in [0, count), count > 0.
    virtual int index(int count) = 0;
};

// A seeded source that gives the same sequence for the same seed on every platform and
// standard library (std::uniform_int_distribution does not promise that).
class SeededRandomSource : public RandomSource
{
public:
    explicit SeededRandomSource(std::uint32_t seed) : m_engine(seed) {}
    // Seeded from the system's entropy source.
    static SeededRandomSource fromEntropy();

    int index(int count) override;

private:
    std::mt19937 m_engine;
};

} // namespace velumo
