#include "cardstore/Recordset.h"

#include "cardstore/SqliteSupport.h"
#include "cardstore/modDB.h"

#include <QCoreApplication>
#include <sqlite3.h>

#include <QRegularExpression>

#include <algorithm>

namespace modDB {

using namespace detail;

Recordset::Recordset(std::shared_ptr<Connection> connection, const QString& sql)
    : m_connection(std::move(connection))
{
    if (!m_connection)
        fail(QCoreApplication::translate("modDB", "The card database is not open."));
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
        fail(QCoreApplication::translate("modDB", "The card database could not read the rows of \"%1\": %2")
                 .arg(sql, sqliteMessage(m_connection->handle(), rc)));

    m_appendStarted.fill(false, columns);
    setFilter(QString());
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
        fail(QCoreApplication::translate("modDB", "The filter \"%1\" is not supported.").arg(filter));
    // Worked out aside: a filter on rows without an ID column throws before anything changes.
    QVector<int> visible;
    if (all) {
        for (int i = 0; i < m_rows.size(); ++i)
            visible.push_back(i);
    } else {
        const qint64 id = match.captured(1).toLongLong();
        const int idColumn = column(QStringLiteral("ID"));
        for (int i = 0; i < m_rows.size(); ++i)
            if (m_rows[i].values[idColumn].toLongLong() == id && !m_rows[i].values[idColumn].isNull())
                visible.push_back(i);
    }
    m_visible = std::move(visible);
    m_filter = filter;
    m_pos = m_visible.isEmpty() ? -1 : 0;
    rowChanged();
}

int Recordset::column(const QString& name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    fail(QCoreApplication::translate("modDB", "The field \"%1\" does not exist in the rows of %2.").arg(name, m_table));
}

bool Recordset::hasField(const QString& name) const
{
    return m_columns.contains(name, Qt::CaseInsensitive);
}

Recordset::Row& Recordset::currentRow()
{
    if (BOF() || AtEOF())
        fail(QCoreApplication::translate("modDB", "There is no current row in %1.").arg(m_table));
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
        fail(QCoreApplication::translate("modDB", "These rows cannot be saved: the query names no table."));
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
        fail(QCoreApplication::translate("modDB", "The card database could not save the row: %1").arg(sqliteMessage(db, rc)));
    // A row that another program deleted, or one without an ID, would otherwise be "saved"
    // without a trace.
    if (sqlite3_changes(db) != 1)
        fail(QCoreApplication::translate("modDB", "The card database could not save the row: it is no longer in %1.").arg(m_table));
    if (row.isNew && hasField(QStringLiteral("ID"))) {
        // Later saves of this row find it by the ID the database gave it.
        QVariant& id = row.values[column(QStringLiteral("ID"))];
        if (id.isNull() || !id.isValid())
            id = QVariant(qint64(sqlite3_last_insert_rowid(db)));
    }

    row.isNew = false;
    row.dirty.fill(false);
    rowChanged();
}

} // namespace modDB
