// The picture editor, and how a card's picture is loaded, turned and drawn.
#include "cardstore/PictureBox.h"
#include "cardstore/frmPicEntry.h"
#include "cardstore/modDB.h"
#include "cardstore/modImageDB.h"
#include "goals/GoalsTestSupport.h" // whole-file reads and writes
#include "support/Fakes.h"
#include "support/Find.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using namespace modDB;
using namespace modImageDB;

namespace {

// A picture whose width tells the cards apart.
QByteArray pictureOf(int id) { return Fixtures::asymmetricPng(30 + id, 60); }

QByteArray fileBytes(const QString& name)
{
    return GoalsTest::readBytes(qEnvironmentVariable("LUMENREST_SOURCE_DIR") + "/data/pictures/" + name);
}

// Writes cards 1, 2, ... with these pictures into dir/learn.dll.
QString deckWith(const QString& dir, const QList<QByteArray>& pictures)
{
    QList<CardContent> cards;
    for (const QByteArray& picture : pictures) {
        cards << Fixtures::card(int(cards.size()) + 1, 0, 8, false);
        cards.back().pictureData = picture;
    }
    QDir().mkpath(dir);
    return Fixtures::writeDeck(dir, cards);
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
            QTest::mouseClick(find<QPushButton>(w.get(), b == 'N' ? "Command2" : "Command3"), Qt::LeftButton);
    }
    // "Select Picture", answered with a file holding these bytes (none: a missing file).
    void selectPicture(const QByteArray& bytes, bool cancel = false)
    {
        const QString file = fs.paths.dir.filePath("picture");
        if (QFile::remove(file); !bytes.isEmpty())
            GoalsTest::writeBytes(file, bytes);
        fs.dialogs.openAnswers = QStringList{cancel ? QString() : file};
        QTest::mouseClick(find<QPushButton>(w.get(), "cmdSetPicture"), Qt::LeftButton);
    }
    QString label() const { return find<QLabel>(w.get(), "Label1")->text(); }
    // What the database file itself holds, read through a connection of its own.
    std::unique_ptr<Recordset> rows(const QString& sql)
    {
        reader = reader ? reader : std::make_shared<Connection>(dbPath);
        return std::make_unique<Recordset>(reader, sql);
    }
    QByteArray storedPicture(int id) { return rows(QStringLiteral("SELECT * FROM tblCards WHERE ID=%1").arg(id))->binary("PictureData"); }
};

// The bounding box of the pixels that differ from the corner (background) colour.
QRect drawnArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                area |= QRect(x, y, 1, 1);
    return area;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

    QTemporaryDir m_templates;
    std::shared_ptr<Connection> m_connection;
    const QImage m_other = QImage::fromData(Fixtures::asymmetricPng());

    // A row set standing on card `id` of the four-card deck.
    std::shared_ptr<Recordset> cardRows(int id) const
    {
        auto rows = std::make_shared<Recordset>(m_connection, QStringLiteral("SELECT * FROM tblCards ORDER BY ID"));
        rows->setFilter(QStringLiteral("ID=%1").arg(id));
        return rows;
    }
    static void prepare(PictureBox& box, QSize size) { box.setFrameShape(QFrame::NoFrame), box.resize(size); }

private Q_SLOTS:
    void initTestCase()
    {
        threeCards = deckWith(m_templates.path(), {pictureOf(1), pictureOf(2), pictureOf(3)});
        // A png, none, bytes that are no picture, a jpeg.
        OpenCardDatabase(m_connection, deckWith(m_templates.filePath("four"), {pictureOf(1), {}, "no picture at all", fileBytes("c01.jpg")}));
    }

    void cleanup() { DeckRecordset.reset(); CardConnection.reset(); }

    // n bytes in the file are n bytes in the card; storing again on the card keeps only the last.
    // Nothing is stored, nor shown, without a current card, from a missing file or one that is no
    // picture, or when the dialog is cancelled. The buttons walk the whole deck.
    void storesPicturesAndWalksTheDeck()
    {
        Editor e;
        // Nothing is shown yet, though the deck stands on card 1.
        QVERIFY(DeckRecordset->RecordCount() == 3 && e.label() == QStringLiteral("Label1") && !find<PictureBox>(e.w.get(), "Picture1")->hasPicture());
        for (const QByteArray& bytes : {fileBytes("m17.jpg"), pictureOf(1)}) {
            e.selectPicture(bytes); // on card 1, before any "Next"
            QVERIFY(e.storedPicture(1) == bytes && find<PictureBox>(e.w.get(), "Picture1")->picture() == QImage::fromData(bytes));
        }
        QVERIFY(e.fs.dialogs.messages.isEmpty() && e.label() == QStringLiteral("Card 1"));
        // Buttons first, the file's bytes (none: no such file), the message (none: cancelled).
        const std::tuple<const char*, QByteArray, QString> cases[]{
            {"P", pictureOf(5), "no current card"}, {"NN", {}, "could not be read"}, {"", "just text", "not a picture"}, {"", pictureOf(5), ""}};
        for (const auto& [walk, bytes, message] : cases) {
            e.walk(walk);
            const QString label = e.label();
            const qsizetype dialogs = e.fs.dialogs.filters.size(), messages = e.fs.dialogs.messages.size();
            e.selectPicture(bytes, message.isEmpty());
            // The dialog is not even offered without a current card.
            QCOMPARE(e.fs.dialogs.filters.size() - dialogs, message.contains("no current card") ? 0 : 1);
            QCOMPARE(e.fs.dialogs.messages.size() - messages, message.isEmpty() ? 0 : 1);
            QVERIFY2(e.fs.dialogs.lastText().contains(message) && e.label() == label, qPrintable(e.fs.dialogs.lastText()));
        }
        // From card 2: each button, and the card it shows (0: the display stays as it was).
        const qsizetype told = e.fs.dialogs.messages.size();
        const QList<QPair<QString, int>> script{{"P", 1}, {"P", 0}, {"N", 1}, {"N", 2}, {"N", 3}, {"N", 0}, {"P", 3}};
        for (const auto& [button, card] : script) {
            const QImage before = find<PictureBox>(e.w.get(), "Picture1")->picture();
            find<QLabel>(e.w.get(), "Label1")->setText(QStringLiteral("-")); // so that every show is seen
            e.walk(button);
            QCOMPARE(e.label(), card ? QStringLiteral("Card %1").arg(card) : QStringLiteral("-"));
            QCOMPARE(find<PictureBox>(e.w.get(), "Picture1")->picture(), card ? QImage::fromData(pictureOf(card)) : before);
        }
        QCOMPARE(e.fs.dialogs.messages.size(), told);
    }

    void seedingWritesSevenKeywordsPerCardOnce()
    {
        Editor e(Fixtures::fullDeck(0));
        QTest::mouseClick(find<QPushButton>(e.w.get(), "Command4"), Qt::LeftButton);
        QVERIFY2(e.fs.dialogs.messages.isEmpty(), qPrintable(e.fs.dialogs.lastText()));
        auto rows = e.rows("SELECT * FROM tblKeywords ORDER BY ID");
        QCOMPARE(rows->RecordCount(), 546);
        for (int r : {1, 7, 8, 546}) { // the first and last of a card's seven, and of the whole table
            rows->setFilter(QStringLiteral("ID=%1").arg(r));
            const QString read = QStringLiteral("%1 %2 %3").arg(rows->integer("CardID")).arg(rows->text("CardName"), rows->text("Keyword"));
            QCOMPARE(read, QStringLiteral("%1 Card %1 Card %1 %2").arg((r - 1) / 7 + 1).arg((r - 1) % 7 + 1));
        }
        // Into a table that holds keywords nothing is written.
        QTest::mouseClick(find<QPushButton>(e.w.get(), "Command4"), Qt::LeftButton);
        QVERIFY(e.fs.dialogs.lastText().contains("546") && e.rows("SELECT * FROM tblKeywords")->RecordCount() == 546);
    }

    void missingDatabaseGivesAMessage()
    {
        FakeServices fs;
        frmPicEntry w(fs.services());
        w.show();
        QVERIFY2(fs.dialogs.messages.size() == 1 && fs.dialogs.lastText().contains("learn.dll"), qPrintable(fs.dialogs.lastText()));
        QVERIFY(!CardConnection && !DeckRecordset && !find(&w, "cmdSetPicture")->isEnabled() && !find(&w, "Command4")->isEnabled());
    }

    // Two boxes of one size: the turned picture and drawing are the upright ones turned by 180
    // degrees, pixel for pixel, for odd and even margins, pictures larger and smaller than the
    // box, and high-DPI ratios. Null or undecodable bytes, no current row, no such field: an empty
    // box, and the half-turn of the empty box leaves an empty box that draws nothing.
    void halfTurnIsPixelExact()
    {
        // box, card (1 png, 3 bytes that are no picture, 4 jpeg), field, past the last row, device pixel ratio
        const std::tuple<QSize, int, QString, bool, qreal> cases[]{
            {{221, 377}, 1, "PictureData", false, 1.0}, {{220, 381}, 4, "PictureData", false, 1.5}, {{111, 190}, 1, "PictureData", false, 2.0},
            {{50, 80}, 3, "PictureData", false, 1.0}, {{50, 80}, 1, "PictureData", true, 1.0}, {{50, 80}, 1, "Portrait", false, 1.0}};
        for (const auto& [size, card, field, pastTheEnd, ratio] : cases) {
            PictureBox upright, reversed;
            prepare(upright, size);
            prepare(reversed, size);
            upright.setPicture(m_other); // the previous card's pictures must not stay
            reversed.setPicture(m_other);
            HalfTurn(&reversed);
            auto rows = cardRows(card);
            if (pastTheEnd)
                rows->MoveNext();
            const bool sound = card != 3 && !pastTheEnd && field == "PictureData";
            QCOMPARE(LoadPictureFromField(&upright, *rows, field), sound);
            ShowHalfTurnOf(&reversed, upright);
            const QImage a = upright.rendered(ratio), b = reversed.rendered(ratio);
            if (!sound) {
                QVERIFY2(!upright.hasPicture() && !reversed.hasPicture() && drawnArea(b).isEmpty(), qPrintable(QString::number(card) + field));
                continue;
            }
            QVERIFY(a.size() == size * ratio && a != b && b == a.mirrored(true, true));
            if (ratio == 1.0) // painting shows exactly the rendering
                QCOMPARE(reversed.grab().toImage().convertToFormat(b.format()), b);
        }
    }

    void scaledToFitCentredAspectKept()
    {
        // picture size, box size, device pixel ratio, drawn area in device pixels
        const std::tuple<QSize, QSize, qreal, QRect> cases[]{
            {{40, 60}, {200, 90}, 1.0, {70, 0, 60, 90}},       // tall picture, wide box
            {{400, 600}, {100, 100}, 2.0, {33, 0, 134, 200}}}; // sharp on high-DPI: all device pixels
        for (const auto& [picture, size, ratio, area] : cases) {
            QImage solid(picture, QImage::Format_RGB32);
            solid.fill(Qt::darkMagenta);
            PictureBox b;
            prepare(b, size);
            b.setPicture(solid);
            QCOMPARE(drawnArea(b.rendered(ratio)), area);
        }
    }
};

LUMENREST_TEST_MAIN(TestPictures)
#include "tst_Pictures.moc"
