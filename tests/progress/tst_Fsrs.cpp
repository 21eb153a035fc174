// Checked against the worked values published with the FSRS-6 reference model (fsrs-rs,
// model_v6 tests), computed there in single precision: hence the relative tolerance.
#include "progress/Fsrs.h"
#include "support/TestMain.h"

using progress::Fsrs;
using progress::Rating;
using Values = QVector<double>;

namespace {
bool near(double actual, double expected)
{
    return qAbs(actual - expected) <= 2e-5 * qMax(1.0, qAbs(expected));
}

void compareAll(const Values& actual, const Values& expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i)
        QVERIFY2(near(actual[i], expected[i]),
                 qPrintable(QStringLiteral("value %1: %2, expected %3").arg(i).arg(actual[i], 0, 'g', 9).arg(expected[i])));
}

constexpr Rating kRatings[] = {Rating::Again, Rating::Hard, Rating::Good, Rating::Easy};
} // namespace

class TestFsrs : public QObject {
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
            }
        }
        compareAll(actual, expected);
    }

    // First answer, then the same rating one day later (two days for the last pair).
    void twoAnswers()
    {
        const Fsrs fsrs;
        const Rating ratings[] = {Rating::Again, Rating::Hard, Rating::Good, Rating::Easy, Rating::Again, Rating::Hard};
        const int elapsed[] = {1, 1, 1, 1, 2, 2};
        Values stability, difficulty;
        for (int i = 0; i < 6; ++i) {
            const progress::MemoryState s = fsrs.next(fsrs.first(ratings[i]), elapsed[i], ratings[i]);
            stability << s.stability;
            difficulty << s.difficulty;
        }
        compareAll(stability, {0.10088589, 3.2494123, 7.3153, 18.014914, 0.112798266, 4.4694576});
        compareAll(difficulty, {8.806304, 6.7404594, 2.1112142, 1.0, 8.806304, 6.7404594});
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
};

LUMENREST_TEST_MAIN(TestFsrs)
#include "tst_Fsrs.moc"
