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
#include <QPushButton>
#include <QTabBar>

class TestFrmMain : public QObject {
    Q_OBJECT

private:
    static void clickTab(frmMain& w, int index)
    {
        QTabBar* bar = w.SSTab1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    static void trigger(frmMain& w, const char* name) { find<QAction>(&w, QLatin1String(name))->trigger(); }

private Q_SLOTS:
    void captionsAndMenus()
    {
        MainWindowFixture f;
        frmMain& w = f.load();
        QCOMPARE(w.windowTitle(), QStringLiteral("Lumenrest v1.0"));
        const QStringList tabs{" My Personal Goal ", "     Settings       ", "  Memorize Cards  ",
                               "      Take Test     ", "       Results        "};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w.SSTab1->tabText(i), tabs[i]);
        const QList<QPair<const char*, const char*>> items{
            {"mnuTabGoals", "&My Personal Goals"}, {"mnuTabSettings", "Setings"}, {"mnuExit1", "&Exit"},
            {"mnuOnline", "&Online Help"}, {"mnuVisit", "&Visit Us Online"},
            {"mnuUpdate", "Check for Software &Update"}, {"mnuAbout", "&About Software"}, {"mnuDonate", "Donate"}};
        for (const auto& [name, caption] : items)
            QCOMPARE(find<QAction>(&w, name)->text(), QString::fromLatin1(caption));
        // "Donate" is a command on the menu bar itself, after the two menus.
        const auto bar = w.menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
        QCOMPARE(bar[1]->text(), QStringLiteral("&Help"));
        QCOMPARE(bar[2]->objectName(), QStringLiteral("mnuDonate"));
        QVERIFY(!bar[2]->menu());
        QCOMPARE(find<QLabel>(&w, "Label2")->text(),
                 QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                                "Put your site's name &  link here."));
        QCOMPARE(find<QLabel>(&w, "Label6")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(find<QPushButton>(&w, "cmdNav_1")->text(), QStringLiteral("Exit"));
        QCOMPARE(find<QPushButton>(&w, "cmdReset")->text(), QStringLiteral("Donate"));
    }

    void webLinksOpenTheirPages()
    {
        MainWindowFixture f;
        frmMain& w = f.load();
        trigger(w, "mnuOnline");
        trigger(w, "mnuVisit");
        trigger(w, "mnuUpdate");
        trigger(w, "mnuDonate");
        QTest::mouseClick(w.cmdReset, Qt::LeftButton);
        QTest::mouseClick(find<QLabel>(&w, "Label6"), Qt::LeftButton);
        QTest::mouseClick(find<QLabel>(&w, "Label3"), Qt::LeftButton);
        trigger(w, "mnuExit1"); // has no action
        const QStringList& opened = f.fakes.browser.opened;
        QCOMPARE(opened.size(), 7);
        QVERIFY(opened[0].contains("help"));
        QCOMPARE(opened[1], opened[5]);   // home page from the menu and from Label6
        QVERIFY(opened[2].contains("download"));
        QCOMPARE(opened[3], opened[4]);   // donate from the menu bar and the button
        QVERIFY(opened[6].contains("cobrand"));
        QVERIFY(w.isVisible());
    }

    void startUpWithoutDatabaseEnds()
    {
        MainWindowFixture f({}, false);
        frmMain& w = f.create();
        QVERIFY(!w.Form_Load());
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const auto& m = f.fakes.dialogs.messages.first();
        QCOMPARE(m.text, QStringLiteral("Required files missing. Please reinstall Lumenrest"));
        QCOMPARE(m.caption, QStringLiteral("ERROR !"));
        QCOMPARE(m.icon, Dialogs::Icon::Critical);
        QVERIFY(!w.isVisible());
        QVERIFY(!modDB::CardConnection);
    }

    void startUpShowsGoalsWithTwoTabs()
    {
        MainWindowFixture f;
        frmMain& w = f.load();
        QVERIFY(w.isVisible());
        QCOMPARE(w.SSTab1->currentIndex(), 0);
        QCOMPARE(f.availability(), QStringLiteral("11000"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        QVERIFY(!modDB::CardConnection); // the database is not opened at start
    }

    void tabPath_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("available");
        QTest::newRow("memorize") << QStringList{"memorize"} << 2 << "11100";
        QTest::newRow("test") << QStringList{"memorize", "select:3"} << 3 << "11110";
        QTest::newRow("results") << QStringList{"memorize", "select:3", "select:4"} << 4 << "11101";
        QTest::newRow("goals changes nothing") << QStringList{"memorize", "select:3", "click:0"} << 0 << "11110";
        QTest::newRow("back to test after goals") << QStringList{"memorize", "select:3", "click:0", "click:3"} << 3
                                                  << "11110";
        QTest::newRow("settings by click") << QStringList{"memorize", "select:3", "click:1"} << 1 << "11000";
        QTest::newRow("settings by menu") << QStringList{"memorize", "select:3", "select:4", "menu:mnuTabSettings"}
                                          << 1 << "11000";
        QTest::newRow("goals by menu") << QStringList{"memorize", "menu:mnuTabGoals"} << 0 << "11100";
        QTest::newRow("memorize closes test") << QStringList{"memorize", "select:3", "click:2"} << 2 << "11100";
        QTest::newRow("results closes test") << QStringList{"memorize", "select:3", "select:4", "click:3"} << 4
                                             << "11101";
        QTest::newRow("memorize from results") << QStringList{"memorize", "select:3", "select:4", "click:2"} << 2
                                               << "11100";
        QTest::newRow("unavailable tab ignores clicks") << QStringList{"click:3", "click:2"} << 0 << "11000";
    }

    void tabPath()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, current);
        QFETCH(QString, available);
        MainWindowFixture f;
        frmMain& w = f.load();
        for (const QString& step : steps) {
            const QString arg = step.section(':', 1);
            if (step == "memorize") {
                clickTab(w, 1);
                QTest::mouseClick(w.cmdSetOption, Qt::LeftButton);
            } else if (step.startsWith("select:")) {
                w.selectTab(arg.toInt());
            } else if (step.startsWith("click:")) {
                clickTab(w, arg.toInt());
            } else if (step.startsWith("menu:")) {
                trigger(w, qPrintable(arg));
            }
        }
        QCOMPARE(w.SSTab1->currentIndex(), current);
        QCOMPARE(f.availability(), available);
    }

    void guardMessageWithoutArcana()
    {
        MainWindowFixture f;
        frmMain& w = f.load();
        clickTab(w, 1);
        w.objectives->chkMajor->setChecked(false);
        w.objectives->chkMinor->setChecked(false);
        QVERIFY(!w.memorize->cmdNext->isEnabledTo(w.memorize));
        QTest::mouseClick(w.cmdSetOption, Qt::LeftButton);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.lastText(), QStringLiteral("Select at least one option."));
        QCOMPARE(f.fakes.dialogs.messages.first().caption, QStringLiteral("Lumenrest"));
        QCOMPARE(f.fakes.dialogs.messages.first().icon, Dialogs::Icon::None);
        QCOMPARE(w.SSTab1->currentIndex(), 1);
        QCOMPARE(f.availability(), QStringLiteral("11000"));
        QVERIFY(!modDB::CardConnection);
        w.objectives->chkMinor->setChecked(true);
        QVERIFY(w.memorize->cmdNext->isEnabledTo(w.memorize));
    }

    void deckHoldsTheChosenGroupsInOrder_data()
    {
        QTest::addColumn<bool>("major");
        QTest::addColumn<bool>("minor");
        QTest::addColumn<QString>("suits");
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("all") << true << true << "CWPS" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("major") << true << false << "CWPS" << QList<int>{1, 2, 3};
        QTest::newRow("cups and swords") << false << true << "CS" << QList<int>{4, 5, 8};
        QTest::newRow("major and wands") << true << true << "W" << QList<int>{1, 2, 3, 6};
    }

    void deckHoldsTheChosenGroupsInOrder()
    {
        QFETCH(bool, major);
        QFETCH(bool, minor);
        QFETCH(QString, suits);
        QFETCH(QList<int>, ids);
        MainWindowFixture f;
        frmMain& w = f.load();
        clickTab(w, 1);
        for (int i = 0; i < 4; ++i)
            w.objectives->chkGroup[i]->setChecked(suits.contains(QLatin1Char("CWPS"[i])));
        w.objectives->chkMajor->setChecked(major);
        w.objectives->chkMinor->setChecked(minor);
        QTest::mouseClick(w.cmdSetOption, Qt::LeftButton);
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
        MainWindowFixture f;
        frmMain& w = f.load();
        clickTab(w, 1);
        QTest::mouseClick(w.cmdSetOption, Qt::LeftButton); // a good deck first
        clickTab(w, 1);
        QFile file(modDB::cardDatabasePath(f.fakes.paths.dir.path()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(5000, 'x'));
        file.close();
        QTest::mouseClick(w.cmdSetOption, Qt::LeftButton);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.messages.first().icon, Dialogs::Icon::Critical);
        QVERIFY(f.fakes.dialogs.lastText().contains("could not be opened"));
        QCOMPARE(w.SSTab1->currentIndex(), 1);
        QCOMPARE(f.availability(), QStringLiteral("11000"));
        QVERIFY(!modDB::DeckRecordset);
        QVERIFY(!modDB::CardConnection);
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
        QFETCH(QStringList, args);
        QFETCH(bool, fromLogOn);
        MainWindowFixture f;
        f.fakes.paths.args = args;
        QCOMPARE(f.create().startedFromLogOn(), fromLogOn);
    }

    void exitButtonClosesTheWindow()
    {
        MainWindowFixture f;
        frmMain& w = f.load();
        QTest::mouseClick(w.cmdNav_1, Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }
};

LUMENREST_TEST_MAIN(TestFrmMain)
#include "tst_frmMain.moc"
