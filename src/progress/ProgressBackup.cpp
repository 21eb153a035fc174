// Export, back-up and restore of the answer log.
#include "progress/ProgressStore.h"

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
#include <QTemporaryDir>

namespace progress {

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The file holds all of bytes, or stays as it was; error says why not.
bool saveWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString reason = CheckedSave::save(path, bytes);
    if (!reason.isEmpty() && error)
        *error = CheckedSave::failureText(path, reason);
    return reason.isEmpty();
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
    } catch (const modDB::DbError&) {
        info.error = ProgressStore::tr("\"%1\" cannot be restored: it is damaged or is not a progress file.")
                         .arg(native(source));
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
