#include "shell/AppSettings.h"

#include "platform/AppPaths.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>

namespace {
const QString kSection = QStringLiteral("Settings");
}

AppSettings::AppSettings(SettingsStore& store, const AppPaths& paths)
    : m_store(store)
    , m_paths(paths)
{
}

QString AppSettings::GetSetting(const QString& key, const QString& defaultValue) const
{
    return m_store.GetSetting(m_paths.baseName(), kSection, key, defaultValue);
}

QString AppSettings::SaveSetting(const QString& key, const QString& value)
{
    return m_store.SaveSetting(m_paths.baseName(), kSection, key, value);
}

QString AppSettings::saveFailedMessage(const QString& error)
{
    return QCoreApplication::translate("AppSettings", "Your settings could not be saved: %1.\n\nThe settings stored before are unchanged.")
        .arg(error);
}

int AppSettings::toIndex(const QString& text, int defaultIndex, int count)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 0 && n < count ? n : defaultIndex;
}
