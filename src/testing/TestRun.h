#pragma once
#include "platform/Services.h"
#include "testing/DescriptionQuestion.h"
#include "testing/KeywordQuestion.h"
#include "testing/Question.h"
#include "testing/TestFields.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>

#include <functional>

class ResultsView;
class StudyObjectives;
class TestOptions;
class TestScreen;
namespace modDB {
class DbError;
class Recordset;
}

// What the test run asks of the main window.
struct TestHost {
    // Opens the card database and the deck of the query; false (the user told why) when
    // that failed.
    std::function<bool(const QString&)> openDeck;
    // Makes a tab available and selects it.
    std::function<void(int)> selectTab;
    std::function<void(int, bool)> setTabAvailable;
    // Lets "Next >>" on the Memorize Cards tab walk a deck the objectives did not choose.
    std::function<void()> allowMemorizeNext;
};

// A test: one question about each card of the deck in random order, judged, tallied and
// reported on the Results tab.
class TestRun : public QObject {
    Q_OBJECT
public:
    TestRun(const Services& services, TestHost host, TestScreen* screen, ResultsView* results, TestOptions* options,
            StudyObjectives* objectives, QObject* parent = nullptr);

    // "Test Me" on the Settings tab: a new deck, then a new test.
    void cmdStartTest2_Click();
    // "Test Me" on the Memorize Cards tab: a new test on the open deck.
    void cmdStartTest_Click();
    // A test on the given cards, as "Test Me" on the Settings tab but for the deck; a test
    // in progress is abandoned first. Unknown IDs are left out.
    void startDrill(const QList<int>& cardIds);
    // Records and judges the answer, then asks the next card or ends the test.
    void cmdNextQuestion_Click();
    void ShowTestReport();

    const TestFields& fields() const { return m_fields; }
    // The question on the screen.
    const Question& question() const { return m_question; }
    // A question is being built (its draws let pending events run).
    bool busy() const { return m_busy; }

Q_SIGNALS:
    void testStarted(TestType type, int level, int deckSize);
    // "Next Question" recorded the answer to the question.
    void answerRecorded(const Question& question, const Answer& answer);
    // The report stands on the Results tab.
    void testEnded();

private:
    void startFromSettings(const QString& query);
    void startTest();
    void questionCycle();
    void drawNextCard(modDB::Recordset& deck);
    void recordAnswer();
    void tally();
    void endTest();
    bool deckHasCards();
    void letPendingEventsRun();
    void reportError(const modDB::DbError& error);

    Services m_svc;
    TestHost m_host;
    TestScreen* m_screen;
    ResultsView* m_results;
    TestOptions* m_options;
    StudyObjectives* m_objectives;
    TestFields m_fields;
    DescriptionQuestion m_description;
    KeywordQuestion m_keyword;
    Question m_question;
    QElapsedTimer m_shown; // since the question stood on the screen
    bool m_busy = false;
};
