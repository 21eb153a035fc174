#include "cardstore/Connection.h"

#include "cardstore/SqliteSupport.h"
#include "cardstore/modDB.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>

namespace modDB {

using namespace detail;

namespace {
std::atomic<int> g_connections{0};
}

Connection::Connection(const QString& path)
    : m_path(path)
{
    const QFileInfo info(path);
    if (!info.exists())
        fail(QStringLiteral("The card database \"%1\" was not found.").arg(QDir::toNativeSeparators(path)));
    if (info.isDir())
        fail(QStringLiteral("The card database \"%1\" is a folder, not a file.").arg(QDir::toNativeSeparators(path)));

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
        fail(QStringLiteral("The card database \"%1\" could not be opened. %2")
                 .arg(QDir::toNativeSeparators(path), reason));
    }
    ++g_connections;
}

Connection::~Connection()
{
    if (m_db) {
        sqlite3_close(m_db);
        --g_connections;
    }
}

void Connection::execute(const QString& sql)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, adaptQuery(sql).toUtf8().constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const QString reason = error ? QString::fromUtf8(error) : sqliteMessage(m_db, rc);
        sqlite3_free(error);
        fail(QStringLiteral("The card database could not run \"%1\": %2").arg(sql, reason));
    }
}

int Connection::liveCount()
{
    return g_connections;
}

} // namespace modDB
