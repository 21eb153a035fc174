#pragma once
#include <QByteArray>
#include <QString>

namespace progress {

// Writes a file whole: either all bytes land or the old file stays as it was; error says why not.
bool saveWhole(const QString& path, const QByteArray& bytes, QString* error);

} // namespace progress
