#include "TestRunFixture.h"
#include "support/TestMain.h"

#include <QSet>

class TestKeywordQuestion : public QObject {
    Q_OBJECT

private:
    static QStringList captionsInUse(TestRunFixture& f)
    {
        QStringList out;
        for (int i = 0; i <= f.fields().KeywordBoxMax; ++i)
            if (f.screen().chkKeywords[i]->isEnabled())
                out << f.screen().chkKeywords[i]->text();
        return out;
    }

    static QStringList rightCaptions(TestRunFixture& f)
    {
        QStringList out;
        for (qint32 slot : *f.fields().KeywordSlots)
            out << f.screen().chkKeywords[slot]->text();
        return out;
    }

    // A click on the box itself (a wide check box answers only on its box and caption).
    static void click(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

    static int askedCard(TestRunFixture& f) { return f.screen().lblCardName->text().section(' ', 1).toInt(); }

private Q_SLOTS:
    void boxesStandInTwoColumnsOfTen()
    {
        TestRunFixture f;
        f.setType(1);
        f.setLevel(2);
        f.startFromSettings();
        const auto& boxes = f.screen().chkKeywords;
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(boxes[i]->x(), boxes[0]->x());
            QCOMPARE(boxes[i + 10]->x(), boxes[10]->x());
            QCOMPARE(boxes[i + 10]->y(), boxes[i]->y());
            if (i > 0)
                QVERIFY(boxes[i]->y() > boxes[i - 1]->y());
        }
        QVERIFY(boxes[10]->x() > boxes[0]->x() + boxes[0]->width() / 2);
    }

    void levels_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<int>("toChoose");
        QTest::newRow("Beginner") << 0 << 7 << 3;
        QTest::newRow("Intermediate") << 1 << 12 << 5;
        QTest::newRow("Advanced") << 2 << 20 << 7;
    }

    void levels()
    {
        QFETCH(int, level);
        QFETCH(int, boxes);
        QFETCH(int, toChoose);
        TestRunFixture f;
        f.setType(1);
        f.setLevel(level);
        f.setReversed(true); // plays no part in keyword questions
        f.startFromSettings();
        for (int q = 0; q < 8; ++q) {
            TestScreen& s = f.screen();
            QCOMPARE(s.lblMaxKeyword->text(), QStringLiteral("You must choose %1 keywords").arg(toChoose));
            QCOMPARE(s.lblIsReversed->text(), QString());
            QVERIFY(!s.picResult->isHalfTurned());
            for (int i = 0; i < 20; ++i) {
                QCOMPARE(!s.chkKeywords[i]->isHidden(), i < boxes);
                QCOMPARE(s.chkKeywords[i]->isEnabled(), i < boxes);
                QVERIFY(!s.chkKeywords[i]->isChecked());
            }
            const auto& slots = *f.fields().KeywordSlots;
            QCOMPARE(int(slots.size()), toChoose);
            QCOMPARE(QSet<qint32>(slots.begin(), slots.end()).size(), toChoose);
            for (qint32 slot : slots)
                QVERIFY(slot >= 0 && slot < boxes);
            const QStringList captions = captionsInUse(f);
            QCOMPARE(captions.size(), boxes);
            QCOMPARE(QSet<QString>(captions.begin(), captions.end()).size(), boxes);
            // The right keywords are the asked card's, every other box another card's.
            const QString own = QStringLiteral("c%1 keyword ").arg(askedCard(f));
            for (int i = 0; i < boxes; ++i)
                QCOMPARE(s.chkKeywords[i]->text().startsWith(own), modGlobals::IsInLongArray(i, f.fields().KeywordSlots));
            QVERIFY(!s.cmdNextQuestion->isEnabled());
            f.tickKeywords(toChoose);
            f.next();
        }
        QCOMPARE(f.results().lblResultInfo->text(),
                 QStringLiteral("%1/%1 choice(s) from 8 questions were correct").arg(toChoose * 8));
        for (bool reversed : *f.fields().ReversedFlags)
            QVERIFY(!reversed);
    }

    void choiceRule()
    {
        TestRunFixture f;
        f.setType(1);
        f.startFromSettings();
        TestScreen& s = f.screen();
        QList<QCheckBox*> order;
        for (int i = 0; i < 7; ++i)
            order << s.chkKeywords[i];
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!s.cmdNextQuestion->isEnabled());
            click(order[i]);
        }
        QVERIFY(s.cmdNextQuestion->isEnabled());
        QCOMPARE(f.w->focusWidget(), static_cast<QWidget*>(s.cmdNextQuestion));

        bool untickedBeforeMessage = false;
        f.fakes.dialogs.onMessage = [&](const FakeDialogs::Message&) { untickedBeforeMessage = !order[3]->isChecked(); };
        click(order[3]);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const auto& m = f.fakes.dialogs.messages.first();
        QCOMPARE(m.text, QStringLiteral("You can select only 3 keywords.\r\nPlease unselect one before selecting another keyword"));
        QCOMPARE(m.icon, Dialogs::Icon::Exclamation);
        QCOMPARE(m.caption, QStringLiteral("Lumenrest"));
        QVERIFY(untickedBeforeMessage);
        QVERIFY(!order[3]->isChecked());
        QCOMPARE(int(std::count_if(order.begin(), order.end(), [](QCheckBox* c) { return c->isChecked(); })), 3);
        QVERIFY(s.cmdNextQuestion->isEnabled());

        click(order[1]);
        QVERIFY(!s.cmdNextQuestion->isEnabled());
        click(order[3]);
        QVERIFY(s.cmdNextQuestion->isEnabled());
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
    }

    void distractorsNeverRepeatTheCardsKeywords()
    {
        // Card 2 shares every keyword of card 1, and card 3 two of them.
        QList<CardContent> cards = MainWindowFixture::smallDeck();
        cards[1].keywords = cards[0].keywords;
        cards[2].keywords[0] = cards[0].keywords[6];
        cards[2].keywords[1] = cards[0].keywords[7];
        TestRunFixture f(cards);
        f.setType(1);
        f.setLevel(2);
        for (int round = 0; round < 4; ++round) {
            f.startFromSettings();
            for (int q = 0; q < 8; ++q) {
                const int card = askedCard(f);
                const QSet<QString> own(cards[card - 1].keywords.begin(), cards[card - 1].keywords.end());
                const QStringList captions = captionsInUse(f);
                QCOMPARE(QSet<QString>(captions.begin(), captions.end()).size(), int(captions.size()));
                for (int i = 0; i <= f.fields().KeywordBoxMax; ++i) {
                    const QString caption = f.screen().chkKeywords[i]->text();
                    QVERIFY(!caption.isEmpty());
                    QCOMPARE(own.contains(caption), modGlobals::IsInLongArray(i, f.fields().KeywordSlots));
                }
                f.tickKeywords(7);
                f.next();
            }
        }
    }

    void scoresCountTheRightKeywordsTicked()
    {
        TestRunFixture f;
        f.setType(1);
        f.setLevel(2);
        f.startFromSettings();
        const int rights[] = {7, 4, 0, 1, 2, 3, 5, 6};
        for (int right : rights) {
            f.tickKeywords(right);
            QVERIFY(f.screen().cmdNextQuestion->isEnabled());
            f.next();
        }
        QCOMPARE(*f.fields().QuestionScores, (std::vector<qint32>{7, 4, 0, 1, 2, 3, 5, 6}));
        const QStringList lines = f.reportText().split('\n');
        QVERIFY(lines[3].startsWith("01.      Card "));
        QVERIFY(lines[3].endsWith(QString(30, ' ') + "7 Out Of 7 Correct"));
        QVERIFY(lines[4].endsWith("4 Out Of 7 Correct"));
        QCOMPARE(lines[3].indexOf("7 Out"), 45); // the 46th character
        QCOMPARE(f.results().lblResultInfo->text(), QStringLiteral("28/56 choice(s) from 8 questions were correct"));
        QCOMPARE(f.fields().CorrectCount, 28);
    }

    void intermediateFourteenCardSummary()
    {
        TestRunFixture f(Fixtures::fullDeck());
        f.choose(false, true, "C");
        f.setType(1);
        f.setLevel(1);
        f.startFromSettings();
        for (int q = 0; q < 14; ++q) {
            f.tickKeywords(q < 10 ? 5 : 0);
            f.next();
        }
        QCOMPARE(f.w->SSTab1->currentIndex(), 4);
        const QString summary = QStringLiteral("50/70 choice(s) from 14 questions were correct");
        QCOMPARE(f.results().lblResultInfo->text(), summary);
        QVERIFY(f.reportText().endsWith(QString(64, '_') + '\n' + summary));
        QCOMPARE(f.reportText().count(" Out Of 5 Correct"), 14);
    }

    void cardWithFewKeywordsAsksForThoseItHas()
    {
        QList<CardContent> cards = MainWindowFixture::smallDeck();
        cards[0].keywords = QStringList{"lone", "pair", "pair"}; // two distinct texts
        cards[1].keywords.clear();
        TestRunFixture f(cards);
        f.choose(true, false); // cards 1, 2, 3
        f.setType(1);
        f.script() = {Script::position(1, 3)};
        f.startFromSettings();
        TestScreen& s = f.screen();
        QCOMPARE(s.lblCardName->text(), QStringLiteral("Card 1"));
        QCOMPARE(s.lblMaxKeyword->text(), QStringLiteral("You must choose 2 keywords"));
        QStringList right = rightCaptions(f);
        right.sort();
        QCOMPARE(right, (QStringList{"lone", "pair"}));
        QCOMPARE(captionsInUse(f).size(), 7);
        f.tickKeywords(2);
        QVERIFY(s.cmdNextQuestion->isEnabled());
        f.tickKeywords(0); // one more than allowed
        QCOMPARE(f.fakes.dialogs.lastText(), QStringLiteral("You can select only 2 keywords.\r\nPlease unselect one before selecting another keyword"));
        f.next();
        for (int q = 0; q < 2; ++q) {
            if (askedCard(f) == 2) {
                // No keywords at all: nothing to tick, the answer stands at once.
                QCOMPARE(s.lblMaxKeyword->text(), QStringLiteral("You must choose 0 keywords"));
                QVERIFY(s.cmdNextQuestion->isEnabled());
            } else {
                f.tickKeywords(3);
            }
            f.next();
        }
        QCOMPARE(f.w->SSTab1->currentIndex(), 4);
        QVERIFY(f.reportText().contains("Card 1" + QString(30, ' ') + "2 Out Of 2 Correct"));
        QVERIFY(f.reportText().contains("Card 2" + QString(30, ' ') + "0 Out Of 0 Correct"));
        QCOMPARE(f.results().lblResultInfo->text(), QStringLiteral("5/5 choice(s) from 3 questions were correct"));
    }

    void tooFewDistractorsLeaveBoxesOut()
    {
        TestRunFixture f({Fixtures::card(1, 0), Fixtures::card(2, 0)}); // 8 keywords each
        f.setType(1);
        f.setLevel(2);
        f.startFromSettings();
        for (int q = 0; q < 2; ++q) {
            TestScreen& s = f.screen();
            int shown = 0;
            for (int i = 0; i < 20; ++i) {
                if (s.chkKeywords[i]->isHidden()) {
                    QVERIFY(!s.chkKeywords[i]->isEnabled());
                    continue;
                }
                QVERIFY(!s.chkKeywords[i]->text().isEmpty());
                ++shown;
            }
            QCOMPARE(shown, 15); // 7 right keywords and the other card's 8
            const QStringList captions = captionsInUse(f);
            QCOMPARE(QSet<QString>(captions.begin(), captions.end()).size(), 15);
            f.tickKeywords(6);
            f.next();
        }
        QCOMPARE(f.results().lblResultInfo->text(), QStringLiteral("12/14 choice(s) from 2 questions were correct"));
    }
};

LUMENREST_TEST_MAIN(TestKeywordQuestion)
#include "tst_KeywordQuestion.moc"
