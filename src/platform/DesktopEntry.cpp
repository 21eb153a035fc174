#include "platform/DesktopEntry.h"

#include <QList>

namespace DesktopEntry {

QString quoteArgument(const QString& argument)
{
    QString out;
    out.reserve(argument.size() + 8);
    out += QLatin1Char('"');
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        out += c;
    }
    out += QLatin1Char('"');
    return out;
}

QString escapeValue(const QString& value)
{
    QString out;
    out.reserve(value.size() + 8);
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        default: out += c; break;
        }
    }
    return out;
}

QString execValue(const QString& executablePath)
{
    QString exec = quoteArgument(executablePath) + QStringLiteral(" /STARTUP");
    // GLib checks that the program exists before it undoes "%%", so it refuses an entry
    // whose program path holds a "%". Started through env, the path is an argument.
    if (executablePath.contains(QLatin1Char('%')))
        exec.prepend(QStringLiteral("/usr/bin/env "));
    exec.replace(QLatin1Char('%'), QStringLiteral("%%"));
    // The string escapes are undone before the quoting is read, so they go on last.
    return escapeValue(exec);
}

QByteArray autostartEntry(const QString& name, const QString& executablePath)
{
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=")
                         + escapeValue(name) + QStringLiteral("\nExec=") + execValue(executablePath)
                         + QStringLiteral("\nTerminal=false\n");
    return text.toUtf8();
}

bool isSwitchedOff(const QByteArray& content)
{
    bool inMainGroup = false;
    const QList<QByteArray> lines = content.split('\n');
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup)
            continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = line.left(eq).trimmed();
        const QByteArray value = line.mid(eq + 1).trimmed();
        if (key == "Hidden" && (value == "true" || value == "1"))
            return true;
        if (key == "X-GNOME-Autostart-enabled" && (value == "false" || value == "0"))
            return true;
    }
    return false;
}

} // namespace DesktopEntry
