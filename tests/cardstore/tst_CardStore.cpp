#include "cardstore/CardContent.h"
#include "cardstore/modDB.h"
#include "goals/GoalsTestSupport.h" // whole-file reads and writes
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <numeric>

#include <sqlite3.h>

using namespace modDB;

namespace {

// The 78 cards under their real names, with neutral texts that keep every rule.
QList<CardContent> soundDeck()
{
    const QStringList majors = QStringLiteral("The Fool,The Magician,The High Priestess,The Empress,The Emperor,The Hierophant,The Lovers,"
                                              "The Chariot,Strength,The Hermit,Wheel of Fortune,Justice,The Hanged Man,Death,Temperance,"
                                              "The Devil,The Tower,The Star,The Moon,The Sun,Judgement,The World").split(',');
    const QStringList ranks = QStringLiteral("Ace,Two,Three,Four,Five,Six,Seven,Eight,Nine,Ten,Page,Knight,Queen,King").split(',');
    const QStringList suits{"Cups", "Wands", "Pentacles", "Swords"};
    const QString letters = QStringLiteral("bcdfghjkmnpqrtvw"); // the keyword normaliser leaves them alone: no two tags meet
    QList<CardContent> cards = Fixtures::fullDeck(8, true);
    for (CardContent& c : cards) {
        const QString tag = QStringLiteral("x") + letters[c.id / 16] + letters[c.id % 16];
        c.name = c.group == 0 ? majors[c.id - 1] : ranks[(c.id - 23) % 14] + " of " + suits[c.group - 1];
        std::tie(c.normalMeaning, c.reversedMeaning, c.pictureText, c.contrastText) =
            std::tuple("Upright " + tag + ".", "Reversed " + tag + ".", "Picture " + tag + ".", "Contrast " + tag + ".");
        c.keywords.clear();
        for (const char* tail : {"alpha", "beta", "gamma", "delta", "epsilon", "zeta", "eta", "theta"})
            c.keywords << tag + ' ' + tail;
    }
    return cards;
}

} // namespace

const QString kMajor = QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID");

// The card database layer, and the content and builder that fill the database.
class TestCardStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private Q_SLOTS:
    void initTestCase()
    {
        m_path = Fixtures::writeDeck(m_dir.path(), Fixtures::fullDeck(8, true));
    }

    void cleanup() { DeckRecordset.reset(); CardConnection.reset(); }

    // The kinds of query text the program issues run on SQLite, on the program-wide pair: each
    // open releases the previous connection or row set. Rows come in ascending ID.
    void queryTextsRunUnchanged()
    {
        const std::pair<QString, int> cases[]{
            {kMajor, 22},
            {"SELECT * FROM tblCards WHERE (Group=1) OR (Group=4) ORDER BY ID", 28},
            {"SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=5", 616},
            {"SELECT * FROM tblCards WHERE (Group=7) ORDER BY ID", 0}};
        OpenCardDatabase(CardConnection, m_path);
        const std::weak_ptr<Connection> replaced = CardConnection;
        OpenCardDatabase(CardConnection, m_path);
        std::weak_ptr<Recordset> previous;
        for (const auto& [sql, count] : cases) {
            OpenRecordset(DeckRecordset, CardConnection, sql);
            QVERIFY(previous.expired()); // replaced rows are freed
            Recordset& rows = *(previous = DeckRecordset).lock();
            QVERIFY2(rows.RecordCount() == count && rows.AtEOF() == !count, qPrintable(sql));
            for (qint64 last = 0; !rows.AtEOF(); rows.MoveNext()) {
                QVERIFY2(rows.integer("ID") > last, qPrintable(sql));
                last = rows.integer("ID");
            }
        }
        QVERIFY(replaced.expired()); // the replaced connection is closed
    }

    void filterAndMovesStopAtTheBoundaries()
    {
        Recordset deck(std::make_shared<Connection>(m_path), kMajor);
        // The row count and the row it stands on: -1 before the first, 0 past the last.
        const auto at = [&deck] { return std::pair(deck.RecordCount(), deck.BOF() ? -1 : deck.AtEOF() ? 0 : deck.integer("ID")); };
        deck.setFilter("ID=50"); // not in this deck
        QVERIFY(at() == std::pair(0, qint64(-1)) && deck.AtEOF());
        deck.setFilter("ID=5");
        deck.MoveNext();
        deck.setFilter(""); // back on the first row
        QVERIFY(at() == std::pair(22, qint64(1)));
        deck.Move(100);
        QVERIFY(at() == std::pair(22, qint64(0)));
        QVERIFY_THROWS_EXCEPTION(DbError, deck.text("Name"));
        QVERIFY_THROWS_EXCEPTION(DbError, deck.setFilter("Name='x'"));
        QVERIFY(at() == std::pair(22, qint64(0))); // a refused filter changes nothing
    }

    // A new row is saved, and saved again after an edit (pictures stored byte for byte are
    // tst_Pictures' part). A save that reaches no row, or a value the database refuses, is an
    // error instead of a silent no-op.
    void changesAreSavedExactly()
    {
        auto c = std::make_shared<Connection>(m_path);
        Recordset words(c, "SELECT * FROM tblKeywords");
        words.AddNew();
        words.setValue("CardID", 2);
        words.setValue("Keyword", "first text");
        words.Update();
        words.setValue("Keyword", "added later"); // saved again: still one row
        words.Update();
        const QString added = QString::number(words.integer("ID"));
        QCOMPARE(c->value("SELECT group_concat(CardID || Keyword) FROM tblKeywords WHERE ID >= " + added).toString(),
                 QStringLiteral("2added later"));

        c->execute("DELETE FROM tblKeywords WHERE ID=" + added);
        words.setValue("Keyword", "third text");
        QVERIFY_THROWS_EXCEPTION(DbError, words.Update());
        Recordset deck(c, "SELECT * FROM tblCards");
        sqlite3_limit(c->handle(), SQLITE_LIMIT_LENGTH, 1000);
        deck.AppendChunk("PictureData", QByteArray(2000, 'x'));
        QVERIFY_THROWS_EXCEPTION(DbError, deck.Update());
    }

    void adaptQueryQuotesOnlyTheColumn()
    {
        QCOMPARE(adaptQuery("WHERE (Group=0) OR (group=1)"), QStringLiteral("WHERE ([Group]=0) OR ([group]=1)"));
        for (const char* unchanged : {"SELECT CardID FROM t GROUP BY CardID", "WHERE Name='Group'",
                                      "SELECT Groups, MyGroup", "SELECT [Group]"})
            QCOMPARE(adaptQuery(unchanged), QString(unchanged));
    }

    void unusableFilesGiveAMessage()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(m_path, dir.filePath("wrong key")));
        Connection(dir.filePath("wrong key")).execute("PRAGMA rekey = 'another key'");
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        const std::pair<const char*, QByteArray> cases[]{
            {"missing", {}}, {"folder", {}}, {"text file", "hello, not a database\n"},
            {"truncated", GoalsTest::readBytes(m_path).left(1000)}, {"wrong key", {}}};
        for (const auto& [name, bytes] : cases) {
            const QString file = dir.filePath(name);
            if (!bytes.isEmpty())
                GoalsTest::writeBytes(file, bytes);
            try {
                OpenCardDatabase(CardConnection, file);
                OpenRecordset(DeckRecordset, CardConnection, kMajor);
                QFAIL(name);
            } catch (const DbError& e) {
                const char* expected = name == QLatin1String("folder") ? "is a folder" : "card database";
                QVERIFY2(QString::fromUtf8(e.what()).contains(expected), e.what());
            }
            QVERIFY2(!CardConnection && !QFile::exists(file + "-journal"), name);
        }
    }

    // One spoiled card per rule; the fault names the card and the rule.
    void faultsNameTheCardAndTheRule()
    {
        using Cards = QList<CardContent>;
        const std::pair<std::function<void(Cards&)>, QString> cases[]{
            {[](Cards& c) { c[4].keywords.removeLast(); }, "card 5 \"The Emperor\": 7 keywords; a card needs 8 to 12"},
            {[](Cards& c) { c[5].keywords[1] = c[5].keywords[0] + "s"; }, "card 6 \"The Hierophant\": the keyword \"xbj alphas\" is listed twice"},
            {[](Cards& c) { c[40].keywords[2] = c[39].keywords[0].toUpper() + "ing"; },
             "card 41 \"Five of Wands\": the keyword \"XDM ALPHAing\" is also on card 40 \"Four of Wands\""},
            {[](Cards& c) { c[6].keywords << "a, b"; }, "card 7 \"The Lovers\": the keyword \"a, b\" holds punctuation"},
            {[](Cards& c) { c[7].reversedMeaning = "  "; }, "card 8 \"The Chariot\": the reversed meaning is empty"},
            {[](Cards& c) { c[8].pictureData = "no picture"; }, "card 9 \"Strength\": the picture \"card9.png\" does not decode"},
            {[](Cards& c) { c[9].id = 9; }, "card 9 \"The Hermit\": the ID is used twice"},
            {[](Cards& c) { c[10].group = 7; }, "card 11 \"Wheel of Fortune\": group 7 is not 0 to 4"},
            {[](Cards& c) { c[29].normalMeaning += " Blades"; }, "card 30 \"Eight of Cups\": the upright meaning names a suit object (\"blades\")"},
            {[](Cards& c) { c[24].reversedMeaning += " third"; }, "card 25 \"Three of Cups\": the reversed meaning names the card's own number or rank (\"third\")"},
            {[](Cards& c) { c[18].normalMeaning += " moons"; }, "card 19 \"The Moon\": the upright meaning uses a word of the card's title (\"moons\")"},
            {[](Cards& c) { c[2].keywords[0] = "seven seas"; }, "card 3 \"The High Priestess\": the keyword \"seven seas\" holds a number word"},
            {[](Cards& c) { c[49].pictureText += " Grey sky, colour."; c[50].keywords[0] = "bright colors"; },
             "card 51 \"Ace of Pentacles\": \"colors\" is American spelling, but the deck spells the British way"},
            {[](Cards& c) { c.removeLast(); }, "The deck holds 77 cards instead of 78."}};
        const Cards sound = soundDeck();
        QVERIFY2(CardContentIO::validate(sound).isEmpty(), qPrintable(CardContentIO::validate(sound).join('\n')));
        for (const auto& [spoil, expected] : cases) {
            Cards cards = sound;
            spoil(cards);
            const QString faults = CardContentIO::validate(cards).join('\n');
            QVERIFY2(faults.contains(expected), qPrintable(expected + " not in:\n" + faults));
        }
    }

    // A writer that cannot even open its file releases what SQLite gave it; one that fails
    // halfway (two cards with one ID) leaves the old database as it was, and nothing beside it.
    void failedWritesLeaveNothingBehind()
    {
        QTemporaryDir dir;
        const QString nowhere = dir.filePath("no such folder/learn.dll");
        QVERIFY_THROWS_EXCEPTION(DbError, CardContentIO::write(nowhere, {Fixtures::card(1, 0)}));
        const sqlite3_int64 memory = sqlite3_memory_used();
        QVERIFY_THROWS_EXCEPTION(DbError, CardContentIO::write(nowhere, {Fixtures::card(1, 0)}));
        QCOMPARE(sqlite3_memory_used(), memory);

        const QString file = Fixtures::writeDeck(dir.path(), {Fixtures::card(1, 0)});
        const QByteArray before = GoalsTest::readBytes(file);
        QVERIFY_THROWS_EXCEPTION(DbError, CardContentIO::write(file, {Fixtures::card(1, 0), Fixtures::card(1, 0)}));
        QVERIFY(GoalsTest::readBytes(file) == before && QDir(dir.path()).entryList(QDir::Files) == QStringList{"learn.dll"});
    }

    // The learn.dll built beside the executable (the builder refuses content that breaks a rule)
    // holds the content in data/, read back through the program's own layer.
    void shippedDatabaseHoldsTheContent()
    {
        const QString source = qEnvironmentVariable("LUMENREST_SOURCE_DIR");
        QString error;
        const QList<CardContent> cards = CardContentIO::load(source + "/data/cards.json", source + "/data/pictures", &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));

        auto c = std::make_shared<Connection>(qEnvironmentVariable("LUMENREST_CARD_DB"));
        Recordset deck(c, "SELECT * FROM tblCards");
        QCOMPARE(deck.RecordCount(), 78);
        for (const CardContent& card : cards) {
            deck.setFilter(QStringLiteral("ID=%1").arg(card.id));
            QVERIFY2(deck.text("Name") == card.name && deck.text("ContrastText") == card.contrastText && deck.binary("PictureData") == card.pictureData,
                     qPrintable(card.name));
        }
        Recordset all(c, "SELECT * FROM tblKeywords");
        const qsizetype keywords = std::accumulate(cards.begin(), cards.end(), qsizetype(0), [](qsizetype n, auto& card) { return n + card.keywords.size(); });
        all.Move(all.RecordCount() - 1);
        QVERIFY(all.RecordCount() == keywords && all.integer("ID") == keywords); // numbered 1, 2, 3 ... without gaps
    }
};

LUMENREST_TEST_MAIN(TestCardStore)
#include "tst_CardStore.moc"
