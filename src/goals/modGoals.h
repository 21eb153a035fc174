#pragma once
// The goal list and the goals file "goals.txt".

#include "goals/Goal.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

class AppPaths;
class QIODevice;

namespace modGoals {

// Every goal, in file order; a goal's index is its identity until the next read.
extern QList<Goal> Goals;

inline constexpr char kFileName[] = "goals.txt";

bool HasGoals();

// Appends a goal, not achieved and 0 % done. The file is not written.
void AddGoal(const QString& GoalName, const QDate& StartingDate, const QDate& EndingDate, const QString& GoalDesc);

struct ReadResult {
    enum class Status {
        Ok,         // the whole file was read
        NoFile,     // there is no goals file: no goals, and no error
        Malformed,  // the goals before the first fault were read
        ReadError,  // the bytes could not be read (the goals of the bytes read before are kept)
    };
    Status status = Status::Ok;
    int faultLine = 0;     // Malformed: the line on which the first unreadable record begins
    QString fault;         // Malformed: what was wrong there
    QString error;         // ReadError: the system's reason
    QString backupPath;    // Malformed file: where its original bytes were copied
    QString backupError;   // Malformed file: why no copy could be made
    bool windows1252 = false;

    bool ok() const { return status == Status::Ok || status == Status::NoFile; }
};

struct WriteResult {
    bool ok = true;
    bool written = false;  // false when there was nothing to write (no goals)
    QString error;         // why the write failed, fit for the user
};

// Empty Goals, then fill it from the device (already open for reading).
ReadResult ReadGoals(QIODevice& device);
// The whole of Goals, or all of it except the given indices; the device is open for
// writing. Nothing is written when there are no goals.
WriteResult WriteGoals(QIODevice& device);
WriteResult WriteGoalsExcept(const QSet<int>& except, QIODevice& device);

// The same for the file at path. A missing file reads as no goals. A file that does not
// follow the format keeps a copy of its original bytes beside it, named after it with the
// time stamp ("goals.txt.2026-12-06-083000.bak"); an existing file is never overwritten,
// and an existing copy with the same bytes is reused. Writes replace the file whole.
ReadResult ReadGoals(const QString& path, const QDateTime& now = QDateTime::currentDateTime());
WriteResult WriteGoals(const QString& path);
WriteResult WriteGoalsExcept(const QSet<int>& except, const QString& path);

// Where goals are written: the executable's directory when files can be created there,
// else the per-user data directory.
QString goalsFilePath(const AppPaths& paths);
// Where goals are read: the file above, or, while that does not exist yet, a goals file
// left in an executable directory that cannot be written.
QString goalsReadPath(const AppPaths& paths);

} // namespace modGoals
