#pragma once
// A question as asked and an answer as given: plain values, so that whatever keeps the
// learner's history needs neither the widgets nor the deck.

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>

#include <array>
#include <optional>

enum class TestType { Description = 0, Keywords = 1 };

struct Question {
    // A text offered to the learner and the card it belongs to (0: none).
    struct Choice {
        QString text;
        int cardId = 0;
    };

    TestType type = TestType::Description;
    int level = 0; // 0 Beginner, 1 Intermediate, 2 Advanced
    int cardId = 0;
    QString cardName;
    bool reversed = false; // always false for a keyword question

    // Description: the meanings on optAnswer(low..high); an entry without text is not offered.
    int low = 0;
    int high = -1;
    std::array<Choice, 7> options;
    int rightOption = -1;

    // Keywords: the keywords on chkKeywords(0..boxMax); an entry without text is not offered.
    int boxMax = -1;
    std::array<Choice, 20> boxes;
    QList<int> rightBoxes; // the boxes holding the card's own keywords
    int toChoose = 0;

    bool inUse(int option) const { return option >= low && option <= high; }
};

struct Answer {
    int chosenOption = -1;   // description: the option picked
    QList<int> tickedBoxes;  // keywords: the boxes ticked, in box order
    int score = 0;
    int maxScore = 0;
    // Description: the card whose meaning was picked instead of the right one.
    std::optional<int> mistakenFor;
    // Keywords: the other cards whose keywords were ticked, each once, in box order.
    QList<int> otherCardsTicked;
    double seconds = 0;      // from the question shown to "Next Question"
    QDateTime answeredAt;    // UTC
};

Q_DECLARE_METATYPE(TestType)
Q_DECLARE_METATYPE(Question)
Q_DECLARE_METATYPE(Answer)

// Judges a choice: the option picked (description) or the boxes ticked (keywords). Time and
// date are the caller's to fill in.
Answer judge(const Question& question, int chosenOption, const QList<int>& tickedBoxes);
