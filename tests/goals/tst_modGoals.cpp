#include "goals/GoalTimer.h"
#include "goals/modGoals.h"
#include "support/TestMain.h"
#include "goals/GoalsTestSupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace GoalsTest;
using modGoals::Goals;
using Status = modGoals::ReadResult::Status;

namespace {
QString due(const char* should, int actually)
{
    return QStringLiteral("You should have achieved %1%. You have actually achieved %2%").arg(should).arg(actually);
}
} // namespace

class TestModGoals : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name = QStringLiteral("goals.txt")) const { return m_dir->filePath(name); }

private Q_SLOTS:
    void init()
    {
        Goals.clear();
        m_dir = std::make_unique<QTemporaryDir>();
    }

    // The exact bytes of two records, the second a year below 1000 and UTF-8; fuzz_goals
    // round-trips every other text. Writing leaves out the goals asked for, the list stays whole.
    void fileLayoutAndWritingExcept()
    {
        const Goal a{" Cups, #1 ", QDate(2024, 3, 1), QDate(2024, 4, 1), "one\r\ntwo,\r\n", false, 7};
        const Goal b{"Caf\u00e9 \u5854", QDate(999, 1, 5), QDate(2025, 9, 9), "", true, 100};
        const QByteArray bytes("\" Cups, #1 \",#2024-03-01#,#2024-04-01#,\"one\r\ntwo,\r\n\",#FALSE#,7\r\n"
                               "\"Caf\xc3\xa9 \xe5\xa1\x94\",#0999-01-05#,#2025-09-09#,\"\",#TRUE#,100\r\n");
        Goals = {a, a, b, a};
        QVERIFY(modGoals::WriteGoalsExcept({0, 3}, path()).ok);
        QCOMPARE(Goals.size(), 4);
        QCOMPARE(readBytes(path()), bytes);
        QCOMPARE(modGoals::ReadGoals(path()).status, Status::Ok);
        QCOMPARE(Goals, QList<Goal>({a, b}));
    }

    void missingAndZeroByteFilesHoldNoGoals()
    {
        for (bool zeroBytes : {false, true}) {
            if (zeroBytes)
                writeBytes(path(), {});
            modGoals::AddGoal("stale", QDate(2024, 1, 1), QDate(2024, 1, 2), "");
            QCOMPARE(modGoals::ReadGoals(path()).status, zeroBytes ? Status::Ok : Status::NoFile);
            QVERIFY(!modGoals::HasGoals());
        }
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList("goals.txt")); // no copy of a sound file
    }

    // Each record's name and description as read; they write back as UTF-8 and CR LF. One text in
    // an 8-bit code page does not change how the other texts read.
    void handEditedFilesAreAccepted()
    {
        const QByteArray utf8 = line("caf\u00e9", "2024-01-01", "2024-01-02", "", false, 5);
        const std::pair<QByteArray, QStringList> cases[]{
            {"\"a\",#2024-01-01#,#2024-01-02#,\"x\ny\",#FALSE#,5", {"a", "x\r\ny"}}, // lone LF, no line end at the end
            {"\"Caf\xe9 \x80\",#2024-01-01#,#2024-01-02#,\"\x93q\x94\",#FALSE#,5\r\n", {"Caf\u00e9 \u20ac", "\u201cq\u201d"}}, // Windows-1252
            {utf8 + "\"b\",#2024-01-01#,#2024-01-02#,\"\xe9\",#FALSE#,5\r\n" + utf8, {"caf\u00e9", "", "b", "\u00e9", "caf\u00e9", ""}}};
        for (const auto& [bytes, texts] : cases) {
            QList<Goal> goals;
            QByteArray lines;
            for (int i = 0; i < texts.size(); i += 2) {
                goals << Goal{texts[i], QDate(2024, 1, 1), QDate(2024, 1, 2), texts[i + 1], false, 5};
                lines += line(texts[i], "2024-01-01", "2024-01-02", texts[i + 1], false, 5);
            }
            writeBytes(path(), bytes);
            QCOMPARE(modGoals::ReadGoals(path()).status, Status::Ok);
            QCOMPARE(Goals, goals);
            QVERIFY(modGoals::WriteGoals(path()).ok);
            QCOMPARE(readBytes(path()), lines);
        }
    }

    // The goals before the faulty line are kept; the fault names its line and what is wrong.
    void malformedFileKeepsTheGoalsBeforeTheFault()
    {
        const QByteArray good = line("one", "2024-01-01", "2024-01-08", "a\r\nb") + line("two", "2024-02-01", "2024-02-08", "");
        const QByteArray start = good + "\"three\",#2024-01-01#,#2024-01-02#,\"\",";
        // bytes, goals kept, the faulty line, the fault
        const std::tuple<QByteArray, int, int, QString> cases[]{
            {good + "\"thr", 2, 4, "the goal name is not enclosed"}, // cut inside a text
            {"\"x\",#2023-02-29#,#2024-01-02#,\"\",#FALSE#,0\r\n" + good, 0, 1, "the starting date is not a date"},
            {start + "#FALSE#,101\r\n", 2, 4, "the achieved percentage"},
            {start + "#FALSE#,0,junk\r\n", 2, 4, "the line goes on"}}; // stray text after a record
        for (const auto& [bytes, kept, faultLine, fault] : cases) {
            writeBytes(path(), bytes);
            const modGoals::ReadResult r = modGoals::ReadGoals(path());
            QVERIFY2(r.status == Status::Malformed && Goals.size() == kept && r.faultLine == faultLine && r.fault.startsWith(fault),
                     qPrintable(QStringLiteral("%1 goals, line %2: %3").arg(Goals.size()).arg(r.faultLine).arg(r.fault)));
        }
    }

    void faultyFileIsCopiedNeverOverwritten()
    {
        const QDateTime stamp(QDate(2026, 12, 6), QTime(8, 30, 0));
        const QByteArray faulty = line("one", "2024-01-01", "2024-01-08", "") + "\"broken";
        writeBytes(path(), faulty);
        const QString copy = path("goals.txt.2026-12-06-083000.bak");
        QCOMPARE(modGoals::ReadGoals(path(), stamp).backupPath, copy);
        QVERIFY(readBytes(copy) == faulty && readBytes(path()) == faulty); // reading never changes the file
        // The same bytes read again: the copy already made is named, no new one appears.
        QCOMPARE(modGoals::ReadGoals(path(), stamp.addSecs(60)).backupPath, copy);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
        // Other faulty bytes in the same second: a new name beside the existing copy.
        writeBytes(path(), faulty + "more");
        QCOMPARE(modGoals::ReadGoals(path(), stamp).backupPath, path("goals.txt.2026-12-06-083000-2.bak"));
        QVERIFY(readBytes(path("goals.txt.2026-12-06-083000-2.bak")) == faulty + "more" && readBytes(copy) == faulty);
    }

    // Past 32,767 days 16-bit day counts would overflow; no exponent in big figures. The decimal
    // point follows the region.
    void timerMessages()
    {
        // days in the goal, days gone, a goal listed, days remaining, info
        const std::tuple<int, int, bool, QString, QString> cases[]{
            {7, 7, true, "0", due("100", 20)},       // last day
            {800, 1, true, "799", due("0.13", 20)}, // 0.125 rounds up
            {7, -1, true, "", "Your goal starting date has been set for the future"},
            {-3, 2, true, "", ""}, // ends before it starts
            {7, 1, false, "", due("14.29", 20)}, // no goal listed
            {1, 43000, true, "-42999", due("4300000", 20)}};
        const QDate start(1980, 1, 1);
        for (const auto& [total, gone, listed, remaining, info] : cases)
            for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
                const auto r = GoalTimer::Compute(start, start.addDays(total), start.addDays(gone), listed, 20, locale);
                const QString shown = locale == QLocale::c() ? info : QString(info).replace(QRegularExpression("(\\d)\\.(\\d)"), "\\1,\\2");
                QCOMPARE(r.daysRemaining + '|' + r.info, remaining + '|' + shown);
            }
    }
};

LUMENREST_TEST_MAIN(TestModGoals)
#include "tst_modGoals.moc"
