#include "support/Fakes.h"
#include "support/TestMain.h"
#include "testing/TestDraws.h"

class TestTestDraws : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Rnd × 10 rounded half to even; odd is reversed.
    void orientationRoundsHalfToEven()
    {
        const QList<QPair<double, int>> cases{{0.49, 0}, {0.5, 0}, {0.51, 1}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {9.5, 10}};
        for (const auto& [x, rounded] : cases)
            QCOMPARE(TestDraws::roundHalfEven(x), rounded);
        QVERIFY(!TestDraws::reversedFromRnd(0.05) && TestDraws::reversedFromRnd(0.06));
        QVERIFY(!TestDraws::reversedFromRnd(0.15) && !TestDraws::reversedFromRnd(0.96));
    }

    void drawsStayInRangeAndGiveUp()
    {
        FakeRandom r;
        r.script = {0.99999999999999989, 0.0, 0.0, 0.0, 0.0, 0.6};
        QCOMPARE(TestDraws::index(r, 1000000007), 1000000006);
        // Four draws meet position 1 only, then the pick among the acceptable {2, 4}.
        int draws = 0;
        QCOMPARE(TestDraws::drawFresh(r, 4, [](int k) { return k == 2 || k == 4; }, [&] { ++draws; }), 4);
        QCOMPARE(draws, 4);
        QVERIFY(r.script.empty());
        QCOMPARE(TestDraws::drawFresh(r, 5, [](int) { return false; }), 0);
    }
};

LUMENREST_TEST_MAIN(TestTestDraws)
#include "tst_TestDraws.moc"
