#include "TestRunFixture.h"

#include "goals/GoalsTestSupport.h" // whole-file writes

#include "testing/ResultsView.h"

#include <QImage>

class TestTestRun : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What each answer records is checked where it is stored (tst_ProgressWindow).
    void threeCardTestIsReportedAndSavedByteForByte()
    {
        TestRunFixture f(MainWindowFixture::smallDeck(), 0, 0, true);
        f.choose(true, false); // cards 1, 2 and 3
        f.plan({1}, 3, 0, 2, {2, 3}, false);
        f.plan({2}, 3, 0, 4, {1, 3}, true);
        f.plan({3}, 3, 0, 3, {1, 2}, false);
        int endedAt = -1; // messages shown when the test ended
        QObject::connect(&f.run(), &TestRun::testEnded, [&] { endedAt = int(f.fakes.dialogs.messages.size()); });
        f.start();
        QVERIFY(f.choicesComeFromTheirCards(f.run().question()) && f.w->focusWidget() == f.get("picResult"));
        for (bool right : {true, false, true}) // the wrong one picks option 2, the meaning of card 1
            f.answer(right);
        QVERIFY(f.script().empty()); // every draw as planned
        QCOMPARE(endedAt, 0); // the report stands, before "Test Complete"
        QVERIFY(f.availability() == QStringLiteral("11101") && f.fakes.dialogs.lastText() == QStringLiteral("Test Complete"));
        QCOMPARE(f.info(), QStringLiteral("2 out of 3 questions correct"));

        const auto* text = f.get<QPlainTextEdit>("txtResult"); // columns stay columns
        QVERIFY(ResultsView::isMonospaced(text->font()) && text->lineWrapMode() == QPlainTextEdit::NoWrap);
        const QString file = f.fakes.paths.dir.path() + "/report.txt";
        GoalsTest::writeBytes(file, QByteArray(500, 'x'));
        f.fakes.dialogs.saveAnswers << file; // the dialog asked before replacing it
        f.click("Command5");
        f.click("Command5"); // cancelled: nothing written
        QCOMPARE(f.fakes.dialogs.messages.size(), 1); // "Test Complete" only
        // The report as shown, every line ended by CR LF; its layout is the report's own test.
        QCOMPARE(GoalsTest::readBytes(file), QString(f.report() + '\n').replace(QLatin1Char('\n'), QLatin1String("\r\n")).toUtf8());
        QVERIFY(f.report().contains(QRegularExpression("Card 1 +Correct\n.*Card 2 \\(Reversed\\) +Wrong\n.*Card 3 +Correct\n")));
    }

    // A draw that meets an asked card draws again; after n such draws the card is asked again.
    void drawSkipsAskedCards()
    {
        const QList<QPair<QList<int>, QList<int>>> cases{{{1, 3}, {1, 3, 2}}, {{1, 1, 1}, {1, 1, 2}}};
        for (const auto& [secondDraws, asked] : cases) {
            TestRunFixture f;
            f.choose(true, false);
            f.plan({1}, 3, 0, 2, {2, 3});
            f.plan(secondDraws, 3, 0, 4, secondDraws.last() == 1 ? QList<int>{2, 3} : QList<int>{1, 2});
            f.plan({2}, 3, 0, 2, {1, 3});
            f.start();
            for (int q = 0; q < 3; ++q, f.answer())
                QCOMPARE(f.card(), QStringLiteral("Card %1").arg(asked[q]));
            QVERIFY(f.script().empty());
        }
    }

    // Each level's options in use ("X"), the right one on each of them, judged 1 or 0.
    void optionsOfEachLevel()
    {
        for (int level = 0; level < 3; ++level) {
            const QString inUse = QStringList{"..XXX..", ".XXXXX.", "XXXXXXX"}[level];
            TestRunFixture f(MainWindowFixture::smallDeck(), 0, level);
            f.start();
            for (int right = int(inUse.indexOf('X')); right <= inUse.lastIndexOf('X'); ++right) {
                f.plan({5}, 8, level, right); // a new test on the open deck
                f.run().cmdStartTest_Click();
                QCOMPARE(f.rightOption(), right);
                f.answer(right % 2 == 0);
                QCOMPARE(f.fields().QuestionScores->front(), right % 2 == 0 ? 1 : 0);
                // The next question: the level's options only, none selected.
                for (int i = 0; i < 7; ++i)
                    QVERIFY(f.option(i)->isHidden() == (inUse[i] != 'X') && f.option(i)->isEnabled() == (inUse[i] == 'X') && !f.option(i)->isChecked());
                QVERIFY(!f.get("cmdNextQuestion")->isEnabled());
            }
        }
    }

    // "Reversed" unticked never reverses; ticked, the orientation draw decides.
    void orientation()
    {
        const QImage upright = QImage::fromData(Fixtures::asymmetricPng());
        for (auto [ticked, reversed] : {std::pair(false, false), {true, true}}) {
            TestRunFixture f(MainWindowFixture::smallDeck(), 0, 2, ticked);
            if (ticked)
                f.plan({2}, 8, 2, 4, {}, reversed);
            f.start();
            for (int q = 0; q < (ticked ? 1 : 8); ++q) {
                QCOMPARE(f.label("lblIsReversed"), reversed ? QStringLiteral("Reversed") : QString());
                QCOMPARE(f.get<PictureBox>("picResult")->picture(), reversed ? upright.mirrored(true, true) : upright);
                QVERIFY(f.option(f.rightOption())->text().startsWith(reversed ? "Reversed meaning" : "Upright meaning"));
                f.answer();
            }
        }
    }

    // Too few meanings in the card table: fewer options. A deck that falls short takes
    // them from the rest of the card table. Either way one right answer, and the test ends.
    void smallDecksFinish()
    {
        // Cards in the database (8: Wands alone), level, options, questions.
        for (auto [cards, level, options, questions] : {std::array{1, 0, 1, 1}, {3, 2, 3, 3}, {8, 2, 7, 1}}) {
            TestRunFixture f(cards == 8 ? MainWindowFixture::smallDeck() : Fixtures::fullDeck().mid(0, cards), 0, level, true);
            f.choose(cards != 8, cards == 8, cards == 8 ? "W" : "CWPS");
            f.start();
            for (int q = 0; q < questions; ++q, f.answer()) {
                QSet<QString> texts;
                for (int i = 0; i < 7; ++i)
                    if (!f.option(i)->isHidden())
                        texts << f.option(i)->text();
                QCOMPARE(texts.size(), options);
            }
            QCOMPARE(f.info(), QStringLiteral("%1 out of %1 questions correct").arg(questions));
        }
    }

    // A start that cannot go ahead says why and leaves the Settings tab as it was; a deck
    // that could not be read leaves no earlier deck in use.
    void refusedStarts()
    {
        // No arcana is the objectives' guard (tst_frmMain); no Cups in the database, unreadable,
        // a drill of unknown cards only.
        for (int cause = 1; cause < 4; ++cause) {
            TestRunFixture f(Fixtures::fullDeck().mid(0, 3));
            f.choose(cause == 2, cause == 1, "C");
            if (cause == 2) { // a good deck first
                f.start();
                GoalsTest::writeBytes(modDB::cardDatabasePath(f.fakes.paths.dir.path()), QByteArray(5000, 'x'));
            }
            if (cause < 3)
                f.start();
            else
                f.run().startDrill({0, 99});
            const auto& m = f.fakes.dialogs.messages.first();
            QVERIFY(f.fakes.dialogs.messages.size() == 1 && m.text.contains(cause == 2 ? "" : "no cards to test"));
            QVERIFY(m.icon == (cause == 2 ? Dialogs::Icon::Critical : Dialogs::Icon::Exclamation));
            QVERIFY(f.availability() == QStringLiteral("11000") && f.fields().QuestionNo == (cause == 2 ? 1 : 0));
            QVERIFY(cause != 2 || (!modDB::DeckRecordset && !modDB::CardConnection));
        }
    }

    // A drill asks exactly the given cards known to the card table, whatever the objectives
    // say, and leaves them as they were; the Memorize Cards tab then walks the same cards.
    void drillAsksTheGivenCards()
    {
        TestRunFixture f(MainWindowFixture::smallDeck(), 0, 0, true);
        f.choose(false, false, "P"); // no arcana at all
        QSignalSpy started(&f.run(), &TestRun::testStarted);
        f.run().startDrill({3, 1, 4});
        f.answer(); // abandoned by the next drill
        f.run().startDrill({7, 99, 2, 7});
        QVERIFY(started.size() == 2 && started[1][2].toInt() == 2);
        QVERIFY(!modGlobals::IsLongArrayInitialised(f.fields().AskedCardIDs));
        // Two cards: the third meaning of a Beginner question comes from the rest of the table.
        int outside = -1, outsideCard = 0;
        for (int i = 2; i <= 4; ++i)
            if (const int card = f.option(i)->text().section(' ', -1).chopped(1).toInt(); card != 2 && card != 7) // "... card 7."
                std::tie(outside, outsideCard) = std::pair(i, card);
        QVERIFY(outsideCard > 0 && f.option(outside)->isEnabled());
        QTest::mouseClick(f.option(outside), Qt::LeftButton);
        QSignalSpy recorded(&f.run(), &TestRun::answerRecorded);
        f.next();
        QCOMPARE(TestRunFixture::answerOf(recorded, 0).mistakenFor.value_or(0), outsideCard);
        f.answer();
        QCOMPARE(QSet<int>(f.fields().AskedCardIDs->begin(), f.fields().AskedCardIDs->end()), QSet<int>({2, 7}));
        QVERIFY(!f.get<QCheckBox>("chkMajor")->isChecked() && f.get<QCheckBox>("chkGroup_2")->isChecked());
    }

    void pendingEventsCannotReenterTheDraw()
    {
        TestRunFixture f;
        f.start();
        QTest::mouseClick(f.option(f.rightOption()), Qt::LeftButton);
        bool busyThen = false;
        // Runs at the first "let pending events run" of the draw.
        QMetaObject::invokeMethod(&f.run(), [&] {
                busyThen = f.run().busy();
                f.run().cmdStartTest2_Click(), f.run().cmdStartTest_Click(), f.run().cmdNextQuestion_Click();
            }, Qt::QueuedConnection);
        f.next();
        QVERIFY(busyThen && f.fields().QuestionNo == 2 && f.fakes.dialogs.messages.isEmpty());
        QCOMPARE(f.fakes.random.randomizeCount, 1);
    }
};

LUMENREST_TEST_MAIN(TestTestRun)
#include "tst_TestRun.moc"
