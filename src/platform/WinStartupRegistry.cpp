#include "platform/WinStartupRegistry.h"

#include <QDir>

#include <windows.h>

namespace {

const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

LPCWSTR wide(const QString& text)
{
    return reinterpret_cast<LPCWSTR>(text.utf16());
}

QString systemMessage(LONG code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, DWORD(code), 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    QString text = length ? QString::fromWCharArray(buffer, int(length)).trimmed() : QString();
    if (buffer)
        LocalFree(buffer);
    return text;
}

StartupRegistry::Result failure(LONG code, bool openFailed)
{
    return {false, int(code), systemMessage(code), openFailed};
}

} // namespace

QString WinStartupRegistry::runCommand(const QString& executablePath)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(executablePath) + QStringLiteral("\" /STARTUP");
}

bool WinStartupRegistry::exists(const QString& name) const
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    const bool found = RegQueryValueExW(key, wide(name), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

StartupRegistry::Result WinStartupRegistry::write(const QString& name, const QString& executablePath)
{
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    if (rc != ERROR_SUCCESS)
        return failure(rc, true);
    // Wide text, so that any path survives; the size counts the terminating NUL.
    const QString data = runCommand(executablePath);
    rc = RegSetValueExW(key, wide(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.utf16()),
                        DWORD((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS)
        return failure(rc, false);
    return {};
}

StartupRegistry::Result WinStartupRegistry::remove(const QString& name)
{
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    if (rc != ERROR_SUCCESS)
        return failure(rc, true);
    rc = RegDeleteValueW(key, wide(name));
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
        return failure(rc, false);
    return {};
}
