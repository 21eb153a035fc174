#include "platform/DesktopEntry.h"
#include "platform/SettingsStore.h"
#include "platform/XdgStartupRegistry.h"
#include "platform/AppTitle.h"
#include "ShellFixture.h"
#include "goals/GoalsTestSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

namespace {

bool ticked(const QObject* w, const QString& name) { return find<QAbstractButton>(w, name)->isChecked(); }

// "110111 1 2 -": the six study boxes, the test type, the level, "Reversed" enabled (R) or not.
QString state(const frmMain& w)
{
    QString s;
    for (const char* box : {"chkMajor", "chkMinor", "chkGroup_0", "chkGroup_1", "chkGroup_2", "chkGroup_3"})
        s += ticked(&w, box) ? '1' : '0';
    const int level = ticked(&w, "optDifficulty_0") ? 0 : ticked(&w, "optDifficulty_1") ? 1 : 2;
    return s + QStringLiteral(" %1 %2 ").arg(ticked(&w, "optTestType_0") ? 0 : 1).arg(level)
           + (find(&w, "chkReversed")->isEnabled() ? 'R' : '-');
}

// "run/enabled/checked" of the log-on start frame.
QString frame(const frmMain& w)
{
    const auto* tray = find<QCheckBox>(&w, "chkSysTray");
    return QString(ticked(&w, "optRun") ? "run" : ticked(&w, "optDontRun") ? "dont" : "none")
           + (tray->isEnabled() ? "/enabled" : "/disabled") + (tray->isChecked() ? "/checked" : "/unchecked");
}

void click(const frmMain& w, const char* name)
{
    auto* b = find<QAbstractButton>(&w, name);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

} // namespace

// The Settings tab's stored choices and its log-on start.
class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_config;

private Q_SLOTS:
    void initTestCase() { qputenv("HOME", QFile::encodeName(m_home.path())); } // never the user's own folders
    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
    }

    void load_data()
    {
        QTest::addColumn<QString>("stored"); // key=value pairs; "RunAtSysTray" comes with a log-on start entry
        QTest::addColumn<QString>("expected"); // the tab's state, then the log-on frame
        // Keywords: the stored default wins over the designed Description, and its rule runs.
        QTest::newRow("first run") << "" << "111111 1 0 - dont/disabled/unchecked";
        // Each key is applied, its click rules running, before the next is read.
        QTest::newRow("everything off") << "MajorArcana=0 MinorArcana=0 Cups=0 Wands=0 Pentacles=0 Swords=0 "
                                           "TestType=0 Difficulty=2" << "000001 0 2 - dont/disabled/unchecked";
        QTest::newRow("box 0 with blanks") << "Pentacles= 0 " << "111101 1 0 - dont/disabled/unchecked";
        QTest::newRow("level 3") << "Difficulty=3" << "111111 1 0 - dont/disabled/unchecked";
        // Only exactly "True" ticks the tray box.
        QTest::newRow("tray True") << "RunAtSysTray=True" << "111111 1 0 - run/enabled/checked";
        QTest::newRow("tray True ") << "RunAtSysTray=True " << "111111 1 0 - run/enabled/unchecked";
    }

    void load()
    {
        QFETCH(QString, stored);
        ShellFixture f;
        for (const QString& pair : stored.split(QRegularExpression(" (?=[A-Z])"), Qt::SkipEmptyParts)) {
            const QString key = pair.section('=', 0, 0);
            if (key == "RunAtSysTray")
                f.registerLogOn(pair.section('=', 1));
            else
                f.store(key, pair.section('=', 1));
        }
        frmMain& w = f.load();
        QTEST(QString(state(w) + ' ' + frame(w)), "expected");
        // Eight keys read in order, "RunAtSysTray" only when registered; nothing written but a ticked tray box.
        const QString order = "MajorArcana MinorArcana Cups Wands Pentacles Swords TestType Difficulty";
        QCOMPARE(f.fakes.settings.reads.join(' '), order + (f.fakes.startup.entries.isEmpty() ? "" : " RunAtSysTray"));
        QCOMPARE(f.fakes.settings.writes, QStringList(ticked(&w, "chkSysTray"), "RunAtSysTray=True"));
    }

    void saveWritesNineKeysFromTheControls()
    {
        ShellFixture f;
        f.registerLogOn("False");
        frmMain& w = f.load();
        for (const char* control : {"chkMajor", "chkGroup_1", "optTestType_0" /* Description */, "optDifficulty_2"})
            click(w, control);
        f.fakes.settings.writes.clear();
        click(w, "cmdSaveSettings");
        const QString nine = "MajorArcana=0 MinorArcana=1 Cups=1 Wands=0 Pentacles=1 Swords=1 TestType=0 Difficulty=2";
        QCOMPARE(f.fakes.settings.writes.join(' '), nine + " RunAtSysTray=False");
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void realStoreKeepsChoicesBetweenRuns()
    {
        // In the test location (test mode); what QSettings wrote itself stays.
        QSettings qs(QSettings::NativeFormat, QSettings::UserScope, Organisation(), "LumenrestSettingsTest");
        QVERIFY(qs.fileName().contains(".qttest"));
        qs.setValue("Other/Kept", "by QSettings");
        qs.sync();
        // Texts QSettings would mangle (separators, "@", line breaks) read back as they were, and
        // rewrites of the same size in quick succession are all seen.
        QtSettingsStore store;
        for (const char* text : {"a;b,c=d", " blanks ", "@at", "line\nbreak\x01" "f", "1", "0"}) {
            QVERIFY(store.SaveSetting("LumenrestSettingsTest", "Settings", "Key/ %", text).isEmpty());
            QCOMPARE(store.GetSetting("LumenrestSettingsTest", "Settings", "Key/ %", "-"), text);
        }
        QCOMPARE(QSettings(qs.fileName(), QSettings::IniFormat).value("Other/Kept"), QVariant("by QSettings"));
        QFile::remove(qs.fileName());
    }

    // The desktop starts the program from the entry, whatever its path holds (GLib refuses an
    // entry whose program it cannot find, and "%%" must become "%" again): a line break, quotes,
    // "$" and "`" are checked here rather than as written.
    void desktopStartsTheEntry_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("percent") << "100% a%b %f";
        QTest::newRow("shell characters, line break") << "$x `y` \\z \"w\"\nv";
    }

    void desktopStartsTheEntry()
    {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        const QString program = dir.filePath(folder) + "/Lumenrest";
        QVERIFY(QDir().mkpath(dir.filePath(folder)));
        GoalsTest::writeBytes(program, "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$0.args\"\n");
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(XdgStartupRegistry().write("Lumenrest", program).ok);
        const QString entry = XdgStartupRegistry::entryPath("Lumenrest");
        QCOMPARE(QProcess::execute("desktop-file-validate", {entry}), 0);
        QCOMPARE(QProcess::execute("gio", {"launch", entry}), 0);
        QTRY_COMPARE(QString::fromUtf8(GoalsTest::readBytes(program + ".args")), program + "\n/STARTUP\n");
    }

    // The real autostart entry, in the folder the environment names, step by step as a user meets
    // it; the tray box follows "Run at start-up" and is written at once.
    void realEntry()
    {
        ShellFixture f;
        XdgStartupRegistry registry;
        f.services.startup = &registry;
        const QString entry = XdgStartupRegistry::entryPath("Lumenrest");
        QCOMPARE(entry, m_config->path() + "/autostart/Lumenrest.desktop");
        auto bytes = [&] { return QFile::exists(entry) ? GoalsTest::readBytes(entry) : QByteArray("(none)"); };
        const QByteArray expected = DesktopEntry::autostartEntry("Lumenrest", f.fakes.paths.executablePath());
        const frmMain& w = f.load(); // not registered: see load()
        QVERIFY(!QFileInfo::exists(XdgStartupRegistry::autostartDir())); // nothing written at start-up
        // Each step: the frame, then what was written to the settings.
        const std::pair<const char*, QString> steps[] = {
            {"optRun", "run/enabled/unchecked "}, {"chkSysTray", "run/enabled/checked RunAtSysTray=True"},
            {"optDontRun", "dont/disabled/unchecked RunAtSysTray=False"}, {"chkSysTray", "dont/disabled/unchecked "},
            {"optRun", "run/enabled/unchecked "}};
        for (const auto& [button, expectedState] : steps) {
            f.fakes.settings.writes.clear();
            click(w, button);
            QCOMPARE(frame(w) + ' ' + f.fakes.settings.writes.join(' '), expectedState);
            QCOMPARE(bytes(), frame(w).startsWith("run") ? expected : "(none)");
        }
        QFile::remove(entry); // gone behind the program's back: no error
        click(w, "optDontRun");
        QCOMPARE(frame(w), QStringLiteral("dont/disabled/unchecked"));
        // One the desktop has switched off counts as absent and stays, until asked for again.
        const QByteArray hidden = expected + "Hidden=true\n";
        GoalsTest::writeBytes(entry, hidden);
        QCOMPARE(frame(f.load()), QStringLiteral("dont/disabled/unchecked"));
        QCOMPARE(bytes(), hidden);
        click(*f.window, "optRun"); // rewritten in one piece
        QCOMPARE(bytes(), expected);
        QCOMPARE(QDir(XdgStartupRegistry::autostartDir()).entryList(QDir::Files | QDir::Hidden), QStringList{"Lumenrest.desktop"});
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        qputenv("XDG_CONFIG_HOME", "relative/config"); // invalid, so ignored
        QCOMPARE(XdgStartupRegistry::autostartDir(), m_home.path() + "/.config/autostart");
    }

    void failuresAreReported()
    {
        // The folder cannot be made: the platform's own error, and the frame shows what holds.
        ShellFixture real;
        XdgStartupRegistry registry;
        real.services.startup = &registry;
        QFile(m_config->path() + "/file").open(QIODevice::WriteOnly);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path() + "/file"));
        click(real.load(), "optRun");
        QCOMPARE(frame(*real.window), QStringLiteral("dont/disabled/unchecked"));
        // From the fake: a start-up rewrite that fails keeps the old entry; a removal that fails.
        ShellFixture rewrite, removal;
        for (ShellFixture* f : {&rewrite, &removal})
            f->registerLogOn("True");
        rewrite.fakes.startup.failWith = {false, 5, "Access is denied.", false};
        removal.fakes.startup.removeFailWith = {false, 13, "Permission denied", false};
        QCOMPARE(frame(rewrite.load()), QStringLiteral("run/enabled/checked"));
        click(removal.load(), "optDontRun");
        QCOMPARE(frame(*removal.window), QStringLiteral("run/enabled/checked"));
        const QList<std::pair<ShellFixture*, QString>> expected{
            {&real, QStringLiteral("Error %1 opening key\n%2").arg(ENOTDIR).arg(QString::fromLocal8Bit(std::strerror(ENOTDIR)))},
            {&rewrite, "Error 5 setting key\nAccess is denied."},
            {&removal, "13 Permission denied"}};
        for (const auto& [f, text] : expected) {
            QCOMPARE(f->fakes.dialogs.messages.size(), 1);
            const auto& m = f->fakes.dialogs.messages.first();
            QCOMPARE(m.text + '|' + m.caption + (m.icon == Dialogs::Icon::None ? "" : "|icon"), text + "|Lumenrest");
        }
    }
};

LUMENREST_TEST_MAIN(TestSettings)
#include "tst_Settings.moc"
