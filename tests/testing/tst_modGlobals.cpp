#include "platform/Random.h"
#include "support/Fakes.h"
#include "support/TestMain.h"
#include "testing/TestDraws.h"
#include "testing/modGlobals.h"

using namespace modGlobals;

class TestModGlobals : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void longArrays_data()
    {
        QTest::addColumn<bool>("dimensioned");
        QTest::addColumn<QList<int>>("elements");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("initialised");
        QTest::addColumn<bool>("found");
        QTest::newRow("no bounds") << false << QList<int>{} << 0 << false << false;
        QTest::newRow("bounds, no elements") << true << QList<int>{} << 0 << true << false;
        QTest::newRow("fresh element is 0") << true << QList<int>{0} << 0 << true << true;
        QTest::newRow("sentinel -1") << true << QList<int>{-1, -1} << -1 << true << true;
        QTest::newRow("last element") << true << QList<int>{4, 9, 17} << 17 << true << true;
        QTest::newRow("absent") << true << QList<int>{4, 9, 17} << 5 << true << false;
    }

    void longArrays()
    {
        QFETCH(bool, dimensioned);
        QFETCH(QList<int>, elements);
        QFETCH(int, value);
        QFETCH(bool, initialised);
        QFETCH(bool, found);
        LongArray list;
        if (dimensioned)
            list = std::vector<qint32>(elements.begin(), elements.end());
        QCOMPARE(IsLongArrayInitialised(list), initialised);
        QCOMPARE(IsInLongArray(value, list), found);
        list.reset(); // erased: no bounds again
        QVERIFY(!IsLongArrayInitialised(list));
        QVERIFY(!IsInLongArray(value, list));
    }

    void stringArrays_data()
    {
        QTest::addColumn<bool>("dimensioned");
        QTest::addColumn<QStringList>("elements");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::newRow("no bounds") << false << QStringList{} << "" << false;
        QTest::newRow("unassigned is empty") << true << QStringList{QString(), QString()} << "" << true;
        QTest::newRow("empty text literal") << true << QStringList{QString()} << QString("") << true;
        QTest::newRow("exact") << true << QStringList{"first step", "open road"} << "open road" << true;
        QTest::newRow("case counts") << true << QStringList{"Open Road"} << "open road" << false;
        QTest::newRow("blanks count") << true << QStringList{"open road "} << "open road" << false;
        QTest::newRow("filled, empty wanted") << true << QStringList{"a", "b"} << "" << false;
    }

    void stringArrays()
    {
        QFETCH(bool, dimensioned);
        QFETCH(QStringList, elements);
        QFETCH(QString, text);
        QFETCH(bool, found);
        StringArray list;
        if (dimensioned)
            list = std::vector<QString>(elements.begin(), elements.end());
        QCOMPARE(IsStringArrayInitialised(list), dimensioned);
        QCOMPARE(IsInStringArray(text, list), found);
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("rounded");
        const QList<QPair<double, int>> cases{{0.0, 0}, {0.49, 0}, {0.5, 0}, {0.51, 1}, {1.5, 2}, {2.5, 2},
                                              {3.5, 4}, {4.4999, 4}, {8.5, 8}, {9.5, 10}, {9.99, 10}};
        for (const auto& [x, r] : cases)
            QTest::addRow("%g", x) << x << r;
    }

    void roundHalfEven()
    {
        QFETCH(double, x);
        QFETCH(int, rounded);
        QCOMPARE(TestDraws::roundHalfEven(x), rounded);
    }

    void orientationIsOneHalfEach()
    {
        QVERIFY(!TestDraws::reversedFromRnd(0.0));
        QVERIFY(!TestDraws::reversedFromRnd(0.05)); // 0.5 rounds to 0
        QVERIFY(TestDraws::reversedFromRnd(0.06));
        QVERIFY(TestDraws::reversedFromRnd(0.1));
        QVERIFY(!TestDraws::reversedFromRnd(0.15)); // 1.5 rounds to 2
        QVERIFY(TestDraws::reversedFromRnd(0.94));
        QVERIFY(!TestDraws::reversedFromRnd(0.96));
        // Over a fine grid of [0, 1) the reversed share is one half (the five odd stretches
        // lose their end points to the even neighbours).
        int reversed = 0;
        const int steps = 100000;
        for (int i = 0; i < steps; ++i)
            reversed += TestDraws::reversedFromRnd(double(i) / steps);
        QVERIFY(std::abs(reversed - steps / 2) <= 5);
    }

    void indexStaysInRange()
    {
        FakeRandom r;
        r.script = {0.0, 0.999999, 0.99999999999999989, 0.5};
        QCOMPARE(TestDraws::index(r, 3), 0);
        QCOMPARE(TestDraws::index(r, 3), 2);
        QCOMPARE(TestDraws::index(r, 1000000007), 1000000006);
        QCOMPARE(TestDraws::position(r, 4), 3);
    }

    void drawFreshTakesTheFirstAcceptableDraw()
    {
        FakeRandom r;
        r.script = {0.1, 0.3, 0.7}; // positions 1, 2, 3 of 4
        int draws = 0;
        const int k = TestDraws::drawFresh(r, 4, [](int k) { return k >= 3; }, [&] { ++draws; });
        QCOMPARE(k, 3);
        QCOMPARE(draws, 3);
        QVERIFY(r.script.empty());
    }

    void drawFreshGivesUpAfterNFruitlessDraws()
    {
        FakeRandom r;
        // Four draws that all meet position 1, then the choice among the acceptable ones.
        r.script = {0.0, 0.0, 0.0, 0.0, 0.6};
        int draws = 0;
        const int k = TestDraws::drawFresh(r, 4, [](int k) { return k == 2 || k == 4; }, [&] { ++draws; });
        QCOMPARE(draws, 4);
        QCOMPARE(k, 4); // 0.6 picks the second of {2, 4}
        QVERIFY(r.script.empty());
    }

    void drawFreshWithNothingAcceptable()
    {
        FakeRandom r;
        QCOMPARE(TestDraws::drawFresh(r, 5, [](int) { return false; }), 0);
        QCOMPARE(TestDraws::drawFresh(r, 0, [](int) { return true; }), 0);
    }
};

LUMENREST_TEST_MAIN(TestModGlobals)
#include "tst_modGlobals.moc"
