#include "progress/ProgressSchema.h"

#include "cardstore/Connection.h"

#include <sqlite3.h>

#include <QStringList>
#include <QVector>

namespace progress::schema {

namespace {

// Each step brings the schema from its index to the next version, inside one transaction.
const QVector<QStringList>& migrations()
{
    static const QVector<QStringList> steps = {
        {QStringLiteral("CREATE TABLE tests ("
                        " id INTEGER PRIMARY KEY,"
                        " started_at TEXT NOT NULL,"
                        " ended_at TEXT,"
                        " test_type TEXT NOT NULL CHECK (test_type IN ('Description', 'Keywords')),"
                        " level INTEGER NOT NULL CHECK (level BETWEEN 0 AND 2),"
                        " deck_size INTEGER NOT NULL)"),
         QStringLiteral("CREATE TABLE answers ("
                        " test_id INTEGER NOT NULL REFERENCES tests (id),"
                        " answered_at TEXT NOT NULL,"
                        " card_id INTEGER NOT NULL CHECK (card_id BETWEEN 1 AND 78),"
                        " reversed INTEGER NOT NULL CHECK (reversed IN (0, 1)),"
                        " test_type TEXT NOT NULL CHECK (test_type IN ('Description', 'Keywords')),"
                        " level INTEGER NOT NULL CHECK (level BETWEEN 0 AND 2),"
                        " score INTEGER NOT NULL,"
                        " max_score INTEGER NOT NULL,"
                        " mistaken_for INTEGER CHECK (mistaken_for BETWEEN 1 AND 78),"
                        " seconds REAL NOT NULL)")},
    };
    Q_ASSERT(steps.size() == kVersion);
    return steps;
}

} // namespace

int version(modDB::Connection& db)
{
    return db.value(QStringLiteral("PRAGMA user_version")).toInt();
}

bool isForeign(modDB::Connection& db)
{
    return version(db) == 0 && db.value(QStringLiteral("SELECT count(*) FROM sqlite_master")).toInt() > 0;
}

void migrate(modDB::Connection& db)
{
    db.run(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        // Another copy may have created or upgraded the file meanwhile.
        for (int v = version(db); v < kVersion; ++v)
            for (const QString& sql : migrations()[v])
                db.run(sql);
        db.run(QStringLiteral("PRAGMA user_version = %1").arg(kVersion));
        db.run(QStringLiteral("COMMIT"));
    } catch (...) {
        sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

QString utcText(const QDateTime& t)
{
    return t.toUTC().toString(Qt::ISODate);
}

// Without the general (and slow) parser: a long log holds one stamp an answer.
QDateTime parseUtc(const char* s, int n)
{
    auto digits = [s](int at, int count) {
        int v = 0;
        for (int i = at; i < at + count; ++i) {
            if (s[i] < '0' || s[i] > '9')
                return -1;
            v = v * 10 + (s[i] - '0');
        }
        return v;
    };
    if (n >= 20 && s[4] == '-' && s[7] == '-' && s[10] == 'T' && s[13] == ':' && s[16] == ':' && s[n - 1] == 'Z') {
        const int y = digits(0, 4), mo = digits(5, 2), d = digits(8, 2);
        const int h = digits(11, 2), mi = digits(14, 2), sec = digits(17, 2);
        const int ms = n == 24 && s[19] == '.' ? digits(20, 3) : (n == 20 ? 0 : -1);
        const QDate date(y, mo, d);
        if (date.isValid() && h >= 0 && h < 24 && mi >= 0 && mi < 60 && sec >= 0 && sec < 60 && ms >= 0) {
            const qint64 days = date.toJulianDay() - QDate(1970, 1, 1).toJulianDay();
            return QDateTime::fromMSecsSinceEpoch(((days * 24 + h) * 60 + mi) * 60000LL + sec * 1000LL + ms, Qt::UTC);
        }
    }
    return QDateTime::fromString(QString::fromUtf8(s, n), Qt::ISODate).toUTC();
}

} // namespace progress::schema
