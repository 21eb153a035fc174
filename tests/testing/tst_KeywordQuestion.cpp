#include "TestRunFixture.h"

#include <QSet>

class TestKeywordQuestion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every box in use has its own keyword, the right ones exactly those of the asked card:
    // card 2 shares every keyword of card 1, card 3 two of them, and none may be a distractor.
    void levels_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("Beginner") << 0;
        QTest::newRow("Advanced") << 2;
    }

    void levels()
    {
        QFETCH(int, level);
        const int boxes = std::array{7, 12, 20}[level], toChoose = 3 + 2 * level;
        QList<CardContent> cards = MainWindowFixture::smallDeck();
        cards[1].keywords = cards[0].keywords;
        cards[2].keywords[0] = cards[0].keywords[6];
        cards[2].keywords[1] = cards[0].keywords[7];
        TestRunFixture f(cards, 1, level, true); // "Reversed" plays no part here
        QSignalSpy recorded(&f.run(), &TestRun::answerRecorded);
        f.start();
        const auto box = f.screen().chkKeywords;
        for (int i = 0; i < 10 && level == 2; ++i) // two columns of ten
            QVERIFY(box[i + 10]->y() == box[i]->y() && box[i + 10]->x() > box[i]->x() && box[i]->x() == box[0]->x());
        for (int q = 0; q < 8; ++q) {
            QVERIFY(f.label("lblIsReversed").isEmpty() && !f.screen().picResult->isHalfTurned());
            const QStringList& own = cards[f.card().section(' ', 1).toInt() - 1].keywords;
            QSet<QString> captions;
            for (int i = 0; i < 20; ++i) {
                QVERIFY(box[i]->isEnabled() == (i < boxes) && !box[i]->isHidden() == (i < boxes) && !box[i]->isChecked());
                if (i < boxes) { // each in use has its own keyword; the right ones are the card's
                    captions << box[i]->text();
                    QCOMPARE(own.contains(box[i]->text()), modGlobals::IsInLongArray(i, f.fields().KeywordSlots));
                }
            }
            QVERIFY(captions.size() == boxes && !captions.contains(QString()));
            QVERIFY(!f.screen().cmdNextQuestion->isEnabled() && f.choicesComeFromTheirCards(f.run().question()));
            f.tickKeywords(q == 1 ? toChoose - 3 : toChoose); // the second answer three short
            const Answer a = TestRunFixture::answerOf(recorded, q);
            QCOMPARE(std::pair(a.score, a.maxScore), std::pair(toChoose - 3 * (q == 1), toChoose));
        }
        QCOMPARE(f.info(), QStringLiteral("%1/%2 choice(s) from 8 questions were correct").arg(toChoose * 8 - 3).arg(toChoose * 8));
    }

    // Ticks counted against the limit, and untick, are tst_Access' part (by keys); here the
    // click on the box, Next taking the focus once the answer stands, and the whole message.
    void choiceRule()
    {
        TestRunFixture f(MainWindowFixture::smallDeck(), 1);
        f.start();
        const auto s = f.screen();
        // A click on the box itself (a wide check box answers only on its box and caption).
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(s.chkKeywords[i], Qt::LeftButton, {}, QPoint(6, s.chkKeywords[i]->height() / 2));
        QVERIFY(f.w->focusWidget() == s.cmdNextQuestion && s.chkKeywords[2]->isChecked() && !s.chkKeywords[3]->isChecked());
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.lastText(), QStringLiteral("You can select only 3 keywords.\r\nPlease unselect one before selecting another keyword"));
    }

    void cardWithFewKeywordsAsksForThoseItHas()
    {
        QList<CardContent> cards = MainWindowFixture::smallDeck();
        cards[0].keywords = QStringList{"lone", "pair", "pair"}; // two distinct texts
        cards[1].keywords.clear();
        TestRunFixture f(cards, 1);
        f.choose(true, false); // cards 1, 2, 3
        f.script() = {TestRunFixture::position(1, 3)};
        f.start();
        QSet<QString> captions; // "lone", "pair", five others
        for (auto* box : f.screen().chkKeywords)
            if (box->isEnabled() && !box->isHidden())
                captions << box->text();
        QVERIFY(f.label("lblMaxKeyword").contains(" 2 ") && captions.size() == 7);
        f.tickKeywords(2, false);
        f.tickKeywords(0); // more than allowed
        QVERIFY(f.fakes.dialogs.lastText().startsWith("You can select only 2 keywords."));
        for (int q = 0; q < 2; ++q) {
            // Card 2 has no keywords at all: nothing to tick, the answer stands at once.
            QCOMPARE(f.screen().cmdNextQuestion->isEnabled(), f.card() == "Card 2");
            f.tickKeywords(3);
        }
        QVERIFY(f.report().contains("Card 2" + QString(30, ' ') + "0 Out Of 0 Correct"));
        QCOMPARE(f.info(), QStringLiteral("5/5 choice(s) from 3 questions were correct"));
    }
};

LUMENREST_TEST_MAIN(TestKeywordQuestion)
#include "tst_KeywordQuestion.moc"
