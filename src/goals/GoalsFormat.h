#pragma once
#include "goals/Goal.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

// The bytes of the goals file: one record per goal, six comma-separated fields
// ("name",#yyyy-mm-dd#,#yyyy-mm-dd#,"description",#TRUE#|#FALSE#,percentage), each
// record ended by CR LF. Text is UTF-8; a text whose bytes are not valid UTF-8 (written
// by an older 8-bit program) is read as Windows-1252, that text alone.
namespace GoalsFormat {

struct Parsed {
    QList<Goal> goals;    // every complete record before the first fault
    bool malformed = false;
    int faultLine = 0;    // 1-based line on which the first unreadable record begins
    QString fault;        // what was wrong there, a phrase fit for the user
    bool windows1252 = false; // some text was read as Windows-1252
};

// Never fails: a fault ends the reading and is described in the result.
Parsed parse(const QByteArray& bytes);

// The whole file for the goals not listed in except. Refuses (empty result, error set)
// a goal the format cannot hold: a double quote in a text, a missing date or a year
// outside 1 to 9999, a percentage outside 0 to 100.
QByteArray encode(const QList<Goal>& goals, const QSet<int>& except, QString* error);

// Why this goal cannot be written, or an empty text when it can.
QString problemWith(const Goal& goal);

} // namespace GoalsFormat
