#include "GifWriter.h"

#include <algorithm>

namespace mosaicor {

namespace {

void PutU16(QByteArray& out, int value) {
  out.append(char(value & 0xFF));
  out.append(char((value >> 8) & 0xFF));
}

// Codes of 9 bits, least significant bit first. A clear code every 250 literals keeps the
// decoder's table (which grows by one entry per code) below 512 entries, so 9 bits stay enough.
QByteArray LzwLiterals(const QByteArray& indices) {
  constexpr int kClear = 256, kEnd = 257, kBits = 9, kRun = 250;
  QByteArray packed;
  quint32 buffer = 0;
  int filled = 0;
  auto put = [&](int code) {
    buffer |= quint32(code) << filled;
    filled += kBits;
    while (filled >= 8) {
      packed.append(char(buffer & 0xFF));
      buffer >>= 8;
      filled -= 8;
    }
  };
  for (qsizetype i = 0; i < indices.size(); ++i) {
    if (i % kRun == 0) put(kClear);
    put(uchar(indices[i]));
  }
  put(kEnd);
  if (filled > 0) packed.append(char(buffer & 0xFF));
  return packed;
}

}  // namespace

GifFrameSpec FlatGifFrame(int width, int height, int index, int delayCentiseconds) {
  GifFrameSpec frame;
  frame.indices = QByteArray(qsizetype(width) * height, char(index));
  frame.delayCentiseconds = delayCentiseconds;
  return frame;
}

QByteArray WriteGif(const GifSpec& spec) {
  QByteArray out("GIF89a");
  PutU16(out, spec.width);
  PutU16(out, spec.height);
  out.append(char(0xF7));  // a global table of 256 colours, 8 bits of colour resolution
  out.append(char(0));     // background index
  out.append(char(0));     // no aspect ratio
  for (int i = 0; i < 256; ++i) {
    const QRgb c = i < spec.palette.size() ? spec.palette[i] : 0;
    out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
  }
  if (spec.loop) {
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    PutU16(out, 0);  // for ever
    out.append(char(0));
  }
  for (const GifFrameSpec& frame : spec.frames) {
    out.append("\x21\xF9\x04", 3);
    out.append(char((frame.disposal & 7) << 2 | (frame.transparentIndex >= 0 ? 1 : 0)));
    PutU16(out, frame.delayCentiseconds);
    out.append(char(frame.transparentIndex >= 0 ? frame.transparentIndex : 0));
    out.append(char(0));
    out.append(char(0x2C));
    PutU16(out, 0);
    PutU16(out, 0);
    PutU16(out, spec.width);
    PutU16(out, spec.height);
    out.append(char(0));  // no local table, not interlaced
    out.append(char(8));  // LZW minimum code size
    const QByteArray data = LzwLiterals(frame.indices);
    for (qsizetype at = 0; at < data.size(); at += 255) {
      const qsizetype length = std::min<qsizetype>(255, data.size() - at);
      out.append(char(length));
      out.append(data.mid(at, length));
    }
    out.append(char(0));
  }
  out.append(char(0x3B));
  return out;
}

}  // namespace mosaicor
