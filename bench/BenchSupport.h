#pragma once
// What the benchmark programs share: the real deck in a temporary card database, the picture
// floor, and a main() that runs the benchmarks headless.

#include "cardstore/CardContent.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>
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
// Wall time since t0, in milliseconds.
inline double msSince(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// Layout and paint, as the event loop would run them before the user sees the window.
inline void settle(QWidget& window)
{
    QApplication::sendPostedEvents();
    QApplication::processEvents();
    window.repaint();
}

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

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
