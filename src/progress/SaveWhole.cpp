#include "progress/SaveWhole.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace progress {

// The final flush is checked before commit(), which in Qt 6.4 would rename a half-written file
// after a full disk.
bool saveWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    if (error)
        *error = QCoreApplication::translate("SaveWhole", "\"%1\" could not be written: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    file.cancelWriting();
    return false;
}

} // namespace progress
