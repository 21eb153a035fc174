#include "cardstore/modDB.h"

#include <sqlite3.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <atomic>

namespace modDB {

std::shared_ptr<Connection> CardConnection;
std::shared_ptr<Recordset> DeckRecordset;

namespace {

std::atomic<int> g_connections{0};
std::atomic<int> g_recordsets{0};

QString sqliteMessage(sqlite3* db, int code)
{
    if (code == SQLITE_NOTADB)
        return QStringLiteral("The file is damaged, is not a card database, or was made with another key.");
    if (db)
        return QString::fromUtf8(sqlite3_errmsg(db));
    return QString::fromUtf8(sqlite3_errstr(code));
}

[[noreturn]] void fail(const QString& text)
{
    throw DbError(text.toStdString());
}

// Owns a prepared statement for the length of one call.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql)
    {
        const QByteArray utf8 = sql.toUtf8();
        const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
        if (rc != SQLITE_OK)
            fail(QStringLiteral("The card database could not run the query \"%1\": %2")
                     .arg(sql, sqliteMessage(db, rc)));
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return m_stmt; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

QVariant columnValue(sqlite3_stmt* stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, i));
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt, i)));
    }
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, i));
        return QVariant(QByteArray(data, sqlite3_column_bytes(stmt, i)));
    }
    default:
        return QVariant();
    }
}

void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value)
{
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob64(stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
        break;
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        sqlite3_bind_int64(stmt, index, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt, index, value.toDouble());
        break;
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        sqlite3_bind_text64(stmt, index, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT,
                            SQLITE_UTF8);
        break;
    }
    }
}

QString quoted(const QString& identifier)
{
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

} // namespace

// --- Connection -------------------------------------------------------------

Connection::Connection(const QString& path)
    : m_path(path)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        fail(QStringLiteral("The card database \"%1\" was not found.").arg(QDir::toNativeSeparators(path)));

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

// --- Recordset --------------------------------------------------------------

Recordset::Recordset(std::shared_ptr<Connection> connection, const QString& sql)
    : m_connection(std::move(connection))
{
    if (!m_connection)
        fail(QStringLiteral("The card database is not open."));
    static const QRegularExpression fromTable(QStringLiteral("\\bFROM\\s+\\[?(\\w+)"),
                                              QRegularExpression::CaseInsensitiveOption);
    m_table = fromTable.match(sql).captured(1);

    Statement stmt(m_connection->handle(), adaptQuery(sql));
    const int columns = sqlite3_column_count(stmt.get());
    for (int i = 0; i < columns; ++i)
        m_columns << QString::fromUtf8(sqlite3_column_name(stmt.get(), i));

    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        Row row;
        row.values.resize(columns);
        row.dirty.fill(false, columns);
        for (int i = 0; i < columns; ++i)
            row.values[i] = columnValue(stmt.get(), i);
        m_rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        fail(QStringLiteral("The card database could not read the rows of \"%1\": %2")
                 .arg(sql, sqliteMessage(m_connection->handle(), rc)));

    m_appendStarted.fill(false, columns);
    setFilter(QString());
    ++g_recordsets;
}

Recordset::~Recordset()
{
    --g_recordsets;
}

int Recordset::liveCount()
{
    return g_recordsets;
}

void Recordset::rowChanged()
{
    m_appendStarted.fill(false);
}

void Recordset::MoveFirst()
{
    m_pos = m_visible.isEmpty() ? -1 : 0;
    rowChanged();
}

void Recordset::MoveNext()
{
    if (m_pos < int(m_visible.size()))
        ++m_pos;
    rowChanged();
}

void Recordset::MovePrevious()
{
    if (m_pos >= 0)
        --m_pos;
    rowChanged();
}

void Recordset::Move(int n)
{
    m_pos = std::clamp(m_pos + n, -1, int(m_visible.size()));
    rowChanged();
}

void Recordset::setFilter(const QString& filter)
{
    static const QRegularExpression idFilter(QStringLiteral("^\\s*ID\\s*=\\s*(-?\\d+)\\s*$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const bool all = filter.trimmed().isEmpty();
    const QRegularExpressionMatch match = idFilter.match(filter);
    // A refused filter leaves the rows as they were.
    if (!all && !match.hasMatch())
        fail(QStringLiteral("The filter \"%1\" is not supported.").arg(filter));
    m_visible.clear();
    if (all) {
        for (int i = 0; i < m_rows.size(); ++i)
            m_visible.push_back(i);
    } else {
        const qint64 id = match.captured(1).toLongLong();
        const int idColumn = column(QStringLiteral("ID"));
        for (int i = 0; i < m_rows.size(); ++i)
            if (m_rows[i].values[idColumn].toLongLong() == id && !m_rows[i].values[idColumn].isNull())
                m_visible.push_back(i);
    }
    m_filter = filter;
    m_pos = m_visible.isEmpty() ? -1 : 0;
    rowChanged();
}

int Recordset::column(const QString& name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    fail(QStringLiteral("The field \"%1\" does not exist in the rows of %2.").arg(name, m_table));
}

bool Recordset::hasField(const QString& name) const
{
    return m_columns.contains(name, Qt::CaseInsensitive);
}

Recordset::Row& Recordset::currentRow()
{
    if (BOF() || AtEOF())
        fail(QStringLiteral("There is no current row in %1.").arg(m_table));
    return m_rows[m_visible[m_pos]];
}

const Recordset::Row& Recordset::currentRow() const
{
    return const_cast<Recordset*>(this)->currentRow();
}

QVariant Recordset::value(const QString& name) const
{
    return currentRow().values[column(name)];
}

QString Recordset::text(const QString& name) const
{
    return value(name).toString();
}

qint64 Recordset::integer(const QString& name) const
{
    return value(name).toLongLong();
}

QByteArray Recordset::binary(const QString& name) const
{
    return value(name).toByteArray();
}

qint64 Recordset::ActualSize(const QString& name) const
{
    const QVariant v = value(name);
    if (v.typeId() == QMetaType::QString)
        return v.toString().toUtf8().size();
    return v.toByteArray().size();
}

QByteArray Recordset::GetChunk(const QString& name, qint64 n) const
{
    return binary(name).left(n);
}

void Recordset::AppendChunk(const QString& name, const QByteArray& bytes)
{
    const int col = column(name);
    Row& row = currentRow();
    if (m_appendStarted[col])
        row.values[col] = QVariant(row.values[col].toByteArray() + bytes);
    else
        row.values[col] = QVariant(bytes);
    row.dirty[col] = true;
    m_appendStarted[col] = true;
}

void Recordset::AddNew()
{
    Row row;
    row.values.resize(m_columns.size());
    row.dirty.fill(false, m_columns.size());
    row.isNew = true;
    m_rows.push_back(std::move(row));
    m_visible.push_back(int(m_rows.size()) - 1);
    m_pos = int(m_visible.size()) - 1;
    rowChanged();
}

void Recordset::setValue(const QString& name, const QVariant& value)
{
    const int col = column(name);
    Row& row = currentRow();
    row.values[col] = value;
    row.dirty[col] = true;
}

void Recordset::Update()
{
    Row& row = currentRow();
    if (m_table.isEmpty())
        fail(QStringLiteral("These rows cannot be saved: the query names no table."));
    QStringList names;
    QVector<QVariant> values;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (row.dirty[i]) {
            names << m_columns[i];
            values << row.values[i];
        }
    }
    if (names.isEmpty() && !row.isNew)
        return;

    QString sql;
    if (row.isNew) {
        QStringList cols, marks;
        for (const QString& n : names) {
            cols << quoted(n);
            marks << QStringLiteral("?");
        }
        sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_table))
                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(quoted(m_table), cols.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    } else {
        QStringList sets;
        for (const QString& n : names)
            sets << quoted(n) + QStringLiteral("=?");
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE \"ID\"=?").arg(quoted(m_table), sets.join(QLatin1Char(',')));
        values << row.values[column(QStringLiteral("ID"))];
    }

    sqlite3* db = m_connection->handle();
    Statement stmt(db, sql);
    for (int i = 0; i < values.size(); ++i)
        bindValue(stmt.get(), i + 1, values[i]);
    const int rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_DONE)
        fail(QStringLiteral("The card database could not save the row: %1").arg(sqliteMessage(db, rc)));

    row.isNew = false;
    row.dirty.fill(false);
    rowChanged();
}

// --- free functions ---------------------------------------------------------

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

QString cardDatabasePath(const QString& executableDir)
{
    return executableDir + QStringLiteral("/learn.dll");
}

} // namespace modDB
