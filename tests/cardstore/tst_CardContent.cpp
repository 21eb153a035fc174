#include "cardstore/CardContent.h"
#include "cardstore/modDB.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

class TestCardContent : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void faultsNameTheCard()
    {
        using Cards = QList<CardContent>;
        const std::pair<std::function<void(Cards&)>, QString> cases[]{
            {[](Cards& c) { c[4].keywords = c[4].keywords.mid(0, 6); }, "card 5 \"Card 5\": 6 distinct keywords"},
            {[](Cards& c) { c[5].keywords << c[5].keywords.first(); }, "card 6 \"Card 6\": a keyword is listed twice"},
            {[](Cards& c) { c[6].keywords << "a, b"; }, "card 7 \"Card 7\": the keyword \"a, b\" holds punctuation"},
            {[](Cards& c) { c[7].reversedMeaning = "  "; }, "card 8 \"Card 8\": the reversed meaning is empty"},
            {[](Cards& c) { c[8].pictureData = "no picture"; }, "card 9 \"Card 9\": the picture \"card9.png\" does not decode"},
            {[](Cards& c) { c[9].id = 9; }, "card 9 \"Card 10\": the ID is used twice"},
            {[](Cards& c) { c[10].group = 7; }, "card 11 \"Card 11\": group 7 is not 0 to 4"},
            {[](Cards& c) { c[11].normalMeaning = c[0].normalMeaning; }, "card 12 \"Card 12\": the upright meaning repeats card 1"},
            {[](Cards& c) { c.removeLast(); }, "The deck holds 77 cards instead of 78."}};
        const Cards sound = Fixtures::fullDeck(8, true);
        QVERIFY(CardContentIO::validate(sound).isEmpty());
        for (const auto& [spoil, expected] : cases) {
            Cards cards = sound;
            spoil(cards);
            const QString faults = CardContentIO::validate(cards).join('\n');
            QVERIFY2(faults.contains(expected), qPrintable(expected + " not in:\n" + faults));
        }
    }

    void failedWriteLeavesTheOldDatabase()
    {
        QTemporaryDir dir;
        const QString path = Fixtures::writeDeck(dir.path(), {Fixtures::card(1, 0)});
        const auto bytes = [&path] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray before = bytes();
        // Two cards with one ID fail halfway through the write.
        QVERIFY_THROWS_EXCEPTION(modDB::DbError,
                                 CardContentIO::write(path, {Fixtures::card(1, 0), Fixtures::card(1, 0)}));
        QCOMPARE(bytes(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"learn.dll"});
    }

    // The content in data/ passes the builder's checks, and the learn.dll built from it beside
    // the executable holds it, read back through the program's own layer.
    void shippedContentAndDatabaseAreSound()
    {
        const QString source = qEnvironmentVariable("LUMENREST_SOURCE_DIR");
        QString error;
        const QList<CardContent> cards
            = CardContentIO::load(source + "/data/cards.json", source + "/data/pictures", &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // No faults, and at most five keywords stand on more than one card.
        const QStringList faults = CardContentIO::validate(cards) + CardContentIO::sharedKeywords(cards).mid(5);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

        auto c = std::make_shared<modDB::Connection>(qEnvironmentVariable("LUMENREST_CARD_DB"));
        modDB::Recordset deck(c, "SELECT * FROM tblCards");
        QCOMPARE(deck.RecordCount(), 78);
        for (const CardContent& card : cards) {
            deck.setFilter(QStringLiteral("ID=%1").arg(card.id));
            QCOMPARE(deck.text("Name"), card.name);
            QCOMPARE(deck.integer("Group"), qint64(card.group));
            QCOMPARE(deck.text("ReversedMeaning"), card.reversedMeaning);
            QCOMPARE(deck.binary("PictureData"), card.pictureData);
            modDB::Recordset words(c, "SELECT DISTINCT * FROM tblKeywords WHERE CardID=" + QString::number(card.id));
            QStringList read;
            for (; !words.AtEOF(); words.MoveNext())
                read << words.text("Keyword");
            QCOMPARE(read, card.keywords);
        }
        modDB::Recordset all(c, "SELECT * FROM tblKeywords");
        all.Move(all.RecordCount() - 1);
        QCOMPARE(all.integer("ID"), qint64(all.RecordCount())); // numbered 1, 2, 3 ... without gaps
    }
};

LUMENREST_TEST_MAIN(TestCardContent)
#include "tst_CardContent.moc"
