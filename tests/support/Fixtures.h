#pragma once
// Small card databases for tests, written by the same code as the real one.

#include "cardstore/CardContent.h"

#include <QColor>
#include <QString>

namespace Fixtures {

// A card with a generated name, meanings, n keywords and (optionally) a small picture.
CardContent card(int id, int group, int keywordCount = 8, bool withPicture = true);

// An asymmetric picture: tell-tale colours in its corners, so turns and mirrors differ.
QByteArray asymmetricPng(int width = 40, int height = 60);

// Writes a database into dir/learn.dll and returns its path.
QString writeDeck(const QString& dir, const QList<CardContent>& cards);

// The 78 cards of a full deck (groups 22/14/14/14/14), with generated content.
QList<CardContent> fullDeck(int keywordCount = 8, bool withPictures = false);

} // namespace Fixtures
