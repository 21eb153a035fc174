#include "support/TestMain.h"
#include "testing/TestReport.h"

#include <QBuffer>

namespace {
TestReportLine entry(const QString& name, bool reversed, int score, int outOf = 1)
{
    TestReportLine l;
    l.name = name;
    l.reversed = reversed;
    l.score = score;
    l.outOf = outOf;
    return l;
}

// Accepts `limit` bytes, then fails.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 limit)
        : m_limit(limit)
    {
        open(QIODevice::WriteOnly);
    }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override
    {
        const qint64 room = m_limit - written.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 n = std::min(room, len);
        written.append(data, n);
        return n;
    }

private:
    qint64 m_limit;
};
} // namespace

class TestTestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void threeCardDescriptionTest()
    {
        TestReportInput in;
        in.description = true;
        in.appTitle = "Lumenrest";
        in.deckSize = 3;
        in.correctCount = 2;
        in.lines = {entry("The Fool", false, 1), entry("The Magician", true, 0), entry("Three of Cups", false, 1)};
        const TestReportResult r = TestReport::build(in);
        const QString expected = "Test Report For Lumenrest\r\n"
                                 "-------------------------\r\n"
                                 "\r\n"
                                 "01.      The Fool                            Correct\r\n"
                                 "02.      The Magician (Reversed)             Wrong\r\n"
                                 "03.      Three of Cups                       Correct\r\n"
                                 "________________________________________________________________\r\n"
                                 "2 out of 3 questions correct";
        QCOMPARE(r.text, expected);
        QCOMPARE(r.summary, QStringLiteral("2 out of 3 questions correct"));
        QCOMPARE(r.correctCount, 2);
        for (const QString& line : r.text.split("\r\n").mid(3, 3))
            QCOMPARE(line.indexOf(QRegularExpression("(Correct|Wrong)$")), 45);
    }

    void keywordSummaryAddsTheScores()
    {
        TestReportInput in;
        in.description = false;
        in.appTitle = "Lumenrest";
        in.deckSize = 14;
        for (int i = 0; i < 14; ++i)
            in.lines << entry(QStringLiteral("Card %1").arg(i + 1), false, i < 10 ? 5 : 0, 5);
        const TestReportResult r = TestReport::build(in);
        QCOMPARE(r.summary, QStringLiteral("50/70 choice(s) from 14 questions were correct"));
        QCOMPARE(r.correctCount, 50);
        QVERIFY(r.text.contains("\r\n01.      Card 1" + QString(30, ' ') + "5 Out Of 5 Correct\r\n"));
        QVERIFY(r.text.contains("\r\n14.      Card 14" + QString(29, ' ') + "0 Out Of 5 Correct\r\n"));
        QVERIFY(r.text.endsWith(QString(64, '_') + "\r\n" + r.summary));
    }

    void hundredAndMoreQuestionsUseThreeDigits()
    {
        TestReportInput in;
        in.appTitle = "Lumenrest";
        in.deckSize = 105;
        for (int i = 0; i < 105; ++i)
            in.lines << entry("Ace of Wands", i % 2 == 1, i % 3 == 0 ? 1 : 0);
        in.correctCount = 35;
        const QStringList lines = TestReport::build(in).text.split("\r\n");
        QCOMPARE(lines.size(), 3 + 105 + 2);
        QCOMPARE(lines[3], "01.      Ace of Wands" + QString(24, ' ') + "Correct");
        QCOMPARE(lines[3 + 9], "10.      Ace of Wands (Reversed)" + QString(13, ' ') + "Correct");
        QCOMPARE(lines[3 + 98], "99.      Ace of Wands" + QString(24, ' ') + "Wrong");
        QCOMPARE(lines[3 + 99], "100.      Ace of Wands (Reversed)" + QString(13, ' ') + "Correct");
        QCOMPARE(lines[3 + 100], "101.      Ace of Wands" + QString(24, ' ') + "Wrong");
        QCOMPARE(lines[3 + 104], "105.      Ace of Wands" + QString(24, ' ') + "Wrong");
        QCOMPARE(lines.last(), QStringLiteral("35 out of 105 questions correct"));
    }

    void nameLengthsAndTheResultColumn_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<int>("blanks");
        QTest::newRow("short upright") << 6 << false << 30;
        QTest::newRow("35 upright") << 35 << false << 1;
        QTest::newRow("36 upright") << 36 << false << 1;
        QTest::newRow("50 upright") << 50 << false << 1;
        QTest::newRow("24 reversed") << 24 << true << 1;
        QTest::newRow("25 reversed") << 25 << true << 1;
        QTest::newRow("40 reversed") << 40 << true << 1;
        QTest::newRow("empty") << 0 << false << 36;
    }

    void nameLengthsAndTheResultColumn()
    {
        QFETCH(int, length);
        QFETCH(bool, reversed);
        QFETCH(int, blanks);
        const QString name(length, QLatin1Char('N'));
        const QString line = TestReport::line(7, entry(name, reversed, 1), true);
        const QString head = "07.      " + name + (reversed ? " (Reversed)" : "");
        QCOMPARE(line, head + QString(blanks, ' ') + "Correct");
    }

    void savedBytesUseCrLfThroughout_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text box breaks") << "a\nb\n\nc" << QByteArray("a\r\nb\r\n\r\nc\r\n");
        QTest::newRow("already CR LF") << "a\r\nb" << QByteArray("a\r\nb\r\n");
        QTest::newRow("lone CR") << "a\rb" << QByteArray("a\r\nb\r\n");
        QTest::newRow("empty") << "" << QByteArray("\r\n");
        QTest::newRow("UTF-8") << QString::fromUtf8("Kr\xC3\xA4" "fte\n\xE2\x80\x94") << QByteArray("Kr\xC3\xA4" "fte\r\n\xE2\x80\x94\r\n");
    }

    void savedBytesUseCrLfThroughout()
    {
        QFETCH(QString, shown);
        QFETCH(QByteArray, bytes);
        QCOMPARE(TestReport::fileBytes(shown), bytes);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QString error;
        QVERIFY(TestReport::write(buffer, shown, &error));
        QCOMPARE(buffer.data(), bytes);
    }

    void aFailingDeviceIsReported()
    {
        FailingDevice device(5);
        QString error;
        QVERIFY(!TestReport::write(device, "Test Report For Lumenrest\nmore", &error));
        QCOMPARE(error, QStringLiteral("No space left on device"));
        QCOMPARE(device.written, QByteArray("Test "));
    }
};

LUMENREST_TEST_MAIN(TestTestReport)
#include "tst_TestReport.moc"
