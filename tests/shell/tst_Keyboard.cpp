#include "controls/CardPictureViewer.h"
#include "support/Find.h"
#include "testing/TestRunFixture.h"

#include "shell/KeyboardShortcuts.h"
#include "study/MemorizeView.h"

#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

class TestKeyboard : public QObject {
    Q_OBJECT

    // Which option is selected, or -1.
    static int selected(const TestRunFixture::TestControls& s)
    {
        for (int i = 0; i < 7; ++i)
            if (s.optAnswer[i]->isChecked())
                return i;
        return -1;
    }
    // The ticked boxes as their indexes, "0 9 10".
    static QString ticked(const TestRunFixture::TestControls& s)
    {
        QStringList on;
        for (int i = 0; i < 20; ++i)
            if (s.chkKeywords[i]->isChecked())
                on << QString::number(i);
        return on.join(QLatin1Char(' '));
    }
    static CardPictureViewer* viewer(frmMain& w) { return w.findChild<CardPictureViewer*>(); }
    static void openMemorize(frmMain& w)
    {
        find<QTabWidget>(&w, "SSTab1")->setCurrentIndex(frmMain::TabSettings);
        QTest::mouseClick(find(&w, "cmdSetOption"), Qt::LeftButton);
    }

private Q_SLOTS:
    void descriptionKeysCountAmongTheOptionsShown_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("option");
        QTest::newRow("beginner 1") << 0 << "1" << 2;
        QTest::newRow("beginner 3") << 0 << "3" << 4;
        QTest::newRow("beginner 4: none") << 0 << "4" << -1;
        QTest::newRow("intermediate 5") << 1 << "5" << 5;
        QTest::newRow("intermediate 6: none") << 1 << "6" << -1;
        QTest::newRow("advanced 1") << 2 << "1" << 0;
        QTest::newRow("advanced 7, then 2") << 2 << "72" << 1;
        QTest::newRow("letters do nothing") << 2 << "a" << -1;
    }
    void descriptionKeysCountAmongTheOptionsShown()
    {
        QFETCH(int, level);
        QFETCH(QString, keys);
        QFETCH(int, option);
        TestRunFixture f(TestRunFixture::smallDeck(), 0, level);
        f.start();
        const auto s = f.screen();
        QTest::keyClick(s.picResult, Qt::Key_Return); // no answer yet: stays
        QCOMPARE(f.fields().QuestionNo, 1);
        QTest::keyClicks(s.picResult, keys);
        QCOMPARE(selected(s), option);
        if (option >= 0) // and a screen reader tells that key with the option
            QCOMPARE(s.optAnswer[option]->accessibleDescription(), QStringLiteral("Key ") + keys.back());
        QCOMPARE(s.cmdNextQuestion->isEnabled(), option >= 0);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : s.picResult, Qt::Key_Return);
        QCOMPARE(f.fields().QuestionNo, option >= 0 ? 2 : 1);
    }

    void keywordKeysToggleTheBoxesShown_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<int>("messages");
        QTest::newRow("beginner 1 and 7") << 0 << "17" << "0 6" << 0;
        QTest::newRow("beginner 8 and a: hidden") << 0 << "8a" << "" << 0;
        QTest::newRow("twice: off again") << 0 << "22" << "" << 0;
        QTest::newRow("intermediate b, c hidden") << 1 << "bc" << "11" << 0;
        QTest::newRow("advanced 0, a, j") << 2 << "0aj" << "9 10 19" << 0;
        QTest::newRow("beginner fourth undone") << 0 << "1234" << "0 1 2" << 1;
    }
    void keywordKeysToggleTheBoxesShown()
    {
        QFETCH(int, level);
        QFETCH(QString, keys);
        QFETCH(QString, ticked);
        QFETCH(int, messages);
        TestRunFixture f(TestRunFixture::smallDeck(), 1, level);
        f.start();
        const auto s = f.screen();
        QTest::keyClicks(s.picResult, keys);
        QCOMPARE(TestKeyboard::ticked(s), ticked);
        // The choice rule runs as for a click: a message for the box too many.
        QCOMPARE(f.fakes.dialogs.messages.size(), messages);
    }

    void enterOrSpaceMovesOnOnceTheKeywordsStand()
    {
        TestRunFixture f(TestRunFixture::smallDeck(), 1, 0);
        f.start();
        const auto s = f.screen();
        QTest::keyClicks(s.picResult, QStringLiteral("12"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(f.fields().QuestionNo, 1);
        QTest::keyClicks(s.picResult, QStringLiteral("3"));
        QVERIFY(s.cmdNextQuestion->isEnabled());
        QTest::keyClick(s.picResult, Qt::Key_Space);
        QCOMPARE(f.fields().QuestionNo, 2);
        QTest::keyClicks(s.picResult, QStringLiteral("456"));
        QTest::keyClick(s.chkKeywords[0], Qt::Key_Enter);
        QCOMPARE(f.fields().QuestionNo, 3);
    }

    void arrowsWalkTheCardsOutsideTheTextBoxes()
    {
        MainWindowFixture f;
        frmMain& w = f.load();
        openMemorize(w);
        const MemorizeView& v = only<MemorizeView>(&w);
        auto* picture = find(&w, "picCardMemorize");
        QTest::keyClick(picture, Qt::Key_Right);
        QTest::keyClick(find(&w, "cmdPrevious"), Qt::Key_Right);
        QCOMPARE(v.cardPosition(), 3);
        QTest::keyClick(find(&w, "cmdNext"), Qt::Key_Left);
        QCOMPARE(v.cardPosition(), 2);
        QTest::keyClick(find(&w, "txtNormalMeaning"), Qt::Key_Right);
        QTest::keyClick(find(&w, "txtKeywords"), Qt::Key_Left);
        QCOMPARE(v.cardPosition(), 2);
        QTest::keyClick(picture, Qt::Key_Left);
        QTest::keyClick(picture, Qt::Key_Left); // on card 1: disables itself, as a click does
        QCOMPARE(v.cardPosition(), 1);
        QVERIFY(!find(&w, "cmdPrevious")->isEnabled());
    }

    void helpMenuListsTheShortcuts()
    {
        MainWindowFixture f;
        frmMain& w = f.load();
        auto* item = find<QAction>(&w, "mnuShortcuts");
        QVERIFY(find<QMenu>(&w, "mnuHelp")->actions().contains(item));
        int rows = -1;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            rows = find<QTreeWidget>(dialog, "lstShortcuts")->topLevelItemCount();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        item->trigger(); // returns once Esc has closed the list
        QCOMPARE(rows, int(KeyboardShortcuts::list().size()));
    }

    void largeViewShowsTheCardAsClicked_data()
    {
        QTest::addColumn<bool>("reversedBox");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("upright, double-click") << false << false;
        QTest::newRow("upside down, double-click") << true << false;
        QTest::newRow("upright, Z") << false << true;
        QTest::newRow("upside down, Z") << true << true;
    }
    void largeViewShowsTheCardAsClicked()
    {
        QFETCH(bool, reversedBox);
        QFETCH(bool, byKey);
        MainWindowFixture f;
        frmMain& w = f.load();
        openMemorize(w);
        auto* box = find<PictureBox>(&w, reversedBox ? "picCardMemorizeReversed" : "picCardMemorize");
        if (byKey)
            QTest::keyClick(box, Qt::Key_Z);
        else
            QTest::mouseDClick(box, Qt::LeftButton);
        QPointer<CardPictureViewer> view = viewer(w);
        QVERIFY(view && view->isVisible());
        QCOMPARE(view->windowTitle(), QStringLiteral("Card 1"));
        // The test picture is red at the top left and blue at the bottom right, 40 x 60:
        // shown at twice its size, never more.
        const QImage shown = view->shownImage();
        QCOMPARE(shown.size(), QSize(80, 120));
        const QColor topLeft = shown.pixelColor(2, 2);
        QCOMPARE(topLeft, reversedBox ? QColor(Qt::blue) : QColor(Qt::red));
        QTest::keyClick(view, Qt::Key_Escape);
        QTRY_VERIFY(!view);
    }

    void largeViewFitsTheScreenWithoutBlowingUp_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("small screen: scaled down") << QSize(400, 640) << QSize(1280, 500) << QSize(312, 500);
        QTest::newRow("narrow screen") << QSize(400, 640) << QSize(200, 2000) << QSize(200, 320);
        QTest::newRow("tall screen") << QSize(400, 640) << QSize(2000, 1000) << QSize(625, 1000);
        QTest::newRow("huge screen: twice at most") << QSize(400, 640) << QSize(4000, 3000) << QSize(800, 1280);
        QTest::newRow("no picture") << QSize() << QSize(800, 600) << QSize();
    }
    void largeViewFitsTheScreenWithoutBlowingUp()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, area);
        QFETCH(QSize, shown);
        QCOMPARE(CardPictureViewer::fittedSize(picture, area), shown);
    }
};

LUMENREST_TEST_MAIN(TestKeyboard)
#include "tst_Keyboard.moc"
