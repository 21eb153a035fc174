#pragma once
#include <QStringList>

#include <functional>
#include <memory>

class Random;
class TestScreen;
struct TestFields;
namespace modDB {
class Connection;
class Recordset;
}

// A description question: the asked card's meaning among the meanings of other cards,
// all in the question's orientation.
class DescriptionQuestion {
public:
    DescriptionQuestion(TestFields& fields, TestScreen& screen, Random& random, std::function<void()> letEventsRun);

    // Builds the question for CurrentCardID at the level (0 Beginner, 1 Intermediate,
    // 2 Advanced); reversed meanings only when "Reversed" is ticked.
    void BuildDescriptionQuestion(modDB::Recordset& deck, const std::shared_ptr<modDB::Connection>& connection,
                                  int level, bool reversedTicked);
    // Any option picked: an answer stands.
    void optAnswer_Click(int Index);
    // 1 when the selected option is the right one, else 0.
    int judge() const;

private:
    QString meaningFromCardTable(const std::shared_ptr<modDB::Connection>& connection, const QString& field,
                                 const QStringList& shown);

    TestFields& m_fields;
    TestScreen& m_screen;
    Random& m_random;
    std::function<void()> m_letEventsRun;
};
