#include "shell/TrayControl.h"
#include "shell/UnloadAllForms.h"
#include "support/Find.h"
#include "support/TestMain.h"
#include "ShellFixture.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

// Records every support reminder that comes on the screen.
class ReminderWatch : public QObject {
public:
    int shown = 0;
    ReminderWatch() { qApp->installEventFilter(this); }
    ~ReminderWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && qobject_cast<frmNagScreen*>(o))
            ++shown;
        return false;
    }
};

class TestCloseSequence : public QObject {
    Q_OBJECT

    static void closeBy(const QString& way, frmMain& w)
    {
        if (way == "exit button") {
            QTest::mouseClick(w.cmdNav_1, Qt::LeftButton);
        } else if (way == "tray exit") {
            find<QAction>(&w, "mnuExit")->trigger();
        } else if (way == "close box") {
            QVERIFY(w.windowHandle());
            w.windowHandle()->close();
        } else if (way == "UnloadAllForms") {
            modGlobals::UnloadAllForms();
        }
    }

    static frmMain& start(ShellFixture& f, const QString& way)
    {
        if (way == "tray exit") {
            f.registerLogOn("True");
            f.fakes.paths.args = QStringList{"Lumenrest", "/STARTUP"};
        }
        frmMain& w = f.load();
        if (way == "tray exit")
            Q_ASSERT(!w.isVisible() && f.fakes.tray.shown);
        return w;
    }

private Q_SLOTS:
    void everyWayShowsTheReminder_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("exit button") << "exit button";
        QTest::newRow("tray exit") << "tray exit";
        QTest::newRow("close box") << "close box";
        QTest::newRow("UnloadAllForms") << "UnloadAllForms";
    }

    void everyWayShowsTheReminder()
    {
        QFETCH(QString, way);
        ShellFixture f;
        frmMain& w = start(f, way);
        ReminderWatch watch;
        const int removesBefore = f.fakes.tray.removes;
        closeBy(way, w);
        QVERIFY(!w.isVisible());
        QVERIFY(!f.fakes.tray.shown);
        QCOMPARE(f.fakes.tray.removes, removesBefore + 1);
        QCOMPARE(watch.shown, 1);
        if (way == "UnloadAllForms") {
            // Closing everything closes the reminder it brought up, too.
            QVERIFY(ShellFixture::visibleWindows().isEmpty());
        } else {
            QCOMPARE(ShellFixture::reminders().size(), 1);
            QCOMPARE(ShellFixture::visibleWindows().size(), 1);
        }
        // Closing the reminder does not bring up another.
        for (frmNagScreen* nag : ShellFixture::reminders())
            nag->close();
        QCOMPARE(watch.shown, 1);
        QVERIFY(ShellFixture::visibleWindows().isEmpty());
    }

    void programEndsOnlyWhenTheReminderCloses_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("byCloseBox"); // the reminder's own close box, else its "Exit"
        QTest::addColumn<bool>("quitOnLastWindow");
        for (bool automatic : {true, false}) {
            const char* suffix = automatic ? "" : ", no automatic quit";
            QTest::addRow("exit button%s", suffix) << "exit button" << false << automatic;
            QTest::addRow("tray exit%s", suffix) << "tray exit" << false << automatic;
            QTest::addRow("close box%s", suffix) << "close box" << true << automatic;
        }
    }

    void programEndsOnlyWhenTheReminderCloses()
    {
        QFETCH(QString, way);
        QFETCH(bool, byCloseBox);
        QFETCH(bool, quitOnLastWindow);
        ShellFixture f;
        frmMain& w = start(f, way);
        // Whether or not Qt quits by itself when the last window goes, the reminder ends the program.
        QApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
        bool runningWithReminder = false;
        QTimer::singleShot(0, [&] { closeBy(way, w); });
        QTimer::singleShot(100, [&] {
            const auto nags = ShellFixture::reminders();
            runningWithReminder = nags.size() == 1 && !w.isVisible();
            for (frmNagScreen* nag : nags) {
                if (byCloseBox) {
                    nag->windowHandle()->close();
                } else {
                    for (QPushButton* b : nag->cmdExit)
                        if (b->isVisible())
                            QTest::mouseClick(b, Qt::LeftButton);
                }
            }
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        const int code = QCoreApplication::exec();
        QApplication::setQuitOnLastWindowClosed(true);
        QVERIFY(runningWithReminder);
        QCOMPARE(code, 0); // ended by the reminder, not by the safety net
        QVERIFY(ShellFixture::visibleWindows().isEmpty());
    }

    void missingDatabaseEndsRightAfterTheMessage()
    {
        ShellFixture f(false);
        ReminderWatch watch;
        bool messageFirst = false;
        f.fakes.dialogs.onMessage = [&](const FakeDialogs::Message&) { messageFirst = watch.shown == 0; };
        frmMain& w = f.create();
        QVERIFY(!w.Form_Load());
        QVERIFY(messageFirst);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        // The reminder came up in the ordinary close and was closed with everything else.
        QCOMPARE(watch.shown, 1);
        QVERIFY(ShellFixture::reminders().isEmpty());
        QVERIFY(ShellFixture::visibleWindows().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(ShellFixture::reminders(false).isEmpty());
    }
};

LUMENREST_TEST_MAIN(TestCloseSequence)
#include "tst_CloseSequence.moc"
