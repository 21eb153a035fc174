#pragma once
// The cards of the card database in deck order (majors, then Cups, Wands, Pentacles and
// Swords, each by ID), with their names and small pictures decoded once and kept.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

class CardThumbnails {
public:
    struct Card {
        int id = 0;
        int group = 0;
        QString name;
        QByteArray picture; // the stored bytes, for a larger view
        QImage thumbnail;   // at the size asked for, in device pixels
    };

    // Reads the cards and decodes their pictures to fit box (logical pixels) at the given
    // pixel ratio. Done once; later calls return at once. False (with the reason) when the
    // card database could not be read.
    bool load(const QString& cardDatabase, const QSize& box, qreal devicePixelRatio, QString* error = nullptr);
    bool isLoaded() const { return m_loaded; }

    const QVector<Card>& cards() const { return m_cards; }
    // The card with that ID, or nullptr when the card database has none.
    const Card* card(int id) const;
    // Its name; a card the database lacks reads "Card <id>".
    QString name(int id) const;

    // Decodes a picture to fit box (device pixels) without decoding it at full size first.
    static QImage decode(const QByteArray& bytes, const QSize& box);

private:
    QVector<Card> m_cards;
    bool m_loaded = false;
};
