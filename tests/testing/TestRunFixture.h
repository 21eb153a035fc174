#pragma once
// A main window on fake services with helpers to run a test the way a user does.

#include "cardstore/PictureBox.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "testing/TestRun.h"
#include "testing/TestScreen.h"
#include "testing/WrappingRadioButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>

struct TestRunFixture : MainWindowFixture {
    frmMain* w = nullptr;
    QList<CardContent> cards;

    // type 0 Description, 1 Keywords; level 0 Beginner to 2 Advanced.
    explicit TestRunFixture(const QList<CardContent>& deck = smallDeck(), int type = 0, int level = 0, bool reversed = false)
        : MainWindowFixture(deck)
        , cards(deck)
    {
        w = &load();
        get<QCheckBox>("chkReversed")->setChecked(reversed);
        get<QRadioButton>(QStringLiteral("optTestType_%1").arg(type))->setChecked(true);
        get<QRadioButton>(QStringLiteral("optDifficulty_%1").arg(level))->setChecked(true);
    }

    // The Take Test tab's controls, found by their names.
    struct TestControls {
        PictureBox* picResult;
        std::array<WrappingRadioButton*, 7> optAnswer;
        std::array<QCheckBox*, 20> chkKeywords;
        QPushButton* cmdNextQuestion;
    };
    TestControls screen()
    {
        TestControls c{get<PictureBox>("picResult"), {}, {}, get<QPushButton>("cmdNextQuestion")};
        for (int i = 0; i < 7; ++i)
            c.optAnswer[std::size_t(i)] = option(i);
        for (int i = 0; i < 20; ++i)
            c.chkKeywords[std::size_t(i)] = keyword(i);
        return c;
    }
    TestRun& run() { return only<TestRun>(w); }
    WrappingRadioButton* option(int i) { return get<WrappingRadioButton>(QStringLiteral("optAnswer_%1").arg(i)); }
    QCheckBox* keyword(int i) { return get<QCheckBox>(QStringLiteral("chkKeywords_%1").arg(i)); }
    const TestFields& fields() { return run().fields(); }
    std::deque<double>& script() { return fakes.random.script; }
    QString info() { return get<QLabel>("lblResultInfo")->text(); }
    QString report() { return get<QPlainTextEdit>("txtResult")->toPlainText(); }
    QString card() { return get<QLabel>("lblCardName")->text(); }
    QString label(const char* name) { return get<QLabel>(name)->text(); }

    // The Settings tab's choices; suits as letters of "CWPS".
    void choose(bool major, bool minor, const QString& suits = QStringLiteral("CWPS"))
    {
        // All ticked first (the last ticked suit cannot be unticked), then as asked.
        for (int i = 0; i < 8; ++i)
            get<QCheckBox>(QStringLiteral("chkGroup_%1").arg(i % 4))->setChecked(i < 4 || suits.contains(QLatin1Char("CWPS"[i % 4])));
        get<QCheckBox>("chkMajor")->setChecked(major);
        get<QCheckBox>("chkMinor")->setChecked(minor);
    }
    // "Test Me" on the Settings tab.
    void start() { tabs()->setCurrentIndex(frmMain::TabSettings); click("cmdStartTest2"); }
    void next() { click("cmdNextQuestion"); }

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
            if (option(i)->Tag() == QStringLiteral("True"))
                return i;
        return -1;
    }
    // Answers a description question right or wrong and moves on.
    void answer(bool right = true)
    {
        for (int i = 0; i < 7; ++i)
            if (option(i)->isEnabled() && (i == rightOption()) == right) {
                QTest::mouseClick(option(i), Qt::LeftButton);
                return next();
            }
        qFatal("no such option to pick");
    }
    // Ticks rightOnes of the right keywords and distractors for the rest of the number to
    // choose, and moves on.
    void tickKeywords(int rightOnes, bool thenNext = true)
    {
        int wanted[2] = {fields().KeywordsToChoose - rightOnes, rightOnes}; // distractors, right keywords
        for (int i = 0; i <= fields().KeywordBoxMax; ++i)
            if (keyword(i)->isEnabled() && wanted[modGlobals::IsInLongArray(i, fields().KeywordSlots)]-- > 0)
                keyword(i)->setChecked(true);
        if (thenNext)
            next();
    }

    // Plans one description question: the cards drawn (positions among n, the last one
    // asked), the orientation draw when "Reversed" is ticked, the right option and the wrong
    // options' deck positions in option order; reversed -1 when no orientation is drawn.
    void plan(const QList<int>& drawn, int n, int level, int right, const QList<int>& wrong = {}, int reversed = -1)
    {
        const int low[] = {2, 1, 0}, high[] = {4, 5, 6};
        for (int c : drawn)
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
