#pragma once
#include <QDate>
#include <QString>

// One personal goal, its fields in the order of the goals file.
struct Goal {
    QString GoalName;
    QDate StartingDate;
    QDate EndingDate;
    QString GoalDesc;          // line breaks are CR LF
    bool Achieved = false;     // once true, never set back
    qint16 AchievedPercentage = 0;

    bool operator==(const Goal&) const = default;
};
