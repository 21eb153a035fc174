#pragma once
#include "cardstore/DbError.h"

#include <QString>

struct sqlite3;

namespace modDB {

// The one open connection to a card database file.
class Connection {
public:
    // Opens an existing database file with the fixed key and checks that the key fits.
    explicit Connection(const QString& path);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return m_db; }
    const QString& path() const { return m_path; }
    // Runs a statement that returns no rows.
    void execute(const QString& sql);

    // How many connections are open in this process (tests check that replaced ones close).
    static int liveCount();

private:
    sqlite3* m_db = nullptr;
    QString m_path;
};

} // namespace modDB
