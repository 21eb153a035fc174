// Drives whole tests of the 78-card deck at Advanced through the main window, the way a user
// does it: "Test Me", then for every question an answer and "Next Question", until the
// report stands on the Results tab. A question counts from the click until the window has
// laid out and painted it; handler_median_ms is the click alone (record, draw, build).

#include "BenchSupport.h"
#include "support/Find.h"
#include "shell/frmMain.h"
#include "study/StudyObjectives.h"
#include "support/Fakes.h"
#include "testing/ResultsView.h"
#include "testing/TestOptions.h"
#include "testing/TestRun.h"
#include "testing/TestScreen.h"
#include "testing/WrappingRadioButton.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;




struct Window {
    FakeServices fakes;
    std::unique_ptr<frmMain> main;

    explicit Window(int testType)
    {
        fakes.paths.exeDir = QStringLiteral(LUMENREST_CARD_DB_DIR);
        main = std::make_unique<frmMain>(fakes.services());
        main->Form_Load();
        main->resize(1000, 740);
        find<QRadioButton>(main.get(), QStringLiteral("optTestType_%1").arg(testType))->setChecked(true);
        find<QRadioButton>(main.get(), QStringLiteral("optDifficulty_2"))->setChecked(true);
        find<QCheckBox>(main.get(), QStringLiteral("chkReversed"))->setChecked(true);
        settle(*main);
    }

    TestRun& run() const { return only<TestRun>(main.get()); }
    QTabWidget* tabs() const { return find<QTabWidget>(main.get(), QStringLiteral("SSTab1")); }

    void answer()
    {
        if (only<TestOptions>(main.get()).isDescription()) {
            for (int i = 0; i < 7; ++i) {
                auto* option = find<WrappingRadioButton>(main.get(), QStringLiteral("optAnswer_%1").arg(i));
                if (option->Tag() == QStringLiteral("True"))
                    option->setChecked(true);
            }
        } else {
            for (qint32 slot : *run().fields().KeywordSlots)
                find<QCheckBox>(main.get(), QStringLiteral("chkKeywords_%1").arg(slot))->setChecked(true);
        }
    }
};

void wholeTest(benchmark::State& state, int testType)
{
    Window w(testType);
    std::vector<double> questions;
    std::vector<double> handlers;
    std::vector<double> firsts;
    std::vector<double> endings;
    std::vector<double> reports;
    for (auto _ : state) {
        w.tabs()->setCurrentIndex(frmMain::TabSettings);
        settle(*w.main);
        auto t0 = Clock::now();
        find<QPushButton>(w.main.get(), QStringLiteral("cmdStartTest2"))->click(); // opens the deck, then the first question
        settle(*w.main);
        firsts.push_back(msSince(t0));
        while (w.tabs()->currentIndex() == frmMain::TabTest) {
            w.answer();
            t0 = Clock::now();
            find<QPushButton>(w.main.get(), QStringLiteral("cmdNextQuestion"))->click();
            const double handler = msSince(t0);
            settle(*w.main);
            const double ms = msSince(t0);
            if (w.tabs()->currentIndex() == frmMain::TabTest) {
                questions.push_back(ms);
                handlers.push_back(handler);
            } else {
                endings.push_back(ms);
            }
        }
        // The report alone, as the end of the test writes it.
        t0 = Clock::now();
        w.run().ShowTestReport();
        reports.push_back(msSince(t0));
        if (w.run().fields().AskedCardIDs->size() != 78)
            state.SkipWithError("the test did not ask 78 questions");
    }
    state.counters["question_median_ms"] = median(questions);
    state.counters["handler_median_ms"] = median(handlers);
    state.counters["question_max_ms"] = *std::max_element(questions.begin(), questions.end());
    state.counters["first_question_ms"] = median(firsts);
    state.counters["last_click_to_report_ms"] = median(endings);
    state.counters["report_ms"] = median(reports);
    state.counters["questions"] = double(questions.size()) / double(state.iterations());
}

void BM_DescriptionTest78Advanced(benchmark::State& state)
{
    wholeTest(state, 0);
}

void BM_KeywordTest78Advanced(benchmark::State& state)
{
    wholeTest(state, 1);
}

} // namespace

BENCHMARK(BM_DescriptionTest78Advanced)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_KeywordTest78Advanced)->Unit(benchmark::kMillisecond)->Iterations(3);

LUMENREST_BENCH_MAIN()
