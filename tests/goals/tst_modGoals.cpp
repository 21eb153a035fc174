#include "goals/GoalsFormat.h"
#include "goals/modGoals.h"
#include "support/Fakes.h"
#include "support/TestMain.h"
#include "goals/GoalsTestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

using namespace GoalsTest;
using modGoals::Goals;
using Status = modGoals::ReadResult::Status;

namespace {
QByteArray written()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const modGoals::WriteResult r = modGoals::WriteGoals(buffer);
    if (!r.ok)
        qWarning("write failed: %s", qPrintable(r.error));
    return buffer.data();
}

modGoals::ReadResult readFrom(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return modGoals::ReadGoals(buffer);
}

const QDateTime kStamp(QDate(2026, 12, 6), QTime(8, 30, 0));
}

class TestModGoals : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("goals.txt")); }

private Q_SLOTS:
    void init()
    {
        Goals.clear();
        QDir dir(m_dir.path());
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
            dir.remove(name);
    }

    void exampleRecordIsWrittenByteForByte()
    {
        modGoals::AddGoal(QStringLiteral("Learn the Major Arcana"), QDate(2024, 3, 1), QDate(2024, 3, 8),
                          QStringLiteral("Ten cards a day"));
        QCOMPARE(written(),
                 QByteArray("\"Learn the Major Arcana\",#2024-03-01#,#2024-03-08#,\"Ten cards a day\",#FALSE#,0\r\n"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<Goal>("goal");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("commas in the name")
            << goal("Cups, Wands, Swords", QDate(2024, 3, 1), QDate(2024, 4, 1), "x")
            << QByteArray("\"Cups, Wands, Swords\",#2024-03-01#,#2024-04-01#,\"x\",#FALSE#,0\r\n");
        QTest::newRow("multi-line description")
            << goal("Study", QDate(2024, 3, 1), QDate(2024, 4, 1), "one\r\ntwo, three\r\n\r\nfour")
            << QByteArray("\"Study\",#2024-03-01#,#2024-04-01#,\"one\r\ntwo, three\r\n\r\nfour\",#FALSE#,0\r\n");
        QTest::newRow("empty description")
            << goal("Study", QDate(2024, 3, 1), QDate(2024, 4, 1), "")
            << QByteArray("\"Study\",#2024-03-01#,#2024-04-01#,\"\",#FALSE#,0\r\n");
        QTest::newRow("leading zeros in dates")
            << goal("Early", QDate(2025, 1, 5), QDate(2025, 9, 9), "d")
            << QByteArray("\"Early\",#2025-01-05#,#2025-09-09#,\"d\",#FALSE#,0\r\n");
        QTest::newRow("achieved, 100 %")
            << goal("Done", QDate(2024, 10, 10), QDate(2024, 12, 31), "d", true, 100)
            << QByteArray("\"Done\",#2024-10-10#,#2024-12-31#,\"d\",#TRUE#,100\r\n");
        QTest::newRow("spaces kept, 7 %")
            << goal("  padded  ", QDate(2024, 1, 1), QDate(2024, 1, 2), " ", false, 7)
            << QByteArray("\"  padded  \",#2024-01-01#,#2024-01-02#,\" \",#FALSE#,7\r\n");
        QTest::newRow("text outside ASCII as UTF-8")
            << goal(QStringLiteral("Caf\u00e9 \u2013 \u5854\u7f85"), QDate(1999, 12, 31), QDate(2000, 1, 1), "\u20ac")
            << QByteArray("\"Caf\xc3\xa9 \xe2\x80\x93 \xe5\xa1\x94\xe7\xbe\x85\",#1999-12-31#,#2000-01-01#,\"\xe2\x82\xac\","
                          "#FALSE#,0\r\n");
        QTest::newRow("number sign and year 0999")
            << goal("#1 goal #", QDate(999, 2, 3), QDate(2024, 1, 1), "#")
            << QByteArray("\"#1 goal #\",#0999-02-03#,#2024-01-01#,\"#\",#FALSE#,0\r\n");
    }

    void roundTrip()
    {
        QFETCH(Goal, goal);
        QFETCH(QByteArray, bytes);
        Goals = {goal};
        QCOMPARE(written(), bytes);
        Goals.clear();
        const modGoals::ReadResult r = readFrom(bytes);
        QCOMPARE(r.status, Status::Ok);
        QCOMPARE(Goals.size(), 1);
        QCOMPARE(Goals[0], goal);
    }

    void manyRecordsReadInOrder()
    {
        for (int i = 0; i < 5; ++i)
            modGoals::AddGoal(QStringLiteral("goal %1").arg(i), QDate(2024, 1, 1 + i), QDate(2024, 2, 1 + i),
                              QStringLiteral("line\r\nline %1").arg(i));
        const QList<Goal> before = Goals;
        readFrom(written());
        QCOMPARE(Goals, before);
    }

    void addGoalAppends()
    {
        modGoals::AddGoal("first", QDate(2024, 1, 1), QDate(2024, 1, 8), "a");
        QVERIFY(modGoals::HasGoals());
        QCOMPARE(Goals.size(), 1);
        QCOMPARE(Goals[0], goal("first", QDate(2024, 1, 1), QDate(2024, 1, 8), "a"));
        Goals[0].Achieved = true;
        Goals[0].AchievedPercentage = 55;
        modGoals::AddGoal("second", QDate(2024, 2, 1), QDate(2024, 2, 8), "");
        QCOMPARE(Goals.size(), 2);
        QCOMPARE(Goals[0].AchievedPercentage, qint16(55));
        QCOMPARE(Goals[1], goal("second", QDate(2024, 2, 1), QDate(2024, 2, 8), ""));
    }

    void writeGoalsExceptLeavesOutAndKeepsTheList()
    {
        for (int i = 0; i < 5; ++i)
            modGoals::AddGoal(QStringLiteral("g%1").arg(i), QDate(2024, 1, 1), QDate(2024, 1, 2), "");
        QVERIFY(modGoals::WriteGoalsExcept({1, 3}, path()).ok);
        QCOMPARE(readBytes(path()), line("g0", "2024-01-01", "2024-01-02", "") + line("g2", "2024-01-01", "2024-01-02", "")
                                        + line("g4", "2024-01-01", "2024-01-02", ""));
        QCOMPARE(Goals.size(), 5);
        QCOMPARE(modGoals::ReadGoals(path()).status, Status::Ok);
        QCOMPARE(Goals.size(), 3);
        QCOMPARE(Goals[1].GoalName, QStringLiteral("g2"));
    }

    void leavingOutEveryGoalWritesAnEmptyFile()
    {
        modGoals::AddGoal("only", QDate(2024, 1, 1), QDate(2024, 1, 2), "");
        QVERIFY(modGoals::WriteGoals(path()).ok);
        const modGoals::WriteResult r = modGoals::WriteGoalsExcept({0}, path());
        QVERIFY(r.ok && r.written);
        QVERIFY(QFileInfo::exists(path()));
        QCOMPARE(QFileInfo(path()).size(), 0);
        QCOMPARE(modGoals::ReadGoals(path()).status, Status::Ok);
        QVERIFY(!modGoals::HasGoals());
    }

    void noGoalsLeavesTheFileUntouched()
    {
        const QByteArray old = line("kept", "2024-01-01", "2024-01-02", "");
        writeBytes(path(), old);
        const modGoals::WriteResult r = modGoals::WriteGoals(path());
        QVERIFY(r.ok);
        QVERIFY(!r.written);
        QVERIFY(modGoals::WriteGoalsExcept({0}, path()).ok);
        QCOMPARE(readBytes(path()), old);
    }

    void missingAndZeroByteFilesHoldNoGoals()
    {
        modGoals::AddGoal("stale", QDate(2024, 1, 1), QDate(2024, 1, 2), "");
        QCOMPARE(modGoals::ReadGoals(path()).status, Status::NoFile);
        QVERIFY(!modGoals::HasGoals());
        writeBytes(path(), {});
        modGoals::AddGoal("stale", QDate(2024, 1, 1), QDate(2024, 1, 2), "");
        const modGoals::ReadResult r = modGoals::ReadGoals(path());
        QCOMPARE(r.status, Status::Ok);
        QVERIFY(!modGoals::HasGoals());
        QCOMPARE(QDir(m_dir.path()).entryList({"*.bak"}, QDir::Files), QStringList());
    }

    void handEditedFilesAreAccepted_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("desc");
        QTest::newRow("lone LF everywhere") << QByteArray("\"a\",#2024-01-01#,#2024-01-02#,\"x\ny\",#FALSE#,5\n")
                                            << "a" << "x\r\ny";
        QTest::newRow("no line break at the end") << QByteArray("\"a\",#2024-01-01#,#2024-01-02#,\"d\",#FALSE#,5")
                                                  << "a" << "d";
        QTest::newRow("spaces around fields, blank lines")
            << QByteArray("\r\n  \"a\" , #2024-1-1# ,#2024-01-02#, \"d\",#false#, 5  \r\n\r\n\n") << "a" << "d";
        QTest::newRow("UTF-8 byte order mark") << QByteArray("\xef\xbb\xbf\"a\",#2024-01-01#,#2024-01-02#,\"d\",#FALSE#,5\r\n")
                                               << "a" << "d";
        QTest::newRow("Windows-1252") << QByteArray("\"Caf\xe9 \x80\",#2024-01-01#,#2024-01-02#,\"\x93q\x94\",#FALSE#,5\r\n")
                                      << QStringLiteral("Caf\u00e9 \u20ac") << QStringLiteral("\u201cq\u201d");
    }

    void handEditedFilesAreAccepted()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QString, desc);
        QCOMPARE(readFrom(bytes).status, Status::Ok);
        QCOMPARE(Goals.size(), 1);
        QCOMPARE(Goals[0].GoalName, name);
        QCOMPARE(Goals[0].GoalDesc, desc);
        QCOMPARE(Goals[0].AchievedPercentage, qint16(5));
        // Written back in the format proper: UTF-8 and CR LF.
        const QByteArray again = written();
        QCOMPARE(again, line(name, "2024-01-01", "2024-01-02", desc, false, 5));
    }

    void malformedFileKeepsTheGoalsBeforeTheFault_data()
    {
        const QByteArray good = line("one", "2024-01-01", "2024-01-08", "a\r\nb") + line("two", "2024-02-01", "2024-02-08", "");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("faultLine");
        QTest::addColumn<QString>("fault");
        QTest::newRow("cut inside a text") << good + "\"thr" << 2 << 4 << "the goal name is not enclosed";
        QTest::newRow("cut after a field") << good + "\"three\",#2024-01-01#" << 2 << 4 << "a comma was expected";
        QTest::newRow("number for a date") << good + "\"three\",20240101,#2024-01-02#,\"\",#FALSE#,0\r\n" << 2 << 4
                                           << "the starting date is not a date";
        QTest::newRow("no such day") << "\"x\",#2023-02-29#,#2024-01-02#,\"\",#FALSE#,0\r\n" + good << 0 << 1
                                     << "the starting date is not a date";
        QTest::newRow("yes for a Boolean") << good + "\"three\",#2024-01-01#,#2024-01-02#,\"\",#YES#,0\r\n" << 2 << 4
                                           << "the achieved mark";
        QTest::newRow("percentage 101") << good + "\"three\",#2024-01-01#,#2024-01-02#,\"\",#FALSE#,101\r\n" << 2 << 4
                                        << "the achieved percentage";
        QTest::newRow("negative percentage") << good + "\"three\",#2024-01-01#,#2024-01-02#,\"\",#FALSE#,-1\r\n" << 2
                                             << 4 << "the achieved percentage";
        QTest::newRow("stray text after a record") << line("zero", "2024-01-01", "2024-01-08", "").chopped(2) + ",junk\r\n" + good
                                                   << 0 << 1 << "the line goes on";
        QTest::newRow("stray line") << good + "hello world\r\n" + good << 2 << 4 << "the goal name";
        QTest::newRow("double quote inside a name") << good + "\"say \"hi\"\",#2024-01-01#,#2024-01-02#,\"\",#FALSE#,0\r\n"
                                                    << 2 << 4 << "a comma was expected";
    }

    void malformedFileKeepsTheGoalsBeforeTheFault()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kept);
        QFETCH(int, faultLine);
        QFETCH(QString, fault);
        const modGoals::ReadResult r = readFrom(bytes);
        QCOMPARE(r.status, Status::Malformed);
        QCOMPARE(Goals.size(), kept);
        QCOMPARE(r.faultLine, faultLine);
        QVERIFY2(r.fault.startsWith(fault), qPrintable(r.fault));
        if (kept > 0)
            QCOMPARE(Goals[0].GoalDesc, QStringLiteral("a\r\nb"));
    }

    void faultyFileIsCopiedNeverOverwritten()
    {
        const QByteArray faulty = line("one", "2024-01-01", "2024-01-08", "") + "\"broken";
        writeBytes(path(), faulty);
        const QString expected = m_dir.filePath("goals.txt.2026-12-06-083000.bak");
        modGoals::ReadResult r = modGoals::ReadGoals(path(), kStamp);
        QCOMPARE(r.status, Status::Malformed);
        QCOMPARE(r.backupPath, expected);
        QCOMPARE(readBytes(expected), faulty);
        QCOMPARE(readBytes(path()), faulty); // reading never changes the file

        // The same bytes read again: the copy already made is named, no new one appears.
        r = modGoals::ReadGoals(path(), kStamp.addSecs(60));
        QCOMPARE(r.backupPath, expected);
        QCOMPARE(QDir(m_dir.path()).entryList({"*.bak"}, QDir::Files).size(), 1);

        // Other faulty bytes in the same second: a new name beside the existing copy.
        const QByteArray other = faulty + "more";
        writeBytes(path(), other);
        r = modGoals::ReadGoals(path(), kStamp);
        QCOMPARE(r.backupPath, m_dir.filePath("goals.txt.2026-12-06-083000-2.bak"));
        QCOMPARE(readBytes(expected), faulty);
        QCOMPARE(readBytes(r.backupPath), other);
    }

    void copyThatCannotBeMadeIsReported()
    {
        // Where the faulty file's directory refuses new files the reason comes back.
        writeBytes(path(), "\"broken");
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(m_dir.filePath("probe"));
        const bool canStillWrite = probe.open(QIODevice::WriteOnly);
        if (canStillWrite)
            probe.remove();
        const modGoals::ReadResult r = modGoals::ReadGoals(path(), kStamp);
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (canStillWrite)
            QSKIP("the account running the tests writes into read-only directories");
        QCOMPARE(r.status, Status::Malformed);
        QVERIFY(r.backupPath.isEmpty());
        QVERIFY(!r.backupError.isEmpty());
    }

    void devicesThatFailMidwayAreReported()
    {
        for (int i = 0; i < 3; ++i)
            modGoals::AddGoal(QStringLiteral("goal %1").arg(i), QDate(2024, 1, 1), QDate(2024, 1, 2), "d");
        const QByteArray all = written();
        const QByteArray first = line("goal 0", "2024-01-01", "2024-01-02", "d");

        FailingDevice out({}, first.size() + 10);
        out.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        modGoals::WriteResult w = modGoals::WriteGoals(out);
        QVERIFY(!w.ok);
        QCOMPARE(w.error, QStringLiteral("No space left on device"));

        FailingDevice in(all, first.size() + 10);
        in.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        const modGoals::ReadResult r = modGoals::ReadGoals(in);
        QCOMPARE(r.status, Status::ReadError);
        QCOMPARE(r.error, QStringLiteral("Input/output error"));
        QCOMPARE(Goals.size(), 1); // the complete record before the failure
    }

    void doubleQuotesAreNeverWritten()
    {
        writeBytes(path(), line("kept", "2024-01-01", "2024-01-02", ""));
        modGoals::AddGoal("fine", QDate(2024, 1, 1), QDate(2024, 1, 2), "");
        modGoals::AddGoal("say \"hi\"", QDate(2024, 1, 1), QDate(2024, 1, 2), "");
        modGoals::WriteResult r = modGoals::WriteGoals(path());
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains("double quote"), qPrintable(r.error));
        QCOMPARE(readBytes(path()), line("kept", "2024-01-01", "2024-01-02", ""));
        // Left out, the faulty goal no longer stops the write.
        QVERIFY(modGoals::WriteGoalsExcept({1}, path()).ok);
        QCOMPARE(readBytes(path()), line("fine", "2024-01-01", "2024-01-02", ""));
    }

    void writeFailureLeavesTheFileAsItWas()
    {
        // A directory in the file's place: nothing can replace it.
        QVERIFY(QDir(m_dir.path()).mkdir("goals.txt"));
        writeBytes(path() + "/inside", "x");
        modGoals::AddGoal("new", QDate(2024, 1, 1), QDate(2024, 1, 2), "");
        const modGoals::WriteResult r = modGoals::WriteGoals(path());
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QVERIFY(QFileInfo(path()).isDir());
        QCOMPARE(readBytes(path() + "/inside"), QByteArray("x"));
        QCOMPARE(modGoals::ReadGoals(path()).status, Status::ReadError);
        QVERIFY(QDir(path()).removeRecursively());
    }

    void fileLivesBesideTheExecutableWhenItCan()
    {
        FakeAppPaths paths;
        QCOMPARE(modGoals::goalsFilePath(paths), paths.dir.filePath("goals.txt"));
        QCOMPARE(modGoals::goalsReadPath(paths), paths.dir.filePath("goals.txt"));
        // An executable directory that cannot take files: the per-user directory instead.
        writeBytes(paths.dir.filePath("blocker"), "x");
        paths.exeDir = paths.dir.filePath("blocker/bin");
        QCOMPARE(modGoals::goalsFilePath(paths), paths.dataDir() + "/goals.txt");
        QCOMPARE(QDir(paths.dir.path()).entryList({".goals-probe*"}, QDir::Files | QDir::Hidden), QStringList());
    }

    void goalsLeftInAReadOnlyProgramDirectoryAreStillRead()
    {
        FakeAppPaths paths;
        const QString exeDir = paths.dir.filePath("bin");
        QDir().mkpath(exeDir);
        paths.exeDir = exeDir;
        writeBytes(exeDir + "/goals.txt", line("old", "2024-01-01", "2024-01-02", ""));
        QFile::setPermissions(exeDir, QFile::ReadOwner | QFile::ExeOwner);
        const QString writePath = modGoals::goalsFilePath(paths);
        const QString readPath = modGoals::goalsReadPath(paths);
        QFile::setPermissions(exeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (writePath == exeDir + "/goals.txt")
            QSKIP("the account running the tests writes into read-only directories");
        QCOMPARE(writePath, paths.dataDir() + "/goals.txt");
        QCOMPARE(readPath, exeDir + "/goals.txt");
        writeBytes(writePath, {});
        QCOMPARE(modGoals::goalsReadPath(paths), writePath);
    }
};

LUMENREST_TEST_MAIN(TestModGoals)
#include "tst_modGoals.moc"
