#pragma once
// Answer logs for the progress tests, each answer given at noon local time.

#include "progress/MemoryModel.h"

namespace AnswerLog {

inline const QDate kToday(2024, 2, 29); // FakeClock's date

inline progress::AnswerRecord answer(int card, int daysAgo, int score, int maxScore = 1,
                                     progress::TestType type = progress::TestType::Description, int mistakenFor = 0, qint64 test = 1)
{
    return {.testId = test, .answeredAt = QDateTime(kToday.addDays(-daysAgo), QTime(12, 0)).toUTC(), .cardId = card,
            .testType = type, .score = score, .maxScore = maxScore, .mistakenFor = mistakenFor};
}
inline progress::AnswerRecord right(int card, int daysAgo, qint64 test = 1) { return answer(card, daysAgo, 1, 1, {}, 0, test); }
inline progress::AnswerRecord wrong(int card, int daysAgo, int mistakenFor = 0) { return answer(card, daysAgo, 0, 1, {}, mistakenFor); }

inline progress::MemoryModel replayed(const QVector<progress::AnswerRecord>& log)
{
    progress::MemoryModel model;
    model.replay(log, kToday);
    return model;
}

} // namespace AnswerLog
