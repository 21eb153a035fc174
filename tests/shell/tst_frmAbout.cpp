#include "shell/frmAbout.h"
#include "shell/modHelp.h"
#include "support/Find.h"
#include "support/TestMain.h"
#include "ShellFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <functional>

class TestFrmAbout : public QObject {
    Q_OBJECT

    // Opens the About box from the Help menu and runs `act` on it while it is up.
    // Gives what was seen of it; the box must be closed by `act`.
    struct Seen {
        bool found = false;
        bool modal = false;
        QWidget* owner = nullptr;
        bool stillOpenAfterAct = true;
    };
    static Seen openAbout(frmMain& w, const std::function<void(frmAbout&)>& act)
    {
        Seen seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.found = true;
            seen.modal = box->isModal();
            seen.owner = box->parentWidget();
            act(*box);
            seen.stillOpenAfterAct = box->isVisible();
            if (box->isVisible())
                box->reject(); // never leave the test hanging
        });
        // A safety net, should the box not open or not close.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] {
            if (QWidget* m = QApplication::activeModalWidget())
                m->close();
        });
        guard.start(5000);
        find<QAction>(&w, "mnuAbout")->trigger();
        return seen;
    }

private Q_SLOTS:
    void labels()
    {
        frmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("Lumenrest v1.0"));
        QCOMPARE(find<QLabel>(&about, "Label2")->text(), QStringLiteral("Lumenrest v1.0"));
        const QString label1 = find<QLabel>(&about, "Label1")->text();
        QVERIFY(label1.startsWith(
            "Lumenrest is an educational tool for learning the basics of tarot card reading. This software is an "
            "extremely simple program preferred by beginners who want to learn to read the Rider-Waite-Smith Deck. "
            "The program also includes a Goal Reminder which helps the user set goals that he intends to achieve and "
            "keep reminding him about them. "));
        QVERIFY(label1.size() > 330 && label1.endsWith('.')); // and a closing sentence of our own
        const QString label4 = find<QLabel>(&about, "Label4")->text();
        for (const char* part : {"1909", "Pamela Colman Smith", "public domain", "Rider-Waite-Smith"})
            QVERIFY2(label4.contains(QLatin1String(part)), part);
        QCOMPARE(find<QLabel>(&about, "Label4")->parentWidget(), find<QGroupBox>(&about, "Frame1"));
        QVERIFY(!find<QLabel>(&about, "picIcon")->pixmap().isNull());
        QCOMPARE(find<QLabel>(&about, "Label3")->text(),
                 QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                                "Put your site's name &  link here."));
        QCOMPARE(find<QLabel>(&about, "lblCoBrand")->text(), QStringLiteral("Click Here for more info on co-branding"));
        QCOMPARE(find<QLabel>(&about, "lblHomePage")->text(),
                 QStringLiteral("Click here to visit ") + modHelp::SiteAddress());
        auto* ok = find<QPushButton>(&about, "cmdOK");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
    }

    void closedBy_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Esc") << "esc";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("OK") << "ok";
    }

    void closedBy()
    {
        QFETCH(QString, how);
        ShellFixture f;
        frmMain& w = f.load();
        const Seen seen = openAbout(w, [&](frmAbout& box) {
            if (how == "esc")
                QTest::keyClick(&box, Qt::Key_Escape);
            else if (how == "enter")
                QTest::keyClick(&box, Qt::Key_Return);
            else
                QTest::mouseClick(box.cmdOK, Qt::LeftButton);
        });
        QVERIFY(seen.found);
        QVERIFY(seen.modal);
        QCOMPARE(seen.owner, &w);
        QVERIFY(!seen.stillOpenAfterAct);
        QVERIFY(w.isVisible()); // only the box closed
        QVERIFY(ShellFixture::reminders().isEmpty());
    }

    void linksInTheBoxDoNothing()
    {
        ShellFixture f;
        frmMain& w = f.load();
        const Seen seen = openAbout(w, [](frmAbout& box) {
            QTest::mouseClick(box.lblHomePage, Qt::LeftButton);
            QTest::mouseClick(box.lblCoBrand, Qt::LeftButton);
            QTest::mouseClick(box.Label3, Qt::LeftButton);
        });
        QVERIFY(seen.found);
        QVERIFY(seen.stillOpenAfterAct);
        QVERIFY(f.fakes.browser.opened.isEmpty());
    }
};

LUMENREST_TEST_MAIN(TestFrmAbout)
#include "tst_frmAbout.moc"
