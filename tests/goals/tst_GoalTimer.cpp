#include "goals/GoalTimer.h"
#include "support/TestMain.h"

class TestGoalTimer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messages_data()
    {
        QTest::addColumn<int>("totalDays");
        QTest::addColumn<int>("elapsedDays");
        QTest::addColumn<int>("achieved");
        QTest::addColumn<bool>("editorOpen");
        QTest::addColumn<QString>("daysRemaining");
        QTest::addColumn<QString>("info");
        const QString future = QStringLiteral("Your goal starting date has been set for the future");
        QTest::newRow("starts today") << 7 << 0 << 20 << true << "7" << "You should have achieved 0%. You have actually achieved 20%";
        QTest::newRow("one day of seven") << 7 << 1 << 20 << true << "6"
                                          << "You should have achieved 14.29%. You have actually achieved 20%";
        QTest::newRow("last day") << 7 << 7 << 20 << true << "0" << "You should have achieved 100%. You have actually achieved 20%";
        QTest::newRow("three days over") << 7 << 10 << 20 << true << "-3"
                                         << "You should have achieved 142.86%. You have actually achieved 20%";
        QTest::newRow("a third") << 3 << 1 << 0 << true << "2" << "You should have achieved 33.33%. You have actually achieved 0%";
        QTest::newRow("two thirds") << 3 << 2 << 100 << true << "1"
                                    << "You should have achieved 66.67%. You have actually achieved 100%";
        QTest::newRow("half of a hundredth rounds up") << 800 << 1 << 5 << true << "799"
                                                       << "You should have achieved 0.13%. You have actually achieved 5%";
        QTest::newRow("ended five days ago") << 10 << 15 << 90 << true << "-5"
                                             << "You should have achieved 150%. You have actually achieved 90%";
        QTest::newRow("starts tomorrow") << 7 << -1 << 20 << true << "" << future;
        QTest::newRow("starts tomorrow, ends before") << -3 << -1 << 20 << true << "" << future;
        QTest::newRow("same day") << 0 << 0 << 20 << true << "" << "";
        QTest::newRow("ends before it starts") << -3 << 2 << 20 << true << "" << "";
        QTest::newRow("no goal open") << 7 << 1 << 0 << false << ""
                                      << "You should have achieved 14.29%. You have actually achieved 0%";
        // Spans past 32,767 days: 16-bit day counts would overflow here.
        QTest::newRow("forty thousand days") << 40000 << 20000 << 10 << true << "20000"
                                             << "You should have achieved 50%. You have actually achieved 10%";
        QTest::newRow("one day, long past") << 1 << 43000 << 10 << true << "-42999"
                                            << "You should have achieved 4300000%. You have actually achieved 10%";
    }

    void messages()
    {
        QFETCH(int, totalDays);
        QFETCH(int, elapsedDays);
        QFETCH(int, achieved);
        QFETCH(bool, editorOpen);
        QFETCH(QString, daysRemaining);
        QFETCH(QString, info);
        const QDate start(1980, 1, 1);
        const GoalTimer::Result r = GoalTimer::Compute(start, start.addDays(totalDays), start.addDays(elapsedDays),
                                                       editorOpen, achieved, QLocale::c());
        QCOMPARE(r.daysRemaining, daysRemaining);
        QCOMPARE(r.info, info);
    }

    void roundingGoesThroughSinglePrecision_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<float>("expected");
        QTest::newRow("1/7") << 7 << 1 << 14.29f;
        QTest::newRow("10/7") << 7 << 10 << 142.86f;
        QTest::newRow("1/800 is 0.125, a half") << 800 << 1 << 0.13f;
        QTest::newRow("3/800 is 0.375, a half") << 800 << 3 << 0.38f;
        QTest::newRow("1/6") << 6 << 1 << 16.67f;
        QTest::newRow("2/3") << 3 << 2 << 66.67f;
        QTest::newRow("7/7") << 7 << 7 << 100.0f;
        QTest::newRow("3/7") << 7 << 3 << 42.86f;
    }

    void roundingGoesThroughSinglePrecision()
    {
        QFETCH(int, total);
        QFETCH(int, elapsed);
        QFETCH(float, expected);
        QCOMPARE(GoalTimer::DuePercentage(total, elapsed), expected);
    }

    void shortestFormWithTheLocaleSeparator_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("two places") << 14.29f << QLocale::c() << "14.29";
        QTest::newRow("one place") << 42.9f << QLocale::c() << "42.9";
        QTest::newRow("whole") << 100.0f << QLocale::c() << "100";
        QTest::newRow("zero") << 0.0f << QLocale::c() << "0";
        QTest::newRow("small") << 0.13f << QLocale::c() << "0.13";
        QTest::newRow("no exponent") << 4300000.0f << QLocale::c() << "4300000";
        QTest::newRow("German comma") << 14.29f << german << "14,29";
        QTest::newRow("German whole") << 100.0f << german << "100";
    }

    void shortestFormWithTheLocaleSeparator()
    {
        QFETCH(float, value);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QCOMPARE(GoalTimer::FormatPercentage(value, locale), text);
    }

    void messageUsesTheLocaleSeparator()
    {
        const QDate start(2024, 1, 1);
        const GoalTimer::Result r =
            GoalTimer::Compute(start, start.addDays(3), start.addDays(1), true, 30, QLocale(QLocale::French, QLocale::France));
        QCOMPARE(r.info, QStringLiteral("You should have achieved 33,33%. You have actually achieved 30%"));
    }
};

LUMENREST_TEST_MAIN(TestGoalTimer)
#include "tst_GoalTimer.moc"
