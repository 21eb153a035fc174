#include "platform/XdgStartupRegistry.h"

#include "platform/CheckedSave.h"
#include "platform/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

StartupRegistry::Result failure(const std::error_code& ec, bool openFailed)
{
    return {false, ec.value(), QString::fromLocal8Bit(ec.message()), openFailed};
}

} // namespace

QString XdgStartupRegistry::autostartDir()
{
    // Read anew each time; a relative value is invalid and ignored, as the XDG rules say.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/autostart"));
}

QString XdgStartupRegistry::entryPath(const QString& name)
{
    return autostartDir() + QLatin1Char('/') + name + QStringLiteral(".desktop");
}

bool XdgStartupRegistry::exists(const QString& name) const
{
    const QString path = entryPath(name);
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // there, though we cannot tell whether it is switched off
    return !DesktopEntry::isSwitchedOff(file.readAll());
}

StartupRegistry::Result XdgStartupRegistry::write(const QString& name, const QString& executablePath)
{
    std::error_code ec;
    std::filesystem::create_directories(fsPath(autostartDir()), ec);
    if (ec)
        return failure(ec, true);

    // Written whole or not at all: a half-written entry would start nothing, or garbage.
    const QString error = CheckedSave::save(entryPath(name), DesktopEntry::autostartEntry(name, executablePath));
    if (!error.isEmpty())
        return {false, EIO, error, false};
    return {};
}

StartupRegistry::Result XdgStartupRegistry::remove(const QString& name)
{
    // A switched-off entry may be hiding a system-wide one of the same name; deleting it
    // would switch that one on, so it stays.
    if (!exists(name))
        return {};
    std::error_code ec;
    std::filesystem::remove(fsPath(entryPath(name)), ec);
    if (ec)
        return failure(ec, false);
    return {};
}
