#include "shell/frmNagScreen.h"
#include "shell/modHelp.h"
#include "support/Fakes.h"
#include "support/Find.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

#include <cmath>
#include <memory>

namespace {

// The draws of one showing: message, background colour, place of "Exit".
std::deque<double> draws(int message, int colour, int place)
{
    return {(message + 0.5) / 4, (colour + 0.5) / 16, (place + 0.5) / 3};
}

int visibleExit(frmNagScreen& nag)
{
    int found = -1;
    for (int i = 0; i < 3; ++i)
        if (nag.cmdExit[i]->isVisibleTo(&nag)) {
            if (found >= 0)
                return -2; // more than one
            found = i;
        }
    return found;
}

int messageIndex(frmNagScreen& nag)
{
    for (int i = 0; i < 4; ++i)
        if (nag.Label2->text() == frmNagScreen::message(i))
            return i;
    return -1;
}

QColor background(frmNagScreen& nag)
{
    return nag.palette().color(QPalette::Window);
}

} // namespace

class TestFrmNagScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controls()
    {
        FakeServices fs;
        frmNagScreen nag(fs.services());
        QCOMPARE(nag.windowTitle(), QStringLiteral("Lumenrest v1.0"));
        QCOMPARE(find<QLabel>(&nag, "Label1")->text(), QStringLiteral("Lumenrest v1.0"));
        QCOMPARE(find<QCheckBox>(&nag, "Check1")->text(),
                 QStringLiteral("Click Here To Visit ") + modHelp::SiteAddress() + QStringLiteral(" Now"));
        QVERIFY(!find<QLabel>(&nag, "Picture1")->pixmap().isNull());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(find<QPushButton>(&nag, QStringLiteral("cmdExit_%1").arg(i))->text(), QStringLiteral("Exit"));
        QVERIFY(visibleExit(nag) >= 0);
        QCOMPARE(fs.random.randomizeCount, 1); // seeded at each showing
        // Above other windows, without taking the focus.
        QVERIFY(nag.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(nag.testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(!nag.parentWidget());
    }

    void messages()
    {
        QCOMPARE(frmNagScreen::message(0),
                 QStringLiteral("Vellacourt Softwares, such as this can be created and maintained only with your "
                                "support. The best way to support Vellacourt is to visit Vellacourt regularly and "
                                "take part in the discussions and other activities on the board."));
        QCOMPARE(frmNagScreen::message(1),
                 QStringLiteral("Visit Vellacourt regularly. Support Vellacourt by taking part in the discussions "
                                "and other activities. These softwares cannot be supported and maintained, without "
                                "you regularly visiting Vellacourt"));
        QCOMPARE(frmNagScreen::message(2),
                 QStringLiteral("Vellacourt is a FREE online discussion forum for all things mystic. To help "
                                "Vellacourt develop and maintain this software visit Vellacourt regularly."));
        QCOMPARE(frmNagScreen::message(3),
                 QStringLiteral("Vellacourt needs your help. All you need to do is visit Vellacourt regularly and "
                                "take part in the various discussions and activites to help us maintain and develop "
                                "more Vellacourt Softwares."));
    }

    void drawsPickMessageColourAndPlace_data()
    {
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("place");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("text");
        QTest::newRow("silver") << 0 << 7 << 0 << QColor(192, 192, 192) << QColor(63, 63, 63);
        QTest::newRow("white") << 1 << 15 << 1 << QColor(255, 255, 255) << QColor(0, 0, 0);
        QTest::newRow("black") << 2 << 0 << 2 << QColor(0, 0, 0) << QColor(255, 255, 255);
        QTest::newRow("grey becomes black") << 3 << 8 << 1 << QColor(0, 0, 0) << QColor(255, 255, 255);
        QTest::newRow("navy") << 0 << 1 << 2 << QColor(0, 0, 128) << QColor(255, 255, 127);
        QTest::newRow("red") << 3 << 12 << 0 << QColor(255, 0, 0) << QColor(0, 255, 255);
        QTest::newRow("olive") << 2 << 6 << 1 << QColor(128, 128, 0) << QColor(127, 127, 255);
    }

    void drawsPickMessageColourAndPlace()
    {
        QFETCH(int, message);
        QFETCH(int, colour);
        QFETCH(int, place);
        QFETCH(QColor, back);
        QFETCH(QColor, text);
        FakeServices fs;
        fs.random.script = draws(message, colour, place);
        frmNagScreen nag(fs.services());
        QVERIFY(fs.random.script.empty()); // three draws
        QCOMPARE(messageIndex(nag), message);
        QCOMPARE(background(nag), back);
        QVERIFY(nag.autoFillBackground());
        QCOMPARE(nag.Label2->palette().color(QPalette::WindowText), text);
        QCOMPARE(nag.Label1->palette().color(QPalette::WindowText), text);
        QCOMPARE(visibleExit(nag), place);
    }

    void drawsAtTheEdgesStayInRange()
    {
        FakeServices fs;
        fs.random.script = {0.0, 0.0, 0.0};
        frmNagScreen low(fs.services());
        QCOMPARE(messageIndex(low), 0);
        QCOMPARE(visibleExit(low), 0);
        fs.random.script = {0.9999999, 0.9999999, 0.9999999};
        frmNagScreen high(fs.services());
        QCOMPARE(messageIndex(high), 3);
        QCOMPARE(background(high), QColor(255, 255, 255));
        QCOMPARE(visibleExit(high), 2);
    }

    void manyShowingsCoverEverything()
    {
        FakeServices fs; // its generator runs its own well-spread sequence
        QList<int> messageCount(4), placeCount(3);
        QMap<QRgb, int> colourCount;
        const int showings = 480;
        for (int i = 0; i < showings; ++i) {
            frmNagScreen nag(fs.services());
            ++messageCount[messageIndex(nag)];
            ++placeCount[visibleExit(nag)];
            ++colourCount[background(nag).rgb()];
        }
        QCOMPARE(fs.random.randomizeCount, showings);
        for (int n : messageCount)
            QVERIFY(n > 0);
        for (int n : placeCount)
            QVERIFY(n > 0);
        QVERIFY(!colourCount.contains(QColor(128, 128, 128).rgb())); // colour 8 never
        QCOMPARE(colourCount.size(), 15);
        // Black takes colour 8's share too.
        const int black = colourCount.value(qRgb(0, 0, 0));
        const double others = double(showings - black) / 14;
        QVERIFY2(black > 1.4 * others, qPrintable(QStringLiteral("%1 vs %2").arg(black).arg(others)));
    }

    void exitButtonsShareOneRowAtThreePlaces()
    {
        QList<QRect> places;
        for (int place = 0; place < 3; ++place) {
            FakeServices fs;
            fs.random.script = draws(0, 3, place);
            frmNagScreen nag(fs.services());
            nag.show();
            QVERIFY(QTest::qWaitForWindowExposed(&nag));
            places << nag.cmdExit[place]->geometry();
        }
        QCOMPARE(places[0].top(), places[1].top());
        QCOMPARE(places[1].top(), places[2].top());
        QCOMPARE(places[0].size(), places[1].size());
        QCOMPARE(places[1].size(), places[2].size());
        QVERIFY(places[0].right() < places[1].left());
        QVERIFY(places[1].right() < places[2].left());
    }

    void check1ActsAsAButton()
    {
        FakeServices fs;
        frmNagScreen nag(fs.services());
        nag.show();
        QSignalSpy toggles(nag.Check1, &QCheckBox::toggled);
        QTest::mouseClick(nag.Check1, Qt::LeftButton, {}, QPoint(8, nag.Check1->height() / 2));
        QVERIFY(!nag.Check1->isChecked());
        QCOMPARE(toggles.size(), 2);
        QCOMPARE(fs.browser.opened, QStringList{modHelp::HomePageUrl()});
        QTest::mouseClick(nag.Check1, Qt::LeftButton, {}, QPoint(8, nag.Check1->height() / 2));
        QCOMPARE(fs.browser.opened.size(), 2);
        QVERIFY(nag.isVisible()); // visiting the site does not end the program
    }

    void closingItClosesEveryWindow()
    {
        FakeServices fs;
        fs.random.script = draws(0, 0, 1);
        QWidget other;
        other.show();
        QWidget hiddenForm; // a form that is loaded but hidden
        hiddenForm.setProperty("lumenrestForm", true);
        auto* nag = frmNagScreen::showReminder(fs.services());
        QPointer<frmNagScreen> guard(nag);
        QVERIFY(nag->isVisible());
        const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
        // Within the frame's margins, which are unknown until it is first shown.
        QVERIFY(QRect(middle - QPoint(10, 10), QSize(21, 21)).contains(nag->frameGeometry().center()));
        QTest::mouseClick(nag->cmdExit[1], Qt::LeftButton);
        QVERIFY(!other.isVisible());
        QVERIFY(!hiddenForm.property("lumenrestForm").toBool());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!guard); // gone
    }
};

LUMENREST_TEST_MAIN(TestFrmNagScreen)
#include "tst_frmNagScreen.moc"
