#include "platform/CheckedSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace CheckedSave {

namespace {
QString reasonOf(const QFileDevice& file, const QString& fallback)
{
    const QString reason = file.errorString();
    return reason.isEmpty() || file.error() == QFileDevice::NoError ? fallback : reason;
}
} // namespace

bool writeAll(QIODevice& device, const QByteArray& bytes, QString* error)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            if (error)
                *error = device.errorString().isEmpty() ? QCoreApplication::translate("CheckedSave", "the file could not be written")
                                                         : device.errorString();
            return false;
        }
        done += n;
    }
    return true;
}

QString save(const QString& path, const Writer& write)
{
    QSaveFile file(path);
    // Never written in place: a failure half-way must not leave half a file.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return reasonOf(file, QCoreApplication::translate("CheckedSave", "the file could not be created"));
    QString error;
    errno = 0;
    if (!write(file, &error)) {
        // A refusal of the device (not of the content) is best told in the system's words.
        const int code = file.error() != QFileDevice::NoError ? errno : 0;
        file.cancelWriting();
        if (code != 0)
            return QString::fromLocal8Bit(std::strerror(code));
        return error.isEmpty() ? reasonOf(file, QCoreApplication::translate("CheckedSave", "the file could not be written")) : error;
    }
    // The flush commit() would do itself, but checked: its failure must keep the old file.
    errno = 0;
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        // Qt words a failed flush as "Unknown error"; the system's reason says more.
        const int code = errno;
        const QString reason = code != 0 ? QString::fromLocal8Bit(std::strerror(code))
                                         : reasonOf(file, QCoreApplication::translate("CheckedSave", "the file could not be written to its end"));
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return reasonOf(file, QCoreApplication::translate("CheckedSave", "the file could not be replaced"));
    return {};
}

QString save(const QString& path, const QByteArray& bytes)
{
    return save(path, [&bytes](QIODevice& device, QString* error) { return writeAll(device, bytes, error); });
}

QString failureText(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("CheckedSave", "\"%1\" could not be written (%2)")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace CheckedSave
