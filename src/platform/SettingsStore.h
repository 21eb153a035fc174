#pragma once
#include <QMap>
#include <QString>

// The per-user store of text values addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString GetSetting(const QString& application, const QString& section, const QString& key,
                               const QString& defaultValue) const = 0;
    // An empty text once the value is stored, else why it could not be (nothing changed).
    virtual QString SaveSetting(const QString& application, const QString& section, const QString& key,
                                const QString& value) = 0;
};

// The platform's per-user settings under the maker's name; the application name is given
// at each access. Where that store is a file (Linux and other Unix systems) it is read
// by QSettings but written here, whole and checked, in the same INI text, because
// QSettings' own save cuts the file on a full disk and still reports success.
class QtSettingsStore final : public SettingsStore {
public:
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) const override;
    QString SaveSetting(const QString& application, const QString& section, const QString& key,
                        const QString& value) override;

    // The INI text QSettings reads back as these texts: "group/key" -> value, keys without
    // a group under [General].
    static QByteArray iniText(const QMap<QString, QString>& values);
};
