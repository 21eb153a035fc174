#pragma once
// A main window on fake services with helpers to run a test the way a user does.

#include "study/MemorizeView.h"
#include "study/StudyObjectives.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "testing/ResultsView.h"
#include "testing/TestOptions.h"
#include "testing/TestRun.h"
#include "testing/TestScreen.h"
#include "testing/WrappingRadioButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>

struct TestRunFixture : MainWindowFixture {
    frmMain* w = nullptr;
    QList<CardContent> cards;

    // type 0 Description, 1 Keywords; level 0 Beginner to 2 Advanced.
    explicit TestRunFixture(const QList<CardContent>& cards = smallDeck(), int type = 0, int level = 0,
                            bool reversed = false)
        : MainWindowFixture(cards)
        , cards(cards)
    {
        w = &load();
        w->objectives->chkReversed->setChecked(reversed);
        w->testOptions->optTestType[type]->setChecked(true);
        w->testOptions->optDifficulty[level]->setChecked(true);
    }

    TestScreen& screen() { return *w->testScreen; }
    const TestFields& fields() { return w->testRun->fields(); }
    std::deque<double>& script() { return fakes.random.script; }
    QString info() { return w->resultsView->lblResultInfo->text(); }
    QString report() { return w->resultsView->txtResult->toPlainText(); }
    QString card() { return screen().lblCardName->text(); }
    int tab() { return w->SSTab1->currentIndex(); }

    // The Settings tab's choices; suits as letters of "CWPS".
    void choose(bool major, bool minor, const QString& suits = QStringLiteral("CWPS"))
    {
        for (int i = 0; i < 4; ++i)
            w->objectives->chkGroup[i]->setChecked(true);
        for (int i = 0; i < 4; ++i)
            w->objectives->chkGroup[i]->setChecked(suits.contains(QLatin1Char("CWPS"[i])));
        w->objectives->chkMajor->setChecked(major);
        w->objectives->chkMinor->setChecked(minor);
    }
    // "Test Me" on the Settings tab.
    void start()
    {
        w->SSTab1->setCurrentIndex(1);
        QTest::mouseClick(w->cmdStartTest2, Qt::LeftButton);
    }
    void next() { QTest::mouseClick(screen().cmdNextQuestion, Qt::LeftButton); }

    // The card a generated meaning belongs to: "Upright meaning of card 7.".
    static int cardOf(const QString& text)
    {
        static const QRegularExpression number(QStringLiteral("card (\\d+)"));
        return number.match(text).captured(1).toInt();
    }
    // Every text the question offers belongs to the card it is said to come from.
    bool choicesComeFromTheirCards(const Question& q) const
    {
        auto from = [&](const Question::Choice& c, bool keyword) {
            for (const CardContent& card : cards)
                if (card.id == c.cardId)
                    return keyword ? card.keywords.contains(c.text) : c.text == card.normalMeaning || c.text == card.reversedMeaning;
            return c.text.isEmpty();
        };
        return std::all_of(q.options.begin(), q.options.end(), [&](auto& c) { return from(c, false); })
            && std::all_of(q.boxes.begin(), q.boxes.end(), [&](auto& c) { return from(c, true); });
    }
    static Answer answerOf(const QSignalSpy& recorded, int i) { return recorded[i][1].value<Answer>(); }

    int rightOption()
    {
        for (int i = 0; i < 7; ++i)
            if (screen().optAnswer[i]->Tag() == QStringLiteral("True"))
                return i;
        return -1;
    }
    // Answers a description question right or wrong and moves on.
    void answer(bool right = true)
    {
        for (int i = 0; i < 7; ++i)
            if (screen().optAnswer[i]->isEnabled() && (i == rightOption()) == right) {
                QTest::mouseClick(screen().optAnswer[i], Qt::LeftButton);
                return next();
            }
        qFatal("no such option to pick");
    }
    // Ticks rightOnes of the right keywords and distractors for the rest of the number to
    // choose, and moves on.
    void tickKeywords(int rightOnes, bool thenNext = true)
    {
        int ticks[2] = {0, 0}; // distractors, right keywords
        const int wanted[2] = {fields().KeywordsToChoose - rightOnes, rightOnes};
        for (int i = 0; i <= fields().KeywordBoxMax; ++i) {
            const bool right = modGlobals::IsInLongArray(i, fields().KeywordSlots);
            if (screen().chkKeywords[i]->isEnabled() && ticks[right] < wanted[right]) {
                screen().chkKeywords[i]->setChecked(true);
                ++ticks[right];
            }
        }
        if (thenNext)
            next();
    }

    // Plans one description question: the cards drawn (positions among n, the last one
    // asked), the orientation draw when "Reversed" is ticked, the right option and the wrong
    // options' deck positions in option order; reversed -1 when no orientation is drawn.
    void plan(const QList<int>& cards, int n, int level, int right, const QList<int>& wrong = {}, int reversed = -1)
    {
        const int low[] = {2, 1, 0}, high[] = {4, 5, 6};
        for (int c : cards)
            script().push_back(position(c, n));
        if (reversed >= 0)
            script().push_back(reversed ? 0.1 : 0.0); // 1 is odd, 0 is even
        script().push_back(position(right - low[level] + 1, high[level] - low[level] + 1));
        for (int p : wrong)
            script().push_back(position(p, n));
    }
    // The 1-based position p among n: Int(Rnd × n + 1) = p.
    static double position(int p, int n) { return (p - 0.5) / n; }
};
