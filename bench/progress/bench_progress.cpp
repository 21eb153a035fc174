// The learner's memory with 100,000 answers stored: replaying the log through the memory
// model (target: under 50 ms), reading it from progress.sqlite, and recording one answer.

#include "BenchSupport.h"
#include "cardstore/Connection.h"
#include "progress/MemoryModel.h"
#include "progress/ProgressStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace progress;

namespace {

constexpr int kAnswers = 100000;
const QDate kToday(2026, 3, 1);

// Two years of study, a few hundred answers a day, every card and both test types.
QVector<AnswerRecord> sampleLog()
{
    QVector<AnswerRecord> log;
    log.reserve(kAnswers);
    quint32 seed = 12345;
    const QDateTime first = QDateTime(kToday.addDays(-730), QTime(8, 0)).toUTC();
    for (int i = 0; i < kAnswers; ++i) {
        seed = seed * 1664525u + 1013904223u;
        AnswerRecord a;
        a.testId = 1 + i / 39;
        a.answeredAt = first.addSecs(qint64(i) * 730 * 86400 / kAnswers);
        a.cardId = int(seed >> 9) % 78 + 1;
        a.reversed = (seed >> 3) & 1;
        a.testType = (seed >> 5) & 1 ? TestType::Keywords : TestType::Description;
        a.level = int(seed >> 7) % 3;
        a.maxScore = a.testType == TestType::Keywords ? 3 + 2 * a.level : 1;
        a.score = int(seed >> 20) % (a.maxScore + 1);
        a.mistakenFor = a.testType == TestType::Description && a.score == 0 ? int(seed >> 12) % 78 + 1 : 0;
        a.seconds = 2.5 + (seed >> 24) % 20;
        log.push_back(a);
    }
    return log;
}

// A progress file holding the sample log, written in one transaction.
struct StoredLog {
    QTemporaryDir dir;
    QString path;
    QVector<AnswerRecord> log = sampleLog();

    StoredLog()
    {
        path = dir.path() + QStringLiteral("/progress.sqlite");
        ProgressStore store(path);
        store.beginTest({log.front().answeredAt, TestType::Description, 0, 78});
        store.recordAnswer(log.front()); // creates the schema
        modDB::Connection db(path, modDB::Connection::Plain{false});
        db.run(QStringLiteral("BEGIN"));
        for (int i = 1; i < log.size(); ++i) {
            const AnswerRecord& a = log[i];
            db.run(QStringLiteral("INSERT INTO answers VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {1, a.answeredAt.toString(Qt::ISODate), a.cardId, a.reversed ? 1 : 0, testTypeText(a.testType),
                    a.level, a.score, a.maxScore, a.mistakenFor ? QVariant(a.mistakenFor) : QVariant(), a.seconds});
        }
        db.run(QStringLiteral("COMMIT"));
    }

    static StoredLog& get()
    {
        static StoredLog stored;
        return stored;
    }
};

void replay100k(benchmark::State& state)
{
    const QVector<AnswerRecord> log = sampleLog();
    MemoryModel model;
    for (auto _ : state) {
        model.replay(log, kToday);
        benchmark::DoNotOptimize(model.totals().known);
    }
    state.SetItemsProcessed(state.iterations() * log.size());
}
BENCHMARK(replay100k)->Unit(benchmark::kMillisecond);

void readLog100k(benchmark::State& state)
{
    StoredLog& stored = StoredLog::get();
    for (auto _ : state) {
        ProgressStore store(stored.path);
        const QVector<AnswerRecord> log = store.readLog();
        if (log.size() != kAnswers)
            state.SkipWithError("the stored log is incomplete");
    }
    state.SetItemsProcessed(state.iterations() * kAnswers);
}
BENCHMARK(readLog100k)->Unit(benchmark::kMillisecond);

// What the Progress window waits for: open the store, read everything, replay it.
void readAndReplay100k(benchmark::State& state)
{
    StoredLog& stored = StoredLog::get();
    MemoryModel model;
    for (auto _ : state) {
        ProgressStore store(stored.path);
        model.replay(store.readLog(), kToday);
        benchmark::DoNotOptimize(model.totals().known);
    }
}
BENCHMARK(readAndReplay100k)->Unit(benchmark::kMillisecond);

// One answer into a file that already holds 100,000: its own transaction, as "Next Question" does.
void recordAnswer(benchmark::State& state)
{
    StoredLog& stored = StoredLog::get();
    ProgressStore store(stored.path);
    store.beginTest({QDateTime::currentDateTimeUtc(), TestType::Description, 0, 78});
    int i = 0;
    for (auto _ : state) {
        if (!store.recordAnswer(stored.log[i++ % kAnswers]))
            state.SkipWithError(qPrintable(store.problem()));
    }
}
BENCHMARK(recordAnswer)->Unit(benchmark::kMicrosecond);

} // namespace

LUMENREST_BENCH_MAIN()
