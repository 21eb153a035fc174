#include "cardstore/modDB.h"

#include <QCoreApplication>
#include <QDir>

namespace modDB {

std::shared_ptr<Connection> CardConnection;
std::shared_ptr<Recordset> DeckRecordset;

QString adaptQuery(const QString& sql)
{
    QString out;
    out.reserve(sql.size() + 8);
    const int n = int(sql.size());
    int i = 0;
    auto isWordChar = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); };
    while (i < n) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            // Quoted text or identifiers pass as they stand.
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            int j = i + 1;
            while (j < n && sql[j] != close)
                ++j;
            out += sql.mid(i, j - i + 1);
            i = j + 1;
        } else if (isWordChar(c)) {
            int j = i;
            while (j < n && isWordChar(sql[j]))
                ++j;
            const QString word = sql.mid(i, j - i);
            bool reserved = word.compare(QLatin1String("Group"), Qt::CaseInsensitive) == 0;
            if (reserved) {
                int k = j;
                while (k < n && sql[k].isSpace())
                    ++k;
                // GROUP BY stays a clause.
                if (sql.mid(k, 2).compare(QLatin1String("BY"), Qt::CaseInsensitive) == 0
                    && (k + 2 >= n || !isWordChar(sql[k + 2])))
                    reserved = false;
            }
            out += reserved ? QLatin1Char('[') + word + QLatin1Char(']') : word;
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

void OpenCardDatabase(std::shared_ptr<Connection>& connection, const QString& path)
{
    connection.reset();
    connection = std::make_shared<Connection>(path);
}

void OpenRecordset(std::shared_ptr<Recordset>& rows, const std::shared_ptr<Connection>& connection,
                   const QString& sql)
{
    rows.reset();
    rows = std::make_shared<Recordset>(connection, sql);
}

void RequireCardFields(const Recordset& deck, const QString& path)
{
    for (const char* field : {"ID", "Name", "NormalMeaning", "ReversedMeaning"})
        if (!deck.hasField(QLatin1String(field)))
            throw DbError(QCoreApplication::translate("modDB", "The card database \"%1\" cannot be used: its card table has no column \"%2\".")
                              .arg(QDir::toNativeSeparators(path), QLatin1String(field))
                              .toStdString());
}

QString cardDatabasePath(const QString& executableDir)
{
    return executableDir + QStringLiteral("/learn.dll");
}

} // namespace modDB
