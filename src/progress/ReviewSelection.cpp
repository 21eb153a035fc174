#include "progress/ReviewSelection.h"

namespace progress {

ReviewSelection ReviewSelection::of(const MemoryModel& model, const CardNames& names)
{
    const auto inTable = [&names](int cardId) { return !names || !names(cardId).isEmpty(); };
    ReviewSelection s;
    for (int id : model.dueCards())
        if (inTable(id))
            s.due.push_back(id);
    for (int id : model.weakestCards(MemoryModel::kCards)) {
        if (s.weakest.size() == kWeakest)
            break;
        if (inTable(id))
            s.weakest.push_back(id);
    }
    for (const ConfusedPair& p : model.confusedPairs())
        if (inTable(p.first) && inTable(p.second))
            s.pairs.push_back(p);
    for (int id = 1; id <= MemoryModel::kCards; ++id) {
        const CardMemory& c = model.card(id);
        if (c.answers > 0 && inTable(id) && (!s.nextDue.isValid() || c.nextReview < s.nextDue))
            s.nextDue = c.nextReview;
    }
    return s;
}

} // namespace progress
