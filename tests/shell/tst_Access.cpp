#include "cardstore/PictureBox.h"
#include "shell/ClickLabel.h"
#include "shell/frmAbout.h"
#include "support/Find.h"
#include "testing/TestRunFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

class TestAccess : public QObject {
    Q_OBJECT

    // Every control a user can reach or act on, below the interface, that has no name.
    static QStringList unnamed(QAccessibleInterface* iface)
    {
        static const QList<QAccessible::Role> controls{
            QAccessible::PushButton, QAccessible::CheckBox,  QAccessible::RadioButton, QAccessible::EditableText,
            QAccessible::ComboBox,   QAccessible::List,      QAccessible::Tree,        QAccessible::Table,
            QAccessible::Link,       QAccessible::PageTab,   QAccessible::SpinBox,     QAccessible::Graphic};
        QStringList found;
        if (!iface || iface->state().invisible)
            return found;
        const bool control = iface->state().focusable || controls.contains(iface->role());
        if (control && iface->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject* o = iface->object();
            found << QStringLiteral("%1 (role %2)").arg(o ? o->objectName() : QStringLiteral("?")).arg(iface->role());
        }
        for (int i = 0; i < iface->childCount(); ++i)
            found << unnamed(iface->child(i));
        return found;
    }
    static QStringList unnamed(QWidget* window)
    {
        QCoreApplication::processEvents();
        return unnamed(QAccessible::queryAccessibleInterface(window));
    }
    // The names of the stops that Tab visits from the window's first control, once round.
    static QString tabStops(QWidget* window)
    {
        QStringList names;
        QWidget* w = window;
        do {
            w = w->nextInFocusChain();
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
                names << w->objectName();
        } while (w != window);
        return names.join(QLatin1Char(' '));
    }
    static QAccessibleInterface* of(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

private Q_SLOTS:
    void everyControlHasAName()
    {
        TestRunFixture f(TestRunFixture::smallDeck(), 1, 2); // keywords, Advanced: every box in use
        frmMain& w = *f.w;
        w.show();
        QStringList missing;
        auto walk = [&](const char* where) {
            for (const QString& m : unnamed(&w))
                missing << QLatin1String(where) + QStringLiteral(": ") + m;
        };
        walk("goals");
        f.tabs()->setCurrentIndex(frmMain::TabSettings);
        walk("settings");
        f.click("cmdSetOption");
        walk("memorize");
        f.start();
        walk("keyword question");
        f.get<QRadioButton>("optTestType_0")->setChecked(true);
        f.start();
        walk("description question");
        while (f.tab() == frmMain::TabTest)
            f.answer();
        walk("results");
        frmAbout about(&w);
        about.show();
        for (const QString& m : unnamed(&about))
            missing << QStringLiteral("about: ") + m;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    void tabFollowsTheReadingOrder()
    {
        MainWindowFixture f;
        frmMain& w = f.load();
        f.tabs()->setCurrentIndex(frmMain::TabSettings);
        f.click("cmdSetOption");
        QCOMPARE(tabStops(&w), QStringLiteral("Label6 SSTab1 qt_tabwidget_tabbar picCardMemorize picCardMemorizeReversed "
                                              "txtNormalMeaning txtReverseMeaning txtKeywords cmdPrevious cmdNext "
                                              "cmdStartTest Label3 cmdReset cmdNav_1"));
    }

    void clickLabelsAreLinks()
    {
        MainWindowFixture f;
        frmMain& w = f.load();
        for (ClickLabel* link : {f.get<ClickLabel>("Label6"), f.get<ClickLabel>("Label3")}) {
            QAccessibleInterface* iface = of(link);
            QCOMPARE(iface->role(), QAccessible::Link);
            QCOMPARE(iface->text(QAccessible::Name), link->text());
            QVERIFY(iface->state().focusable);
            f.fakes.browser.opened.clear();
            iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTest::keyClick(link, Qt::Key_Return);
            QTest::keyClick(link, Qt::Key_Space);
            QCOMPARE(f.fakes.browser.opened.size(), 3);
        }
        // The About box's labels have no action and do not pretend to.
        frmAbout about(&w);
        for (const char* name : {"lblCoBrand", "lblHomePage"})
            QVERIFY(of(find<QLabel>(&about, name))->role() != QAccessible::Link);
    }

    void picturesSayWhichCardAndWhichWayUp()
    {
        MainWindowFixture f;
        f.load();
        f.tabs()->setCurrentIndex(frmMain::TabSettings);
        f.click("cmdSetOption");
        QCOMPARE(of(f.get("picCardMemorize"))->text(QAccessible::Name), QStringLiteral("Card 1, upright"));
        QCOMPARE(of(f.get("picCardMemorizeReversed"))->text(QAccessible::Name),
                 QStringLiteral("Card 1, upside down"));
        f.click("cmdNext");
        QCOMPARE(of(f.get("picCardMemorizeReversed"))->text(QAccessible::Name),
                 QStringLiteral("Card 2, upside down"));
    }
};

LUMENREST_TEST_MAIN(TestAccess)
#include "tst_Access.moc"
