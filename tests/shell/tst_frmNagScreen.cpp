#include "shell/frmNagScreen.h"
#include "shell/modHelp.h"
#include "support/Fakes.h"
#include "support/Find.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace {
QLabel* label2(frmNagScreen& nag) { return find<QLabel>(&nag, "Label2"); }
// The place of the one "Exit" shown; -2 when more than one is.
int visibleExit(frmNagScreen& nag)
{
    int found = -1;
    for (int i = 0; i < 3; ++i)
        if (find(&nag, QStringLiteral("cmdExit_%1").arg(i))->isVisibleTo(&nag))
            found = found >= 0 ? -2 : i;
    return found;
}
// How each of the four messages begins, in draw order.
const QStringList kOpenings{"Vellacourt Softwares, such", "Visit Vellacourt regularly.", "Vellacourt is a FREE",
                            "Vellacourt needs your help."};
} // namespace

class TestFrmNagScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawsPickMessageColourAndPlace_data()
    {
        QTest::addColumn<QList<double>>("draws"); // message of 4, colour of 16, place of 3
        QTest::addColumn<int>("message");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<int>("place");
        auto at = [](int message, int colour, int place) {
            return QList<double>{(message + 0.5) / 4, (colour + 0.5) / 16, (place + 0.5) / 3};
        };
        QTest::newRow("grey becomes black") << at(0, 8, 2) << 0 << QColor(0, 0, 0) << QColor(255, 255, 255) << 2;
        QTest::newRow("highest draws") << QList<double>{0.9999999, 0.9999999, 0.9999999} << 3
                                       << QColor(255, 255, 255) << QColor(0, 0, 0) << 2;
    }

    void drawsPickMessageColourAndPlace()
    {
        QFETCH(QList<double>, draws);
        QFETCH(int, message);
        QFETCH(QColor, text);
        FakeServices fs;
        fs.random.script.assign(draws.begin(), draws.end());
        frmNagScreen nag(fs.services());
        QVERIFY(fs.random.script.empty()); // three draws
        QVERIFY2(label2(nag)->text().startsWith(kOpenings[message]), qPrintable(label2(nag)->text()));
        QTEST(nag.palette().color(QPalette::Window), "back");
        QCOMPARE(label2(nag)->palette().color(QPalette::WindowText), text);
        QTEST(visibleExit(nag), "place");
        // Above other windows, without taking the focus.
        QVERIFY(nag.windowFlags() & Qt::WindowStaysOnTopHint && nag.testAttribute(Qt::WA_ShowWithoutActivating));
    }

    void manyShowingsCoverEverything()
    {
        FakeServices fs; // its generator runs its own well-spread sequence
        QSet<QString> messages;
        QSet<int> places;
        QSet<QRgb> colours;
        for (int i = 0; i < 300; ++i) {
            frmNagScreen nag(fs.services());
            messages << label2(nag)->text();
            places << visibleExit(nag);
            colours << nag.palette().color(QPalette::Window).rgb();
        }
        QCOMPARE(fs.random.randomizeCount, 300); // seeded at each showing
        QVERIFY(messages.size() == 4 && places == (QSet<int>{0, 1, 2}));
        QVERIFY(colours.size() == 15 && !colours.contains(qRgb(128, 128, 128))); // colour 8 never
    }

    void check1ActsAsAButton()
    {
        FakeServices fs;
        frmNagScreen nag(fs.services());
        nag.show();
        auto* check1 = find<QCheckBox>(&nag, "Check1");
        QSignalSpy toggles(check1, &QCheckBox::toggled);
        QTest::mouseClick(check1, Qt::LeftButton, {}, QPoint(8, check1->height() / 2));
        QVERIFY(!check1->isChecked() && toggles.size() == 2);
        QCOMPARE(fs.browser.opened, QStringList{modHelp::HomePageUrl()});
        QVERIFY(nag.isVisible()); // visiting the site does not end the program
    }
};

LUMENREST_TEST_MAIN(TestFrmNagScreen)
#include "tst_frmNagScreen.moc"
