#pragma once
// Writing test data to disk.

#include <QByteArray>
#include <QString>

namespace mosaicor {

// Writes the bytes as the whole file; false when it cannot.
bool WriteBytesToFile(const QString& path, const QByteArray& bytes);

}  // namespace mosaicor
