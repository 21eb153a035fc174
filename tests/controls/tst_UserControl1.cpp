#include "controls/UserControl1.h"
#include "support/Fakes.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QSignalSpy>

namespace {
struct Picker {
    FakeClock clock;
    std::unique_ptr<UserControl1> control;
    QComboBox* day = nullptr;
    QComboBox* month = nullptr;
    QComboBox* year = nullptr;

    explicit Picker(QDate today = QDate(2024, 2, 29))
    {
        clock.date = today;
        control = std::make_unique<UserControl1>(clock);
        day = control->findChild<QComboBox*>("cboDate");
        month = control->findChild<QComboBox*>("cboMonth");
        year = control->findChild<QComboBox*>("cboYear");
    }
    QComboBox* list(const QString& name) const { return control->findChild<QComboBox*>(name); }
};
}

class TestUserControl1 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }

    void listsHoldDaysMonthsAndYears()
    {
        Picker p;
        QVERIFY(p.day && p.month && p.year);
        QCOMPARE(p.day->count(), 31);
        QCOMPARE(p.day->itemText(0), QStringLiteral("1"));
        QCOMPARE(p.day->itemText(30), QStringLiteral("31"));
        QCOMPARE(p.month->count(), 12);
        QCOMPARE(p.month->itemText(0), QStringLiteral("January"));
        QCOMPARE(p.month->itemText(11), QStringLiteral("December"));
        QCOMPARE(p.year->count(), 120);
        QCOMPARE(p.year->itemText(0), QStringLiteral("1980"));
        QCOMPARE(p.year->itemText(119), QStringLiteral("2099"));
        for (QComboBox* box : {p.day, p.month, p.year})
            QVERIFY(!box->isEditable());
        QCOMPARE(p.day->geometry(), QRect(2, 2, 43, 21));
        QCOMPARE(p.month->geometry(), QRect(48, 2, 87, 21));
        QCOMPARE(p.year->geometry(), QRect(138, 2, 73, 21));
    }

    void newPickerShowsToday_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::newRow("leap day") << QDate(2024, 2, 29);
        QTest::newRow("new year's eve") << QDate(2023, 12, 31);
        QTest::newRow("first day of the range") << QDate(1980, 1, 1);
        QTest::newRow("last day of the range") << QDate(2099, 12, 31);
    }

    void newPickerShowsToday()
    {
        QFETCH(QDate, today);
        Picker p(today);
        QCOMPARE(p.control->Value(), today);
        QCOMPARE(p.day->currentIndex(), today.day() - 1);
        QCOMPARE(p.month->currentIndex(), today.month() - 1);
        QCOMPARE(p.year->currentText(), QString::number(today.year()));
        QSignalSpy spy(p.control.get(), &UserControl1::Change);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 0);
    }

    void picksAreClampedToTheMonth_data()
    {
        // Each step picks an item in one list; after it, the date shown.
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QStringList>("picks");
        QTest::addColumn<QList<QDate>>("after");
        QTest::newRow("31, February, 2023, 2024")
            << QDate(2024, 1, 10) << QStringList{"cboDate=30", "cboMonth=1", "cboYear=2023", "cboYear=2024"}
            << QList<QDate>{QDate(2024, 1, 31), QDate(2024, 2, 29), QDate(2023, 2, 28), QDate(2024, 2, 28)};
        QTest::newRow("31 becomes 30 in April, stays 30 in May")
            << QDate(2025, 3, 31) << QStringList{"cboMonth=3", "cboMonth=4"}
            << QList<QDate>{QDate(2025, 4, 30), QDate(2025, 5, 30)};
        QTest::newRow("31 December keeps its day")
            << QDate(2023, 12, 31) << QStringList{"cboYear=2030", "cboDate=30", "cboMonth=11"}
            << QList<QDate>{QDate(2030, 12, 31), QDate(2030, 12, 31), QDate(2030, 12, 31)};
        QTest::newRow("day 31 in a 30-day month goes back to 30")
            << QDate(2024, 6, 15) << QStringList{"cboDate=30"} << QList<QDate>{QDate(2024, 6, 30)};
    }

    void picksAreClampedToTheMonth()
    {
        QFETCH(QDate, start);
        QFETCH(QStringList, picks);
        QFETCH(QList<QDate>, after);
        Picker p(start);
        QSignalSpy spy(p.control.get(), &UserControl1::Change);
        QDate seenInHandler;
        connect(p.control.get(), &UserControl1::Change, this, [&] { seenInHandler = p.control->Value(); });
        for (int i = 0; i < picks.size(); ++i) {
            const QStringList pick = picks[i].split('=');
            QComboBox* box = p.list(pick[0]);
            const int index = pick[0] == "cboYear" ? box->findText(pick[1]) : pick[1].toInt();
            const int before = spy.count();
            const bool changes = box->currentIndex() != index;
            box->setCurrentIndex(index);
            QCOMPARE(p.control->Value(), after[i]);
            // One Change per pick that changes a list, raised after the clamp.
            QCOMPARE(spy.count(), before + (changes ? 1 : 0));
            if (changes)
                QCOMPARE(seenInHandler, after[i]);
        }
    }

    void valueIsTheSameWhateverTheRegion()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Picker p(QDate(2020, 7, 1));
        QCOMPARE(p.month->itemText(2), QStringLiteral("M\u00e4rz"));
        p.year->setCurrentIndex(p.year->findText("2024"));
        p.month->setCurrentIndex(2);
        p.day->setCurrentIndex(4);
        QCOMPARE(p.control->Value(), QDate(2024, 3, 5));
    }

    void writingValueSelectsAllThreeAtOnce_data()
    {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QDate>("written");
        QTest::newRow("31 March over February") << QDate(2025, 2, 10) << QDate(2025, 3, 31);
        QTest::newRow("leap day over 2023") << QDate(2023, 6, 30) << QDate(2024, 2, 29);
        QTest::newRow("30 April over 31 January") << QDate(2024, 1, 31) << QDate(2024, 4, 30);
        QTest::newRow("same date again") << QDate(2024, 5, 5) << QDate(2024, 5, 5);
    }

    void writingValueSelectsAllThreeAtOnce()
    {
        QFETCH(QDate, shown);
        QFETCH(QDate, written);
        Picker p(shown);
        QSignalSpy spy(p.control.get(), &UserControl1::Change);
        QDate seenInHandler;
        connect(p.control.get(), &UserControl1::Change, this, [&] { seenInHandler = p.control->Value(); });
        p.control->setValue(written);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(seenInHandler, written);
        QCOMPARE(p.control->Value(), written);
        QCOMPARE(p.day->currentIndex(), written.day() - 1);
        QCOMPARE(p.month->currentIndex(), written.month() - 1);
    }

    void datesOutsideTheYearListAreShownAsGiven()
    {
        Picker p(QDate(2024, 5, 1));
        QSignalSpy spy(p.control.get(), &UserControl1::Change);
        p.control->setValue(QDate(1975, 6, 15));
        QCOMPARE(p.control->Value(), QDate(1975, 6, 15));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(p.year->count(), 121);
        QCOMPARE(p.year->itemText(0), QStringLiteral("1975"));
        p.control->setValue(QDate(2150, 1, 31));
        QCOMPARE(p.control->Value(), QDate(2150, 1, 31));
        QCOMPARE(p.year->count(), 121);
        QCOMPARE(p.year->itemText(120), QStringLiteral("2150"));
        // Picking from the list: the added year stays until another date is written.
        p.month->setCurrentIndex(1);
        QCOMPARE(p.control->Value(), QDate(2150, 2, 28));
        p.control->setValue(QDate(2024, 1, 1));
        QCOMPARE(p.year->count(), 120);
        QCOMPARE(p.control->Value(), QDate(2024, 1, 1));
        // Nothing that is not a date is taken.
        const int before = spy.count();
        p.control->setValue(QDate());
        p.control->setValue(QDate(10000, 1, 1));
        QCOMPARE(p.control->Value(), QDate(2024, 1, 1));
        QCOMPARE(spy.count(), before);
    }

    void todayOutsideTheRangeIsShown()
    {
        Picker p(QDate(2101, 3, 4));
        QCOMPARE(p.control->Value(), QDate(2101, 3, 4));
        QCOMPARE(p.year->count(), 121);
    }

    void enabledSwitchesAllThreeLists()
    {
        Picker p;
        QVERIFY(p.control->Enabled());
        p.control->Enabled(false);
        QVERIFY(!p.control->Enabled());
        for (QComboBox* box : {p.day, p.month, p.year})
            QVERIFY(!box->isEnabled());
        p.control->Enabled(true);
        QVERIFY(p.control->Enabled());
        for (QComboBox* box : {p.day, p.month, p.year})
            QVERIFY(box->isEnabled());
    }

    void sizeIsFixed()
    {
        Picker p;
        QCOMPARE(p.control->size(), QSize(213, 27));
        p.control->resize(500, 100);
        QCOMPARE(p.control->size(), QSize(213, 27));
        p.control->resize(10, 5);
        QCOMPARE(p.control->size(), QSize(213, 27));
    }

    void keyboardGoesDayMonthYear()
    {
        Picker p;
        p.control->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.control.get()));
        p.control->activateWindow();
        p.control->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), p.day);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p.month);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p.year);
        // Picking with the keyboard clamps like picking with the mouse.
        p.control->setValue(QDate(2024, 1, 31));
        QTest::keyClick(p.month, Qt::Key_Down);
        QCOMPARE(p.control->Value(), QDate(2024, 2, 29));
    }
};

LUMENREST_TEST_MAIN(TestUserControl1)
#include "tst_UserControl1.moc"
