#pragma once
// The learner's answer log, kept in "progress.sqlite" in the per-user data folder: a plain SQLite
// file the learner can read with the sqlite3 tool. Nothing is read or created until first use;
// the file appears with the first answer. A file that cannot be used never stops a test: every
// call returns quietly and problemChanged() says once what is wrong.

#include "progress/AnswerCsv.h"
#include "progress/AnswerRecord.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <memory>
#include <optional>

namespace modDB {
class Connection;
}

namespace progress {

class ProgressStore : public QObject {
    Q_OBJECT

public:
    static constexpr int kBusyTimeoutMs = 5000;

    // "progress.sqlite" in QStandardPaths::AppDataLocation.
    static QString defaultPath();

    explicit ProgressStore(const QString& path, QObject* parent = nullptr);
    ~ProgressStore() override;

    const QString& path() const { return m_path; }

    // Remembers the test that starts; its row is written with its first answer.
    void beginTest(const TestStart& test);
    // Writes one answer of the running test in a transaction of its own (the test's row too,
    // for its first answer). The answer's testId is ignored. False when it could not be written.
    bool recordAnswer(const AnswerRecord& answer);
    // Stamps the running test as ended; a test that is abandoned simply never ends.
    bool endTest(const QDateTime& endedAt);
    // The running test's id once its first answer is written, else 0.
    qint64 currentTestId() const { return m_testId; }

    // Every answer in the order written; empty when there is no file yet or it cannot be read.
    QVector<AnswerRecord> readLog();

    // Every answer as CSV, with the card names the caller gives.
    bool exportCsv(const QString& target, const CardNames& names, QString* error);

    // A consistent copy of the whole store as one self-contained file.
    bool backUp(const QString& target, QString* error);

    // Whether a file is a progress file this version can read, and how many answers it holds.
    struct BackupInfo {
        bool ok = false;
        int answers = 0;
        QString error;
    };
    static BackupInfo checkBackup(const QString& source);
    // Replaces the store by a backup (the caller has asked the user). The replaced file is kept
    // as progress.sqlite.<yyyy-MM-dd-hhmmss>.bak beside it; keptAs receives its path.
    bool restore(const QString& source, QString* error, QString* keptAs = nullptr);

    // What is wrong with the store in this run; empty while all is well.
    const QString& problem() const { return m_problem; }

Q_SIGNALS:
    // The text of problem(), sent when it changes (so once for a store that stays broken).
    void problemChanged(const QString& text);

private:
    enum class Use { Read, Write };
    bool open(Use use);
    bool openConnection(Use use);
    void prepareSchema();
    void moveDamagedAside();
    void close();
    void report(const QString& text);
    void reportReadOnly();
    QString fileName() const;
    // A name beside path that is still free: path.<stamp>.<suffix>, numbered if needed.
    static QString keepName(const QString& path, const QString& suffix);

    QString m_path;
    std::unique_ptr<modDB::Connection> m_db;
    bool m_unusable = false;  // newer, foreign or unopenable: left alone for the rest of the run
    bool m_damaged = false;   // damaged: moved aside before the next write
    std::optional<TestStart> m_test;
    qint64 m_testId = 0;
    QString m_problem;
};

} // namespace progress
