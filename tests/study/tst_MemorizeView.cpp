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

    // Rewrites the card table of the fixture's database without the given columns.
    static void dropColumns(MainWindowFixture& f, const QStringList& drop)
    {
        QStringList keep{"ID", "Name", "Group", "PictureData", "NormalMeaning", "ReversedMeaning", "PictureText",
                         "ContrastText"};
        for (const QString& column : drop)
            keep.removeAll(column);
        modDB::Connection(f.fakes.paths.dir.filePath("learn.dll"))
            .execute("CREATE TABLE t AS SELECT " + keep.join(',')
                     + " FROM tblCards; DROP TABLE tblCards; ALTER TABLE t RENAME TO tblCards");
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

    // Name and both meanings are shown without a further test: a database without one of them
    // is refused when the deck opens, with one message, and nothing else changes.
    void aDeckWithoutAShownColumnIsRefused_data()
    {
        QTest::addColumn<QString>("column");
        for (const char* column : {"Name", "NormalMeaning", "ReversedMeaning"})
            QTest::newRow(column) << QString(column);
    }

    void aDeckWithoutAShownColumnIsRefused()
    {
        QFETCH(QString, column);
        MainWindowFixture f(threeCards());
        dropColumns(f, {column});
        frmMain& w = f.load();
        w.SSTab1->setCurrentIndex(frmMain::TabSettings);
        const QString tabs = f.availability();
        for (QPushButton* start : {w.cmdSetOption, w.cmdStartTest2}) {
            f.fakes.dialogs.messages.clear();
            QTest::mouseClick(start, Qt::LeftButton);
            QCOMPARE(f.fakes.dialogs.messages.size(), 1);
            const QString text = f.fakes.dialogs.lastText();
            QVERIFY2(text.contains("learn.dll") && text.contains('"' + column + '"'), qPrintable(text));
            QCOMPARE(w.SSTab1->currentIndex(), int(frmMain::TabSettings));
            QCOMPARE(f.availability(), tabs);
        }
    }

    // The picture text and the contrast line sit below the pictures; an older database
    // without their columns shows them empty, without a message.
    void pictureAndContrastTexts_data()
    {
        QTest::addColumn<bool>("olderFile");
        QTest::newRow("with the texts") << false;
        QTest::newRow("older file") << true;
    }

    void pictureAndContrastTexts()
    {
        QFETCH(bool, olderFile);
        MainWindowFixture f(threeCards());
        if (olderFile)
            dropColumns(f, {"PictureText", "ContrastText"});
        frmMain& w = f.load();
        openMemorize(w);
        MemorizeView& v = *w.memorize;
        QTest::mouseClick(v.cmdNext, Qt::LeftButton);
        QCOMPARE(v.lblPictureText->text(), olderFile ? QString() : QStringLiteral("Picture of card 2."));
        QCOMPARE(v.lblContrastText->text(), olderFile ? QString() : QStringLiteral("Card 2 is not its neighbour."));
        QVERIFY(v.lblPictureText->wordWrap() && v.lblContrastText->wordWrap());
        QCOMPARE(v.txtNormalMeaning->toPlainText(), QStringLiteral("Upright meaning of card 2."));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }

    // Millions of characters without a break would take minutes to lay out: the read-only
    // boxes and labels show the start of such a text and say that it was cut.
    void outsizedTextsAreShownCut()
    {
        QList<CardContent> cards = threeCards();
        const QString huge(300000, QLatin1Char('x'));
        cards[0].reversedMeaning = huge;
        cards[0].pictureText = huge;
        MainWindowFixture f(cards);
        frmMain& w = f.load();
        openMemorize(w);
        MemorizeView& v = *w.memorize;
        for (const QString& text : {v.txtReverseMeaning->toPlainText(), v.lblPictureText->text()}) {
            QVERIFY(text.size() < 20000);
            QVERIFY(text.startsWith(huge.left(1000)));
            QVERIFY(text.endsWith("[Cut here: the text holds 300000 characters.]"));
        }
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
