#include "goals/modGoals.h"

#include "goals/GoalsFormat.h"
#include "platform/AppPaths.h"
#include "platform/CheckedSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace modGoals {

QList<Goal> Goals;

namespace {

// All the device's bytes; false (with the reason) when a read fails on the way.
bool readAll(QIODevice& device, QByteArray& bytes, QString& error)
{
    bytes.clear();
    if (!device.isSequential())
        bytes.reserve(qMax<qint64>(0, device.size() - device.pos()));
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = device.read(buffer, sizeof buffer);
        if (n < 0) {
            error = device.errorString();
            return false;
        }
        if (n == 0)
            return true;
        bytes.append(buffer, n);
    }
}

ReadResult take(const QByteArray& bytes)
{
    GoalsFormat::Parsed parsed = GoalsFormat::parse(bytes);
    Goals = std::move(parsed.goals);
    ReadResult r;
    r.windows1252 = parsed.windows1252;
    if (parsed.malformed) {
        r.status = ReadResult::Status::Malformed;
        r.faultLine = parsed.faultLine;
        r.fault = parsed.fault;
    }
    return r;
}

ReadResult readInto(QIODevice& device, QByteArray& bytes)
{
    QString error;
    const bool complete = readAll(device, bytes, error);
    ReadResult r = take(bytes);
    if (!complete) {
        r.status = ReadResult::Status::ReadError;
        r.error = error.isEmpty() ? QCoreApplication::translate("modGoals", "the file could not be read to its end") : error;
    }
    return r;
}

WriteResult writeTo(QIODevice& device, const QSet<int>& except)
{
    WriteResult r;
    if (!HasGoals())
        return r;
    const QByteArray bytes = GoalsFormat::encode(Goals, except, &r.error);
    if (r.error.isEmpty() && CheckedSave::writeAll(device, bytes, &r.error))
        r.written = true;
    else
        r.ok = false;
    return r;
}

WriteResult writeFile(const QString& path, const QSet<int>& except)
{
    if (!HasGoals())
        return {};
    WriteResult r;
    const QString error = CheckedSave::save(path, [&](QIODevice& device, QString* reason) {
        r = writeTo(device, except);
        *reason = r.error;
        return r.ok;
    });
    if (!error.isEmpty())
        return {false, false, error};
    return r;
}

bool sameBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.size() == bytes.size() && f.open(QIODevice::ReadOnly) && f.readAll() == bytes;
}

// Copies the original bytes of a faulty file beside it, never over an existing file.
QString keepCopy(const QString& path, const QByteArray& bytes, const QDateTime& now, QString& error)
{
    const QFileInfo info(path);
    const QDir dir = info.absoluteDir();
    const QString stem = info.fileName() + u'.';
    // The same bytes kept before (the file was read again unchanged): name that copy.
    const QStringList earlier = dir.entryList({stem + QStringLiteral("*.bak")}, QDir::Files, QDir::Name);
    for (const QString& name : earlier) {
        if (sameBytes(dir.filePath(name), bytes))
            return dir.filePath(name);
    }
    const QString stamp = now.toString(QStringLiteral("yyyy-MM-dd-hhmmss"));
    for (int n = 1; n < 1000; ++n) {
        const QString name = stem + stamp + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + QStringLiteral(".bak");
        QFile copy(dir.filePath(name));
        if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (copy.exists())
                continue;
            error = copy.errorString();
            return {};
        }
        if (copy.write(bytes) != bytes.size() || !copy.flush()) {
            error = copy.errorString();
            copy.close();
            copy.remove();
            return {};
        }
        return dir.filePath(name);
    }
    error = QCoreApplication::translate("modGoals", "too many copies already exist");
    return {};
}

bool canCreateFilesIn(const QString& dir)
{
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return false;
    // Tried rather than read from the permission bits, which say nothing about read-only
    // mounts, access lists or an administrator's rights.
    QTemporaryFile probe(dir + QStringLiteral("/.goals-probe-XXXXXX"));
    return probe.open();
}

} // namespace

bool HasGoals()
{
    return !Goals.isEmpty();
}

void AddGoal(const QString& GoalName, const QDate& StartingDate, const QDate& EndingDate, const QString& GoalDesc)
{
    Goal g;
    g.GoalName = GoalName;
    g.StartingDate = StartingDate;
    g.EndingDate = EndingDate;
    g.GoalDesc = GoalDesc;
    Goals.append(std::move(g));
}

ReadResult ReadGoals(QIODevice& device)
{
    QByteArray bytes;
    return readInto(device, bytes);
}

WriteResult WriteGoals(QIODevice& device)
{
    return writeTo(device, {});
}

WriteResult WriteGoalsExcept(const QSet<int>& except, QIODevice& device)
{
    return writeTo(device, except);
}

ReadResult ReadGoals(const QString& path, const QDateTime& now)
{
    Goals.clear();
    ReadResult r;
    const QFileInfo info(path);
    if (!info.exists()) {
        r.status = ReadResult::Status::NoFile;
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.status = ReadResult::Status::ReadError;
        r.error = file.errorString();
        return r;
    }
    QByteArray bytes;
    r = readInto(file, bytes);
    file.close();
    if (r.status == ReadResult::Status::Malformed)
        r.backupPath = keepCopy(path, bytes, now, r.backupError);
    return r;
}

WriteResult WriteGoals(const QString& path)
{
    return writeFile(path, {});
}

WriteResult WriteGoalsExcept(const QSet<int>& except, const QString& path)
{
    return writeFile(path, except);
}

QString goalsFilePath(const AppPaths& paths)
{
    const QString exeDir = paths.executableDir();
    const QString dir = canCreateFilesIn(exeDir) ? exeDir : paths.dataDir();
    return QDir(dir).filePath(QLatin1String(kFileName));
}

QString goalsReadPath(const AppPaths& paths)
{
    const QString path = goalsFilePath(paths);
    if (QFileInfo::exists(path))
        return path;
    const QString beside = QDir(paths.executableDir()).filePath(QLatin1String(kFileName));
    return QFileInfo::exists(beside) ? beside : path;
}

} // namespace modGoals
