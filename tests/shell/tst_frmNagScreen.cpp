#include "shell/frmNagScreen.h"
#include "shell/modHelp.h"
#include "support/Fakes.h"
#include "support/Find.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>

class TestFrmNagScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawsPickMessageColourAndPlace_data()
    {
        QTest::addColumn<QList<double>>("draws"); // message of 4, colour of 16, place of 3
        QTest::addColumn<QString>("opening"); // how the message begins
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QString>("exits"); // which of the three "Exit" buttons show
        QTest::newRow("lowest, grey is black") << QList<double>{0, 8.5 / 16, 0} << "Vellacourt Softwares, such"
                                               << QColor(0, 0, 0) << QColor(255, 255, 255) << "100";
        QTest::newRow("highest draws") << QList<double>{0.9999999, 0.9999999, 0.9999999} << "Vellacourt needs your help."
                                       << QColor(255, 255, 255) << QColor(0, 0, 0) << "001";
    }

    void drawsPickMessageColourAndPlace()
    {
        QFETCH(QList<double>, draws);
        QFETCH(QString, opening);
        FakeServices fs;
        fs.random.script.assign(draws.begin(), draws.end());
        frmNagScreen nag(fs.services());
        QVERIFY(fs.random.randomizeCount == 1 && fs.random.script.empty()); // seeded, then three draws
        const QLabel* label = find<QLabel>(&nag, "Label2");
        QVERIFY2(label->text().startsWith(opening), qPrintable(label->text()));
        QTEST(nag.palette().color(QPalette::Window), "back");
        QTEST(label->palette().color(QPalette::WindowText), "text");
        QString exits;
        for (int i = 0; i < 3; ++i)
            exits += find(&nag, QStringLiteral("cmdExit_%1").arg(i))->isVisibleTo(&nag) ? '1' : '0';
        QTEST(exits, "exits");
        // Above other windows, without taking the focus.
        QVERIFY(nag.windowFlags() & Qt::WindowStaysOnTopHint && nag.testAttribute(Qt::WA_ShowWithoutActivating));
    }

    // Sixteen colour draws give fifteen colours: grey is shown as black, no two others alike.
    void everyColourDrawDiffers()
    {
        FakeServices fs;
        QSet<QRgb> colours;
        for (int c = 0; c < 16; ++c) {
            fs.random.script = {0, (c + 0.5) / 16, 0};
            colours << frmNagScreen(fs.services()).palette().color(QPalette::Window).rgb();
        }
        QVERIFY(colours.size() == 15 && !colours.contains(qRgb(128, 128, 128)));
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
