#include "cardstore/Connection.h"
#include "goals/GoalsTestSupport.h" // whole-file reads and writes
#include "progress/ProgressStore.h"
#include "support/TestMain.h"

#include <QBuffer>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <thread>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace progress;
using GoalsTest::readBytes;
using GoalsTest::writeBytes;

namespace {
const QDateTime kStart(QDate(2024, 2, 29), QTime(9, 30), Qt::UTC);

AnswerRecord answer(int card, int score, int mistakenFor = 0, int secondsOffset = 0)
{
    return {.answeredAt = kStart.addSecs(10 + secondsOffset), .cardId = card, .reversed = card % 2 == 1, .level = 1,
            .score = score, .maxScore = 1, .mistakenFor = mistakenFor, .seconds = 4.5};
}

QVariant query(const QString& path, const QString& sql) { return modDB::Connection(path, modDB::Connection::Plain{false}).value(sql); }

// Root may write any file, so a read-only file is made immutable as well.
bool setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    int flags = 0;
    bool ok = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0) ::close(fd);
    return ok;
}
} // namespace

class TestProgressStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private Q_SLOTS:
    void init() { m_path = m_dir.path() + QStringLiteral("/%1-%2/progress.sqlite").arg(QTest::currentTestFunction(), QTest::currentDataTag()); }

    // The file appears with the first answer, which is one row, as is every later one.
    void oneRowPerAnswer()
    {
        ProgressStore store(m_path);
        QSignalSpy problems(&store, &ProgressStore::problemChanged);
        const QVector<AnswerRecord> answers = {answer(1, 1), answer(22, 0, 40, 5), answer(78, 1, 0, 9)};
        store.beginTest({kStart, TestType::Description, 1, 3});
        QVERIFY(!QFileInfo::exists(m_path));
        for (const AnswerRecord& a : answers)
            QVERIFY(store.recordAnswer(a) && QFileInfo::exists(m_path) && problems.isEmpty());
        const QVector<AnswerRecord> log = store.readLog();
        QCOMPARE(log.size(), 3);
        const auto fields = [](const AnswerRecord& a) { return std::tuple(a.answeredAt, a.cardId, a.reversed, a.score, a.mistakenFor, a.seconds); };
        for (int i = 0; i < 3; ++i)
            QVERIFY(log[i].testId == store.currentTestId() && fields(log[i]) == fields(answers[i]));
        QVERIFY(store.endTest(kStart.addSecs(60)));
        QCOMPARE(query(m_path, "SELECT ended_at FROM tests").toString(), QStringLiteral("2024-02-29T09:31:00Z"));
        // A test without an answer leaves nothing behind.
        store.beginTest({kStart, TestType::Keywords, 0, 3});
        store.endTest(kStart);
        QCOMPARE(query(m_path, "SELECT count(*) FROM tests").toInt(), 1);
    }

    void unusableFileIsReportedOnce_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("damaged") << "was damaged. It is kept as";
        QTest::newRow("newer") << "newer version";
        QTest::newRow("foreign") << "not a Lumenrest progress file";
        QTest::newRow("read-only") << "is read-only";
    }

    void unusableFileIsReportedOnce()
    {
        const QString kind = QTest::currentDataTag();
        QFETCH(QString, reason);
        QDir().mkpath(QFileInfo(m_path).path());
        if (kind == "damaged") {
            writeBytes(m_path, QByteArray(4096, 'x'));
        } else if (kind != "read-only") {
            modDB::Connection(m_path, modDB::Connection::Plain{true})
                .run(kind == "newer" ? "PRAGMA user_version = 99" : "CREATE TABLE notes (text TEXT)");
        } else {
            ProgressStore(m_path).recordAnswer(answer(1, 1));
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            if (geteuid() == 0 && !setImmutable(m_path, true))
                QSKIP("root cannot be kept from writing here");
        }
        const QByteArray before = readBytes(m_path);

        ProgressStore store(m_path);
        QSignalSpy problems(&store, &ProgressStore::problemChanged);
        bool recorded = false;
        for (int card : {10, 11, 12})
            recorded = store.recordAnswer(answer(card, 1)) || recorded;
        store.endTest(kStart);
        if (kind == "read-only")
            setImmutable(m_path, false);

        QCOMPARE(problems.count(), 1);
        QVERIFY2(store.problem().contains(reason) && store.problem().contains(QDir::toNativeSeparators(m_path)),
                 qPrintable(store.problem()));
        if (kind == "damaged") {
            // Kept aside untouched; the answers go to a new file.
            const QStringList kept = QDir(QFileInfo(m_path).path()).entryList({"progress.sqlite.*.damaged"});
            QVERIFY(kept.size() == 1 && readBytes(QFileInfo(m_path).path() + "/" + kept[0]) == before);
            QVERIFY(recorded && store.readLog().size() == 3);
        } else {
            QVERIFY(!recorded && readBytes(m_path) == before);
        }
    }

    void exportBytes()
    {
        AnswerRecord a = answer(2, 0, 3);
        a.testId = 7;
        a.testType = TestType::Keywords;
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        writeAnswersCsv(out, {a}, [](int) { return QStringLiteral("The \"High\" Priestess, II"); });
        // The header as written; quotes doubled and a comma kept inside the field.
        QCOMPARE(out.data(), QByteArray("answered_at,test_id,card_id,card_name,reversed,test_type,level,score,max_score,"
                                        "mistaken_for,seconds\r\n"
                                        "2024-02-29T09:30:10Z,7,2,\"The \"\"High\"\" Priestess, II\",0,Keywords,1,0,1,3,4.5\r\n"));
    }

    void backUpAndRestore()
    {
        ProgressStore store(m_path);
        store.beginTest({kStart, TestType::Description, 1, 2});
        QVERIFY(store.recordAnswer(answer(1, 1)) && store.recordAnswer(answer(2, 0, 9)));
        const QString backup = m_dir.path() + "/backUpAndRestore.backup";
        QString error;
        QVERIFY2(store.backUp(backup, &error), qPrintable(error));
        // One self-contained file: no journal beside it, and not marked for WAL (header bytes 18, 19).
        QVERIFY(!QFileInfo::exists(backup + "-wal") && readBytes(backup).mid(18, 2) == QByteArray("\x01\x01"));

        store.recordAnswer(answer(3, 1));
        QVERIFY(ProgressStore::checkBackup(backup).ok && ProgressStore::checkBackup(backup).answers == 2);
        QString kept;
        QVERIFY2(store.restore(backup, &error, &kept), qPrintable(error));
        QVERIFY(store.readLog().size() == 2 && store.readLog()[1].mistakenFor == 9);
        QCOMPARE(ProgressStore::checkBackup(kept).answers, 3);
        // The test that was running goes on in the restored file.
        QVERIFY(store.recordAnswer(answer(4, 1)) && store.readLog().size() == 3);

        const QString junk = m_dir.path() + "/junk.backup";
        writeBytes(junk, "not a database at all");
        QVERIFY(!ProgressStore::checkBackup(junk).ok && !store.restore(junk, &error));
        QCOMPARE(store.readLog().size(), 3);
    }

    // Another copy holds the file for a moment while this one first reads it: this one waits.
    void waitsWhileAnotherCopyHoldsTheFile()
    {
        ProgressStore(m_path).recordAnswer(answer(1, 1));
        auto other = std::make_unique<modDB::Connection>(m_path, modDB::Connection::Plain{false});
        other->run(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
        other->run(QStringLiteral("BEGIN EXCLUSIVE"));
        std::thread release([&other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            other->run(QStringLiteral("COMMIT"));
            other.reset();
        });
        ProgressStore store(m_path);
        const bool recorded = store.recordAnswer(answer(2, 1));
        release.join();
        QVERIFY2(recorded, qPrintable(store.problem()));
        QCOMPARE(store.readLog().size(), 2);
    }

    // Two copies of the program share the file; each records all of its answers.
    void twoWritersAtOnce()
    {
        ProgressStore(m_path).recordAnswer(answer(1, 1));
        auto writer = [this](int first, bool* ok) {
            ProgressStore store(m_path);
            store.beginTest({kStart, TestType::Description, 0, 78});
            for (int i = 0; i < 150; ++i)
                *ok = store.recordAnswer(answer(first + i % 30, 1)) && *ok;
        };
        bool okA = true, okB = true;
        std::thread a(writer, 1, &okA), b(writer, 41, &okB);
        a.join();
        b.join();
        QVERIFY(okA && okB);
        QCOMPARE(ProgressStore(m_path).readLog().size(), 301);
        QCOMPARE(query(m_path, "SELECT count(*) FROM tests").toInt(), 3);
        QCOMPARE(query(m_path, "PRAGMA integrity_check").toString(), QStringLiteral("ok"));
    }
};

LUMENREST_TEST_MAIN(TestProgressStore)
#include "tst_ProgressStore.moc"
