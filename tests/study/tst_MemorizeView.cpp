#include "cardstore/PictureBox.h"
#include "study/MemorizeView.h"
#include "support/Find.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

class TestMemorizeView : public QObject {
    Q_OBJECT

private:
    // Three cards: 7, 9 and 3 keyword rows.
    static QList<CardContent> threeCards()
    {
        return {Fixtures::card(1, 0, 7), Fixtures::card(2, 0, 9), Fixtures::card(3, 0, 3)};
    }

    static void openMemorize(frmMain& w)
    {
        w.SSTab1->setCurrentIndex(frmMain::TabSettings);
        QTest::mouseClick(w.cmdSetOption, Qt::LeftButton);
        QCOMPARE(w.SSTab1->currentIndex(), int(frmMain::TabMemorize));
    }

    static QString shown(const MemorizeView& v) { return v.lblCardNameMemorize->text(); }
    static bool on(QPushButton* b) { return b->isEnabledTo(b->parentWidget()); }

private Q_SLOTS:
    void navigationAtTheEnds()
    {
        MainWindowFixture f(threeCards());
        frmMain& w = f.load();
        openMemorize(w);
        MemorizeView& v = *w.memorize;
        QCOMPARE(shown(v), QStringLiteral("Card 1"));
        QCOMPARE(v.CardPosition, 1);

        QTest::mouseClick(v.cmdNext, Qt::LeftButton);
        QCOMPARE(shown(v), QStringLiteral("Card 2"));
        QTest::mouseClick(v.cmdNext, Qt::LeftButton);
        QCOMPARE(shown(v), QStringLiteral("Card 3"));
        QVERIFY(on(v.cmdNext));
        QTest::mouseClick(v.cmdNext, Qt::LeftButton); // at the end: nothing new, Next disables itself
        QCOMPARE(shown(v), QStringLiteral("Card 3"));
        QCOMPARE(v.CardPosition, 3);
        QVERIFY(!on(v.cmdNext));

        QTest::mouseClick(v.cmdPrevious, Qt::LeftButton);
        QVERIFY(on(v.cmdNext));
        QCOMPARE(shown(v), QStringLiteral("Card 2"));
        QTest::mouseClick(v.cmdPrevious, Qt::LeftButton);
        QCOMPARE(shown(v), QStringLiteral("Card 1"));
        QTest::mouseClick(v.cmdPrevious, Qt::LeftButton); // on card 1: disables itself
        QCOMPARE(shown(v), QStringLiteral("Card 1"));
        QVERIFY(!on(v.cmdPrevious));
        QTest::mouseClick(v.cmdNext, Qt::LeftButton);
        QVERIFY(on(v.cmdPrevious));
        QCOMPARE(shown(v), QStringLiteral("Card 2"));
    }

    void reselectingTheTabStartsAtCardOne()
    {
        MainWindowFixture f(threeCards());
        frmMain& w = f.load();
        openMemorize(w);
        MemorizeView& v = *w.memorize;
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(v.cmdNext, Qt::LeftButton);
        QVERIFY(!on(v.cmdNext));
        QTabBar* bar = w.SSTab1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        QCOMPARE(shown(v), QStringLiteral("Card 1"));
        QCOMPARE(v.CardPosition, 1);
        QVERIFY(!on(v.cmdNext)); // the tab's preparation leaves the buttons alone
        QTest::mouseClick(v.cmdPrevious, Qt::LeftButton);
        QVERIFY(on(v.cmdNext));
    }

    void meaningsAndKeywords_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("keywords");
        QTest::newRow("seven rows") << 0
                                    << "c1 keyword 1, c1 keyword 2, c1 keyword 3, c1 keyword 4, c1 keyword 5, "
                                       "c1 keyword 6, c1 keyword 7, ";
        QTest::newRow("nine rows show the first seven")
            << 1
            << "c2 keyword 1, c2 keyword 2, c2 keyword 3, c2 keyword 4, c2 keyword 5, c2 keyword 6, c2 keyword 7, ";
        QTest::newRow("three rows show what there is") << 2 << "c3 keyword 1, c3 keyword 2, c3 keyword 3, ";
    }

    void meaningsAndKeywords()
    {
        QFETCH(int, clicks);
        QFETCH(QString, keywords);
        MainWindowFixture f(threeCards());
        frmMain& w = f.load();
        openMemorize(w);
        MemorizeView& v = *w.memorize;
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(v.cmdNext, Qt::LeftButton);
        const int id = clicks + 1;
        QCOMPARE(v.txtKeywords->toPlainText(), keywords);
        QCOMPARE(v.txtNormalMeaning->toPlainText(), QStringLiteral("Upright meaning of card %1.").arg(id));
        QCOMPARE(v.txtReverseMeaning->toPlainText(), QStringLiteral("Reversed meaning of card %1.").arg(id));
        for (QPlainTextEdit* box : {v.txtKeywords, v.txtNormalMeaning, v.txtReverseMeaning}) {
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        }
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    void picturesUprightAndTurned()
    {
        QList<CardContent> cards = threeCards();
        cards[1].pictureData = "these bytes are no picture";
        cards[2].pictureData.clear();
        MainWindowFixture f(cards);
        frmMain& w = f.load();
        openMemorize(w);
        MemorizeView& v = *w.memorize;
        QCOMPARE(v.picCardMemorize->size(), v.picCardMemorizeReversed->size());
        QVERIFY(v.picCardMemorize->hasPicture());
        const QImage upright = v.picCardMemorize->rendered();
        QCOMPARE(v.picCardMemorizeReversed->rendered(), upright.mirrored(true, true));
        QVERIFY(upright != upright.mirrored(true, true)); // the fixture picture is asymmetric

        for (int card = 2; card <= 3; ++card) {
            QTest::mouseClick(v.cmdNext, Qt::LeftButton);
            QCOMPARE(shown(v), QStringLiteral("Card %1").arg(card));
            QVERIFY(!v.picCardMemorize->hasPicture());
            QVERIFY(!v.picCardMemorizeReversed->hasPicture());
            QVERIFY(!v.txtKeywords->toPlainText().isEmpty());
        }
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }
};

LUMENREST_TEST_MAIN(TestMemorizeView)
#include "tst_MemorizeView.moc"
