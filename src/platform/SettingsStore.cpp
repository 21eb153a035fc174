#include "platform/SettingsStore.h"

#include "platform/AppTitle.h"
#include "platform/CheckedSave.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
bool isHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// A group or key name: plain letters, digits, "_", "-" and "." as they are; "/" as "\";
// anything else as %XX or %UXXXX.
void appendKey(QByteArray& out, QStringView key)
{
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'
            || c == u'-' || c == u'.')
            out += char(c);
        else if (c == u'/')
            out += '\\';
        else if (c <= 0xFF)
            out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        else
            out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
    }
}

// A text value: backslash escapes for "\", '"' and control characters, UTF-8 for the
// rest, in double quotes when it holds ";", "," or "=" (else it would read as a list) or
// starts or ends with a blank. A leading "@" is doubled so that it reads as text.
void appendValue(QByteArray& out, const QString& value)
{
    QByteArray v;
    if (value.startsWith(u'@'))
        v += '@';
    bool quote = false;
    bool hexBefore = false; // a hex digit right after \x.. would extend that escape
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar qc = value[i];
        const char16_t c = qc.unicode();
        quote = quote || c == u';' || c == u',' || c == u'=';
        if (hexBefore && isHexDigit(c)) {
            v += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        hexBefore = false;
        switch (c) {
        case u'\\': v += "\\\\"; break;
        case u'"': v += "\\\""; break;
        case u'\a': v += "\\a"; break;
        case u'\b': v += "\\b"; break;
        case u'\f': v += "\\f"; break;
        case u'\n': v += "\\n"; break;
        case u'\r': v += "\\r"; break;
        case u'\t': v += "\\t"; break;
        case u'\v': v += "\\v"; break;
        default:
            if (c < 0x20) {
                v += "\\x" + QByteArray::number(c, 16);
                hexBefore = true;
            } else {
                // A character beyond the first plane is two UTF-16 units, encoded together.
                const qsizetype units = qc.isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate() ? 2 : 1;
                v += QStringView(value).sliced(i, units).toUtf8();
                i += units - 1;
            }
        }
    }
    if (quote || v.startsWith(' ') || v.endsWith(' '))
        v = '"' + v + '"';
    out += v;
}

} // namespace

QByteArray QtSettingsStore::iniText(const QMap<QString, QString>& values)
{
    // Groups in order, [General] (keys without a group) first; keys in order inside each.
    QMap<QString, QMap<QString, QString>> groups;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        if (slash < 0)
            groups[QString()][it.key()] = it.value();
        else
            groups[it.key().left(slash)][it.key().mid(slash + 1)] = it.value();
    }
    QByteArray out;
    for (auto g = groups.cbegin(); g != groups.cend(); ++g) {
        if (!out.isEmpty())
            out += '\n';
        out += '[';
        appendKey(out, g.key().isEmpty() ? QStringLiteral("General") : g.key());
        out += "]\n";
        for (auto it = g->cbegin(); it != g->cend(); ++it) {
            appendKey(out, it.key());
            out += '=';
            appendValue(out, it.value());
            out += '\n';
        }
    }
    return out;
}

QString QtSettingsStore::GetSetting(const QString& application, const QString& section, const QString& key,
                                    const QString& defaultValue) const
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organisation(), application);
    settings.beginGroup(section);
    return settings.value(key, defaultValue).toString();
}

QString QtSettingsStore::SaveSetting(const QString& application, const QString& section, const QString& key,
                                     const QString& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Organisation(), application);
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    // Not a file of ours there: the registry, or the system's preferences service.
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError ? QString() : QCoreApplication::translate("SettingsStore", "the settings store refused the value");
#else
    QMap<QString, QString> values;
    const QStringList keys = settings.allKeys();
    for (const QString& k : keys) {
        const QVariant v = settings.value(k);
        values.insert(k, v.typeId() == QMetaType::QStringList ? v.toStringList().join(QStringLiteral(", ")) : v.toString());
    }
    values.insert(section + u'/' + key, value);
    const QString path = settings.fileName();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QCoreApplication::translate("SettingsStore", "the folder of \"%1\" could not be made").arg(QDir::toNativeSeparators(path));
    const QFileInfo before(path);
    const QDateTime stampBefore = before.lastModified();
    const QByteArray text = iniText(values);
    const QString error = CheckedSave::save(path, text);
    if (error.isEmpty()) {
        // QSettings keeps the file it read last and reads it again only when its size or its
        // time stamp (to the millisecond) changed: a rewrite of the same size within the same
        // millisecond would go unseen, so its time stamp moves on.
        const QFileInfo after(path);
        if (before.exists() && before.size() == text.size() && after.lastModified() <= stampBefore) {
            QFile file(path);
            if (file.open(QIODevice::Append))
                file.setFileTime(stampBefore.addMSecs(1), QFileDevice::FileModificationTime);
        }
        return {};
    }
    return CheckedSave::failureText(path, error);
#endif
}
