#pragma once
#include "cardstore/Connection.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>

namespace modDB {

// The rows of one query, fetched at open, with a current row between BOF and EOF.
// An "ID=n" filter narrows the visible rows; changes are saved back by the ID column.
class Recordset {
public:
    Recordset(std::shared_ptr<Connection> connection, const QString& sql);
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    int RecordCount() const { return int(m_visible.size()); }
    bool BOF() const { return m_pos < 0 || m_visible.isEmpty(); }
    bool AtEOF() const { return m_pos >= int(m_visible.size()) || m_visible.isEmpty(); }

    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    // n rows forward (backward when negative) from the current row, stopping at BOF or EOF.
    void Move(int n);

    // "" shows all rows again; "ID=" and a number shows only that card. Either way the
    // current row becomes the first visible row.
    void setFilter(const QString& filter);
    QString filter() const { return m_filter; }

    bool hasField(const QString& name) const;
    QVariant value(const QString& name) const;
    QString text(const QString& name) const;
    qint64 integer(const QString& name) const;
    QByteArray binary(const QString& name) const;
    // Byte length of a long binary (or text) field.
    qint64 ActualSize(const QString& name) const;
    // The first n bytes of a long binary field.
    QByteArray GetChunk(const QString& name, qint64 n) const;
    // Adds bytes at the end of the field; the first append on a row that has not been
    // changed since it became current replaces the value.
    void AppendChunk(const QString& name, const QByteArray& bytes);

    void AddNew();
    void setValue(const QString& name, const QVariant& value);
    // Writes the current row's changes (or the new row) to the database.
    void Update();

    const QStringList& fieldNames() const { return m_columns; }

private:
    struct Row {
        QVector<QVariant> values;
        QVector<bool> dirty;
        bool isNew = false;
    };

    int column(const QString& name) const;
    Row& currentRow();
    const Row& currentRow() const;
    void rowChanged();

    std::shared_ptr<Connection> m_connection;
    QString m_table;
    QStringList m_columns;
    QVector<Row> m_rows;
    QVector<int> m_visible; // indexes into m_rows
    int m_pos = -1;         // index into m_visible; -1 is BOF, size() is EOF
    QString m_filter;
    QVector<bool> m_appendStarted;
};

} // namespace modDB
