// Installs the build into a temporary prefix, as the Debian package does, and checks
// that the installed tree works: the program behind the bin/ link finds its card database.
#include "goals/GoalsTestSupport.h"
#include "platform/DesktopEntry.h"
#include "shell/ProgramIcon.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <filesystem>

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_prefix;
    const QString kAppId = QStringLiteral("com.vellacourt.Lumenrest");

    QString installed(const QString& relative) const { return m_prefix + '/' + relative; }

private Q_SLOTS:
    void initTestCase()
    {
        m_prefix = QDir(m_tmp.path()).canonicalPath() + "/usr";
        QProcess install;
        install.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        install.start(LUMENREST_CMAKE, {"--install", LUMENREST_BUILD_DIR, "--prefix", m_prefix});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0);
    }

    void filesAndLauncherAreInPlace()
    {
        for (const QString& path : QStringList{"lib/lumenrest/Lumenrest", "lib/lumenrest/learn.dll", "share/applications/" + kAppId + ".desktop",
                                               "share/metainfo/" + kAppId + ".metainfo.xml", "share/man/man1/lumenrest.1.gz",
                                               "share/doc/lumenrest/copyright", "share/doc/lumenrest/changelog.gz"}) {
            const QFileInfo info(installed(path));
            QVERIFY2(info.isFile() && !info.isSymLink() && info.size() > 0, qPrintable(path));
            QCOMPARE(info.isExecutable(), path.endsWith("/Lumenrest"));
        }
        const std::filesystem::path link(QFile::encodeName(installed("bin/lumenrest")).toStdString());
        // Relative, so that the tree works wherever it is unpacked.
        QVERIFY(std::filesystem::is_symlink(link) && std::filesystem::read_symlink(link).is_relative());
        QCOMPARE(QFileInfo(installed("bin/lumenrest")).canonicalFilePath(), installed("lib/lumenrest/Lumenrest"));
    }

    void iconsAreTheProgramIcon()
    {
        for (int size : {16, 256}) {
            const QImage png(installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId)));
            QVERIFY2(png.size() == QSize(size, size), qPrintable(QString::number(size)));
            QCOMPARE(png.convertToFormat(QImage::Format_ARGB32), ProgramIcon::image(size).convertToFormat(QImage::Format_ARGB32));
        }
        QImageReader reader(installed("share/icons/hicolor/scalable/apps/" + kAppId + ".svg"));
        reader.setScaledSize(QSize(256, 256));
        const QImage svg = reader.read();
        QVERIFY2(!svg.isNull(), qPrintable(reader.errorString()));
        // Outside the card, its gold edge, the star's centre; two renderers may differ by a shade.
        for (QPoint at : {QPoint(2, 2), QPoint(128, 10), QPoint(128, 128)}) {
            const QColor a = svg.pixelColor(at), b = ProgramIcon::image(256).pixelColor(at);
            const int diff = std::max({qAbs(a.red() - b.red()), qAbs(a.green() - b.green()), qAbs(a.blue() - b.blue()), qAbs(a.alpha() - b.alpha())});
            QVERIFY2(diff <= 4, qPrintable(a.name(QColor::HexArgb) + " against " + b.name(QColor::HexArgb)));
        }
    }

    // A log-on entry is rewritten at start-up with the program's real path, and only once
    // the card database has been found beside it: a stale entry that gets rewritten shows
    // that the program, started through bin/lumenrest, looked in lib/lumenrest and went on.
    void installedProgramFindsItsDatabase()
    {
        const QString config = m_tmp.filePath("config"), entry = config + "/autostart/Lumenrest.desktop";
        QVERIFY(QDir().mkpath(config + "/autostart") && QDir().mkpath(m_tmp.filePath("home")));
        const QByteArray stale = DesktopEntry::autostartEntry("Lumenrest", "/old/Lumenrest");
        GoalsTest::writeBytes(entry, stale);

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : {std::pair<QString, QString>("QT_QPA_PLATFORM", "offscreen"), {"HOME", m_tmp.filePath("home")},
                                          {"XDG_CONFIG_HOME", config}, {"XDG_DATA_HOME", m_tmp.filePath("data")}})
            env.insert(name, value);
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(installed("bin/lumenrest"), {});
        QVERIFY(program.waitForStarted());

        const QByteArray expected = DesktopEntry::autostartEntry("Lumenrest", installed("lib/lumenrest/Lumenrest"));
        QByteArray found = stale;
        for (int i = 0; i < 300 && found != expected && program.state() == QProcess::Running; ++i) {
            program.waitForFinished(100);
            found = GoalsTest::readBytes(entry);
        }
        const bool stillRunning = program.state() == QProcess::Running;
        program.kill();
        program.waitForFinished();
        QVERIFY2(stillRunning, "the installed program ended at start-up");
        QCOMPARE(found, expected);
    }
};

LUMENREST_TEST_MAIN(TestInstall)
#include "tst_Install.moc"
