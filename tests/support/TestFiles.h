#pragma once
// Writing test data to disk, and reading back what was written.

#include <QByteArray>
#include <QString>

namespace mosaicor {

// Writes the bytes as the whole file; false when it cannot.
bool WriteBytesToFile(const QString& path, const QByteArray& bytes);
// The whole file; empty when it cannot be read.
QByteArray ReadFileBytes(const QString& path);

}  // namespace mosaicor
