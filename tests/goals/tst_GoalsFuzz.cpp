// Random and damaged goals files: reading never crashes, and whatever is read writes
// back and reads again unchanged.

#include "goals/GoalsFormat.h"
#include "goals/modGoals.h"
#include "support/TestMain.h"
#include "goals/GoalsTestSupport.h"

#include <QBuffer>
#include <QElapsedTimer>

#include <random>

using modGoals::Goals;

namespace {

class Generator {
public:
    explicit Generator(quint32 seed) : m_rng(seed) {}

    int below(int n) { return int(m_rng() % quint32(n)); }

    QString text()
    {
        static const QString pieces[] = {"a", "Z", " ", ",", "\r\n", "\n", "#", "TRUE", "9", "\u00e9", "\u20ac",
                                         "\u5854", "\t", "'", "\r", "\U0001F0A1"};
        QString s;
        const int n = below(12);
        for (int i = 0; i < n; ++i)
            s += pieces[below(int(std::size(pieces)))];
        return s;
    }

    QDate date()
    {
        // Mostly ordinary dates, sometimes the edges of what four digits can hold.
        switch (below(6)) {
        case 0: return QDate(1 + below(9999), 1 + below(12), 1 + below(28));
        case 1: return QDate(9999, 12, 31);
        default: return QDate(1980 + below(120), 1 + below(12), 1).addDays(below(31));
        }
    }

    Goal goal()
    {
        return GoalsTest::goal(text(), date(), date(), text(), below(2) == 1, below(101));
    }

    QByteArray file()
    {
        QList<Goal> goals;
        const int n = below(6);
        for (int i = 0; i < n; ++i)
            goals << goal();
        QString error;
        QByteArray bytes = GoalsFormat::encode(goals, {}, &error);
        if (!error.isEmpty())
            qFatal("generated goal not writable: %s", qPrintable(error));
        // Line ends as another editor might leave them.
        if (below(4) == 0)
            bytes.replace("\r\n", "\n");
        return bytes;
    }

    // Damage of the kinds hand edits, cut copies and disk faults cause.
    QByteArray mutate(QByteArray bytes)
    {
        static const char special[] = {'"', '#', ',', '\r', '\n', ' ', '-', '0', '\0', '\xff', '\xe9', '\x80', 'T'};
        const int edits = 1 + below(4);
        for (int e = 0; e < edits; ++e) {
            const int pos = bytes.isEmpty() ? 0 : below(int(bytes.size()) + 1);
            switch (below(6)) {
            case 0: bytes.truncate(pos); break;
            case 1:
                if (pos < bytes.size())
                    bytes[pos] = special[below(int(sizeof special))];
                break;
            case 2: bytes.insert(pos, special[below(int(sizeof special))]); break;
            case 3:
                if (pos < bytes.size())
                    bytes.remove(pos, 1 + below(8));
                break;
            case 4:
                if (pos < bytes.size())
                    bytes[pos] = char(m_rng());
                break;
            case 5: bytes.insert(pos, bytes.mid(below(int(bytes.size()) + 1), below(40))); break;
            }
        }
        return bytes;
    }

    QByteArray noise()
    {
        QByteArray bytes;
        const int n = below(200);
        for (int i = 0; i < n; ++i)
            bytes += char(below(4) == 0 ? "\"#,\r\n"[below(5)] : char(m_rng()));
        return bytes;
    }

private:
    std::mt19937 m_rng;
};

modGoals::ReadResult readFrom(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return modGoals::ReadGoals(buffer);
}

QByteArray writeAll()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const modGoals::WriteResult r = modGoals::WriteGoals(buffer);
    if (!r.ok)
        qFatal("goals read from a file could not be written back: %s", qPrintable(r.error));
    return buffer.data();
}

} // namespace

class TestGoalsFuzz : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wellFormedFilesReadExactly()
    {
        Generator gen(20261206);
        for (int round = 0; round < 5000; ++round) {
            const QByteArray bytes = gen.file();
            const modGoals::ReadResult r = readFrom(bytes);
            QVERIFY2(r.status == modGoals::ReadResult::Status::Ok, qPrintable(r.fault + "\n" + QString::fromUtf8(bytes)));
            const QByteArray again = writeAll();
            QCOMPARE(QByteArray(again).replace("\r\n", "\n"), QByteArray(bytes).replace("\r\n", "\n"));
        }
    }

    void damagedFilesNeverBreakReading()
    {
        Generator gen(quint32(qEnvironmentVariableIntValue("LUMENREST_FUZZ_SEED")) + 77);
        QElapsedTimer clock;
        clock.start();
        int malformed = 0;
        for (int round = 0; round < 20000; ++round) {
            const QByteArray bytes = round % 5 == 4 ? gen.noise() : gen.mutate(gen.file());
            const modGoals::ReadResult r = readFrom(bytes);
            if (r.status == modGoals::ReadResult::Status::Malformed) {
                ++malformed;
                QVERIFY(r.faultLine >= 1);
                QVERIFY(!r.fault.isEmpty());
            }
            // What was read is writable and reads back the same, and the bytes are stable.
            const QList<Goal> first = Goals;
            const QByteArray written = writeAll();
            const modGoals::ReadResult again = readFrom(written);
            QVERIFY2(again.status == modGoals::ReadResult::Status::Ok, qPrintable(again.fault));
            QVERIFY2(!again.windows1252, "written files are UTF-8");
            QCOMPARE(Goals, first);
            QCOMPARE(writeAll(), written);
        }
        // The damage does reach the reader's fault paths.
        QVERIFY(malformed > 10000);
        qInfo("%d of 20000 damaged files malformed, %lld ms", malformed, clock.elapsed());
    }
};

LUMENREST_TEST_MAIN(TestGoalsFuzz)
#include "tst_GoalsFuzz.moc"
