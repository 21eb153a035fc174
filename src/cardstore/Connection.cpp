#include "cardstore/Connection.h"

#include "cardstore/SqliteSupport.h"
#include "cardstore/modDB.h"

#include <QCoreApplication>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace modDB {

using namespace detail;

Connection::Connection(const QString& path)
    : m_path(path)
{
    const QFileInfo info(path);
    if (!info.exists())
        fail(QCoreApplication::translate("modDB", "The card database \"%1\" was not found.").arg(QDir::toNativeSeparators(path)));
    if (info.isDir())
        fail(QCoreApplication::translate("modDB", "The card database \"%1\" is a folder, not a file.").arg(QDir::toNativeSeparators(path)));

    const QByteArray native = QFile::encodeName(path);
    int rc = sqlite3_open_v2(native.constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        // A read-only copy can still be studied.
        sqlite3_close(m_db);
        m_db = nullptr;
        rc = sqlite3_open_v2(native.constData(), &m_db, SQLITE_OPEN_READONLY, nullptr);
    }
    if (rc == SQLITE_OK)
        rc = sqlite3_key(m_db, kPassword, int(sizeof(kPassword) - 1));
    // A wrong key or a file that is no database shows only at the first statement.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason = sqliteMessage(m_db, rc);
        sqlite3_close(m_db);
        m_db = nullptr;
        fail(QCoreApplication::translate("modDB", "The card database \"%1\" could not be opened. %2")
                 .arg(QDir::toNativeSeparators(path), reason),
             rc);
    }
}

Connection::Connection(const QString& path, Plain plain)
    : m_path(path)
{
    const QByteArray native = QFile::encodeName(path);
    // One thread uses a connection at a time: no locking inside SQLite for each call.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (plain.create ? SQLITE_OPEN_CREATE : 0);
    int rc = sqlite3_open_v2(native.constData(), &m_db, flags, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_busy_timeout(m_db, plain.busyTimeoutMs);
    // A damaged file shows only at the first statement that reads it.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason = rc == SQLITE_NOTADB ? QCoreApplication::translate("modDB", "The file is damaged or is not a database.")
                                                   : sqliteMessage(m_db, rc);
        sqlite3_close(m_db);
        m_db = nullptr;
        fail(QCoreApplication::translate("modDB", "The database \"%1\" could not be opened. %2").arg(QDir::toNativeSeparators(path), reason),
             rc);
    }
}

Connection::~Connection()
{
    if (m_db) {
        sqlite3_close(m_db);
    }
}

void Connection::execute(const QString& sql)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, adaptQuery(sql).toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString reason = error ? QString::fromUtf8(error) : sqliteMessage(m_db, rc);
        sqlite3_free(error);
        fail(QCoreApplication::translate("modDB", "The card database could not run \"%1\": %2").arg(sql, reason), rc);
    }
}

void Connection::run(const QString& sql, const QVariantList& params)
{
    Statement stmt(m_db, sql);
    for (int i = 0; i < params.size(); ++i)
        bindValue(stmt.get(), i + 1, params[i]);
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        fail(QCoreApplication::translate("modDB", "The database could not run \"%1\": %2").arg(sql, sqliteMessage(m_db, rc)), rc);
}

QVariant Connection::value(const QString& sql, const QVariantList& params)
{
    Statement stmt(m_db, sql);
    for (int i = 0; i < params.size(); ++i)
        bindValue(stmt.get(), i + 1, params[i]);
    const int rc = sqlite3_step(stmt.get());
    if (rc == SQLITE_ROW)
        return columnValue(stmt.get(), 0);
    if (rc != SQLITE_DONE)
        fail(QCoreApplication::translate("modDB", "The database could not run \"%1\": %2").arg(sql, sqliteMessage(m_db, rc)), rc);
    return QVariant();
}

qint64 Connection::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

bool Connection::isReadOnly() const
{
    return sqlite3_db_readonly(m_db, "main") == 1;
}

} // namespace modDB
