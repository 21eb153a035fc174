#include "progress/ProgressStore.h"

#include "progress/ProgressSchema.h"

#include "cardstore/Connection.h"
#include "cardstore/DbError.h"
#include "cardstore/SqliteSupport.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstring>

namespace progress {

using schema::parseUtc;
using schema::utcText;

namespace {

bool isDamage(int code)
{
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString stamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-hhmmss"));
}

} // namespace

QString ProgressStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/progress.sqlite");
}

ProgressStore::ProgressStore(const QString& path, QObject* parent)
    : QObject(parent)
    , m_path(path)
{
}

ProgressStore::~ProgressStore() = default;

QString ProgressStore::keepName(const QString& path, const QString& suffix)
{
    const QString base = path + QLatin1Char('.') + stamp();
    QString name = base + QLatin1Char('.') + suffix;
    for (int i = 2; QFileInfo::exists(name); ++i)
        name = base + QLatin1Char('-') + QString::number(i) + QLatin1Char('.') + suffix;
    return name;
}

QString ProgressStore::fileName() const
{
    return native(m_path);
}

void ProgressStore::report(const QString& text)
{
    if (text == m_problem)
        return;
    m_problem = text;
    Q_EMIT problemChanged(m_problem);
}

void ProgressStore::reportReadOnly()
{
    report(ProgressStore::tr("The progress file \"%1\" is read-only; your answers are not saved.").arg(fileName()));
}

void ProgressStore::close()
{
    m_db.reset();
}

bool ProgressStore::open(Use use)
{
    if (m_unusable)
        return false;
    if (m_db)
        return use == Use::Read || !m_db->isReadOnly();
    if (m_damaged) {
        if (use == Use::Read)
            return false;
        moveDamagedAside();
        if (m_unusable)
            return false;
    }
    if (use == Use::Write && QFileInfo::exists(m_path) && !QFileInfo(m_path).isWritable()) {
        reportReadOnly();
        return false;
    }
    if (!QFileInfo::exists(m_path)) {
        // First run: nothing to read, and the file waits for the first answer.
        if (use == Use::Read)
            return false;
        if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
            m_unusable = true;
            report(ProgressStore::tr("The folder of the progress file \"%1\" cannot be created; your answers are not saved.")
                       .arg(fileName()));
            return false;
        }
    }
    if (!openConnection(use))
        return false;
    return use == Use::Read || !m_db->isReadOnly();
}

bool ProgressStore::openConnection(Use use)
{
    try {
        m_db = std::make_unique<modDB::Connection>(m_path, modDB::Connection::Plain{use == Use::Write, kBusyTimeoutMs});
        prepareSchema();
        if (m_unusable) {
            close();
            return false;
        }
        if (m_db->isReadOnly())
            reportReadOnly();
        return true;
    } catch (const modDB::DbError& e) {
        close();
        if (isDamage(e.code())) {
            m_damaged = true;
            if (use == Use::Write)
                return open(use);
            report(ProgressStore::tr("The progress file \"%1\" is damaged and cannot be read.").arg(fileName()));
            return false;
        }
        // A lock held past the timeout may clear; anything else will not in this run.
        m_unusable = e.code() != SQLITE_BUSY;
        if (QFileInfo::exists(m_path) && !QFileInfo(m_path).isWritable()) {
            reportReadOnly();
            return false;
        }
        report(ProgressStore::tr("The progress file \"%1\" cannot be used (%2); your answers are not saved.")
                   .arg(fileName(), QString::fromUtf8(sqlite3_errstr(e.code()))));
        return false;
    }
}

void ProgressStore::prepareSchema()
{
    const int version = schema::version(*m_db);
    if (version > schema::kVersion) {
        m_unusable = true;
        report(ProgressStore::tr("The progress file \"%1\" was written by a newer version of Lumenrest; your answers "
                              "are not saved in this run.")
                   .arg(fileName()));
        return;
    }
    if (schema::isForeign(*m_db)) {
        m_unusable = true;
        report(ProgressStore::tr("The file \"%1\" is not a Lumenrest progress file; your answers are not saved in this "
                              "run.")
                   .arg(fileName()));
        return;
    }
    if (m_db->isReadOnly())
        return;
    // Two copies of the program may share the file: readers never block the writer.
    m_db->value(QStringLiteral("PRAGMA journal_mode=WAL"));
    // In WAL mode this still survives a crash of the program; only a power cut may cost the
    // last answers. Syncing every answer to disk would slow "Next Question" by milliseconds.
    m_db->run(QStringLiteral("PRAGMA synchronous=NORMAL"));
    if (version < schema::kVersion)
        schema::migrate(*m_db);
}

void ProgressStore::moveDamagedAside()
{
    const QString kept = keepName(m_path, QStringLiteral("damaged"));
    if (!QFile::rename(m_path, kept)) {
        m_unusable = true;
        report(ProgressStore::tr("The progress file \"%1\" is damaged and could not be set aside; your answers are not "
                              "saved.")
                   .arg(fileName()));
        return;
    }
    // Its journal files belong to it, not to the new file.
    for (const char* suffix : {"-wal", "-shm"})
        if (QFileInfo::exists(m_path + QLatin1String(suffix)))
            QFile::rename(m_path + QLatin1String(suffix), kept + QLatin1String(suffix));
    m_damaged = false;
    report(ProgressStore::tr("The progress file \"%1\" was damaged. It is kept as \"%2\"; a new progress file was "
                          "started.")
               .arg(fileName(), native(kept)));
}

void ProgressStore::beginTest(const TestStart& test)
{
    m_test = test;
    m_testId = 0;
}

bool ProgressStore::recordAnswer(const AnswerRecord& a)
{
    if (!open(Use::Write))
        return false;
    const qint64 testBefore = m_testId;
    try {
        m_db->run(QStringLiteral("BEGIN IMMEDIATE"));
        if (m_testId == 0) {
            const TestStart t = m_test.value_or(TestStart{a.answeredAt, a.testType, a.level, 0});
            m_db->run(QStringLiteral("INSERT INTO tests (started_at, test_type, level, deck_size) VALUES (?, ?, ?, ?)"),
                      {utcText(t.startedAt), testTypeText(t.testType), t.level, t.deckSize});
            m_testId = m_db->lastInsertId();
        }
        m_db->run(QStringLiteral("INSERT INTO answers (test_id, answered_at, card_id, reversed, test_type, level, "
                                 "score, max_score, mistaken_for, seconds) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {m_testId, utcText(a.answeredAt), a.cardId, a.reversed ? 1 : 0, testTypeText(a.testType), a.level,
                   a.score, a.maxScore, a.mistakenFor > 0 ? QVariant(a.mistakenFor) : QVariant(), a.seconds});
        m_db->run(QStringLiteral("COMMIT"));
        return true;
    } catch (const modDB::DbError& e) {
        sqlite3_exec(m_db->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        m_testId = testBefore;
        report(ProgressStore::tr("An answer could not be saved in the progress file \"%1\": %2")
                   .arg(fileName(), QString::fromUtf8(e.what())));
        return false;
    }
}

bool ProgressStore::endTest(const QDateTime& endedAt)
{
    const qint64 id = m_testId;
    m_test.reset();
    m_testId = 0;
    if (id == 0 || !open(Use::Write))
        return false;
    try {
        m_db->run(QStringLiteral("UPDATE tests SET ended_at = ? WHERE id = ?"), {utcText(endedAt), id});
        return true;
    } catch (const modDB::DbError& e) {
        report(ProgressStore::tr("The end of a test could not be saved in the progress file \"%1\": %2")
                   .arg(fileName(), QString::fromUtf8(e.what())));
        return false;
    }
}

QVector<AnswerRecord> ProgressStore::readLog()
{
    QVector<AnswerRecord> log;
    if (!open(Use::Read) || schema::version(*m_db) == 0)
        return log;
    try {
        log.reserve(m_db->value(QStringLiteral("SELECT count(*) FROM answers")).toInt());
        modDB::detail::Statement stmt(m_db->handle(),
                                      QStringLiteral("SELECT test_id, answered_at, card_id, reversed, test_type, level, "
                                                     "score, max_score, mistaken_for, seconds FROM answers ORDER BY rowid"));
        sqlite3_stmt* s = stmt.get();
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
            AnswerRecord a;
            a.testId = sqlite3_column_int64(s, 0);
            a.answeredAt = parseUtc(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)), sqlite3_column_bytes(s, 1));
            a.cardId = sqlite3_column_int(s, 2);
            a.reversed = sqlite3_column_int(s, 3) != 0;
            a.testType = std::strcmp(reinterpret_cast<const char*>(sqlite3_column_text(s, 4)), "Keywords") == 0
                             ? TestType::Keywords
                             : TestType::Description;
            a.level = sqlite3_column_int(s, 5);
            a.score = sqlite3_column_int(s, 6);
            a.maxScore = sqlite3_column_int(s, 7);
            a.mistakenFor = sqlite3_column_int(s, 8); // NULL reads as 0
            a.seconds = sqlite3_column_double(s, 9);
            log.push_back(a);
        }
        if (rc != SQLITE_DONE)
            modDB::detail::fail(QString::fromUtf8(sqlite3_errmsg(m_db->handle())), rc);
    } catch (const modDB::DbError& e) {
        log.clear();
        if (isDamage(e.code())) {
            close();
            m_damaged = true;
        }
        report(ProgressStore::tr("The progress file \"%1\" could not be read: %2").arg(fileName(), QString::fromUtf8(e.what())));
    }
    return log;
}

} // namespace progress
