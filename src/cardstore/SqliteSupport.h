#pragma once
// Small helpers shared by the connection and the row sets.

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace modDB::detail {

QString sqliteMessage(sqlite3* db, int code);
[[noreturn]] void fail(const QString& text, int code = 0);
QVariant columnValue(sqlite3_stmt* stmt, int i);
// Binds a value to a statement parameter; throws when SQLite refuses it (too big, no such
// parameter), so a refused value is never written as NULL.
void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value);
QString quoted(const QString& identifier);

// Owns a prepared statement for the length of one call.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return m_stmt; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace modDB::detail
