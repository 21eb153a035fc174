// The goals file with 10,000 goals: reading and writing it against the floor of the same
// bytes read with QFile and written with QSaveFile; and the goals screen's refresh.

#include "BenchSupport.h"
#include "goals/GoalsFormat.h"
#include "goals/GoalsScreen.h"
#include "goals/modGoals.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kGoals = 10000;

QList<Goal> sampleGoals()
{
    QList<Goal> goals;
    goals.reserve(kGoals);
    for (int i = 0; i < kGoals; ++i) {
        Goal g;
        g.GoalName = QStringLiteral("Learn the cards of group %1, part %2").arg(i % 5).arg(i);
        g.StartingDate = QDate(2020, 1, 1).addDays(i % 1500);
        g.EndingDate = g.StartingDate.addDays(7 + i % 90);
        // Every third description spans several lines; some hold text outside ASCII.
        g.GoalDesc = i % 3 == 0 ? QStringLiteral("Ten cards a day.\r\nRepeat the reversed meanings.\r\nCaf\u00e9 notes, %1").arg(i)
                                : QStringLiteral("Study the keywords of each card, then test myself (%1).").arg(i);
        g.Achieved = i % 4 == 0;
        g.AchievedPercentage = qint16(i % 101);
        goals.append(g);
    }
    return goals;
}

struct Files {
    QTemporaryDir dir;
    QString goals = dir.filePath("goals.txt");
    QString floor = dir.filePath("floor.txt");
    QByteArray bytes;

    Files()
    {
        QString error;
        bytes = GoalsFormat::encode(sampleGoals(), {}, &error);
        for (const QString& path : {goals, floor}) {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(bytes);
        }
    }
};

Files& files()
{
    static Files f;
    return f;
}

void BM_ReadWriteGoals(benchmark::State& state)
{
    Files& f = files();
    for (auto _ : state) {
        modGoals::ReadGoals(f.goals);
        if (modGoals::Goals.size() != kGoals || !modGoals::WriteGoals(f.goals).ok)
            state.SkipWithError("goals file not read or written whole");
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size() * 2);
}

void BM_FloorReadWrite(benchmark::State& state)
{
    Files& f = files();
    for (auto _ : state) {
        QFile in(f.floor);
        in.open(QIODevice::ReadOnly);
        const QByteArray bytes = in.readAll();
        in.close();
        QSaveFile out(f.floor);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        if (!out.commit() || bytes.size() != f.bytes.size())
            state.SkipWithError("floor file not read or written whole");
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size() * 2);
}

void BM_ReadGoals(benchmark::State& state)
{
    Files& f = files();
    for (auto _ : state)
        modGoals::ReadGoals(f.goals);
}

void BM_FloorRead(benchmark::State& state)
{
    Files& f = files();
    for (auto _ : state) {
        QFile in(f.floor);
        in.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(in.readAll());
    }
}

void BM_WriteGoals(benchmark::State& state)
{
    Files& f = files();
    modGoals::ReadGoals(f.goals);
    for (auto _ : state)
        modGoals::WriteGoals(f.goals);
}

void BM_FloorWrite(benchmark::State& state)
{
    Files& f = files();
    for (auto _ : state) {
        QSaveFile out(f.floor);
        out.open(QIODevice::WriteOnly);
        out.write(f.bytes);
        out.commit();
    }
}

// The format alone, in memory.
void BM_Parse(benchmark::State& state)
{
    const QByteArray bytes = files().bytes;
    for (auto _ : state)
        benchmark::DoNotOptimize(GoalsFormat::parse(bytes));
}

void BM_Encode(benchmark::State& state)
{
    const QList<Goal> goals = sampleGoals();
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(GoalsFormat::encode(goals, {}, &error));
}

// Rebuilding the list of the goals screen from 10,000 goals, painted.
void BM_DisplayGoals(benchmark::State& state)
{
    FakeServices fs;
    QFile::copy(files().goals, fs.paths.dir.filePath("goals.txt"));
    GoalsScreen screen(fs.services());
    screen.resize(1000, 560);
    screen.show();
    screen.InitGoals();
    // Every goal current, so that the current view lists all 10,000.
    for (Goal& g : modGoals::Goals)
        g.Achieved = false;
    for (auto _ : state) {
        screen.DisplayGoals(false);
        QApplication::processEvents();
    }
    state.counters["rows"] = double(modGoals::Goals.size());
}

} // namespace

BENCHMARK(BM_ReadWriteGoals)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorReadWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadGoals)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteGoals)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Encode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DisplayGoals)->Unit(benchmark::kMillisecond);

LUMENREST_BENCH_MAIN()
