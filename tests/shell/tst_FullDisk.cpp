#include "goals/GoalsTestSupport.h"
#include "platform/SettingsStore.h"
#include "platform/XdgStartupRegistry.h"
#include "testing/ResultsView.h"
#include "ShellFixture.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace GoalsTest;

namespace {

// No file of this process may grow past the given size while it lives: writes beyond it
// fail with EFBIG, as they would on a full disk (SIGXFSZ ignored, so the process lives).
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        if (const rlimit limit{bytes, old.rlim_max}; setrlimit(RLIMIT_FSIZE, &limit) != 0)
            qFatal("cannot limit the file size");
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};

} // namespace

// Every file the program writes survives a full disk unchanged, and the user is told.
class TestFullDisk : public QObject {
    Q_OBJECT

    QTemporaryDir m_config;

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path())); }

    void oldFileSurvivesAndTheUserIsTold_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* file : {"goals", "report", "log-on entry", "settings"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }

    void oldFileSurvivesAndTheUserIsTold()
    {
        QFETCH(QString, file);
        ShellFixture f;
        // A settings file and a log-on entry of its own.
        const QString name = f.fakes.paths.name = "FullDisk" + QString(QTest::currentDataTag()).remove(u' ');
        XdgStartupRegistry registry;
        QtSettingsStore settings;
        f.services.startup = &registry;
        f.services.settings = &settings;

        const QString settingsFile = QSettings(QSettings::NativeFormat, QSettings::UserScope, "Vellacourt", name).fileName();
        const QString path = file == "log-on entry" ? XdgStartupRegistry::entryPath(name)
                             : file == "settings"   ? settingsFile : f.fakes.paths.dir.filePath(file + ".txt");
        if (file == "goals")
            writeBytes(path, line("First", "2024-01-01", "2024-02-01", "one") + line("Second", "2024-01-01", "2024-03-01", ""));
        else if (file == "report")
            writeBytes(path, "an earlier report\r\n");
        else if (file == "log-on entry")
            QVERIFY(registry.write(name, "/where it used to be/Lumenrest").ok);
        else
            QVERIFY(settings.SaveSetting(name, "Settings", "Cups", "0").isEmpty());
        f.fakes.dialogs.saveAnswers << path; // the report's file
        const QByteArray old = readBytes(path);

        const QString typed(3000, QLatin1Char('x'));
        {
            const FileSizeLimit full(16);
            f.load(); // a log-on entry is written again here
            if (file == "goals")
                f.get<QPlainTextEdit>("txtGoalDesc")->setPlainText(typed);
            if (file == "report") {
                only<ResultsView>(f.window.get()).showReport(typed, "summary");
                only<ResultsView>(f.window.get()).Command5_Click(); // its tab is not open
            } else if (file != "log-on entry") {
                f.get<QPushButton>(file == "goals" ? "cmdSaveGoals" : "cmdSaveSettings")->click();
            }
        }

        const QString told = f.fakes.dialogs.lastText();
        QVERIFY(!old.isEmpty() && readBytes(path) == old && f.fakes.dialogs.messages.size() == 1);
        QVERIFY2(told.contains(file == "log-on entry" ? " setting key\n" : "could not be saved"), qPrintable(told));
        if (file == "log-on entry") // the old entry is still there
            QVERIFY(f.get<QRadioButton>("optRun")->isChecked());
        if (file == "goals") // the editor keeps what was typed
            QCOMPARE(f.get<QPlainTextEdit>("txtGoalDesc")->toPlainText(), typed);
        if (file == "settings")
            QFile::remove(path);
    }
};

LUMENREST_TEST_MAIN(TestFullDisk)
#include "tst_FullDisk.moc"
