#include "progress/ProgressStore.h"

#include "progress/AnswerCsv.h"
#include "progress/ProgressSchema.h"

#include "cardstore/Connection.h"
#include "cardstore/DbError.h"
#include "cardstore/SqliteSupport.h"
#include "platform/CheckedSave.h"

#include <sqlite3.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstring>

namespace progress {

using schema::parseUtc;
using schema::utcText;

namespace {

// The file holds all of bytes, or stays as it was; error says why not.
bool saveWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString reason = CheckedSave::save(path, bytes);
    if (!reason.isEmpty() && error)
        *error = QStringLiteral("\"%1\" could not be written: %2").arg(QDir::toNativeSeparators(path), reason);
    return reason.isEmpty();
}

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

// A name beside path that is still free: path.<stamp>.<suffix>, numbered if needed.
QString keepName(const QString& path, const QString& suffix)
{
    const QString base = path + QLatin1Char('.') + stamp();
    QString name = base + QLatin1Char('.') + suffix;
    for (int i = 2; QFileInfo::exists(name); ++i)
        name = base + QLatin1Char('-') + QString::number(i) + QLatin1Char('.') + suffix;
    return name;
}

// Checks an open file is a progress file we can read; returns its answer count or an error.
int countAnswers(modDB::Connection& db, QString* error)
{
    const int version = schema::version(db);
    if (version < 1 || version > schema::kVersion) {
        *error = version > schema::kVersion
                     ? ProgressStore::tr("it was written by a newer version of Lumenrest.")
                     : ProgressStore::tr("it is not a Lumenrest progress file.");
        return -1;
    }
    if (db.value(QStringLiteral("PRAGMA quick_check")).toString() != QLatin1String("ok")) {
        *error = ProgressStore::tr("it is damaged.");
        return -1;
    }
    return db.value(QStringLiteral("SELECT count(*) FROM answers")).toInt();
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

bool ProgressStore::exportCsv(const QString& target, const CardNames& names, QString* error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeAnswersCsv(buffer, readLog(), names);
    return saveWhole(target, buffer.data(), error);
}

bool ProgressStore::backUp(const QString& target, QString* error)
{
    if (!open(Use::Read)) {
        if (error)
            *error = m_problem.isEmpty() ? ProgressStore::tr("There is no progress to back up yet.") : m_problem;
        return false;
    }
    QTemporaryDir temp;
    const QString copyPath = temp.path() + QStringLiteral("/progress.sqlite");
    try {
        {
            modDB::Connection copy(copyPath, modDB::Connection::Plain{true, kBusyTimeoutMs});
            sqlite3_backup* backup = sqlite3_backup_init(copy.handle(), "main", m_db->handle(), "main");
            if (!backup)
                modDB::detail::fail(QString::fromUtf8(sqlite3_errmsg(copy.handle())));
            const int rc = sqlite3_backup_step(backup, -1);
            sqlite3_backup_finish(backup);
            if (rc != SQLITE_DONE)
                modDB::detail::fail(QString::fromUtf8(sqlite3_errstr(rc)), rc);
            // The copy carries the WAL mark of the original; one self-contained file wants none.
            copy.value(QStringLiteral("PRAGMA journal_mode=DELETE"));
        }
        QFile copied(copyPath);
        if (!copied.open(QIODevice::ReadOnly))
            modDB::detail::fail(copied.errorString());
        return saveWhole(target, copied.readAll(), error);
    } catch (const modDB::DbError& e) {
        if (error)
            *error = ProgressStore::tr("The progress could not be backed up: %1").arg(QString::fromUtf8(e.what()));
        return false;
    }
}

ProgressStore::BackupInfo ProgressStore::checkBackup(const QString& source)
{
    BackupInfo info;
    // A copy, so that looking at the file never changes it (opening it could run its journal).
    QTemporaryDir temp;
    const QString copyPath = temp.path() + QStringLiteral("/check.sqlite");
    if (!QFile::copy(source, copyPath)) {
        info.error = ProgressStore::tr("\"%1\" cannot be read.").arg(native(source));
        return info;
    }
    QFile::setPermissions(copyPath, QFile::ReadOwner | QFile::WriteOwner);
    try {
        modDB::Connection db(copyPath, modDB::Connection::Plain{false});
        QString reason;
        info.answers = countAnswers(db, &reason);
        info.ok = info.answers >= 0;
        if (!info.ok) {
            info.answers = 0;
            info.error = ProgressStore::tr("\"%1\" cannot be restored: %2").arg(native(source), reason);
        }
    } catch (const modDB::DbError& e) {
        info.error = ProgressStore::tr("\"%1\" cannot be restored: it is damaged or is not a progress file.")
                         .arg(native(source));
        Q_UNUSED(e);
    }
    return info;
}

bool ProgressStore::restore(const QString& source, QString* error, QString* keptAs)
{
    auto failWith = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    const BackupInfo info = checkBackup(source);
    if (!info.ok)
        return failWith(info.error);
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return failWith(ProgressStore::tr("The folder of \"%1\" cannot be created.").arg(fileName()));
    // The new file is made complete beside the old one, then swapped in by renaming.
    const QString incoming = keepName(m_path, QStringLiteral("restoring"));
    if (!QFile::copy(source, incoming))
        return failWith(ProgressStore::tr("\"%1\" could not be copied to \"%2\".").arg(native(source), native(incoming)));
    QFile::setPermissions(incoming, QFile::ReadOwner | QFile::WriteOwner);

    // Everything written so far (by this run or one that crashed) goes into the main file before
    // it is set aside: opening runs a leftover journal, the checkpoint empties it.
    if (!m_db && !m_damaged && QFileInfo::exists(m_path))
        open(Use::Read);
    if (m_db) {
        sqlite3_wal_checkpoint_v2(m_db->handle(), nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
        close();
    }
    const QString wal = m_path + QStringLiteral("-wal");
    if (QFileInfo(wal).size() > 0) {
        QFile::remove(incoming);
        return failWith(ProgressStore::tr("The progress file \"%1\" is in use by another copy of Lumenrest; close it and "
                                       "try again.")
                            .arg(fileName()));
    }
    QString kept;
    if (QFileInfo::exists(m_path)) {
        kept = keepName(m_path, QStringLiteral("bak"));
        if (!QFile::rename(m_path, kept)) {
            QFile::remove(incoming);
            return failWith(ProgressStore::tr("The progress file \"%1\" could not be set aside.").arg(fileName()));
        }
    }
    QFile::remove(wal);
    QFile::remove(m_path + QStringLiteral("-shm"));
    if (!QFile::rename(incoming, m_path)) {
        if (!kept.isEmpty())
            QFile::rename(kept, m_path);
        return failWith(ProgressStore::tr("The backup could not be moved to \"%1\".").arg(fileName()));
    }
    if (keptAs)
        *keptAs = kept;
    // A fresh start: a running test goes on in a new row of the restored file.
    m_testId = 0;
    m_unusable = false;
    m_damaged = false;
    report(QString());
    return open(Use::Read) || m_problem.isEmpty();
}

} // namespace progress
