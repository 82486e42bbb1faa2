#pragma once
// Reading a picture file into memory by what its header claims: the first bytes are read and
// judged before the rest, so a file whose header refuses it, or whose picture needs only part of
// it, never costs memory for the whole file.

#include "core/common/Outcome.h"
#include "core/imagedecoding/ByteSource.h"

#include <QByteArray>
#include <QIODevice>
#include <functional>

namespace mosaicor {

// More than any supported format's fixed header (a BMP's is at most 138 bytes, a PCX's 128).
inline constexpr qint64 kPictureHeadBytes = 4096;

// From the first (at most kPictureHeadBytes) bytes of a file of `fileSize` bytes: how many bytes
// of it the format can use, or why the file is refused.
using BytesToReadFunction = std::function<Result<qint64>(ByteSource& head, qint64 fileSize)>;

// The bytes of the open file that `bytesToRead` asks for, read from its start.
Result<QByteArray> ReadHeadFirst(QIODevice& file, qint64 fileSize, const BytesToReadFunction& bytesToRead);

}  // namespace mosaicor
