#pragma once
// One answer of the learner as the progress file keeps it.

#include <QDateTime>
#include <QString>
#include <QtGlobal>

namespace progress {

enum class TestType { Description, Keywords };

// The texts stored in the test_type columns.
inline QString testTypeText(TestType type)
{
    return type == TestType::Description ? QStringLiteral("Description") : QStringLiteral("Keywords");
}

struct AnswerRecord {
    qint64 testId = 0;
    QDateTime answeredAt; // UTC
    int cardId = 0;       // 1 to 78
    bool reversed = false;
    TestType testType = TestType::Description;
    int level = 0; // 0 beginner, 1 intermediate, 2 advanced
    int score = 0;
    int maxScore = 0;
    int mistakenFor = 0; // the card whose meaning was picked instead; 0 when none
    double seconds = 0;  // from the question shown to "Next Question"
};

// A test as it starts; its row is written with its first answer.
struct TestStart {
    QDateTime startedAt; // UTC
    TestType testType = TestType::Description;
    int level = 0;
    int deckSize = 0;
};

} // namespace progress
