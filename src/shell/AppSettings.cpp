#include "shell/AppSettings.h"

#include "platform/AppPaths.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>

namespace {
const QString kSection = QStringLiteral("Settings");

QString flagText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}
} // namespace

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

int AppSettings::value(const IndexSetting& setting) const
{
    const QString text = GetSetting(QLatin1String(setting.key), QString::number(setting.defaultIndex));
    return toIndex(text, setting.defaultIndex, setting.count);
}

bool AppSettings::value(const FlagSetting& setting) const
{
    return GetSetting(QLatin1String(setting.key), flagText(setting.defaultValue)) == flagText(true);
}

QString AppSettings::save(const IndexSetting& setting, int value)
{
    return SaveSetting(QLatin1String(setting.key), QString::number(value));
}

QString AppSettings::save(const FlagSetting& setting, bool value)
{
    return SaveSetting(QLatin1String(setting.key), flagText(value));
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
