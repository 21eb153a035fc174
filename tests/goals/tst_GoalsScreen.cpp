#include "controls/UserControl1.h"
#include "goals/GoalsScreen.h"
#include "goals/modGoals.h"
#include "support/Fakes.h"
#include "support/TestMain.h"
#include "goals/GoalsTestSupport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>

using namespace GoalsTest;
using modGoals::Goals;

namespace {
const QDate kToday(2024, 2, 29); // FakeClock's date

QString iso(const QDate& d) { return d.toString(Qt::ISODate); }

struct Screen {
    FakeServices fs;
    std::unique_ptr<GoalsScreen> w;

    QString file() const { return fs.paths.dir.filePath("goals.txt"); }
    void givenFile(const QByteArray& bytes) { writeBytes(file(), bytes); }

    void start()
    {
        w = std::make_unique<GoalsScreen>(fs.services());
        w->resize(1000, 560);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qFatal("window not shown");
        w->InitGoals();
    }

    template <class T = QWidget> T* get(const QString& name) const
    {
        T* c = w->findChild<T*>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    QTreeWidget* list() const { return get<QTreeWidget>("ListView1"); }
    QPushButton* button(const char* name) const { return get<QPushButton>(name); }
    UserControl1* picker(const char* name) const { return get<UserControl1>(name); }
    QString text(const char* name) const
    {
        if (auto* e = w->findChild<QLineEdit*>(name))
            return e->text();
        if (auto* e = w->findChild<QPlainTextEdit*>(name))
            return e->toPlainText();
        return get<QLabel>(name)->text();
    }
    bool enabled(const char* name) const { return get(name)->isEnabled(); }

    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    // The toggle: the view button in front.
    QRadioButton* toggle() const { return qobject_cast<QRadioButton*>(get<QStackedWidget>("optGoalsToggle")->currentWidget()); }
    void clickToggle() { QTest::mouseClick(toggle(), Qt::LeftButton); }
    void clickRow(int r)
    {
        QTreeWidget* l = list();
        const QRect rect = l->visualItemRect(l->topLevelItem(r));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void check(int r) { list()->topLevelItem(r)->setCheckState(0, Qt::Checked); }
    QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            out << list()->topLevelItem(i)->text(0);
        return out;
    }
    QStringList keys() const
    {
        QStringList out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = list()->topLevelItem(i);
            out << row->data(0, Qt::UserRole).toString() + '/' + row->text(1);
        }
        return out;
    }
    void typeGoal(const QString& name, const QString& desc)
    {
        get<QLineEdit>("txtGoalName")->setText(name);
        get<QPlainTextEdit>("txtGoalDesc")->setPlainText(desc);
    }
    void setPercentage(int p) { get<QComboBox>("Combo3")->setCurrentIndex(p); }
    bool firstRowHighlighted() const
    {
        QTreeWidgetItem* first = list()->topLevelItem(0);
        return first && list()->currentItem() == first && first->isSelected();
    }
};

const QByteArray kA = line("Learn the Major Arcana", "2024-02-29", "2024-03-07", "Ten cards a day", false, 10);
const QByteArray kB = line("Cups, Wands", "2024-01-01", "2024-12-31", "line one\r\nline two", true, 60);
const QByteArray kC = line("Court cards", "2024-02-01", "2024-02-11", "", false, 30);
}

class TestGoalsScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Goals.clear();
        QLocale::setDefault(QLocale::c());
    }

    void controlsHaveTheirNamesAndCaptions()
    {
        Screen s;
        s.start();
        const QList<std::pair<QString, QString>> buttons = {
            {"cmdNewGoal", "Set New Goals"},
            {"cmdSaveGoals", "Save / Update Goal"},
            {"cmdDeleteGoals", "Delete Selected Goals"},
            {"cmdMarkAchived", "Mark Selected Goals As Achieved"},
            {"optGoals_0", "View Current Goals"},
            {"optGoals_1", "View Achieved Goals"},
        };
        for (const auto& [name, caption] : buttons)
            QCOMPARE(s.get<QAbstractButton>(name)->text(), caption);
        QCOMPARE(s.get<QGroupBox>("Frame3")->title(), QStringLiteral("Goal Timer"));
        QCOMPARE(s.list()->columnCount(), 2);
        QCOMPARE(s.list()->headerItem()->text(0), QStringLiteral("Goals"));
        QCOMPARE(s.list()->headerItem()->text(1), QString());
        QComboBox* combo = s.get<QComboBox>("Combo3");
        QCOMPARE(combo->count(), 101);
        QCOMPARE(combo->itemText(100), QStringLiteral("100"));
        QVERIFY(!combo->isEditable());
        QVERIFY(s.get<QLabel>("Label10")->text().startsWith("It is important to set goals and targets"));
        QVERIFY(s.get<QLabel>("Label10")->text().endsWith("fulfilling your aims in life. "));
        QStringList captions;
        for (QLabel* l : s.w->findChildren<QLabel*>())
            captions << l->text();
        for (const char* c : {"Name Of Goal", "Description Of Goal", "Goal Starting Date:", "Goal Ending Date:",
                              "Select  Achieved Percentage Of Goal", "Total Day(s) To Achieve Goal",
                              "Day(s) Remaining To Achieve Goal"})
            QVERIFY2(captions.contains(c), c);
        for (const char* empty : {"lblDayCount", "lblDaysRemaining", "lblInfo"})
            QCOMPARE(s.text(empty), QString());
        // One toggle: only the front button is seen, and it has the given size.
        QVERIFY(s.get("optGoals_1")->isVisible());
        QVERIFY(!s.get("optGoals_0")->isVisible());
        QCOMPARE(s.get("optGoalsToggle")->size(), QSize(217, 27));
        // Everything fits the tab area of a 1024 x 768 screen.
        QVERIFY2(s.w->minimumSizeHint().width() <= 1000, qPrintable(QString::number(s.w->minimumSizeHint().width())));
        QVERIFY(s.w->minimumSizeHint().height() <= 560);
    }

    void startWithoutAGoalsFile()
    {
        Screen s;
        s.start();
        QCOMPARE(s.list()->topLevelItemCount(), 0);
        QVERIFY(!s.enabled("cmdSaveGoals"));
        for (const char* name : {"txtGoalName", "txtGoalDesc", "Combo3"})
            QVERIFY2(!s.enabled(name), name);
        for (const char* name : {"cmdNewGoal", "cmdDeleteGoals", "cmdMarkAchived", "mydtpStartingDate", "mydtpEndingDate"})
            QVERIFY2(s.enabled(name), name);
        QVERIFY(s.picker("mydtpStartingDate")->Enabled());
        QCOMPARE(s.picker("mydtpStartingDate")->Value(), kToday);
        QCOMPARE(s.picker("mydtpEndingDate")->Value(), kToday);
        QCOMPARE(s.toggle()->text(), QStringLiteral("View Achieved Goals"));
        QVERIFY(s.fs.dialogs.messages.isEmpty());
        QVERIFY(!QFileInfo::exists(s.file()));
    }

    void startShowsTheCurrentGoals()
    {
        Screen s;
        s.givenFile(kA + kB + kC);
        s.start();
        QCOMPARE(s.rows(), QStringList({"Learn the Major Arcana", "Court cards"}));
        QCOMPARE(s.keys(), QStringList({"_0/0", "_2/2"}));
        QVERIFY(s.list()->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable);
        QCOMPARE(s.list()->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QVERIFY(s.firstRowHighlighted());
        QCOMPARE(s.text("txtGoalName"), QStringLiteral("Learn the Major Arcana"));
        QCOMPARE(s.text("txtGoalDesc"), QStringLiteral("Ten cards a day"));
        QCOMPARE(s.picker("mydtpStartingDate")->Value(), QDate(2024, 2, 29));
        QCOMPARE(s.picker("mydtpEndingDate")->Value(), QDate(2024, 3, 7));
        QCOMPARE(s.get<QComboBox>("Combo3")->currentIndex(), 10);
        QCOMPARE(s.text("lblDayCount"), QStringLiteral("7"));
        QCOMPARE(s.text("lblDaysRemaining"), QStringLiteral("7"));
        QCOMPARE(s.text("lblInfo"), QStringLiteral("You should have achieved 0%. You have actually achieved 10%"));
        for (const char* name : {"cmdSaveGoals", "txtGoalName", "txtGoalDesc", "Combo3"})
            QVERIFY2(s.enabled(name), name);
        QCOMPARE(s.toggle()->text(), QStringLiteral("View Achieved Goals"));

        // A click on a row loads its goal and runs the timer.
        s.clickRow(1);
        QCOMPARE(s.text("txtGoalName"), QStringLiteral("Court cards"));
        QCOMPARE(s.text("lblDayCount"), QStringLiteral("10"));
        QCOMPARE(s.text("lblDaysRemaining"), QStringLiteral("-18"));
        QCOMPARE(s.text("lblInfo"), QStringLiteral("You should have achieved 280%. You have actually achieved 30%"));
    }

    void aSingleGoalIsLoadedButNotHighlighted()
    {
        Screen s;
        s.givenFile(kA);
        s.start();
        QCOMPARE(s.rows().size(), 1);
        QCOMPARE(s.list()->currentItem(), nullptr);
        QCOMPARE(s.text("txtGoalName"), QStringLiteral("Learn the Major Arcana"));
    }

    void saveIsValidatedInOrder_data()
    {
        QTest::addColumn<int>("endAfterStart");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("desc");
        QTest::addColumn<QString>("message");
        const QString dates = QStringLiteral("Starting date can't be same or later than ending date.");
        const QString blank = QStringLiteral("Goal name can't be blank.");
        const QString quote = QStringLiteral("Goal name and description can't contain double quotes (\").");
        QTest::newRow("same day") << 0 << "n" << "" << dates;
        QTest::newRow("ends before, no name") << -3 << "" << "" << dates;
        QTest::newRow("ends before, quoted name") << -1 << "\"x\"" << "" << dates;
        QTest::newRow("no name") << 1 << "" << "" << blank;
        QTest::newRow("no name, quoted description") << 1 << "" << "say \"hi\"" << blank;
        QTest::newRow("quote in the name") << 1 << "The \"Fool\"" << "" << quote;
        QTest::newRow("quote in the description") << 5 << "Fool" << "line\nsay \"hi\"" << quote;
    }

    void saveIsValidatedInOrder()
    {
        QFETCH(int, endAfterStart);
        QFETCH(QString, name);
        QFETCH(QString, desc);
        QFETCH(QString, message);
        Screen s;
        s.givenFile(kA);
        s.start();
        s.click("cmdNewGoal");
        s.typeGoal(name, desc);
        s.picker("mydtpEndingDate")->setValue(kToday.addDays(endAfterStart));
        s.click("cmdSaveGoals");
        QCOMPARE(s.fs.dialogs.messages.size(), 1);
        QCOMPARE(s.fs.dialogs.messages[0].text, message);
        QCOMPARE(s.fs.dialogs.messages[0].caption, QStringLiteral("Lumenrest"));
        QCOMPARE(s.fs.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(readBytes(s.file()), kA);
        QCOMPARE(s.text("txtGoalName"), name);
        QCOMPARE(s.text("txtGoalDesc"), desc);
        QVERIFY(s.w->newGoalMode());
        QCOMPARE(Goals.size(), 1);
    }

    void newGoalIsSavedAtZeroAndUpdatedWithItsPercentage()
    {
        Screen s;
        s.start();
        s.click("cmdNewGoal");
        QVERIFY(s.w->newGoalMode());
        s.typeGoal("   ", "first line\nsecond, line");
        s.setPercentage(40);
        s.click("cmdSaveGoals");
        QVERIFY(s.fs.dialogs.messages.isEmpty());
        const QByteArray saved = line("   ", iso(kToday), iso(kToday.addDays(7)), "first line\r\nsecond, line", false, 0);
        QCOMPARE(readBytes(s.file()), saved);
        QVERIFY(!s.w->newGoalMode());
        QVERIFY(s.firstRowHighlighted());
        QCOMPARE(s.get<QComboBox>("Combo3")->currentIndex(), 0);
        QCOMPARE(s.toggle()->text(), QStringLiteral("View Achieved Goals"));

        s.setPercentage(40);
        s.click("cmdSaveGoals");
        QCOMPARE(readBytes(s.file()),
                 line("   ", iso(kToday), iso(kToday.addDays(7)), "first line\r\nsecond, line", false, 40));
        QCOMPARE(s.rows().size(), 1);
    }

    void afterASaveTheFirstCurrentGoalIsShown()
    {
        Screen s;
        s.givenFile(kA + kB);
        s.start();
        s.clickToggle(); // achieved view
        QCOMPARE(s.rows(), QStringList({"Cups, Wands"}));
        s.click("cmdNewGoal");
        s.typeGoal("Zodiac", "");
        s.click("cmdSaveGoals");
        QCOMPARE(readBytes(s.file()), kA + kB + line("Zodiac", iso(kToday), iso(kToday.addDays(7)), ""));
        QCOMPARE(s.rows(), QStringList({"Learn the Major Arcana", "Zodiac"}));
        QVERIFY(s.firstRowHighlighted());
        QCOMPARE(s.text("txtGoalName"), QStringLiteral("Learn the Major Arcana"));
        QCOMPARE(s.toggle()->text(), QStringLiteral("View Achieved Goals"));
        QVERIFY(s.get<QRadioButton>("optGoals_0")->isChecked());
    }

    void updateKeepsTheAchievedMark()
    {
        Screen s;
        s.givenFile(kA + kB);
        s.start();
        s.clickToggle();
        QCOMPARE(s.text("txtGoalName"), QStringLiteral("Cups, Wands"));
        QCOMPARE(s.text("txtGoalDesc"), QStringLiteral("line one\nline two"));
        s.get<QLineEdit>("txtGoalName")->setText("Cups and Wands");
        s.click("cmdSaveGoals");
        QCOMPARE(readBytes(s.file()), kA + line("Cups and Wands", "2024-01-01", "2024-12-31", "line one\r\nline two", true, 60));
        QCOMPARE(s.rows(), QStringList({"Learn the Major Arcana"}));
    }

    void deleteReindexesTheRest()
    {
        Screen s;
        s.givenFile(kA + kC + line("third", "2024-01-01", "2024-02-01", "") + line("fourth", "2024-01-01", "2024-03-01", ""));
        s.start();
        s.check(1);
        s.check(2);
        s.click("cmdDeleteGoals");
        QCOMPARE(readBytes(s.file()), kA + line("fourth", "2024-01-01", "2024-03-01", ""));
        QCOMPARE(s.rows(), QStringList({"Learn the Major Arcana", "fourth"}));
        QCOMPARE(s.keys(), QStringList({"_0/0", "_1/1"}));
        QCOMPARE(s.text("txtGoalName"), QStringLiteral("Learn the Major Arcana"));
        QVERIFY(s.fs.dialogs.messages.isEmpty());
    }

    void deletingTheLastGoalEmptiesEverything()
    {
        Screen s;
        s.givenFile(kA);
        s.start();
        s.check(0);
        s.click("cmdDeleteGoals");
        QVERIFY(QFileInfo::exists(s.file()));
        QCOMPARE(QFileInfo(s.file()).size(), 0);
        QCOMPARE(s.list()->topLevelItemCount(), 0);
        for (const char* name : {"txtGoalName", "txtGoalDesc", "lblDayCount", "lblDaysRemaining", "lblInfo"})
            QCOMPARE(s.text(name), QString());
        for (const char* name : {"txtGoalName", "txtGoalDesc", "Combo3", "cmdSaveGoals"})
            QVERIFY2(!s.enabled(name), name);
        QVERIFY(!s.picker("mydtpStartingDate")->Enabled());
        QVERIFY(!s.picker("mydtpEndingDate")->Enabled());
        QCOMPARE(s.get<QComboBox>("Combo3")->currentIndex(), 0);
        // Starting again from an empty file.
        s.click("cmdNewGoal");
        QVERIFY(s.enabled("cmdSaveGoals"));
        QVERIFY(s.picker("mydtpEndingDate")->Enabled());
    }

    void markingMovesGoalsToTheAchievedView()
    {
        Screen s;
        s.givenFile(kA + kC);
        s.start();
        s.check(1);
        s.click("cmdMarkAchived");
        QCOMPARE(readBytes(s.file()), kA + line("Court cards", "2024-02-01", "2024-02-11", "", true, 30));
        QCOMPARE(s.rows(), QStringList({"Learn the Major Arcana"}));
        QCOMPARE(s.toggle()->text(), QStringLiteral("View Achieved Goals"));
        s.clickToggle();
        QCOMPARE(s.rows(), QStringList({"Court cards"}));
        QCOMPARE(s.keys(), QStringList({"_1/1"}));
        QCOMPARE(s.toggle()->text(), QStringLiteral("View Current Goals"));
        QCOMPARE(s.text("txtGoalName"), QStringLiteral("Court cards"));
        s.clickToggle();
        QCOMPARE(s.rows(), QStringList({"Learn the Major Arcana"}));
        QCOMPARE(s.toggle()->text(), QStringLiteral("View Achieved Goals"));
    }

    void actionsWithNothingCheckedChangeNoGoal()
    {
        Screen s;
        s.givenFile(kA + kB);
        s.start();
        s.clickToggle();
        QCOMPARE(s.toggle()->text(), QStringLiteral("View Current Goals"));
        for (const char* action : {"cmdMarkAchived", "cmdDeleteGoals"}) {
            s.clickToggle();
            if (s.toggle()->text() == "View Achieved Goals")
                s.clickToggle();
            s.click(action);
            QCOMPARE(readBytes(s.file()), kA + kB);
            // Back to the current goals, and the toggle offers the achieved ones.
            QCOMPARE(s.rows(), QStringList({"Learn the Major Arcana"}));
            QCOMPARE(s.toggle()->text(), QStringLiteral("View Achieved Goals"));
        }
        // Achieved goals carry check boxes too, so they can be deleted.
        s.clickToggle();
        s.check(0);
        s.click("cmdDeleteGoals");
        QCOMPARE(readBytes(s.file()), kA);
        QVERIFY(s.fs.dialogs.messages.isEmpty());
    }

    void newGoalModeOutlivesAViewSwitch()
    {
        Screen s;
        s.givenFile(kA + kB);
        s.start();
        s.click("cmdNewGoal");
        s.clickToggle();
        QCOMPARE(s.text("txtGoalName"), QStringLiteral("Cups, Wands"));
        QVERIFY(s.w->newGoalMode());
        s.click("cmdSaveGoals");
        QCOMPARE(readBytes(s.file()), kA + kB + line("Cups, Wands", "2024-01-01", "2024-12-31", "line one\r\nline two", false, 0));
    }

    void pickersChangeTheDayCountAtOnce()
    {
        Screen s;
        s.givenFile(kA);
        s.start();
        const QString info = s.text("lblInfo");
        s.picker("mydtpEndingDate")->setValue(QDate(2024, 2, 26));
        QCOMPARE(s.text("lblDayCount"), QStringLiteral("-3"));
        QComboBox* month = s.picker("mydtpStartingDate")->findChild<QComboBox*>("cboMonth");
        month->setCurrentIndex(0); // the user picks January
        QCOMPARE(s.text("lblDayCount"), QStringLiteral("28"));
        QCOMPARE(s.text("lblInfo"), info);
        QCOMPARE(s.text("lblDaysRemaining"), QStringLiteral("7"));
        QCOMPARE(readBytes(s.file()), kA);
    }

    void setNewGoalsClearsTheEditorAndTheTimer()
    {
        Screen s;
        s.givenFile(kC);
        s.start();
        QVERIFY(!s.text("lblInfo").isEmpty());
        s.click("cmdNewGoal");
        for (const char* name : {"txtGoalName", "txtGoalDesc", "lblDaysRemaining", "lblInfo"})
            QCOMPARE(s.text(name), QString());
        QCOMPARE(s.text("lblDayCount"), QStringLiteral("7"));
        QCOMPARE(s.picker("mydtpStartingDate")->Value(), kToday);
        QCOMPARE(s.picker("mydtpEndingDate")->Value(), kToday.addDays(7));
        QCOMPARE(QApplication::focusWidget(), s.get("txtGoalName"));
    }

    void anEmptyViewStillRunsTheTimer()
    {
        Screen s;
        s.givenFile(kC);
        s.start();
        s.clickToggle(); // no achieved goal: nothing listed
        QCOMPARE(s.list()->topLevelItemCount(), 0);
        QVERIFY(!s.enabled("cmdSaveGoals"));
        // The pickers still show the goal of the current view.
        QCOMPARE(s.text("lblInfo"), QStringLiteral("You should have achieved 280%. You have actually achieved 30%"));
        QCOMPARE(s.text("lblDaysRemaining"), QStringLiteral("-18"));
    }

    void theListWorksFromTheKeyboard()
    {
        Screen s;
        s.givenFile(kA + kC);
        s.start();
        s.list()->setFocus();
        QTest::keyClick(s.list(), Qt::Key_Down);
        QCOMPARE(s.text("txtGoalName"), QStringLiteral("Court cards"));
        QTest::keyClick(s.list(), Qt::Key_Space);
        QCOMPARE(s.list()->topLevelItem(1)->checkState(0), Qt::Checked);
    }

    void tabGoesThroughTheEditorInOrder()
    {
        Screen s;
        s.givenFile(kA);
        s.start();
        s.w->activateWindow();
        s.get("txtGoalName")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), s.get("txtGoalName"));
        const QList<QWidget*> expected = {
            s.get("txtGoalDesc"),
            s.picker("mydtpStartingDate")->findChild<QWidget*>("cboDate"),
            s.picker("mydtpStartingDate")->findChild<QWidget*>("cboMonth"),
            s.picker("mydtpStartingDate")->findChild<QWidget*>("cboYear"),
            s.picker("mydtpEndingDate")->findChild<QWidget*>("cboDate"),
            s.picker("mydtpEndingDate")->findChild<QWidget*>("cboMonth"),
            s.picker("mydtpEndingDate")->findChild<QWidget*>("cboYear"),
            s.get("Combo3"),
            s.get("cmdNewGoal"),
            s.get("cmdSaveGoals"),
            s.get("cmdDeleteGoals"),
            s.get("cmdMarkAchived"),
        };
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void aDamagedFileIsKeptAndReportedOnce()
    {
        Screen s;
        const QByteArray damaged = kA + "\"Court cards\",#2024-02-01#,#2024-02-31#,\"\",#FALSE#,0\r\n" + kC;
        s.givenFile(damaged);
        s.start();
        QCOMPARE(s.fs.dialogs.messages.size(), 1);
        const FakeDialogs::Message m = s.fs.dialogs.messages[0];
        QCOMPARE(m.caption, QStringLiteral("Lumenrest"));
        QCOMPARE(m.icon, Dialogs::Icon::Exclamation);
        QVERIFY2(m.text.contains("line 2"), qPrintable(m.text));
        const QStringList copies = QDir(s.fs.paths.dir.path()).entryList({"goals.txt.*.bak"}, QDir::Files);
        QCOMPARE(copies.size(), 1);
        QVERIFY(QRegularExpression("^goals\\.txt\\.\\d{4}-\\d\\d-\\d\\d-\\d{6}\\.bak$").match(copies[0]).hasMatch());
        QVERIFY2(m.text.contains(copies[0]), qPrintable(m.text));
        const QString copy = s.fs.paths.dir.filePath(copies[0]);
        QCOMPARE(readBytes(copy), damaged);
        QCOMPARE(readBytes(s.file()), damaged);
        QCOMPARE(s.rows(), QStringList({"Learn the Major Arcana"}));

        // The next change writes a sound file; the copy stays as it was.
        s.setPercentage(50);
        s.click("cmdSaveGoals");
        QCOMPARE(s.fs.dialogs.messages.size(), 1);
        QCOMPARE(readBytes(s.file()), line("Learn the Major Arcana", "2024-02-29", "2024-03-07", "Ten cards a day", false, 50));
        QCOMPARE(readBytes(copy), damaged);
    }

    void aFailedWriteChangesNothing()
    {
        Screen s;
        s.givenFile(kA);
        s.start();
        // The file's place is taken by a directory: nothing can be written there.
        QVERIFY(QFile::remove(s.file()));
        QVERIFY(QDir(s.fs.paths.dir.path()).mkdir("goals.txt"));

        s.click("cmdNewGoal");
        s.typeGoal("New one", "");
        s.click("cmdSaveGoals");
        QCOMPARE(s.fs.dialogs.messages.size(), 1);
        QCOMPARE(s.fs.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QVERIFY2(s.fs.dialogs.messages[0].text.startsWith("Your goals could not be saved to"),
                 qPrintable(s.fs.dialogs.messages[0].text));
        QCOMPARE(Goals.size(), 1);
        QCOMPARE(s.rows(), QStringList({"Learn the Major Arcana"}));
        QCOMPARE(s.text("txtGoalName"), QStringLiteral("New one"));
        QVERIFY(s.w->newGoalMode());

        s.check(0);
        s.click("cmdMarkAchived");
        QCOMPARE(s.fs.dialogs.messages.size(), 2);
        QVERIFY(!Goals[0].Achieved);
        QCOMPARE(s.rows(), QStringList({"Learn the Major Arcana"}));

        s.click("cmdDeleteGoals");
        QCOMPARE(s.fs.dialogs.messages.size(), 3);
        QCOMPARE(Goals.size(), 1);
        QCOMPARE(s.list()->topLevelItem(0)->checkState(0), Qt::Checked);
        QVERIFY(QFileInfo(s.file()).isDir());
    }

    void anUnreadableFileIsNeverReplaced()
    {
        Screen s;
        QVERIFY(QDir(s.fs.paths.dir.path()).mkdir("goals.txt"));
        s.start();
        QCOMPARE(s.fs.dialogs.messages.size(), 1);
        QVERIFY2(s.fs.dialogs.messages[0].text.contains("could not be read"), qPrintable(s.fs.dialogs.messages[0].text));
        s.click("cmdNewGoal");
        s.typeGoal("New one", "");
        s.click("cmdSaveGoals");
        QCOMPARE(s.fs.dialogs.messages.size(), 2);
        QVERIFY(s.fs.dialogs.messages[1].text.startsWith("Your goals could not be saved"));
        QVERIFY(QFileInfo(s.file()).isDir());
    }

    void aProgramDirectoryWithoutWriteAccessUsesTheDataDirectory()
    {
        Screen s;
        writeBytes(s.fs.paths.dir.filePath("blocker"), "x");
        s.fs.paths.exeDir = s.fs.paths.dir.filePath("blocker/bin");
        s.start();
        s.click("cmdNewGoal");
        s.typeGoal("Elsewhere", "");
        s.click("cmdSaveGoals");
        QVERIFY(s.fs.dialogs.messages.isEmpty());
        QCOMPARE(readBytes(s.fs.paths.dataDir() + "/goals.txt"), line("Elsewhere", iso(kToday), iso(kToday.addDays(7)), ""));
        // And it is read from there at the next start.
        Goals.clear();
        Screen again;
        writeBytes(again.fs.paths.dir.filePath("blocker"), "x");
        again.fs.paths.exeDir = again.fs.paths.dir.filePath("blocker/bin");
        writeBytes(again.fs.paths.dataDir() + "/goals.txt", readBytes(s.fs.paths.dataDir() + "/goals.txt"));
        again.start();
        QCOMPARE(again.rows(), QStringList({"Elsewhere"}));
    }
};

LUMENREST_TEST_MAIN(TestGoalsScreen)
#include "tst_GoalsScreen.moc"
