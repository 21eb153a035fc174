#include "cardstore/CardContent.h"
#include "cardstore/modDB.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QFile>
#include <QTemporaryDir>

using namespace modDB;

class TestModDB : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    std::shared_ptr<Connection> open() const
    {
        std::shared_ptr<Connection> c;
        OpenCardDatabase(c, m_path);
        return c;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QList<CardContent> cards = Fixtures::fullDeck(8, true);
        cards[4].keywords << QStringLiteral("shared word");
        cards[9].keywords << QStringLiteral("shared word");
        m_path = Fixtures::writeDeck(m_dir.path(), cards);
    }

    void cleanup()
    {
        DeckRecordset.reset();
        CardConnection.reset();
    }

    void queryTextsRunUnchanged_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("count");
        QTest::addColumn<qint64>("firstId");
        QTest::newRow("major only") << "SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID" << 22 << qint64(1);
        QTest::newRow("all groups")
            << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID"
            << 78 << qint64(1);
        QTest::newRow("cups and swords") << "SELECT * FROM tblCards WHERE (Group=1) OR (Group=4) ORDER BY ID" << 28
                                         << qint64(23);
        QTest::newRow("whole table") << "SELECT * FROM tblCards" << 78 << qint64(1);
        QTest::newRow("keywords of one card") << "SELECT DISTINCT * FROM tblKeywords WHERE CardID=5" << 9 << qint64(33);
        QTest::newRow("keywords of other cards") << "SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=5"
                                                 << 78 * 8 + 2 - 9 << qint64(1);
        QTest::newRow("all keywords") << "SELECT * FROM tblKeywords" << 78 * 8 + 2 << qint64(1);
        QTest::newRow("nothing matches") << "SELECT * FROM tblCards WHERE (Group=7) ORDER BY ID" << 0 << qint64(-1);
    }

    void queryTextsRunUnchanged()
    {
        QFETCH(QString, sql);
        QFETCH(int, count);
        QFETCH(qint64, firstId);
        OpenCardDatabase(CardConnection, m_path);
        std::shared_ptr<Recordset> rows;
        OpenRecordset(rows, CardConnection, sql);
        QCOMPARE(rows->RecordCount(), count);
        if (count == 0) {
            QVERIFY(rows->BOF());
            QVERIFY(rows->AtEOF());
        } else {
            QVERIFY(!rows->BOF());
            QCOMPARE(rows->integer("ID"), firstId);
        }
    }

    void keywordRowsComeInAscendingId()
    {
        auto c = open();
        Recordset rows(c, "SELECT DISTINCT * FROM tblKeywords WHERE CardID=12");
        qint64 last = 0;
        QStringList words;
        for (rows.MoveFirst(); !rows.AtEOF(); rows.MoveNext()) {
            QVERIFY(rows.integer("id") > last); // field names are case-insensitive
            last = rows.integer("ID");
            words << rows.text("Keyword");
        }
        QCOMPARE(words.first(), QStringLiteral("c12 keyword 1"));
        QCOMPARE(words.size(), 8);
    }

    void filterNarrowsAndClears()
    {
        auto c = open();
        Recordset deck(c, "SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID");
        deck.Move(3);
        deck.setFilter("ID=5");
        QCOMPARE(deck.RecordCount(), 1);
        QCOMPARE(deck.integer("ID"), qint64(5));
        QCOMPARE(deck.text("Name"), QStringLiteral("Card 5"));
        deck.setFilter("ID=50"); // not in this deck
        QCOMPARE(deck.RecordCount(), 0);
        QVERIFY(deck.BOF() && deck.AtEOF());
        deck.setFilter("");
        QCOMPARE(deck.RecordCount(), 22);
        QCOMPARE(deck.integer("ID"), qint64(1));
        QVERIFY_THROWS_EXCEPTION(DbError, deck.setFilter("Name='x'"));
    }

    void movesReachTheBoundaries()
    {
        auto c = open();
        Recordset deck(c, "SELECT * FROM tblCards WHERE (Group=1) ORDER BY ID");
        QCOMPARE(deck.integer("ID"), qint64(23));
        deck.Move(13);
        QCOMPARE(deck.integer("ID"), qint64(36));
        deck.MoveNext();
        QVERIFY(deck.AtEOF());
        QVERIFY_THROWS_EXCEPTION(DbError, deck.text("Name"));
        deck.MovePrevious();
        QCOMPARE(deck.integer("ID"), qint64(36));
        deck.MoveFirst();
        deck.MovePrevious();
        QVERIFY(deck.BOF());
        QVERIFY(!deck.AtEOF());
        deck.MoveNext();
        QCOMPARE(deck.integer("ID"), qint64(23));
        deck.Move(100);
        QVERIFY(deck.AtEOF());
    }

    void reopeningReleasesTheOldPair()
    {
        const int connections = Connection::liveCount();
        const int rowsets = Recordset::liveCount();
        for (int i = 0; i < 3; ++i) {
            OpenCardDatabase(CardConnection, m_path);
            OpenRecordset(DeckRecordset, CardConnection, "SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID");
        }
        QCOMPARE(Connection::liveCount(), connections + 1);
        QCOMPARE(Recordset::liveCount(), rowsets + 1);
        DeckRecordset.reset();
        CardConnection.reset();
        QCOMPARE(Connection::liveCount(), connections);
    }

    void longBinaryRoundTripIsExact()
    {
        QByteArray first(70000, '\0');
        for (int i = 0; i < first.size(); ++i)
            first[i] = char((i * 7) & 0xff);
        const QByteArray second("\x00\xff\x01tail", 7);
        {
            auto c = open();
            Recordset deck(c, "SELECT * FROM tblCards");
            deck.setFilter("ID=3");
            QVERIFY(deck.ActualSize("PictureData") > 0);
            deck.AppendChunk("PictureData", first); // replaces the old picture
            deck.AppendChunk("PictureData", second);
            deck.Update();
            // A new current row starts a new value again.
            deck.setFilter("ID=4");
            deck.AppendChunk("PictureData", second);
            deck.Update();
        }
        auto c = open();
        Recordset deck(c, "SELECT * FROM tblCards");
        deck.setFilter("ID=3");
        QCOMPARE(deck.ActualSize("PictureData"), qint64(first.size() + second.size()));
        QCOMPARE(deck.GetChunk("PictureData", deck.ActualSize("PictureData")), first + second);
        QCOMPARE(deck.GetChunk("PictureData", 5), first.left(5));
        deck.setFilter("ID=4");
        QCOMPARE(deck.binary("PictureData"), second);
    }

    void addNewRowIsSaved()
    {
        {
            auto c = open();
            Recordset rows(c, "SELECT * FROM tblKeywords");
            const int before = rows.RecordCount();
            rows.AddNew();
            rows.setValue("ID", 9001);
            rows.setValue("CardID", 2);
            rows.setValue("CardName", "Card 2");
            rows.setValue("Keyword", "added later");
            rows.Update();
            QCOMPARE(rows.RecordCount(), before + 1);
        }
        auto c = open();
        Recordset rows(c, "SELECT DISTINCT * FROM tblKeywords WHERE CardID=2");
        rows.Move(rows.RecordCount() - 1);
        QCOMPARE(rows.text("Keyword"), QStringLiteral("added later"));
        QCOMPARE(rows.integer("ID"), qint64(9001));
    }

    void adaptQueryQuotesOnlyTheColumn_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("column") << "WHERE (Group=0) OR (group=1)" << "WHERE ([Group]=0) OR ([group]=1)";
        QTest::newRow("clause") << "SELECT CardID FROM t GROUP BY CardID" << "SELECT CardID FROM t GROUP BY CardID";
        QTest::newRow("literal") << "WHERE Name='Group'" << "WHERE Name='Group'";
        QTest::newRow("part of a word") << "SELECT Groups, MyGroup" << "SELECT Groups, MyGroup";
        QTest::newRow("already quoted") << "SELECT [Group]" << "SELECT [Group]";
    }

    void adaptQueryQuotesOnlyTheColumn()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(adaptQuery(in), out);
    }

    void unusableFilesGiveAMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("present");
        QFile real(m_path);
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QByteArray whole = real.readAll();
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty text file") << QByteArray("hello, not a database\n") << true;
        QTest::newRow("plain sqlite") << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0') << true;
        QTest::newRow("truncated") << whole.left(1000) << true;
        QTest::newRow("random bytes") << QByteArray(8192, '\x5a') << true;
    }

    void unusableFilesGiveAMessage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, present);
        QTemporaryDir dir;
        const QString path = dir.filePath("learn.dll");
        if (present) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        try {
            OpenCardDatabase(CardConnection, path);
            OpenRecordset(DeckRecordset, CardConnection, "SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID");
            QFAIL("an unusable file was opened");
        } catch (const DbError& e) {
            QVERIFY(QString::fromUtf8(e.what()).contains(QStringLiteral("card database")));
        }
        QVERIFY(!QFile::exists(path + "-journal"));
    }

    void wrongKeyIsRefused()
    {
        // A database written with another key.
        QTemporaryDir dir;
        const QString path = dir.filePath("learn.dll");
        {
            std::shared_ptr<Connection> c;
            QFile::copy(m_path, path);
            OpenCardDatabase(c, path);
            c->execute("PRAGMA rekey = 'another key'");
        }
        std::shared_ptr<Connection> c;
        QVERIFY_THROWS_EXCEPTION(DbError, OpenCardDatabase(c, path));
        QVERIFY(!c);
    }
};

LUMENREST_TEST_MAIN(TestModDB)
#include "tst_modDB.moc"
