#pragma once
#include "platform/StartupRegistry.h"

// Log-on start through an XDG autostart entry: $XDG_CONFIG_HOME/autostart/<name>.desktop
// (~/.config/autostart when the variable is unset or not an absolute path). An entry the
// desktop has switched off (Hidden=true) counts as absent and is left as it is.
class XdgStartupRegistry final : public StartupRegistry {
public:
    static QString autostartDir();
    static QString entryPath(const QString& name);

    bool exists(const QString& name) const override;
    Result write(const QString& name, const QString& executablePath) override;
    Result remove(const QString& name) override;
};
