#include "testing/Question.h"

Answer judge(const Question& question, int chosenOption, const QList<int>& tickedBoxes)
{
    Answer a;
    if (question.type == TestType::Description) {
        a.maxScore = 1;
        a.chosenOption = question.inUse(chosenOption) ? chosenOption : -1;
        if (a.chosenOption < 0)
            return a;
        if (a.chosenOption == question.rightOption)
            a.score = 1;
        else if (const int card = question.options[std::size_t(a.chosenOption)].cardId; card > 0)
            a.mistakenFor = card;
        return a;
    }
    a.maxScore = question.toChoose;
    for (int box = 0; box <= question.boxMax && box < int(question.boxes.size()); ++box) {
        if (!tickedBoxes.contains(box))
            continue;
        a.tickedBoxes << box;
        if (question.rightBoxes.contains(box)) {
            ++a.score;
            continue;
        }
        const int card = question.boxes[std::size_t(box)].cardId;
        if (card > 0 && card != question.cardId && !a.otherCardsTicked.contains(card))
            a.otherCardsTicked << card;
    }
    return a;
}
