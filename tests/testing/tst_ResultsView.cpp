#include "support/Fakes.h"
#include "support/TestMain.h"
#include "testing/ResultsView.h"
#include "testing/TestReport.h"

#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QString kReport = QStringLiteral("Test Report For Lumenrest\r\n-------------------------\r\n\r\n"
                                       "01.      Card 1                              Correct\r\n")
    + QString(64, '_') + QStringLiteral("\r\n1 out of 1 questions correct");

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TestResultsView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheReportInColumns()
    {
        FakeDialogs dialogs;
        ResultsView view(&dialogs);
        view.showReport(kReport, "1 out of 1 questions correct");
        QVERIFY(ResultsView::isMonospaced(view.txtResult->font()));
        QVERIFY(!ResultsView::isMonospaced(QFont("DejaVu Sans")));
        QCOMPARE(view.txtResult->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(view.lblResultInfo->text(), QStringLiteral("1 out of 1 questions correct"));
        QString expected = kReport;
        expected.replace("\r\n", "\n");
        QCOMPARE(view.txtResult->toPlainText(), expected);
        QVERIFY(view.txtResult->textCursor().atEnd());
        QCOMPARE(view.Command5->text(), QStringLiteral("Save Current Result"));
    }

    void savesOverwritesAndCancels()
    {
        FakeDialogs dialogs;
        FakeAppPaths paths;
        ResultsView view(&dialogs);
        const QString path = paths.dir.path() + "/result.txt";

        view.showReport(kReport, "");
        dialogs.saveAnswers << path;
        QTest::mouseClick(view.Command5, Qt::LeftButton);
        QCOMPARE(readAll(path), (kReport + "\r\n").toUtf8());
        QCOMPARE(dialogs.filters, QStringList{"Text file|*.txt"});

        // Saving again to the same name replaces the file (the dialog asked first).
        view.showReport("short\r\nreport", "");
        dialogs.saveAnswers << path;
        QTest::mouseClick(view.Command5, Qt::LeftButton);
        QCOMPARE(readAll(path), QByteArray("short\r\nreport\r\n"));

        // Cancelling writes nothing and says nothing.
        view.showReport("other", "");
        QTest::mouseClick(view.Command5, Qt::LeftButton);
        QCOMPARE(readAll(path), QByteArray("short\r\nreport\r\n"));
        QCOMPARE(dialogs.filters.size(), 3);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void aReportThatCannotBeWrittenIsReported_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << "no/such/folder/result.txt";
        QTest::newRow("a folder") << "folder";
    }

    void aReportThatCannotBeWrittenIsReported()
    {
        QFETCH(QString, relative);
        FakeDialogs dialogs;
        FakeAppPaths paths;
        QDir(paths.dir.path()).mkdir("folder");
        ResultsView view(&dialogs);
        view.showReport(kReport, "");
        const QString path = paths.dir.path() + '/' + relative;
        dialogs.saveAnswers << path;
        view.Command5_Click();
        QCOMPARE(dialogs.messages.size(), 1);
        const QString text = dialogs.messages.first().text;
        QVERIFY2(text.startsWith("The report could not be saved to \"" + QDir::toNativeSeparators(path) + "\": "),
                 qPrintable(text));
        QVERIFY(text.size() > text.indexOf("\": ") + 3); // a reason follows
        QCOMPARE(dialogs.messages.first().icon, Dialogs::Icon::Critical);
        QCOMPARE(dialogs.messages.first().caption, QStringLiteral("Lumenrest"));
        QVERIFY(QFileInfo(path).isDir() || !QFileInfo::exists(path));
    }
};

LUMENREST_TEST_MAIN(TestResultsView)
#include "tst_ResultsView.moc"
