#include "cardstore/CardContent.h"

#include "cardstore/ContentRules.h"
#include "cardstore/modDB.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>

#include <cstdio>

namespace CardContentIO {

namespace {

const char* const kSchema =
    "CREATE TABLE tblCards (ID INTEGER PRIMARY KEY, Name TEXT NOT NULL, [Group] INTEGER NOT NULL,"
    " PictureData BLOB, NormalMeaning TEXT NOT NULL, ReversedMeaning TEXT NOT NULL,"
    " PictureText TEXT, ContrastText TEXT);"
    "CREATE TABLE tblKeywords (ID INTEGER PRIMARY KEY, CardID INTEGER NOT NULL, CardName TEXT,"
    " Keyword TEXT NOT NULL);"
    "CREATE INDEX idxKeywordsCard ON tblKeywords (CardID);";

const char* const kGroupNames[] = {"major arcana", "Cups", "Wands", "Pentacles", "Swords"};
const int kGroupSizes[] = {22, 14, 14, 14, 14};

// Closes the database and removes the unfinished file unless told the work is done.
class Writer {
public:
    explicit Writer(const QString& path)
        : m_path(path)
    {
        QFile::remove(path);
        const QByteArray native = QFile::encodeName(path);
        try {
            if (sqlite3_open_v2(native.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
                != SQLITE_OK)
                check(SQLITE_CANTOPEN);
            check(sqlite3_key(m_db, modDB::kPassword, int(sizeof(modDB::kPassword) - 1)));
        } catch (...) {
            // The destructor does not run for a half-made writer: even a failed open holds a handle.
            sqlite3_close(m_db);
            QFile::remove(path);
            throw;
        }
    }
    ~Writer()
    {
        sqlite3_close(m_db);
        if (!m_done)
            QFile::remove(m_path);
    }
    void exec(const char* sql) { check(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr)); }
    sqlite3* db() const { return m_db; }
    void check(int rc) const
    {
        if (rc != SQLITE_OK && rc != SQLITE_DONE)
            throw modDB::DbError(QStringLiteral("Could not write the card database \"%1\": %2")
                                     .arg(m_path, QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc)))
                                     .toStdString());
    }
    void finish()
    {
        check(sqlite3_close(m_db));
        m_db = nullptr;
        m_done = true;
    }

private:
    QString m_path;
    sqlite3* m_db = nullptr;
    bool m_done = false;
};

int bindText(sqlite3_stmt* stmt, int i, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return sqlite3_bind_text64(stmt, i, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
}

} // namespace

QString cardLabel(const CardContent& c)
{
    return QStringLiteral("card %1 \"%2\"").arg(c.id).arg(c.name);
}

QList<CardContent> load(const QString& jsonPath, const QString& picturesDir, QString* error)
{
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Cannot read %1: %2").arg(jsonPath, file.errorString());
        return {};
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (doc.isNull()) {
        *error = QStringLiteral("%1 is not valid JSON: %2 at offset %3")
                     .arg(jsonPath, parseError.errorString())
                     .arg(parseError.offset);
        return {};
    }
    QList<CardContent> cards;
    const QJsonArray array = doc.object().value(QStringLiteral("cards")).toArray();
    for (const QJsonValue& value : array) {
        const QJsonObject o = value.toObject();
        CardContent c;
        c.id = o.value(QStringLiteral("id")).toInt();
        c.name = o.value(QStringLiteral("name")).toString();
        c.group = o.value(QStringLiteral("group")).toInt(-1);
        c.picture = o.value(QStringLiteral("picture")).toString();
        c.normalMeaning = o.value(QStringLiteral("normalMeaning")).toString();
        c.reversedMeaning = o.value(QStringLiteral("reversedMeaning")).toString();
        c.pictureText = o.value(QStringLiteral("pictureText")).toString();
        c.contrastText = o.value(QStringLiteral("contrastText")).toString();
        for (const QJsonValue& k : o.value(QStringLiteral("keywords")).toArray())
            c.keywords << k.toString();
        if (!c.picture.isEmpty()) {
            QFile picture(QDir(picturesDir).filePath(c.picture));
            if (picture.open(QIODevice::ReadOnly))
                c.pictureData = picture.readAll();
        }
        cards << c;
    }
    return cards;
}

QStringList validate(const QList<CardContent>& cards)
{
    QStringList faults;
    if (cards.size() != 78)
        faults << QStringLiteral("The deck holds %1 cards instead of 78.").arg(cards.size());

    int groupCounts[5] = {};
    QSet<int> ids;
    QHash<QString, QString> normals, reverseds;
    static const QRegularExpression punctuation(QStringLiteral("[,;:.!?\"/]"));
    for (int i = 0; i < cards.size(); ++i) {
        const CardContent& c = cards[i];
        const QString label = cardLabel(c);
        if (c.id != i + 1)
            faults << QStringLiteral("%1 stands at place %2: IDs must run 1 to 78 in deck order.").arg(label).arg(i + 1);
        if (ids.contains(c.id))
            faults << QStringLiteral("%1: the ID is used twice.").arg(label);
        ids.insert(c.id);
        if (c.group < 0 || c.group > 4)
            faults << QStringLiteral("%1: group %2 is not 0 to 4.").arg(label).arg(c.group);
        else
            ++groupCounts[c.group];
        if (c.name.trimmed().isEmpty())
            faults << QStringLiteral("%1: the name is empty.").arg(label);
        if (c.normalMeaning.trimmed().isEmpty())
            faults << QStringLiteral("%1: the upright meaning is empty.").arg(label);
        if (c.reversedMeaning.trimmed().isEmpty())
            faults << QStringLiteral("%1: the reversed meaning is empty.").arg(label);
        if (normals.contains(c.normalMeaning))
            faults << QStringLiteral("%1: the upright meaning repeats %2.").arg(label, normals.value(c.normalMeaning));
        if (reverseds.contains(c.reversedMeaning))
            faults << QStringLiteral("%1: the reversed meaning repeats %2.").arg(label, reverseds.value(c.reversedMeaning));
        normals.insert(c.normalMeaning, label);
        reverseds.insert(c.reversedMeaning, label);

        for (const QString& k : c.keywords) {
            if (k.trimmed().isEmpty())
                faults << QStringLiteral("%1: a keyword is empty.").arg(label);
            else if (k.contains(punctuation))
                faults << QStringLiteral("%1: the keyword \"%2\" holds punctuation.").arg(label, k);
        }
        if (c.pictureText.trimmed().isEmpty())
            faults << QStringLiteral("%1: the picture text is missing.").arg(label);
        if (c.contrastText.trimmed().isEmpty())
            faults << QStringLiteral("%1: the contrast line is missing.").arg(label);

        if (c.pictureData.isEmpty())
            faults << QStringLiteral("%1: the picture \"%2\" is missing.").arg(label, c.picture);
        else if (QImage::fromData(c.pictureData).isNull())
            faults << QStringLiteral("%1: the picture \"%2\" does not decode.").arg(label, c.picture);
    }
    for (int g = 0; g < 5; ++g)
        if (groupCounts[g] != kGroupSizes[g])
            faults << QStringLiteral("Group %1 (%2) holds %3 cards instead of %4.")
                          .arg(g)
                          .arg(QLatin1String(kGroupNames[g]))
                          .arg(groupCounts[g])
                          .arg(kGroupSizes[g]);
    return faults + ContentRules::check(cards);
}

void write(const QString& path, const QList<CardContent>& cards)
{
    const QString temporary = path + QStringLiteral(".part");
    {
        Writer w(temporary);
        w.exec(kSchema);
        w.exec("BEGIN");
        sqlite3_stmt* card = nullptr;
        sqlite3_stmt* keyword = nullptr;
        w.check(sqlite3_prepare_v2(w.db(),
                                   "INSERT INTO tblCards (ID, Name, [Group], PictureData, NormalMeaning, ReversedMeaning,"
                                   " PictureText, ContrastText) VALUES (?,?,?,?,?,?,?,?)",
                                   -1, &card, nullptr));
        w.check(sqlite3_prepare_v2(w.db(), "INSERT INTO tblKeywords (ID, CardID, CardName, Keyword) VALUES (?,?,?,?)",
                                   -1, &keyword, nullptr));
        auto finalize = qScopeGuard([&] {
            sqlite3_finalize(card);
            sqlite3_finalize(keyword);
        });
        int keywordId = 1;
        for (const CardContent& c : cards) {
            w.check(sqlite3_reset(card));
            w.check(sqlite3_bind_int(card, 1, c.id));
            w.check(bindText(card, 2, c.name));
            w.check(sqlite3_bind_int(card, 3, c.group));
            w.check(c.pictureData.isEmpty() ? sqlite3_bind_null(card, 4)
                                            : sqlite3_bind_blob64(card, 4, c.pictureData.constData(),
                                                                  sqlite3_uint64(c.pictureData.size()), SQLITE_TRANSIENT));
            w.check(bindText(card, 5, c.normalMeaning));
            w.check(bindText(card, 6, c.reversedMeaning));
            w.check(bindText(card, 7, c.pictureText));
            w.check(bindText(card, 8, c.contrastText));
            w.check(sqlite3_step(card));
            for (const QString& k : c.keywords) {
                w.check(sqlite3_reset(keyword));
                w.check(sqlite3_bind_int(keyword, 1, keywordId++));
                w.check(sqlite3_bind_int(keyword, 2, c.id));
                w.check(bindText(keyword, 3, c.name));
                w.check(bindText(keyword, 4, k));
                w.check(sqlite3_step(keyword));
            }
        }
        finalize.dismiss();
        sqlite3_finalize(card);
        sqlite3_finalize(keyword);
        w.exec("COMMIT");
        w.finish();
    }
    // rename() replaces the old file in one step, so no reader sees half a database.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        throw modDB::DbError(QStringLiteral("Could not move the new card database to \"%1\".").arg(path).toStdString());
    }
}

} // namespace CardContentIO
