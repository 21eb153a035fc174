// The memorize view's ShowCard over the whole deck (keyword query, picture decode, half-turn,
// both boxes drawn), against the floor of decoding the same JPEG bytes and turning them.

#include "BenchSupport.h"

#include "cardstore/PictureBox.h"
#include "cardstore/modDB.h"
#include "study/MemorizeView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

namespace {

void BM_ShowCard(benchmark::State& state)
{
    modDB::OpenCardDatabase(modDB::CardConnection, BenchDeck::get().path);
    modDB::OpenRecordset(modDB::DeckRecordset, modDB::CardConnection,
                         QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR "
                                        "(Group=3) OR (Group=4) ORDER BY ID"));
    MemorizeView view(nullptr);
    view.resize(960, 520);
    view.show();
    auto& deck = *modDB::DeckRecordset;
    for (auto _ : state) {
        if (deck.AtEOF())
            deck.MoveFirst();
        view.ShowCard();
        QImage a = view.findChild<PictureBox*>(QStringLiteral("picCardMemorize"))->rendered();
        QImage b = view.findChild<PictureBox*>(QStringLiteral("picCardMemorizeReversed"))->rendered();
        benchmark::DoNotOptimize(a.constBits());
        benchmark::DoNotOptimize(b.constBits());
        deck.MoveNext();
    }
    state.SetItemsProcessed(state.iterations());
    modDB::DeckRecordset.reset();
    modDB::CardConnection.reset();
}

} // namespace

BENCHMARK(BM_ShowCard)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(78 * 4);
BENCHMARK(decodeAndTurnFloor)->Name("BM_DecodeAndTurn_floor")->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(78 * 4);

LUMENREST_BENCH_MAIN()
