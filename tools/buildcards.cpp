// Builds the encrypted card database from data/: validates the content first and
// refuses, naming the card and the rule, when anything is wrong.
#include "cardstore/CardContent.h"
#include "cardstore/modDB.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: %s cards.json pictures-folder learn.dll\n", argv[0]);
        return 2;
    }
    QString error;
    const QList<CardContent> cards = CardContentIO::load(args[1], args[2], &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QStringList faults = CardContentIO::validate(cards);
    if (!faults.isEmpty()) {
        for (const QString& f : faults)
            std::fprintf(stderr, "%s\n", qPrintable(f));
        return 1;
    }
    try {
        CardContentIO::write(args[3], cards);
    } catch (const modDB::DbError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("Wrote %lld cards to %s\n", qlonglong(cards.size()), qPrintable(args[3]));
    return 0;
}
