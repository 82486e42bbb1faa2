#pragma once
// Copies and fills for the packets of run-length decoders (PackBits and its relatives), whose
// packets carry at most 128 bytes. Where the decoder has checked once that 128 bytes can be read
// and written, a packet costs a few fixed 16-byte moves instead of a call sized by the packet;
// the bytes written past the packet are replaced by the packets that follow.

#include <QtGlobal>
#include <cstring>

namespace mosaicor {

inline constexpr qsizetype kRunCopyReach = 128;

// `count` (0 to 128) bytes from `from`; both sides must hold kRunCopyReach bytes.
inline void CopyPacket(uchar* to, const uchar* from, int count) {
  for (int i = 0; i < count; i += 16) std::memcpy(to + i, from + i, 16);
}

// `count` (0 to 128) copies of `value`; `to` must hold kRunCopyReach bytes.
inline void FillPacket(uchar* to, uchar value, int count) {
  for (int i = 0; i < count; i += 16) std::memset(to + i, value, 16);
}

}  // namespace mosaicor
