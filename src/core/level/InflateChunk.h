#pragma once
// Inflation of the zlib streams in level files: the compressed page and level-data chunks of
// TR4/TR5 levels and the whole-file "ZLIB" container.

#include "core/level/LevelFailure.h"

#include <QByteArray>

namespace mosaicor {

// Upper bounds for inflated data. No real level comes near them; they exist so that a hostile
// stream of a few kilobytes cannot make the reader allocate gigabytes. The editors work with
// at most a few dozen texture pages; 512 pages of 32 bits leaves a margin of about ten times.
inline constexpr qint64 kMaxLevelPages = 512;
inline constexpr qint64 kMaxPageChunkBytes = kMaxLevelPages * 262144;  // 128 MiB
// Rooms, meshes and the rest of a TR4 level: real ones inflate to a few megabytes.
inline constexpr qint64 kMaxLevelDataChunkBytes = 128LL * 1024 * 1024;
// The file itself, checked before it is read: the largest real levels take a few dozen megabytes.
inline constexpr qint64 kMaxLevelFileBytes = 256LL * 1024 * 1024;
// A whole level inside the container: pages in two formats plus its level data.
inline constexpr qint64 kMaxContainerBytes = kMaxLevelPages * (65536 + 131072) + kMaxLevelDataChunkBytes;

// The text of a damaged stream, before the walk names its place.
QString DamagedDataText();

// Inflates the complete zlib stream in data[0, length) into one buffer of its exact length.
// estimate (0 when unknown) sizes the first buffer; it never limits the result. A damaged stream,
// or input that ends before the stream does, fail as Damaged; output beyond `limit` bytes fails
// as InflatesTooFar. Only exhausted memory raises (std::bad_alloc).
LevelResult<QByteArray> InflateChunk(const uchar* data, qint64 length, qint64 estimate, qint64 limit);

}  // namespace mosaicor
