#pragma once
// The FSRS-6 memory model: how likely a card is recalled after some days, and how each answer
// changes its memory. Ported from the formulas of the open-spaced-repetition project (the
// FSRS-6 model as published in its reference crate fsrs-rs, model_v6, which Anki uses).

#include <array>

namespace progress {

enum class Rating { Again = 1, Hard = 2, Good = 3, Easy = 4 };

struct MemoryState {
    double stability = 0;  // days until the recall chance falls to 90 %
    double difficulty = 0; // 1 (easy) to 10 (hard)
};

class Fsrs {
public:
    using Parameters = std::array<double, 21>;
    static constexpr Parameters kDefaultParameters = {
        0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
        1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
    static constexpr double kDesiredRetention = 0.9;

    explicit Fsrs(const Parameters& w = kDefaultParameters, double desiredRetention = kDesiredRetention);

    // The state after a card's first answer.
    MemoryState first(Rating rating) const;
    // The state after an answer given elapsedDays after the previous one; 0 days (or fewer,
    // after a clock change) takes the same-day formula.
    MemoryState next(const MemoryState& state, int elapsedDays, Rating rating) const;

    // Recall chance after t days with the given stability (power curve with decay w20).
    double retrievability(double elapsedDays, double stability) const;
    // Days until the recall chance falls to the desired retention.
    double interval(double stability) const;
    // The interval in whole days, at least one.
    int intervalDays(double stability) const;

    // The pieces of next(), public so that they can be checked one by one.
    double initialDifficulty(Rating rating) const; // not clamped: the mean-reversion target uses it raw
    double nextDifficulty(double difficulty, Rating rating) const;
    double stabilityAfterSuccess(double stability, double difficulty, double r, Rating rating) const;
    double stabilityAfterFailure(double stability, double difficulty, double r) const;
    double shortTermStability(double stability, Rating rating) const;

private:
    Parameters m_w;
    double m_retention;
    double m_decay;  // -w20
    double m_factor; // 0.9^(1/decay) - 1, so that R(S, S) = 0.9
};

} // namespace progress
