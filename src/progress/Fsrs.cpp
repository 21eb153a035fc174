#include "progress/Fsrs.h"

#include <algorithm>
#include <cmath>

namespace progress {

namespace {
constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36500;
constexpr double kMinDifficulty = 1;
constexpr double kMaxDifficulty = 10;

double clampStability(double s)
{
    return std::clamp(s, kMinStability, kMaxStability);
}

double grade(Rating r)
{
    return double(int(r));
}
} // namespace

Fsrs::Fsrs(const Parameters& w, double desiredRetention)
    : m_w(w)
    , m_retention(desiredRetention)
    , m_decay(-w[20])
    , m_factor(std::pow(0.9, 1.0 / m_decay) - 1.0)
{
}

MemoryState Fsrs::first(Rating rating) const
{
    return {clampStability(m_w[size_t(rating) - 1]),
            std::clamp(initialDifficulty(rating), kMinDifficulty, kMaxDifficulty)};
}

MemoryState Fsrs::next(const MemoryState& state, int elapsedDays, Rating rating) const
{
    double s;
    if (elapsedDays <= 0) {
        s = shortTermStability(state.stability, rating);
    } else {
        const double r = retrievability(elapsedDays, state.stability);
        s = rating == Rating::Again ? stabilityAfterFailure(state.stability, state.difficulty, r)
                                    : stabilityAfterSuccess(state.stability, state.difficulty, r, rating);
    }
    return {clampStability(s), nextDifficulty(state.difficulty, rating)};
}

double Fsrs::retrievability(double elapsedDays, double stability) const
{
    const double t = std::max(0.0, elapsedDays);
    return std::pow(1.0 + m_factor * t / std::max(stability, kMinStability), m_decay);
}

double Fsrs::interval(double stability) const
{
    const double days = stability / m_factor * (std::pow(m_retention, 1.0 / m_decay) - 1.0);
    return std::clamp(days, 0.0, kMaxStability);
}

int Fsrs::intervalDays(double stability) const
{
    return std::max(1, int(std::lround(interval(stability))));
}

double Fsrs::initialDifficulty(Rating rating) const
{
    return m_w[4] - std::exp(m_w[5] * (grade(rating) - 1.0)) + 1.0;
}

double Fsrs::nextDifficulty(double difficulty, Rating rating) const
{
    // Linear damping: the change shrinks as the difficulty nears 10.
    const double delta = -m_w[6] * (grade(rating) - 3.0);
    const double damped = difficulty + delta * (10.0 - difficulty) / 9.0;
    // Mean reversion towards the difficulty of a first Easy keeps it from drifting for ever.
    const double reverted = m_w[7] * initialDifficulty(Rating::Easy) + (1.0 - m_w[7]) * damped;
    return std::clamp(reverted, kMinDifficulty, kMaxDifficulty);
}

double Fsrs::stabilityAfterSuccess(double s, double d, double r, Rating rating) const
{
    const double hardPenalty = rating == Rating::Hard ? m_w[15] : 1.0;
    const double easyBonus = rating == Rating::Easy ? m_w[16] : 1.0;
    return s * (1.0 + std::exp(m_w[8]) * (11.0 - d) * std::pow(s, -m_w[9]) * (std::exp(m_w[10] * (1.0 - r)) - 1.0)
                          * hardPenalty * easyBonus);
}

double Fsrs::stabilityAfterFailure(double s, double d, double r) const
{
    const double forgotten = m_w[11] * std::pow(d, -m_w[12]) * (std::pow(s + 1.0, m_w[13]) - 1.0)
                             * std::exp(m_w[14] * (1.0 - r));
    // A lapse never leaves a card more stable than a same-day Again would.
    return std::min(forgotten, s / std::exp(m_w[17] * m_w[18]));
}

double Fsrs::shortTermStability(double s, Rating rating) const
{
    double increase = std::exp(m_w[17] * (grade(rating) - 3.0 + m_w[18])) * std::pow(s, -m_w[19]);
    // A passing answer on the same day never lowers stability (as the reference model does for
    // Hard, Good and Easy alike).
    if (rating != Rating::Again)
        increase = std::max(increase, 1.0);
    return s * increase;
}

} // namespace progress
