#include "support/Fixtures.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace Fixtures {

QByteArray asymmetricPng(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(0, 0, width / 2, height / 3, Qt::red);             // top left
    p.fillRect(width / 2, height - height / 4, width / 2, height / 4, Qt::blue); // bottom right
    p.fillRect(0, height / 2, width / 4, 4, Qt::green);           // a stripe on the left
    p.end();
    QBuffer buffer;
    image.save(&buffer, "PNG");
    return buffer.data();
}

CardContent card(int id, int group, int keywordCount, bool withPicture)
{
    CardContent c{.id = id, .name = QStringLiteral("Card %1").arg(id), .group = group, .picture = QStringLiteral("card%1.png").arg(id),
                  .pictureData = withPicture ? asymmetricPng() : QByteArray(),
                  .normalMeaning = QStringLiteral("Upright meaning of card %1.").arg(id),
                  .reversedMeaning = QStringLiteral("Reversed meaning of card %1.").arg(id),
                  .keywords = {},
                  .pictureText = QStringLiteral("Picture of card %1.").arg(id),
                  .contrastText = QStringLiteral("Card %1 is not its neighbour.").arg(id)};
    for (int k = 1; k <= keywordCount; ++k)
        c.keywords << QStringLiteral("c%1 keyword %2").arg(id).arg(k);
    return c;
}

QString writeDeck(const QString& dir, const QList<CardContent>& cards)
{
    CardContentIO::write(dir + "/learn.dll", cards);
    return dir + "/learn.dll";
}

QList<CardContent> fullDeck(int keywordCount, bool withPictures)
{
    QList<CardContent> cards;
    for (int id = 1; id <= 78; ++id) {
        const int group = id <= 22 ? 0 : 1 + (id - 23) / 14;
        cards << card(id, group, keywordCount, withPictures);
    }
    return cards;
}

} // namespace Fixtures
