#include "controls/UserControl1.h"
#include "goals/GoalsScreen.h"
#include "goals/modGoals.h"
#include "support/Fakes.h"
#include "support/Find.h"
#include "support/TestMain.h"
#include "goals/GoalsTestSupport.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTreeWidget>

#include <optional>

using namespace GoalsTest;
using modGoals::Goals;

namespace {
const QDate kToday(2024, 2, 29); // FakeClock's date
const QByteArray kA = line("Learn the Major Arcana", "2024-02-29", "2024-03-07", "Ten cards a day", false, 10);
const QByteArray kB = line("Cups, Wands", "2024-01-01", "2024-12-31", "line one\r\nline two", true, 60);
const QByteArray kC = line("Court cards", "2024-02-01", "2024-02-11", "", false, 30);
const QStringList kOnlyA = {"Learn the Major Arcana _0 0"};

struct Screen {
    FakeServices fs;
    std::unique_ptr<GoalsScreen> w;

    // Starts the screen on these goals file bytes (none: no file), optionally in a program
    // directory of its own below the temporary one ("blocker/..." takes no files).
    explicit Screen(std::optional<QByteArray> bytes, const char* exeDir = nullptr)
    {
        writeBytes(fs.paths.dir.filePath("blocker"), "x");
        if (exeDir)
            QDir().mkpath(fs.paths.exeDir = fs.paths.dir.filePath(exeDir));
        if (bytes)
            writeBytes(file(), *bytes);
        w = std::make_unique<GoalsScreen>(fs.services());
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) // and active: a new goal takes the focus
            qFatal("window not shown");
        w->InitGoals();
    }
    QString file() const { return fs.paths.executableDir() + "/goals.txt"; }
    template <class T = QWidget> T* get(const char* name) const { return find<T>(w.get(), name); }
    QTreeWidget* list() const { return get<QTreeWidget>("ListView1"); }
    const char* textProperty(QWidget* c) const { return qobject_cast<QPlainTextEdit*>(c) ? "plainText" : "text"; }
    QString text(const char* name) const { return get(name)->property(textProperty(get(name))).toString(); }
    void type(const char* name, const QString& text) { get(name)->setProperty(textProperty(get(name)), text); }
    void click(const char* name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    // The two view buttons share one place: only the one in front is seen and clicked.
    QWidget* toggle() const { return get<QStackedWidget>("optGoalsToggle")->currentWidget(); }
    void check(int r) { list()->topLevelItem(r)->setCheckState(0, Qt::Checked); }
    void deleteFirst() { check(0); click("cmdDeleteGoals"); }
    // Each row as "name key column-1".
    QStringList rows() const
    {
        QStringList out;
        for (const QTreeWidgetItem* row : list()->findItems(QString(), Qt::MatchContains)) // every row, in order
            out << row->text(0) + ' ' + row->data(0, Qt::UserRole).toString() + ' ' + row->text(1);
        return out;
    }
    // What the user was told, every message a stop in the program's name.
    QStringList told() const
    {
        QStringList out;
        for (const FakeDialogs::Message& m : fs.dialogs.messages)
            out << (m.caption == "Lumenrest" && m.icon == Dialogs::Icon::Critical ? m.text : "not a stop: " + m.text);
        return out;
    }
    void newGoal(const QString& name, const QString& desc = {})
    {
        click("cmdNewGoal");
        type("txtGoalName", name);
        type("txtGoalDesc", desc);
    }
};
}

class TestGoalsScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Goals.clear(); }

    // No goals file, and a program directory that takes no files: goals go to the data directory.
    void startWithoutAGoalsFile()
    {
        Screen s({}, "blocker/bin");
        QVERIFY(s.toggle() == s.get("optGoals_1") && !s.get("optGoals_0")->isVisible());
        QVERIFY(s.rows().isEmpty() && !s.get("cmdSaveGoals")->isEnabled() && !s.get("txtGoalDesc")->isEnabled());
        QCOMPARE(s.text("lblDayCount"), QString()); // today was shown without a Change

        s.newGoal("Elsewhere");
        s.click("cmdSaveGoals");
        QVERIFY(s.fs.dialogs.messages.isEmpty());
        QCOMPARE(readBytes(s.fs.paths.dataDir() + "/goals.txt"), line("Elsewhere", "2024-02-29", "2024-03-07", ""));
        QCOMPARE(s.rows(), QStringList({"Elsewhere _0 0"})); // read back from there
    }

    void startShowsTheCurrentGoals()
    {
        Screen s(kA + kB + kC);
        QCOMPARE(s.rows(), QStringList({"Learn the Major Arcana _0 0", "Court cards _2 2"}));
        QVERIFY(s.list()->topLevelItem(0)->isSelected() && s.get("cmdSaveGoals")->isEnabled());
        QCOMPARE(s.text("txtGoalDesc") + '|' + s.text("lblDayCount"), QStringLiteral("Ten cards a day|7"));
        QVERIFY(s.get<UserControl1>("mydtpEndingDate")->Value() == QDate(2024, 3, 7) && s.get<QComboBox>("Combo3")->currentIndex() == 10);

        QTest::mouseClick(s.list()->viewport(), Qt::LeftButton, {}, s.list()->visualItemRect(s.list()->topLevelItem(1)).center());
        QCOMPARE(s.text("txtGoalName") + '|' + s.text("lblDaysRemaining") + '|' + s.text("lblInfo"),
                 QStringLiteral("Court cards|-18|You should have achieved 280%. You have actually achieved 30%"));
        // A picked date changes the day count at once; the timer waits for the next goal shown.
        s.get<UserControl1>("mydtpStartingDate")->findChild<QComboBox*>("cboMonth")->setCurrentIndex(0);
        QCOMPARE(s.text("lblDayCount") + '|' + s.text("lblDaysRemaining"), QStringLiteral("41|-18"));
    }

    // Each fix uncovers the next fault in line; the goal is then saved at 0 % whatever Combo3 shows.
    void newGoalIsValidatedInOrderThenSaved()
    {
        Screen s(kA);
        s.newGoal("", "say \"hi\"");
        QCOMPARE(s.text("lblDayCount") + '|' + s.text("lblInfo"), QStringLiteral("7|"));
        QCOMPARE(QApplication::focusWidget(), s.get("txtGoalName"));
        for (int days : {0, -3, 1}) {
            s.get<UserControl1>("mydtpEndingDate")->setValue(kToday.addDays(days));
            s.click("cmdSaveGoals");
        }
        s.type("txtGoalName", "Fool");
        s.click("cmdSaveGoals");
        s.type("txtGoalName", "The \"Fool\"");
        s.type("txtGoalDesc", "line\nfine");
        s.click("cmdSaveGoals");
        const QString dates = QStringLiteral("Starting date can't be same or later than ending date.");
        const QString quote = QStringLiteral("Goal name and description can't contain double quotes (\").");
        QCOMPARE(s.told(), QStringList({dates, dates, "Goal name can't be blank.", quote, quote}));
        QCOMPARE(readBytes(s.file()), kA);
        QVERIFY(s.w->newGoalMode());

        s.type("txtGoalName", "Fool");
        s.get<QComboBox>("Combo3")->setCurrentIndex(40);
        s.click("cmdSaveGoals");
        QCOMPARE(s.told().size(), 5);
        QCOMPARE(readBytes(s.file()), kA + line("Fool", "2024-02-29", "2024-03-01", "line\r\nfine", false, 0));
        QVERIFY(!s.w->newGoalMode());
        QCOMPARE(s.rows(), QStringList({"Learn the Major Arcana _0 0", "Fool _1 1"}));
    }

    void deleteReindexesAndTheLastLeavesAnEmptyFile()
    {
        Screen s(kB + kA + kC);
        s.deleteFirst();
        QCOMPARE(readBytes(s.file()), kB + kC);
        QCOMPARE(s.rows(), QStringList({"Court cards _1 1"}));
        s.deleteFirst();
        QTest::mouseClick(s.toggle(), Qt::LeftButton); // achieved goals can be deleted too
        QCOMPARE(s.rows(), QStringList({"Cups, Wands _0 0"}));
        s.deleteFirst();
        QVERIFY(QFileInfo(s.file()).isFile() && QFileInfo(s.file()).size() == 0 && s.rows().isEmpty() && s.fs.dialogs.messages.isEmpty());
        QCOMPARE(s.text("txtGoalName") + s.text("lblDayCount") + s.text("lblInfo"), QString());
        QVERIFY(!s.get("cmdSaveGoals")->isEnabled() && !s.get<UserControl1>("mydtpStartingDate")->Enabled());
    }

    void markedGoalsMoveToTheAchievedViewAndStayAchieved()
    {
        Screen s(kA + kC);
        s.check(1);
        s.click("cmdMarkAchived");
        QCOMPARE(readBytes(s.file()), kA + line("Court cards", "2024-02-01", "2024-02-11", "", true, 30));
        QCOMPARE(s.toggle(), s.get("optGoals_1")); // offers the achieved goals
        QTest::mouseClick(s.toggle(), Qt::LeftButton);
        QCOMPARE(s.rows(), QStringList({"Court cards _1 1"}));
        // An update keeps the mark and shows the current goals again.
        s.type("txtGoalName", "Courts");
        s.click("cmdSaveGoals");
        QCOMPARE(readBytes(s.file()), kA + line("Courts", "2024-02-01", "2024-02-11", "", true, 30));
        QCOMPARE(s.rows(), kOnlyA);
        QCOMPARE(s.toggle(), s.get("optGoals_1")); // offers the achieved goals
    }

    // The message names the file as it is, even in a folder whose name holds "%2".
    void aDamagedFileIsKeptAndReportedOnce()
    {
        const QByteArray damaged = kA + "\"Court cards\",#2024-02-01#,#2024-02-31#,\"\",#FALSE#,0\r\n" + kC;
        Screen s(damaged, "x%2y");
        const FakeDialogs::Message m = s.fs.dialogs.messages.value(0);
        const QStringList copies = QDir(s.fs.paths.exeDir).entryList({"goals.txt.*.bak"});
        QCOMPARE(copies.size(), 1);
        QVERIFY2(m.icon == Dialogs::Icon::Exclamation && m.text.contains("line 2") && m.text.contains(copies[0])
                     && m.text.contains(QDir::toNativeSeparators(s.file()) + '"'), qPrintable(m.text));
        QCOMPARE(s.rows(), kOnlyA);
        // The next change writes a sound file, with the percentage shown; the copy stays as it was.
        s.get<QComboBox>("Combo3")->setCurrentIndex(50);
        s.click("cmdSaveGoals");
        QCOMPARE(s.fs.dialogs.messages.size(), 1);
        QCOMPARE(readBytes(s.file()), line("Learn the Major Arcana", "2024-02-29", "2024-03-07", "Ten cards a day", false, 50));
        QCOMPARE(readBytes(s.fs.paths.exeDir + "/" + copies[0]), damaged);
    }

    // A name past the line edit's limit is saved whole; a long run without blanks is kept whole
    // in the editor, which wraps it anywhere (word wrapping stalls on it); the list cuts the name.
    void longTextsAreKeptWhole()
    {
        const QString name(40000, QLatin1Char('n')), run(20000, QLatin1Char('d'));
        const QByteArray bytes = line(name, "2024-02-01", "2024-03-01", "a " + run);
        Screen s(bytes);
        const auto* desc = s.get<QPlainTextEdit>("txtGoalDesc");
        QCOMPARE(desc->wordWrapMode(), QTextOption::WrapAnywhere);
        QVERIFY(s.list()->topLevelItem(0)->text(0).endsWith("(name cut here for the list)"));
        s.click("cmdSaveGoals");
        QVERIFY(s.told().isEmpty());
        QCOMPARE(readBytes(s.file()), bytes);
        s.click("cmdNewGoal"); // ordinary text wraps at words again
        QCOMPARE(desc->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    void aFailedWriteChangesNothing()
    {
        Screen s(kA);
        // A directory in the file's place: nothing can be written there.
        QVERIFY(QFile::remove(s.file()) && QDir().mkdir(s.file()));
        s.newGoal("New one");
        s.click("cmdSaveGoals");
        s.check(0);
        s.click("cmdMarkAchived");
        s.click("cmdDeleteGoals");
        QCOMPARE(s.told().filter(QRegularExpression("^Your goals could not be saved to")).size(), 3);
        QVERIFY(s.w->newGoalMode() && s.text("txtGoalName") == "New one");
        QCOMPARE(Goals, QList<Goal>({Goal{"Learn the Major Arcana", kToday, QDate(2024, 3, 7), "Ten cards a day", false, 10}}));
        QCOMPARE(s.rows(), kOnlyA);
    }
};

LUMENREST_TEST_MAIN(TestGoalsScreen)
#include "tst_GoalsScreen.moc"
