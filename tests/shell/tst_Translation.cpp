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

// The German interface comes from the translation built into the program; the report,
// which is also saved to a file, stays English whatever the interface language.
class TestTranslation : public QObject {
    Q_OBJECT

    QTranslator m_german;

private Q_SLOTS:
    void initTestCase()
    {
        // The same lookup the program makes for a German desktop.
        QVERIFY(m_german.load(QLocale(QStringLiteral("de_DE")), QStringLiteral("lumenrest"), QStringLiteral("_"),
                              QStringLiteral(":/i18n")));
        QVERIFY(QCoreApplication::installTranslator(&m_german));
    }

    void mainWindowTexts()
    {
        MainWindowFixture f;
        frmMain& w = f.load();
        QCOMPARE(find<QTabWidget>(&w, "SSTab1")->tabText(0), QStringLiteral(" Mein persönliches Ziel "));
        QCOMPARE(find<QAction>(&w, "mnuTabSettings")->text(), QStringLiteral("&Einstellungen"));
        find<QCheckBox>(&w, "chkMajor")->setChecked(false);
        find<QCheckBox>(&w, "chkMinor")->setChecked(false);
        QTest::mouseClick(find<QPushButton>(&w, "cmdSetOption"), Qt::LeftButton);
        QCOMPARE(f.fakes.dialogs.lastText(), QStringLiteral("Wählen Sie mindestens eine Option aus."));
    }

    void reportStaysEnglish()
    {
        const TestReportInput input{true, {{"The Fool", false, 1, 0}, {"The Magician", true, 0, 0}}, 2, "Lumenrest", 1};
        const TestReportResult r = TestReport::build(input);
        QVERIFY(r.text.startsWith("Test Report For Lumenrest\r\n") && r.text.contains("The Magician (Reversed)"));
        QVERIFY(r.text.contains("Wrong\r\n") && r.text.endsWith("\r\n1 out of 2 questions correct"));
        // Only the line shown above the report follows the interface.
        QCOMPARE(r.summary, QStringLiteral("1 von 2 Fragen richtig"));
    }
};

LUMENREST_TEST_MAIN(TestTranslation)
#include "tst_Translation.moc"
