#pragma once
// The learner's memory as the rest of the program sees it: it records the answers of every
// test in the progress store and hands out what the learner knows today. The store is opened
// on first use, so nothing of it is read while the program starts.

#include "progress/MemoryModel.h"
#include "progress/ProgressStore.h"
#include "testing/Question.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <functional>
#include <future>
#include <memory>
#include <optional>

class Clock;

namespace progress {

// An answer as the store keeps it.
AnswerRecord recordOf(const Question& question, const Answer& answer);

class ProgressService : public QObject {
    Q_OBJECT

public:
    // storePath is asked for on first use (the per-user data folder may have to be created).
    ProgressService(const Clock& clock, std::function<QString()> storePath, QObject* parent = nullptr);
    ~ProgressService() override;

    // What the learner knows today, replayed from the log; kept until an answer is recorded,
    // a backup is restored or the day changes.
    const MemoryModel& model();
    // Starts reading and replaying the log on a worker thread, so that the caller can do other
    // work meanwhile; the next call of any other member waits for it.
    void prepareModel();
    // Every answer in the order written (read once, then kept up to date).
    const QVector<AnswerRecord>& log();

    // What is wrong with the store in this run; empty while all is well (or before first use).
    QString problem() const;
    QString storePath() const;

    bool exportCsv(const QString& target, const CardNames& names, QString* error);
    bool backUp(const QString& target, QString* error);
    static ProgressStore::BackupInfo checkBackup(const QString& source) { return ProgressStore::checkBackup(source); }
    bool restore(const QString& source, QString* error, QString* keptAs);

    // Test events, as the test run sends them.
    void beginTest(::TestType type, int level, int deckSize);
    void recordAnswer(const Question& question, const Answer& answer);
    void endTest();

Q_SIGNALS:
    // The log changed: model() gives a new picture on its next call.
    void modelChanged();
    void problemChanged(const QString& text);

private:
    ProgressStore& store();
    void waitForModel();
    bool modelIsCurrent() const;
    void invalidate(bool dropLog);

    const Clock& m_clock;
    std::function<QString()> m_storePath;
    std::unique_ptr<ProgressStore> m_store;
    std::optional<QVector<AnswerRecord>> m_log;
    MemoryModel m_model;
    bool m_modelFresh = false;
    std::future<void> m_preparing;
};

} // namespace progress
