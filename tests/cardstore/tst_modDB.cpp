#include "cardstore/CardContent.h"
#include "cardstore/modDB.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

using namespace modDB;

const QString kMajor = QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) ORDER BY ID");

class TestModDB : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private Q_SLOTS:
    void initTestCase()
    {
        m_path = Fixtures::writeDeck(m_dir.path(), Fixtures::fullDeck(8, true));
    }

    void cleanup()
    {
        DeckRecordset.reset();
        CardConnection.reset();
    }

    // The program's own query texts, as it issues them, on the program-wide pair: each open
    // releases the previous connection or row set. Rows come in ascending ID.
    void queryTextsRunUnchanged()
    {
        const std::pair<QString, int> cases[]{
            {kMajor, 22},
            {"SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID", 78},
            {"SELECT * FROM tblCards WHERE (Group=1) OR (Group=4) ORDER BY ID", 28},
            {"SELECT * FROM tblCards", 78},
            {"SELECT DISTINCT * FROM tblKeywords WHERE CardID=5", 8},
            {"SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=5", 616},
            {"SELECT * FROM tblKeywords", 624},
            {"SELECT * FROM tblCards WHERE (Group=7) ORDER BY ID", 0}};
        OpenCardDatabase(CardConnection, m_path);
        const std::weak_ptr<Connection> replaced = CardConnection;
        OpenCardDatabase(CardConnection, m_path);
        std::weak_ptr<Recordset> previous;
        for (const auto& [sql, count] : cases) {
            OpenRecordset(DeckRecordset, CardConnection, sql);
            QVERIFY(previous.expired()); // replaced rows are freed
            previous = DeckRecordset;
            Recordset& rows = *DeckRecordset;
            QVERIFY2(rows.RecordCount() == count, qPrintable(sql));
            QVERIFY2(rows.BOF() == (count == 0) && rows.AtEOF() == (count == 0), qPrintable(sql));
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
        deck.setFilter("ID=50"); // not in this deck
        QVERIFY(deck.RecordCount() == 0 && deck.BOF() && deck.AtEOF());
        deck.setFilter("ID=5");
        QCOMPARE(deck.RecordCount(), 1);
        QCOMPARE(deck.text("Name"), QStringLiteral("Card 5"));
        deck.MoveNext();
        deck.setFilter(""); // back on the first row
        QCOMPARE(deck.RecordCount(), 22);
        QCOMPARE(deck.integer("ID"), qint64(1));
        deck.Move(21);
        QCOMPARE(deck.integer("ID"), qint64(22));
        deck.Move(100);
        QVERIFY(deck.AtEOF() && !deck.BOF());
        QVERIFY_THROWS_EXCEPTION(DbError, deck.text("Name"));
        deck.MovePrevious();
        QCOMPARE(deck.integer("ID"), qint64(22));
        deck.MoveFirst();
        QCOMPARE(deck.integer("ID"), qint64(1));
        QVERIFY_THROWS_EXCEPTION(DbError, deck.setFilter("Name='x'"));
        QCOMPARE(deck.RecordCount(), 22); // a refused filter changes nothing
        QCOMPARE(deck.integer("ID"), qint64(1));
        Recordset names(std::make_shared<Connection>(m_path), "SELECT Name FROM tblCards");
        QVERIFY_THROWS_EXCEPTION(DbError, names.setFilter("ID=5")); // no ID column
        QCOMPARE(names.RecordCount(), 78);
    }

    // A new row is saved again after an edit; a save that reaches no row, or a value the
    // database refuses, is an error instead of a silent no-op.
    void savesThatChangeNothingFail()
    {
        auto c = std::make_shared<Connection>(m_path);
        Recordset words(c, "SELECT * FROM tblKeywords");
        words.AddNew();
        words.setValue("CardID", 3);
        words.setValue("Keyword", "first text");
        words.Update();
        words.setValue("Keyword", "second text");
        words.Update();
        Recordset saved(c, "SELECT * FROM tblKeywords WHERE Keyword='second text'");
        QCOMPARE(saved.RecordCount(), 1);
        QCOMPARE(saved.integer("ID"), words.integer("ID"));

        c->execute("DELETE FROM tblKeywords WHERE Keyword='second text'");
        words.setValue("Keyword", "third text");
        QVERIFY_THROWS_EXCEPTION(DbError, words.Update());

        Recordset deck(c, "SELECT * FROM tblCards");
        deck.setFilter("ID=6");
        sqlite3_limit(c->handle(), SQLITE_LIMIT_LENGTH, 1000);
        deck.AppendChunk("PictureData", QByteArray(2000, 'x'));
        QVERIFY_THROWS_EXCEPTION(DbError, deck.Update());
    }

    // A long binary is stored byte for byte (the first append on a row replaces the value),
    // and a new row is saved.
    void changesAreSavedExactly()
    {
        const QByteArray first = QByteArray("\x00\x01\xfe\xff\x7f", 5).repeated(14000);
        const QByteArray second("\x00\xff\x01tail", 7);
        {
            auto c = std::make_shared<Connection>(m_path);
            Recordset deck(c, "SELECT * FROM tblCards");
            deck.setFilter("ID=3");
            deck.AppendChunk("PictureData", first);
            deck.AppendChunk("PictureData", second);
            deck.Update();
            deck.setFilter("ID=4");
            deck.AppendChunk("PictureData", second);
            deck.Update();
            Recordset words(c, "SELECT * FROM tblKeywords");
            words.AddNew();
            words.setValue("ID", 9001);
            words.setValue("CardID", 2);
            words.setValue("CardName", "Card 2");
            words.setValue("Keyword", "added later");
            words.Update();
        }
        auto c = std::make_shared<Connection>(m_path);
        Recordset deck(c, "SELECT * FROM tblCards");
        deck.setFilter("ID=3");
        QCOMPARE(deck.ActualSize("PictureData"), qint64(first.size() + second.size()));
        QCOMPARE(deck.GetChunk("PictureData", deck.ActualSize("PictureData")), first + second);
        deck.setFilter("ID=4");
        QCOMPARE(deck.binary("PictureData"), second);
        Recordset words(c, "SELECT DISTINCT * FROM tblKeywords WHERE CardID=2");
        words.Move(words.RecordCount() - 1);
        QCOMPARE(words.integer("ID"), qint64(9001));
        QCOMPARE(words.text("Keyword"), QStringLiteral("added later"));
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
        const QString rekeyed = dir.filePath("rekeyed");
        QVERIFY(QFile::copy(m_path, rekeyed));
        Connection(rekeyed).execute("PRAGMA rekey = 'another key'");
        QFile real(m_path), other(rekeyed);
        QVERIFY(real.open(QIODevice::ReadOnly) && other.open(QIODevice::ReadOnly));
        const std::pair<const char*, QByteArray> cases[]{
            {"missing", {}},
            {"text file", "hello, not a database\n"},
            {"plain sqlite", QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0')},
            {"truncated", real.read(1000)},
            {"wrong key", other.readAll()}};
        for (const auto& [name, bytes] : cases) {
            QFile f(dir.filePath(name));
            QVERIFY(bytes.isEmpty() || (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size()));
            f.close();
            try {
                OpenCardDatabase(CardConnection, f.fileName());
                OpenRecordset(DeckRecordset, CardConnection, kMajor);
                QFAIL(name);
            } catch (const DbError& e) {
                QVERIFY2(QString::fromUtf8(e.what()).contains("card database"), e.what());
            }
            QVERIFY2(!CardConnection && !QFile::exists(f.fileName() + "-journal"), name);
        }
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        try {
            OpenCardDatabase(CardConnection, dir.filePath("folder"));
            QFAIL("a folder opened");
        } catch (const DbError& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains("is a folder"), e.what());
        }
    }
};

LUMENREST_TEST_MAIN(TestModDB)
#include "tst_modDB.moc"
