#pragma once
#include "platform/StartupRegistry.h"

// Log-on start through a value under HKEY_CURRENT_USER\Software\Microsoft\Windows\
// CurrentVersion\Run. Built on Windows only.
class WinStartupRegistry final : public StartupRegistry {
public:
    // The value's data: the quoted executable path and " /STARTUP".
    static QString runCommand(const QString& executablePath);

    bool exists(const QString& name) const override;
    Result write(const QString& name, const QString& executablePath) override;
    Result remove(const QString& name) override;
};
