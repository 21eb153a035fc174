#include "support/Find.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "testing/TestReport.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// The German interface comes from the translation built into the program; the report,
// which is also saved to a file, stays English whatever the interface language.
class TestTranslation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void germanInterfaceEnglishReport()
    {
        // The same lookup the program makes for a German desktop.
        QTranslator german;
        QVERIFY(german.load(QLocale(QStringLiteral("de_DE")), QStringLiteral("lumenrest"), QStringLiteral("_"),
                            QStringLiteral(":/i18n")));
        QVERIFY(QCoreApplication::installTranslator(&german));
        MainWindowFixture f;
        f.load();
        QCOMPARE(f.tabs()->tabText(0), QStringLiteral(" Mein persönliches Ziel "));
        QCOMPARE(f.get<QAction>("mnuTabSettings")->text(), QStringLiteral("&Einstellungen"));
        f.get<QCheckBox>("chkMajor")->setChecked(false);
        f.get<QCheckBox>("chkMinor")->setChecked(false);
        f.click("cmdSetOption");
        QCOMPARE(f.fakes.dialogs.lastText(), QStringLiteral("Wählen Sie mindestens eine Option aus."));

        const TestReportResult r =
            TestReport::build({true, {{"The Fool", false, 1, 0}, {"The Magician", true, 0, 0}}, 2, "Lumenrest", 1});
        QVERIFY(r.text.startsWith("Test Report For Lumenrest\r\n") && r.text.contains("The Magician (Reversed)"));
        QVERIFY(r.text.contains("Wrong\r\n") && r.text.endsWith("\r\n1 out of 2 questions correct"));
        // Only the line shown above the report follows the interface.
        QCOMPARE(r.summary, QStringLiteral("1 von 2 Fragen richtig"));
    }
};

LUMENREST_TEST_MAIN(TestTranslation)
#include "tst_Translation.moc"
