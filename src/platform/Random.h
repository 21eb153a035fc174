#pragma once
#include <random>

class Clock;

// The uniform generator of every draw: Rnd() lies in [0, 1).
class Random {
public:
    virtual ~Random() = default;
    virtual double Rnd() = 0;
    // Reseeds from the clock.
    virtual void Randomize() = 0;
};

class MtRandom final : public Random {
public:
    explicit MtRandom(const Clock& clock);
    double Rnd() override;
    void Randomize() override;

private:
    const Clock& m_clock;
    std::mt19937_64 m_engine;
    std::uniform_real_distribution<double> m_unit{0.0, 1.0};
};
