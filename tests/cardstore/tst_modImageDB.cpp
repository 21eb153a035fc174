#include "cardstore/PictureBox.h"
#include "cardstore/modDB.h"
#include "cardstore/modImageDB.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QFile>
#include <QTemporaryDir>

using namespace modDB;
using namespace modImageDB;

namespace {

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

class TestModImageDB : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::shared_ptr<Connection> m_connection;
    QImage m_asymmetric;

    // A row set standing on card `id`.
    std::shared_ptr<Recordset> cardRows(int id) const
    {
        auto rows = std::make_shared<Recordset>(m_connection, QStringLiteral("SELECT * FROM tblCards ORDER BY ID"));
        rows->setFilter(QStringLiteral("ID=%1").arg(id));
        return rows;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_asymmetric = QImage::fromData(Fixtures::asymmetricPng());
        // Card 1 has the asymmetric picture, card 2 none, card 3 bytes that are none, card 4 a jpeg.
        QList<CardContent> cards{Fixtures::card(1, 0), Fixtures::card(2, 0, 8, false), Fixtures::card(3, 0),
                                 Fixtures::card(4, 0)};
        cards[2].pictureData = QByteArray("these bytes are no picture at all");
        QFile jpeg(qEnvironmentVariable("LUMENREST_SOURCE_DIR") + QStringLiteral("/data/pictures/c01.jpg"));
        QVERIFY(jpeg.open(QIODevice::ReadOnly));
        cards[3].pictureData = jpeg.readAll();
        OpenCardDatabase(m_connection, Fixtures::writeDeck(m_dir.path(), cards));
    }

    // Null or undecodable bytes, no current row, no such field: an empty box, and the half-turn
    // of the empty box leaves an empty box that draws nothing.
    void failedLoadLeavesAnEmptyBox()
    {
        const std::tuple<int, QString, bool> cases[]{
            {2, "PictureData", false}, {3, "PictureData", false}, {1, "PictureData", true}, {1, "Portrait", false}};
        for (const auto& [card, field, pastTheEnd] : cases) {
            PictureBox box, reversed;
            box.setPicture(m_asymmetric); // the previous card's pictures must not stay
            reversed.setPicture(m_asymmetric);
            reversed.resize(50, 80);
            auto rows = cardRows(card);
            if (pastTheEnd)
                rows->MoveNext();
            QVERIFY(!LoadPictureFromField(&box, *rows, field));
            ShowHalfTurnOf(&reversed, box);
            QVERIFY2(!box.hasPicture() && !reversed.hasPicture() && drawnArea(reversed.rendered()).isEmpty(),
                     qPrintable(QString::number(card) + field));
        }
    }

    // Two boxes of one size: the turned picture and drawing are the upright ones turned by 180
    // degrees, pixel for pixel, for odd and even margins, pictures larger and smaller than the
    // box, and high-DPI ratios.
    void renderedTurnIsPixelExact_data()
    {
        QTest::addColumn<QSize>("box");
        QTest::addColumn<int>("card");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("card size, jpeg") << QSize(220, 380) << 4 << 1.0;
        QTest::newRow("odd width margin") << QSize(221, 380) << 4 << 1.0;
        QTest::newRow("odd height margin, png") << QSize(221, 377) << 1 << 1.0;
        QTest::newRow("tiny box") << QSize(7, 5) << 1 << 1.0;
        QTest::newRow("ratio 1.5") << QSize(220, 381) << 4 << 1.5;
        QTest::newRow("ratio 2") << QSize(111, 190) << 1 << 2.0;
    }

    void renderedTurnIsPixelExact()
    {
        QFETCH(QSize, box);
        QFETCH(int, card);
        QFETCH(qreal, ratio);
        PictureBox upright, reversed;
        for (PictureBox* b : {&upright, &reversed}) {
            b->setFrameShape(QFrame::NoFrame);
            b->resize(box);
        }
        auto rows = cardRows(card);
        QVERIFY(LoadPictureFromField(&upright, *rows, QStringLiteral("PictureData")));
        QCOMPARE(upright.picture(), QImage::fromData(rows->binary(QStringLiteral("PictureData"))));
        reversed.setPicture(m_asymmetric); // the previous card's, turned
        HalfTurn(&reversed);
        ShowHalfTurnOf(&reversed, upright);
        QVERIFY(!upright.isHalfTurned());
        QCOMPARE(reversed.picture(), upright.picture().mirrored(true, true));

        const QImage a = upright.rendered(ratio);
        const QImage b = reversed.rendered(ratio);
        QCOMPARE(a.size(), QSize(qRound(box.width() * ratio), qRound(box.height() * ratio)));
        QVERIFY(a != b);
        QCOMPARE(b, a.mirrored(true, true));
        if (ratio == 1.0) // painting shows exactly the rendering
            QCOMPARE(reversed.grab().toImage().convertToFormat(b.format()), b);
    }

    void scaledToFitCentredAspectKept()
    {
        // picture size, box size, device pixel ratio, drawn area in device pixels
        const std::tuple<QSize, QSize, qreal, QRect> cases[]{
            {{40, 60}, {200, 90}, 1.0, {70, 0, 60, 90}},       // tall picture, wide box
            {{80, 40}, {100, 300}, 1.0, {0, 125, 100, 50}},    // wide picture, tall box
            {{40, 60}, {101, 60}, 1.0, {30, 0, 41, 60}},       // an odd margin grows the picture a pixel
            {{400, 600}, {100, 100}, 2.0, {33, 0, 134, 200}}}; // sharp on high-DPI: all device pixels
        for (const auto& [picture, box, ratio, area] : cases) {
            QImage solid(picture, QImage::Format_RGB32);
            solid.fill(Qt::darkMagenta);
            PictureBox b;
            b.setFrameShape(QFrame::NoFrame);
            b.resize(box);
            b.setPicture(solid);
            QCOMPARE(drawnArea(b.rendered(ratio)), area);
        }
    }
};

LUMENREST_TEST_MAIN(TestModImageDB)
#include "tst_modImageDB.moc"
