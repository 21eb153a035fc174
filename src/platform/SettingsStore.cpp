#include "platform/SettingsStore.h"

#include <QSettings>

namespace {
const QString kOrganisation = QStringLiteral("Vellacourt");
}

QString QtSettingsStore::GetSetting(const QString& application, const QString& section, const QString& key,
                                    const QString& defaultValue) const
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, application);
    settings.beginGroup(section);
    return settings.value(key, defaultValue).toString();
}

void QtSettingsStore::SaveSetting(const QString& application, const QString& section, const QString& key,
                                  const QString& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, application);
    settings.beginGroup(section);
    settings.setValue(key, value);
}
