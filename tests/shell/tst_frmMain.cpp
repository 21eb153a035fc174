#include "platform/Dialogs.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"
#include "study/MemorizeView.h"
#include "study/StudyObjectives.h"
#include "support/Find.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

class TestFrmMain : public QObject {
    Q_OBJECT

    QTemporaryDir m_deck; // written once: writing and opening a deck take a while

    struct Fixture : MainWindowFixture {
        explicit Fixture(const QString& deckDir)
            : MainWindowFixture({}, false)
        {
            fakes.paths.exeDir = deckDir;
        }
    };

    static void clickTab(frmMain& w, int index)
    {
        QTest::mouseClick(w.SSTab1->tabBar(), Qt::LeftButton, {}, w.SSTab1->tabBar()->tabRect(index).center());
    }
    // Opens the deck of the ticked objectives from the Settings tab.
    static void memorize(frmMain& w)
    {
        clickTab(w, 1);
        QTest::mouseClick(w.cmdSetOption, Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase() { Fixtures::writeDeck(m_deck.path(), MainWindowFixture::smallDeck()); }

    void captionsMenusAndLinks()
    {
        Fixture f(m_deck.path());
        frmMain& w = f.load();
        QCOMPARE(w.windowTitle(), QStringLiteral("Lumenrest v1.0"));
        const QStringList tabs{" My Personal Goal ", "     Settings       ", "  Memorize Cards  ",
                               "      Take Test     ", "       Results        "};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w.SSTab1->tabText(i), tabs[i]);
        const QList<std::tuple<const char*, const char*, QString>> items{
            {"mnuTabGoals", "&My Personal Goals", {}}, {"mnuTabSettings", "Setings", {}}, {"mnuExit1", "&Exit", {}},
            {"mnuOnline", "&Online Help", modHelp::HelpPageUrl()}, {"mnuVisit", "&Visit Us Online", modHelp::HomePageUrl()},
            {"mnuUpdate", "Check for Software &Update", modHelp::UpdatePageUrl()}, {"mnuAbout", "&About Software", {}},
            {"mnuDonate", "Donate", modHelp::DonatePageUrl()}};
        for (const auto& [name, caption, url] : items) {
            auto* action = find<QAction>(&w, name);
            QCOMPARE(action->text(), QString::fromLatin1(caption));
            f.fakes.browser.opened.clear();
            if (!url.isEmpty() || action->objectName() == "mnuExit1") // which has no action
                action->trigger();
            QCOMPARE(f.fakes.browser.opened, url.isEmpty() ? QStringList{} : QStringList{url});
        }
        QVERIFY(w.isVisible());
        // "Donate" is a command on the menu bar itself, after the two menus.
        const auto bar = w.menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[0]->text() + bar[1]->text(), QStringLiteral("&File&Help"));
        QVERIFY(bar[2]->objectName() == "mnuDonate" && !bar[2]->menu());
        QCOMPARE(w.Label2->text(), QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic "
                                                  "to your site. Put your site's name &  link here."));
        QCOMPARE(w.cmdNav_1->text() + '/' + w.cmdReset->text(), QStringLiteral("Exit/Donate"));
        f.fakes.browser.opened.clear();
        QTest::mouseClick(w.cmdReset, Qt::LeftButton);
        QTest::mouseClick(find<QLabel>(&w, "Label6"), Qt::LeftButton);
        QTest::mouseClick(find<QLabel>(&w, "Label3"), Qt::LeftButton);
        QCOMPARE(f.fakes.browser.opened,
                 (QStringList{modHelp::DonatePageUrl(), modHelp::HomePageUrl(), modHelp::CoBrandPageUrl()}));
    }

    void tabPath_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("available");
        QTest::newRow("start-up; unavailable tabs ignore clicks") << "click:3 click:2" << 0 << "11000";
        QTest::newRow("memorize") << "memorize" << 2 << "11100";
        QTest::newRow("test") << "memorize select:3" << 3 << "11110";
        QTest::newRow("results") << "memorize select:3 select:4" << 4 << "11101";
        QTest::newRow("goals changes nothing") << "memorize select:3 click:0" << 0 << "11110";
        QTest::newRow("back to test after goals") << "memorize select:3 click:0 click:3" << 3 << "11110";
        QTest::newRow("settings by click") << "memorize select:3 click:1" << 1 << "11000";
        QTest::newRow("settings by menu") << "memorize select:3 select:4 menu:mnuTabSettings" << 1 << "11000";
        QTest::newRow("goals by menu") << "memorize menu:mnuTabGoals" << 0 << "11100";
        QTest::newRow("memorize closes test") << "memorize select:3 click:2" << 2 << "11100";
        QTest::newRow("results closes test") << "memorize select:3 select:4 click:3" << 4 << "11101";
        QTest::newRow("memorize from results") << "memorize select:3 select:4 click:2" << 2 << "11100";
    }

    void tabPath()
    {
        QFETCH(QString, steps);
        Fixture f(m_deck.path());
        frmMain& w = f.load();
        for (const QString& step : steps.split(' ')) {
            const QString arg = step.section(':', 1);
            if (step == "memorize")
                memorize(w);
            else if (step.startsWith("select:"))
                w.selectTab(arg.toInt());
            else if (step.startsWith("click:"))
                clickTab(w, arg.toInt());
            else
                find<QAction>(&w, arg)->trigger();
        }
        QTEST(w.SSTab1->currentIndex(), "current");
        QTEST(f.availability(), "available");
    }

    void deckHoldsTheChosenGroupsInOrder_data()
    {
        QTest::addColumn<QString>("groups"); // A major, a minor arcana, C W P S the suits
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("all") << "AaCWPS" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("major") << "ACWPS" << QList<int>{1, 2, 3};
        QTest::newRow("cups and swords") << "aCS" << QList<int>{4, 5, 8};
        QTest::newRow("major and wands") << "AaW" << QList<int>{1, 2, 3, 6};
        QTest::newRow("no arcana: the guard") << "CWPS" << QList<int>{};
    }

    void deckHoldsTheChosenGroupsInOrder()
    {
        QFETCH(QString, groups);
        QFETCH(QList<int>, ids);
        Fixture f(m_deck.path());
        frmMain& w = f.load();
        for (int i = 0; i < 4; ++i)
            w.objectives->chkGroup[i]->setChecked(groups.contains(QLatin1Char("CWPS"[i])));
        w.objectives->chkMajor->setChecked(groups.contains('A'));
        w.objectives->chkMinor->setChecked(groups.contains('a'));
        QCOMPARE(w.memorize->cmdNext->isEnabledTo(w.memorize), !ids.isEmpty()); // wired to the objectives' rule
        memorize(w);
        if (ids.isEmpty()) {
            QCOMPARE(f.fakes.dialogs.messages.size(), 1);
            const auto& m = f.fakes.dialogs.messages.first();
            QCOMPARE(m.text + '|' + m.caption, QStringLiteral("Select at least one option.|Lumenrest"));
            QCOMPARE(m.icon, Dialogs::Icon::None);
            QCOMPARE(w.SSTab1->currentIndex(), 1);
            QCOMPARE(f.availability(), QStringLiteral("11000"));
            QVERIFY(!modDB::CardConnection);
            return;
        }
        QCOMPARE(w.SSTab1->currentIndex(), 2);
        QList<int> read;
        auto& deck = *modDB::DeckRecordset;
        for (deck.MoveFirst(); !deck.AtEOF(); deck.MoveNext())
            read << int(deck.integer("ID"));
        QCOMPARE(read, ids);
        QCOMPARE(w.memorize->lblCardNameMemorize->text(), QStringLiteral("Card %1").arg(ids.first()));
    }

    void unreadableDatabaseKeepsUserOnSettings()
    {
        MainWindowFixture f; // a deck of its own, spoilt below
        frmMain& w = f.load();
        memorize(w); // a good deck first
        QFile file(modDB::cardDatabasePath(f.fakes.paths.dir.path()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(5000, 'x'));
        file.close();
        memorize(w);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.messages.first().icon, Dialogs::Icon::Critical);
        QVERIFY(f.fakes.dialogs.lastText().contains("could not be opened"));
        QCOMPARE(w.SSTab1->currentIndex(), 1);
        QCOMPARE(f.availability(), QStringLiteral("11000"));
        QVERIFY(!modDB::DeckRecordset && !modDB::CardConnection);
    }

    void startupSwitch_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("fromLogOn");
        QTest::newRow("none") << QStringList{"Lumenrest"} << false;
        QTest::newRow("exact") << QStringList{"Lumenrest", "/STARTUP"} << true;
        QTest::newRow("lower case") << QStringList{"Lumenrest", "/startup"} << false;
        QTest::newRow("between words") << QStringList{"Lumenrest", "-x", "/STARTUP", "y"} << true;
        QTest::newRow("inside a word") << QStringList{"Lumenrest", "a/STARTUPb"} << true;
        QTest::newRow("program path only") << QStringList{"/STARTUP/Lumenrest"} << false;
    }

    void startupSwitch()
    {
        MainWindowFixture f({}, false);
        QFETCH(QStringList, args);
        f.fakes.paths.args = args;
        QTEST(f.create().startedFromLogOn(), "fromLogOn");
    }

    // A path holding "<i>" is shown as written, not drawn as markup.
    void messageBoxesShowPlainText()
    {
        QtDialogs dialogs;
        Qt::TextFormat format = Qt::AutoText;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                format = box->textFormat();
                box->accept();
            }
        });
        poll.start(10);
        dialogs.message(nullptr, "/home/<i>ann</i>/goals.txt", "Lumenrest", Dialogs::Icon::Critical);
        QCOMPARE(format, Qt::PlainText);
    }

    void aboutBoxClosesByEscAndEnter()
    {
        Fixture f(m_deck.path());
        frmMain& w = f.load();
        QTimer guard; // never leave the test hanging
        QObject::connect(&guard, &QTimer::timeout, [] { QApplication::activeModalWidget()->close(); });
        guard.start(3000);
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            bool closed = false;
            QTimer::singleShot(0, &w, [&] {
                auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
                QVERIFY(box && box->parentWidget() == &w);
                QCOMPARE(box->windowTitle(), QStringLiteral("Lumenrest v1.0"));
                for (const char* part : {"1909", "Pamela Colman Smith", "public domain", "Rider-Waite-Smith"})
                    QVERIFY2(box->Label4->text().contains(QLatin1String(part)), part);
                QTest::keyClick(box, key);
                closed = !box->isVisible();
            });
            find<QAction>(&w, "mnuAbout")->trigger(); // modal: returns when the box closes
            QVERIFY(closed);
            QVERIFY(w.isVisible()); // only the box closed
        }
    }
};

LUMENREST_TEST_MAIN(TestFrmMain)
#include "tst_frmMain.moc"
