#pragma once
#include <memory>

class Dialogs;
class Random;
class TestScreen;
struct TestFields;
namespace modDB {
class Connection;
class Recordset;
}

// A keyword question: the asked card's keywords on random boxes among keywords of other
// cards; the user ticks as many boxes as the level asks for.
class KeywordQuestion {
public:
    KeywordQuestion(TestFields& fields, TestScreen& screen, Random& random, Dialogs& dialogs);

    // Builds the question for CurrentCardID at the level (0 Beginner, 1 Intermediate, 2 Advanced).
    void BuildKeywordQuestion(modDB::Recordset& deck, const std::shared_ptr<modDB::Connection>& connection,
                              int level);
    // Draws the boxes of the right keywords and empties the captions of the boxes in use.
    void ShuffleKeywordSlots();
    // The choice rule: never more ticks than keywords to choose; exactly that many lets the
    // user go on.
    void chkKeywords_Click(int Index);
    // The number of the card's own keywords ticked.
    int judge() const;

private:
    int tickedCount() const;

    TestFields& m_fields;
    TestScreen& m_screen;
    Random& m_random;
    Dialogs& m_dialogs;
};
