#pragma once
// Access to the card database: one connection, row sets that fetch all their rows at once.

#include "cardstore/Connection.h"
#include "cardstore/DbError.h"
#include "cardstore/Recordset.h"

#include <memory>

namespace modDB {

// The query as SQLite takes it: the column name Group is a reserved word there.
QString adaptQuery(const QString& sql);

void OpenCardDatabase(std::shared_ptr<Connection>& connection, const QString& path);
void OpenRecordset(std::shared_ptr<Recordset>& rows, const std::shared_ptr<Connection>& connection,
                   const QString& sql);

// The program-wide connection and deck; each open replaces (and so releases) the old ones.
extern std::shared_ptr<Connection> CardConnection;
extern std::shared_ptr<Recordset> DeckRecordset;

// Refuses a deck whose rows lack a column the screens show without a further test (Name and
// the two meanings); the message names the file and the column. Other columns may be absent.
void RequireCardFields(const Recordset& deck, const QString& path);

// "learn.dll" in the given directory.
QString cardDatabasePath(const QString& executableDir);

} // namespace modDB
