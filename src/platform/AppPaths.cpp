#include "platform/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString QtAppPaths::executableDir() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtAppPaths::baseName() const
{
    // Taken anew each time: a renamed executable is a new application.
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString QtAppPaths::executablePath() const
{
    return QCoreApplication::applicationFilePath();
}

QString QtAppPaths::dataDir() const
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return dir;
}

QStringList QtAppPaths::arguments() const
{
    return QCoreApplication::arguments();
}
