#include "platform/SettingsStore.h"
#include "shell/StartupOptions.h"
#include "study/StudyObjectives.h"
#include "support/Find.h"
#include "support/TestMain.h"
#include "testing/TestOptions.h"
#include "ShellFixture.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

namespace {

const QStringList kLoadOrder{"MajorArcana", "MinorArcana", "Cups",     "Wands",
                             "Pentacles",   "Swords",      "TestType", "Difficulty"};

// "110111 1 2": the six study boxes, the test type, the level.
QString state(frmMain& w)
{
    QString s;
    for (QCheckBox* box : {w.objectives->chkMajor, w.objectives->chkMinor, w.objectives->chkGroup[0],
                           w.objectives->chkGroup[1], w.objectives->chkGroup[2], w.objectives->chkGroup[3]})
        s += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return s + QLatin1Char(' ') + QString::number(w.testOptions->testType()) + QLatin1Char(' ')
           + QString::number(w.testOptions->difficulty());
}

} // namespace

class TestUserSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstRunDefaults()
    {
        ShellFixture f;
        frmMain& w = f.load();
        // Keywords: the stored default wins over the designed Description.
        QCOMPARE(state(w), QStringLiteral("111111 1 0"));
        QVERIFY(w.testOptions->optTestType[1]->isChecked());
        QVERIFY(!w.objectives->chkReversed->isEnabled()); // the test-type rule ran
        QVERIFY(w.objectives->chkReversed->isChecked());
        QVERIFY(w.startupOptions->optDontRun->isChecked());
        QVERIFY(!w.startupOptions->chkSysTray->isChecked());
        QVERIFY(!w.startupOptions->chkSysTray->isEnabled());
        // Eight keys read in order; "RunAtSysTray" only when registered; nothing written.
        QCOMPARE(f.fakes.settings.reads, kLoadOrder);
        QVERIFY(f.fakes.settings.writes.isEmpty());
    }

    void eachKeyIsAppliedBeforeTheNextIsRead()
    {
        ShellFixture f;
        for (const QString& key : kLoadOrder.mid(0, 6))
            f.store(key, "0");
        f.store("TestType", "0");
        f.store("Difficulty", "2");
        frmMain& w = f.create();
        QStringList seen; // the state of the controls as each key is read
        f.fakes.settings.onRead = [&](const QString& key) { seen << key + ':' + state(w); };
        w.Form_Load();
        QCOMPARE(seen, (QStringList{"MajorArcana:111111 0 0", "MinorArcana:011111 0 0", "Cups:001111 0 0",
                                    "Wands:000111 0 0", "Pentacles:000011 0 0", "Swords:000001 0 0",
                                    "TestType:000001 0 0", "Difficulty:000001 0 0"}));
        QCOMPARE(state(w), QStringLiteral("000001 0 2"));
    }

    void allSuitsStoredOffLoadWithSwordsTicked()
    {
        ShellFixture f;
        for (const char* key : {"Cups", "Wands", "Pentacles", "Swords"})
            f.store(key, "0");
        frmMain& w = f.load();
        QCOMPARE(state(w), QStringLiteral("110001 1 0"));
    }

    void minorArcanaStoredOffDisablesTheSuits()
    {
        ShellFixture f;
        f.store("MinorArcana", "0");
        f.store("Wands", "0");
        frmMain& w = f.load();
        QCOMPARE(state(w), QStringLiteral("101011 1 0"));
        for (QCheckBox* suit : w.objectives->chkGroup)
            QVERIFY(!suit->isEnabled());
    }

    void bothArcanaStoredOffDisableReversed()
    {
        ShellFixture f;
        f.store("MajorArcana", "0");
        f.store("MinorArcana", "0");
        f.store("TestType", "0");
        frmMain& w = f.load();
        QVERIFY(!w.objectives->chkReversed->isEnabled());
    }

    void storedValuesFallBackToTheirDefaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("box 0") << "MajorArcana" << "0" << "011111 1 0";
        QTest::newRow("box word") << "MajorArcana" << "yes" << "111111 1 0";
        QTest::newRow("box 2") << "MajorArcana" << "2" << "111111 1 0";
        QTest::newRow("box -1") << "Cups" << "-1" << "111111 1 0";
        QTest::newRow("box empty") << "Wands" << "" << "111111 1 0";
        QTest::newRow("box 0 with blanks") << "Pentacles" << " 0 " << "111101 1 0";
        QTest::newRow("type 0") << "TestType" << "0" << "111111 0 0";
        QTest::newRow("type 2") << "TestType" << "2" << "111111 1 0";
        QTest::newRow("type word") << "TestType" << "Description" << "111111 1 0";
        QTest::newRow("level 2") << "Difficulty" << "2" << "111111 1 2";
        QTest::newRow("level 3") << "Difficulty" << "3" << "111111 1 0";
        QTest::newRow("level fraction") << "Difficulty" << "1.5" << "111111 1 0";
        QTest::newRow("level huge") << "Difficulty" << "99999999999" << "111111 1 0";
    }

    void storedValuesFallBackToTheirDefaults()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        ShellFixture f;
        f.store(key, value);
        QCOMPARE(state(f.load()), expected);
    }

    void saveWritesNineKeysFromTheControls()
    {
        ShellFixture f;
        f.registerLogOn("False");
        frmMain& w = f.load();
        w.objectives->chkMajor->setChecked(false);
        w.objectives->chkGroup[1]->setChecked(false);
        w.testOptions->optTestType[0]->setChecked(true);
        w.testOptions->optDifficulty[2]->setChecked(true);
        f.fakes.settings.writes.clear();
        QTest::mouseClick(find<QPushButton>(&w, "cmdSaveSettings"), Qt::LeftButton);
        QCOMPARE(f.fakes.settings.writes,
                 (QStringList{"MajorArcana=0", "MinorArcana=1", "Cups=1", "Wands=0", "Pentacles=1", "Swords=1",
                              "TestType=0", "Difficulty=2", "RunAtSysTray=False"}));
        QCOMPARE(f.stored("TestType"), QStringLiteral("0"));
        QCOMPARE(f.stored("Difficulty"), QStringLiteral("2"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty()); // nothing shown afterwards
    }

    void saveWritesTheSelectedOptionsNotTheStoredOnes()
    {
        ShellFixture f;
        f.store("TestType", "garbage");
        f.store("Difficulty", "7");
        frmMain& w = f.load();
        w.testOptions->optDifficulty[1]->setChecked(true);
        QTest::mouseClick(w.cmdSaveSettings, Qt::LeftButton);
        QCOMPARE(f.stored("TestType"), QStringLiteral("1"));
        QCOMPARE(f.stored("Difficulty"), QStringLiteral("1"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::newRow("defaults") << "111111 1 0";
        QTest::newRow("major only, description, advanced") << "101111 0 2";
        QTest::newRow("cups and swords, intermediate") << "011001 1 1";
        QTest::newRow("nothing but swords") << "000001 0 0";
    }

    void roundTrip()
    {
        QFETCH(QString, wanted);
        ShellFixture f;
        {
            frmMain& w = f.load();
            const QList<QCheckBox*> boxes{w.objectives->chkMajor,    w.objectives->chkMinor,
                                          w.objectives->chkGroup[0], w.objectives->chkGroup[1],
                                          w.objectives->chkGroup[2], w.objectives->chkGroup[3]};
            // Suits from the right, so the last-suit rule never interferes.
            for (int i = 5; i >= 0; --i)
                boxes[i]->setChecked(wanted[i] == QLatin1Char('1'));
            w.testOptions->optTestType[wanted.section(' ', 1, 1).toInt()]->setChecked(true);
            w.testOptions->optDifficulty[wanted.section(' ', 2, 2).toInt()]->setChecked(true);
            QCOMPARE(state(w), wanted);
            QTest::mouseClick(w.cmdSaveSettings, Qt::LeftButton);
        }
        f.window.reset();
        QCOMPARE(state(f.load()), wanted);
    }

    void trayBoxIsWrittenAtOnce()
    {
        ShellFixture f;
        f.registerLogOn("False");
        frmMain& w = f.load();
        f.fakes.settings.writes.clear();
        QTest::mouseClick(w.startupOptions->chkSysTray, Qt::LeftButton);
        QCOMPARE(f.fakes.settings.writes, QStringList{"RunAtSysTray=True"});
        QTest::mouseClick(w.startupOptions->chkSysTray, Qt::LeftButton);
        QCOMPARE(f.fakes.settings.writes, (QStringList{"RunAtSysTray=True", "RunAtSysTray=False"}));
    }

    void runAtSysTrayMustReadExactlyTrue_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("checked");
        QTest::newRow("True") << "True" << true;
        QTest::newRow("true") << "true" << false;
        QTest::newRow("TRUE") << "TRUE" << false;
        QTest::newRow("1") << "1" << false;
        QTest::newRow("True with a blank") << "True " << false;
        QTest::newRow("False") << "False" << false;
    }

    void runAtSysTrayMustReadExactlyTrue()
    {
        QFETCH(QString, stored);
        QFETCH(bool, checked);
        ShellFixture f;
        f.registerLogOn(stored);
        frmMain& w = f.load();
        QVERIFY(w.startupOptions->optRun->isChecked());
        QVERIFY(w.startupOptions->chkSysTray->isEnabled());
        QCOMPARE(w.startupOptions->chkSysTray->isChecked(), checked);
        QCOMPARE(f.fakes.settings.reads, kLoadOrder + QStringList{"RunAtSysTray"});
        // A change of the box stores the value it now shows.
        QCOMPARE(f.fakes.settings.writes, checked ? QStringList{"RunAtSysTray=True"} : QStringList{});
    }

    void runAtSysTrayIsNotReadWithoutRegistration()
    {
        ShellFixture f;
        f.store("RunAtSysTray", "True");
        frmMain& w = f.load();
        QVERIFY(!f.fakes.settings.reads.contains("RunAtSysTray"));
        QVERIFY(!w.startupOptions->chkSysTray->isChecked());
        QVERIFY(!w.startupOptions->chkSysTray->isEnabled());
        QCOMPARE(f.stored("RunAtSysTray"), QStringLiteral("True")); // left as it was
    }

    void renamedExecutableStartsFromDefaults()
    {
        ShellFixture f;
        f.store("TestType", "0");
        f.store("MajorArcana", "0");
        f.fakes.paths.name = "Renamed";
        frmMain& w = f.load();
        QCOMPARE(state(w), QStringLiteral("111111 1 0"));
        QTest::mouseClick(w.cmdSaveSettings, Qt::LeftButton);
        QCOMPARE(f.fakes.settings.values.value("Renamed/Settings/TestType"), QStringLiteral("1"));
        QCOMPARE(f.fakes.settings.values.value("Lumenrest/Settings/TestType"), QStringLiteral("0"));
    }

    void realStoreRoundTrip()
    {
        // QSettings in the test location (test mode), under an application name of its own.
        QtSettingsStore store;
        const QString app = QStringLiteral("LumenrestSettingsTest");
        {
            QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Vellacourt", app);
            s.clear();
        }
        ShellFixture f;
        f.fakes.paths.name = app;
        Services services = f.fakes.services();
        services.settings = &store;
        {
            frmMain w(services);
            w.Form_Load();
            w.objectives->chkGroup[2]->setChecked(false);
            w.testOptions->optTestType[0]->setChecked(true);
            w.testOptions->optDifficulty[1]->setChecked(true);
            QTest::mouseClick(w.cmdSaveSettings, Qt::LeftButton);
        }
        QCOMPARE(store.GetSetting(app, "Settings", "Pentacles", "?"), QStringLiteral("0"));
        QCOMPARE(store.GetSetting(app, "Settings", "RunAtSysTray", "?"), QStringLiteral("False"));
        frmMain again(services);
        again.Form_Load();
        QCOMPARE(state(again), QStringLiteral("111101 0 1"));
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Vellacourt", app);
        QVERIFY(s.fileName().contains(".qttest"));
        s.clear();
    }
};

LUMENREST_TEST_MAIN(TestUserSettings)
#include "tst_UserSettings.moc"
