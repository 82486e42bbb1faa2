#include "core/imagedecoding/PsdReader.h"

#include "core/imagedecoding/PictureLimits.h"
#include "core/imagedecoding/PixelRows.h"
#include "core/imagedecoding/RunCopy.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace mosaicor {

namespace {

enum ColourMode { kBitmap = 0, kGreyscale = 1, kIndexed = 2, kRgb = 3, kCmyk = 4, kDuotone = 8 };
enum Compression { kRaw = 0, kPackBits = 1 };

uint16_t U16(const uchar* p) { return uint16_t((p[0] << 8) | p[1]); }
uint32_t U32(const uchar* p) { return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3]; }

struct PsdInfo {
  int channels = 0;
  qint64 width = 0, height = 0;
  int depth = 0;
  int mode = 0;
  const uchar* colourData = nullptr;
  qsizetype colourLength = 0;
  bool transparency = false;  // the channel after the colours is the picture's transparency
  int colours = 0;            // colour channels the mode uses
};

// A big-endian length and the section it counts.
bool TakeSection(ByteSource& source, const uchar*& data, qsizetype& length) {
  const uchar* p = source.Take(4);
  if (!p) return false;
  length = qsizetype(U32(p));
  data = source.Take(length);
  return data != nullptr;
}

// Resources naming saved selections (alpha channel names) mark extra channels as selections.
bool HasAlphaChannelNames(const uchar* p, qsizetype length) {
  const uchar* end = p + length;
  while (end - p >= 12 && std::memcmp(p, "8BIM", 4) == 0) {
    const int id = U16(p + 4);
    const qsizetype nameBytes = (1 + p[6] + 1) & ~1;  // Pascal string padded to even
    if (end - p < 6 + nameBytes + 4) break;
    const qsizetype size = U32(p + 6 + nameBytes);
    if (id == 0x03EE || id == 0x0415) return true;
    const qsizetype step = 6 + nameBytes + 4 + ((size + 1) & ~qsizetype(1));
    if (step > end - p) break;
    p += step;
  }
  return false;
}

Result<PsdInfo> ReadInfo(ByteSource& source) {
  PsdInfo info;
  const uchar* h = source.Take(26);
  if (!h || std::memcmp(h, "8BPS", 4) != 0) return Failure<>{QStringLiteral("not a Photoshop file")};
  if (U16(h + 4) != 1)
    return Failure<>{
        QStringLiteral("Photoshop files of version %1 (large documents) are not supported").arg(U16(h + 4))};
  info.channels = U16(h + 12);
  info.height = U32(h + 14);
  info.width = U32(h + 18);
  info.depth = U16(h + 22);
  info.mode = U16(h + 24);
  const uchar *resources = nullptr, *layers = nullptr;
  qsizetype resourcesLength = 0, layersLength = 0;
  if (!TakeSection(source, info.colourData, info.colourLength) || !TakeSection(source, resources, resourcesLength) ||
      !TakeSection(source, layers, layersLength)) {
    return Failure<>{QStringLiteral("the file ends inside its header sections")};
  }
  switch (info.mode) {
    case kBitmap:
    case kGreyscale:
    case kDuotone:
    case kIndexed:
      info.colours = 1;
      break;
    case kRgb:
      info.colours = 3;
      break;
    case kCmyk:
      info.colours = 4;
      break;
    default:
      return Failure<>{QStringLiteral("Photoshop colour mode %1 is not supported").arg(info.mode)};
  }
  const bool depthFits = info.mode == kBitmap    ? info.depth == 1
                         : info.mode == kIndexed ? info.depth == 8
                                                 : info.depth == 8 || info.depth == 16;
  if (!depthFits)
    return Failure<>{QStringLiteral("Photoshop pictures of %1 bits a channel in colour mode %2 are not supported")
                         .arg(info.depth)
                         .arg(info.mode)};
  if (info.channels < info.colours)
    return Failure<>{QStringLiteral("the picture has %1 channels where its colour mode needs %2")
                         .arg(info.channels)
                         .arg(info.colours)};
  if (info.mode == kIndexed && info.colourLength < 768)
    return Failure<>{QStringLiteral("the indexed picture has no palette")};
  // A negative layer count says that the first extra channel holds the transparency of the
  // composite. Files without a layer section (written by simpler programs) use it for the same,
  // unless resources name it as a saved selection.
  const bool extra = info.channels > info.colours && info.mode != kBitmap && info.mode != kIndexed;
  const bool negativeCount = layersLength >= 6 && int16_t(U16(layers + 4)) < 0;
  info.transparency =
      extra && (negativeCount || (layersLength == 0 && !HasAlphaChannelNames(resources, resourcesLength)));
  if (auto allowed = PictureSizeAllowed(info.width, info.height); !allowed) return allowed;
  return info;
}

// PackBits: a count byte n below 128 copies n + 1 bytes, above 128 repeats the next byte
// 257 - n times, 128 does nothing. Output is clipped to the row; a short row is left zero-filled.
// `out` has kRunCopyReach bytes of slack after the row, so every packet is written with fixed
// 16-byte moves; a literal packet is read that way too where the file holds kRunCopyReach more
// bytes (`fileEnd`). What those moves put past a packet, later packets or the zero fill replace.
void UnpackBits(const uchar* p, const uchar* end, const uchar* fileEnd, uchar* out, qsizetype rowBytes) {
  qsizetype x = 0;
  while (p < end && x < rowBytes) {
    const int n = *p++;
    if (n < 128) {
      const qsizetype there = std::min<qsizetype>(n + 1, end - p);
      const qsizetype count = std::min<qsizetype>(there, rowBytes - x);
      if (fileEnd - p >= kRunCopyReach)
        CopyPacket(out + x, p, int(count));
      else
        std::memcpy(out + x, p, size_t(count));
      p += there;
      x += count;
    } else if (n > 128) {
      if (p == end) break;
      const qsizetype count = std::min<qsizetype>(257 - n, rowBytes - x);
      FillPacket(out + x, *p++, int(count));
      x += count;
    }
  }
  if (x < rowBytes) std::memset(out + x, 0, size_t(rowBytes - x));
}

// Where each row of each channel lies in the image data.
class ChannelRows {
 public:
  Outcome<> Init(ByteSource& source, const PsdInfo& info, int used) {
    uint16_t compression = 0;
    const uchar* c = source.Take(2);
    if (!c) return Failure<>{QStringLiteral("the file ends before its image data")};
    compression = U16(c);
    used_ = used;
    height_ = info.height;
    rowBytes_ = info.depth == 1 ? (info.width + 7) / 8 : info.width * (info.depth / 8);
    const qint64 needed = rowBytes_ * info.height * used;
    if (compression == kRaw) {
      packBits_ = false;
      if (source.Remaining() < needed) return Failure<>{QStringLiteral("the file ends inside its image data")};
      raw_ = source.Here();
      return {};
    }
    if (compression != kPackBits)
      return Failure<>{QStringLiteral("Photoshop image data compression %1 is not supported").arg(compression)};
    packBits_ = true;
    const qint64 tableBytes = 2 * info.height * info.channels;
    if (source.Remaining() < tableBytes) return Failure<>{QStringLiteral("the file ends inside its row table")};
    const uchar* table = source.Take(qsizetype(tableBytes));
    starts_.resize(size_t(height_ * used));
    lengths_.resize(starts_.size());
    qsizetype at = source.Position();
    qint64 encoded = 0;
    for (size_t i = 0; i < starts_.size(); ++i) {
      starts_[i] = source.Data() + at;
      lengths_[i] = U16(table + 2 * i);
      at += lengths_[i];
      encoded += lengths_[i];
    }
    if (at > source.Size()) return Failure<>{QStringLiteral("the file ends inside its image data")};
    // Two bytes of PackBits make at most 128: rows cannot claim more than that.
    if (encoded * 64 < needed) return Failure<>{QStringLiteral("the image data is too short for the picture")};
    fileEnd_ = source.Data() + source.Size();
    buffer_.resize(size_t((rowBytes_ + kRunCopyReach) * used));
    return {};
  }
  qsizetype RowBytes() const { return qsizetype(rowBytes_); }
  // Row y of channel c, valid until the same channel's next row is asked for.
  const uchar* Row(int c, qint64 y) {
    if (!packBits_) return raw_ + (c * height_ + y) * rowBytes_;
    uchar* out = buffer_.data() + c * (rowBytes_ + kRunCopyReach);
    const size_t i = size_t(c * height_ + y);
    UnpackBits(starts_[i], starts_[i] + lengths_[i], fileEnd_, out, qsizetype(rowBytes_));
    return out;
  }

 private:
  bool packBits_ = false;
  int used_ = 0;
  qint64 height_ = 0, rowBytes_ = 0;
  const uchar* raw_ = nullptr;
  const uchar* fileEnd_ = nullptr;
  std::vector<const uchar*> starts_;
  std::vector<qsizetype> lengths_;
  std::vector<uchar> buffer_;
};

// 16-bit big-endian samples to 8 bits, rounded.
void NarrowRow(const uchar* in, uchar* out, qint64 width) {
  for (qint64 x = 0; x < width; ++x) out[x] = uchar((uint32_t(U16(in + 2 * x)) * 255 + 32767) / 65535);
}

QImage NewImage(const PsdInfo& info, QImage::Format format, PixelFormatCode& code) {
  QImage image(int(info.width), int(info.height), format);
  if (image.isNull()) return image;
  if (format == QImage::Format_Mono) {
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});  // set bits are black
    code = PixelFormatCode::OneBit;
  } else if (format == QImage::Format_Indexed8) {
    QList<QRgb> table(256);
    const uchar* p = info.colourData;
    for (int i = 0; i < 256; ++i) table[i] = info.mode == kIndexed ? qRgb(p[i], p[256 + i], p[512 + i]) : qRgb(i, i, i);
    image.setColorTable(table);
    code = PixelFormatCode::EightBits;
  } else {
    code = format == QImage::Format_ARGB32 ? PixelFormatCode::ThirtyTwoBits : PixelFormatCode::TwentyFourBits;
  }
  return image;
}

void ComposeRow(const PsdInfo& info, const uchar* const* ch, uchar* out) {
  const qint64 width = info.width;
  const bool alpha = info.transparency;
  auto put = [&](qint64 x, uint r, uint g, uint b) {
    if (alpha) {
      reinterpret_cast<QRgb*>(out)[x] = qRgba(int(r), int(g), int(b), ch[info.colours][x]);
    } else {
      out[3 * x] = uchar(b), out[3 * x + 1] = uchar(g), out[3 * x + 2] = uchar(r);
    }
  };
  switch (info.mode) {
    case kRgb:
      if (alpha)
        MergePlanesToArgb32(ch[0], ch[1], ch[2], ch[3], reinterpret_cast<QRgb*>(out), width);
      else
        MergePlanesToBgr24(ch[0], ch[1], ch[2], out, width);
      break;
    case kCmyk:
      // Photoshop stores ink amounts inverted (255 = no ink), so each is already "what is left".
      for (qint64 x = 0; x < width; ++x) {
        const uint k = ch[3][x];
        put(x, (ch[0][x] * k + 127) / 255, (ch[1][x] * k + 127) / 255, (ch[2][x] * k + 127) / 255);
      }
      break;
    default:  // grey with transparency
      for (qint64 x = 0; x < width; ++x) put(x, ch[0][x], ch[0][x], ch[0][x]);
      break;
  }
}

}  // namespace

Result<DecodedPicture> ReadPsd(ByteSource& source) {
  const Result<PsdInfo> read = ReadInfo(source);
  if (!read) return read.Status();
  const PsdInfo& info = read.Value();
  const int used = info.colours + (info.transparency ? 1 : 0);
  ChannelRows rows;
  if (auto ready = rows.Init(source, info, used); !ready) return ready;

  QImage::Format format = info.transparency      ? QImage::Format_ARGB32
                          : info.mode == kBitmap ? QImage::Format_Mono
                          : info.colours == 1    ? QImage::Format_Indexed8
                                                 : QImage::Format_BGR888;
  PixelFormatCode code = PixelFormatCode::Device;
  QImage image = NewImage(info, format, code);
  if (image.isNull())
    return Failure<>{QStringLiteral("not enough memory for a %1 x %2 picture").arg(info.width).arg(info.height)};
  std::vector<uchar> narrow(info.depth == 16 ? size_t(info.width * used) : 0);
  const uchar* ch[5] = {};
  for (qint64 y = 0; y < info.height; ++y) {
    for (int c = 0; c < used; ++c) {
      ch[c] = rows.Row(c, y);
      if (info.depth == 16) {
        NarrowRow(ch[c], narrow.data() + c * info.width, info.width);
        ch[c] = narrow.data() + c * info.width;
      }
    }
    uchar* out = image.scanLine(int(y));
    if (format == QImage::Format_Mono || format == QImage::Format_Indexed8)
      std::memcpy(out, ch[0], size_t(format == QImage::Format_Mono ? rows.RowBytes() : info.width));
    else
      ComposeRow(info, ch, out);
  }
  return DecodedPicture{std::move(image), code};
}

}  // namespace mosaicor
