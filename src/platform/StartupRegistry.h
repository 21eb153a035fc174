#pragma once
#include <QString>

#include <memory>

// The per-user list of programs started at log-on. Each entry is named after the
// executable's base name; its command is the quoted executable path and " /STARTUP".
class StartupRegistry {
public:
    struct Result {
        bool ok = true;
        int code = 0;           // the platform's error number when !ok
        QString description;    // the platform's own wording when !ok
        bool openFailed = false; // failed while opening the store rather than writing the entry
    };

    virtual ~StartupRegistry() = default;
    virtual bool exists(const QString& name) const = 0;
    virtual Result write(const QString& name, const QString& executablePath) = 0;
    // Removing an entry that does not exist is not an error.
    virtual Result remove(const QString& name) = 0;
};

// The registry of the platform the program runs on: the HKCU Run key on Windows, an XDG
// autostart entry elsewhere.
std::unique_ptr<StartupRegistry> createStartupRegistry();
