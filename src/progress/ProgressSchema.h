#pragma once
// The layout of "progress.sqlite": its tables, their versions, and how times are written in it.

#include <QDateTime>
#include <QString>

namespace modDB {
class Connection;
}

namespace progress::schema {

// PRAGMA user_version of a file this version writes; 0 is a new (or foreign) file.
constexpr int kVersion = 1;

int version(modDB::Connection& db);
// Tables without a version: some other program's database.
bool isForeign(modDB::Connection& db);
// Brings the tables up to kVersion in one transaction (rolled back on failure).
void migrate(modDB::Connection& db);

// "yyyy-MM-ddTHH:mm:ss[.zzz]Z".
QString utcText(const QDateTime& t);
// Reads utcText's form fast; anything else through Qt's ISO parser.
QDateTime parseUtc(const char* s, int n);

} // namespace progress::schema
