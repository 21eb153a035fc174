#pragma once
#include "testing/Question.h"

#include <memory>

class Random;
struct TestFields;
namespace modDB {
class Connection;
class Recordset;
}

// Builds a keyword question: the asked card's keywords on random boxes among keywords of
// other cards; the learner ticks as many boxes as the level asks for.
class KeywordQuestion {
public:
    KeywordQuestion(TestFields& fields, Random& random);

    // The question for CurrentCardID at the level (0 Beginner, 1 Intermediate, 2 Advanced).
    // Sets the question's test fields.
    Question BuildKeywordQuestion(modDB::Recordset& deck, const std::shared_ptr<modDB::Connection>& connection,
                                  int level);
    // Draws the boxes of the right keywords.
    void ShuffleKeywordSlots();

private:
    TestFields& m_fields;
    Random& m_random;
};
