#include "cardstore/SqliteSupport.h"

#include "cardstore/DbError.h"

#include <QCoreApplication>
#include <sqlite3.h>

namespace modDB::detail {

QString sqliteMessage(sqlite3* db, int code)
{
    if (code == SQLITE_NOTADB)
        return QCoreApplication::translate("modDB", "The file is damaged, is not a card database, or was made with another key.");
    if (db)
        return QString::fromUtf8(sqlite3_errmsg(db));
    return QString::fromUtf8(sqlite3_errstr(code));
}

[[noreturn]] void fail(const QString& text, int code)
{
    throw DbError(text.toStdString(), code);
}

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

namespace {
int bindAny(sqlite3_stmt* stmt, int index, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return sqlite3_bind_null(stmt, index);
    switch (value.typeId()) {
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob64(stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
    }
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        return sqlite3_bind_int64(stmt, index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, index, value.toDouble());
    default: {
        const QByteArray utf8 = value.toString().toUtf8();
        return sqlite3_bind_text64(stmt, index, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT,
                                   SQLITE_UTF8);
    }
    }
}
} // namespace

void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value)
{
    const int rc = bindAny(stmt, index, value);
    if (rc != SQLITE_OK)
        fail(QCoreApplication::translate("modDB", "The card database could not take value %1 of the row: %2")
                 .arg(index)
                 .arg(sqliteMessage(nullptr, rc)));
}

QString quoted(const QString& identifier)
{
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

Statement::Statement(sqlite3* db, const QString& sql)
{
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        fail(QCoreApplication::translate("modDB", "The database could not run the query \"%1\": %2").arg(sql, sqliteMessage(db, rc)),
             rc);
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

} // namespace modDB::detail
