#include "cardstore/PictureBox.h"
#include "cardstore/modDB.h"
#include "cardstore/modImageDB.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

using namespace modDB;
using namespace modImageDB;

namespace {

QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The bounding box of the pixels that differ from the corner (background) colour.
QRect drawnArea(const QImage& image)
{
    const QRgb background = image.pixel(0, 0);
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                area |= QRect(x, y, 1, 1);
    return area;
}

QImage solid(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestModImageDB : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::shared_ptr<Connection> m_connection;
    QImage m_asymmetric;

    // The deck row set standing on card `id`.
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
        QVERIFY(!m_asymmetric.isNull());
        // The test picture must tell every turn and mirror apart.
        QVERIFY(m_asymmetric.mirrored(true, true) != m_asymmetric);
        QVERIFY(m_asymmetric.mirrored(true, true) != m_asymmetric.mirrored(true, false));
        QVERIFY(m_asymmetric.mirrored(true, true) != m_asymmetric.mirrored(false, true));

        QList<CardContent> cards;
        cards << Fixtures::card(1, 0);                 // asymmetric PNG
        cards << Fixtures::card(2, 0, 8, false);       // no picture (NULL)
        cards << Fixtures::card(3, 0);
        cards.last().pictureData = QByteArray("these bytes are no picture at all");
        cards << Fixtures::card(4, 0);
        const QString jpeg = qEnvironmentVariable("LUMENREST_SOURCE_DIR") + QStringLiteral("/data/pictures/c01.jpg");
        QFile real(jpeg);
        QVERIFY2(real.open(QIODevice::ReadOnly), qPrintable(jpeg));
        cards.last().pictureData = real.readAll();
        OpenCardDatabase(m_connection, Fixtures::writeDeck(m_dir.path(), cards));
    }

    void loadsThePictureOfTheCurrentRow()
    {
        PictureBox box;
        auto rows = cardRows(1);
        QVERIFY(LoadPictureFromField(&box, *rows, QStringLiteral("PictureData")));
        QVERIFY(box.hasPicture());
        QCOMPARE(argb(box.picture()), argb(m_asymmetric));

        auto jpegRows = cardRows(4);
        QVERIFY(LoadPictureFromField(&box, *jpegRows, QStringLiteral("PictureData")));
        QCOMPARE(box.picture(), QImage::fromData(jpegRows->binary(QStringLiteral("PictureData"))));
        QVERIFY(box.picture().height() > 600);
    }

    void failedLoadLeavesAnEmptyBox_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("moves"); // MoveNext calls after the filter
        QTest::newRow("null PictureData") << 2 << "PictureData" << 0;
        QTest::newRow("bytes that are no picture") << 3 << "PictureData" << 0;
        QTest::newRow("no current row") << 1 << "PictureData" << 1;
        QTest::newRow("no such field") << 1 << "Portrait" << 0;
        QTest::newRow("text that is no picture") << 1 << "Name" << 0;
    }

    void failedLoadLeavesAnEmptyBox()
    {
        QFETCH(int, card);
        QFETCH(QString, field);
        QFETCH(int, moves);
        PictureBox box;
        box.setPicture(m_asymmetric); // a previous card's picture must not stay
        auto rows = cardRows(card);
        for (int i = 0; i < moves; ++i)
            rows->MoveNext();
        QVERIFY(!LoadPictureFromField(&box, *rows, field));
        QVERIFY(!box.hasPicture());
        QVERIFY(box.picture().isNull());
    }

    void zeroLengthValueLeavesAnEmptyBox()
    {
        PictureBox box;
        box.setPicture(m_asymmetric);
        auto rows = cardRows(1);
        rows->AppendChunk(QStringLiteral("PictureData"), QByteArray());
        QCOMPARE(rows->ActualSize(QStringLiteral("PictureData")), qint64(0));
        QVERIFY(!LoadPictureFromField(&box, *rows, QStringLiteral("PictureData")));
        QVERIFY(!box.hasPicture());
    }

    void noBoxIsNoLoad()
    {
        auto rows = cardRows(1);
        QVERIFY(!LoadPictureFromField(nullptr, *rows, QStringLiteral("PictureData")));
        HalfTurn(nullptr);
        PictureBox source;
        ShowHalfTurnOf(nullptr, source);
    }

    void halfTurnIsATurnNotAMirror()
    {
        PictureBox box;
        box.setPicture(m_asymmetric);
        HalfTurn(&box);
        QVERIFY(box.isHalfTurned());
        const QImage turned = argb(box.picture());
        QCOMPARE(turned, argb(m_asymmetric.mirrored(true, true)));
        // The red top-left corner now stands bottom right, the blue bottom-right one top left.
        const int w = turned.width(), h = turned.height();
        QCOMPARE(QColor(turned.pixel(w - 1, h - 1)), QColor(Qt::red));
        QCOMPARE(QColor(turned.pixel(0, 0)), QColor(Qt::blue));
        QCOMPARE(QColor(turned.pixel(0, h - 1)), QColor(Qt::white));

        HalfTurn(&box);
        QVERIFY(!box.isHalfTurned());
        QCOMPARE(argb(box.picture()), argb(m_asymmetric));
    }

    void halfTurnOfAnEmptyBoxStaysEmpty()
    {
        PictureBox box;
        HalfTurn(&box);
        QVERIFY(!box.hasPicture());
        QVERIFY(!box.isHalfTurned());
        box.resize(50, 80);
        const QImage drawing = box.rendered();
        QVERIFY(drawnArea(drawing).isEmpty());

        // A new picture after the turn shows upright.
        box.setPicture(m_asymmetric);
        QVERIFY(!box.isHalfTurned());
    }

    void turnedBoxTakesTheUprightBoxsPicture()
    {
        PictureBox upright, reversed;
        auto rows = cardRows(1);
        QVERIFY(LoadPictureFromField(&upright, *rows, QStringLiteral("PictureData")));
        ShowHalfTurnOf(&reversed, upright);
        QVERIFY(!upright.isHalfTurned());
        QCOMPARE(argb(upright.picture()), argb(m_asymmetric));
        QCOMPARE(argb(reversed.picture()), argb(m_asymmetric.mirrored(true, true)));

        // A card without a picture must not leave the last card's turned picture behind.
        auto empty = cardRows(2);
        QVERIFY(!LoadPictureFromField(&upright, *empty, QStringLiteral("PictureData")));
        ShowHalfTurnOf(&reversed, upright);
        QVERIFY(!reversed.hasPicture());
    }

    // Both boxes of the same size: one drawing is the other turned, pixel for pixel, for odd
    // and even margins, pictures larger and smaller than the box, and high-DPI ratios.
    void renderedTurnIsPixelExact_data()
    {
        QTest::addColumn<QSize>("box");
        QTest::addColumn<int>("card");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("card size, jpeg") << QSize(220, 380) << 4 << 1.0;
        QTest::newRow("odd width margin, jpeg") << QSize(221, 380) << 4 << 1.0;
        QTest::newRow("odd height margin, jpeg") << QSize(300, 301) << 4 << 1.0;
        QTest::newRow("upscaled small png") << QSize(221, 377) << 1 << 1.0;
        QTest::newRow("tiny box") << QSize(7, 5) << 1 << 1.0;
        QTest::newRow("ratio 1.25") << QSize(221, 380) << 4 << 1.25;
        QTest::newRow("ratio 1.5") << QSize(220, 381) << 4 << 1.5;
        QTest::newRow("ratio 2") << QSize(111, 190) << 1 << 2.0;
    }

    void renderedTurnIsPixelExact()
    {
        QFETCH(QSize, box);
        QFETCH(int, card);
        QFETCH(qreal, ratio);
        PictureBox upright, reversed;
        upright.setFrameShape(QFrame::NoFrame);
        reversed.setFrameShape(QFrame::NoFrame);
        upright.resize(box);
        reversed.resize(box);
        auto rows = cardRows(card);
        QVERIFY(LoadPictureFromField(&upright, *rows, QStringLiteral("PictureData")));
        ShowHalfTurnOf(&reversed, upright);

        const QImage a = upright.rendered(ratio);
        const QImage b = reversed.rendered(ratio);
        const QSize device(qRound(box.width() * ratio), qRound(box.height() * ratio));
        QCOMPARE(a.size(), device);
        QCOMPARE(a.devicePixelRatio(), ratio);
        QVERIFY(a != b);
        QCOMPARE(b, a.mirrored(true, true));
    }

    void scaledToFitCentredAspectKept_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QRect>("area"); // in device pixels
        QTest::newRow("tall picture, wide box") << QSize(40, 60) << QSize(200, 90) << 1.0 << QRect(70, 0, 60, 90);
        QTest::newRow("wide picture, tall box") << QSize(80, 40) << QSize(100, 300) << 1.0 << QRect(0, 125, 100, 50);
        QTest::newRow("card picture, card box") << QSize(370, 640) << QSize(220, 380) << 1.0 << QRect(0, 0, 220, 380);
        QTest::newRow("odd margin grows the picture a pixel")
            << QSize(40, 60) << QSize(101, 60) << 1.0 << QRect(30, 0, 41, 60);
        // Sharp on high-DPI screens: the picture gets the device pixels, not the logical ones.
        QTest::newRow("ratio 2") << QSize(400, 600) << QSize(100, 100) << 2.0 << QRect(33, 0, 134, 200);
    }

    void scaledToFitCentredAspectKept()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, box);
        QFETCH(qreal, ratio);
        QFETCH(QRect, area);
        PictureBox b;
        b.setFrameShape(QFrame::NoFrame);
        b.resize(box);
        b.setPicture(solid(picture.width(), picture.height(), Qt::darkMagenta));
        const QImage drawing = b.rendered(ratio);
        if (area.size() == drawing.size())
            QCOMPARE(QColor(drawing.pixel(0, 0)), QColor(Qt::darkMagenta));
        else
            QCOMPARE(drawnArea(drawing), area);
    }

    void smoothScaling()
    {
        // A one-pixel checkerboard halved smoothly turns grey; a plain sampling would keep
        // black or white pixels.
        QImage checker(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                checker.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        PictureBox b;
        b.setFrameShape(QFrame::NoFrame);
        b.resize(32, 32);
        b.setPicture(checker);
        const QColor middle = b.rendered(1.0).pixelColor(16, 16);
        QVERIFY2(middle.red() > 60 && middle.red() < 195, qPrintable(middle.name()));
    }

    void paintingShowsTheRendering()
    {
        PictureBox b; // with its frame
        b.resize(120, 170);
        b.setPicture(m_asymmetric);
        b.turnHalf();
        const QImage painted = argb(b.grab().toImage()).copy(b.contentsRect());
        QCOMPARE(painted, argb(b.rendered()));
        QVERIFY(!drawnArea(painted).isEmpty());

        b.clear();
        QVERIFY(drawnArea(argb(b.grab().toImage()).copy(b.contentsRect())).isEmpty());
    }

    void nullPictureEmptiesTheBox()
    {
        PictureBox b;
        b.setPicture(m_asymmetric);
        b.setPicture(QImage());
        QVERIFY(!b.hasPicture());
    }
};

LUMENREST_TEST_MAIN(TestModImageDB)
#include "tst_modImageDB.moc"
