#pragma once
// The state of a test: reset at every start, kept after the end for the report.

#include "testing/modGlobals.h"

struct TestFields {
    qint32 QuestionNo = 0;       // cycles run in this test
    bool FirstQuestion = false;  // until the first question stands on the screen
    qint32 CurrentCardID = 0;
    bool CurrentReversed = false;
    qint32 CorrectCount = 0;

    // The per-question record, entry k for the (k + 1)-th question asked. ChoiceCounts holds
    // how many keywords a keyword question asked for (fewer than the level's number only for
    // a card with fewer distinct keywords); 1 for a description question.
    modGlobals::LongArray AskedCardIDs;
    modGlobals::LongArray QuestionScores;
    modGlobals::BoolArray ReversedFlags;
    modGlobals::LongArray ChoiceCounts;

    // Description questions: the options in use.
    qint32 AnswerLow = 2;
    qint32 AnswerHigh = 4;
    // Keyword questions: the boxes in use, the right keywords' boxes and how many to tick.
    qint32 KeywordBoxMax = 6;
    qint32 RightKeywordMax = 2;
    modGlobals::LongArray KeywordSlots;
    qint32 KeywordsToChoose = 3;
};
