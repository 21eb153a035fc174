#pragma once
#include <QByteArray>
#include <QString>

// Texts of a freedesktop.org Desktop Entry file, as used for the log-on start entry.
namespace DesktopEntry {

// One argument of an Exec value, in double quotes; inside them ", `, $ and \ take a backslash.
QString quoteArgument(const QString& argument);

// A string value as the file holds it: \, line feed, tab and carriage return escaped.
QString escapeValue(const QString& value);

// The Exec line's value: the quoted executable path and " /STARTUP", with literal "%"
// doubled so that no part of the path reads as a field code; a path holding "%" is
// started through /usr/bin/env, which GLib-based desktops need.
QString execValue(const QString& executablePath);

// The whole autostart entry named after the program, UTF-8.
QByteArray autostartEntry(const QString& name, const QString& executablePath);

// True when the entry is switched off the desktop's way: Hidden=true, or the GNOME
// X-GNOME-Autostart-enabled=false, in the [Desktop Entry] group.
bool isSwitchedOff(const QByteArray& content);

} // namespace DesktopEntry
