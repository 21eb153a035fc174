#include "cardstore/CardContent.h"
#include "cardstore/modDB.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TestCardContent : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void faultsNameTheCard_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("expected");
        QTest::newRow("too few keywords") << 0 << "card 5 \"Card 5\": 6 distinct keywords";
        QTest::newRow("keyword twice") << 1 << "card 6 \"Card 6\": a keyword is listed twice";
        QTest::newRow("comma in keyword") << 2 << "card 7 \"Card 7\": the keyword \"a, b\" holds punctuation";
        QTest::newRow("empty meaning") << 3 << "card 8 \"Card 8\": the reversed meaning is empty";
        QTest::newRow("picture does not decode") << 4 << "card 9 \"Card 9\": the picture \"card9.png\" does not decode";
        QTest::newRow("duplicate id") << 5 << "card 9 \"Card 10\": the ID is used twice";
        QTest::newRow("wrong group") << 6 << "card 11 \"Card 11\": group 7 is not 0 to 4";
        QTest::newRow("repeated meaning") << 7 << "card 12 \"Card 12\": the upright meaning repeats card 1";
        QTest::newRow("missing card") << 8 << "The deck holds 77 cards instead of 78.";
    }

    void faultsNameTheCard()
    {
        QFETCH(int, fault);
        QFETCH(QString, expected);
        QList<CardContent> cards = Fixtures::fullDeck(8, true);
        QVERIFY(CardContentIO::validate(cards).isEmpty());
        switch (fault) {
        case 0: cards[4].keywords = cards[4].keywords.mid(0, 6); break;
        case 1: cards[5].keywords << cards[5].keywords.first(); break;
        case 2: cards[6].keywords << "a, b"; break;
        case 3: cards[7].reversedMeaning = "  "; break;
        case 4: cards[8].pictureData = "not a picture"; break;
        case 5: cards[9].id = 9; break;
        case 6: cards[10].group = 7; break;
        case 7: cards[11].normalMeaning = cards[0].normalMeaning; break;
        case 8: cards.removeLast(); break;
        }
        const QStringList faults = CardContentIO::validate(cards);
        QVERIFY2(faults.join('\n').contains(expected), qPrintable(faults.join('\n')));
    }

    void failedWriteLeavesTheOldDatabase()
    {
        QTemporaryDir dir;
        const QString path = Fixtures::writeDeck(dir.path(), {Fixtures::card(1, 0)});
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        // Two cards with one ID fail halfway through the write.
        QVERIFY_THROWS_EXCEPTION(modDB::DbError,
                                 CardContentIO::write(path, {Fixtures::card(1, 0), Fixtures::card(1, 0)}));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"learn.dll"});
    }

    void shippedContentIsSound()
    {
        const QString source = qEnvironmentVariable("LUMENREST_SOURCE_DIR");
        QString error;
        const QList<CardContent> cards
            = CardContentIO::load(source + "/data/cards.json", source + "/data/pictures", &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QStringList faults = CardContentIO::validate(cards);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY2(CardContentIO::sharedKeywords(cards).size() <= 5,
                 qPrintable(CardContentIO::sharedKeywords(cards).join('\n')));
    }

    void shippedDatabaseMatchesTheContent()
    {
        // The learn.dll built beside the executable, read back through the program's own layer.
        const QString source = qEnvironmentVariable("LUMENREST_SOURCE_DIR");
        QString error;
        const QList<CardContent> cards
            = CardContentIO::load(source + "/data/cards.json", source + "/data/pictures", &error);
        std::shared_ptr<modDB::Connection> c;
        modDB::OpenCardDatabase(c, qEnvironmentVariable("LUMENREST_CARD_DB"));
        modDB::Recordset deck(c, "SELECT * FROM tblCards");
        QCOMPARE(deck.RecordCount(), 78);
        for (const CardContent& card : cards) {
            deck.setFilter(QStringLiteral("ID=%1").arg(card.id));
            QCOMPARE(deck.text("Name"), card.name);
            QCOMPARE(deck.integer("Group"), qint64(card.group));
            QCOMPARE(deck.text("NormalMeaning"), card.normalMeaning);
            QCOMPARE(deck.binary("PictureData"), card.pictureData);
            modDB::Recordset words(c, QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=%1").arg(card.id));
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
