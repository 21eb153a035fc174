#pragma once
#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Replaces a file whole or not at all, and says so when it could not.
//
// QSaveFile alone is not enough: on Qt 6.4, when the final flush inside commit() fails
// (a full disk, a file size limit), commit() still renames the cut temporary file over
// the original and returns true. Here every byte is flushed and checked before commit();
// on any failure the temporary file is dropped and the old file stays as it was.
namespace CheckedSave {

// Writes the content into the device; returns false (with the reason in *error, when it
// has one) to give up.
using Writer = std::function<bool(QIODevice& device, QString* error)>;

// An empty text when the file now holds exactly what was written, else why it does not
// (the old file, if any, is then unchanged).
QString save(const QString& path, const Writer& write);
QString save(const QString& path, const QByteArray& bytes);

// "<path>" could not be written (<reason>), for a message to the user.
QString failureText(const QString& path, const QString& reason);

// Every byte of bytes into the device; false with the device's reason when it refuses.
bool writeAll(QIODevice& device, const QByteArray& bytes, QString* error);

} // namespace CheckedSave
