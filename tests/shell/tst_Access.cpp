// Reaching everything without a mouse: names for screen readers, the Tab order, the keys.
#include "controls/CardPictureViewer.h"
#include "shell/ClickLabel.h"
#include "shell/frmAbout.h"
#include "study/MemorizeView.h"
#include "support/Find.h"
#include "testing/TestRunFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPointer>

class TestAccess : public QObject {
    Q_OBJECT

    static QAccessibleInterface* of(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
    // Every control a user can reach or act on, below the interface, that has no name.
    static QStringList unnamed(QAccessibleInterface* iface)
    {
        static const QList<QAccessible::Role> controls{
            QAccessible::PushButton, QAccessible::CheckBox,  QAccessible::RadioButton, QAccessible::EditableText,
            QAccessible::ComboBox,   QAccessible::List,      QAccessible::Tree,        QAccessible::Table,
            QAccessible::Link,       QAccessible::PageTab,   QAccessible::SpinBox,     QAccessible::Graphic};
        if (!iface || iface->state().invisible)
            return {};
        QStringList found;
        const bool control = iface->state().focusable || controls.contains(iface->role());
        if (const QObject* o = iface->object(); control && iface->text(QAccessible::Name).trimmed().isEmpty())
            found << QStringLiteral("%1 (role %2)").arg(o ? o->objectName() : QStringLiteral("?")).arg(iface->role());
        for (int i = 0; i < iface->childCount(); ++i)
            found << unnamed(iface->child(i));
        return found;
    }
    // The names of the stops that Tab visits from the window's first control, once round.
    static QString tabStops(QWidget* window)
    {
        QStringList names;
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
                names << w->objectName();
        return names.join(' ');
    }
    // The test's option or boxes that are ticked, as their indexes: "0 9 10".
    static QString ticked(const auto& buttons)
    {
        QStringList on;
        for (int i = 0; i < int(std::size(buttons)); ++i)
            if (buttons[i]->isChecked())
                on << QString::number(i);
        return on.join(' ');
    }

private Q_SLOTS:
    void everyControlHasAName()
    {
        TestRunFixture f(TestRunFixture::smallDeck(), 1, 2); // keywords, Advanced: every box in use
        frmMain& w = *f.w;
        w.show();
        QStringList missing;
        auto walk = [&](const char* where, QWidget* window) {
            QCoreApplication::processEvents();
            for (const QString& m : unnamed(of(window)))
                missing << QLatin1String(where) + QStringLiteral(": ") + m;
        };
        walk("goals", &w);
        f.tabs()->setCurrentIndex(frmMain::TabSettings);
        walk("settings", &w);
        f.click("cmdSetOption");
        walk("memorize", &w);
        f.start();
        walk("keyword question", &w);
        find<QRadioButton>(&w, "optTestType_0")->setChecked(true);
        f.start();
        walk("description question", &w);
        while (f.tabs()->currentIndex() == frmMain::TabTest)
            f.answer();
        walk("results", &w);
        frmAbout about(&w);
        about.show();
        walk("about", &about);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }

    // On the Memorize tab: Tab follows the reading order, the pictures say which card and which
    // way up, the arrows walk the cards outside the text boxes, the click labels are links a
    // screen reader can press, and the pictures open a large view.
    void memorizeTab()
    {
        MainWindowFixture f;
        frmMain& w = f.load();
        f.tabs()->setCurrentIndex(frmMain::TabSettings);
        f.click("cmdSetOption");
        QWidget* v = f.get("tabMemorize");
        QCOMPARE(tabStops(&w), QStringLiteral("Label6 SSTab1 qt_tabwidget_tabbar picCardMemorize picCardMemorizeReversed "
                                              "txtNormalMeaning txtReverseMeaning txtKeywords cmdPrevious cmdNext "
                                              "cmdStartTest Label3 cmdReset cmdNav_1"));
        const auto name = [](QWidget* o) { return of(o)->text(QAccessible::Name); };
        QCOMPARE(name(find(v, "picCardMemorize")), QStringLiteral("Card 1, upright"));
        QTest::keyClick(find(v, "picCardMemorize"), Qt::Key_Right);
        QTest::keyClick(find(v, "cmdPrevious"), Qt::Key_Right);
        QCOMPARE(name(find(v, "picCardMemorizeReversed")), QStringLiteral("Card 3, upside down"));
        QTest::keyClick(find(v, "cmdNext"), Qt::Key_Left);
        QTest::keyClick(find(v, "txtKeywords"), Qt::Key_Left); // the text box keeps the arrow
        QCOMPARE(only<MemorizeView>(&w).cardPosition(), 2);
        QTest::keyClick(find(v, "picCardMemorize"), Qt::Key_Left);
        QTest::keyClick(find(v, "picCardMemorize"), Qt::Key_Left); // on card 1: disables itself, as a click does
        QVERIFY(only<MemorizeView>(&w).cardPosition() == 1 && !find(v, "cmdPrevious")->isEnabled());

        for (ClickLabel* link : {find<ClickLabel>(&w, "Label6"), find<ClickLabel>(&w, "Label3")}) {
            QAccessibleInterface* iface = of(link);
            QVERIFY(iface->role() == QAccessible::Link && iface->state().focusable);
            QCOMPARE(name(link), link->text());
            f.fakes.browser.opened.clear();
            iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTest::keyClick(link, Qt::Key_Return);
            QTest::keyClick(link, Qt::Key_Space);
            QCOMPARE(f.fakes.browser.opened.size(), 3);
        }
        // A double-click or a key on a picture opens the card large, the way up it was shown.
        for (const bool reversed : {false, true}) {
            if (reversed)
                QTest::keyClick(find(v, "picCardMemorizeReversed"), Qt::Key_Z);
            else
                QTest::mouseDClick(find(v, "picCardMemorize"), Qt::LeftButton);
            QPointer<CardPictureViewer> view = w.findChild<CardPictureViewer*>();
            QVERIFY(view && view->isVisible() && view->windowTitle() == "Card 1");
            // The test picture is red at the top left and blue at the bottom right, 40 x 60:
            // shown at twice its size, never more.
            QCOMPARE(view->shownImage().size(), QSize(80, 120));
            QCOMPARE(view->shownImage().pixelColor(2, 2), reversed ? QColor(Qt::blue) : QColor(Qt::red));
            QTest::keyClick(view, Qt::Key_Escape);
            QTRY_VERIFY(!view);
        }
        // Scaled down to the screen, or up to twice the picture's size at most.
        QCOMPARE(CardPictureViewer::fittedSize({400, 640}, {1280, 500}), QSize(312, 500));
        QCOMPARE(CardPictureViewer::fittedSize({400, 640}, {4000, 3000}), QSize(800, 1280));
    }

    // Keys count among the options or boxes shown; a key picks an option or toggles a box, the
    // choice rule runs as for a click, and Return, Enter or Space move on once the answer stands.
    void answerKeys_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<int>("messages");
        QTest::newRow("description, beginner 4: none") << 0 << 0 << "4" << "" << 0;
        QTest::newRow("description, advanced 7, then 2") << 0 << 2 << "72" << "1" << 0;
        QTest::newRow("keywords, twice: off again") << 1 << 0 << "22" << "" << 0;
        QTest::newRow("keywords, advanced 0, a, j") << 1 << 2 << "0aj" << "9 10 19" << 0;
        QTest::newRow("keywords, beginner fourth undone") << 1 << 0 << "1234" << "0 1 2" << 1;
    }
    void answerKeys()
    {
        QFETCH(int, type);
        QFETCH(int, level);
        QFETCH(QString, keys);
        QFETCH(QString, ticked);
        TestRunFixture f(TestRunFixture::smallDeck(), type, level);
        f.start();
        const auto s = f.screen();
        QTest::keyClicks(s.picResult, keys);
        QCOMPARE(type ? TestAccess::ticked(s.chkKeywords) : TestAccess::ticked(s.optAnswer), ticked);
        QTEST(int(f.fakes.dialogs.messages.size()), "messages");
        if (type == 0 && !ticked.isEmpty()) // and a screen reader tells that key with the option
            QCOMPARE(s.optAnswer[ticked.toInt()]->accessibleDescription(), QStringLiteral("Key ") + keys.back());
        const bool stands = ticked.split(' ', Qt::SkipEmptyParts).size() == (type ? 3 + 2 * level : 1);
        QCOMPARE(s.cmdNextQuestion->isEnabled(), stands);
        // Not on the Next button, which would take the key itself.
        const Qt::Key next = std::array{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}[(level + type) % 3];
        QTest::keyClick(next == Qt::Key_Enter && type ? static_cast<QWidget*>(s.chkKeywords[0]) : s.picResult, next);
        QCOMPARE(f.fields().QuestionNo, stands ? 2 : 1);
    }
};

LUMENREST_TEST_MAIN(TestAccess)
#include "tst_Access.moc"
