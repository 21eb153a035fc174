#pragma once
// The due-card reminder's values in the settings store. They live in a group of their own,
// "Progress", so the keys of the "Settings" group and what "Save Current Settings As Default"
// writes stay as they are.

#include <QDate>
#include <QString>

class AppPaths;
class SettingsStore;

namespace progress {

class ReminderSettings {
public:
    ReminderSettings(SettingsStore& store, const AppPaths& paths);

    // On unless the learner turned it off.
    bool remindDue() const;
    // An empty text once stored, else why not.
    QString setRemindDue(bool on);
    // The day of the last reminder shown; invalid when none was.
    QDate lastReminder() const;
    QString setLastReminder(const QDate& day);

private:
    SettingsStore& m_store;
    const AppPaths& m_paths;
};

} // namespace progress
