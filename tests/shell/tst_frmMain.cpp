#include "platform/Dialogs.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include <QAction>
#include <QTreeWidget>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

class TestFrmMain : public QObject {
    Q_OBJECT

    QTemporaryDir m_deck; // written once: writing and opening a deck take a while

    struct Fixture : MainWindowFixture {
        explicit Fixture(const QString& deckDir) : MainWindowFixture({}, false) { fakes.paths.exeDir = deckDir; }
        void clickTab(int index) const
        {
            QTest::mouseClick(tabs()->tabBar(), Qt::LeftButton, {}, tabs()->tabBar()->tabRect(index).center());
        }
        // Opens the deck of the ticked objectives from the Settings tab.
        void memorize() const
        {
            clickTab(frmMain::TabSettings);
            click("cmdSetOption");
        }
    };

private Q_SLOTS:
    // Every fixed caption of the main window, exactly, blanks and odd spellings included.
    void captions()
    {
        Fixture f(m_deck.path());
        frmMain& w = f.load();
        const std::pair<const char*, QString> expected[] = {
            {"frmMain", "Lumenrest v1.0"}, {"GoalsScreen", " My Personal Goal "},
            {"tabSettings", "     Settings       "}, {"tabMemorize", "  Memorize Cards  "},
            {"tabTest", "      Take Test     "}, {"tabResults", "       Results        "}, {"mnuFile", "&File"},
            {"mnuTabGoals", "&My Personal Goals"}, {"mnuTabSettings", "Setings"}, {"mnuExit1", "&Exit"},
            {"mnuHelp", "&Help"}, {"mnuOnline", "&Online Help"}, {"mnuVisit", "&Visit Us Online"},
            {"mnuUpdate", "Check for Software &Update"}, {"mnuAbout", "&About Software"}, {"mnuDonate", "Donate"},
            {"mnuShow", "Show"}, {"mnuExit", "Exit"},
            {"Label6", "The Most Popular Online Mystic Discussion Forum. Best Resource For Everything Mystic. "
                "Visit " + modHelp::SiteAddress() + " Now"}, {"Frame5", "Co-Brand"},
            {"Label2", "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
                "site's name &  link here."}, {"Label3", "Click Here for more info on Co-branding."},
            {"cmdNav_1", "Exit"}, {"cmdReset", "Donate"}, {"Frame4", "Select Objectives"}, {"chkMajor", "Major Arcana"},
            {"chkMinor", "Minor Arcana"}, {"chkGroup_0", "Cups"}, {"chkGroup_1", "Wands"}, {"chkGroup_2", "Pentacles"},
            {"chkGroup_3", "Swords"}, {"chkReversed", "Reversed"},
            {"Label18", "Here you can select the cards you want to practice / memorize. You can change these whenever "
                "you want or when you have cleared one objective."},
            {"Label21", "Since the keywords for both upright & reversed are the same, during keyword test, reversed or "
                "upright will not be taken into account. Also during the memorizing process everything - upright, "
                "reversed & keywords - are shown in one screen."}, {"cmdSetOption", "Memorize Meaning / Keywords"},
            {"cmdStartTest2", "Test Me"}, {"cmdSaveSettings", "Save Current Settings As Default"},
            {"Frame2", "Test Type"}, {"optTestType_0", "Description"}, {"optTestType_1", "Keywords"},
            {"Frame1", "Test Level"}, {"optDifficulty_0", "Beginner"}, {"optDifficulty_1", "Intermediate"},
            {"optDifficulty_2", "Advanced"}, {"fraSystemTray", "Run on Windows Start-Up"},
            {"optRun", "Run at start-up"}, {"optDontRun", "Don't run at start-up"},
            {"chkSysTray", "Start at system tray"}, {"lblCardNameMemorize", "Card Name"}, {"Label9", "Card Meaning :"},
            {"Label17", "Reverse Meaning"}, {"Label8", "Keywords (same for both)"}, {"cmdNext", "Next >>"},
            {"cmdPrevious", "<< Previous"}, {"cmdStartTest", "Test Me"},
            {"lblMaxKeyword", "You must choose 3 keywords"}, {"cmdNextQuestion", "Next Question"},
            {"Command5", "Save Current Result"}, {"ListView1", "Goals"}, {"optGoals_0", "View Current Goals"},
            {"optGoals_1", "View Achieved Goals"}, {"cmdNewGoal", "Set New Goals"},
            {"cmdSaveGoals", "Save / Update Goal"}, {"cmdDeleteGoals", "Delete Selected Goals"},
            {"cmdMarkAchived", "Mark Selected Goals As Achieved"}, {"Frame3", "Goal Timer"},
            {"lblPercentageCaption", "Select  Achieved Percentage Of Goal"},
            {"lblDayCountCaption", "Total Day(s) To Achieve Goal"},
            {"lblDaysRemainingCaption", "Day(s) Remaining To Achieve Goal"},
            {"Label10", "It is important to set goals and targets to be able to see and measure your achievements. "
                "This seemingly small task will yield tremendous results, when taken seriously. Setting goals will "
                "help you keep a clear, focussed and dedicated mindset towards fulfilling your aims in life. "}};
        for (const auto& [name, caption] : expected) {
            QObject* o = QLatin1String(name) == QLatin1String("frmMain") ? &w : find<QObject>(&w, name);
            // A window shows its title, a tab page its tab's text, a tree its header; buttons, labels
            // and actions their "text", group boxes and menus their "title".
            const int tab = f.tabs()->indexOf(qobject_cast<QWidget*>(o));
            const auto* tree = qobject_cast<QTreeWidget*>(o);
            QCOMPARE(o == &w ? w.windowTitle() : tab >= 0 ? f.tabs()->tabText(tab) : tree ? tree->headerItem()->text(0)
                                 : o->property(o->property("text").isValid() ? "text" : "title").toString(), caption);
        }
    }

    void initTestCase() { Fixtures::writeDeck(m_deck.path(), MainWindowFixture::smallDeck()); }

    // The menus' and the links' pages; "Donate" on the menu bar; the About box.
    void menusAndLinks()
    {
        Fixture f(m_deck.path());
        frmMain& w = f.load();
        const std::pair<const char*, QString> links[] = {
            {"mnuOnline", modHelp::HelpPageUrl()},  {"mnuVisit", modHelp::HomePageUrl()},
            {"mnuUpdate", modHelp::UpdatePageUrl()}, {"mnuDonate", modHelp::DonatePageUrl()},
            {"cmdReset", modHelp::DonatePageUrl()},
            {"Label6", modHelp::HomePageUrl()},      {"Label3", modHelp::CoBrandPageUrl()}};
        for (const auto& [name, url] : links) {
            f.fakes.browser.opened.clear();
            if (auto* action = w.findChild<QAction*>(name))
                action->trigger();
            else
                QTest::mouseClick(f.get(name), Qt::LeftButton);
            QCOMPARE(f.fakes.browser.opened, QStringList{url});
        }
        // "Donate" is a command on the menu bar itself, after the two menus.
        const auto bar = w.menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QVERIFY(bar[0]->menu() && bar[1]->menu() && bar[2]->objectName() == "mnuDonate" && !bar[2]->menu());
        // "About" opens its box, which Esc and Enter close.
        QTimer guard; // never leave the test hanging
        QObject::connect(&guard, &QTimer::timeout, [] { QApplication::activeModalWidget()->close(); });
        guard.start(3000);
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            bool closed = false;
            QTimer::singleShot(0, &w, [&] {
                auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
                QTest::keyClick(box, key);
                closed = box->parentWidget() == &w && !box->isVisible();
            });
            find<QAction>(&w, "mnuAbout")->trigger(); // modal: returns when the box closes
            QVERIFY(closed && w.isVisible()); // only the box closed, and the links closed nothing
        }
    }

    void tabPath_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("available");
        QTest::newRow("start-up; unavailable tabs ignore clicks") << "click:3 click:2" << 0 << "11000";
        QTest::newRow("memorize") << "memorize" << 2 << "11100";
        QTest::newRow("test") << "memorize select:3" << 3 << "11110";
        QTest::newRow("goals changes nothing") << "memorize select:3 click:0 menu:mnuTabGoals" << 0 << "11110";
        QTest::newRow("settings by menu") << "memorize select:3 select:4 menu:mnuTabSettings" << 1 << "11000";
        QTest::newRow("memorize closes test") << "memorize select:3 click:2" << 2 << "11100";
    }

    void tabPath()
    {
        QFETCH(QString, steps);
        Fixture f(m_deck.path());
        frmMain& w = f.load();
        for (const QString& step : steps.split(' ')) {
            const QString arg = step.section(':', 1);
            if (step == "memorize")
                f.memorize();
            else if (step.startsWith("select:"))
                w.selectTab(arg.toInt());
            else if (step.startsWith("click:"))
                f.clickTab(arg.toInt());
            else
                find<QAction>(&w, arg)->trigger();
        }
        QTEST(f.tabs()->currentIndex(), "current");
        QTEST(f.availability(), "available");
    }

    void deckHoldsTheChosenGroupsInOrder_data()
    {
        QTest::addColumn<QString>("groups"); // A major, a minor arcana, C W P S the suits
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("cups and swords") << "aCS" << QList<int>{4, 5, 8};
        QTest::newRow("no arcana: the guard") << "CWPS" << QList<int>{};
    }

    void deckHoldsTheChosenGroupsInOrder()
    {
        QFETCH(QString, groups);
        QFETCH(QList<int>, ids);
        Fixture f(m_deck.path());
        f.load();
        const char* boxes[] = {"chkGroup_0", "chkGroup_1", "chkGroup_2", "chkGroup_3", "chkMajor", "chkMinor"};
        for (int i = 0; i < 6; ++i)
            f.get<QCheckBox>(boxes[i])->setChecked(groups.contains(QLatin1Char("CWPSAa"[i])));
        f.get<QCheckBox>("chkReversed")->setChecked(false); // no part in the deck
        QCOMPARE(f.get("cmdNext")->isEnabledTo(f.get("tabMemorize")), !ids.isEmpty()); // wired to the objectives' rule
        f.memorize();
        if (ids.isEmpty()) {
            const auto& m = f.fakes.dialogs.messages.value(0);
            QCOMPARE(m.text + '|' + m.caption, QStringLiteral("Select at least one option.|Lumenrest"));
            QVERIFY(m.icon == Dialogs::Icon::None && f.availability() == "11000" && !modDB::CardConnection);
            return;
        }
        QList<int> read;
        auto& deck = *modDB::DeckRecordset;
        for (deck.MoveFirst(); !deck.AtEOF(); deck.MoveNext())
            read << int(deck.integer("ID"));
        QCOMPARE(read, ids);
        QCOMPARE(f.get<QLabel>("lblCardNameMemorize")->text(), QStringLiteral("Card %1").arg(ids.first()));
    }

    // A path holding "<i>" is shown as written, not drawn as markup.
    void messageBoxesShowPlainText()
    {
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            format = box->textFormat();
            box->accept();
        });
        QtDialogs().message(nullptr, "/home/<i>ann</i>/goals.txt", "Lumenrest", Dialogs::Icon::Critical);
        QCOMPARE(format, Qt::PlainText);
    }
};

LUMENREST_TEST_MAIN(TestFrmMain)
#include "tst_frmMain.moc"
