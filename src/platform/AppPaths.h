#pragma once
#include <QString>
#include <QStringList>

// Where the program lives and how it was started.
class AppPaths {
public:
    virtual ~AppPaths() = default;
    // The executable's directory, without a trailing separator.
    virtual QString executableDir() const = 0;
    // The executable's file name without its extension ("Lumenrest").
    virtual QString baseName() const = 0;
    // The full path of the executable.
    virtual QString executablePath() const = 0;
    // A per-user directory for the program's own files, created on demand.
    virtual QString dataDir() const = 0;
    virtual QStringList arguments() const = 0;
};

class QtAppPaths final : public AppPaths {
public:
    QString executableDir() const override;
    QString baseName() const override;
    QString executablePath() const override;
    QString dataDir() const override;
    QStringList arguments() const override;
};
