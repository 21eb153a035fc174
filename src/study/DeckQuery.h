#pragma once
// The texts of the deck queries.

#include <QList>
#include <QString>

#include <array>

namespace DeckQuery {

// The cards of the study objectives: the major arcana, and each suit ticked and enabled.
QString objectives(bool major, const std::array<bool, 4>& suits);

// The given cards, in ID order; an ID the card table lacks selects nothing.
QString drill(const QList<int>& cardIds);

} // namespace DeckQuery
