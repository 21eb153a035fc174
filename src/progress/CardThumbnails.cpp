#include "progress/CardThumbnails.h"

#include "cardstore/modDB.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <thread>

QImage CardThumbnails::decode(const QByteArray& bytes, const QSize& box)
{
    if (bytes.isEmpty())
        return QImage();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize full = reader.size();
    // A JPEG is then decoded at a fraction of its size, which is most of the saving.
    if (full.isValid())
        reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (!full.isValid() && !image.isNull())
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

bool CardThumbnails::load(const QString& cardDatabase, const QSize& box, qreal devicePixelRatio, QString* error)
{
    if (m_loaded)
        return true;
    try {
        // The open deck's connection when it is this file: opening an encrypted file costs a key derivation.
        std::shared_ptr<modDB::Connection> connection = modDB::CardConnection;
        if (!connection || QFileInfo(connection->path()) != QFileInfo(cardDatabase))
            connection = std::make_shared<modDB::Connection>(cardDatabase);
        std::shared_ptr<modDB::Recordset> rows;
        modDB::OpenRecordset(rows, connection, QStringLiteral("SELECT ID, Name, Group, PictureData FROM tblCards"));
        QVector<Card> cards;
        for (rows->MoveFirst(); !rows->AtEOF(); rows->MoveNext()) {
            Card c;
            c.id = int(rows->integer(QStringLiteral("ID")));
            c.group = int(rows->integer(QStringLiteral("Group")));
            c.name = rows->text(QStringLiteral("Name"));
            c.picture = rows->binary(QStringLiteral("PictureData"));
            cards.push_back(c);
        }
        std::stable_sort(cards.begin(), cards.end(), [](const Card& a, const Card& b) {
            return std::pair(a.group, a.id) < std::pair(b.group, b.id);
        });
        const QSize devicePixels = box * devicePixelRatio;
        auto decodeRange = [&cards, devicePixels, devicePixelRatio](qsizetype from, qsizetype to) {
            for (qsizetype i = from; i < to; ++i) {
                cards[i].thumbnail = decode(cards[i].picture, devicePixels);
                cards[i].thumbnail.setDevicePixelRatio(devicePixelRatio);
            }
        };
        // Half of them on a second thread: decoding is most of the wait.
        const qsizetype half = cards.size() / 2;
        std::thread other(decodeRange, half, cards.size());
        decodeRange(0, half);
        other.join();
        m_cards = std::move(cards);
        m_loaded = true;
        return true;
    } catch (const modDB::DbError& e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
}

const CardThumbnails::Card* CardThumbnails::card(int id) const
{
    for (const Card& c : m_cards)
        if (c.id == id)
            return &c;
    return nullptr;
}

QString CardThumbnails::name(int id) const
{
    const Card* c = card(id);
    return c && !c->name.isEmpty() ? c->name : QCoreApplication::translate("CardThumbnails", "Card %1").arg(id);
}
