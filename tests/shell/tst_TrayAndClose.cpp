#include "platform/QtTrayIcon.h"
#include "ShellFixture.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>

// Counts the support reminders that come on the screen.
struct ReminderWatch : QObject {
    int shown = 0;
    ReminderWatch() { qApp->installEventFilter(this); } // Qt drops the filter when it goes
    bool eventFilter(QObject* o, QEvent* e) override
    {
        shown += e->type() == QEvent::Show && qobject_cast<frmNagScreen*>(o);
        return false;
    }
};

// Starting in the tray, coming back from it, and every way out through the support reminder.
class TestTrayAndClose : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsInTheTrayOnlyWhenAsked_data()
    {
        QTest::addColumn<QString>("args"); // the whole command line
        // Stored "Start at system tray"; "unregistered": "True", but no log-on start; "no tray": "True",
        // but the desktop has no tray.
        QTest::addColumn<QString>("runAtSysTray");
        QTest::addColumn<bool>("inTray");
        QTest::newRow("switch and box") << "Lumenrest /STARTUP" << "True" << true;
        QTest::newRow("box unticked") << "Lumenrest /STARTUP" << "False" << false;
        QTest::newRow("not registered") << "Lumenrest /STARTUP" << "unregistered" << false;
        QTest::newRow("no tray available") << "Lumenrest /STARTUP" << "no tray" << false;
        // The switch counts anywhere in the arguments, in capitals only, and not in the program's path.
        QTest::newRow("switch in lower case") << "Lumenrest /startup" << "True" << false;
        QTest::newRow("switch inside a word") << "Lumenrest a/STARTUPb" << "True" << true;
        QTest::newRow("no switch, but in the path") << "/STARTUP/Lumenrest" << "True" << false;
    }

    void startsInTheTrayOnlyWhenAsked()
    {
        QFETCH(QString, args);
        QFETCH(QString, runAtSysTray);
        QFETCH(bool, inTray);
        ShellFixture f;
        if (runAtSysTray == "unregistered")
            f.store("RunAtSysTray", "True");
        else
            f.registerLogOn(runAtSysTray == "False" ? "False" : "True");
        f.fakes.tray.available = runAtSysTray != "no tray";
        f.fakes.paths.args = args.split(' ');
        frmMain& w = f.load();
        QCOMPARE(w.isVisible(), !inTray);
        QCOMPARE(bool(w.windowState() & Qt::WindowMinimized), inTray);
        QVERIFY(f.fakes.tray.adds == int(inTray) && f.fakes.tray.shown == inTray);
        if (inTray) // the window's own icon
            QCOMPARE(f.fakes.tray.icon.cacheKey(), w.windowIcon().cacheKey());
    }

    // By a double-click or by "Show" in the pop-up menu.
    void restoredFromTheTray()
    {
        for (const bool byMenu : {false, true}) {
            ShellFixture f;
            frmMain& w = f.startInTray();
            auto* menu = find<QMenu>(&w, "mnuPopUp");
            if (byMenu) {
                Q_EMIT f.fakes.tray.contextRequested(QPoint(200, 150));
                QVERIFY(menu->isVisible() && !w.isVisible());
                QCOMPARE(menu->defaultAction(), find<QAction>(&w, "mnuShow")); // drawn bold
                menu->defaultAction()->trigger();
            } else {
                Q_EMIT f.fakes.tray.doubleClicked();
            }
            QVERIFY(w.isVisible() && !(w.windowState() & Qt::WindowMinimized));
            QVERIFY(!f.fakes.tray.shown && !menu->isVisible() && ShellFixture::reminders().isEmpty());
            // No way back to the tray in this run; stray events change nothing.
            Q_EMIT f.fakes.tray.doubleClicked();
            Q_EMIT f.fakes.tray.contextRequested(QPoint(10, 10));
            QVERIFY(!menu->isVisible() && f.fakes.tray.removes == 1 && f.fakes.tray.adds == 1);
        }
    }

    void realIconReactsToDoubleClickAndContextOnly()
    {
        QtTrayIcon tray;
        tray.add(QIcon(QPixmap(16, 16)), QStringLiteral("Recent"));
        auto* system = tray.findChild<QSystemTrayIcon*>();
        QSignalSpy doubles(&tray, &TrayIcon::doubleClicked);
        QSignalSpy contexts(&tray, &TrayIcon::contextRequested);
        for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::DoubleClick,
                            QSystemTrayIcon::Context})
            Q_EMIT system->activated(reason);
        QVERIFY(doubles.size() == 1 && contexts.size() == 1);
    }

    void everyWayShowsTheReminderAndEndsWithIt_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("quitOnLastWindow");
        QTest::newRow("exit button") << "exit button" << true;
        QTest::newRow("tray exit") << "tray exit" << true;
        QTest::newRow("close box") << "close box" << true;
        QTest::newRow("close box, no automatic quit") << "close box" << false;
        QTest::newRow("UnloadAllForms") << "UnloadAllForms" << true;
    }

    void everyWayShowsTheReminderAndEndsWithIt()
    {
        QFETCH(QString, way);
        QFETCH(bool, quitOnLastWindow);
        ShellFixture f;
        frmMain& w = way == "tray exit" ? f.startInTray() : f.load();
        ReminderWatch watch;
        // Whether or not Qt quits by itself when the last window goes, the reminder ends the program.
        QApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
        QObject scope; // its timers go with it
        QString afterClose;
        int remindersLater = 0;
        QTimer::singleShot(0, &scope, [&] {
            if (way == "exit button")
                QTest::mouseClick(find(&w, "cmdNav_1"), Qt::LeftButton);
            else if (way == "tray exit")
                find<QAction>(&w, "mnuExit")->trigger();
            else if (way == "close box")
                w.windowHandle()->close();
            else
                w.UnloadAllForms();
            afterClose = QStringLiteral("window %1, tray icon %2, removed %3, reminders %4, on screen %5")
                             .arg(w.isVisible()).arg(f.fakes.tray.shown).arg(f.fakes.tray.removes)
                             .arg(watch.shown).arg(ShellFixture::visibleWindows());
        });
        QTimer::singleShot(100, &scope, [&] {
            for (frmNagScreen* nag : ShellFixture::reminders()) {
                ++remindersLater;
                if (way == "close box") // the reminder's close box too; else its "Exit"
                    nag->windowHandle()->close();
                else
                    for (int i = 0; i < 3; ++i)
                        if (auto* exit = find<QPushButton>(nag, QStringLiteral("cmdExit_%1").arg(i)); exit->isVisible())
                            QTest::mouseClick(exit, Qt::LeftButton);
            }
        });
        QTimer::singleShot(5000, &scope, [] { QCoreApplication::exit(99); });
        const int code = QCoreApplication::exec();
        QApplication::setQuitOnLastWindowClosed(true);
        // The reminder is still up a moment later, unless closing everything closed it too.
        const bool unloadAll = way == "UnloadAllForms";
        QCOMPARE(afterClose + QStringLiteral(", later %1").arg(remindersLater),
                 QStringLiteral("window 0, tray icon 0, removed 1, reminders 1, on screen %1, later %1").arg(!unloadAll));
        QCOMPARE(code, 0); // ended by the reminder, not by the safety net
        QVERIFY(watch.shown == 1 && ShellFixture::visibleWindows() == 0); // closing the reminder brings up no other
    }

    void missingDatabaseEndsRightAfterTheMessage()
    {
        ShellFixture f;
        QVERIFY(QFile::remove(modDB::cardDatabasePath(f.fakes.paths.dir.path())));
        ReminderWatch watch;
        bool messageFirst = false;
        f.fakes.dialogs.onMessage = [&](const FakeDialogs::Message&) { messageFirst = watch.shown == 0; };
        QVERIFY(!f.create().Form_Load());
        QVERIFY(messageFirst && f.fakes.dialogs.messages.size() == 1);
        const auto& m = f.fakes.dialogs.messages.first();
        QCOMPARE(m.text + '|' + m.caption + (m.icon == Dialogs::Icon::Critical ? "|critical" : ""),
                 QStringLiteral("Required files missing. Please reinstall Lumenrest|ERROR !|critical"));
        // The reminder came up in the ordinary close and was closed with everything else.
        QVERIFY(watch.shown == 1 && ShellFixture::visibleWindows() == 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(ShellFixture::reminders(false).isEmpty());
    }
};

LUMENREST_TEST_MAIN(TestTrayAndClose)
#include "tst_TrayAndClose.moc"
