#pragma once
#include "platform/Services.h"
#include "shell/MainTabs.h"

#include <QMainWindow>

#include <memory>

class ClickLabel;
class OpenForms;
class GoalsScreen;
class MemorizeView;
class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class ResultsView;
class StartupOptions;
class StudyObjectives;
class TestOptions;
class TrayControl;
class UserSettings;
class TestRun;
class TestScreen;
class ProgressWiring;

// The main window: five tabs on a forward-only path, the menus and the Co-Brand frame.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    using enum MainTab;

    explicit frmMain(const Services& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // The start-up sequence; false when the program must end at once.
    bool Form_Load();
    bool startedFromLogOn() const;
    // A program selection: the tab becomes available and is selected.
    void selectTab(int index);
    // Closes every window of the program, this one too even while it is hidden.
    void UnloadAllForms();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SSTab1_Click(int PreviousTab);
    void mnuTabGoals_Click();
    void mnuTabSettings_Click();
    void mnuAbout_Click();
    void cmdNav_Click(int Index);
    void cmdSetOption_Click();

    // Opens the card database and the deck of the query; on failure the user is told why
    // and no deck stays open.
    bool openDeck(const QString& query);

    void buildMenus();
    QWidget* buildSettingsTab();
    void Form_Unload();
    void InitGoals();
    void LoadSettings();
    void applyStartupRegistration();
    bool MinimizeToTray();
    void RemoveTrayIcon();

    QTabWidget* SSTab1;
    ClickLabel* Label6;
    QGroupBox* Frame5;
    QLabel* Label2;
    ClickLabel* Label3;
    QPushButton* cmdNav_1;
    QPushButton* cmdReset;

    StudyObjectives* objectives;
    TestOptions* testOptions;
    StartupOptions* startupOptions;
    QPushButton* cmdSetOption;
    QPushButton* cmdStartTest2;
    QPushButton* cmdSaveSettings;
    GoalsScreen* goals;
    MemorizeView* memorize;
    TestScreen* testScreen;
    ResultsView* resultsView;
    TestRun* testRun;
    // The answer log, the Progress window, the due-cards note and "Cards known today".
    ProgressWiring* m_progress;

    Services m_svc;
    std::shared_ptr<OpenForms> m_forms;
    int m_currentTab = 0;
    TrayControl* m_tray;
    std::unique_ptr<UserSettings> m_settings;
};
