#include "controls/TabPage.h"
#include "controls/UserControl1.h"
#include "controls/WrapLabel.h"
#include "support/Fakes.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>

namespace {
using Change = std::function<void(QLabel&)>;
const QString kText = QStringLiteral("Setting goals will help you keep a clear, focussed and dedicated mindset "
                                     "towards fulfilling your aims in life.");

struct Picker {
    FakeClock clock;
    std::unique_ptr<UserControl1> control;
    int changes = 0;
    QDate seenInHandler; // Value as the Change handler sees it

    explicit Picker(QDate today)
    {
        clock.date = today;
        control = std::make_unique<UserControl1>(clock);
        QObject::connect(control.get(), &UserControl1::Change, [this] { ++changes; seenInHandler = control->Value(); });
    }
    QComboBox* list(const QString& name) const { return control->findChild<QComboBox*>(name); }
};
}

class TestControls : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }

    // The second picker also shows the region's month names and a year past the list; Enabled reaches the lists.
    void newPickerShowsTodayQuietly()
    {
        for (const bool german : {false, true}) {
            QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c());
            const QDate today = german ? QDate(2101, 3, 4) : QDate(2024, 2, 29);
            Picker p(today);
            QCoreApplication::processEvents();
            QVERIFY(p.control->Value() == today && p.changes == 0);
            QComboBox* year = p.list("cboYear");
            QCOMPARE(year->itemText(0) + '-' + year->itemText(year->count() - 1) + ' ' + p.list("cboMonth")->currentText(),
                     german ? QStringLiteral("1980-2101 M\u00e4rz") : QStringLiteral("1980-2099 February"));
            p.control->Enabled(false);
            QVERIFY(!p.control->Enabled() && !p.list("cboDate")->isEnabled() && !p.list("cboYear")->isEnabled());
        }
    }

    // Each step picks an item in one list (a year by its text), then names the date shown.
    void picksAreClampedToTheMonth()
    {
        const std::pair<QDate, QString> cases[]{
            {QDate(2024, 1, 10), "cboDate=30 2024-01-31 cboMonth=1 2024-02-29 cboYear=2023 2023-02-28 cboYear=2024 2024-02-28"},
            // 31 December keeps its day; a pick that changes nothing raises nothing.
            {QDate(2023, 12, 31), "cboYear=2030 2030-12-31 cboDate=30 2030-12-31 cboMonth=11 2030-12-31"}};
        for (const auto& [start, steps] : cases) {
            Picker p(start);
            const QStringList words = steps.split(' ');
            for (int i = 0; i < words.size(); i += 2) {
                const QStringList pick = words[i].split('=');
                const QDate after = QDate::fromString(words[i + 1], Qt::ISODate);
                QComboBox* box = p.list(pick[0]);
                const int index = pick[0] == "cboYear" ? box->findText(pick[1]) : pick[1].toInt();
                const int before = p.changes;
                const bool moves = box->currentIndex() != index;
                box->setCurrentIndex(index);
                QCOMPARE(p.control->Value(), after);
                // One Change per pick that changes a list, raised after the clamp.
                QCOMPARE(p.changes, before + (moves ? 1 : 0));
                if (moves)
                    QCOMPARE(p.seenInHandler, after);
            }
        }
    }

    // The leap day over 2023, the same date again, a date before the year list.
    void writingValueSelectsAllThreeAtOnce()
    {
        for (const auto& [shown, written] : {std::pair(QDate(2023, 6, 30), QDate(2024, 2, 29)), {QDate(2024, 5, 5), QDate(2024, 5, 5)},
                                             {QDate(2024, 5, 1), QDate(1975, 6, 15)}}) {
            Picker p(shown);
            p.control->setValue(written);
            QVERIFY(p.changes == 1 && p.seenInHandler == written);
            // Not a date, or a year the goals file cannot hold: nothing changes.
            p.control->setValue(QDate());
            p.control->setValue(QDate(10000, 1, 1));
            QVERIFY(p.control->Value() == written && p.changes == 1);
        }
    }

    // Heights are remembered; after anything that moves the text (longer text, larger font,
    // indent, contents margins, wrapping off) the label must measure again, as a plain label would.
    void heightsFollowTheLabel()
    {
        const auto heights = [](const QLabel& l) { return QList<int>{l.heightForWidth(60), l.heightForWidth(150), l.heightForWidth(400)}; };
        for (const Change& change : std::initializer_list<Change>{
                 [](QLabel& l) { l.setText(kText + QLatin1Char(' ') + kText); },
                 [](QLabel& l) { l.setFont(QFont(l.font().family(), l.font().pointSize() * 2)); },
                 [](QLabel& l) { l.setIndent(40); }, [](QLabel& l) { l.setContentsMargins(30, 20, 30, 20); },
                 [](QLabel& l) { l.setWordWrap(false); }}) {
            QLabel plain(kText);
            WrapLabel label(kText);
            for (QLabel* l : {&plain, static_cast<QLabel*>(&label)})
                l->setWordWrap(true);
            const QList<int> before = heights(plain);
            QCOMPARE(heights(label), before);
            QCOMPARE(heights(label), before); // remembered
            change(plain);
            change(label);
            QCOMPARE(heights(label), heights(plain));
            QVERIFY2(heights(plain) != before, "the change must move the text");
        }
    }

    // A hidden page is left out only until the window has been painted; then the window
    // may not shrink below any page again.
    void hiddenPagesCountOnceShown()
    {
        QWidget window;
        auto* tabs = new QTabWidget;
        (new QVBoxLayout(&window))->addWidget(tabs);
        auto* large = new TabPage;
        (new QVBoxLayout(large))->addWidget(new QWidget);
        large->findChild<QWidget*>()->setMinimumSize(900, 700);
        tabs->addTab(new TabPage, QStringLiteral("a"));
        tabs->addTab(large, QStringLiteral("b"));
        QVERIFY(tabs->minimumSizeHint().width() < 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.minimumSize().width() > 900 && window.minimumSize().height() > 700);
    }
};

LUMENREST_TEST_MAIN(TestControls)
#include "tst_Controls.moc"
