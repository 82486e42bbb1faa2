#include "core/imagedecoding/PspReader.h"

#include "core/imagedecoding/PictureLimits.h"
#include "core/imagedecoding/PixelRows.h"
#include "core/imagedecoding/PspRaster.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace mosaicor {

namespace {

struct PspDocument {
  PspFile file;
  PspImageAttributes attributes;
  QList<uint32_t> palette;
  bool haveAttributes = false;
  PspBlock compositeBank, layerBank;
};

Result<PspDocument> ReadMainBlocks(ByteSource& source) {
  const Result<PspFile> file = ReadPspHeader(source);
  if (!file) return file.Status();
  PspDocument document;
  document.file = file.Value();
  while (source.Remaining() > 0) {
    const Result<PspBlock> read = ReadPspBlock(source, document.file, source.Size());
    if (!read) {
      // Trailing bytes that are no block end the file, once the picture's blocks were seen.
      if (document.haveAttributes && document.layerBank.id >= 0) break;
      return read.Status();
    }
    const PspBlock& block = read.Value();
    if (block.id == kPspImageBlock) {
      const Result<PspImageAttributes> attributes = ReadPspImageAttributes(source, document.file, block);
      if (!attributes) return attributes.Status();
      document.attributes = attributes.Value();
      document.haveAttributes = true;
    } else if (block.id == kPspColourBlock) {
      Result<QList<uint32_t>> palette = ReadPspPalette(source, document.file, block);
      if (!palette) return palette.Status();
      document.palette = std::move(palette).Value();
    } else if (block.id == kPspCompositeBankBlock) {
      document.compositeBank = block;
    } else if (block.id == kPspLayerBankBlock) {
      document.layerBank = block;
    }
    source.Seek(block.end);
  }
  if (!document.haveAttributes) return Failure<>{QStringLiteral("the file has no image attributes")};
  return document;
}

// The full-size composite of the bank, when it holds one in channels (not a thumbnail, not JPEG).
// Its attribute blocks come first, then the images in the same order.
Outcome<> ReadComposite(ByteSource& source, const PspDocument& document, PspRaster& raster, QList<uint32_t>& palette) {
  const PspFile& file = document.file;
  const Result<qsizetype> at = PspChunkEnd(source, document.compositeBank);
  if (!at) return at.Status();
  std::vector<PspCompositeAttributes> attributes;
  int image = 0, wanted = -1;
  source.Seek(at.Value());
  while (source.Position() < document.compositeBank.end) {
    const Result<PspBlock> read = ReadPspBlock(source, file, document.compositeBank.end);
    if (!read) return read.Status();
    const PspBlock& block = read.Value();
    if (block.id == kPspCompositeAttributesBlock) {
      const Result<PspCompositeAttributes> entry = ReadPspCompositeAttributes(source, block);
      if (!entry) return entry.Status();
      if (entry->compositeType == 0 && wanted < 0) wanted = int(attributes.size());
      attributes.push_back(entry.Value());
    } else if (block.id == kPspCompositeImageBlock || block.id == 18 /* JPEG */) {
      if (image++ == wanted && block.id == kPspCompositeImageBlock) {
        const PspCompositeAttributes& entry = attributes[size_t(wanted)];
        if (entry.width != document.attributes.width || entry.height != document.attributes.height ||
            entry.bitDepth != document.attributes.bitDepth || entry.compression > kPspLz77)
          return {};  // not a composite we can stand in for the layers with
        const Result<qsizetype> channels = PspChunkEnd(source, block);
        if (!channels) return channels.Status();
        raster.width = entry.width, raster.height = entry.height, raster.bitDepth = entry.bitDepth;
        return ReadPspRasterChannels(source, file, channels.Value(), block.end, entry.compression, &palette, raster);
      }
    }
    source.Seek(block.end);
  }
  return {};
}

struct LayerEntry {
  PspLayerInfo info;
  qsizetype end = 0;
};

Result<std::vector<LayerEntry>> ListVisibleLayers(ByteSource& source, const PspDocument& document) {
  std::vector<LayerEntry> layers;
  source.Seek(document.layerBank.start);
  while (source.Position() < document.layerBank.end) {
    const Result<PspBlock> read = ReadPspBlock(source, document.file, document.layerBank.end);
    if (!read) return read.Status();
    const PspBlock& block = read.Value();
    if (block.id == kPspLayerBlock) {
      const Result<PspLayerInfo> info = ReadPspLayerInfo(source, document.file, block);
      if (!info) return info.Status();
      const PspRect& saved = info->savedRect;
      if (info->visible && info->opacity > 0 && saved.Width() > 0 && saved.Height() > 0)
        layers.push_back(LayerEntry{info.Value(), block.end});
    }
    source.Seek(block.end);
  }
  return layers;
}

Result<PspRaster> ReadLayer(ByteSource& source, const PspDocument& document, const LayerEntry& layer) {
  const PspLayerInfo& info = layer.info;
  PspRaster raster;
  raster.x = info.imageRect.left + info.savedRect.left;
  raster.y = info.imageRect.top + info.savedRect.top;
  raster.width = info.savedRect.Width(), raster.height = info.savedRect.Height();
  raster.bitDepth = document.attributes.bitDepth;
  raster.opacity = info.opacity;
  if (auto read = ReadPspRasterChannels(source, document.file, info.channelsStart, layer.end,
                                        document.attributes.compression, nullptr, raster);
      !read)
    return read;
  return raster;
}

bool Opaque(const QByteArray& alpha) {
  return std::all_of(alpha.cbegin(), alpha.cend(), [](char a) { return uchar(a) == 255; });
}

// A raster that is the whole picture and has no transparency keeps the file's own format.
Result<DecodedPicture> StoreAsItIs(const PspRaster& raster, const QList<QRgb>& table) {
  const int width = int(raster.width), height = int(raster.height);
  const auto* c = reinterpret_cast<const uchar*>(raster.colour[0].constData());
  QImage image;
  if (raster.bitDepth == 24) {
    image = QImage(width, height, QImage::Format_BGR888);
    const auto* g = reinterpret_cast<const uchar*>(raster.colour[1].constData());
    const auto* b = reinterpret_cast<const uchar*>(raster.colour[2].constData());
    for (int y = 0; y < height && !image.isNull(); ++y) {
      uchar* out = image.scanLine(y);
      const qsizetype row = qsizetype(y) * width;
      MergePlanesToBgr24(c + row, g + row, b + row, out, width);
    }
  } else if (raster.bitDepth == 1) {
    image = QImage(width, height, QImage::Format_Mono);
    if (!image.isNull()) image.setColorTable(table.mid(0, 2));
    for (int y = 0; y < height && !image.isNull(); ++y) {
      uchar* out = image.scanLine(y);
      std::fill(out, out + (width + 7) / 8, uchar(0));
      for (int x = 0; x < width; ++x) out[x / 8] |= uchar(c[qsizetype(y) * width + x] << (7 - (x & 7)));
    }
  } else {
    image = QImage(width, height, QImage::Format_Indexed8);
    if (!image.isNull()) image.setColorTable(table);
    for (int y = 0; y < height && !image.isNull(); ++y)
      std::memcpy(image.scanLine(y), c + qsizetype(y) * width, size_t(width));
  }
  if (image.isNull())
    return Failure<>{QStringLiteral("not enough memory for a %1 x %2 picture").arg(width).arg(height)};
  const PixelFormatCode format = raster.bitDepth == 24  ? PixelFormatCode::TwentyFourBits
                                 : raster.bitDepth == 8 ? PixelFormatCode::EightBits
                                 : raster.bitDepth == 4 ? PixelFormatCode::FourBits
                                                        : PixelFormatCode::OneBit;
  return DecodedPicture{std::move(image), format};
}

// Merged layers: 32 bits where anything shows through, otherwise the 24 bits (or grey levels)
// of an ordinary picture.
DecodedPicture StoreMerged(QImage canvas, bool greyscale) {
  bool opaque = true;
  for (int y = 0; y < canvas.height() && opaque; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < canvas.width(); ++x) opaque &= qAlpha(row[x]) == 255;
  }
  if (!opaque) return DecodedPicture{std::move(canvas), PixelFormatCode::ThirtyTwoBits};
  if (greyscale) {
    QImage grey(canvas.size(), QImage::Format_Indexed8);
    grey.setColorTable(PspColourTable({}, true, 8));
    for (int y = 0; y < canvas.height(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
      uchar* out = grey.scanLine(y);
      for (int x = 0; x < canvas.width(); ++x) out[x] = uchar(qRed(row[x]));
    }
    return DecodedPicture{std::move(grey), PixelFormatCode::EightBits};
  }
  return DecodedPicture{canvas.convertToFormat(QImage::Format_BGR888), PixelFormatCode::TwentyFourBits};
}

Outcome<> CheckAttributes(const PspDocument& document) {
  const PspImageAttributes& a = document.attributes;
  if (a.bitDepth != 1 && a.bitDepth != 4 && a.bitDepth != 8 && a.bitDepth != 24)
    return Failure<>{QStringLiteral("Paint Shop Pro pictures of %1 bits per pixel are not supported").arg(a.bitDepth)};
  if (a.compression != kPspUncompressed && a.compression != kPspRle && a.compression != kPspLz77)
    return Failure<>{QStringLiteral("Paint Shop Pro compression %1 is not supported").arg(a.compression)};
  if (a.bitDepth <= 8 && !a.greyscale && document.palette.isEmpty())
    return Failure<>{QStringLiteral("the paletted picture has no palette")};
  return PictureSizeAllowed(a.width, a.height);
}

Result<QImage> NewCanvas(const PspImageAttributes& attributes) {
  QImage canvas(int(attributes.width), int(attributes.height), QImage::Format_ARGB32);
  if (canvas.isNull())
    return Failure<>{
        QStringLiteral("not enough memory for a %1 x %2 picture").arg(attributes.width).arg(attributes.height)};
  canvas.fill(0);  // transparent where no layer covers it
  return canvas;
}

}  // namespace

Result<DecodedPicture> ReadPsp(ByteSource& source) {
  const Result<PspDocument> read = ReadMainBlocks(source);
  if (!read) return read.Status();
  const PspDocument& document = read.Value();
  if (auto checked = CheckAttributes(document); !checked) return checked;
  const PspImageAttributes& attributes = document.attributes;

  if (document.compositeBank.id >= 0) {
    PspRaster composite;
    QList<uint32_t> palette = document.palette;
    if (auto found = ReadComposite(source, document, composite, palette); !found) return found;
    if (composite.HasColour()) {
      const QList<QRgb> table = PspColourTable(palette, attributes.greyscale, composite.bitDepth);
      if (composite.alpha.isEmpty() || Opaque(composite.alpha)) return StoreAsItIs(composite, table);
      Result<QImage> canvas = NewCanvas(attributes);
      if (!canvas) return canvas.Status();
      DrawPspRaster(composite, table, canvas.Value());
      return StoreMerged(std::move(canvas).Value(), attributes.greyscale);
    }
  }

  std::vector<LayerEntry> layers;
  if (document.layerBank.id >= 0) {
    Result<std::vector<LayerEntry>> listed = ListVisibleLayers(source, document);
    if (!listed) return listed.Status();
    layers = std::move(listed).Value();
  }
  const QList<QRgb> table = PspColourTable(document.palette, attributes.greyscale, attributes.bitDepth);
  // Made when first needed: a single layer that is the picture itself needs none.
  QImage canvas;
  auto ensureCanvas = [&]() -> Outcome<> {
    if (!canvas.isNull()) return {};
    Result<QImage> made = NewCanvas(attributes);
    if (!made) return made.Status();
    canvas = std::move(made).Value();
    return {};
  };
  // Bottom layer first; each layer is released before the next is unpacked.
  for (const LayerEntry& layer : layers) {
    const Result<PspRaster> raster = ReadLayer(source, document, layer);
    if (!raster) return raster.Status();
    // A single layer that is the whole picture and lets nothing through is the picture itself.
    if (layers.size() == 1 && raster->HasColour() && raster->x == 0 && raster->y == 0 &&
        raster->width == attributes.width && raster->height == attributes.height && raster->opacity == 255 &&
        (raster->alpha.isEmpty() || Opaque(raster->alpha)))
      return StoreAsItIs(raster.Value(), table);
    if (auto ready = ensureCanvas(); !ready) return ready;
    if (raster->HasColour()) DrawPspRaster(raster.Value(), table, canvas);
  }
  if (auto ready = ensureCanvas(); !ready) return ready;
  return StoreMerged(std::move(canvas), attributes.greyscale);
}

}  // namespace mosaicor
