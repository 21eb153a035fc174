// The test's draws, its report, and the option button that wraps its meaning.
#include "support/Fakes.h"
#include "support/TestMain.h"
#include "testing/ResultsView.h"
#include "testing/TestDraws.h"
#include "testing/TestReport.h"
#include "testing/WrappingRadioButton.h"

#include <QButtonGroup>
#include <QVBoxLayout>

class TestTesting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Rnd × 10 rounded half to even; odd is reversed.
    void orientationRoundsHalfToEven()
    {
        const QList<QPair<double, int>> cases{{0.49, 0}, {0.5, 0}, {0.51, 1}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {9.5, 10}};
        for (const auto& [x, rounded] : cases)
            QCOMPARE(TestDraws::roundHalfEven(x), rounded);
        QVERIFY(!TestDraws::reversedFromRnd(0.05) && TestDraws::reversedFromRnd(0.06));
        QVERIFY(!TestDraws::reversedFromRnd(0.15) && !TestDraws::reversedFromRnd(0.96));
    }

    void drawsStayInRangeAndGiveUp()
    {
        FakeRandom r;
        r.script = {0.99999999999999989, 0.0, 0.0, 0.0, 0.0, 0.6};
        QCOMPARE(TestDraws::index(r, 1000000007), 1000000006);
        // Four draws meet position 1 only, then the pick among the acceptable {2, 4}.
        int draws = 0;
        QCOMPARE(TestDraws::drawFresh(r, 4, [](int k) { return k == 2 || k == 4; }, [&] { ++draws; }), 4);
        QCOMPARE(draws, 4);
        QVERIFY(r.script.empty());
        QCOMPARE(TestDraws::drawFresh(r, 5, [](int) { return false; }), 0);
    }

    void intermediateKeywordSummary()
    {
        TestReportInput in{false, {}, 14, "Lumenrest"};
        for (int i = 0; i < 14; ++i)
            in.lines << TestReportLine{QStringLiteral("Card %1").arg(i + 1), false, i < 10 ? 5 : 0, 5};
        const TestReportResult r = TestReport::build(in);
        QVERIFY(r.summary == QStringLiteral("50/70 choice(s) from 14 questions were correct") && r.correctCount == 50);
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
        for (auto [length, reversed, blanks] : {std::tuple(35, false, 1), {50, false, 1}, {25, true, 1}}) {
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
            QVERIFY(m.icon == Dialogs::Icon::Critical && m.caption == QStringLiteral("Lumenrest"));
        }
    }

    // One button whose text is the meaning, as high as its wrapped paragraph needs, and a
    // click anywhere on the paragraph selects it.
    void wrapsAndSelectsAsOneButton()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        QButtonGroup group;
        WrappingRadioButton a, b;
        const QString meaning = QString("A traveller steps toward the edge of a cliff, eyes on the sky. ").repeated(3);
        a.setText(meaning);
        b.setText(QStringLiteral("Another meaning."));
        for (auto* option : {&a, &b}) {
            group.addButton(option);
            layout->addWidget(option);
        }
        QCOMPARE(a.text(), meaning);
        QVERIFY(a.findChildren<QWidget*>().isEmpty()); // no label beside it
        const int line = a.fontMetrics().height();
        const int narrow = a.heightForWidth(300);
        QVERIFY(a.heightForWidth(4000) < 2 * line + 8 && narrow > 3 * line);
        a.setText(meaning.repeated(2)); // each question's new text is measured anew
        QVERIFY(a.heightForWidth(300) > narrow);
        a.setText(meaning);

        window.resize(320, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(a.height() >= a.heightForWidth(a.width()));
        // The last line's far end, well away from the indicator.
        QTest::mouseClick(&a, Qt::LeftButton, {}, QPoint(a.width() - 10, a.height() - 5));
        QVERIFY(a.isChecked());
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(b.width() - 10, b.height() / 2));
        QVERIFY(b.isChecked() && !a.isChecked());
    }
};

LUMENREST_TEST_MAIN(TestTesting)
#include "tst_Testing.moc"
