#pragma once
#include <QString>

// Opens a web address in the user's browser; failures are silent.
class Browser {
public:
    virtual ~Browser() = default;
    virtual void open(const QString& address) = 0;
};

class QtBrowser final : public Browser {
public:
    void open(const QString& address) override;
};
