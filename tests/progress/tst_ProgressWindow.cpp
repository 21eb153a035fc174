// Answers recorded through the main window, a progress file that cannot be used, and the
// Progress window on a seeded log.

#include "cardstore/Connection.h"
#include "progress/ProgressService.h"
#include "progress/frmProgress.h"
#include "support/Find.h"
#include "testing/TestRunFixture.h"

#include <QAction>
#include <QListWidget>
#include <QTableWidget>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// Root may write any file, so a read-only file is made immutable as well.
bool setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    int flags = 0;
    bool ok = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

struct Fixture : TestRunFixture {
    Fixture()
    {
        choose(true, false); // cards 1, 2 and 3
    }
    QString storePath() { return fakes.paths.dataDir() + "/progress.sqlite"; }
    QStringList rows(const QString& sql)
    {
        modDB::Connection db(storePath(), modDB::Connection::Plain{false});
        QStringList out;
        const int n = db.value("SELECT count(*) FROM (" + sql + ")").toInt();
        for (int i = 0; i < n; ++i)
            out << db.value(sql + QStringLiteral(" LIMIT 1 OFFSET %1").arg(i)).toString();
        return out;
    }
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

progress::AnswerRecord seeded(int card, int score, const QDate& day, int mistakenFor = 0)
{
    progress::AnswerRecord a;
    a.answeredAt = QDateTime(day, QTime(12, 0)).toUTC();
    a.cardId = card;
    a.score = score;
    a.maxScore = 1;
    a.mistakenFor = mistakenFor;
    a.seconds = 3;
    return a;
}

} // namespace

class TestProgressWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyAnswerIsOneRow_data()
    {
        QTest::addColumn<int>("answers");
        QTest::addColumn<QString>("ended");
        QTest::newRow("whole test") << 3 << "1";
        QTest::newRow("abandoned after two") << 2 << "0";
    }
    void everyAnswerIsOneRow()
    {
        QFETCH(int, answers);
        QFETCH(QString, ended);
        Fixture f;
        f.runTest(answers);
        if (answers < 3)
            find<QTabWidget>(f.w, "SSTab1")->setCurrentIndex(frmMain::TabSettings);
        const QStringList expected = QStringList{"1|0|1|1|", "2|0|0|1|1", "3|0|1|1|"}.mid(0, answers);
        QCOMPARE(f.rows("SELECT card_id || '|' || reversed || '|' || score || '|' || max_score || '|' || "
                        "ifnull(mistaken_for, '') FROM answers ORDER BY rowid"),
                 expected);
        QCOMPARE(f.rows("SELECT test_type || level || deck_size || (ended_at IS NOT NULL) FROM tests"),
                 QStringList{"Description03" + ended});
    }

    void unusableStoreLetsTheTestFinish_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("damaged") << "damaged" << "was damaged";
        QTest::newRow("newer") << "newer" << "newer version";
        QTest::newRow("read-only") << "read-only" << "read-only";
    }
    void unusableStoreLetsTheTestFinish()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        Fixture f;
        const QString path = f.storePath();
        if (kind == "damaged") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')) == 4096);
        } else {
            progress::ProgressStore(path).recordAnswer(seeded(5, 1, QDate(2024, 2, 1)));
            if (kind == "newer")
                modDB::Connection(path, modDB::Connection::Plain{false}).run("PRAGMA user_version = 99");
            else
                QFile::setPermissions(path, QFile::ReadOwner);
        }
        if (kind == "read-only" && geteuid() == 0 && !setImmutable(path, true))
            QSKIP("root cannot be kept from writing here");
        QSignalSpy problems(&only<progress::ProgressService>(f.w), &progress::ProgressService::problemChanged);
        f.runTest();
        if (kind == "read-only")
            setImmutable(path, false);

        QCOMPARE(f.fakes.dialogs.messages.size(), 1); // "Test Complete" alone
        QCOMPARE(f.info(), QStringLiteral("2 out of 3 questions correct"));
        // Said once; a damaged file read at start-up is said again when it is set aside.
        QCOMPARE(problems.size(), kind == "damaged" ? 2 : 1);
        QLabel* line = find<QLabel>(find(f.w, "tabTest"), "lblProgressStore");
        QVERIFY(!line->isHidden());
        QVERIFY2(line->text().contains(reason) && line->text().contains(path), qPrintable(line->text()));
    }

    void windowShowsTheLogAndStaysCurrent()
    {
        Fixture f;
        const QDate today = f.fakes.clock.date;
        {
            progress::ProgressStore store(f.storePath());
            store.beginTest({QDateTime(today.addDays(-1), QTime(11, 0)).toUTC(), progress::TestType::Description, 0, 3});
            store.recordAnswer(seeded(1, 1, today.addDays(-1)));
            store.recordAnswer(seeded(2, 0, today.addDays(-1), 4));
            store.beginTest({QDateTime(today, QTime(11, 0)).toUTC(), progress::TestType::Description, 0, 3});
            store.recordAnswer(seeded(2, 0, today, 4));
        }
        QVERIFY(!f.progressWindow()); // nothing read before it is asked for
        find<QAction>(f.w, "mnuProgress")->trigger();
        frmProgress* window = f.progressWindow();
        QVERIFY(window && window->isVisible());
        const auto text = [window](const char* name) { return find<QLabel>(window, name)->text(); };
        QCOMPARE(text("lblKnownCount"), QStringLiteral("1 of 78 cards known"));
        for (const char* name : {"lblAnswerCount", "lblTestCount", "lblDaysStudied", "lblStudyRun"})
            QVERIFY2(text(name).contains(name == QByteArray("lblAnswerCount") ? "3" : "2"), name);
        QVERIFY(find<QLabel>(window, "lblNoProgress")->isHidden());
        QListWidget* deck = find<QListWidget>(window, "lstDeck");
        QCOMPARE(deck->count(), 8);
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
        QCOMPARE(f.w->findChildren<frmProgress*>().size(), 1);
        QVERIFY(window->isVisible());
        QVERIFY(text("lblAnswerCount").contains("6"));
        QCOMPARE(find<QTableWidget>(window, "tblCardAnswers")->rowCount(), 3);

        // Export through the save dialog: a header and one line per answer.
        const QString csv = f.fakes.paths.dir.path() + "/answers.csv";
        f.fakes.dialogs.saveAnswers << csv;
        QTest::mouseClick(find<QPushButton>(window, "cmdExportProgress"), Qt::LeftButton);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 8); // 6 answers, the header, and the empty text after the last line end
        QVERIFY(lines[2].contains(",Card 2,0,Description,0,0,1,4,"));

        // Backup, then restore it over a longer log: the replaced file is kept and reported.
        const QString backup = f.fakes.paths.dir.path() + "/kept.sqlite";
        f.fakes.dialogs.saveAnswers << backup;
        QTest::mouseClick(find<QPushButton>(window, "cmdBackupProgress"), Qt::LeftButton);
        f.runTest();
        QTRY_VERIFY(text("lblAnswerCount").contains("9")); // caught up once the event loop is free
        f.fakes.dialogs.openAnswers << backup;
        f.fakes.dialogs.askAnswers << true;
        f.fakes.dialogs.messages.clear();
        QTest::mouseClick(find<QPushButton>(window, "cmdRestoreProgress"), Qt::LeftButton);
        QCOMPARE(f.fakes.dialogs.messages.size(), 2); // the question, then where the old file is
        QCOMPARE(f.fakes.dialogs.messages[0].icon, Dialogs::Icon::Question);
        const QString report = f.fakes.dialogs.messages[1].text;
        const QString kept = report.section('"', 1, 1);
        QVERIFY2(kept.endsWith(".bak") && QFileInfo::exists(kept), qPrintable(report));
        QTRY_VERIFY(text("lblAnswerCount").contains("6"));
    }

    void firstOpenWithoutAnswers()
    {
        Fixture f;
        find<QAction>(f.w, "mnuProgress")->trigger();
        QVERIFY(!find<QLabel>(f.progressWindow(), "lblNoProgress")->isHidden());
        QVERIFY(!QFileInfo::exists(f.storePath())); // created with the first answer only
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
    }
};

LUMENREST_TEST_MAIN(TestProgressWindow)
#include "tst_ProgressWindow.moc"
