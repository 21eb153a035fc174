#pragma once
// Helpers shared by the goals tests.

#include "goals/Goal.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

namespace GoalsTest {

inline Goal goal(const QString& name, QDate start, QDate end, const QString& desc = QString(), bool achieved = false,
                 int percentage = 0)
{
    Goal g;
    g.GoalName = name;
    g.StartingDate = start;
    g.EndingDate = end;
    g.GoalDesc = desc;
    g.Achieved = achieved;
    g.AchievedPercentage = qint16(percentage);
    return g;
}

// One record exactly as the goals file holds it.
inline QByteArray line(const QString& name, const QString& start, const QString& end, const QString& desc,
                       bool achieved = false, int percentage = 0)
{
    return QStringLiteral("\"%1\",#%2#,#%3#,\"%4\",#%5#,%6\r\n")
        .arg(name, start, end, desc, achieved ? QStringLiteral("TRUE") : QStringLiteral("FALSE"))
        .arg(percentage)
        .toUtf8();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A device that holds some bytes and then fails, as a disk that breaks down midway.
class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray content, qint64 failAfter) : m_content(std::move(content)), m_failAfter(failAfter) {}
    QByteArray written;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 left = qMin<qint64>(m_failAfter, m_content.size()) - m_pos;
        if (left <= 0) {
            if (m_pos >= m_content.size())
                return 0;
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 n = qMin(left, maxSize);
        memcpy(data, m_content.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char* data, qint64 maxSize) override
    {
        const qint64 room = m_failAfter - written.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 n = qMin(room, maxSize);
        written.append(data, n);
        return n;
    }

private:
    QByteArray m_content;
    qint64 m_failAfter;
    qint64 m_pos = 0;
};

} // namespace GoalsTest
