#pragma once
// Helpers shared by the goals tests.

#include "goals/Goal.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace GoalsTest {

// One record exactly as the goals file holds it.
inline QByteArray line(const QString& name, const QString& start, const QString& end, const QString& desc,
                       bool achieved = false, int percentage = 0)
{
    const QString flag = achieved ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    return QStringLiteral("\"%1\",#%2#,#%3#,\"%4\",#%5#,%6\r\n").arg(name, start, end, desc, flag).arg(percentage).toUtf8();
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

} // namespace GoalsTest
