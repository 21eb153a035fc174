#include "testing/TestRun.h"

#include "cardstore/PictureBox.h"
#include "cardstore/modDB.h"
#include "platform/AppTitle.h"
#include "platform/Dialogs.h"
#include "platform/Random.h"
#include "study/DeckQuery.h"
#include "study/StudyObjectives.h"
#include "testing/ResultsView.h"
#include "testing/TestDraws.h"
#include "testing/TestOptions.h"
#include "testing/TestReport.h"
#include "testing/TestScreen.h"
#include "shell/MainTabs.h"

#include <QCoreApplication>

#include <algorithm>

using modGlobals::IsInLongArray;
using modGlobals::IsLongArrayInitialised;

namespace {
// Marks a question under construction; handlers that run meanwhile do nothing.
class BusyScope {
public:
    explicit BusyScope(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~BusyScope() { m_flag = false; }

private:
    bool& m_flag;
};
} // namespace

TestRun::TestRun(const Services& services, TestHost host, TestScreen* screen, ResultsView* results,
                 TestOptions* options, StudyObjectives* objectives, QObject* parent)
    : QObject(parent)
    , m_svc(services)
    , m_host(std::move(host))
    , m_screen(screen)
    , m_results(results)
    , m_options(options)
    , m_objectives(objectives)
    , m_description(m_fields, *services.random, [this] { letPendingEventsRun(); })
    , m_keyword(m_fields, *services.random)
{
    connect(m_screen, &TestScreen::nextQuestionRequested, this, &TestRun::cmdNextQuestion_Click);
}

void TestRun::letPendingEventsRun()
{
    // Paint and timer events only: a click or a key waits until the question stands, so no
    // handler can start another draw or replace the deck under this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TestRun::reportError(const modDB::DbError& error)
{
    m_svc.dialogs->message(m_screen, QString::fromUtf8(error.what()), AppTitle(), Dialogs::Icon::Critical);
}

bool TestRun::deckHasCards()
{
    auto& deck = modDB::DeckRecordset;
    if (deck) {
        deck->setFilter(QString());
        if (deck->RecordCount() > 0)
            return true;
    }
    m_svc.dialogs->message(m_screen,
                           tr("There are no cards to test: the chosen objectives select no card of the "
                                          "card database."),
                           AppTitle(), Dialogs::Icon::Exclamation);
    return false;
}

void TestRun::cmdStartTest2_Click()
{
    if (m_busy)
        return;
    if (!m_objectives->anyArcana()) {
        m_svc.dialogs->message(m_screen, tr("Select at least one option."), AppTitle(),
                               Dialogs::Icon::None);
        return;
    }
    startFromSettings(m_objectives->BuildCardQuery());
}

void TestRun::startDrill(const QList<int>& cardIds)
{
    if (m_busy)
        return;
    // As if the learner went to the Settings tab and clicked "Test Me" there.
    m_host.selectTab(TabSettings);
    if (!m_objectives->anyArcana())
        m_host.allowMemorizeNext();
    startFromSettings(DeckQuery::drill(cardIds));
}

void TestRun::startFromSettings(const QString& query)
{
    if (!m_host.openDeck(query))
        return;
    try {
        if (!deckHasCards())
            return;
    } catch (const modDB::DbError& e) {
        reportError(e);
        return;
    }
    m_host.setTabAvailable(TabMemorize, true);
    m_host.selectTab(TabTest);
    m_screen->bringToFront(m_options->isDescription());
    cmdStartTest_Click();
}

void TestRun::cmdStartTest_Click()
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);
    try {
        if (!deckHasCards())
            return;
        startTest();
    } catch (const modDB::DbError& e) {
        reportError(e);
    }
}

void TestRun::startTest()
{
    m_screen->bringToFront(m_options->isDescription());
    m_fields.CorrectCount = 0;
    m_fields.AskedCardIDs.reset();
    m_fields.QuestionScores.reset();
    m_fields.KeywordSlots.reset();
    m_fields.ReversedFlags.reset();
    m_fields.ChoiceCounts.reset();
    m_fields.FirstQuestion = true;
    m_screen->clearOrientation();
    m_fields.QuestionNo = 0;
    m_svc.random->Randomize();
    Q_EMIT testStarted(m_options->isDescription() ? TestType::Description : TestType::Keywords,
                       m_options->difficulty(), modDB::DeckRecordset->RecordCount());
    questionCycle();
}

void TestRun::cmdNextQuestion_Click()
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);
    try {
        questionCycle();
    } catch (const modDB::DbError& e) {
        reportError(e);
    }
}

void TestRun::questionCycle()
{
    // Held here, so the rows stay alive for the whole cycle whatever happens meanwhile.
    const std::shared_ptr<modDB::Recordset> deck = modDB::DeckRecordset;
    const std::shared_ptr<modDB::Connection> connection = modDB::CardConnection;
    if (!deck || !connection) {
        deckHasCards();
        return;
    }
    TestFields& f = m_fields;
    m_host.setTabAvailable(TabTest, true);
    m_screen->holdNextQuestion();

    deck->setFilter(QString());
    ++f.QuestionNo;
    if (!f.FirstQuestion) {
        recordAnswer();
        if (f.QuestionNo - 1 >= deck->RecordCount()) {
            endTest();
            return;
        }
    }
    if (deck->RecordCount() == 0) {
        deckHasCards();
        return;
    }

    drawNextCard(*deck);
    if (m_options->isDescription())
        m_question = m_description.BuildDescriptionQuestion(*deck, connection, m_options->difficulty(),
                                                            m_objectives->reversedTicked());
    else
        m_question = m_keyword.BuildKeywordQuestion(*deck, connection, m_options->difficulty());
    m_screen->showQuestion(m_question, *deck);

    m_host.selectTab(TabTest);
    f.FirstQuestion = false;
    m_screen->focusPicture();
    m_shown.start();
}

void TestRun::drawNextCard(modDB::Recordset& deck)
{
    // A card not asked yet; after n fruitless draws the card last drawn is asked again.
    TestFields& f = m_fields;
    int tries = 0;
    int n = 0;
    do {
        deck.MoveFirst();
        n = deck.RecordCount();
        deck.Move(TestDraws::index(*m_svc.random, n));
        f.CurrentCardID = qint32(deck.integer(QStringLiteral("ID")));
        letPendingEventsRun();
        deck.setFilter(QString());
        ++tries;
        n = deck.RecordCount();
    } while (IsInLongArray(f.CurrentCardID, f.AskedCardIDs) && tries < n);
}

void TestRun::recordAnswer()
{
    TestFields& f = m_fields;
    if (!IsLongArrayInitialised(f.AskedCardIDs)) {
        f.AskedCardIDs = std::vector<qint32>(1, 0);
        f.QuestionScores = std::vector<qint32>(1, 0);
        f.ReversedFlags = std::vector<bool>(1, false);
        f.ChoiceCounts = std::vector<qint32>(1, 0);
    } else {
        f.AskedCardIDs->push_back(0);
        f.QuestionScores->push_back(0);
        f.ReversedFlags->push_back(false);
        f.ChoiceCounts->push_back(0);
    }
    f.AskedCardIDs->back() = f.CurrentCardID;
    f.ReversedFlags->back() = f.CurrentReversed;
    Answer answer = judge(m_question, m_screen->chosenOption(), m_screen->tickedBoxes());
    answer.seconds = double(m_shown.elapsed()) / 1000.0;
    answer.answeredAt = QDateTime::currentDateTimeUtc();
    f.QuestionScores->back() = answer.score;
    f.ChoiceCounts->back() = answer.maxScore;
    Q_EMIT answerRecorded(m_question, answer);
}

void TestRun::tally()
{
    // A keyword test is tallied by the report, question by question.
    if (m_options->isDescription() && m_fields.QuestionScores)
        m_fields.CorrectCount = qint32(std::count(m_fields.QuestionScores->begin(), m_fields.QuestionScores->end(), 1));
}

void TestRun::endTest()
{
    tally();
    m_host.selectTab(TabResults);
    ShowTestReport();
    Q_EMIT testEnded();
    m_svc.dialogs->message(m_results, tr("Test Complete"), AppTitle(), Dialogs::Icon::Information);
}

void TestRun::ShowTestReport()
{
    TestFields& f = m_fields;
    modDB::Recordset cards(modDB::CardConnection, QStringLiteral("SELECT * FROM tblCards"));
    TestReportInput input;
    input.description = m_options->isDescription();
    input.appTitle = AppTitle();
    input.correctCount = f.CorrectCount;
    if (modDB::DeckRecordset) {
        modDB::DeckRecordset->setFilter(QString());
        input.deckSize = modDB::DeckRecordset->RecordCount();
    }
    const std::size_t questions = f.AskedCardIDs ? f.AskedCardIDs->size() : 0;
    for (std::size_t i = 0; i < questions; ++i) {
        TestReportLine line;
        cards.MoveFirst();
        cards.setFilter(QStringLiteral("ID=%1").arg((*f.AskedCardIDs)[i]));
        if (!cards.AtEOF())
            line.name = cards.text(QStringLiteral("Name"));
        line.reversed = (*f.ReversedFlags)[i];
        line.score = (*f.QuestionScores)[i];
        line.outOf = (*f.ChoiceCounts)[i];
        input.lines << line;
    }
    const TestReportResult report = TestReport::build(input);
    f.CorrectCount = report.correctCount;
    m_results->showReport(report.text, report.summary);
}
