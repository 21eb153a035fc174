#include "goals/GoalTimer.h"
#include "support/TestMain.h"

#include <QRegularExpression>

namespace {
QString due(const char* should, int actually)
{
    return QStringLiteral("You should have achieved %1%. You have actually achieved %2%").arg(should).arg(actually);
}
}

class TestGoalTimer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messages_data()
    {
        QTest::addColumn<int>("totalDays");
        QTest::addColumn<int>("elapsedDays");
        QTest::addColumn<bool>("goalListed");
        QTest::addColumn<QString>("daysRemaining");
        QTest::addColumn<QString>("info");
        QTest::newRow("starts today") << 7 << 0 << true << "7" << due("0", 20);
        QTest::newRow("one day of seven") << 7 << 1 << true << "6" << due("14.29", 20);
        QTest::newRow("last day") << 7 << 7 << true << "0" << due("100", 20);
        QTest::newRow("three days over") << 7 << 10 << true << "-3" << due("142.86", 20);
        QTest::newRow("an eighth, one place") << 8 << 1 << true << "7" << due("12.5", 20);
        QTest::newRow("a third") << 3 << 1 << true << "2" << due("33.33", 20);
        QTest::newRow("two thirds") << 3 << 2 << true << "1" << due("66.67", 20);
        QTest::newRow("0.125 rounds up") << 800 << 1 << true << "799" << due("0.13", 20);
        QTest::newRow("ended five days ago") << 10 << 15 << true << "-5" << due("150", 20);
        QTest::newRow("starts tomorrow") << 7 << -1 << true << "" << "Your goal starting date has been set for the future";
        QTest::newRow("same day") << 0 << 0 << true << "" << "";
        QTest::newRow("ends before it starts") << -3 << 2 << true << "" << "";
        QTest::newRow("no goal listed") << 7 << 1 << false << "" << due("14.29", 20);
        // Past 32,767 days 16-bit day counts would overflow; no exponent in big figures.
        QTest::newRow("one day, long past") << 1 << 43000 << true << "-42999" << due("4300000", 20);
    }

    void messages()
    {
        QFETCH(int, totalDays);
        QFETCH(int, elapsedDays);
        QFETCH(bool, goalListed);
        QFETCH(QString, daysRemaining);
        QFETCH(QString, info);
        const QDate start(1980, 1, 1);
        for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
            const GoalTimer::Result r =
                GoalTimer::Compute(start, start.addDays(totalDays), start.addDays(elapsedDays), goalListed, 20, locale);
            QCOMPARE(r.daysRemaining, daysRemaining);
            const QRegularExpression decimalPoint(QStringLiteral("(\\d)\\.(\\d)"));
            QCOMPARE(r.info, locale == QLocale::c() ? info : QString(info).replace(decimalPoint, "\\1,\\2"));
        }
    }
};

LUMENREST_TEST_MAIN(TestGoalTimer)
#include "tst_GoalTimer.moc"
