#include "core/imagedecoding/PspRaster.h"

#include "core/imagedecoding/PictureLimits.h"
#include "core/imagedecoding/PspChannel.h"

#include <algorithm>
#include <cstring>

namespace mosaicor {

namespace {

// Unpacks a channel into a plane of width x height bytes. Files store rows of 1- and 4-bit
// pictures padded to four bytes, like Windows bitmaps, and rows of 8-bit channels unpadded; both
// forms are accepted for each, told apart by the length the channel unpacks to.
Result<QByteArray> DecodePlane(const PspChannelInfo& channel, int compression, qint64 width, qint64 height, int bits) {
  const qint64 packed = (width * bits + 7) / 8;
  const qint64 padded = (width * bits + 31) / 32 * 4;
  if (PspChannelExpansionLimit(channel.length, compression) < packed * height)
    return Failure<>{QStringLiteral("a channel holds too few bytes for its %1 x %2 pixels").arg(width).arg(height)};
  QByteArray raw(qsizetype(padded * height), Qt::Uninitialized);
  auto* rawBytes = reinterpret_cast<uchar*>(raw.data());
  const qsizetype produced = DecodePspChannel(channel.data, channel.length, compression, rawBytes, raw.size());
  qint64 stride = 0;
  if (produced == padded * height)
    stride = padded;
  else if (produced == packed * height)
    stride = packed;
  if (produced < 0) return Failure<>{QStringLiteral("a channel's compressed data is damaged")};
  if (stride == 0)
    return Failure<>{QStringLiteral("a channel unpacks to %1 bytes where %2 x %3 pixels need %4")
                         .arg(produced)
                         .arg(width)
                         .arg(height)
                         .arg(packed * height)};
  if (bits == 8 && stride == width) {
    raw.truncate(qsizetype(width * height));
    return raw;
  }
  QByteArray plane(qsizetype(width * height), Qt::Uninitialized);
  auto* out = reinterpret_cast<uchar*>(plane.data());
  for (qint64 y = 0; y < height; ++y, out += width) {
    const uchar* row = rawBytes + y * stride;
    if (bits == 8) {
      std::memcpy(out, row, size_t(width));
    } else if (bits == 4) {
      for (qint64 x = 0; x < width; ++x) out[x] = (x & 1) ? row[x / 2] & 15 : row[x / 2] >> 4;
    } else {
      for (qint64 x = 0; x < width; ++x) out[x] = (row[x / 8] >> (7 - (x & 7))) & 1;
    }
  }
  return plane;
}

int PlaneOf(const PspChannelInfo& channel, const PspRaster& raster) {
  if (raster.bitDepth == 24) return channel.channelType >= 1 && channel.channelType <= 3 ? channel.channelType - 1 : -1;
  return channel.channelType == 0 ? 0 : -1;
}

}  // namespace

Outcome<> ReadPspRasterChannels(ByteSource& source, const PspFile& file, qsizetype from, qsizetype to, int compression,
                                QList<uint32_t>* compositePalette, PspRaster& raster) {
  const bool composite = compositePalette != nullptr;
  if (auto allowed = PictureSizeAllowed(raster.width, raster.height); !allowed) return allowed;
  const int colourType = composite ? kPspCompositeBitmap : kPspImageBitmap;
  const int maskType = composite ? kPspCompositeTransparencyMask : kPspTransparencyMask;
  if (!source.Seek(from)) return Failure<>{QStringLiteral("a channel lies outside the file")};
  while (source.Position() < to) {
    const Result<PspBlock> block = ReadPspBlock(source, file, to);
    if (!block) return block.Status();
    if (block->id == kPspColourBlock && composite) {
      Result<QList<uint32_t>> palette = ReadPspPalette(source, file, block.Value());
      if (!palette) return palette.Status();
      *compositePalette = std::move(palette).Value();
    } else if (block->id == kPspChannelBlock) {
      const Result<PspChannelInfo> channel = ReadPspChannelInfo(source, file, block.Value());
      if (!channel) return channel.Status();
      const int plane = PlaneOf(channel.Value(), raster);
      if (channel->bitmapType == colourType && plane >= 0) {
        const int bits = raster.bitDepth == 24 ? 8 : raster.bitDepth;
        Result<QByteArray> decoded = DecodePlane(channel.Value(), compression, raster.width, raster.height, bits);
        if (!decoded) return decoded.Status();
        raster.colour[plane] = std::move(decoded).Value();
      } else if (channel->bitmapType == maskType) {
        Result<QByteArray> decoded = DecodePlane(channel.Value(), compression, raster.width, raster.height, 8);
        if (!decoded) return decoded.Status();
        raster.alpha = std::move(decoded).Value();
      }
    }
    source.Seek(block->end);
  }
  const int present = int(std::count_if(raster.colour, raster.colour + raster.ColourPlanes(),
                                        [](const QByteArray& plane) { return !plane.isEmpty(); }));
  if (present != 0 && present != raster.ColourPlanes())
    return Failure<>{QStringLiteral("a layer lacks some of its colour channels")};
  return {};
}

QList<QRgb> PspColourTable(const QList<uint32_t>& palette, bool greyscale, int bitDepth) {
  QList<QRgb> table(256, qRgb(0, 0, 0));
  if (greyscale) {
    const int top = bitDepth >= 8 ? 255 : (1 << bitDepth) - 1;
    for (int i = 0; i <= top; ++i) table[i] = qRgb(i * 255 / top, i * 255 / top, i * 255 / top);
  } else {
    for (qsizetype i = 0; i < palette.size(); ++i) table[i] = palette[i];
  }
  return table;
}

void DrawPspRaster(const PspRaster& raster, const QList<QRgb>& table, QImage& canvas) {
  const qint64 left = std::max<qint64>(raster.x, 0), right = std::min<qint64>(raster.x + raster.width, canvas.width());
  const qint64 top = std::max<qint64>(raster.y, 0),
               bottom = std::min<qint64>(raster.y + raster.height, canvas.height());
  const auto* c0 = reinterpret_cast<const uchar*>(raster.colour[0].constData());
  const auto* c1 = reinterpret_cast<const uchar*>(raster.colour[raster.bitDepth == 24 ? 1 : 0].constData());
  const auto* c2 = reinterpret_cast<const uchar*>(raster.colour[raster.bitDepth == 24 ? 2 : 0].constData());
  const auto* mask = raster.alpha.isEmpty() ? nullptr : reinterpret_cast<const uchar*>(raster.alpha.constData());
  for (qint64 y = top; y < bottom; ++y) {
    auto* row = reinterpret_cast<QRgb*>(canvas.scanLine(int(y)));
    for (qint64 x = left; x < right; ++x) {
      const qint64 i = (y - raster.y) * raster.width + (x - raster.x);
      const QRgb colour = raster.bitDepth == 24 ? qRgb(c0[i], c1[i], c2[i]) : table[c0[i]];
      const uint sa = ((mask ? mask[i] : 255u) * uint(raster.opacity) + 127) / 255;
      const QRgb under = row[x];
      const uint da = qAlpha(under);
      if (sa == 0) continue;
      if (sa == 255 || da == 0) {
        row[x] = (colour & 0x00FFFFFFu) | (sa << 24);
        continue;
      }
      // Straight-alpha "over": the layer's share plus what shows of the picture below.
      const uint below = da * (255 - sa);  // scaled by 255
      const uint outA255 = sa * 255 + below;
      auto mix = [&](uint s, uint d) { return (s * sa * 255 + d * below + outA255 / 2) / outA255; };
      row[x] = qRgba(int(mix(qRed(colour), qRed(under))), int(mix(qGreen(colour), qGreen(under))),
                     int(mix(qBlue(colour), qBlue(under))), int((outA255 + 127) / 255));
    }
  }
}

}  // namespace mosaicor
