#pragma once
#include "cardstore/DbError.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

struct sqlite3;

namespace modDB {

// The one open connection to a card database file.
class Connection {
public:
    // Opens an existing database file with the fixed key and checks that the key fits.
    explicit Connection(const QString& path);
    // A plain SQLite file without a key (the learner's own data); created when asked and missing.
    // Opened read-only when the file cannot be written.
    struct Plain {
        bool create = false;
        // Another copy of the program may hold the file for a moment, even during the first read.
        int busyTimeoutMs = 0;
    };
    Connection(const QString& path, Plain plain);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return m_db; }
    const QString& path() const { return m_path; }
    // Runs a statement that returns no rows.
    void execute(const QString& sql);
    // Runs one statement of our own with ?-parameters bound in order (taken as it stands).
    void run(const QString& sql, const QVariantList& params = {});
    // The first column of the first row of a query; null when it returns no row.
    QVariant value(const QString& sql, const QVariantList& params = {});
    qint64 lastInsertId() const;
    bool isReadOnly() const;

private:
    sqlite3* m_db = nullptr;
    QString m_path;
};

} // namespace modDB
