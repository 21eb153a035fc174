#pragma once
// The rules that keep the quizzes fair: a question shows the card's name and picture, so no
// meaning or keyword may give the answer away by naming the suit, the rank or the title, and
// every keyword must belong to one card only.

#include "cardstore/CardContent.h"

namespace ContentRules {

// Every breach in the deck, each naming its card and the rule.
QStringList check(const QList<CardContent>& cards);

// A keyword with case, plurals and the -ing/-ed/-ness endings set aside: "Hoping" and
// "hopes" both become "hop".
QString normalisedKeyword(const QString& keyword);

} // namespace ContentRules
