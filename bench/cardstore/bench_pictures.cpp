// Showing a card's picture upright and turned, as the memorize view does: load from the
// PictureData field, half-turn into the second box, both boxes drawn at a card's size.
// Against the floor of decoding the same JPEG bytes and turning them.

#include "BenchSupport.h"

#include "cardstore/PictureBox.h"
#include "cardstore/modDB.h"
#include "cardstore/modImageDB.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

namespace {

const QString kField = QStringLiteral("PictureData");

std::shared_ptr<modDB::Recordset> openDeck()
{
    std::shared_ptr<modDB::Connection> connection;
    modDB::OpenCardDatabase(connection, BenchDeck::get().path);
    return std::make_shared<modDB::Recordset>(connection, QStringLiteral("SELECT * FROM tblCards ORDER BY ID"));
}

// One card per iteration, walking the deck round and round.
void BM_ShowCardPictures(benchmark::State& state)
{
    auto rows = openDeck();
    PictureBox upright, reversed;
    upright.resize(upright.sizeHint()); // 220 x 380 inside the frame
    reversed.resize(reversed.sizeHint());
    for (auto _ : state) {
        if (rows->AtEOF())
            rows->MoveFirst();
        if (!modImageDB::LoadPictureFromField(&upright, *rows, kField))
            state.SkipWithError("a card picture did not load");
        modImageDB::ShowHalfTurnOf(&reversed, upright);
        QImage a = upright.rendered();
        QImage b = reversed.rendered();
        benchmark::DoNotOptimize(a.constBits());
        benchmark::DoNotOptimize(b.constBits());
        rows->MoveNext();
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_ShowCardPictures)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(78 * 8);
BENCHMARK(decodeAndTurnFloor)->Name("BM_DecodeAndTurn_floor")->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(78 * 8);

LUMENREST_BENCH_MAIN()
