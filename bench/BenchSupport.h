#pragma once
// What the benchmark programs share: the real deck in a temporary card database, the picture
// floor, and a main() that runs the benchmarks headless.

#include "cardstore/CardContent.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
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

// The floor of showing a picture: decoding the same JPEG bytes and turning them.
inline void decodeAndTurnFloor(benchmark::State& state)
{
    QList<QByteArray> pictures;
    for (const CardContent& c : BenchDeck::get().cards)
        pictures << c.pictureData;
    int i = 0;
    for (auto _ : state) {
        QImage turned = QImage::fromData(pictures[i]).mirrored(true, true);
        if (turned.isNull())
            state.SkipWithError("a card picture did not decode");
        benchmark::DoNotOptimize(turned.constBits());
        i = (i + 1) % int(pictures.size());
    }
    state.SetItemsProcessed(state.iterations());
}

#define LUMENREST_BENCH_MAIN()                                                                                         \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        QApplication app(argc, argv);                                                                                  \
        benchmark::Initialize(&argc, argv);                                                                            \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))                                                        \
            return 1;                                                                                                  \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
