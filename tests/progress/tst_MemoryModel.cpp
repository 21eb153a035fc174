#include "progress/MemoryModel.h"
#include "support/TestMain.h"

#include <ctime>

using namespace progress;

namespace {
const QDate kToday(2024, 2, 29);

// An answer given at noon local time, daysAgo days before today.
AnswerRecord answer(int card, int daysAgo, int score, int maxScore = 1, TestType type = TestType::Description,
                    int mistakenFor = 0, qint64 test = 1)
{
    AnswerRecord a;
    a.testId = test;
    a.answeredAt = QDateTime(kToday.addDays(-daysAgo), QTime(12, 0)).toUTC();
    a.cardId = card;
    a.testType = type;
    a.score = score;
    a.maxScore = maxScore;
    a.mistakenFor = mistakenFor;
    return a;
}

AnswerRecord right(int card, int daysAgo, qint64 test = 1)
{
    return answer(card, daysAgo, 1, 1, TestType::Description, 0, test);
}

AnswerRecord wrong(int card, int daysAgo, int mistakenFor = 0)
{
    return answer(card, daysAgo, 0, 1, TestType::Description, mistakenFor);
}

MemoryModel replayed(const QVector<AnswerRecord>& log)
{
    MemoryModel model;
    model.replay(log, kToday);
    return model;
}

// A long, varied log from a fixed recipe (no Random draws).
QVector<AnswerRecord> varied(quint32 seed, int count)
{
    QVector<AnswerRecord> log;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const int card = int(seed >> 8) % 78 + 1;
        const bool keywords = (seed >> 20) & 1;
        log << answer(card, 60 - i * 60 / count, int(seed >> 24) % 5, keywords ? 4 : 1,
                      keywords ? TestType::Keywords : TestType::Description, 0, i / 20);
    }
    return log;
}
} // namespace

class TestMemoryModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ratings_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("maxScore");
        QTest::addColumn<int>("rating");
        QTest::newRow("description right") << 0 << 1 << 1 << 3;
        QTest::newRow("description wrong") << 0 << 0 << 1 << 1;
        QTest::newRow("keywords all right") << 1 << 7 << 7 << 3;
        QTest::newRow("keywords four of seven") << 1 << 4 << 7 << 2;
        QTest::newRow("keywords exactly half") << 1 << 2 << 4 << 2;
        QTest::newRow("keywords three of seven") << 1 << 3 << 7 << 1;
        QTest::newRow("keywords none") << 1 << 0 << 3 << 1;
    }

    void ratings()
    {
        QFETCH(int, type);
        QFETCH(int, score);
        QFETCH(int, maxScore);
        QFETCH(int, rating);
        const AnswerRecord a = answer(1, 0, score, maxScore, type ? TestType::Keywords : TestType::Description);
        QCOMPARE(int(MemoryModel::rate(a)), rating);
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
        QCOMPARE(c.answers, 4);
        QCOMPARE(c.memory.stability, s.stability);
        QCOMPARE(c.memory.difficulty, s.difficulty);
        QCOMPARE(c.lastAnswered, kToday.addDays(-7));
        QCOMPARE(c.nextReview, kToday.addDays(-7 + fsrs.intervalDays(s.stability)));
        QCOMPARE(c.recallToday, fsrs.retrievability(7, s.stability));
    }

    // The same log gives the same model, whatever was replayed before.
    void replayIsDeterministic()
    {
        const QVector<AnswerRecord> log = varied(7, 3000);
        MemoryModel reused;
        reused.replay(varied(99, 500), kToday.addDays(3));
        reused.replay(log, kToday);
        const MemoryModel fresh = replayed(log);
        for (int id = 1; id <= 78; ++id) {
            const CardMemory &a = reused.card(id), &b = fresh.card(id);
            QCOMPARE(a.answers, b.answers);
            QCOMPARE(a.memory.stability, b.memory.stability);
            QCOMPARE(a.memory.difficulty, b.memory.difficulty);
            QCOMPARE(a.nextReview, b.nextReview);
            QCOMPARE(a.recallToday, b.recallToday);
            QCOMPARE(int(a.state), int(b.state));
        }
        QCOMPARE(reused.totals().tests, fresh.totals().tests);
        QCOMPARE(reused.answersPerDay().size(), fresh.answersPerDay().size());
        QCOMPARE(reused.knownOverTime().size(), fresh.knownOverTime().size());
    }

    void statesAndDueCards()
    {
        const MemoryModel model = replayed({right(1, 0), wrong(2, 1), right(3, 30), right(4, 20), right(2, 1)});
        // 1: Good today, next review in two days; 2: Again then Good the same day yesterday, so
        // back after one day; 3 and 4: overdue, the longest waiting first.
        QCOMPARE(int(model.card(1).state), int(CardState::Known));
        QCOMPARE(int(model.card(7).state), int(CardState::New));
        QCOMPARE(int(model.card(2).state), int(CardState::ToReview));
        QCOMPARE(model.card(2).nextReview, kToday);
        QCOMPARE(model.dueCards(), (QVector<int>{3, 4, 2}));
        QCOMPARE(model.totals().known, 1);

        const MemoryModel forgot = replayed({right(6, 0), wrong(6, 0)});
        QCOMPARE(int(forgot.card(6).state), int(CardState::ToReview));
        QCOMPARE(forgot.dueCards(), QVector<int>{6});
    }

    void answerFromTheFutureCountsAsTheSameDay()
    {
        const MemoryModel model = replayed({right(8, -3), right(8, 0)});
        const Fsrs fsrs;
        const CardMemory& c = model.card(8);
        QCOMPARE(c.memory.stability, fsrs.next(fsrs.first(Rating::Good), 0, Rating::Good).stability);
        QCOMPARE(c.lastAnswered, kToday);
        const MemoryModel ahead = replayed({right(9, -5)});
        QCOMPARE(ahead.card(9).recallToday, 1.0);
        QCOMPARE(ahead.totals().currentRun, 0);
    }

    // Days are the learner's calendar days, not UTC ones (Auckland is 13 hours ahead in February).
    void daysAreLocal()
    {
        const QByteArray oldTz = qgetenv("TZ");
        qputenv("TZ", "Pacific/Auckland");
        tzset();
        QVector<AnswerRecord> log;
        for (const QTime& t : {QTime(0, 30), QTime(23, 30)}) {
            log << right(1, 0);
            log.back().answeredAt = QDateTime(kToday.addDays(-1), t).toUTC();
        }
        log << right(1, 0);
        log.back().answeredAt = QDateTime(kToday, QTime(0, 30)).toUTC();
        const MemoryModel model = replayed(log);
        qputenv("TZ", oldTz);
        tzset();
        QCOMPARE(model.answersPerDay().size(), 2);
        QCOMPARE(model.answersPerDay()[0].answers, 2);
        QCOMPARE(model.card(1).lastAnswered, kToday);
    }

    void weakestCards()
    {
        const MemoryModel model = replayed({right(10, 2), right(11, 40), wrong(12, 30), right(13, 0)});
        QCOMPARE(model.weakestCards(), (QVector<int>{12, 11, 10, 13}));
        QCOMPARE(model.weakestCards(2), (QVector<int>{12, 11}));
        QVERIFY(replayed({}).weakestCards().isEmpty());
    }

    void confusedPairsCountBothDirections()
    {
        const QVector<AnswerRecord> log = {wrong(18, 3, 59), wrong(59, 2, 18), wrong(18, 1, 59), wrong(20, 1, 21),
                                           answer(21, 1, 0, 4, TestType::Keywords, 20), wrong(21, 0, 20),
                                           wrong(30, 0, 59)};
        const MemoryModel model = replayed(log);
        const QVector<ConfusedPair> pairs = model.confusedPairs();
        QCOMPARE(pairs.size(), 3);
        QCOMPARE((QVector<int>{pairs[0].first, pairs[0].second, pairs[0].times}), (QVector<int>{18, 59, 3}));
        QCOMPARE((QVector<int>{pairs[1].first, pairs[1].second, pairs[1].times}), (QVector<int>{20, 21, 2}));
        QCOMPARE((QVector<int>{pairs[2].first, pairs[2].second, pairs[2].times}), (QVector<int>{30, 59, 1}));
        QCOMPARE(model.mistakenFor(18), (QVector<QPair<int, int>>{{59, 2}}));
        QCOMPARE(model.history(21).size(), 2);
    }

    void totalsAndDays()
    {
        const QVector<AnswerRecord> log = {right(1, 3, 1), wrong(2, 3), right(1, 1, 2), right(2, 1, 2),
                                           answer(3, 0, 2, 4, TestType::Keywords, 0, 3)};
        const MemoryModel model = replayed(log);
        const ProgressTotals& t = model.totals();
        QCOMPARE(t.answers, 5);
        QCOMPARE(t.tests, 3);
        QCOMPARE(t.daysStudied, 3);
        QCOMPARE(t.currentRun, 2); // yesterday and today; three days ago is cut off by a gap
        const QVector<DayResult>& days = model.answersPerDay();
        QCOMPARE(days.size(), 3);
        QCOMPARE(days[0].day, kToday.addDays(-3));
        QCOMPARE(days[0].answers, 2);
        QCOMPARE(days[0].shareRight(), 0.5);
        QCOMPARE(days[2].right, 0); // half the keywords is not fully right
        const QVector<KnownOnDay>& known = model.knownOverTime();
        QCOMPARE(known.size(), 3);
        QCOMPARE(known[0].known, 1); // card 2 was forgotten that day
        QCOMPARE(known[1].known, 2);
        QCOMPARE(known[2].known, 3); // Hard still counts: card 3 is due tomorrow
    }
};

LUMENREST_TEST_MAIN(TestMemoryModel)
#include "tst_MemoryModel.moc"
