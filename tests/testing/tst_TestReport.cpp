#include "support/Fakes.h"
#include "support/TestMain.h"
#include "testing/ResultsView.h"
#include "testing/TestReport.h"


class TestTestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void intermediateKeywordSummary()
    {
        TestReportInput in{false, {}, 14, "Lumenrest"};
        for (int i = 0; i < 14; ++i)
            in.lines << TestReportLine{QStringLiteral("Card %1").arg(i + 1), false, i < 10 ? 5 : 0, 5};
        const TestReportResult r = TestReport::build(in);
        QCOMPARE(r.summary, QStringLiteral("50/70 choice(s) from 14 questions were correct"));
        QCOMPARE(r.correctCount, 50);
        QVERIFY(r.text.contains("\r\n01.      Card 1" + QString(30, ' ') + "5 Out Of 5 Correct\r\n"));
        QVERIFY(r.text.contains("\r\n14.      Card 14" + QString(29, ' ') + "0 Out Of 5 Correct\r\n"));
        QVERIFY(r.text.endsWith(QString(64, '_') + "\r\n" + r.summary));
    }

    void hundredAndMoreQuestionsUseThreeDigits()
    {
        TestReportInput in{true, {}, 105, "Lumenrest", 35};
        for (int i = 0; i < 105; ++i)
            in.lines << TestReportLine{"Ace of Wands", i % 2 == 1, i % 3 == 0 ? 1 : 0};
        const QStringList lines = TestReport::build(in).text.split("\r\n");
        QCOMPARE(lines.size(), 3 + 105 + 2);
        QCOMPARE(lines[3], "01.      Ace of Wands" + QString(24, ' ') + "Correct");
        QCOMPARE(lines[3 + 98], "99.      Ace of Wands" + QString(24, ' ') + "Wrong");
        QCOMPARE(lines[3 + 99], "100.      Ace of Wands (Reversed)" + QString(13, ' ') + "Correct");
        QCOMPARE(lines.last(), QStringLiteral("35 out of 105 questions correct"));
    }

    // The result starts 36 columns after the name; a longer name still gets one blank.
    void nameLengthsAndTheResultColumn()
    {
        for (auto [length, reversed, blanks] : {std::tuple(6, false, 30), {35, false, 1}, {50, false, 1}, {25, true, 1}}) {
            const QString name(length, QLatin1Char('N'));
            QCOMPARE(TestReport::line(7, {name, reversed, 1}, true),
                     "07.      " + name + (reversed ? " (Reversed)" : "") + QString(blanks, ' ') + "Correct");
        }
    }

    void aReportThatCannotBeWrittenIsReported()
    {
        for (const QString relative : {"no/such/folder/result.txt", "folder"}) {
            FakeDialogs dialogs;
            FakeAppPaths paths;
            QDir(paths.dir.path()).mkdir("folder");
            ResultsView view(&dialogs);
            const QString path = paths.dir.path() + '/' + relative;
            dialogs.saveAnswers << path;
            view.Command5_Click();
            QCOMPARE(dialogs.messages.size(), 1);
            const auto& m = dialogs.messages.first();
            const QString head = "The report could not be saved to \"" + QDir::toNativeSeparators(path) + "\": ";
            QVERIFY2(m.text.startsWith(head) && m.text.size() > head.size(), qPrintable(m.text)); // a reason follows
            QCOMPARE(m.icon, Dialogs::Icon::Critical);
            QCOMPARE(m.caption, QStringLiteral("Lumenrest"));
        }
    }
};

LUMENREST_TEST_MAIN(TestTestReport)
#include "tst_TestReport.moc"
