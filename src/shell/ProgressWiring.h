#pragma once
// The learner's progress as the main window uses it: the answer log fed by the test run, the
// Progress window with its review panel (made on first use), the due-cards note in the tray
// and the goals tab's "Cards known today". Nothing of progress.sqlite is read until asked.

#include "platform/Services.h"

#include <QObject>

class GoalsScreen;
class QWidget;
class TestRun;
class TestScreen;
class TrayControl;
class frmProgress;
namespace progress {
class ProgressService;
class ReviewPanel;
}

class ProgressWiring : public QObject {
    Q_OBJECT
public:
    // window: the main window, owner of this and parent of the Progress window.
    ProgressWiring(const Services& services, TrayControl* tray, TestRun* testRun, TestScreen* testScreen,
                   GoalsScreen* goals, QWidget* window);

    // Replays the log once the event loop runs, then fills "Cards known today".
    void readAfterStart();
    // The goals tab is shown: its line catches up with the answers given meanwhile.
    void goalsShown();
    // "My Progress": the one Progress window, made on first use.
    void showProgressWindow();
    // The Test tab was left: the test is over, ended or abandoned.
    void testLeft();

private:
    void showMeasured();
    void setTestRunning(bool running);

    Services m_svc;
    TestRun* m_testRun;
    GoalsScreen* m_goals;
    QWidget* m_window;
    progress::ProgressService* m_service;
    frmProgress* m_progressWindow = nullptr;
    progress::ReviewPanel* m_reviewPanel = nullptr;
    bool m_measuredStale = false; // answers given since "Cards known today" was shown
    bool m_testRunning = false;
};
