#include "support/Find.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "testing/TestReport.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTranslator>

#include <memory>

// The German interface comes from the translation built into the program; the report,
// which is also saved to a file, stays English whatever the interface language.
class TestTranslation : public QObject {
    Q_OBJECT

    std::unique_ptr<QTranslator> m_german;

    void useGerman(bool german)
    {
        if (german) {
            m_german = std::make_unique<QTranslator>();
            // The same lookup the program makes for a German desktop.
            QVERIFY(m_german->load(QLocale(QStringLiteral("de_DE")), QStringLiteral("lumenrest"), QStringLiteral("_"),
                                   QStringLiteral(":/i18n")));
            QVERIFY(QCoreApplication::installTranslator(m_german.get()));
        } else if (m_german) {
            QCoreApplication::removeTranslator(m_german.get());
            m_german.reset();
        }
    }

private Q_SLOTS:
    void cleanup() { useGerman(false); }

    void mainWindowTexts_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("goalsTab");
        QTest::addColumn<QString>("settingsMenu");
        QTest::addColumn<QString>("message");
        QTest::newRow("no translation") << false << " My Personal Goal " << "Setings" << "Select at least one option.";
        QTest::newRow("German") << true << " Mein persönliches Ziel " << "&Einstellungen"
                                << "Wählen Sie mindestens eine Option aus.";
    }
    void mainWindowTexts()
    {
        QFETCH(bool, german);
        useGerman(german);
        MainWindowFixture f;
        frmMain& w = f.load();
        QTEST(find<QTabWidget>(&w, "SSTab1")->tabText(0), "goalsTab");
        QTEST(find<QAction>(&w, "mnuTabSettings")->text(), "settingsMenu");
        find<QCheckBox>(&w, "chkMajor")->setChecked(false);
        find<QCheckBox>(&w, "chkMinor")->setChecked(false);
        QTest::mouseClick(find<QPushButton>(&w, "cmdSetOption"), Qt::LeftButton);
        QTEST(f.fakes.dialogs.lastText(), "message");
    }

    void reportStaysEnglish()
    {
        useGerman(true);
        TestReportInput input;
        input.description = true;
        input.lines = {{QStringLiteral("The Fool"), false, 1, 0}, {QStringLiteral("The Magician"), true, 0, 0}};
        input.deckSize = 2;
        input.appTitle = QStringLiteral("Lumenrest");
        input.correctCount = 1;
        const TestReportResult r = TestReport::build(input);
        QVERIFY(r.text.startsWith("Test Report For Lumenrest\r\n") && r.text.contains("The Magician (Reversed)"));
        QVERIFY(r.text.contains("Wrong\r\n") && r.text.endsWith("\r\n1 out of 2 questions correct"));
        // Only the line shown above the report follows the interface.
        QCOMPARE(r.summary, QStringLiteral("1 von 2 Fragen richtig"));
    }
};

LUMENREST_TEST_MAIN(TestTranslation)
#include "tst_Translation.moc"
