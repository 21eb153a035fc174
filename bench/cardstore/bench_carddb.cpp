// Opening the card database and reading the whole deck query (78 cards, pictures included):
// through modDB against the plain SQLCipher C API doing the same work.

#include "BenchSupport.h"

#include "cardstore/modDB.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFile>

#include <string>
#include <vector>

namespace {

const QString kDeckQuery = QStringLiteral(
    "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR (Group=3) OR (Group=4) ORDER BY ID");

struct Cell {
    int type = SQLITE_NULL;
    sqlite3_int64 integer = 0;
    double real = 0;
    std::string bytes;
};

// Prepares, steps every row and copies every column.
std::vector<std::vector<Cell>> readAll(sqlite3* db, const QByteArray& sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK)
        return {};
    std::vector<std::vector<Cell>> rows;
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::vector<Cell> row(columns);
        for (int i = 0; i < columns; ++i) {
            Cell& c = row[i];
            c.type = sqlite3_column_type(stmt, i);
            switch (c.type) {
            case SQLITE_INTEGER: c.integer = sqlite3_column_int64(stmt, i); break;
            case SQLITE_FLOAT: c.real = sqlite3_column_double(stmt, i); break;
            case SQLITE_TEXT:
            case SQLITE_BLOB: {
                const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, i));
                c.bytes.assign(data ? data : "", size_t(sqlite3_column_bytes(stmt, i)));
                break;
            }
            default: break;
            }
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(stmt);
    return rows;
}

sqlite3* openKeyed(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_key(db, modDB::kPassword, int(sizeof(modDB::kPassword) - 1));
    return db;
}

void BM_OpenAndReadDeck_modDB(benchmark::State& state)
{
    const QString& path = BenchDeck::get().path;
    for (auto _ : state) {
        modDB::OpenCardDatabase(modDB::CardConnection, path);
        modDB::OpenRecordset(modDB::DeckRecordset, modDB::CardConnection, kDeckQuery);
        if (modDB::DeckRecordset->RecordCount() != 78)
            state.SkipWithError("the deck query did not return 78 cards");
        benchmark::DoNotOptimize(modDB::DeckRecordset.get());
    }
    modDB::DeckRecordset.reset();
    modDB::CardConnection.reset();
}

void BM_OpenAndReadDeck_floor(benchmark::State& state)
{
    const QString& path = BenchDeck::get().path;
    const QByteArray sql = modDB::adaptQuery(kDeckQuery).toUtf8();
    for (auto _ : state) {
        sqlite3* db = openKeyed(path);
        auto rows = readAll(db, sql);
        if (rows.size() != 78)
            state.SkipWithError("the deck query did not return 78 cards");
        benchmark::DoNotOptimize(rows.data());
        sqlite3_close(db);
    }
}

// The same reads on an open connection, so the key derivation at open does not hide the
// cost of the row set itself.
void BM_ReadDeck_modDB(benchmark::State& state)
{
    std::shared_ptr<modDB::Connection> connection;
    modDB::OpenCardDatabase(connection, BenchDeck::get().path);
    for (auto _ : state) {
        modDB::Recordset rows(connection, kDeckQuery);
        if (rows.RecordCount() != 78)
            state.SkipWithError("the deck query did not return 78 cards");
        benchmark::DoNotOptimize(&rows);
    }
}

void BM_ReadDeck_floor(benchmark::State& state)
{
    sqlite3* db = openKeyed(BenchDeck::get().path);
    const QByteArray sql = modDB::adaptQuery(kDeckQuery).toUtf8();
    for (auto _ : state) {
        auto rows = readAll(db, sql);
        if (rows.size() != 78)
            state.SkipWithError("the deck query did not return 78 cards");
        benchmark::DoNotOptimize(rows.data());
    }
    sqlite3_close(db);
}

} // namespace

BENCHMARK(BM_OpenAndReadDeck_modDB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenAndReadDeck_floor)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadDeck_modDB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadDeck_floor)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
