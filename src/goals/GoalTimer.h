#pragma once
#include <QDate>
#include <QLocale>
#include <QString>

// How far along a goal should be by today, set beside what the user says is achieved.
class GoalTimer {
public:
    struct Result {
        QString daysRemaining; // text of lblDaysRemaining
        QString info;          // text of lblInfo
    };

    // editorOpen: a goal is open in the editor (its percentage list is enabled).
    // Day counts use 64-bit arithmetic, so spans of any length give exact results.
    static Result Compute(const QDate& starting, const QDate& ending, const QDate& today, bool editorOpen,
                          int achievedPercentage, const QLocale& locale = QLocale());

    // 100 / total * elapsed in double precision, taken as single precision, rounded to
    // two places (halves away from zero) and taken as single precision again.
    static float DuePercentage(qint64 totalDays, qint64 elapsedDays);

    // The shortest text that reads back as the same single-precision value, with no
    // exponent and the locale's decimal separator: 14.29, 42.9, 100, 0.13.
    static QString FormatPercentage(float value, const QLocale& locale = QLocale());
};
