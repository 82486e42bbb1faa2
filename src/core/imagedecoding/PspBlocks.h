#pragma once
// The block structure of Paint Shop Pro files (format versions 3 to 12, i.e. the programs from
// Paint Shop Pro 5 on): the file header, block headers, and the information chunks the picture
// reader needs. Every field is read through a bounds-checked cursor; nothing here allocates.

#include "imagedecoding/ByteSource.h"

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
bool ReadPspHeader(ByteSource& source, PspFile& file, QString& error);
// Reads the header of the block at the source's position, which must end by `parentEnd`.
bool ReadPspBlock(ByteSource& source, const PspFile& file, qsizetype parentEnd, PspBlock& block, QString& error);

bool ReadPspImageAttributes(ByteSource& source, const PspFile& file, const PspBlock& block, PspImageAttributes& out,
                            QString& error);
bool ReadPspCompositeAttributes(ByteSource& source, const PspBlock& block, PspCompositeAttributes& out, QString& error);
// Palette entries (at most 256 are kept) as 0xFFRRGGBB.
bool ReadPspPalette(ByteSource& source, const PspFile& file, const PspBlock& block, QList<uint32_t>& palette,
                    QString& error);
bool ReadPspLayerInfo(ByteSource& source, const PspFile& file, const PspBlock& block, PspLayerInfo& out,
                      QString& error);
bool ReadPspChannelInfo(ByteSource& source, const PspFile& file, const PspBlock& block, PspChannelInfo& out,
                        QString& error);
// The start of the sub-blocks of a composite image bank or composite image block.
bool PspChunkEnd(ByteSource& source, const PspBlock& block, qsizetype& subBlocksStart, QString& error);

}  // namespace mosaicor
