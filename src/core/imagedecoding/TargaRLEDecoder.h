#pragma once
// Run-length decoding of Truevision Targa pixel data (image types 9, 10, 11), one row at a time.

#include <QtGlobal>
#include <cstdint>

namespace mosaicor {

class TTargaRLEDecoder {
 public:
  // pixelDepth: 8, 15, 16, 24 or 32 bits.
  explicit TTargaRLEDecoder(int pixelDepth);

  int BytesPerPixel() const { return bytesPerPixel_; }

  // Decodes `count` pixels into `row` (count x BytesPerPixel() bytes) from data[pos..size) and
  // advances `pos` past the bytes used. Never writes outside the row and never reads past `size`.
  // Returns the number of pixels written: fewer than `count` only when the data ran out.
  // A packet that runs past the end of the row (invalid, but written by some programs) is not
  // cut off: its remaining pixels start the next row.
  int Decode(const uchar* data, qsizetype size, qsizetype& pos, uchar* row, int count);

 private:
  int bytesPerPixel_;
  int pendingCount_ = 0;  // pixels of the current packet not yet written
  bool pendingRun_ = false;
  uchar runValue_[4] = {};
};

}  // namespace mosaicor
