#include "shell/frmMain.h"

#include "cardstore/modDB.h"
#include "controls/TabPage.h"
#include "controls/WrapLabel.h"
#include "goals/GoalsScreen.h"
#include "platform/AppPaths.h"
#include "platform/AppTitle.h"
#include "platform/Browser.h"
#include "platform/Dialogs.h"
#include "shell/AccessSetup.h"
#include "shell/ClickLabel.h"
#include "shell/OpenForms.h"
#include "shell/ProgramIcon.h"
#include "shell/ProgressWiring.h"
#include "shell/StartupOptions.h"
#include "shell/TrayControl.h"
#include "shell/UserSettings.h"
#include "shell/frmAbout.h"
#include "shell/frmNagScreen.h"
#include "shell/modHelp.h"
#include "study/MemorizeView.h"
#include "study/StudyObjectives.h"
#include "testing/ResultsView.h"
#include "testing/TestOptions.h"
#include "testing/TestRun.h"
#include "testing/TestScreen.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

frmMain::frmMain(const Services& services, QWidget* parent)
    : QMainWindow(parent)
    , m_svc(services)
    , m_forms(std::make_shared<OpenForms>())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(AppCaption());
    setWindowIcon(ProgramIcon::icon());
    // Closed by UnloadAllForms even while hidden (in the tray, or before it is shown).
    m_forms->keep(this);

    auto* central = new QWidget(this);
    Label6 = new ClickLabel(tr("The Most Popular Online Mystic Discussion Forum. Best Resource For "
                               "Everything Mystic. Visit %1 Now")
                                .arg(modHelp::SiteAddress()),
                            central);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setWordWrap(true);

    SSTab1 = new QTabWidget(central);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    goals = new GoalsScreen(m_svc, SSTab1);
    SSTab1->addTab(goals, tr(" My Personal Goal "));
    SSTab1->addTab(buildSettingsTab(), tr("     Settings       "));
    memorize = new MemorizeView(m_svc.dialogs, SSTab1);
    SSTab1->addTab(memorize, tr("  Memorize Cards  "));
    testScreen = new TestScreen(m_svc.dialogs, SSTab1);
    SSTab1->addTab(testScreen, tr("      Take Test     "));
    resultsView = new ResultsView(m_svc.dialogs, SSTab1);
    SSTab1->addTab(resultsView, tr("       Results        "));

    Frame5 = new QGroupBox(tr("Co-Brand"), central);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    // A label without a buddy shows "&" as it is.
    Label2 = WrapLabel::plain("Label2",
                              tr("Co-brand this software for your site.  Increase loyalty and traffic to your "
                                 "site. Put your site's name &  link here."),
                              Frame5);
    Label3 = new ClickLabel(tr("Click Here for more info on Co-branding."), Frame5);
    Label3->setObjectName(QStringLiteral("Label3"));
    cmdNav_1 = new QPushButton(tr("Exit"), Frame5);
    cmdNav_1->setObjectName(QStringLiteral("cmdNav_1"));
    cmdReset = new QPushButton(tr("Donate"), Frame5);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    for (QLabel* link : {static_cast<QLabel*>(Label6), static_cast<QLabel*>(Label3)}) {
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
    }

    auto* coBrand = new QHBoxLayout(Frame5);
    auto* coBrandText = new QVBoxLayout;
    coBrandText->addWidget(Label2);
    coBrandText->addWidget(Label3);
    coBrand->addLayout(coBrandText, 1);
    coBrand->addWidget(cmdReset);
    coBrand->addWidget(cmdNav_1);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(Label6);
    layout->addWidget(SSTab1, 1);
    layout->addWidget(Frame5);
    setCentralWidget(central);
    buildMenus();
    resize(1000, 740);
    m_tray = new TrayControl(m_svc.tray, this);
    m_settings = std::make_unique<UserSettings>(AppSettings(*m_svc.settings, *m_svc.paths), *objectives,
                                                *testOptions, *startupOptions);

    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int index) {
        const int previous = m_currentTab;
        m_currentTab = index;
        SSTab1_Click(previous);
    });
    connect(objectives, &StudyObjectives::nextAllowed, memorize, &MemorizeView::setNextAllowed);
    connect(testOptions, &TestOptions::reversedAllowed, objectives, &StudyObjectives::setReversedAllowed);
    connect(cmdSetOption, &QPushButton::clicked, this, &frmMain::cmdSetOption_Click);
    connect(cmdSaveSettings, &QPushButton::clicked, this, [this] {
        if (const QString error = m_settings->cmdSaveSettings_Click(); !error.isEmpty())
            m_svc.dialogs->message(this, AppSettings::saveFailedMessage(error), AppTitle(), Dialogs::Icon::Critical);
    });
    testRun = new TestRun(m_svc,
                          {[this](const QString& query) { return openDeck(query); }, [this](int tab) { selectTab(tab); },
                           [this](int tab, bool on) { SSTab1->setTabEnabled(tab, on); },
                           [this] { memorize->setNextAllowed(true); }},
                          testScreen, resultsView, testOptions, objectives, this);
    connect(cmdStartTest2, &QPushButton::clicked, testRun, &TestRun::cmdStartTest2_Click);
    connect(memorize, &MemorizeView::testRequested, testRun, &TestRun::cmdStartTest_Click);
    m_progress = new ProgressWiring(m_svc, m_tray, testRun, testScreen, goals, this);
    connect(resultsView, &ResultsView::progressRequested, m_progress, &ProgressWiring::showProgressWindow);
    connect(cmdNav_1, &QPushButton::clicked, this, [this] { cmdNav_Click(1); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { modHelp::OpenDonatePage(*m_svc.browser); });
    connect(Label6, &ClickLabel::clicked, this, [this] { modHelp::OpenHomePage(*m_svc.browser); });
    connect(Label3, &ClickLabel::clicked, this, [this] { modHelp::OpenCoBrandPage(*m_svc.browser); });
    AccessSetup::prepare(*this);
}

frmMain::~frmMain() = default;

QWidget* frmMain::buildSettingsTab()
{
    auto* page = new TabPage;
    page->setObjectName(QStringLiteral("tabSettings"));
    objectives = new StudyObjectives(page);
    testOptions = new TestOptions(page);
    startupOptions = new StartupOptions(m_svc, page);
    cmdSetOption = new QPushButton(tr("Memorize Meaning / Keywords"), page);
    cmdSetOption->setObjectName(QStringLiteral("cmdSetOption"));
    cmdStartTest2 = new QPushButton(tr("Test Me"), page);
    cmdStartTest2->setObjectName(QStringLiteral("cmdStartTest2"));
    cmdSaveSettings = new QPushButton(tr("Save Current Settings As Default"), page);
    cmdSaveSettings->setObjectName(QStringLiteral("cmdSaveSettings"));

    auto* frames = new QHBoxLayout;
    frames->addWidget(objectives, 1);
    frames->addWidget(testOptions, 1);
    frames->addWidget(startupOptions, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSetOption);
    buttons->addWidget(cmdStartTest2);
    buttons->addStretch(1);
    buttons->addWidget(cmdSaveSettings);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(frames, 1);
    layout->addLayout(buttons);
    return page;
}

void frmMain::buildMenus()
{
    auto action = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QLatin1String(name)); };

    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    connect(action(mnuFile, "mnuTabGoals", tr("&My Personal Goals")), &QAction::triggered, this,
            &frmMain::mnuTabGoals_Click);
    connect(action(mnuFile, "mnuTabSettings", tr("Setings")), &QAction::triggered, this,
            &frmMain::mnuTabSettings_Click);
    connect(action(mnuFile, "mnuProgress", tr("My &Progress")), &QAction::triggered, this,
            [this] { m_progress->showProgressWindow(); });
    separator(mnuFile, "mnuFileSep");
    action(mnuFile, "mnuExit1", tr("&Exit")); // has no action

    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(action(mnuHelp, "mnuOnline", tr("&Online Help")), &QAction::triggered, this,
            [this] { modHelp::OpenHelpPage(*m_svc.browser); });
    connect(action(mnuHelp, "mnuVisit", tr("&Visit Us Online")), &QAction::triggered, this,
            [this] { modHelp::OpenHomePage(*m_svc.browser); });
    separator(mnuHelp, "mnuHelpSep1");
    connect(action(mnuHelp, "mnuUpdate", tr("Check for Software &Update")), &QAction::triggered, this,
            [this] { modHelp::OpenUpdatePage(*m_svc.browser); });
    separator(mnuHelp, "mnuHelpSep2");
    connect(action(mnuHelp, "mnuAbout", tr("&About Software")), &QAction::triggered, this,
            &frmMain::mnuAbout_Click);

    QAction* donate = menuBar()->addAction(tr("Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    connect(donate, &QAction::triggered, this, [this] { modHelp::OpenDonatePage(*m_svc.browser); });
}

bool frmMain::Form_Load()
{
    const QString database = modDB::cardDatabasePath(m_svc.paths->executableDir());
    if (!QFileInfo::exists(database)) {
        m_svc.dialogs->message(this, tr("Required files missing. Please reinstall %1").arg(AppTitle()),
                               tr("ERROR !"), Dialogs::Icon::Critical);
        UnloadAllForms();
        return false;
    }
    InitGoals();
    LoadSettings();
    applyStartupRegistration();
    for (int tab : {TabMemorize, TabTest, TabResults})
        SSTab1->setTabEnabled(tab, false);
    // Read once the window is up (or in the tray), so start-up never waits for the answer log.
    m_progress->readAfterStart();
    // Without a tray the window stays in sight: there would be no way back to it.
    if (startedFromLogOn() && startupOptions->startInTray() && MinimizeToTray())
        return true;
    SSTab1->setCurrentIndex(TabGoals);
    show();
    return true;
}

bool frmMain::startedFromLogOn() const
{
    // Anywhere on the command line, letter case as written.
    return m_svc.paths->arguments().mid(1).join(QLatin1Char(' ')).contains(QStringLiteral("/STARTUP"));
}

void frmMain::InitGoals()
{
    goals->InitGoals();
}

void frmMain::LoadSettings()
{
    m_settings->LoadSettings();
}

void frmMain::applyStartupRegistration()
{
    startupOptions->loadRegistration();
}

bool frmMain::MinimizeToTray()
{
    return m_tray->MinimizeToTray();
}

void frmMain::RemoveTrayIcon()
{
    m_tray->RemoveTrayIcon();
}

void frmMain::SSTab1_Click(int PreviousTab)
{
    if (PreviousTab == TabTest && SSTab1->currentIndex() != TabTest)
        m_progress->testLeft();
    switch (SSTab1->currentIndex()) {
    case TabGoals:
        m_progress->goalsShown();
        break;
    case TabSettings:
        for (int tab : {TabMemorize, TabTest, TabResults})
            SSTab1->setTabEnabled(tab, false);
        break;
    case TabMemorize:
        memorize->prepare();
        SSTab1->setTabEnabled(TabTest, false);
        SSTab1->setTabEnabled(TabResults, false);
        break;
    case TabTest:
        SSTab1->setTabEnabled(TabResults, false);
        testScreen->focusPicture();
        break;
    case TabResults:
        SSTab1->setTabEnabled(TabTest, false);
        break;
    default:
        break;
    }
}

void frmMain::selectTab(int index)
{
    SSTab1->setTabEnabled(index, true);
    SSTab1->setCurrentIndex(index);
}

void frmMain::mnuTabGoals_Click()
{
    SSTab1->setCurrentIndex(TabGoals);
}

void frmMain::mnuTabSettings_Click()
{
    SSTab1->setCurrentIndex(TabSettings);
}

void frmMain::mnuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::cmdNav_Click(int Index)
{
    Q_UNUSED(Index);
    close();
}

bool frmMain::openDeck(const QString& query)
{
    const QString path = modDB::cardDatabasePath(m_svc.paths->executableDir());
    try {
        modDB::OpenCardDatabase(modDB::CardConnection, path);
        modDB::OpenRecordset(modDB::DeckRecordset, modDB::CardConnection, query);
        modDB::RequireCardFields(*modDB::DeckRecordset, path);
        return true;
    } catch (const modDB::DbError& e) {
        // No stale deck stays in use after a failed open.
        modDB::DeckRecordset.reset();
        modDB::CardConnection.reset();
        m_svc.dialogs->message(this, QString::fromUtf8(e.what()), AppTitle(), Dialogs::Icon::Critical);
        return false;
    }
}

void frmMain::cmdSetOption_Click()
{
    if (!objectives->anyArcana()) {
        m_svc.dialogs->message(this, tr("Select at least one option."), AppTitle(), Dialogs::Icon::None);
        return;
    }
    if (!openDeck(objectives->BuildCardQuery()))
        return;
    selectTab(TabMemorize);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Closing is never cancelled or turned into hiding.
    event->accept();
    // Unloaded once: UnloadAllForms must not close it (and remind the user) again.
    m_forms->forget(this);
    Form_Unload();
}

void frmMain::Form_Unload()
{
    RemoveTrayIcon();
    frmNagScreen::showReminder(m_svc, m_forms);
}

void frmMain::UnloadAllForms()
{
    m_forms->UnloadAllForms();
}
