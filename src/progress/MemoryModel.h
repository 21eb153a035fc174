#pragma once
// What the learner knows, derived by replaying the answer log in the order it was written.
// Nothing of it is stored: the log is the truth, and this is rebuilt from it when needed.

#include "progress/AnswerRecord.h"
#include "progress/Fsrs.h"

#include <QDate>
#include <QPair>
#include <QVector>

#include <array>

namespace progress {

enum class CardState { New, ToReview, Known };

struct CardMemory {
    int cardId = 0;
    int answers = 0;
    MemoryState memory;
    Rating lastRating = Rating::Again;
    QDate lastAnswered; // local calendar day; invalid while the card is new
    QDate nextReview;   // likewise
    double recallToday = 0;
    CardState state = CardState::New;
};

// Two cards mixed up in description answers, both directions counted together.
struct ConfusedPair {
    int first = 0; // the lower card id
    int second = 0;
    int times = 0;
};

struct DayResult {
    QDate day;
    int answers = 0;
    int right = 0; // answered fully right
    double shareRight() const { return answers ? double(right) / answers : 0.0; }
};

struct KnownOnDay {
    QDate day;
    int known = 0; // cards known at the end of that day
};

struct ProgressTotals {
    int known = 0;
    int answers = 0;
    int tests = 0;
    int daysStudied = 0;
    int currentRun = 0; // consecutive study days up to today (or yesterday, if not yet today)
};

class MemoryModel {
public:
    static constexpr int kCards = 78;

    // A right description answer is Good, a wrong one Again; a keyword answer with every keyword
    // right is Good, at least half right Hard, fewer Again.
    static Rating rate(const AnswerRecord& answer);

    MemoryModel();
    // Replays the whole log; today is the learner's local date.
    void replay(const QVector<AnswerRecord>& log, const QDate& today, const Fsrs& fsrs = Fsrs());

    const QDate& today() const { return m_today; }
    // Cards 1 to 78; any other id reads as a card never asked.
    const CardMemory& card(int cardId) const;
    // Asked cards whose next review is today or earlier, the longest waiting first.
    QVector<int> dueCards() const;
    // The asked cards with the lowest recall chance today, lowest first.
    QVector<int> weakestCards(int count = 10) const;
    // Most frequent first.
    QVector<ConfusedPair> confusedPairs() const;
    // The cards whose meaning was picked for this card, with how often; most frequent first.
    QVector<QPair<int, int>> mistakenFor(int cardId) const;
    const ProgressTotals& totals() const { return m_totals; }
    // Every answer about a card, in the order written.
    QVector<AnswerRecord> history(int cardId) const;
    // Days with answers, oldest first.
    const QVector<DayResult>& answersPerDay() const { return m_days; }
    const QVector<KnownOnDay>& knownOverTime() const { return m_known; }

private:
    QVector<AnswerRecord> m_log;
    QDate m_today;
    std::array<CardMemory, kCards> m_cards;
    std::array<QVector<int>, kCards> m_answerIndexes; // into m_log
    QVector<int> m_pairCounts;                         // kCards x kCards, lower id first
    QVector<DayResult> m_days;
    QVector<KnownOnDay> m_known;
    ProgressTotals m_totals;
};

} // namespace progress
