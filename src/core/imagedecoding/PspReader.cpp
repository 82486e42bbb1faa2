#include "imagedecoding/PspReader.h"

#include "imagedecoding/PictureLimits.h"
#include "imagedecoding/PixelRows.h"
#include "imagedecoding/PspRaster.h"

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

bool ReadMainBlocks(ByteSource& source, PspDocument& document, QString& error) {
  if (!ReadPspHeader(source, document.file, error)) return false;
  while (source.Remaining() > 0) {
    PspBlock block;
    if (!ReadPspBlock(source, document.file, source.Size(), block, error)) {
      // Trailing bytes that are no block end the file, once the picture's blocks were seen.
      if (document.haveAttributes && document.layerBank.id >= 0) break;
      return false;
    }
    if (block.id == kPspImageBlock) {
      if (!ReadPspImageAttributes(source, document.file, block, document.attributes, error)) return false;
      document.haveAttributes = true;
    } else if (block.id == kPspColourBlock) {
      if (!ReadPspPalette(source, document.file, block, document.palette, error)) return false;
    } else if (block.id == kPspCompositeBankBlock) {
      document.compositeBank = block;
    } else if (block.id == kPspLayerBankBlock) {
      document.layerBank = block;
    }
    source.Seek(block.end);
  }
  if (!document.haveAttributes) {
    error = QStringLiteral("the file has no image attributes");
    return false;
  }
  return true;
}

// The full-size composite of the bank, when it holds one in channels (not a thumbnail, not JPEG).
// Its attribute blocks come first, then the images in the same order.
bool ReadComposite(ByteSource& source, const PspDocument& document, PspRaster& raster, QList<uint32_t>& palette,
                   QString& error) {
  const PspFile& file = document.file;
  qsizetype at = 0;
  if (!PspChunkEnd(source, document.compositeBank, at, error)) return false;
  std::vector<PspCompositeAttributes> attributes;
  int image = 0, wanted = -1;
  source.Seek(at);
  while (source.Position() < document.compositeBank.end) {
    PspBlock block;
    if (!ReadPspBlock(source, file, document.compositeBank.end, block, error)) return false;
    if (block.id == kPspCompositeAttributesBlock) {
      PspCompositeAttributes entry;
      if (!ReadPspCompositeAttributes(source, block, entry, error)) return false;
      if (entry.compositeType == 0 && wanted < 0) wanted = int(attributes.size());
      attributes.push_back(entry);
    } else if (block.id == kPspCompositeImageBlock || block.id == 18 /* JPEG */) {
      if (image++ == wanted && block.id == kPspCompositeImageBlock) {
        const PspCompositeAttributes& entry = attributes[size_t(wanted)];
        if (entry.width != document.attributes.width || entry.height != document.attributes.height ||
            entry.bitDepth != document.attributes.bitDepth || entry.compression > kPspLz77)
          return true;  // not a composite we can stand in for the layers with
        qsizetype channels = 0;
        if (!PspChunkEnd(source, block, channels, error)) return false;
        raster.width = entry.width, raster.height = entry.height, raster.bitDepth = entry.bitDepth;
        return ReadPspRasterChannels(source, file, channels, block.end, entry.compression, &palette, raster, error);
      }
    }
    source.Seek(block.end);
  }
  return true;
}

struct LayerEntry {
  PspLayerInfo info;
  qsizetype end = 0;
};

bool ListVisibleLayers(ByteSource& source, const PspDocument& document, std::vector<LayerEntry>& layers,
                       QString& error) {
  source.Seek(document.layerBank.start);
  while (source.Position() < document.layerBank.end) {
    PspBlock block;
    if (!ReadPspBlock(source, document.file, document.layerBank.end, block, error)) return false;
    if (block.id == kPspLayerBlock) {
      LayerEntry entry;
      if (!ReadPspLayerInfo(source, document.file, block, entry.info, error)) return false;
      entry.end = block.end;
      const PspRect& saved = entry.info.savedRect;
      if (entry.info.visible && entry.info.opacity > 0 && saved.Width() > 0 && saved.Height() > 0)
        layers.push_back(entry);
    }
    source.Seek(block.end);
  }
  return true;
}

bool ReadLayer(ByteSource& source, const PspDocument& document, const LayerEntry& layer, PspRaster& raster,
               QString& error) {
  const PspLayerInfo& info = layer.info;
  raster.x = info.imageRect.left + info.savedRect.left;
  raster.y = info.imageRect.top + info.savedRect.top;
  raster.width = info.savedRect.Width(), raster.height = info.savedRect.Height();
  raster.bitDepth = document.attributes.bitDepth;
  raster.opacity = info.opacity;
  return ReadPspRasterChannels(source, document.file, info.channelsStart, layer.end, document.attributes.compression,
                               nullptr, raster, error);
}

bool Opaque(const QByteArray& alpha) {
  return std::all_of(alpha.cbegin(), alpha.cend(), [](char a) { return uchar(a) == 255; });
}

// A raster that is the whole picture and has no transparency keeps the file's own format.
bool StoreAsItIs(const PspRaster& raster, const QList<QRgb>& table, DecodedPicture& picture, QString& error) {
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
  if (image.isNull()) {
    error = QStringLiteral("not enough memory for a %1 x %2 picture").arg(width).arg(height);
    return false;
  }
  picture.image = std::move(image);
  picture.format = raster.bitDepth == 24  ? PixelFormatCode::TwentyFourBits
                   : raster.bitDepth == 8 ? PixelFormatCode::EightBits
                   : raster.bitDepth == 4 ? PixelFormatCode::FourBits
                                          : PixelFormatCode::OneBit;
  return true;
}

// Merged layers: 32 bits where anything shows through, otherwise the 24 bits (or grey levels)
// of an ordinary picture.
void StoreMerged(QImage canvas, bool greyscale, DecodedPicture& picture) {
  bool opaque = true;
  for (int y = 0; y < canvas.height() && opaque; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < canvas.width(); ++x) opaque &= qAlpha(row[x]) == 255;
  }
  if (!opaque) {
    picture.image = std::move(canvas);
    picture.format = PixelFormatCode::ThirtyTwoBits;
  } else if (greyscale) {
    QImage grey(canvas.size(), QImage::Format_Indexed8);
    grey.setColorTable(PspColourTable({}, true, 8));
    for (int y = 0; y < canvas.height(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
      uchar* out = grey.scanLine(y);
      for (int x = 0; x < canvas.width(); ++x) out[x] = uchar(qRed(row[x]));
    }
    picture.image = std::move(grey);
    picture.format = PixelFormatCode::EightBits;
  } else {
    picture.image = canvas.convertToFormat(QImage::Format_BGR888);
    picture.format = PixelFormatCode::TwentyFourBits;
  }
}

bool CheckAttributes(const PspDocument& document, QString& error) {
  const PspImageAttributes& a = document.attributes;
  if (a.bitDepth != 1 && a.bitDepth != 4 && a.bitDepth != 8 && a.bitDepth != 24) {
    error = QStringLiteral("Paint Shop Pro pictures of %1 bits per pixel are not supported").arg(a.bitDepth);
    return false;
  }
  if (a.compression != kPspUncompressed && a.compression != kPspRle && a.compression != kPspLz77) {
    error = QStringLiteral("Paint Shop Pro compression %1 is not supported").arg(a.compression);
    return false;
  }
  if (a.bitDepth <= 8 && !a.greyscale && document.palette.isEmpty()) {
    error = QStringLiteral("the paletted picture has no palette");
    return false;
  }
  error = PictureSizeAllowed(a.width, a.height).Text();
  return error.isEmpty();
}

bool NewCanvas(const PspImageAttributes& attributes, QImage& canvas, QString& error) {
  canvas = QImage(int(attributes.width), int(attributes.height), QImage::Format_ARGB32);
  if (canvas.isNull()) {
    error = QStringLiteral("not enough memory for a %1 x %2 picture").arg(attributes.width).arg(attributes.height);
    return false;
  }
  canvas.fill(0);  // transparent where no layer covers it
  return true;
}

}  // namespace

static bool ReadPspInto(ByteSource& source, DecodedPicture& picture, QString& error) {
  PspDocument document;
  if (!ReadMainBlocks(source, document, error) || !CheckAttributes(document, error)) return false;
  const PspImageAttributes& attributes = document.attributes;

  if (document.compositeBank.id >= 0) {
    PspRaster composite;
    QList<uint32_t> palette = document.palette;
    if (!ReadComposite(source, document, composite, palette, error)) return false;
    if (composite.HasColour()) {
      const QList<QRgb> table = PspColourTable(palette, attributes.greyscale, composite.bitDepth);
      if (composite.alpha.isEmpty() || Opaque(composite.alpha)) return StoreAsItIs(composite, table, picture, error);
      QImage canvas;
      if (!NewCanvas(attributes, canvas, error)) return false;
      DrawPspRaster(composite, table, canvas);
      StoreMerged(std::move(canvas), attributes.greyscale, picture);
      return true;
    }
  }

  std::vector<LayerEntry> layers;
  if (document.layerBank.id >= 0 && !ListVisibleLayers(source, document, layers, error)) return false;
  const QList<QRgb> table = PspColourTable(document.palette, attributes.greyscale, attributes.bitDepth);
  QImage canvas;
  // Bottom layer first; each layer is released before the next is unpacked.
  for (const LayerEntry& layer : layers) {
    PspRaster raster;
    if (!ReadLayer(source, document, layer, raster, error)) return false;
    // A single layer that is the whole picture and lets nothing through is the picture itself.
    if (layers.size() == 1 && raster.HasColour() && raster.x == 0 && raster.y == 0 &&
        raster.width == attributes.width && raster.height == attributes.height && raster.opacity == 255 &&
        (raster.alpha.isEmpty() || Opaque(raster.alpha)))
      return StoreAsItIs(raster, table, picture, error);
    if (canvas.isNull() && !NewCanvas(attributes, canvas, error)) return false;
    if (raster.HasColour()) DrawPspRaster(raster, table, canvas);
  }
  if (canvas.isNull() && !NewCanvas(attributes, canvas, error)) return false;
  StoreMerged(std::move(canvas), attributes.greyscale, picture);
  return true;
}

Result<DecodedPicture> ReadPsp(ByteSource& source) { return DecodedBy(ReadPspInto, source); }

}  // namespace mosaicor
