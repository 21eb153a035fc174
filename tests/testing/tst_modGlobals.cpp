#include "support/Fakes.h"
#include "support/TestMain.h"
#include "testing/TestDraws.h"
#include "testing/modGlobals.h"

using namespace modGlobals;

class TestModGlobals : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A list without bounds (never dimensioned, or erased) holds nothing; bounds without
    // elements are still bounds; an element never assigned is 0 or the empty text.
    void noBoundsIsNotEmpty()
    {
        LongArray longs;
        QVERIFY(!IsLongArrayInitialised(longs) && !IsInLongArray(0, longs));
        longs = std::vector<qint32>{};
        QVERIFY(IsLongArrayInitialised(longs) && !IsInLongArray(0, longs));
        longs = std::vector<qint32>(2);
        QVERIFY(IsInLongArray(0, longs) && !IsInLongArray(-1, longs));
        longs = std::vector<qint32>{4, 9, 17};
        QVERIFY(IsInLongArray(17, longs) && !IsInLongArray(5, longs));
        longs.reset();
        QVERIFY(!IsLongArrayInitialised(longs) && !IsInLongArray(17, longs));

        StringArray texts;
        QVERIFY(!IsStringArrayInitialised(texts) && !IsInStringArray(QString(), texts));
        texts = std::vector<QString>(2);
        QVERIFY(IsStringArrayInitialised(texts) && IsInStringArray("", texts));
        texts = std::vector<QString>{"open road", "b"};
        QVERIFY(IsInStringArray("open road", texts) && !IsInStringArray("", texts));
        QVERIFY(!IsInStringArray("Open road", texts) && !IsInStringArray("open road ", texts));
    }

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

LUMENREST_TEST_MAIN(TestModGlobals)
#include "tst_modGlobals.moc"
