// Answers recorded through the main window, a progress file that cannot be used, and the
// Progress window on a seeded log.

#include "cardstore/Connection.h"
#include "goals/GoalsTestSupport.h" // whole-file reads and writes
#include "progress/AnswerLog.h"
#include "progress/ProgressService.h"
#include "progress/frmProgress.h"
#include "testing/TestRunFixture.h"

#include <QAction>
#include <QListWidget>
#include <QTableWidget>

namespace {

struct Fixture : TestRunFixture {
    Fixture() { choose(true, false); } // cards 1, 2 and 3
    QString storePath() { return fakes.paths.dataDir() + "/progress.sqlite"; }
    QString rows(const QString& sql) // one row a line
    { return modDB::Connection(storePath(), modDB::Connection::Plain{false}).value("SELECT group_concat(r, '\n') FROM (" + sql + ")").toString(); }
    // Three questions: card 1 right, card 2 taken for card 1, card 3 right; stops after `answers`.
    void runTest(int answers = 3)
    {
        plan({1}, 3, 0, 2, {2, 3});
        plan({2}, 3, 0, 4, {1, 3});
        plan({3}, 3, 0, 3, {1, 2});
        start();
        for (int q = 0; q < answers; ++q)
            answer(q != 1);
    }
    frmProgress* progressWindow() { return w->findChild<frmProgress*>(); }
};

} // namespace

class TestProgressWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // An abandoned test keeps the answers it had.
    void everyAnswerIsOneRow()
    {
        Fixture f;
        f.runTest(2);
        find<QTabWidget>(f.w, "SSTab1")->setCurrentIndex(frmMain::TabSettings);
        QCOMPARE(f.rows("SELECT card_id || '|' || reversed || '|' || score || '|' || max_score || '|' || "
                        "ifnull(mistaken_for, '') || '|' || length(answered_at) AS r FROM answers ORDER BY rowid"),
                 QStringLiteral("1|0|1|1||20\n2|0|0|1|1|20")); // answered_at as 2024-02-29T09:30:10Z
        QCOMPARE(f.rows("SELECT test_type || level || deck_size || (ended_at IS NOT NULL) AS r FROM tests"), QStringLiteral("Description030"));
    }

    // The kinds of unusable file are the store's own test; here the test goes on regardless.
    void unusableStoreLetsTheTestFinish()
    {
        Fixture f;
        const QString path = f.storePath();
        GoalsTest::writeBytes(path, QByteArray(4096, 'x'));
        QSignalSpy problems(&only<progress::ProgressService>(f.w), &progress::ProgressService::problemChanged);
        f.runTest();
        QCOMPARE(f.fakes.dialogs.messages.size(), 1); // "Test Complete" alone
        QCOMPARE(f.info(), QStringLiteral("2 out of 3 questions correct"));
        // Said when read at start-up, and again when the file is set aside.
        QCOMPARE(problems.size(), 2);
        QLabel* line = find<QLabel>(find(f.w, "tabTest"), "lblProgressStore");
        QVERIFY2(!line->isHidden() && line->text().contains("was damaged") && line->text().contains(path), qPrintable(line->text()));
    }

    void windowShowsTheLogAndStaysCurrent()
    {
        Fixture f;
        const QDate today = f.fakes.clock.date;
        {
            progress::ProgressStore store(f.storePath());
            store.beginTest({QDateTime(today.addDays(-1), QTime(11, 0)).toUTC(), progress::TestType::Description, 0, 3});
            store.recordAnswer(AnswerLog::right(1, 1));
            store.recordAnswer(AnswerLog::wrong(2, 1, 4));
            store.beginTest({QDateTime(today, QTime(11, 0)).toUTC(), progress::TestType::Description, 0, 3});
            store.recordAnswer(AnswerLog::wrong(2, 0, 4));
        }
        QVERIFY(!f.progressWindow()); // nothing read before it is asked for
        find<QAction>(f.w, "mnuProgress")->trigger();
        frmProgress* window = f.progressWindow();
        const auto text = [window](const char* name) { return find<QLabel>(window, name)->text(); };
        QCOMPARE(text("lblKnownCount"), QStringLiteral("1 of 78 cards known"));
        for (const char* name : {"lblAnswerCount", "lblTestCount", "lblDaysStudied", "lblStudyRun"})
            QVERIFY2(text(name).contains(name == QByteArray("lblAnswerCount") ? "3" : "2"), name);
        QListWidget* deck = find<QListWidget>(window, "lstDeck");
        QStringList marks;
        for (int row : {0, 1, 2})
            marks << deck->item(row)->data(Qt::AccessibleTextRole).toString();
        QCOMPARE(marks, (QStringList{"Card 1 — known", "Card 2 — to review", "Card 3 — new"}));
        window->selectCard(2);
        QCOMPARE(find<QTableWidget>(window, "tblCardAnswers")->rowCount(), 2);
        QCOMPARE(find<QListWidget>(window, "lstMistakenFor")->item(0)->text(), QStringLiteral("Card 4 — 2 times"));

        // A test taken meanwhile shows at once; "My Progress" on the Results tab shows the same window.
        window->close();
        f.runTest();
        find<QPushButton>(f.w, "cmdProgress")->click();
        QVERIFY(f.w->findChildren<frmProgress*>().size() == 1 && window->isVisible() && text("lblAnswerCount").contains("6"));
        QCOMPARE(find<QTableWidget>(window, "tblCardAnswers")->rowCount(), 3);

        // Export through the save dialog: a header and one line per answer.
        const QString csv = f.fakes.paths.dir.path() + "/answers.csv";
        f.fakes.dialogs.saveAnswers << csv;
        QTest::mouseClick(find<QPushButton>(window, "cmdExportProgress"), Qt::LeftButton);
        QCOMPARE(GoalsTest::readBytes(csv).count("\r\n"), 7); // 6 answers and the header

        // Backup, then restore it over a longer log: the replaced file is kept and reported.
        const QString backup = f.fakes.paths.dir.path() + "/kept.sqlite";
        f.fakes.dialogs.saveAnswers << backup;
        QTest::mouseClick(find<QPushButton>(window, "cmdBackupProgress"), Qt::LeftButton);
        f.runTest();
        f.fakes.dialogs.openAnswers << backup;
        f.fakes.dialogs.askAnswers << true;
        QTest::mouseClick(find<QPushButton>(window, "cmdRestoreProgress"), Qt::LeftButton);
        QVERIFY2(QFileInfo::exists(f.fakes.dialogs.lastText().section('"', 1, 1)), qPrintable(f.fakes.dialogs.lastText()));
        QTRY_VERIFY(text("lblAnswerCount").contains("6"));
    }

    // An open window does not replay the log after every answer, only once the test is over.
    void openWindowCatchesUpOnceATestEnds_data()
    {
        QTest::addColumn<int>("answers");
        QTest::newRow("ended") << 3;
        QTest::newRow("abandoned") << 2;
    }
    void openWindowCatchesUpOnceATestEnds()
    {
        QFETCH(int, answers);
        Fixture f;
        find<QAction>(f.w, "mnuProgress")->trigger();
        // Opened before any answer: says so, and the file comes with the first answer only.
        QVERIFY(!find<QLabel>(f.progressWindow(), "lblNoProgress")->isHidden() && !QFileInfo::exists(f.storePath()));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        QSignalSpy refreshes(f.progressWindow(), &frmProgress::refreshed);
        f.runTest(answers);
        if (answers < 3)
            find<QTabWidget>(f.w, "SSTab1")->setCurrentIndex(frmMain::TabSettings);
        QTRY_VERIFY(find<QLabel>(f.progressWindow(), "lblAnswerCount")->text().endsWith(QString::number(answers)));
        QCoreApplication::processEvents();
        QCOMPARE(refreshes.size(), 1);
    }
};

LUMENREST_TEST_MAIN(TestProgressWindow)
#include "tst_ProgressWindow.moc"
