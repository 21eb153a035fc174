// The memory model, and under it the FSRS-6 formulas, checked against the worked values
// published with the reference model (fsrs-rs, model_v6 tests), computed there in single
// precision: hence the relative tolerance.
#include "progress/AnswerLog.h"
#include "support/TestMain.h"

#include <ctime>

using namespace progress;
using namespace AnswerLog;
using Values = QVector<double>;

namespace {
bool near(double actual, double expected) { return qAbs(actual - expected) <= 2e-5 * qMax(1.0, qAbs(expected)); }

void compareAll(const Values& actual, const Values& expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i)
        QVERIFY2(near(actual[i], expected[i]),
                 qPrintable(QStringLiteral("value %1: %2, expected %3").arg(i).arg(actual[i], 0, 'g', 9).arg(expected[i])));
}

constexpr Rating kRatings[] = {Rating::Again, Rating::Hard, Rating::Good, Rating::Easy};

} // namespace

class TestMemoryModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formulas_data()
    {
        QTest::addColumn<int>("formula");
        QTest::addColumn<Values>("expected");
        QTest::newRow("first answer: stability is w0..w3") << 0 << Values{0.212, 1.2931, 2.3065, 8.2956};
        QTest::newRow("recall after t days, decay w20") << 1 << Values{1.0, 0.9403443, 0.9253786, 0.9185229, 0.9, 0.8261359};
        QTest::newRow("difficulty from 5, damped and reverted") << 2 << Values{8.341763, 6.6659956, 4.990228, 3.3144615};
        QTest::newRow("stability after a success") << 3 << Values{25.602541, 28.226582, 58.656002, 127.226685};
        QTest::newRow("stability after a lapse") << 4 << Values{1.0525396, 1.1894329, 1.3680838, 1.584989};
        QTest::newRow("same day, passing never lowers") << 5 << Values{1.596818, 5.0, 5.0, 8.12961};
        // First answer, then the same rating one day later (two days for the last pair).
        QTest::newRow("two answers: stability") << 6 << Values{0.10088589, 3.2494123, 7.3153, 18.014914, 0.112798266, 4.4694576};
        QTest::newRow("two answers: difficulty") << 7 << Values{8.806304, 6.7404594, 2.1112142, 1.0, 8.806304, 6.7404594};
    }

    void formulas()
    {
        QFETCH(int, formula);
        QFETCH(Values, expected);
        const Fsrs fsrs;
        const double t[] = {0, 1, 2, 3, 4, 5}, s[] = {1, 2, 3, 4, 4, 2};
        Values actual;
        for (int i = 0; i < expected.size(); ++i) {
            const Rating g = kRatings[i % 4];
            const double d = i + 1, r = 0.9 - 0.1 * i;
            switch (formula) {
            case 0: actual << fsrs.first(g).stability; break;
            case 1: actual << fsrs.retrievability(t[i], s[i]); break;
            case 2: actual << fsrs.nextDifficulty(5.0, g); break;
            case 3: actual << fsrs.stabilityAfterSuccess(5.0, d, r, g); break;
            case 4: actual << fsrs.stabilityAfterFailure(5.0, d, r); break;
            case 5: actual << fsrs.next({5.0, 5.0}, 0, g).stability; break;
            case 6: actual << fsrs.next(fsrs.first(g), 1 + i / 4, g).stability; break;
            case 7: actual << fsrs.next(fsrs.first(g), 1 + i / 4, g).difficulty; break;
            }
        }
        compareAll(actual, expected);
    }

    void intervalKeepsTheDesiredRetention()
    {
        const Fsrs fsrs;
        QVERIFY(near(fsrs.interval(121.01552), 121.01551));
        const Fsrs stricter(Fsrs::kDefaultParameters, 0.95);
        for (double s : {0.5, 3.0, 40.0})
            QVERIFY(near(stricter.retrievability(stricter.interval(s), s), 0.95));
        QCOMPARE(fsrs.intervalDays(0.212), 1); // never less than a day
        QCOMPARE(fsrs.intervalDays(2.3065), 2);
    }

    void ratings()
    {
        // keyword score out of 7 (-1: a wrong description answer), rating
        for (const auto& [score, rating] : {std::pair(-1, 1), {7, 3}, {4, 2}, {3, 1}})
            QCOMPARE(int(MemoryModel::rate(score < 0 ? wrong(1, 0) : answer(1, 0, score, 7, TestType::Keywords))), rating);
    }

    void replayFollowsTheModelDayByDay()
    {
        const Fsrs fsrs;
        const MemoryModel model = replayed({right(5, 10), right(5, 7), wrong(5, 7), right(5, 7)});
        MemoryState s = fsrs.first(Rating::Good);
        s = fsrs.next(s, 3, Rating::Good);
        s = fsrs.next(s, 0, Rating::Again);
        s = fsrs.next(s, 0, Rating::Good);
        const CardMemory& c = model.card(5);
        QVERIFY(c.answers == 4 && c.memory.stability == s.stability && c.memory.difficulty == s.difficulty);
        QCOMPARE(c.nextReview, kToday.addDays(-7 + fsrs.intervalDays(s.stability)));
        QCOMPARE(c.recallToday, fsrs.retrievability(7, s.stability));

        // A clock put back: an answer dated ahead counts as today's and breaks nothing.
        const MemoryModel back = replayed({right(8, -3), right(8, 0)});
        QCOMPARE(back.card(8).memory.stability, fsrs.next(fsrs.first(Rating::Good), 0, Rating::Good).stability);
        QCOMPARE(back.card(8).lastAnswered, kToday);
        const MemoryModel ahead = replayed({right(9, -5)});
        QVERIFY(ahead.card(9).recallToday == 1.0 && ahead.totals().currentRun == 0);
    }

    // The same log gives the same model, whatever was replayed before.
    void replayIsDeterministic()
    {
        const QVector<AnswerRecord> log = {right(2, 5), wrong(3, 1, 2), right(3, 0)};
        MemoryModel reused;
        reused.replay({right(1, 2), wrong(2, 1, 3), answer(4, 0, 2, 4, TestType::Keywords, 0, 2)}, kToday.addDays(3));
        reused.replay(log, kToday);
        const MemoryModel fresh = replayed(log);
        const auto of = [](const CardMemory& c) { return std::tuple(c.answers, c.memory.stability, c.memory.difficulty, c.nextReview, c.recallToday, c.state); };
        for (int id = 1; id <= 78; ++id)
            QVERIFY2(of(reused.card(id)) == of(fresh.card(id)), qPrintable(QString::number(id)));
        QCOMPARE(std::tuple(reused.totals().tests, reused.totals().answers, reused.answersPerDay().size(), reused.knownOverTime().size(), reused.confusedPairs().size()),
                 std::tuple(fresh.totals().tests, fresh.totals().answers, fresh.answersPerDay().size(), fresh.knownOverTime().size(), fresh.confusedPairs().size()));
    }

    void statesAndDueCards()
    {
        const MemoryModel model = replayed({right(1, 0), wrong(2, 1), right(3, 30), right(4, 20), right(2, 1)});
        // 1: Good today, next review in two days; 2: Again then Good the same day yesterday, so
        // back after one day; 3 and 4: overdue, the longest waiting first.
        QCOMPARE((QVector<int>{int(model.card(1).state), int(model.card(7).state), int(model.card(2).state)}),
                 (QVector<int>{int(CardState::Known), int(CardState::New), int(CardState::ToReview)}));
        QCOMPARE(model.card(2).nextReview, kToday);
        QCOMPARE(model.dueCards(), (QVector<int>{3, 4, 2}));
        QCOMPARE(model.totals().known, 1);
        QCOMPARE(replayed({right(6, 0), wrong(6, 0)}).dueCards(), QVector<int>{6});
    }

    // Days are the learner's calendar days, not UTC ones (Auckland is 13 hours ahead in February).
    void daysAreLocal()
    {
        const QByteArray oldTz = qgetenv("TZ");
        qputenv("TZ", "Pacific/Auckland");
        tzset();
        QVector<AnswerRecord> log(3, right(1, 0));
        for (int i : {0, 1, 2}) // yesterday 00:30 and 23:30, today 00:30
            log[i].answeredAt = QDateTime(kToday.addDays(i / 2 - 1), QTime(i == 1 ? 23 : 0, 30)).toUTC();
        const MemoryModel model = replayed(log);
        qputenv("TZ", oldTz);
        tzset();
        QVERIFY(model.answersPerDay().size() == 2 && model.answersPerDay()[0].answers == 2);
        QCOMPARE(model.card(1).lastAnswered, kToday);
    }

    void totalsAndDays()
    {
        const QVector<AnswerRecord> log = {right(1, 3, 1), wrong(2, 3, 59), right(1, 1, 2), right(2, 1, 2),
                                           answer(3, 0, 2, 4, TestType::Keywords, 0, 3), wrong(59, 0, 2)};
        const MemoryModel model = replayed(log);
        const ProgressTotals& t = model.totals();
        // The run is yesterday and today; three days ago is cut off by a gap.
        QCOMPARE(std::tuple(t.answers, t.tests, t.daysStudied, t.currentRun), std::tuple(6, 3, 3, 2));
        QCOMPARE(model.confusedPairs().size(), 1);
        QVERIFY(model.confusedPairs()[0].first == 2 && model.confusedPairs()[0].second == 59 && model.confusedPairs()[0].times == 2);
        const QVector<DayResult>& days = model.answersPerDay();
        QVERIFY(days.size() == 3 && days[0].day == kToday.addDays(-3) && days[0].shareRight() == 0.5);
        QCOMPARE(days[2].right, 0); // half the keywords is not fully right
        const QVector<KnownOnDay>& known = model.knownOverTime();
        // Card 2 was forgotten on the first day; Hard still counts, as card 3 is due tomorrow.
        QCOMPARE((QVector<int>{known[0].known, known[1].known, known[2].known}), (QVector<int>{1, 2, 3}));
    }
};

LUMENREST_TEST_MAIN(TestMemoryModel)
#include "tst_MemoryModel.moc"
