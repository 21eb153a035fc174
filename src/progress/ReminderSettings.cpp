#include "progress/ReminderSettings.h"

#include "platform/AppPaths.h"
#include "platform/SettingsStore.h"

namespace progress {

namespace {
const QString kGroup = QStringLiteral("Progress");
const QString kRemindDue = QStringLiteral("RemindDue");
const QString kLastReminder = QStringLiteral("LastReminder");
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");
}

ReminderSettings::ReminderSettings(SettingsStore& store, const AppPaths& paths)
    : m_store(store)
    , m_paths(paths)
{
}

bool ReminderSettings::remindDue() const
{
    // Written as "Start at system tray" is; anything but "False" keeps the reminder on.
    return m_store.GetSetting(m_paths.baseName(), kGroup, kRemindDue, kTrue) != kFalse;
}

QString ReminderSettings::setRemindDue(bool on)
{
    return m_store.SaveSetting(m_paths.baseName(), kGroup, kRemindDue, on ? kTrue : kFalse);
}

QDate ReminderSettings::lastReminder() const
{
    return QDate::fromString(m_store.GetSetting(m_paths.baseName(), kGroup, kLastReminder, QString()), Qt::ISODate);
}

QString ReminderSettings::setLastReminder(const QDate& day)
{
    return m_store.SaveSetting(m_paths.baseName(), kGroup, kLastReminder, day.toString(Qt::ISODate));
}

} // namespace progress
