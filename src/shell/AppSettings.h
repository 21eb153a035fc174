#pragma once
#include "shell/SettingKeys.h"

#include <QString>

class AppPaths;
class SettingsStore;

// The program's values in the per-user settings store: application = the executable's base
// name (taken anew at each access, so a renamed program starts from defaults), section
// "Settings".
class AppSettings {
public:
    AppSettings(SettingsStore& store, const AppPaths& paths);

    QString GetSetting(const QString& key, const QString& defaultValue) const;
    // An empty text once stored, else why not.
    QString SaveSetting(const QString& key, const QString& value);
    // The typed values of the settings table: missing or unreadable values read as their
    // default.
    int value(const IndexSetting& setting) const;
    bool value(const FlagSetting& setting) const;
    QString save(const IndexSetting& setting, int value);
    QString save(const FlagSetting& setting, bool value);

    // What the user is told when a value could not be stored.
    static QString saveFailedMessage(const QString& error);

    // A stored index in [0, count) or, for anything else (not a number, out of range),
    // the key's default.
    static int toIndex(const QString& text, int defaultIndex, int count);

private:
    SettingsStore& m_store;
    const AppPaths& m_paths;
};
