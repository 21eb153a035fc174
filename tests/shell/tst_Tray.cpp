#include "platform/QtTrayIcon.h"
#include "shell/StartupOptions.h"
#include "support/Find.h"
#include "support/TestMain.h"
#include "ShellFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSystemTrayIcon>

class TestTray : public QObject {
    Q_OBJECT

    // Started from the log-on list with "Start at system tray" ticked.
    static frmMain& startInTray(ShellFixture& f)
    {
        f.registerLogOn("True");
        f.fakes.paths.args = QStringList{"Lumenrest", "/STARTUP"};
        return f.load();
    }

private Q_SLOTS:
    void startsInTheTrayOnlyWhenAsked_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<QString>("runAtSysTray");
        QTest::addColumn<bool>("inTray");
        QTest::newRow("switch and box") << QStringList{"Lumenrest", "/STARTUP"} << true << "True" << true;
        QTest::newRow("switch between words") << QStringList{"Lumenrest", "-a", "/STARTUP", "b"} << true << "True"
                                              << true;
        QTest::newRow("switch in lower case") << QStringList{"Lumenrest", "/startup"} << true << "True" << false;
        QTest::newRow("box unticked") << QStringList{"Lumenrest", "/STARTUP"} << true << "False" << false;
        QTest::newRow("not registered") << QStringList{"Lumenrest", "/STARTUP"} << false << "True" << false;
        QTest::newRow("no switch") << QStringList{"Lumenrest"} << true << "True" << false;
    }

    void startsInTheTrayOnlyWhenAsked()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, registered);
        QFETCH(QString, runAtSysTray);
        QFETCH(bool, inTray);
        ShellFixture f;
        if (registered)
            f.registerLogOn(runAtSysTray);
        else
            f.store("RunAtSysTray", runAtSysTray);
        f.fakes.paths.args = args;
        frmMain& w = f.load();
        QCOMPARE(w.isVisible(), !inTray);
        QCOMPARE(f.fakes.tray.shown, inTray);
        QCOMPARE(f.fakes.tray.adds, inTray ? 1 : 0);
        if (inTray) {
            QVERIFY(w.windowState() & Qt::WindowMinimized);
            QCOMPARE(f.fakes.tray.tip, QStringLiteral("Recent"));
            QVERIFY(!f.fakes.tray.icon.isNull());
            QCOMPARE(f.fakes.tray.icon.cacheKey(), w.windowIcon().cacheKey()); // the window's own icon
        } else {
            QCOMPARE(w.SSTab1->currentIndex(), 0);
        }
    }

    void withoutATrayTheWindowStartsNormally()
    {
        ShellFixture f;
        f.fakes.tray.available = false;
        frmMain& w = startInTray(f);
        QVERIFY(w.isVisible());
        QVERIFY(!(w.windowState() & Qt::WindowMinimized));
        QCOMPARE(f.fakes.tray.adds, 0);
    }

    void doubleClickRestoresAndRemovesTheIcon()
    {
        ShellFixture f;
        frmMain& w = startInTray(f);
        QVERIFY(!w.isVisible());
        Q_EMIT f.fakes.tray.doubleClicked();
        QVERIFY(w.isVisible());
        QVERIFY(!(w.windowState() & Qt::WindowMinimized));
        QVERIFY(!f.fakes.tray.shown);
        QCOMPARE(f.fakes.tray.removes, 1);
        // No way back to the tray in this run; stray events change nothing.
        Q_EMIT f.fakes.tray.doubleClicked();
        Q_EMIT f.fakes.tray.contextRequested(QPoint(10, 10));
        QCOMPARE(f.fakes.tray.removes, 1);
        QVERIFY(!find<QMenu>(&w, "mnuPopUp")->isVisible());
        QCOMPARE(f.fakes.tray.adds, 1);
    }

    void contextRequestOpensThePopUpMenu()
    {
        ShellFixture f;
        frmMain& w = startInTray(f);
        auto* menu = find<QMenu>(&w, "mnuPopUp");
        QVERIFY(!menu->isVisible());
        Q_EMIT f.fakes.tray.contextRequested(QPoint(200, 150));
        QVERIFY(menu->isVisible());
        QVERIFY(!w.isVisible());
        const auto actions = menu->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions[0]->objectName(), QStringLiteral("mnuShow"));
        QCOMPARE(actions[0]->text(), QStringLiteral("Show"));
        QCOMPARE(actions[1]->objectName(), QStringLiteral("mnuExit"));
        QCOMPARE(actions[1]->text(), QStringLiteral("Exit"));
        QCOMPARE(menu->defaultAction(), actions[0]); // drawn bold
        QCOMPARE(menu->title(), QStringLiteral("mnuPopUp"));
        // Never on the menu bar.
        for (QAction* a : w.menuBar()->actions())
            QVERIFY(a->menu() != menu);

        actions[0]->trigger(); // "Show"
        QVERIFY(w.isVisible());
        QVERIFY(!f.fakes.tray.shown);
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        QVERIFY(ShellFixture::reminders().isEmpty());
        menu->hide();
    }

    void exitInThePopUpMenuClosesTheProgram()
    {
        ShellFixture f;
        frmMain& w = startInTray(f);
        Q_EMIT f.fakes.tray.contextRequested(QPoint(200, 150));
        find<QAction>(&w, "mnuExit")->trigger();
        QVERIFY(!w.isVisible());
        QVERIFY(!f.fakes.tray.shown);
        QCOMPARE(f.fakes.tray.removes, 1);
        QCOMPARE(ShellFixture::reminders().size(), 1);
    }

    void realIconReactsToDoubleClickAndContextOnly()
    {
        QtTrayIcon tray;
        QIcon icon(QPixmap(16, 16));
        tray.add(icon, QStringLiteral("Recent"));
        auto* system = tray.findChild<QSystemTrayIcon*>();
        QVERIFY(system);
        QCOMPARE(system->toolTip(), QStringLiteral("Recent"));
        QSignalSpy doubles(&tray, &TrayIcon::doubleClicked);
        QSignalSpy contexts(&tray, &TrayIcon::contextRequested);
        Q_EMIT system->activated(QSystemTrayIcon::Trigger);
        Q_EMIT system->activated(QSystemTrayIcon::MiddleClick);
        Q_EMIT system->activated(QSystemTrayIcon::Unknown);
        QCOMPARE(doubles.size(), 0);
        QCOMPARE(contexts.size(), 0);
        Q_EMIT system->activated(QSystemTrayIcon::DoubleClick);
        QCOMPARE(doubles.size(), 1);
        Q_EMIT system->activated(QSystemTrayIcon::Context);
        QCOMPARE(contexts.size(), 1);
        tray.remove();
        QVERIFY(!system->isVisible());
    }
};

LUMENREST_TEST_MAIN(TestTray)
#include "tst_Tray.moc"
