// The test's draws, its report, and the option button that wraps its meaning.
#include "support/Fakes.h"
#include "support/TestMain.h"
#include "testing/ResultsView.h"
#include "testing/TestDraws.h"
#include "testing/TestReport.h"
#include "testing/WrappingRadioButton.h"


class TestTesting : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void draws()
    {
        // The orientation: Rnd × 10 rounded half to even (0.5 to 0, 1.5 and 2.5 to 2); odd is reversed.
        for (auto [rnd, reversed] : {std::pair(0.05, false), {0.06, true}, {0.15, false}, {0.25, false}})
            QVERIFY2(TestDraws::reversedFromRnd(rnd) == reversed, qPrintable(QString::number(rnd)));
        // A position never past the end; a fresh card drawn again until none is left.
        FakeRandom r;
        r.script = {0.99999999999999989, 0.0, 0.0, 0.0, 0.0, 0.6};
        QCOMPARE(TestDraws::index(r, 1000000007), 1000000006); // never past the end
        // Four draws meet position 1 only, then the pick among the acceptable {2, 4}.
        int draws = 0;
        QCOMPARE(TestDraws::drawFresh(r, 4, [](int k) { return k == 2 || k == 4; }, [&] { ++draws; }), 4);
        QVERIFY(draws == 4 && r.script.empty());
        QCOMPARE(TestDraws::drawFresh(r, 5, [](int) { return false; }), 0);
    }

    // A hundred and more questions take three digits.
    void reportColumns()
    {
        TestReportInput in{true, {}, 105, "Lumenrest", 35};
        for (int i = 0; i < 105; ++i)
            in.lines << TestReportLine{"Ace of Wands", i % 2 == 1, i % 3 == 0 ? 1 : 0};
        const QStringList lines = TestReport::build(in).text.split("\r\n");
        QCOMPARE(lines.size(), 3 + 105 + 2);
        QCOMPARE(lines[3 + 98], "99.      Ace of Wands" + QString(24, ' ') + "Wrong");
        QCOMPARE(lines[3 + 99], "100.      Ace of Wands (Reversed)" + QString(13, ' ') + "Correct");
        QCOMPARE(lines.last(), QStringLiteral("35 out of 105 questions correct"));
        // The result starts 36 columns after the name; a longer name still gets one blank.
        for (auto [length, reversed] : {std::pair(35, false), {50, false}, {25, true}}) {
            const QString name(length, QLatin1Char('N'));
            QCOMPARE(TestReport::line(7, {name, reversed, 1}, true), "07.      " + name + (reversed ? " (Reversed)" : "") + " Correct");
        }
    }

    void aReportThatCannotBeWrittenIsReported()
    {
        FakeServices fakes;
        ResultsView view(&fakes.dialogs);
        const QString path = fakes.paths.dir.path() + "/no such folder/result.txt";
        fakes.dialogs.saveAnswers << path;
        view.Command5_Click();
        const QString head = "The report could not be saved to \"" + QDir::toNativeSeparators(path) + "\": "; // and why
        const QString told = fakes.dialogs.lastText();
        QVERIFY2(fakes.dialogs.messages.size() == 1 && told.startsWith(head) && told.size() > head.size(), qPrintable(told));
    }

    // The button's text is the meaning, as high as its wrapped paragraph needs, and a click
    // anywhere on the paragraph selects it (selecting one of a group is Qt's part).
    void wrapsAndSelectsAsOneButton()
    {
        WrappingRadioButton a;
        const QString meaning = QString("A traveller steps toward the edge of a cliff, eyes on the sky. ").repeated(3);
        a.setText(meaning);
        QVERIFY(a.text() == meaning && a.findChildren<QWidget*>().isEmpty()); // no label beside it
        const int line = a.fontMetrics().height();
        QVERIFY(a.heightForWidth(4000) < 2 * line + 8 && a.heightForWidth(300) > 3 * line);
        a.resize(300, a.heightForWidth(300));
        a.show();
        // The last line's far end, well away from the indicator.
        QTest::mouseClick(&a, Qt::LeftButton, {}, QPoint(a.width() - 10, a.height() - 5));
        QVERIFY(a.isChecked());
    }
};

LUMENREST_TEST_MAIN(TestTesting)
#include "tst_Testing.moc"
