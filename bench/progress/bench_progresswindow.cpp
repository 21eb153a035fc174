// The learner's memory in the main window, on the real deck with 100,000 answers stored:
// what recording adds to "Next Question" (the same tests with and without the store, taken
// in turns), and how long the Progress window takes until it is painted, the first time and
// when it is opened again.

#include "BenchSupport.h"
#include "support/Find.h"
#include "cardstore/Connection.h"
#include "progress/ProgressService.h"
#include "progress/ProgressStore.h"
#include "progress/frmProgress.h"
#include "shell/frmMain.h"
#include "study/StudyObjectives.h"
#include "support/Fakes.h"
#include "testing/TestOptions.h"
#include "testing/TestRun.h"
#include "testing/TestScreen.h"
#include "testing/WrappingRadioButton.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using SteadyClock = std::chrono::steady_clock;
constexpr int kAnswers = 100000;




// A progress file with 100,000 answers over two years, every card, both test types; made once.
const QString& storedLog()
{
    static QTemporaryDir dir;
    static QString path;
    if (!path.isEmpty())
        return path;
    path = dir.path() + QStringLiteral("/progress.sqlite");
    const QDateTime first = QDateTime(QDate::currentDate().addDays(-730), QTime(8, 0)).toUTC();
    {
        progress::ProgressStore store(path);
        progress::AnswerRecord a;
        a.answeredAt = first;
        a.cardId = 1;
        a.maxScore = 1;
        store.recordAnswer(a); // the schema
    }
    modDB::Connection db(path, modDB::Connection::Plain{false});
    db.run(QStringLiteral("BEGIN"));
    quint32 seed = 12345;
    for (int i = 1; i < kAnswers; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const bool keywords = (seed >> 5) & 1;
        const int level = int(seed >> 7) % 3;
        const int maxScore = keywords ? 3 + 2 * level : 1;
        const int score = int(seed >> 20) % (maxScore + 1);
        db.run(QStringLiteral("INSERT INTO answers VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {1 + i / 39, first.addSecs(qint64(i) * 730 * 86400 / kAnswers).toString(Qt::ISODate),
                int(seed >> 9) % 78 + 1, (seed >> 3) & 1, keywords ? "Keywords" : "Description", level, score, maxScore,
                !keywords && score == 0 ? QVariant(int(seed >> 12) % 78 + 1) : QVariant(), 2.5 + (seed >> 24) % 20});
    }
    db.run(QStringLiteral("INSERT INTO tests (id, started_at, test_type, level, deck_size) "
                          "SELECT DISTINCT test_id, answered_at, 'Description', 0, 78 FROM answers WHERE test_id > 1 "
                          "GROUP BY test_id"));
    db.run(QStringLiteral("COMMIT"));
    return path;
}

struct Window {
    FakeServices fakes;
    std::unique_ptr<frmMain> main;

    Window()
    {
        fakes.paths.exeDir = QStringLiteral(LUMENREST_CARD_DB_DIR);
        fakes.clock.date = QDate::currentDate(); // the stored log ends today
        QFile::copy(storedLog(), fakes.paths.dataDir() + QStringLiteral("/progress.sqlite"));
        main = std::make_unique<frmMain>(fakes.services());
        main->Form_Load();
        main->resize(1000, 740);
        find<QRadioButton>(main.get(), QStringLiteral("optTestType_0"))->setChecked(true);
        find<QRadioButton>(main.get(), QStringLiteral("optDifficulty_2"))->setChecked(true);
        find<QCheckBox>(main.get(), QStringLiteral("chkReversed"))->setChecked(true);
        settle(*main);
    }

    // One whole 78-card test; each "Next Question" from the click until the question is painted.
    void wholeTest(std::vector<double>& questions)
    {
        find<QTabWidget>(main.get(), QStringLiteral("SSTab1"))->setCurrentIndex(frmMain::TabSettings);
        find<QPushButton>(main.get(), QStringLiteral("cmdStartTest2"))->click();
        settle(*main);
        while (find<QTabWidget>(main.get(), QStringLiteral("SSTab1"))->currentIndex() == frmMain::TabTest) {
            for (int i = 0; i < 7; ++i) {
                auto* option = find<WrappingRadioButton>(main.get(), QStringLiteral("optAnswer_%1").arg(i));
                if (option->Tag() == QStringLiteral("True"))
                    option->setChecked(true);
            }
            const auto t0 = SteadyClock::now();
            find<QPushButton>(main.get(), QStringLiteral("cmdNextQuestion"))->click();
            settle(*main);
            if (find<QTabWidget>(main.get(), QStringLiteral("SSTab1"))->currentIndex() == frmMain::TabTest)
                questions.push_back(msSince(t0));
        }
    }
};

void BM_NextQuestionWithAndWithoutStore(benchmark::State& state)
{
    Window recording, silent;
    QObject::disconnect(&only<TestRun>(silent.main.get()), &TestRun::answerRecorded, &only<progress::ProgressService>(silent.main.get()), nullptr);
    std::vector<double> with, without;
    for (auto _ : state) {
        recording.wholeTest(with);
        silent.wholeTest(without);
    }
    const int rows = int(only<progress::ProgressService>(recording.main.get()).log().size());
    if (rows != kAnswers + 78 * int(state.iterations()))
        state.SkipWithError("not every answer was recorded");
    state.counters["with_store_median_ms"] = median(with);
    state.counters["without_store_median_ms"] = median(without);
    state.counters["added_median_ms"] = median(with) - median(without);
}
BENCHMARK(BM_NextQuestionWithAndWithoutStore)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ProgressWindowPainted(benchmark::State& state)
{
    std::vector<double> first, again;
    for (auto _ : state) {
        state.PauseTiming();
        Window w;
        QAction* menu = w.main->findChild<QAction*>(QStringLiteral("mnuProgress"));
        state.ResumeTiming();
        auto t0 = SteadyClock::now();
        menu->trigger();
        frmProgress* window = w.main->findChild<frmProgress*>();
        settle(*window);
        first.push_back(msSince(t0));
        window->close();
        settle(*w.main);
        t0 = SteadyClock::now();
        menu->trigger();
        settle(*window);
        again.push_back(msSince(t0));
        if (only<progress::ProgressService>(w.main.get()).model().totals().answers != kAnswers)
            state.SkipWithError("the window did not read the stored answers");
        state.PauseTiming();
        w.main.reset();
        state.ResumeTiming();
    }
    state.counters["first_open_ms"] = median(first);
    state.counters["first_open_max_ms"] = *std::max_element(first.begin(), first.end());
    state.counters["open_again_ms"] = median(again);
}
BENCHMARK(BM_ProgressWindowPainted)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

LUMENREST_BENCH_MAIN()
