#include "platform/Clock.h"

#include <QDateTime>

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

quint64 SystemClock::seed() const
{
    return quint64(QDateTime::currentMSecsSinceEpoch());
}
