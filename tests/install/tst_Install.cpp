// Installs the build into a temporary prefix, as the Debian package does, and checks
// that the installed tree works: the program behind the bin/ link finds its card database.
#include "platform/DesktopEntry.h"
#include "shell/ProgramIcon.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <filesystem>

namespace {

const QString kAppId = QStringLiteral("com.vellacourt.Lumenrest");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_prefix;

    QString installed(const QString& relative) const { return m_prefix + QLatin1Char('/') + relative; }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        m_prefix = QDir(m_tmp.path()).canonicalPath() + QStringLiteral("/usr");
        QProcess install;
        install.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        install.start(QStringLiteral(LUMENREST_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(LUMENREST_BUILD_DIR), QStringLiteral("--prefix"),
                       m_prefix});
        QVERIFY(install.waitForFinished(60000));
        QCOMPARE(install.exitStatus(), QProcess::NormalExit);
        QCOMPARE(install.exitCode(), 0);
    }

    void filesAreInPlace_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("executable");
        QTest::newRow("program") << "lib/lumenrest/Lumenrest" << true;
        QTest::newRow("card database") << "lib/lumenrest/learn.dll" << false;
        QTest::newRow("menu entry") << "share/applications/" + kAppId + ".desktop" << false;
        QTest::newRow("metainfo") << "share/metainfo/" + kAppId + ".metainfo.xml" << false;
        QTest::newRow("manual page") << "share/man/man1/lumenrest.1.gz" << false;
        QTest::newRow("copyright") << "share/doc/lumenrest/copyright" << false;
        QTest::newRow("changelog") << "share/doc/lumenrest/changelog.gz" << false;
    }
    void filesAreInPlace()
    {
        QFETCH(QString, path);
        QFETCH(bool, executable);
        const QFileInfo info(installed(path));
        QVERIFY2(info.isFile() && !info.isSymLink(), qPrintable(path));
        QVERIFY(info.size() > 0);
        QCOMPARE(info.isExecutable(), executable);
    }

    void launcherIsRelativeLinkToProgram()
    {
        const std::filesystem::path link(QFile::encodeName(installed(QStringLiteral("bin/lumenrest"))).toStdString());
        QVERIFY(std::filesystem::is_symlink(link));
        // Relative, so that the tree works wherever it is unpacked.
        QVERIFY(std::filesystem::read_symlink(link).is_relative());
        QCOMPARE(QFileInfo(installed(QStringLiteral("bin/lumenrest"))).canonicalFilePath(),
                 installed(QStringLiteral("lib/lumenrest/Lumenrest")));
    }

    void iconsAreTheProgramIcon_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%dpx", size) << size;
    }
    void iconsAreTheProgramIcon()
    {
        QFETCH(int, size);
        const QImage png(installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId)));
        QCOMPARE(png.size(), QSize(size, size));
        QCOMPARE(png.convertToFormat(QImage::Format_ARGB32), ProgramIcon::image(size).convertToFormat(QImage::Format_ARGB32));
    }

    void scalableIconDrawsTheStar()
    {
        QImageReader reader(installed(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(kAppId)));
        reader.setScaledSize(QSize(256, 256));
        const QImage svg = reader.read();
        QVERIFY2(!svg.isNull(), qPrintable(reader.errorString()));
        const QImage drawn = ProgramIcon::image(256);
        // Outside the card, the card's gold edge, its dark field, the star's centre; two
        // renderers may differ by a shade.
        for (QPoint at : {QPoint(2, 2), QPoint(128, 10), QPoint(128, 40), QPoint(128, 128)}) {
            const QColor a = svg.pixelColor(at), b = drawn.pixelColor(at);
            const int diff = qMax(qMax(qAbs(a.red() - b.red()), qAbs(a.green() - b.green())),
                                  qMax(qAbs(a.blue() - b.blue()), qAbs(a.alpha() - b.alpha())));
            QVERIFY2(diff <= 4, qPrintable(QStringLiteral("%1,%2: %3 against %4").arg(at.x()).arg(at.y())
                                               .arg(a.name(QColor::HexArgb), b.name(QColor::HexArgb))));
        }
    }

    // A log-on entry is rewritten at start-up with the program's real path, and only once
    // the card database has been found beside it: a stale entry that gets rewritten shows
    // that the program, started through bin/lumenrest, looked in lib/lumenrest and went on.
    void installedProgramFindsItsDatabase()
    {
        const QString home = m_tmp.filePath(QStringLiteral("home"));
        const QString config = m_tmp.filePath(QStringLiteral("config"));
        const QString entry = config + QStringLiteral("/autostart/Lumenrest.desktop");
        QVERIFY(QDir().mkpath(config + QStringLiteral("/autostart")) && QDir().mkpath(home));
        const QByteArray stale = DesktopEntry::autostartEntry(QStringLiteral("Lumenrest"), QStringLiteral("/old/Lumenrest"));
        {
            QFile file(entry);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(stale), qint64(stale.size()));
        }

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_tmp.filePath(QStringLiteral("data")));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(installed(QStringLiteral("bin/lumenrest")), {});
        QVERIFY(program.waitForStarted());

        const QByteArray expected =
            DesktopEntry::autostartEntry(QStringLiteral("Lumenrest"), installed(QStringLiteral("lib/lumenrest/Lumenrest")));
        QByteArray found = stale;
        for (int i = 0; i < 300 && found != expected && program.state() == QProcess::Running; ++i) {
            program.waitForFinished(100);
            found = readAll(entry);
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
