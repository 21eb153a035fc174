#pragma once
// A main window on fake services with helpers to run a test the way a user does.

#include "study/MemorizeView.h"
#include "study/StudyObjectives.h"
#include "support/Find.h"
#include "support/MainWindowFixture.h"
#include "testing/ResultsView.h"
#include "testing/TestOptions.h"
#include "testing/TestRun.h"
#include "testing/TestScreen.h"
#include "testing/WrappingRadioButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

#include <optional>

struct TestRunFixture : MainWindowFixture {
    frmMain* w = nullptr;

    explicit TestRunFixture(const QList<CardContent>& cards = smallDeck())
        : MainWindowFixture(cards)
    {
        // Tests pick their test type; the stored default would be Keywords.
        fakes.settings.values[FakeSettingsStore::path("Lumenrest", "Settings", "TestType")] = "0";
        w = &load();
    }

    TestScreen& screen() { return *w->testScreen; }
    ResultsView& results() { return *w->resultsView; }
    const TestFields& fields() { return w->testRun->fields(); }
    std::deque<double>& script() { return fakes.random.script; }

    void clickTab(int index)
    {
        QTabBar* bar = w->SSTab1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    // The Settings tab's choices; suits as letters of "CWPS".
    void choose(bool major, bool minor, const QString& suits = QStringLiteral("CWPS"))
    {
        clickTab(1);
        for (int i = 0; i < 4; ++i)
            w->objectives->chkGroup[i]->setChecked(true);
        for (int i = 0; i < 4; ++i)
            w->objectives->chkGroup[i]->setChecked(suits.contains(QLatin1Char("CWPS"[i])));
        w->objectives->chkMajor->setChecked(major);
        w->objectives->chkMinor->setChecked(minor);
    }
    void setType(int type) { w->testOptions->optTestType[type]->setChecked(true); }
    void setLevel(int level) { w->testOptions->optDifficulty[level]->setChecked(true); }
    void setReversed(bool on) { w->objectives->chkReversed->setChecked(on); }

    void startFromSettings()
    {
        clickTab(1);
        QTest::mouseClick(w->cmdStartTest2, Qt::LeftButton);
    }
    void next() { QTest::mouseClick(screen().cmdNextQuestion, Qt::LeftButton); }

    int rightOption()
    {
        for (int i = 0; i < 7; ++i)
            if (screen().optAnswer[i]->Tag() == QStringLiteral("True"))
                return i;
        return -1;
    }
    void pick(int option) { QTest::mouseClick(screen().optAnswer[option], Qt::LeftButton); }
    void answerRight() { pick(rightOption()); }
    void answerWrong()
    {
        for (int i = 0; i < 7; ++i)
            if (screen().optAnswer[i]->isEnabled() && i != rightOption()) {
                pick(i);
                return;
            }
        qFatal("no wrong option to pick");
    }
    // Ticks the right keywords (count of them) and then distractors up to the number to choose.
    void tickKeywords(int rightOnes)
    {
        const auto& slots = *fields().KeywordSlots;
        int ticked = 0;
        for (int j = 0; j < rightOnes; ++j, ++ticked)
            screen().chkKeywords[slots[std::size_t(j)]]->setChecked(true);
        for (int i = 0; i <= fields().KeywordBoxMax && ticked < fields().KeywordsToChoose; ++i) {
            if (modGlobals::IsInLongArray(i, fields().KeywordSlots) || !screen().chkKeywords[i]->isEnabled())
                continue;
            screen().chkKeywords[i]->setChecked(true);
            ++ticked;
        }
    }

    QString reportText() { return results().txtResult->toPlainText(); }
};

// Rnd values that make the draws come out as wanted.
namespace Script {

// The 1-based position p among n: Int(Rnd × n + 1) = p.
inline double position(int p, int n)
{
    return (p - 0.5) / n;
}

// One description question: the cards drawn (deck positions, the last one asked), the
// orientation when "Reversed" is ticked, the right option and the wrong options' deck
// positions in option order.
inline std::deque<double> description(const QList<int>& cards, int n, int level, int right,
                                      const QList<int>& wrong, std::optional<bool> reversed = std::nullopt)
{
    const int low[] = {2, 1, 0};
    const int high[] = {4, 5, 6};
    std::deque<double> s;
    for (int c : cards)
        s.push_back(position(c, n));
    if (reversed)
        s.push_back(*reversed ? 0.1 : 0.0); // 1 is odd, 0 is even
    s.push_back(position(right - low[level] + 1, high[level] - low[level] + 1));
    for (int p : wrong)
        s.push_back(position(p, n));
    return s;
}

inline void append(std::deque<double>& to, const std::deque<double>& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

} // namespace Script
