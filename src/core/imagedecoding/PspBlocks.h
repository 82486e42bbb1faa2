#pragma once
// The block structure of Paint Shop Pro files (format versions 3 to 12, i.e. the programs from
// Paint Shop Pro 5 on): the file header, block headers, and the information chunks the picture
// reader needs. Every field is read through a bounds-checked cursor; nothing here allocates.

#include "core/common/Outcome.h"
#include "core/imagedecoding/ByteSource.h"

#include <QList>
#include <QString>
#include <cstdint>

namespace mosaicor {

// Block identifiers of the blocks we read.
enum PspBlockId : int {
  kPspImageBlock = 0,
  kPspColourBlock = 2,
  kPspLayerBankBlock = 3,
  kPspLayerBlock = 4,
  kPspChannelBlock = 5,
  kPspCompositeImageBlock = 9,
  kPspCompositeBankBlock = 16,
  kPspCompositeAttributesBlock = 17,
};

// What a channel's bitmap is for.
enum PspBitmapType : int {
  kPspImageBitmap = 0,
  kPspTransparencyMask = 1,
  kPspCompositeBitmap = 8,
  kPspCompositeTransparencyMask = 9,
};

enum PspCompression : int { kPspUncompressed = 0, kPspRle = 1, kPspLz77 = 2, kPspJpeg = 3 };

// Format version 3 (Paint Shop Pro 5) has a longer block header and chunks without a size field.
struct PspFile {
  int majorVersion = 0;
  bool OldLayout() const { return majorVersion <= 3; }
};

struct PspBlock {
  int id = -1;
  qsizetype start = 0;       // first byte after the block header
  qsizetype end = 0;         // first byte after the block
  qsizetype infoLength = 0;  // version 3 only: the length of the block's first chunk
};

struct PspImageAttributes {
  qint64 width = 0, height = 0;
  int compression = 0;
  int bitDepth = 0;
  qint64 colourCount = 0;
  bool greyscale = false;
};

struct PspCompositeAttributes {
  qint64 width = 0, height = 0;
  int bitDepth = 0;
  int compression = 0;
  int compositeType = 0;  // 0 the picture itself, 1 a thumbnail
};

struct PspRect {
  qint64 left = 0, top = 0, right = 0, bottom = 0;
  qint64 Width() const { return right - left; }
  qint64 Height() const { return bottom - top; }
};

struct PspLayerInfo {
  PspRect imageRect;  // where the layer lies on the canvas
  PspRect savedRect;  // the part of it the file holds pixels for, relative to imageRect
  int opacity = 255;
  bool visible = true;
  qsizetype channelsStart = 0;  // first channel block
};

struct PspChannelInfo {
  int bitmapType = 0;
  int channelType = 0;  // 0 composite (grey or palette index), 1 red, 2 green, 3 blue
  const uchar* data = nullptr;
  qsizetype length = 0;
};

// Checks the signature and reads the version; leaves the source after the file header.
Result<PspFile> ReadPspHeader(ByteSource& source);
// Reads the header of the block at the source's position, which must end by `parentEnd`.
Result<PspBlock> ReadPspBlock(ByteSource& source, const PspFile& file, qsizetype parentEnd);

Result<PspImageAttributes> ReadPspImageAttributes(ByteSource& source, const PspFile& file, const PspBlock& block);
Result<PspCompositeAttributes> ReadPspCompositeAttributes(ByteSource& source, const PspBlock& block);
// Palette entries (at most 256 are kept) as 0xFFRRGGBB.
Result<QList<uint32_t>> ReadPspPalette(ByteSource& source, const PspFile& file, const PspBlock& block);
Result<PspLayerInfo> ReadPspLayerInfo(ByteSource& source, const PspFile& file, const PspBlock& block);
Result<PspChannelInfo> ReadPspChannelInfo(ByteSource& source, const PspFile& file, const PspBlock& block);
// The start of the sub-blocks of a composite image bank or composite image block.
Result<qsizetype> PspChunkEnd(ByteSource& source, const PspBlock& block);

}  // namespace mosaicor
