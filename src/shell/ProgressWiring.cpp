#include "shell/ProgressWiring.h"

#include "goals/GoalsScreen.h"
#include "platform/AppPaths.h"
#include "progress/CardThumbnails.h"
#include "progress/ProgressService.h"
#include "progress/ReviewPanel.h"
#include "progress/frmProgress.h"
#include "shell/DueReminder.h"
#include "testing/TestRun.h"
#include "testing/TestScreen.h"

#include <QTimer>

ProgressWiring::ProgressWiring(const Services& services, TrayControl* tray, TestRun* testRun, TestScreen* testScreen,
                               GoalsScreen* goals, QWidget* window)
    : QObject(window)
    , m_svc(services)
    , m_testRun(testRun)
    , m_goals(goals)
    , m_window(window)
{
    // The store is opened with the first answer or the first look at the Progress window.
    m_service = new progress::ProgressService(
        *m_svc.clock, [paths = m_svc.paths]() -> QString { return paths->dataDir() + QStringLiteral("/progress.sqlite"); }, this);
    connect(testRun, &TestRun::testStarted, m_service, &progress::ProgressService::beginTest);
    connect(testRun, &TestRun::answerRecorded, m_service, &progress::ProgressService::recordAnswer);
    connect(testRun, &TestRun::testEnded, m_service, &progress::ProgressService::endTest);
    connect(testRun, &TestRun::testStarted, this, [this] { setTestRunning(true); });
    connect(testRun, &TestRun::testEnded, this, [this] { setTestRunning(false); });
    connect(m_service, &progress::ProgressService::problemChanged, testScreen, &TestScreen::showStoreProblem);
    // The goals tab's measured line follows every answer.
    // Replaying the log after every answer would slow the test: it is shown again when the tab is.
    connect(m_service, &progress::ProgressService::modelChanged, this, [this] { m_measuredStale = true; });
    auto* reminder = new DueReminder(
        m_svc, tray, [this]() -> const progress::MemoryModel& { return m_service->model(); }, {}, this);
    connect(reminder, &DueReminder::progressRequested, this, &ProgressWiring::showProgressWindow);
}

void ProgressWiring::readAfterStart()
{
    QTimer::singleShot(0, this, [this] {
        m_service->prepareModel();
        QTimer::singleShot(0, this, [this] { showMeasured(); });
    });
}

void ProgressWiring::goalsShown()
{
    if (m_measuredStale)
        showMeasured();
}

void ProgressWiring::showMeasured()
{
    m_measuredStale = false;
    m_goals->setMeasured(m_service->model());
}

void ProgressWiring::showProgressWindow()
{
    if (!m_progressWindow) {
        m_progressWindow = new frmProgress(m_svc, *m_service, m_window);
        connect(m_progressWindow, &frmProgress::drillRequested, m_testRun, &TestRun::startDrill);
        // Names from the card table: a card it lacks (an old backup) is left out of the lists.
        const frmProgress* window = m_progressWindow;
        m_reviewPanel = new progress::ReviewPanel([window](int id) {
            const CardThumbnails::Card* card = window->cards().card(id);
            return card ? card->name : QString();
        });
        m_progressWindow->addReviewPanel(m_reviewPanel);
        m_progressWindow->setTestRunning(m_testRunning);
        connect(m_reviewPanel, &progress::ReviewPanel::drillRequested, m_progressWindow, &frmProgress::requestDrill);
        // The window has just replayed the log: the panel reads the same model, not a new replay.
        connect(m_progressWindow, &frmProgress::refreshed, m_reviewPanel,
                [this] { m_reviewPanel->setModel(m_service->model()); });
    }
    m_progressWindow->showWindow();
}

void ProgressWiring::testLeft()
{
    setTestRunning(false);
}

void ProgressWiring::setTestRunning(bool running)
{
    m_testRunning = running;
    if (m_progressWindow)
        m_progressWindow->setTestRunning(running);
}
