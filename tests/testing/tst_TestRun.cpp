#include "TestRunFixture.h"
#include "support/TestMain.h"

#include <QFile>
#include <QImage>

namespace {
const QString kUpright = QStringLiteral("Upright meaning of card %1.");
const QString kReversed = QStringLiteral("Reversed meaning of card %1.");

QList<CardContent> cardsOfGroup0(int count)
{
    QList<CardContent> cards;
    for (int id = 1; id <= count; ++id)
        cards << Fixtures::card(id, 0);
    return cards;
}
} // namespace

class TestTestRun : public QObject {
    Q_OBJECT

private:
    // The options a question offers, in order, as "index:text".
    static QStringList shownOptions(TestScreen& s)
    {
        QStringList out;
        for (int i = 0; i < 7; ++i)
            if (!s.optAnswer[i]->isHidden())
                out << QString::number(i) + ':' + s.optAnswer[i]->text();
        return out;
    }

private Q_SLOTS:
    void oneCardDeckAsksOnceAndReportsOneLine()
    {
        TestRunFixture f({Fixtures::card(1, 0)});
        f.choose(true, false);
        f.setReversed(false);
        f.script() = Script::description({1}, 1, 0, 3, {});
        f.startFromSettings();

        TestScreen& s = f.screen();
        QCOMPARE(f.w->SSTab1->currentIndex(), 3);
        QCOMPARE(f.availability(), QStringLiteral("11110"));
        QCOMPARE(s.lblCardName->text(), QStringLiteral("Card 1"));
        // No other meaning exists anywhere: the question offers the one right option.
        QCOMPARE(shownOptions(s), QStringList{"3:" + kUpright.arg(1)});
        QVERIFY(s.picResult->hasPicture());
        QVERIFY(!s.cmdNextQuestion->isEnabled());
        QCOMPARE(f.w->focusWidget(), static_cast<QWidget*>(s.picResult));

        f.answerRight();
        QVERIFY(s.cmdNextQuestion->isEnabled());
        QCOMPARE(f.w->focusWidget(), static_cast<QWidget*>(s.cmdNextQuestion));
        f.next();

        QCOMPARE(f.w->SSTab1->currentIndex(), 4);
        QCOMPARE(f.availability(), QStringLiteral("11101"));
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.lastText(), QStringLiteral("Test Complete"));
        QCOMPARE(f.fakes.dialogs.messages.last().icon, Dialogs::Icon::Information);
        QCOMPARE(f.fakes.dialogs.messages.last().caption, QStringLiteral("Lumenrest"));
        QCOMPARE(f.reportText(), QStringLiteral("Test Report For Lumenrest\n") + QString(25, '-') + "\n\n01.      Card 1"
                                     + QString(30, ' ') + "Correct\n" + QString(64, '_')
                                     + "\n1 out of 1 questions correct");
        QCOMPARE(f.results().lblResultInfo->text(), QStringLiteral("1 out of 1 questions correct"));
    }

    void oneCardDeckTakesWrongMeaningsFromTheCardTable()
    {
        TestRunFixture f; // Wands holds card 6 alone
        f.choose(false, true, "W");
        f.setReversed(false);
        f.setLevel(2);
        f.startFromSettings();
        TestScreen& s = f.screen();
        QCOMPARE(s.lblCardName->text(), QStringLiteral("Card 6"));
        QStringList texts;
        for (auto* option : s.optAnswer) {
            QVERIFY(option->isEnabled() && !option->isHidden());
            texts << option->text();
        }
        QCOMPARE(texts[f.rightOption()], kUpright.arg(6));
        QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), 7); // one right answer only
        for (const QString& t : texts)
            QVERIFY(t.startsWith("Upright meaning of card "));
        f.answerWrong();
        f.next();
        QVERIFY(f.reportText().contains("01.      Card 6" + QString(30, ' ') + "Wrong\n"));
        QCOMPARE(f.results().lblResultInfo->text(), QStringLiteral("0 out of 1 questions correct"));
    }

    void drawSkipsAskedCards_data()
    {
        QTest::addColumn<QList<int>>("secondDraws");
        QTest::addColumn<QList<int>>("asked");
        QTest::newRow("fresh after one repeat") << QList<int>{1, 3} << QList<int>{1, 3, 2};
        // n fruitless draws: the card last drawn is asked again.
        QTest::newRow("gives up after n draws") << QList<int>{1, 1, 1} << QList<int>{1, 1, 2};
    }

    void drawSkipsAskedCards()
    {
        QFETCH(QList<int>, secondDraws);
        QFETCH(QList<int>, asked);
        TestRunFixture f;
        f.choose(true, false); // cards 1, 2 and 3
        f.setReversed(false);
        auto& s = f.script();
        Script::append(s, Script::description({1}, 3, 0, 2, {2, 3}));
        const int second = secondDraws.last();
        const QList<int> others = second == 1 ? QList<int>{2, 3} : QList<int>{1, 2};
        Script::append(s, Script::description(secondDraws, 3, 0, 2, others));
        Script::append(s, Script::description({2}, 3, 0, 2, {1, 3}));
        f.startFromSettings();
        for (int q = 0; q < 3; ++q) {
            QCOMPARE(f.screen().lblCardName->text(), QStringLiteral("Card %1").arg(asked[q]));
            f.answerRight();
            f.next();
        }
        QVERIFY(f.script().empty()); // every draw as planned
        QCOMPARE(*f.fields().AskedCardIDs, (std::vector<qint32>{asked[0], asked[1], asked[2]}));
        QCOMPARE(f.w->SSTab1->currentIndex(), 4);
        QCOMPARE(f.reportText().count("Card 1 "), asked.count(1));
    }

    void restartMidTestEmptiesTheRecord()
    {
        TestRunFixture f;
        f.setReversed(false);
        f.startFromSettings();
        QCOMPARE(f.fakes.random.randomizeCount, 1);
        f.answerRight();
        f.next();
        f.answerWrong();
        f.next();
        QCOMPARE(f.fields().AskedCardIDs->size(), std::size_t(2));
        QCOMPARE(f.fields().QuestionNo, 3);

        // "Test Me" on the Memorize Cards tab starts again on the same deck.
        auto* deck = modDB::DeckRecordset.get();
        f.clickTab(2);
        QCOMPARE(f.availability(), QStringLiteral("11100"));
        QTest::mouseClick(f.w->memorize->cmdStartTest, Qt::LeftButton);
        QCOMPARE(modDB::DeckRecordset.get(), deck);
        QCOMPARE(f.fakes.random.randomizeCount, 2);
        QCOMPARE(f.w->SSTab1->currentIndex(), 3);
        QCOMPARE(f.availability(), QStringLiteral("11110"));
        QVERIFY(!modGlobals::IsLongArrayInitialised(f.fields().AskedCardIDs));
        QVERIFY(!modGlobals::IsLongArrayInitialised(f.fields().QuestionScores));
        QVERIFY(!f.fields().ReversedFlags.has_value());
        QCOMPARE(f.fields().QuestionNo, 1);
        QCOMPARE(f.fields().CorrectCount, 0);

        for (int q = 0; q < 8; ++q) {
            f.answerRight();
            f.next();
        }
        QCOMPARE(f.fields().CorrectCount, 8);
        QCOMPARE(f.fields().AskedCardIDs->size(), std::size_t(8));
        QCOMPARE(f.results().lblResultInfo->text(), QStringLiteral("8 out of 8 questions correct"));

        f.startFromSettings();
        QCOMPARE(f.fields().CorrectCount, 0);
        QVERIFY(!f.fields().AskedCardIDs.has_value());
    }

    void levelsShowTheirOptions_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("inUse");
        QTest::newRow("Beginner") << 0 << "..XXX..";
        QTest::newRow("Intermediate") << 1 << ".XXXXX.";
        QTest::newRow("Advanced") << 2 << "XXXXXXX";
    }

    void levelsShowTheirOptions()
    {
        QFETCH(int, level);
        QFETCH(QString, inUse);
        TestRunFixture f;
        f.setLevel(level);
        f.setReversed(false);
        f.startFromSettings();
        f.answerWrong(); // a selection that the next question must clear
        f.next();
        TestScreen& s = f.screen();
        QStringList texts;
        int marked = 0;
        for (int i = 0; i < 7; ++i) {
            const bool used = inUse[i] == 'X';
            QCOMPARE(!s.optAnswer[i]->isHidden(), used);
            QCOMPARE(s.optAnswer[i]->isEnabled(), used);
            QCOMPARE(!s.Shape1[i]->isHidden(), used);
            QVERIFY(!s.optAnswer[i]->isChecked());
            if (!used)
                QVERIFY(s.optAnswer[i]->Tag().isEmpty());
            else
                texts << s.optAnswer[i]->text();
            marked += s.optAnswer[i]->Tag() == QStringLiteral("True");
        }
        QCOMPARE(marked, 1);
        QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), int(texts.size()));
        QVERIFY(!s.cmdNextQuestion->isEnabled());
        QCOMPARE(f.fields().AnswerLow, int(inUse.indexOf('X')));
        QCOMPARE(f.fields().AnswerHigh, int(inUse.lastIndexOf('X')));
    }

    void rightOptionOnEachPosition_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("Beginner") << 0;
        QTest::newRow("Intermediate") << 1;
        QTest::newRow("Advanced") << 2;
    }

    void rightOptionOnEachPosition()
    {
        QFETCH(int, level);
        const int low[] = {2, 1, 0}, high[] = {4, 5, 6};
        TestRunFixture f;
        f.setLevel(level);
        f.setReversed(false);
        f.startFromSettings();
        for (int right = low[level]; right <= high[level]; ++right) {
            for (bool answerRight : {true, false}) {
                // A new test on the open deck, its first question planned.
                f.script() = Script::description({5}, 8, level, right, {});
                f.w->testRun->cmdStartTest_Click();
                QCOMPARE(f.screen().lblCardName->text(), QStringLiteral("Card 5"));
                QCOMPARE(f.rightOption(), right);
                QCOMPARE(f.screen().optAnswer[right]->text(), kUpright.arg(5));
                if (answerRight)
                    f.answerRight();
                else
                    f.answerWrong();
                f.next();
                QCOMPARE(f.fields().QuestionScores->front(), answerRight ? 1 : 0);
                QCOMPARE(f.fields().AskedCardIDs->front(), 5);
            }
        }
    }

    void reversedUntickedNeverReverses()
    {
        TestRunFixture f;
        f.setReversed(false);
        f.setLevel(2);
        f.startFromSettings();
        for (int q = 0; q < 8; ++q) {
            QCOMPARE(f.screen().lblIsReversed->text(), QString());
            QVERIFY(!f.screen().picResult->isHalfTurned());
            for (auto* option : f.screen().optAnswer)
                QVERIFY(option->text().startsWith("Upright meaning"));
            f.answerRight();
            f.next();
        }
        for (bool reversed : *f.fields().ReversedFlags)
            QVERIFY(!reversed);
        QVERIFY(!f.reportText().contains("(Reversed)"));
    }

    void orientationOfAQuestion_data()
    {
        QTest::addColumn<bool>("reversed");
        QTest::newRow("reversed") << true;
        QTest::newRow("upright") << false;
    }

    void orientationOfAQuestion()
    {
        QFETCH(bool, reversed);
        TestRunFixture f;
        f.setReversed(true);
        f.setLevel(1);
        f.script() = Script::description({2}, 8, 1, 4, {}, reversed);
        f.startFromSettings();
        TestScreen& s = f.screen();
        QCOMPARE(s.lblIsReversed->text(), reversed ? QStringLiteral("Reversed") : QString());
        QCOMPARE(s.optAnswer[4]->text(), (reversed ? kReversed : kUpright).arg(2));
        for (int i = 1; i <= 5; ++i)
            QVERIFY(s.optAnswer[i]->text().startsWith(reversed ? "Reversed meaning" : "Upright meaning"));
        const QImage upright = QImage::fromData(Fixtures::asymmetricPng());
        QCOMPARE(s.picResult->isHalfTurned(), reversed);
        QCOMPARE(s.picResult->picture(), reversed ? upright.mirrored(true, true) : upright);
        f.answerRight();
        f.next();
        QCOMPARE(f.fields().ReversedFlags->front(), reversed);
    }

    void threeCardReportIsSavedByteForByte()
    {
        TestRunFixture f;
        f.choose(true, false);
        f.setReversed(true);
        auto& s = f.script();
        Script::append(s, Script::description({1}, 3, 0, 2, {2, 3}, false));
        Script::append(s, Script::description({2}, 3, 0, 4, {1, 3}, true));
        Script::append(s, Script::description({3}, 3, 0, 3, {1, 2}, false));
        f.startFromSettings();
        f.answerRight();
        f.next();
        f.answerWrong();
        f.next();
        f.answerRight();
        f.next();
        QVERIFY(f.script().empty());

        const QString path = f.fakes.paths.dir.path() + "/report.txt";
        f.fakes.dialogs.saveAnswers << path;
        QTest::mouseClick(f.results().Command5, Qt::LeftButton);
        QCOMPARE(f.fakes.dialogs.filters.last(), QStringLiteral("Text file|*.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray expected = "Test Report For Lumenrest\r\n"
                                    "-------------------------\r\n"
                                    "\r\n"
                                    "01.      Card 1                              Correct\r\n"
                                    "02.      Card 2 (Reversed)                   Wrong\r\n"
                                    "03.      Card 3                              Correct\r\n"
                                    "________________________________________________________________\r\n"
                                    "2 out of 3 questions correct\r\n";
        QCOMPARE(file.readAll(), expected);
        QCOMPARE(f.fields().CorrectCount, 2);
    }

    void emptyDeckGivesAMessageAndNoTest()
    {
        TestRunFixture f(cardsOfGroup0(3)); // no Cups in this database
        f.choose(false, true, "C");
        f.startFromSettings();
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QVERIFY(f.fakes.dialogs.lastText().contains("no cards to test"));
        QCOMPARE(f.fakes.dialogs.messages.first().icon, Dialogs::Icon::Exclamation);
        QCOMPARE(f.w->SSTab1->currentIndex(), 1);
        QCOMPARE(f.availability(), QStringLiteral("11000"));
        QCOMPARE(f.fields().QuestionNo, 0);

        // The same from the Memorize Cards tab, which shows the empty deck.
        QTest::mouseClick(f.w->cmdSetOption, Qt::LeftButton);
        QCOMPARE(f.w->SSTab1->currentIndex(), 2);
        QTest::mouseClick(f.w->memorize->cmdStartTest, Qt::LeftButton);
        QCOMPARE(f.fakes.dialogs.messages.size(), 2);
        QCOMPARE(f.w->SSTab1->currentIndex(), 2);
        QCOMPARE(f.availability(), QStringLiteral("11100"));
        QCOMPARE(f.fields().QuestionNo, 0);
    }

    void smallDecksFinish_data()
    {
        QTest::addColumn<int>("databaseCards");
        QTest::addColumn<QString>("suits"); // empty: Major Arcana only
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("options");
        QTest::addColumn<int>("questions");
        // Too few meanings in the whole card table: fewer options.
        QTest::newRow("3 cards at Advanced") << 3 << "" << 2 << 3 << 3;
        QTest::newRow("2 cards at Intermediate") << 2 << "" << 1 << 2 << 2;
        QTest::newRow("1 card at Beginner") << 1 << "" << 0 << 1 << 1;
        // The deck falls short, the card table does not: all options.
        QTest::newRow("2-card deck at Advanced") << 8 << "C" << 2 << 7 << 2;
        QTest::newRow("3-card deck at Advanced") << 8 << "" << 2 << 7 << 3;
    }

    void smallDecksFinish()
    {
        QFETCH(int, databaseCards);
        QFETCH(QString, suits);
        QFETCH(int, level);
        QFETCH(int, options);
        QFETCH(int, questions);
        TestRunFixture f(databaseCards == 8 ? MainWindowFixture::smallDeck() : cardsOfGroup0(databaseCards));
        f.choose(suits.isEmpty(), !suits.isEmpty(), suits.isEmpty() ? "CWPS" : suits);
        f.setLevel(level);
        f.setReversed(true);
        f.startFromSettings();
        for (int q = 0; q < questions; ++q) {
            QCOMPARE(f.w->SSTab1->currentIndex(), 3);
            const QStringList shown = shownOptions(f.screen());
            QCOMPARE(shown.size(), options);
            QSet<QString> texts;
            for (const QString& o : shown)
                texts.insert(o.section(':', 1));
            QCOMPARE(texts.size(), options);
            for (int i = 0; i < 7; ++i)
                if (f.screen().optAnswer[i]->isHidden())
                    QVERIFY(!f.screen().optAnswer[i]->isEnabled() && f.screen().optAnswer[i]->Tag().isEmpty());
            f.answerRight();
            f.next();
        }
        QCOMPARE(f.w->SSTab1->currentIndex(), 4);
        QCOMPARE(f.results().lblResultInfo->text(),
                 QStringLiteral("%1 out of %1 questions correct").arg(questions));
    }

    void noArcanaOnlyShowsTheGuardMessage()
    {
        TestRunFixture f;
        f.choose(false, false);
        f.startFromSettings();
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.lastText(), QStringLiteral("Select at least one option."));
        QCOMPARE(f.fakes.dialogs.messages.first().icon, Dialogs::Icon::None);
        QCOMPARE(f.fakes.dialogs.messages.first().caption, QStringLiteral("Lumenrest"));
        QCOMPARE(f.availability(), QStringLiteral("11000"));
        QVERIFY(!modDB::CardConnection);
    }

    void unreadableDatabaseStartsNoTest()
    {
        TestRunFixture f;
        QFile file(modDB::cardDatabasePath(f.fakes.paths.dir.path()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(5000, 'x'));
        file.close();
        f.startFromSettings();
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.messages.first().icon, Dialogs::Icon::Critical);
        QCOMPARE(f.w->SSTab1->currentIndex(), 1);
        QCOMPARE(f.availability(), QStringLiteral("11000"));
        QCOMPARE(f.fields().QuestionNo, 0);
    }

    void testTypeRulesReversed()
    {
        TestRunFixture f;
        QCheckBox* reversed = f.w->objectives->chkReversed;
        for (bool value : {true, false}) {
            reversed->setChecked(value);
            f.setType(1);
            QVERIFY(!reversed->isEnabled());
            QCOMPARE(reversed->isChecked(), value);
            f.setType(0);
            QVERIFY(reversed->isEnabled());
            QCOMPARE(reversed->isChecked(), value);
        }
    }

    void answerAreaFollowsTheTestType()
    {
        TestRunFixture f;
        f.setType(1);
        f.startFromSettings();
        QVERIFY(!f.screen().descriptionInFront());
        f.setType(0);
        f.startFromSettings();
        QVERIFY(f.screen().descriptionInFront());
    }

    void focusReturnsToThePicture()
    {
        TestRunFixture f;
        f.startFromSettings();
        f.answerRight();
        f.next();
        QCOMPARE(f.w->focusWidget(), static_cast<QWidget*>(f.screen().picResult));
        f.clickTab(0); // the goals tab keeps the test going
        QCOMPARE(f.availability(), QStringLiteral("11110"));
        f.w->memorize->cmdNext->setFocus();
        f.clickTab(3);
        QCOMPARE(f.w->focusWidget(), static_cast<QWidget*>(f.screen().picResult));
        QCOMPARE(f.fields().QuestionNo, 2);
    }

    void pendingEventsCannotReenterTheDraw()
    {
        TestRunFixture f;
        f.setReversed(false);
        f.startFromSettings();
        f.answerRight();
        const auto* deck = modDB::DeckRecordset.get();
        const auto* connection = modDB::CardConnection.get();
        bool ran = false;
        bool busyThen = false;
        // Runs at the first "let pending events run" of the draw.
        QMetaObject::invokeMethod(
            f.w->testRun,
            [&] {
                ran = true;
                busyThen = f.w->testRun->busy();
                f.w->testRun->cmdStartTest2_Click();
                f.w->testRun->cmdStartTest_Click();
                f.w->testRun->cmdNextQuestion_Click();
            },
            Qt::QueuedConnection);
        f.next();
        QVERIFY(ran);
        QVERIFY(busyThen);
        QCOMPARE(modDB::DeckRecordset.get(), deck);
        QCOMPARE(modDB::CardConnection.get(), connection);
        QCOMPARE(f.fields().QuestionNo, 2);
        QCOMPARE(f.fields().AskedCardIDs->size(), std::size_t(1));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        QCOMPARE(f.fakes.random.randomizeCount, 1);
    }
};

LUMENREST_TEST_MAIN(TestTestRun)
#include "tst_TestRun.moc"
