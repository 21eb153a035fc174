#include "goals/GoalTimer.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>

GoalTimer::Result GoalTimer::Compute(const QDate& starting, const QDate& ending, const QDate& today, bool editorOpen,
                                     int achievedPercentage, const QLocale& locale)
{
    Result r;
    if (!starting.isValid() || !ending.isValid() || !today.isValid())
        return r;
    const qint64 totalDays = starting.daysTo(ending);
    const qint64 elapsedDays = starting.daysTo(today);
    if (elapsedDays < 0) {
        r.info = QCoreApplication::translate("GoalTimer", "Your goal starting date has been set for the future");
        return r;
    }
    if (totalDays <= 0)
        return r;
    if (editorOpen)
        r.daysRemaining = QString::number(today.daysTo(ending));
    r.info = QCoreApplication::translate("GoalTimer", "You should have achieved %1%. You have actually achieved %2%")
                 .arg(FormatPercentage(DuePercentage(totalDays, elapsedDays), locale), QString::number(achievedPercentage));
    return r;
}

float GoalTimer::DuePercentage(qint64 totalDays, qint64 elapsedDays)
{
    const float single = float(100.0 / double(totalDays) * double(elapsedDays));
    // std::round rounds halves away from zero.
    return float(std::round(double(single) * 100.0) / 100.0);
}

QString GoalTimer::FormatPercentage(float value, const QLocale& locale)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        return QString::number(double(value));
    QString text = QString::fromLatin1(buffer, end - buffer);
    text.replace(u'.', locale.decimalPoint());
    return text;
}
