#include "cardstore/PictureBox.h"
#include "cardstore/frmPicEntry.h"
#include "cardstore/modDB.h"
#include "support/Fakes.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using namespace modDB;

namespace {

// A picture whose width tells the cards apart.
QByteArray pictureOf(int id)
{
    return Fixtures::asymmetricPng(30 + id, 60);
}

QString threeCards; // written once

// The editor, shown, on a card database of its own beside a fake executable.
struct Editor {
    FakeServices fs;
    QString dbPath = cardDatabasePath(fs.paths.dir.path());
    std::unique_ptr<frmPicEntry> w;
    std::shared_ptr<Connection> reader; // one per editor: every open costs a key derivation

    // On the three-card deck, or on a deck of the given cards.
    explicit Editor(const QList<CardContent>& cards = {})
    {
        if (cards.isEmpty())
            QFile::copy(threeCards, dbPath); // cheaper than writing the same database again
        else
            Fixtures::writeDeck(fs.paths.dir.path(), cards);
        w = std::make_unique<frmPicEntry>(fs.services());
        w->show();
    }
    // Clicks "Next" for each N and "Prev" for each P.
    void walk(const QString& buttons)
    {
        for (QChar b : buttons)
            QTest::mouseClick(b == 'N' ? w->Command2 : w->Command3, Qt::LeftButton);
    }
    void selectPicture(const QString& answer)
    {
        fs.dialogs.openAnswers << answer;
        QTest::mouseClick(w->cmdSetPicture, Qt::LeftButton);
    }
    QString label() const { return w->Label1->text(); }
    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile f(fs.paths.dir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return f.fileName();
    }
    // What the database file itself holds, read through a connection of its own.
    std::unique_ptr<Recordset> rows(const QString& sql)
    {
        if (!reader)
            reader = std::make_shared<Connection>(dbPath);
        return std::make_unique<Recordset>(reader, sql);
    }
    QByteArray storedPicture(int id)
    {
        auto cards = rows(QStringLiteral("SELECT * FROM tblCards"));
        cards->setFilter(QStringLiteral("ID=%1").arg(id));
        return cards->binary(QStringLiteral("PictureData"));
    }
};

} // namespace

class TestFrmPicEntry : public QObject {
    Q_OBJECT

    QTemporaryDir m_templates;

private Q_SLOTS:
    void initTestCase()
    {
        QList<CardContent> cards{Fixtures::card(1, 0), Fixtures::card(2, 0), Fixtures::card(3, 0)};
        for (CardContent& card : cards)
            card.pictureData = pictureOf(card.id);
        threeCards = Fixtures::writeDeck(m_templates.path(), cards);
    }

    void cleanup()
    {
        DeckRecordset.reset();
        CardConnection.reset();
    }

    void opensOnTheWholeDeckAndWalksIt()
    {
        Editor e;
        QCOMPARE(CardConnection->path(), e.dbPath);
        QCOMPARE(DeckRecordset->RecordCount(), 3);
        QCOMPARE(e.w->windowTitle(), QStringLiteral("Form1"));
        const char* buttons[][2]{{"Command2", "Next"}, {"Command3", "Prev"}, {"cmdSetPicture", "SelectPicture"},
                                 {"Command4", "Command4"}, {"Command1", "Command1"}};
        for (const auto& [name, caption] : buttons) {
            const auto* b = e.w->findChild<QPushButton*>(name);
            QVERIFY2(b && b->text() == caption, name);
        }
        // Nothing is shown yet, though the deck stands on card 1.
        QCOMPARE(e.label(), QStringLiteral("Label1"));
        QVERIFY(!e.w->Picture1->hasPicture());

        // Each button, and the card it shows (0: the display stays as it was).
        const QList<QPair<QString, int>> script{{"N", 2}, {"P", 1}, {"P", 0}, {"P", 0}, {"N", 1},
                                                {"N", 2}, {"N", 3}, {"N", 0}, {"N", 0}, {"P", 3}};
        for (const auto& [button, card] : script) {
            const QImage before = e.w->Picture1->picture();
            e.w->Label1->setText(QStringLiteral("-")); // so that every show is seen
            e.walk(button);
            QCOMPARE(e.label(), card ? QStringLiteral("Card %1").arg(card) : QStringLiteral("-"));
            QCOMPARE(e.w->Picture1->picture(), card ? QImage::fromData(pictureOf(card)) : before);
        }
        QVERIFY(e.fs.dialogs.messages.isEmpty());
    }

    // n bytes in the file are n bytes in the card; storing again on the card keeps only the last.
    void storesTheFileBytesExactly()
    {
        QFile jpeg(qEnvironmentVariable("LUMENREST_SOURCE_DIR") + QStringLiteral("/data/pictures/m17.jpg"));
        QVERIFY(jpeg.open(QIODevice::ReadOnly));
        const QByteArray gif = QByteArray::fromHex(
            "47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");
        Editor e;
        for (const QByteArray& bytes : {gif, jpeg.readAll()}) { // on card 1, before any "Next"
            e.selectPicture(e.writeFile(QStringLiteral("picture"), bytes));
            QCOMPARE(e.storedPicture(1), bytes);
            QCOMPARE(e.label(), QStringLiteral("Card 1"));
            QCOMPARE(e.w->Picture1->picture(), QImage::fromData(bytes));
        }
        QVERIFY2(e.fs.dialogs.messages.isEmpty(), qPrintable(e.fs.dialogs.lastText()));
        QCOMPARE(e.fs.dialogs.filters,
                 QStringList(2, QStringLiteral("All Picture files | *.bmp;*.jpg;*.jpe;*.jpeg;*.gif")));
        QCOMPARE(e.storedPicture(2), pictureOf(2));
        const QImage shown = e.w->Picture1->picture();
        e.walk("NP"); // shown back from the row set
        QCOMPARE(e.label(), QStringLiteral("Card 1"));
        QCOMPARE(e.w->Picture1->picture(), shown);
    }

    // Nothing is stored, nor shown, without a current card, from a missing file or one that is no
    // picture, or when the dialog is cancelled.
    void storingIsRefused()
    {
        Editor e;
        // Buttons first, the file's bytes (none: no such file), the message (none: cancelled).
        const std::tuple<const char*, QByteArray, QString> cases[]{{"P", pictureOf(5), "no current card"},
                                                                   {"NNNN", pictureOf(5), "no current card"},
                                                                   {"PP", {}, "could not be read"},
                                                                   {"", "just text", "not a picture"},
                                                                   {"", pictureOf(5), ""}};
        for (const auto& [walk, bytes, message] : cases) {
            e.walk(walk);
            const QString label = e.label();
            const int dialogs = e.fs.dialogs.filters.size(), messages = e.fs.dialogs.messages.size();
            const QString file = bytes.isEmpty() ? e.fs.paths.dir.filePath("missing.jpg") : e.writeFile("a.jpg", bytes);
            e.fs.dialogs.openAnswers.clear();
            e.selectPicture(message.isEmpty() ? QString() : file);
            // The dialog is not even offered without a current card.
            QCOMPARE(e.fs.dialogs.filters.size() - dialogs, message.contains("no current card") ? 0 : 1);
            QCOMPARE(e.fs.dialogs.messages.size() - messages, message.isEmpty() ? 0 : 1);
            QVERIFY2(e.fs.dialogs.lastText().contains(message), qPrintable(e.fs.dialogs.lastText()));
            QCOMPARE(e.label(), label);
        }
        for (int id = 1; id <= 3; ++id)
            QCOMPARE(e.storedPicture(id), pictureOf(id));
    }

    void seedingWritesSevenKeywordsPerCardOnce()
    {
        Editor e(Fixtures::fullDeck(0));
        QTest::mouseClick(e.w->Command4, Qt::LeftButton);
        QVERIFY2(e.fs.dialogs.messages.isEmpty(), qPrintable(e.fs.dialogs.lastText()));
        auto rows = e.rows(QStringLiteral("SELECT * FROM tblKeywords ORDER BY ID"));
        QCOMPARE(rows->RecordCount(), 546);
        for (int r = 1; r <= 546; ++r, rows->MoveNext()) {
            const int card = (r - 1) / 7 + 1;
            const QString name = QStringLiteral("Card %1").arg(card);
            QCOMPARE(rows->integer(QStringLiteral("ID")), qint64(r));
            QCOMPARE(rows->integer(QStringLiteral("CardID")), qint64(card));
            QCOMPARE(rows->text(QStringLiteral("CardName")), name);
            QCOMPARE(rows->text(QStringLiteral("Keyword")), name + QStringLiteral(" %1").arg((r - 1) % 7 + 1));
        }
        // Into a table that holds keywords nothing is written.
        QTest::mouseClick(e.w->Command4, Qt::LeftButton);
        QVERIFY2(e.fs.dialogs.lastText().contains(QLatin1String("546")), qPrintable(e.fs.dialogs.lastText()));
        QCOMPARE(e.rows(QStringLiteral("SELECT * FROM tblKeywords"))->RecordCount(), 546);
        // The filter on card 78 stays: "Next" finds no card, and "Prev" shows card 78 and no other.
        e.walk("N");
        QCOMPARE(e.label(), QStringLiteral("Label1"));
        e.walk("PP");
        QCOMPARE(e.label(), QStringLiteral("Card 78"));
    }

    void seedingThatFailsWritesNothing()
    {
        QList<CardContent> cards = Fixtures::fullDeck(0);
        cards.removeAt(39); // card 40
        Editor e(cards);
        QTest::mouseClick(e.w->Command4, Qt::LeftButton);
        QVERIFY2(e.fs.dialogs.lastText().contains(QLatin1String("Card 40")), qPrintable(e.fs.dialogs.lastText()));
        QCOMPARE(e.rows(QStringLiteral("SELECT * FROM tblKeywords"))->RecordCount(), 0);
        QCOMPARE(DeckRecordset->RecordCount(), 77);
        // The connection is still usable: no transaction was left open.
        e.walk("N");
        e.selectPicture(e.writeFile(QStringLiteral("p.png"), pictureOf(4)));
        QCOMPARE(e.fs.dialogs.messages.size(), 1);
        QCOMPARE(e.storedPicture(2), pictureOf(4));
    }

    void missingDatabaseGivesAMessage()
    {
        FakeServices fs;
        frmPicEntry w(fs.services());
        w.show();
        QCOMPARE(fs.dialogs.messages.size(), 1);
        QVERIFY2(fs.dialogs.lastText().contains(QLatin1String("learn.dll")), qPrintable(fs.dialogs.lastText()));
        QVERIFY(!CardConnection && !DeckRecordset);
        for (QPushButton* b : {w.Command2, w.Command3, w.cmdSetPicture, w.Command4})
            QVERIFY(!b->isEnabled());
    }
};

LUMENREST_TEST_MAIN(TestFrmPicEntry)
#include "tst_frmPicEntry.moc"
