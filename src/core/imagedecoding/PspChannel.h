#pragma once
// Unpacking one channel of a Paint Shop Pro file: stored, run-length encoded, or LZ77 (a zlib
// stream). Output goes into a buffer the caller sized from the channel's rectangle, never beyond.

#include <QtGlobal>

namespace mosaicor {

// Decodes `length` bytes of channel data into out[0, capacity). Returns the number of bytes
// produced (decoding stops when the buffer is full), or -1 when the data is damaged or the
// compression unknown.
qsizetype DecodePspChannel(const uchar* data, qsizetype length, int compression, uchar* out, qsizetype capacity);

// The most bytes a channel of `length` bytes can unpack to: a bound checked before allocating,
// so that a small file cannot claim a huge picture.
qint64 PspChannelExpansionLimit(qsizetype length, int compression);

}  // namespace mosaicor
