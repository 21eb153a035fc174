#include "platform/DesktopEntry.h"
#include "platform/XdgStartupRegistry.h"
#include "shell/StartupOptions.h"
#include "support/TestMain.h"
#include "ShellFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

// The "Run on Windows Start-Up" frame on the real autostart entry (in a temporary config
// home) and on the fake registry for failures a test cannot provoke.
class TestStartupRegistration : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_config;

    struct RealFixture : ShellFixture {
        XdgStartupRegistry registry;
        frmMain& loadReal()
        {
            Services s = fakes.services();
            s.startup = &registry;
            window = std::make_unique<frmMain>(s);
            window->Form_Load();
            return *window;
        }
        QString entry() const { return XdgStartupRegistry::entryPath(fakes.paths.name); }
        QByteArray entryBytes() const
        {
            QFile f(entry());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }
    };

    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }

    // "run/enabled/checked" of the frame.
    static QString frame(frmMain& w)
    {
        const StartupOptions* o = w.startupOptions;
        return QString(o->optRun->isChecked() ? "run" : o->optDontRun->isChecked() ? "dont" : "none")
               + (o->chkSysTray->isEnabled() ? "/enabled" : "/disabled")
               + (o->chkSysTray->isChecked() ? "/checked" : "/unchecked");
    }

private Q_SLOTS:
    void initTestCase() { qputenv("HOME", QFile::encodeName(m_home.path())); }
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
    }

    void runAtStartUpWritesTheEntry()
    {
        RealFixture f;
        frmMain& w = f.loadReal();
        QCOMPARE(frame(w), QStringLiteral("dont/disabled/unchecked"));
        click(w.startupOptions->optRun);
        QCOMPARE(frame(w), QStringLiteral("run/enabled/unchecked"));
        QCOMPARE(f.entryBytes(), DesktopEntry::autostartEntry("Lumenrest", f.fakes.paths.executablePath()));
        QVERIFY(f.entryBytes().contains("Exec=\"" + QFile::encodeName(f.fakes.paths.executablePath()) + "\" /STARTUP\n"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void dontRunRemovesTheEntryAndClearsTheTrayBox()
    {
        RealFixture f;
        QVERIFY(f.registry.write("Lumenrest", "/old/Lumenrest").ok);
        f.store("RunAtSysTray", "True");
        frmMain& w = f.loadReal();
        QCOMPARE(frame(w), QStringLiteral("run/enabled/checked"));
        f.fakes.settings.writes.clear();
        click(w.startupOptions->optDontRun);
        QCOMPARE(frame(w), QStringLiteral("dont/disabled/unchecked"));
        QVERIFY(!QFile::exists(f.entry()));
        QCOMPARE(f.fakes.settings.writes, QStringList{"RunAtSysTray=False"});
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void dontRunWithoutAnEntryShowsNothing()
    {
        RealFixture f;
        QVERIFY(f.registry.write("Lumenrest", "/old/Lumenrest").ok);
        frmMain& w = f.loadReal();
        QFile::remove(f.entry()); // gone behind the program's back
        click(w.startupOptions->optDontRun);
        QCOMPARE(frame(w), QStringLiteral("dont/disabled/unchecked"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        QVERIFY(f.fakes.settings.writes.isEmpty()); // the box was unchecked already
    }

    void startUpRewritesTheEntryWithTheCurrentPath()
    {
        RealFixture f;
        QVERIFY(f.registry.write("Lumenrest", "/where it used to be/Lumenrest").ok);
        frmMain& w = f.loadReal();
        QCOMPARE(frame(w), QStringLiteral("run/enabled/unchecked"));
        QCOMPARE(f.entryBytes(), DesktopEntry::autostartEntry("Lumenrest", f.fakes.paths.executablePath()));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void startUpWithoutEntryWritesNothing()
    {
        RealFixture f;
        frmMain& w = f.loadReal();
        QCOMPARE(frame(w), QStringLiteral("dont/disabled/unchecked"));
        QVERIFY(!QFileInfo::exists(XdgStartupRegistry::autostartDir()));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void startUpLeavesASwitchedOffEntryAlone()
    {
        RealFixture f;
        QVERIFY(f.registry.write("Lumenrest", "/old/Lumenrest").ok);
        QFile file(f.entry());
        QVERIFY(file.open(QIODevice::Append));
        file.write("Hidden=true\n");
        file.close();
        const QByteArray before = f.entryBytes();
        frmMain& w = f.loadReal();
        QCOMPARE(frame(w), QStringLiteral("dont/disabled/unchecked"));
        QCOMPARE(f.entryBytes(), before);
    }

    void folderThatCannotBeMadeIsReported()
    {
        RealFixture f;
        const QString file = m_config->path() + "/file";
        QFile(file).open(QIODevice::WriteOnly);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(file));
        frmMain& w = f.loadReal();
        click(w.startupOptions->optRun);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const auto& m = f.fakes.dialogs.messages.first();
        QCOMPARE(m.text, QStringLiteral("Error %1 opening key\n%2").arg(ENOTDIR).arg(QString::fromLocal8Bit(std::strerror(ENOTDIR))));
        QCOMPARE(m.caption, QStringLiteral("Lumenrest"));
        QCOMPARE(m.icon, Dialogs::Icon::None);
        // The frame shows what holds: no log-on start.
        QCOMPARE(frame(w), QStringLiteral("dont/disabled/unchecked"));
    }

    void entryThatCannotBeWrittenIsReported()
    {
        RealFixture f;
        frmMain& w = f.loadReal();
        QVERIFY(QDir().mkpath(f.entry())); // a folder in the entry's place
        click(w.startupOptions->optRun);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const QString text = f.fakes.dialogs.lastText();
        QVERIFY2(QRegularExpression("^Error [1-9][0-9]* setting key\n.+$").match(text).hasMatch(), qPrintable(text));
        QCOMPARE(frame(w), QStringLiteral("dont/disabled/unchecked"));
    }

    void failures_data()
    {
        QTest::addColumn<bool>("registered");
        QTest::addColumn<QString>("action");    // "load", "run", "dontrun"
        QTest::addColumn<int>("failing");       // 0 write opens, 1 write sets, 2 remove
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("frameAfter");
        QTest::newRow("open on run") << false << "run" << 0 << "Error 5 opening key\nAccess is denied."
                                     << "dont/disabled/unchecked";
        QTest::newRow("set on run") << false << "run" << 1 << "Error 5 setting key\nAccess is denied."
                                    << "dont/disabled/unchecked";
        QTest::newRow("set at start-up keeps the old entry") << true << "load" << 1
                                                             << "Error 5 setting key\nAccess is denied."
                                                             << "run/enabled/checked";
        QTest::newRow("remove on don't run") << true << "dontrun" << 2 << "13 Permission denied"
                                             << "run/enabled/checked";
    }

    void failures()
    {
        QFETCH(bool, registered);
        QFETCH(QString, action);
        QFETCH(int, failing);
        QFETCH(QString, message);
        QFETCH(QString, frameAfter);
        ShellFixture f;
        if (registered)
            f.registerLogOn("True");
        if (failing == 2)
            f.fakes.startup.removeFailWith = {false, 13, "Permission denied", false};
        else
            f.fakes.startup.failWith = {false, 5, "Access is denied.", failing == 0};
        frmMain& w = f.load();
        if (action == "run")
            click(w.startupOptions->optRun);
        else if (action == "dontrun")
            click(w.startupOptions->optDontRun);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.lastText(), message);
        QCOMPARE(f.fakes.dialogs.messages.first().caption, QStringLiteral("Lumenrest"));
        QCOMPARE(frame(w), frameAfter);
        QCOMPARE(f.fakes.startup.exists("Lumenrest"), registered);
    }

    void trayBoxIsEnabledExactlyWhileRunIsSelected()
    {
        ShellFixture f;
        frmMain& w = f.load();
        StartupOptions* o = w.startupOptions;
        QCOMPARE(frame(w), QStringLiteral("dont/disabled/unchecked"));
        click(o->optRun);
        QCOMPARE(frame(w), QStringLiteral("run/enabled/unchecked"));
        click(o->chkSysTray);
        QCOMPARE(frame(w), QStringLiteral("run/enabled/checked"));
        click(o->optDontRun);
        QCOMPARE(frame(w), QStringLiteral("dont/disabled/unchecked"));
        click(o->chkSysTray); // disabled: nothing happens
        QCOMPARE(frame(w), QStringLiteral("dont/disabled/unchecked"));
        click(o->optRun);
        QCOMPARE(frame(w), QStringLiteral("run/enabled/unchecked"));
        QCOMPARE(f.fakes.startup.writes, 2);
        QCOMPARE(f.fakes.startup.entries.value("Lumenrest"), f.fakes.paths.executablePath());
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }
};

LUMENREST_TEST_MAIN(TestStartupRegistration)
#include "tst_StartupRegistration.moc"
