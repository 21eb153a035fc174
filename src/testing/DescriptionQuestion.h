#pragma once
#include "testing/Question.h"

#include <QStringList>

#include <functional>
#include <memory>

class Random;
struct TestFields;
namespace modDB {
class Connection;
class Recordset;
}

// Builds a description question: the asked card's meaning among the meanings of other
// cards, all in the question's orientation.
class DescriptionQuestion {
public:
    DescriptionQuestion(TestFields& fields, Random& random, std::function<void()> letEventsRun);

    // The question for CurrentCardID at the level (0 Beginner, 1 Intermediate, 2 Advanced);
    // reversed meanings only when "Reversed" is ticked. Sets the question's test fields.
    Question BuildDescriptionQuestion(modDB::Recordset& deck, const std::shared_ptr<modDB::Connection>& connection,
                                      int level, bool reversedTicked);

private:
    Question::Choice meaningFromCardTable(const std::shared_ptr<modDB::Connection>& connection, const QString& field,
                                          const QStringList& shown);

    TestFields& m_fields;
    Random& m_random;
    std::function<void()> m_letEventsRun;
};
