#pragma once
// What the review controls offer, limited to the cards of the card table: an ID the table
// lacks (a backup made with another deck, say) would come up as a blank card.

#include "progress/AnswerCsv.h"
#include "progress/MemoryModel.h"

#include <QDate>
#include <QVector>

namespace progress {

struct ReviewSelection {
    static constexpr int kWeakest = 10;

    QVector<int> due;            // next review today or earlier, the longest waiting first
    QVector<int> weakest;        // the lowest recall chance today first, at most kWeakest
    QVector<ConfusedPair> pairs; // the most frequent first
    QDate nextDue;               // the earliest next review of an asked card; invalid when none

    // names gives the card table's name of an ID, empty when the table has no such card;
    // without it every ID the model knows counts.
    static ReviewSelection of(const MemoryModel& model, const CardNames& names = {});
};

} // namespace progress
