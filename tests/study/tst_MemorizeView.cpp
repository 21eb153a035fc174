#include "study/MemorizeView.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>

class TestMemorizeView : public QObject {
    Q_OBJECT

private:
    // Three cards: 7, 9 and 3 keyword rows.
    static QList<CardContent> threeCards() { return {Fixtures::card(1, 0, 7), Fixtures::card(2, 0, 9), Fixtures::card(3, 0, 3)}; }

    struct Fixture : MainWindowFixture {
        using MainWindowFixture::MainWindowFixture;
        void openMemorize() { load(); tabs()->setCurrentIndex(frmMain::TabSettings); click("cmdSetOption"); }
        QString shown() const { return get<QLabel>("lblCardNameMemorize")->text(); }
        QString text(const char* box) const { return get<QPlainTextEdit>(box)->toPlainText(); }
        int position() const { return only<MemorizeView>(window.get()).cardPosition(); }
        bool on(const char* button) const { return get(button)->isEnabledTo(get("tabMemorize")); }
    };

    // Rewrites the card table of the fixture's database without the given columns.
    static void dropColumns(MainWindowFixture& f, const QStringList& drop)
    {
        QStringList keep{"ID", "Name", "Group", "PictureData", "NormalMeaning", "ReversedMeaning", "PictureText", "ContrastText"};
        keep.removeIf([&drop](const QString& column) { return drop.contains(column); });
        modDB::Connection(f.fakes.paths.dir.filePath("learn.dll"))
            .execute("CREATE TABLE t AS SELECT " + keep.join(',')
                     + " FROM tblCards; DROP TABLE tblCards; ALTER TABLE t RENAME TO tblCards");
    }

private Q_SLOTS:
    // Each step: a button clicked or the tab selected anew; then the card shown and which
    // buttons are enabled.
    void navigation()
    {
        Fixture f(threeCards());
        f.openMemorize();
        QCOMPARE(f.shown() + QString::number(f.position()), QStringLiteral("Card 11"));
        const std::tuple<const char*, int, bool, bool> steps[] = {
            {"cmdNext", 2, true, true}, {"cmdNext", 3, true, true},
            {"cmdNext", 3, true, false},     // at the end: nothing new, Next disables itself
            {"reselect", 1, true, false},    // the tab's preparation leaves the buttons alone
            {"cmdPrevious", 1, false, true}, // on card 1: disables itself
            {"cmdNext", 2, true, true}, {"cmdPrevious", 1, true, true}};
        for (const auto& [step, card, previousOn, nextOn] : steps) {
            if (QLatin1String(step) == QLatin1String("reselect")) // away and back on the tab bar
                for (int tab : {frmMain::TabGoals, frmMain::TabMemorize})
                    QTest::mouseClick(f.tabs()->tabBar(), Qt::LeftButton, {}, f.tabs()->tabBar()->tabRect(tab).center());
            else
                f.click(step);
            QCOMPARE(f.shown(), QStringLiteral("Card %1").arg(card));
            QVERIFY(f.position() == card && f.on("cmdPrevious") == previousOn && f.on("cmdNext") == nextOn);
        }
    }

    // The keyword box lists up to seven keywords, each followed by ", ", the last one too;
    // the picture text and the contrast line are empty for an older database without them.
    void texts()
    {
        for (const auto& [card, olderFile] : {std::pair(2, true), {3, false}}) {
            Fixture f(threeCards());
            if (olderFile)
                dropColumns(f, {"PictureText", "ContrastText"});
            f.openMemorize();
            for (int i = 1; i < card; ++i)
                f.click("cmdNext");
            QStringList keywords; // up to seven, each followed by ", "
            for (int k = 1; k <= (card == 2 ? 7 : 3); ++k)
                keywords << QStringLiteral("c%1 keyword %2, ").arg(card).arg(k);
            QCOMPARE(f.text("txtKeywords"), keywords.join(QString()));
            QCOMPARE(f.text("txtReverseMeaning"), QStringLiteral("Reversed meaning of card %1.").arg(card));
            const auto *picture = f.get<QLabel>("lblPictureText"), *contrast = f.get<QLabel>("lblContrastText");
            QCOMPARE(picture->text(), olderFile ? QString() : QStringLiteral("Picture of card %1.").arg(card));
            QCOMPARE(contrast->text(), olderFile ? QString() : QStringLiteral("Card %1 is not its neighbour.").arg(card));
            QVERIFY(f.fakes.dialogs.messages.isEmpty());
        }
    }

    // Name and both meanings are shown without a further test: a database without one of them
    // is refused when the deck opens, with one message, and nothing else changes.
    void aDeckWithoutAShownColumnIsRefused()
    {
        for (const QString column : {"Name", "ReversedMeaning"}) {
            Fixture f(threeCards());
            dropColumns(f, {column});
            f.load();
            f.tabs()->setCurrentIndex(frmMain::TabSettings);
            const QString tabs = f.availability();
            for (const char* start : {"cmdSetOption", "cmdStartTest2"}) {
                f.fakes.dialogs.messages.clear();
                f.click(start);
                QCOMPARE(f.fakes.dialogs.messages.size(), 1);
                const QString text = f.fakes.dialogs.lastText();
                QVERIFY2(text.contains("learn.dll") && text.contains('"' + column + '"'), qPrintable(text));
                QVERIFY(f.tabs()->currentIndex() == frmMain::TabSettings && f.availability() == tabs);
            }
        }
    }

    // Millions of characters without a break would take minutes to lay out: the read-only
    // boxes and labels show the start of such a text and say that it was cut.
    void outsizedTextsAreCut()
    {
        QList<CardContent> cards = threeCards();
        const QString huge(300000, QLatin1Char('x'));
        cards[0].reversedMeaning = cards[0].pictureText = huge;
        Fixture f(cards);
        f.openMemorize();
        for (const QString& text : {f.text("txtReverseMeaning"), f.get<QLabel>("lblPictureText")->text()}) {
            QVERIFY(text.size() < 20000 && text.startsWith(huge.left(1000)));
            QVERIFY(text.endsWith("[Cut here: the text holds 300000 characters.]"));
        }
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }
};

LUMENREST_TEST_MAIN(TestMemorizeView)
#include "tst_MemorizeView.moc"
