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
        const rlimit limit{bytes, old.rlim_max};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
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
        f.fakes.paths.name = QStringLiteral("FullDisk") + QString::fromLatin1(QTest::currentDataTag()).remove(u' ');
        XdgStartupRegistry registry;
        QtSettingsStore settings;
        f.services.startup = &registry;
        f.services.settings = &settings;

        QString path;
        if (file == "goals") {
            path = f.fakes.paths.dir.filePath("goals.txt");
            writeBytes(path, line("First", "2024-01-01", "2024-02-01", "one") + line("Second", "2024-01-01", "2024-03-01", ""));
        } else if (file == "report") {
            path = f.fakes.paths.dir.filePath("report.txt");
            writeBytes(path, "an earlier report\r\n");
            f.fakes.dialogs.saveAnswers << path;
        } else if (file == "log-on entry") {
            path = XdgStartupRegistry::entryPath(f.fakes.paths.name);
            QVERIFY(registry.write(f.fakes.paths.name, "/where it used to be/Lumenrest").ok);
        } else {
            path = QSettings(QSettings::NativeFormat, QSettings::UserScope, "Vellacourt", f.fakes.paths.name).fileName();
            QVERIFY(settings.SaveSetting(f.fakes.paths.name, "Settings", "Cups", "0").isEmpty());
        }
        const QByteArray old = readBytes(path);

        const QString typed(3000, QLatin1Char('x'));
        {
            const FileSizeLimit full(16);
            f.load(); // a log-on entry is written again here
            if (file == "goals") {
                find<QPlainTextEdit>(f.window.get(), "txtGoalDesc")->setPlainText(typed);
                find<QPushButton>(f.window.get(), "cmdSaveGoals")->click();
            } else if (file == "report") {
                only<ResultsView>(f.window.get()).showReport(typed, "summary");
                only<ResultsView>(f.window.get()).Command5_Click(); // its tab is not open
            } else if (file == "settings") {
                find<QPushButton>(f.window.get(), "cmdSaveSettings")->click();
            }
        }

        const QString told = f.fakes.dialogs.lastText();
        QVERIFY(!old.isEmpty() && readBytes(path) == old && f.fakes.dialogs.messages.size() == 1);
        QVERIFY2(told.contains(file == "log-on entry" ? " setting key\n" : "could not be saved"), qPrintable(told));
        if (file == "log-on entry") // the old entry is still there
            QVERIFY(find<QRadioButton>(f.window.get(), "optRun")->isChecked());
        if (file == "goals") // the editor keeps what was typed
            QCOMPARE(find<QPlainTextEdit>(f.window.get(), "txtGoalDesc")->toPlainText(), typed);
        if (file == "settings")
            QFile::remove(path);
    }
};

LUMENREST_TEST_MAIN(TestFullDisk)
#include "tst_FullDisk.moc"
