#pragma once
// A small file read whole into memory, for the readers of files other than pictures and levels
// (a project, a tiles description): refused before reading when it is not a plain file or is
// larger than the reader's limit, so that no file makes us allocate out of proportion.

#include "core/common/Outcome.h"

#include <QByteArray>
#include <QString>

namespace mosaicor {

Result<QByteArray> ReadWholeFile(const QString& fileName, qint64 limit);

}  // namespace mosaicor
