#include "cardstore/PictureBox.h"
#include "cardstore/frmPicEntry.h"
#include "cardstore/modDB.h"
#include "support/Fakes.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace modDB;

namespace {

const QString kFilter = QStringLiteral("All Picture files | *.bmp;*.jpg;*.jpe;*.jpeg;*.gif");

// A picture whose width tells the cards apart.
QByteArray pictureOf(int id)
{
    return Fixtures::asymmetricPng(30 + id, 60);
}

QList<CardContent> threeCards()
{
    QList<CardContent> cards;
    for (int id = 1; id <= 3; ++id) {
        cards << Fixtures::card(id, 0);
        cards.last().pictureData = pictureOf(id);
    }
    return cards;
}

QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The smallest GIF there is: one transparent pixel.
const QByteArray kOnePixelGif = QByteArray::fromHex(
    "47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");

// The editor on a card database of its own, beside a fake executable.
struct Editor {
    FakeServices fs;
    std::unique_ptr<frmPicEntry> w;
    QString dbPath;

    explicit Editor(const QList<CardContent>& cards, bool show = true)
    {
        dbPath = Fixtures::writeDeck(fs.paths.dir.path(), cards);
        w = std::make_unique<frmPicEntry>(fs.services());
        if (show)
            w->show();
    }
    void next() { QTest::mouseClick(w->Command2, Qt::LeftButton); }
    void prev() { QTest::mouseClick(w->Command3, Qt::LeftButton); }
    void selectPicture(const QString& answer)
    {
        fs.dialogs.openAnswers << answer;
        QTest::mouseClick(w->cmdSetPicture, Qt::LeftButton);
    }
    QString label() const { return w->Label1->text(); }
    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        const QString path = fs.paths.dir.path() + QLatin1Char('/') + name;
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return path;
    }
    // What the database file itself holds, through a connection of its own.
    // One reading connection per editor: every open pays for the key derivation.
    mutable std::shared_ptr<Connection> reader;
    std::shared_ptr<Connection> readerConnection() const
    {
        if (!reader)
            reader = std::make_shared<Connection>(dbPath);
        return reader;
    }
    QByteArray storedPicture(int id) const
    {
        Recordset rows(readerConnection(), QStringLiteral("SELECT * FROM tblCards"));
        rows.setFilter(QStringLiteral("ID=%1").arg(id));
        return rows.binary(QStringLiteral("PictureData"));
    }
    std::unique_ptr<Recordset> keywordRows() const
    {
        return std::make_unique<Recordset>(readerConnection(), QStringLiteral("SELECT * FROM tblKeywords ORDER BY ID"));
    }
};

} // namespace

class TestFrmPicEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        DeckRecordset.reset();
        CardConnection.reset();
    }

    void controlsAndCaptions()
    {
        Editor e(threeCards());
        QCOMPARE(e.w->windowTitle(), QStringLiteral("Form1"));
        const QList<QPair<QString, QString>> buttons{{"Command2", "Next"},
                                                     {"Command3", "Prev"},
                                                     {"cmdSetPicture", "SelectPicture"},
                                                     {"Command4", "Command4"},
                                                     {"Command1", "Command1"}};
        for (const auto& [name, caption] : buttons) {
            auto* b = e.w->findChild<QPushButton*>(name);
            QVERIFY2(b, qPrintable(name));
            QCOMPARE(b->text(), caption);
            QVERIFY(b->isEnabled());
        }
        QCOMPARE(e.w->findChildren<QPushButton*>().size(), 5);
        QCOMPARE(e.w->findChild<QLabel*>(QStringLiteral("Label1")), e.w->Label1);
        QCOMPARE(e.w->findChild<PictureBox*>(QStringLiteral("Picture1")), e.w->Picture1);
    }

    void openingReplacesTheProgramWideDeck()
    {
        Editor other({Fixtures::card(1, 0)}, false);
        OpenCardDatabase(CardConnection, other.dbPath);
        OpenRecordset(DeckRecordset, CardConnection, QStringLiteral("SELECT * FROM tblCards"));

        Editor e(threeCards());
        QVERIFY(e.w->isLoaded());
        QCOMPARE(Connection::liveCount(), 1);
        QCOMPARE(CardConnection->path(), e.dbPath);
        QCOMPARE(DeckRecordset->RecordCount(), 3);
        QCOMPARE(DeckRecordset->integer(QStringLiteral("ID")), qint64(1));
        QVERIFY(e.fs.dialogs.messages.isEmpty());
    }

    void nextAndPrevFromTheStart()
    {
        Editor e(threeCards());
        // Nothing shown yet, though the deck stands on card 1.
        QCOMPARE(e.label(), QStringLiteral("Label1"));
        QVERIFY(!e.w->Picture1->hasPicture());

        e.next(); // moves first, so the first "Next" shows the second card
        QCOMPARE(e.label(), QStringLiteral("Card 2"));
        QCOMPARE(argb(e.w->Picture1->picture()), argb(QImage::fromData(pictureOf(2))));
        e.prev();
        QCOMPARE(e.label(), QStringLiteral("Card 1"));
        QCOMPARE(argb(e.w->Picture1->picture()), argb(QImage::fromData(pictureOf(1))));
        QVERIFY(e.fs.dialogs.messages.isEmpty());
    }

    void prevFromTheFirstCardShowsNothing()
    {
        Editor e(threeCards());
        e.prev(); // before the first card
        QCOMPARE(e.label(), QStringLiteral("Label1"));
        QVERIFY(!e.w->Picture1->hasPicture());
        e.prev(); // stays before it
        QCOMPARE(e.label(), QStringLiteral("Label1"));
        e.next();
        QCOMPARE(e.label(), QStringLiteral("Card 1"));
        QCOMPARE(argb(e.w->Picture1->picture()), argb(QImage::fromData(pictureOf(1))));
    }

    void nextOnTheLastCardLeavesTheDisplay()
    {
        Editor e(threeCards());
        e.next();
        e.next();
        QCOMPARE(e.label(), QStringLiteral("Card 3"));
        const QImage shown = e.w->Picture1->picture();
        e.next(); // past the end
        QCOMPARE(e.label(), QStringLiteral("Card 3"));
        QCOMPARE(e.w->Picture1->picture(), shown);
        QVERIFY(DeckRecordset->AtEOF());
        e.next(); // stays past the end
        QVERIFY(DeckRecordset->AtEOF());

        e.w->Label1->setText(QStringLiteral("marker")); // so a real show is seen
        e.prev();
        QCOMPARE(e.label(), QStringLiteral("Card 3"));
        QCOMPARE(argb(e.w->Picture1->picture()), argb(QImage::fromData(pictureOf(3))));
    }

    void cardWithoutPictureShowsNameAndEmptyBox()
    {
        QList<CardContent> cards = threeCards();
        cards[1].pictureData.clear();
        cards[2].pictureData = "no picture";
        Editor e(cards);
        e.prev();
        e.next();
        QVERIFY(e.w->Picture1->hasPicture());
        e.next();
        QCOMPARE(e.label(), QStringLiteral("Card 2"));
        QVERIFY(!e.w->Picture1->hasPicture());
        e.next();
        QCOMPARE(e.label(), QStringLiteral("Card 3"));
        QVERIFY(!e.w->Picture1->hasPicture());
        QVERIFY(e.fs.dialogs.messages.isEmpty());
    }

    void storesTheFileBytesExactly_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QFile real(qEnvironmentVariable("LUMENREST_SOURCE_DIR") + QStringLiteral("/data/pictures/m17.jpg"));
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QImage sample = QImage::fromData(Fixtures::asymmetricPng(53, 71));
        QTest::newRow("deck jpeg") << "star.jpg" << real.readAll();
        QTest::newRow("bmp") << "sample.bmp" << encoded(sample, "BMP");
        QTest::newRow("jpeg") << "sample.jpeg" << encoded(sample, "JPEG");
        QTest::newRow("gif") << "pixel.gif" << kOnePixelGif;
    }

    void storesTheFileBytesExactly()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QVERIFY(!QImage::fromData(bytes).isNull());
        Editor e(threeCards());
        const QString file = e.writeFile(fileName, bytes);
        e.next(); // card 2
        e.selectPicture(file);

        QVERIFY2(e.fs.dialogs.messages.isEmpty(), qPrintable(e.fs.dialogs.lastText()));
        QCOMPARE(e.fs.dialogs.filters, QStringList{kFilter});
        const QByteArray stored = e.storedPicture(2);
        QCOMPARE(stored.size(), bytes.size());
        QCOMPARE(stored, bytes);
        QCOMPARE(e.storedPicture(1), pictureOf(1));
        QCOMPARE(e.storedPicture(3), pictureOf(3));

        const QImage expected = argb(QImage::fromData(bytes));
        QCOMPARE(argb(e.w->Picture1->picture()), expected);
        e.next();
        e.prev(); // shown back from the row set
        QCOMPARE(e.label(), QStringLiteral("Card 2"));
        QCOMPARE(argb(e.w->Picture1->picture()), expected);
    }

    void storingTwiceOnOneCardKeepsOnlyTheLast()
    {
        Editor e(threeCards());
        const QByteArray first = encoded(QImage::fromData(pictureOf(7)), "BMP");
        const QByteArray second = pictureOf(9);
        e.selectPicture(e.writeFile(QStringLiteral("a.bmp"), first));
        e.selectPicture(e.writeFile(QStringLiteral("b.png"), second));
        QVERIFY(e.fs.dialogs.messages.isEmpty());
        QCOMPARE(e.storedPicture(1), second);
        // The card that received the picture is named, even before any "Next".
        QCOMPARE(e.label(), QStringLiteral("Card 1"));
    }

    void cancelledDialogStoresNothing()
    {
        Editor e(threeCards());
        e.next();
        e.selectPicture(QString());
        QCOMPARE(e.fs.dialogs.filters.size(), 1);
        QVERIFY(e.fs.dialogs.messages.isEmpty());
        QCOMPARE(e.storedPicture(2), pictureOf(2));
        QCOMPARE(e.label(), QStringLiteral("Card 2"));
    }

    void storingIsRefused_data()
    {
        QTest::addColumn<int>("nexts");
        QTest::addColumn<int>("prevs");
        QTest::addColumn<QString>("file"); // written unless empty; "missing" is never written
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("dialogShown");
        QTest::addColumn<QString>("messagePart");
        QTest::newRow("before the first card") << 0 << 1 << "a.png" << pictureOf(5) << false << "no current card";
        QTest::newRow("past the last card") << 3 << 0 << "a.png" << pictureOf(5) << false << "no current card";
        QTest::newRow("unreadable file") << 1 << 0 << "missing.jpg" << QByteArray() << true << "could not be read";
        QTest::newRow("no picture") << 1 << 0 << "notes.jpg" << QByteArray("just text") << true << "not a picture";
        QTest::newRow("empty file") << 1 << 0 << "empty.gif" << QByteArray("") << true << "not a picture";
    }

    void storingIsRefused()
    {
        QFETCH(int, nexts);
        QFETCH(int, prevs);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, dialogShown);
        QFETCH(QString, messagePart);
        Editor e(threeCards());
        const QString path = file.startsWith(QLatin1String("missing"))
            ? e.fs.paths.dir.path() + QLatin1Char('/') + file
            : e.writeFile(file, bytes);
        for (int i = 0; i < nexts; ++i)
            e.next();
        for (int i = 0; i < prevs; ++i)
            e.prev();
        const QString labelBefore = e.label();
        e.selectPicture(path);

        QCOMPARE(e.fs.dialogs.filters.size(), dialogShown ? 1 : 0);
        QCOMPARE(e.fs.dialogs.messages.size(), 1);
        QVERIFY2(e.fs.dialogs.lastText().contains(messagePart), qPrintable(e.fs.dialogs.lastText()));
        QCOMPARE(e.fs.dialogs.messages.last().caption, QStringLiteral("Lumenrest"));
        for (int id = 1; id <= 3; ++id)
            QCOMPARE(e.storedPicture(id), pictureOf(id));
        QCOMPARE(e.label(), labelBefore);
    }

    void seedingWritesSevenKeywordsPerCard()
    {
        Editor e(Fixtures::fullDeck(0));
        QCOMPARE(e.keywordRows()->RecordCount(), 0);
        QTest::mouseClick(e.w->Command4, Qt::LeftButton);
        QVERIFY2(e.fs.dialogs.messages.isEmpty(), qPrintable(e.fs.dialogs.lastText()));

        auto rows = e.keywordRows();
        QCOMPARE(rows->RecordCount(), 546);
        for (int r = 1; r <= 546; ++r, rows->MoveNext()) {
            const int card = (r - 1) / 7 + 1;
            const int k = (r - 1) % 7 + 1;
            QCOMPARE(rows->integer(QStringLiteral("ID")), qint64(r));
            QCOMPARE(rows->integer(QStringLiteral("CardID")), qint64(card));
            QCOMPARE(rows->text(QStringLiteral("CardName")), QStringLiteral("Card %1").arg(card));
            QCOMPARE(rows->text(QStringLiteral("Keyword")), QStringLiteral("Card %1 %2").arg(card).arg(k));
        }

        // The filter on card 78 stays: the navigation sees that card only.
        QCOMPARE(DeckRecordset->filter(), QStringLiteral("ID=78"));
        e.next();
        QCOMPARE(e.label(), QStringLiteral("Label1"));
        e.prev();
        QCOMPARE(e.label(), QStringLiteral("Card 78"));
        e.prev();
        e.next();
        QCOMPARE(e.label(), QStringLiteral("Card 78"));
    }

    void seedingIsRefusedWhenKeywordsExist()
    {
        Editor e(Fixtures::fullDeck(8));
        e.next();
        QTest::mouseClick(e.w->Command4, Qt::LeftButton);
        QCOMPARE(e.fs.dialogs.messages.size(), 1);
        QVERIFY2(e.fs.dialogs.lastText().contains(QLatin1String("624")), qPrintable(e.fs.dialogs.lastText()));
        auto rows = e.keywordRows();
        QCOMPARE(rows->RecordCount(), 78 * 8);
        rows->Move(78 * 8 - 1);
        QCOMPARE(rows->integer(QStringLiteral("ID")), qint64(624));
        QCOMPARE(rows->text(QStringLiteral("Keyword")), QStringLiteral("c78 keyword 8"));
        // Nothing else changed either: still on card 2, no filter.
        QCOMPARE(DeckRecordset->filter(), QString());
        QCOMPARE(DeckRecordset->integer(QStringLiteral("ID")), qint64(2));
    }

    void seedingThatFailsWritesNothing()
    {
        QList<CardContent> cards = Fixtures::fullDeck(0);
        cards.removeAt(39); // card 40
        Editor e(cards);
        QTest::mouseClick(e.w->Command4, Qt::LeftButton);
        QCOMPARE(e.fs.dialogs.messages.size(), 1);
        QVERIFY2(e.fs.dialogs.lastText().contains(QLatin1String("Card 40")), qPrintable(e.fs.dialogs.lastText()));
        QCOMPARE(e.keywordRows()->RecordCount(), 0);
        QCOMPARE(DeckRecordset->filter(), QString());
        QCOMPARE(DeckRecordset->RecordCount(), 77);

        // The connection is usable afterwards: no transaction was left open.
        e.next();
        e.selectPicture(e.writeFile(QStringLiteral("p.png"), pictureOf(4)));
        QCOMPARE(e.fs.dialogs.messages.size(), 1);
        QCOMPARE(e.storedPicture(2), pictureOf(4));
    }

    void unopenableDatabaseGivesAMessage_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a database") << QByteArray(4096, 'x');
        QTest::newRow("truncated") << QByteArray("SQLite format 3");
    }

    void unopenableDatabaseGivesAMessage()
    {
        QFETCH(QByteArray, content);
        FakeServices fs;
        if (!content.isEmpty()) {
            QFile f(modDB::cardDatabasePath(fs.paths.dir.path()));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        frmPicEntry w(fs.services());
        w.show();
        QVERIFY(!w.isLoaded());
        QCOMPARE(fs.dialogs.messages.size(), 1);
        QVERIFY2(fs.dialogs.lastText().contains(QLatin1String("learn.dll")), qPrintable(fs.dialogs.lastText()));
        QVERIFY(!CardConnection);
        QVERIFY(!DeckRecordset);
        for (QPushButton* b : {w.Command2, w.Command3, w.cmdSetPicture, w.Command4})
            QVERIFY(!b->isEnabled());
        // Even when called directly, the handlers do nothing.
        fs.dialogs.openAnswers << QStringLiteral("/nonexistent.png");
        w.Command2_Click();
        w.Command3_Click();
        w.cmdSetPicture_Click();
        w.Command4_Click();
        QCOMPARE(fs.dialogs.messages.size(), 1);
        QCOMPARE(w.Label1->text(), QStringLiteral("Label1"));
        QCOMPARE(fs.dialogs.openAnswers.size(), 1);
    }
};

LUMENREST_TEST_MAIN(TestFrmPicEntry)
#include "tst_frmPicEntry.moc"
