#pragma once
// The card content as the builder reads it from data/ and writes it into the card database.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct CardContent {
    int id = 0;
    QString name;
    int group = 0;
    QString picture;     // file name under the pictures folder
    QByteArray pictureData;
    QString normalMeaning;
    QString reversedMeaning;
    QStringList keywords;
    QString pictureText;  // what the picture shows and what its symbols mean
    QString contrastText; // how the card differs from the one most often taken for it
};

namespace CardContentIO {

// How faults name a card: card 5 "The Hierophant".
QString cardLabel(const CardContent& c);

// Reads cards.json and the picture bytes; an empty list and *error on failure.
QList<CardContent> load(const QString& jsonPath, const QString& picturesDir, QString* error);

// Every fault of the deck, each naming its card and the rule; empty when the deck is sound.
QStringList validate(const QList<CardContent>& cards);

// Writes a new encrypted card database: into a temporary file beside `path`, renamed
// over it only when complete. Keyword rows are numbered 1, 2, 3 ... in card order.
// Throws modDB::DbError.
void write(const QString& path, const QList<CardContent>& cards);

} // namespace CardContentIO
