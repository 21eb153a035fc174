// Showing a card's picture upright and turned, as the memorize view does: load from the
// PictureData field, half-turn into the second box, both boxes drawn at a card's size.
// Against the floor of decoding the same JPEG bytes and turning them.

#include "BenchDeck.h"

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

void BM_DecodeAndTurn_floor(benchmark::State& state)
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

} // namespace

BENCHMARK(BM_ShowCardPictures)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(78 * 8);
BENCHMARK(BM_DecodeAndTurn_floor)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(78 * 8);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    BenchDeck::get();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
