#include "progress/ProgressService.h"

#include "platform/Clock.h"

namespace progress {

namespace {
progress::TestType storedType(::TestType type)
{
    return type == ::TestType::Keywords ? progress::TestType::Keywords : progress::TestType::Description;
}
} // namespace

AnswerRecord recordOf(const Question& question, const Answer& answer)
{
    AnswerRecord a;
    a.answeredAt = answer.answeredAt.toUTC();
    a.cardId = question.cardId;
    a.reversed = question.reversed;
    a.testType = storedType(question.type);
    a.level = question.level;
    a.score = answer.score;
    a.maxScore = answer.maxScore;
    a.mistakenFor = answer.mistakenFor.value_or(0);
    a.seconds = answer.seconds;
    return a;
}

ProgressService::ProgressService(const Clock& clock, std::function<QString()> storePath, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_storePath(std::move(storePath))
{
}

ProgressService::~ProgressService()
{
    waitForModel();
}

void ProgressService::waitForModel()
{
    if (m_preparing.valid())
        m_preparing.get();
}

bool ProgressService::modelIsCurrent() const
{
    return m_modelFresh && m_model.today() == m_clock.today();
}

void ProgressService::prepareModel()
{
    waitForModel();
    if (modelIsCurrent())
        return;
    store(); // made here: its signals belong to this thread
    const QDate today = m_clock.today();
    m_preparing = std::async(std::launch::async, [this, today] {
        if (!m_log)
            m_log = m_store->readLog();
        m_model.replay(*m_log, today);
        m_modelFresh = true;
    });
}

ProgressStore& ProgressService::store()
{
    if (!m_store) {
        m_store = std::make_unique<ProgressStore>(m_storePath());
        connect(m_store.get(), &ProgressStore::problemChanged, this, &ProgressService::problemChanged);
    }
    return *m_store;
}

QString ProgressService::problem() const
{
    return m_store ? m_store->problem() : QString();
}

QString ProgressService::storePath() const
{
    return m_store ? m_store->path() : m_storePath();
}

const QVector<AnswerRecord>& ProgressService::log()
{
    waitForModel();
    if (!m_log)
        m_log = store().readLog();
    return *m_log;
}

const MemoryModel& ProgressService::model()
{
    waitForModel();
    if (!modelIsCurrent()) {
        m_model.replay(log(), m_clock.today());
        m_modelFresh = true;
    }
    return m_model;
}

void ProgressService::invalidate(bool dropLog)
{
    waitForModel();
    if (dropLog)
        m_log.reset();
    m_modelFresh = false;
    Q_EMIT modelChanged();
}

bool ProgressService::exportCsv(const QString& target, const CardNames& names, QString* error)
{
    waitForModel();
    return store().exportCsv(target, names, error);
}

bool ProgressService::backUp(const QString& target, QString* error)
{
    waitForModel();
    return store().backUp(target, error);
}

bool ProgressService::restore(const QString& source, QString* error, QString* keptAs)
{
    waitForModel();
    const bool done = store().restore(source, error, keptAs);
    if (done)
        invalidate(true);
    return done;
}

void ProgressService::beginTest(::TestType type, int level, int deckSize)
{
    waitForModel();
    store().beginTest({QDateTime::currentDateTimeUtc(), storedType(type), level, deckSize});
}

void ProgressService::recordAnswer(const Question& question, const Answer& answer)
{
    waitForModel();
    AnswerRecord a = recordOf(question, answer);
    if (!store().recordAnswer(a))
        return;
    // The kept log grows with the file, so the next picture needs no new read.
    if (m_log) {
        a.testId = m_store->currentTestId();
        m_log->push_back(a);
    }
    invalidate(false);
}

void ProgressService::endTest()
{
    waitForModel();
    store().endTest(QDateTime::currentDateTimeUtc());
}

} // namespace progress
