#include "core/imagedecoding/PsdReader.h"

#include "core/imagedecoding/ColourSpaces.h"
#include "core/imagedecoding/Orientation.h"
#include "core/imagedecoding/PictureLimits.h"
#include "core/imagedecoding/PixelRows.h"
#include "core/imagedecoding/PsdResources.h"
#include "core/imagedecoding/RunCopy.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace mosaicor {

namespace {

enum ColourMode {
  kBitmap = 0,
  kGreyscale = 1,
  kIndexed = 2,
  kRgb = 3,
  kCmyk = 4,
  kMultichannel = 7,
  kDuotone = 8,
  kLab = 9
};
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
  int orientation = 1;
  bool matted = false;  // a transparent composite flattened on white, as Photoshop stores it
};

// A big-endian length and the section it counts.
bool TakeSection(ByteSource& source, const uchar*& data, qsizetype& length) {
  const uchar* p = source.Take(4);
  if (!p) return false;
  length = qsizetype(U32(p));
  data = source.Take(length);
  return data != nullptr;
}

QString ModeName(int mode) {
  switch (mode) {
    case kBitmap:
      return QStringLiteral("bitmap");
    case kGreyscale:
      return QStringLiteral("greyscale");
    case kIndexed:
      return QStringLiteral("indexed");
    case kRgb:
      return QStringLiteral("RGB");
    case kCmyk:
      return QStringLiteral("CMYK");
    case kMultichannel:
      return QStringLiteral("multichannel");
    case kDuotone:
      return QStringLiteral("duotone");
    case kLab:
      return QStringLiteral("Lab");
    default:
      return QStringLiteral("colour mode %1").arg(mode);
  }
}

// The depths Photoshop gives each mode: floating point only to greyscale and RGB.
bool DepthFits(int mode, int depth) {
  switch (mode) {
    case kBitmap:
      return depth == 1;
    case kIndexed:
      return depth == 8;
    case kGreyscale:
    case kRgb:
      return depth == 8 || depth == 16 || depth == 32;
    default:
      return depth == 8 || depth == 16;
  }
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
    case kLab:
      info.colours = 3;
      break;
    case kCmyk:
      info.colours = 4;
      break;
    case kMultichannel:  // shown as its first three channels, or its first alone as grey
      info.colours = info.channels >= 3 ? 3 : 1;
      break;
    default:
      return Failure<>{QStringLiteral("Photoshop colour mode %1 is not supported").arg(info.mode)};
  }
  if (!DepthFits(info.mode, info.depth))
    return Failure<>{
        QStringLiteral("Photoshop makes no %1 pictures of %2 bits a channel").arg(ModeName(info.mode)).arg(info.depth)};
  if (info.channels < info.colours)
    return Failure<>{QStringLiteral("the picture has %1 channels where its colour mode needs %2")
                         .arg(info.channels)
                         .arg(info.colours)};
  if (info.mode == kIndexed && info.colourLength < 768)
    return Failure<>{QStringLiteral("the indexed picture has no palette")};
  // A negative layer count says that the first extra channel holds the transparency of the
  // composite. Files without a layer section (written by simpler programs) use it for the same,
  // unless resources name it as a saved selection. Multichannel pictures have no transparency:
  // their further channels are inks.
  const PsdResourceFacts facts = ReadPsdResources(resources, resourcesLength);
  const bool extra =
      info.channels > info.colours && info.mode != kBitmap && info.mode != kIndexed && info.mode != kMultichannel;
  const bool negativeCount = layersLength >= 6 && int16_t(U16(layers + 4)) < 0;
  info.transparency = extra && (negativeCount || (layersLength == 0 && !facts.alphaChannelNames));
  info.orientation = facts.orientation;
  info.matted = info.transparency && facts.writtenByPhotoshop;
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

// One row of a channel as fractions of full scale; floating point samples are linear light.
void UnitRow(const uchar* in, int depth, float* out, qint64 width) {
  for (qint64 x = 0; x < width; ++x) {
    if (depth == 8) {
      out[x] = in[x] / 255.0f;
    } else if (depth == 16) {
      out[x] = U16(in + 2 * x) / 65535.0f;
    } else {
      const float linear = qFromBigEndian<float>(in + 4 * x);
      out[x] = std::isnan(linear) ? 0.0f : std::clamp(linear, 0.0f, 1.0f);
    }
  }
}

uchar Byte(float unit) { return uchar(std::clamp(unit, 0.0f, 1.0f) * 255 + 0.5f); }

// The value of channel c that the mode calls white: Lab's a* and b* are neutral at mid scale.
float WhiteOf(const PsdInfo& info, int c) {
  if (info.mode == kLab && c > 0) return info.depth == 8 ? 128 / 255.0f : 32768 / 65535.0f;
  return 1.0f;
}

// Composes row pixels from unit channel rows: grey as a byte a pixel (Indexed8), colours as
// BGR888 or, with transparency, ARGB32. Photoshop stores a transparent composite flattened on
// white (in linear light at 32 bits); dividing the white back out of such a matted composite gives
// the colours the layers had. Floating point colours are then brought to sRGB's curve, as Photoshop shows them.
void ComposeRow(const PsdInfo& info, const float* const* ch, uchar* out) {
  const bool alpha = info.transparency;
  const bool grey = info.colours == 1;
  float white[4] = {};
  for (int c = 0; c < info.colours; ++c) white[c] = WhiteOf(info, c);
  const float abScale = info.depth == 8 ? 255.0f : 65535.0f / 256;  // Lab a* and b* units per full scale
  for (qint64 x = 0; x < info.width; ++x) {
    float v[4] = {};
    for (int c = 0; c < info.colours; ++c) v[c] = ch[c][x];
    const float a = alpha ? ch[info.colours][x] : 1.0f;
    if (info.matted && a > 0 && a < 1)
      for (int c = 0; c < info.colours; ++c) v[c] = (v[c] - white[c] * (1 - a)) / a;
    Rgb rgb;
    if (grey) {
      rgb = {v[0], v[0], v[0]};
    } else if (info.mode == kCmyk) {  // inks are stored inverted, so each value is what is left
      rgb = {v[0] * v[3], v[1] * v[3], v[2] * v[3]};
    } else if (info.mode == kLab) {
      rgb = LabToSrgb(v[0] * 100, (v[1] - white[1]) * abScale, (v[2] - white[2]) * abScale);
    } else {
      rgb = {v[0], v[1], v[2]};
    }
    if (info.depth == 32) rgb = {LinearToSrgb(rgb.r), LinearToSrgb(rgb.g), LinearToSrgb(rgb.b)};
    if (alpha)
      reinterpret_cast<QRgb*>(out)[x] = qRgba(Byte(rgb.r), Byte(rgb.g), Byte(rgb.b), Byte(a));
    else if (grey)
      out[x] = Byte(rgb.r);
    else
      out[3 * x] = Byte(rgb.b), out[3 * x + 1] = Byte(rgb.g), out[3 * x + 2] = Byte(rgb.r);
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
  // Bitmaps, 8-bit single channels and 8-bit RGB are copied as they are; everything else goes
  // through fractions of full scale.
  const bool asStored = info.depth == 1 || (info.depth == 8 && !info.transparency &&
                                            (info.colours == 1 || info.mode == kRgb || info.mode == kMultichannel));
  std::vector<float> units(asStored ? 0 : size_t(info.width * used));
  const uchar* ch[5] = {};
  const float* unit[5] = {};
  for (qint64 y = 0; y < info.height; ++y) {
    for (int c = 0; c < used; ++c) ch[c] = rows.Row(c, y);
    uchar* out = image.scanLine(int(y));
    if (asStored) {
      if (info.colours == 1)
        std::memcpy(out, ch[0], size_t(format == QImage::Format_Mono ? rows.RowBytes() : info.width));
      else
        MergePlanesToBgr24(ch[0], ch[1], ch[2], out, info.width);
      continue;
    }
    for (int c = 0; c < used; ++c) {
      float* row = units.data() + c * info.width;
      UnitRow(ch[c], info.depth, row, info.width);
      unit[c] = row;
    }
    ComposeRow(info, unit, out);
  }
  return DecodedPicture{Oriented(std::move(image), info.orientation), code};
}

}  // namespace mosaicor
