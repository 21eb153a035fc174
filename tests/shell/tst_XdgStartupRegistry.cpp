#include "platform/DesktopEntry.h"
#include "platform/XdgStartupRegistry.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

// The real autostart entry, always inside a temporary config home.
class TestXdgStartupRegistry : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_config;
    QString m_exe = QStringLiteral("/opt/My Apps/Lumenrest");

    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void put(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Never near the real user's autostart folder.
        qputenv("HOME", QFile::encodeName(m_home.path()));
    }

    void init()
    {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
    }

    void folderFollowsTheEnvironment()
    {
        QCOMPARE(XdgStartupRegistry::autostartDir(), m_config->path() + "/autostart");
        QCOMPARE(XdgStartupRegistry::entryPath("Lumenrest"), m_config->path() + "/autostart/Lumenrest.desktop");
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(XdgStartupRegistry::autostartDir(), m_home.path() + "/.config/autostart");
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(XdgStartupRegistry::autostartDir(), m_home.path() + "/.config/autostart");
    }

    void writeCreatesFolderAndEntry()
    {
        XdgStartupRegistry registry;
        QVERIFY(!registry.exists("Lumenrest"));
        const auto r = registry.write("Lumenrest", m_exe);
        QVERIFY(r.ok);
        QVERIFY(registry.exists("Lumenrest"));
        QCOMPARE(read(XdgStartupRegistry::entryPath("Lumenrest")), DesktopEntry::autostartEntry("Lumenrest", m_exe));
        QVERIFY(!registry.exists("Other"));
    }

    void rewriteReplacesThePathWhole()
    {
        XdgStartupRegistry registry;
        QVERIFY(registry.write("Lumenrest", "/old/place/Lumenrest").ok);
        QVERIFY(registry.write("Lumenrest", m_exe).ok);
        QCOMPARE(read(XdgStartupRegistry::entryPath("Lumenrest")), DesktopEntry::autostartEntry("Lumenrest", m_exe));
        // Nothing left behind by the safe write.
        QCOMPARE(QDir(XdgStartupRegistry::autostartDir()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Lumenrest.desktop"});
    }

    void removeDeletesTheEntry()
    {
        XdgStartupRegistry registry;
        QVERIFY(registry.write("Lumenrest", m_exe).ok);
        QVERIFY(registry.remove("Lumenrest").ok);
        QVERIFY(!registry.exists("Lumenrest"));
        QVERIFY(!QFile::exists(XdgStartupRegistry::entryPath("Lumenrest")));
    }

    void removingAnAbsentEntryIsNoError()
    {
        XdgStartupRegistry registry;
        QVERIFY(registry.remove("Lumenrest").ok);
        QVERIFY(!QFileInfo::exists(XdgStartupRegistry::autostartDir())); // nothing created for it
    }

    void switchedOffEntryCountsAsAbsentAndStays()
    {
        const QString path = XdgStartupRegistry::entryPath("Lumenrest");
        const QByteArray hidden = DesktopEntry::autostartEntry("Lumenrest", m_exe) + "Hidden=true\n";
        put(path, hidden);
        XdgStartupRegistry registry;
        QVERIFY(!registry.exists("Lumenrest"));
        QVERIFY(registry.remove("Lumenrest").ok);
        QCOMPARE(read(path), hidden);
        // Asking for the log-on start again switches it back on.
        QVERIFY(registry.write("Lumenrest", m_exe).ok);
        QVERIFY(registry.exists("Lumenrest"));
        QVERIFY(!read(path).contains("Hidden"));
    }

    void folderThatCannotBeMadeFailsOnOpening()
    {
        // The config home is a file, so no folder can be made below it.
        const QString file = m_config->path() + "/not-a-folder";
        put(file, "x");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(file));
        XdgStartupRegistry registry;
        const auto r = registry.write("Lumenrest", m_exe);
        QVERIFY(!r.ok);
        QVERIFY(r.openFailed);
        QCOMPARE(r.code, ENOTDIR);
        QCOMPARE(r.description, QString::fromLocal8Bit(std::strerror(ENOTDIR)));
        QVERIFY(!registry.exists("Lumenrest"));
    }

    void entryThatCannotBeWrittenFailsOnSetting()
    {
        // A folder where the entry should be: the folder opens, the entry cannot be written.
        QVERIFY(QDir().mkpath(XdgStartupRegistry::entryPath("Lumenrest")));
        XdgStartupRegistry registry;
        const auto r = registry.write("Lumenrest", m_exe);
        QVERIFY(!r.ok);
        QVERIFY(!r.openFailed);
        QVERIFY(r.code != 0);
        QVERIFY(!r.description.isEmpty());
        QVERIFY(!registry.exists("Lumenrest"));
    }
};

LUMENREST_TEST_MAIN(TestXdgStartupRegistry)
#include "tst_XdgStartupRegistry.moc"
