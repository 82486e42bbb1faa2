#include "core/imagedecoding/TargaRLEDecoder.h"

#include <algorithm>
#include <cstring>

namespace mosaicor {

TTargaRLEDecoder::TTargaRLEDecoder(int pixelDepth) : bytesPerPixel_((pixelDepth + 7) / 8) {}

namespace {

void FillRun(uchar* out, const uchar* value, int bytesPerPixel, int count) {
  switch (bytesPerPixel) {
    case 1:
      std::memset(out, value[0], count);
      break;
    case 4: {
      uint32_t v;
      std::memcpy(&v, value, 4);
      for (int i = 0; i < count; ++i) std::memcpy(out + 4 * i, &v, 4);
      break;
    }
    default:
      for (int i = 0; i < count; ++i) std::memcpy(out + bytesPerPixel * i, value, bytesPerPixel);
  }
}

}  // namespace

int TTargaRLEDecoder::Decode(const uchar* data, qsizetype size, qsizetype& pos, uchar* row, int count) {
  const int n = bytesPerPixel_;
  int written = 0;
  while (written < count) {
    if (pendingCount_ == 0) {
      if (pos >= size) break;
      const uchar header = data[pos++];
      pendingCount_ = (header & 127) + 1;
      pendingRun_ = (header & 128) != 0;
      if (pendingRun_) {
        if (size - pos < n) {
          pendingCount_ = 0;
          pos = size;
          break;
        }
        std::memcpy(runValue_, data + pos, n);
        pos += n;
      }
    }
    int take = std::min(pendingCount_, count - written);
    uchar* out = row + qsizetype(written) * n;
    if (pendingRun_) {
      FillRun(out, runValue_, n, take);
    } else {
      // A raw packet cut short by the end of the data gives the whole pixels that are there.
      take = int(std::min<qsizetype>(take, (size - pos) / n));
      if (take == 0) {
        pendingCount_ = 0;
        pos = size;
        break;
      }
      std::memcpy(out, data + pos, size_t(take) * n);
      pos += qsizetype(take) * n;
    }
    written += take;
    pendingCount_ -= take;
  }
  return written;
}

}  // namespace mosaicor
