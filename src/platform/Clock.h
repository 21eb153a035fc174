#pragma once
#include <QDate>
#include <QtGlobal>

// Today's date and a seed source; tests fix both.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual quint64 seed() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override;
    quint64 seed() const override;
};
