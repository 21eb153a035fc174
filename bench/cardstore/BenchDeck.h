#pragma once
// The real deck (texts and pictures from data/) written into a temporary card database.

#include "cardstore/CardContent.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

struct BenchDeck {
    QTemporaryDir dir;
    QString path;
    QList<CardContent> cards;

    BenchDeck()
    {
        const QString source = QStringLiteral(LUMENREST_SOURCE_DIR);
        QString error;
        cards = CardContentIO::load(source + QStringLiteral("/data/cards.json"), source + QStringLiteral("/data/pictures"),
                                    &error);
        if (cards.size() != 78) {
            std::fprintf(stderr, "Cannot read the deck from %s: %s\n", qPrintable(source), qPrintable(error));
            std::exit(1);
        }
        path = dir.path() + QStringLiteral("/learn.dll");
        CardContentIO::write(path, cards);
    }

    static const BenchDeck& get()
    {
        static const BenchDeck deck;
        return deck;
    }
};
