#include "progress/MemoryModel.h"

#include <QSet>
#include <QTimeZone>

#include <algorithm>
#include <limits>
#include <map>

namespace progress {

namespace {

constexpr qint64 kQuarterHourMs = 15 * 60 * 1000;
constexpr qint64 kDayMs = 24 * 60 * 60 * 1000;
constexpr qint64 kEpochJulianDay = 2440588; // 1970-01-01

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// The local calendar day of a moment. Asking the C library for every answer costs a file
// lookup each time, so the offset is kept until the zone's next transition.
class LocalDays {
public:
    qint64 julianDay(const QDateTime& utc)
    {
        const qint64 ms = utc.toMSecsSinceEpoch();
        if (ms < m_from || ms >= m_until)
            refresh(utc, ms);
        return kEpochJulianDay + floorDiv(ms + m_offsetMs, kDayMs);
    }

private:
    void refresh(const QDateTime& utc, qint64 ms)
    {
        if (!m_zone.isValid()) {
            // No zone data: ask for each quarter hour, on which offsets change.
            m_from = floorDiv(ms, kQuarterHourMs) * kQuarterHourMs;
            m_until = m_from + kQuarterHourMs;
            m_offsetMs = qint64(utc.toLocalTime().offsetFromUtc()) * 1000;
            return;
        }
        m_offsetMs = qint64(m_zone.offsetFromUtc(utc)) * 1000;
        const QTimeZone::OffsetData before = m_zone.previousTransition(utc.addMSecs(1));
        const QTimeZone::OffsetData after = m_zone.nextTransition(utc);
        m_from = before.atUtc.isValid() ? before.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
        m_until = after.atUtc.isValid() ? after.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
    }

    QTimeZone m_zone = QTimeZone::systemTimeZone();
    qint64 m_from = 0;
    qint64 m_until = 0; // empty: the first answer looks the offset up
    qint64 m_offsetMs = 0;
};

bool isKnownOn(const CardMemory& c, qint64 julianDay)
{
    return c.answers > 0 && c.lastRating != Rating::Again && c.nextReview.toJulianDay() > julianDay;
}

} // namespace

Rating MemoryModel::rate(const AnswerRecord& a)
{
    const bool allRight = a.maxScore > 0 && a.score >= a.maxScore;
    if (a.testType == TestType::Description)
        return allRight ? Rating::Good : Rating::Again;
    if (allRight)
        return Rating::Good;
    return a.maxScore > 0 && 2 * a.score >= a.maxScore ? Rating::Hard : Rating::Again;
}

MemoryModel::MemoryModel()
{
    replay({}, QDate());
}

void MemoryModel::replay(const QVector<AnswerRecord>& log, const QDate& today, const Fsrs& fsrs)
{
    m_log = log;
    m_today = today;
    for (int i = 0; i < kCards; ++i) {
        m_cards[i] = CardMemory();
        m_cards[i].cardId = i + 1;
        m_answerIndexes[i].clear();
    }
    m_pairCounts.fill(0, kCards * kCards);
    m_days.clear();
    m_known.clear();
    m_totals = ProgressTotals();

    LocalDays localDays;
    std::map<qint64, DayResult> days;
    std::map<qint64, int> knownAtEnd;
    QSet<qint64> tests;
    qint64 previousDay = 0;
    DayResult* dayResult = nullptr;
    auto snapshotKnown = [this, &knownAtEnd](qint64 day) {
        knownAtEnd[day] = int(std::count_if(m_cards.begin(), m_cards.end(),
                                            [day](const CardMemory& c) { return isKnownOn(c, day); }));
    };

    for (int i = 0; i < log.size(); ++i) {
        const AnswerRecord& a = log[i];
        if (a.cardId < 1 || a.cardId > kCards)
            continue;
        const qint64 day = localDays.julianDay(a.answeredAt);
        if (dayResult && day != previousDay)
            snapshotKnown(previousDay);
        if (!dayResult || day != previousDay) {
            dayResult = &days[day];
            dayResult->day = QDate::fromJulianDay(day);
            previousDay = day;
        }

        const Rating rating = rate(a);
        CardMemory& c = m_cards[a.cardId - 1];
        if (c.answers == 0) {
            c.memory = fsrs.first(rating);
        } else {
            // An answer dated before the previous one (the clock was changed) counts as the same day.
            const int elapsed = int(std::max<qint64>(0, day - c.lastAnswered.toJulianDay()));
            c.memory = fsrs.next(c.memory, elapsed, rating);
        }
        ++c.answers;
        c.lastRating = rating;
        c.lastAnswered = QDate::fromJulianDay(day);
        // A forgotten card comes back the same day; no interval fuzz, so replays agree.
        c.nextReview = rating == Rating::Again ? c.lastAnswered : c.lastAnswered.addDays(fsrs.intervalDays(c.memory.stability));
        m_answerIndexes[a.cardId - 1].push_back(i);

        ++dayResult->answers;
        if (a.maxScore > 0 && a.score >= a.maxScore)
            ++dayResult->right;
        ++m_totals.answers;
        tests.insert(a.testId);
        if (a.testType == TestType::Description && a.mistakenFor >= 1 && a.mistakenFor <= kCards
            && a.mistakenFor != a.cardId) {
            const int lo = std::min(a.cardId, a.mistakenFor), hi = std::max(a.cardId, a.mistakenFor);
            ++m_pairCounts[(lo - 1) * kCards + (hi - 1)];
        }
    }
    if (dayResult)
        snapshotKnown(previousDay);

    const qint64 todayJulian = today.toJulianDay();
    for (CardMemory& c : m_cards) {
        if (c.answers == 0 || !today.isValid())
            continue;
        c.recallToday = fsrs.retrievability(double(todayJulian - c.lastAnswered.toJulianDay()), c.memory.stability);
        if (isKnownOn(c, todayJulian)) {
            c.state = CardState::Known;
            ++m_totals.known;
        } else {
            c.state = CardState::ToReview;
        }
    }

    for (const auto& [day, result] : days)
        m_days.push_back(result);
    for (const auto& [day, known] : knownAtEnd)
        m_known.push_back({QDate::fromJulianDay(day), known});
    m_totals.tests = int(tests.size());
    m_totals.daysStudied = int(days.size());
    // No date to count back from (a clock that cannot say): no current run.
    qint64 runDay = !today.isValid() ? 0 : days.count(todayJulian) ? todayJulian : todayJulian - 1;
    while (today.isValid() && days.count(runDay)) {
        ++m_totals.currentRun;
        --runDay;
    }
}

const CardMemory& MemoryModel::card(int cardId) const
{
    static const CardMemory unknown;
    return cardId >= 1 && cardId <= kCards ? m_cards[cardId - 1] : unknown;
}

QVector<int> MemoryModel::dueCards() const
{
    QVector<const CardMemory*> due;
    for (const CardMemory& c : m_cards)
        if (c.answers > 0 && c.nextReview <= m_today)
            due.push_back(&c);
    std::stable_sort(due.begin(), due.end(),
                     [](const CardMemory* a, const CardMemory* b) { return a->nextReview < b->nextReview; });
    QVector<int> ids;
    for (const CardMemory* c : due)
        ids.push_back(c->cardId);
    return ids;
}

QVector<int> MemoryModel::weakestCards(int count) const
{
    QVector<const CardMemory*> asked;
    for (const CardMemory& c : m_cards)
        if (c.answers > 0)
            asked.push_back(&c);
    std::stable_sort(asked.begin(), asked.end(),
                     [](const CardMemory* a, const CardMemory* b) { return a->recallToday < b->recallToday; });
    QVector<int> ids;
    for (int i = 0; i < asked.size() && i < count; ++i)
        ids.push_back(asked[i]->cardId);
    return ids;
}

QVector<ConfusedPair> MemoryModel::confusedPairs() const
{
    QVector<ConfusedPair> pairs;
    for (int lo = 0; lo < kCards; ++lo)
        for (int hi = lo + 1; hi < kCards; ++hi)
            if (const int n = m_pairCounts[lo * kCards + hi])
                pairs.push_back({lo + 1, hi + 1, n});
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const ConfusedPair& a, const ConfusedPair& b) { return a.times > b.times; });
    return pairs;
}

QVector<QPair<int, int>> MemoryModel::mistakenFor(int cardId) const
{
    QVector<QPair<int, int>> counts;
    if (cardId < 1 || cardId > kCards)
        return counts;
    std::array<int, kCards + 1> n{};
    for (int i : m_answerIndexes[cardId - 1]) {
        const AnswerRecord& a = m_log[i];
        if (a.testType == TestType::Description && a.mistakenFor >= 1 && a.mistakenFor <= kCards)
            ++n[a.mistakenFor];
    }
    for (int id = 1; id <= kCards; ++id)
        if (n[id])
            counts.push_back({id, n[id]});
    std::stable_sort(counts.begin(), counts.end(),
                     [](const QPair<int, int>& a, const QPair<int, int>& b) { return a.second > b.second; });
    return counts;
}

QVector<AnswerRecord> MemoryModel::history(int cardId) const
{
    QVector<AnswerRecord> answers;
    if (cardId < 1 || cardId > kCards)
        return answers;
    for (int i : m_answerIndexes[cardId - 1])
        answers.push_back(m_log[i]);
    return answers;
}

} // namespace progress
