#include "core/imagedecoding/PspBlocks.h"

#include <QList>
#include <cstring>

namespace mosaicor {

namespace {

constexpr char kSignature[] = "Paint Shop Pro Image File\n\x1a";

// A cursor that cannot leave [from, to) of the file.
ByteSource Within(const ByteSource& source, qsizetype from, qsizetype to) {
  ByteSource part(source.Data(), to);
  part.Seek(from);
  return part;
}

bool ReadI32(ByteSource& in, qint64& value) {
  uint32_t raw = 0;
  if (!in.ReadU32(raw)) return false;
  value = qint32(raw);
  return true;
}

bool ReadRect(ByteSource& in, PspRect& rect) {
  return ReadI32(in, rect.left) && ReadI32(in, rect.top) && ReadI32(in, rect.right) && ReadI32(in, rect.bottom);
}

// From version 4 on, information chunks begin with their own length, which covers fields that
// later versions added: readers go by that length rather than by the fields they know.
bool ChunkStart(ByteSource& in, const PspFile& file, const PspBlock& block, qsizetype& chunkEnd) {
  if (file.OldLayout()) {
    chunkEnd = block.start + block.infoLength;
    return chunkEnd <= block.end;
  }
  uint32_t size = 0;
  if (!in.ReadU32(size) || size < 4 || qsizetype(size) > block.end - block.start) return false;
  chunkEnd = block.start + qsizetype(size);
  return true;
}

Failure<> Damaged(const char* what) { return {QStringLiteral("the %1 is damaged").arg(QLatin1String(what))}; }

}  // namespace

Result<PspFile> ReadPspHeader(ByteSource& source) {
  const uchar* signature = source.Take(32);
  uint16_t major = 0, minor = 0;
  if (!signature || std::memcmp(signature, kSignature, sizeof kSignature - 1) != 0 || !source.ReadU16(major) ||
      !source.ReadU16(minor))
    return Failure<>{QStringLiteral("not a Paint Shop Pro file")};
  if (major < 3)
    return Failure<>{QStringLiteral("Paint Shop Pro files of format version %1 are not supported").arg(major)};
  return PspFile{major};
}

Result<PspBlock> ReadPspBlock(ByteSource& source, const PspFile& file, qsizetype parentEnd) {
  ByteSource in = Within(source, source.Position(), parentEnd);
  const uchar* magic = in.Take(4);
  uint16_t id = 0;
  uint32_t initial = 0, total = 0;
  if (!magic || std::memcmp(magic, "~BK\0", 4) != 0 || !in.ReadU16(id) || (file.OldLayout() && !in.ReadU32(initial)) ||
      !in.ReadU32(total) || qsizetype(total) > in.Remaining() || initial > total)
    return Failure<>{QStringLiteral("the block at byte %1 is damaged").arg(source.Position())};
  PspBlock block;
  block.id = id;
  block.start = in.Position();
  block.end = block.start + qsizetype(total);
  block.infoLength = qsizetype(initial);
  source.Seek(block.start);
  return block;
}

Result<PspImageAttributes> ReadPspImageAttributes(ByteSource& source, const PspFile& file, const PspBlock& block) {
  PspImageAttributes out;
  ByteSource in = Within(source, block.start, block.end);
  qsizetype chunkEnd = block.end;
  if (!file.OldLayout() && !ChunkStart(in, file, block, chunkEnd)) return Damaged("image attributes block");
  in = Within(source, in.Position(), chunkEnd);
  uint8_t metric = 0, grey = 0;
  uint16_t compression = 0, depth = 0, planes = 0;
  uint32_t colours = 0;
  if (!ReadI32(in, out.width) || !ReadI32(in, out.height) || !in.Skip(8) || !in.ReadU8(metric) ||
      !in.ReadU16(compression) || !in.ReadU16(depth) || !in.ReadU16(planes) || !in.ReadU32(colours) || !in.ReadU8(grey))
    return Damaged("image attributes block");
  out.compression = compression;
  out.bitDepth = depth;
  out.colourCount = colours;
  out.greyscale = grey != 0;
  return out;
}

Result<PspCompositeAttributes> ReadPspCompositeAttributes(ByteSource& source, const PspBlock& block) {
  PspCompositeAttributes out;
  ByteSource in = Within(source, block.start, block.end);
  uint32_t size = 0;
  uint16_t depth = 0, compression = 0, planes = 0, type = 0;
  uint32_t colours = 0;
  if (!in.ReadU32(size) || !ReadI32(in, out.width) || !ReadI32(in, out.height) || !in.ReadU16(depth) ||
      !in.ReadU16(compression) || !in.ReadU16(planes) || !in.ReadU32(colours) || !in.ReadU16(type))
    return Damaged("composite image attributes block");
  out.bitDepth = depth;
  out.compression = compression;
  out.compositeType = type;
  return out;
}

Result<QList<uint32_t>> ReadPspPalette(ByteSource& source, const PspFile& file, const PspBlock& block) {
  ByteSource in = Within(source, block.start, block.end);
  qsizetype chunkEnd = 0;
  uint32_t count = 0;
  if (file.OldLayout()) {
    if (!in.ReadU32(count)) return Damaged("colour palette");
    chunkEnd = std::max(in.Position(), block.start + block.infoLength);
  } else if (!ChunkStart(in, file, block, chunkEnd) || !in.ReadU32(count)) {
    return Damaged("colour palette");
  }
  if (!in.Seek(chunkEnd) || qint64(count) * 4 > in.Remaining()) return Damaged("colour palette");
  QList<uint32_t> palette;
  const uchar* p = in.Here();
  for (uint32_t i = 0; i < std::min<uint32_t>(count, 256); ++i, p += 4)  // entries are blue, green, red, unused
    palette << (0xFF000000u | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0]);
  return palette;
}

Result<PspLayerInfo> ReadPspLayerInfo(ByteSource& source, const PspFile& file, const PspBlock& block) {
  PspLayerInfo out;
  ByteSource in = Within(source, block.start, block.end);
  uint8_t type = 0, opacity = 0, blend = 0, flags = 0;
  if (file.OldLayout()) {
    // A fixed 256-character name, then the fields; the channels follow the first chunk.
    if (!in.Skip(256) || !in.ReadU8(type) || !ReadRect(in, out.imageRect) || !ReadRect(in, out.savedRect) ||
        !in.ReadU8(opacity) || !in.ReadU8(blend) || !in.ReadU8(flags) || block.infoLength > block.end - block.start)
      return Damaged("layer block");
    out.channelsStart = block.start + block.infoLength;
  } else {
    qsizetype chunkEnd = 0;
    uint16_t nameLength = 0;
    if (!ChunkStart(in, file, block, chunkEnd) || !in.ReadU16(nameLength) || !in.Skip(nameLength) || !in.ReadU8(type) ||
        !ReadRect(in, out.imageRect) || !ReadRect(in, out.savedRect) || !in.ReadU8(opacity) || !in.ReadU8(blend) ||
        !in.ReadU8(flags) || !in.Seek(chunkEnd))
      return Damaged("layer block");
    // Later versions put extension blocks (vector, group, mask data) between the information and
    // the bitmap chunk.
    while (in.Remaining() >= 4 && std::memcmp(in.Here(), "~BK\0", 4) == 0) {
      const Result<PspBlock> extension = ReadPspBlock(in, file, block.end);
      if (!extension) return extension.Status();
      if (!in.Seek(extension->end)) return Damaged("layer block");
    }
    uint32_t bitmapChunk = 0;
    const qsizetype bitmapStart = in.Position();
    if (!in.ReadU32(bitmapChunk) || bitmapChunk < 4 || !in.Seek(bitmapStart + qsizetype(bitmapChunk)))
      return Damaged("layer block");
    out.channelsStart = in.Position();
  }
  out.opacity = opacity;
  out.visible = (flags & 1) != 0;
  return out;
}

Result<PspChannelInfo> ReadPspChannelInfo(ByteSource& source, const PspFile& file, const PspBlock& block) {
  ByteSource in = Within(source, block.start, block.end);
  qsizetype chunkEnd = 0;
  uint32_t compressed = 0, uncompressed = 0;
  uint16_t bitmapType = 0, channelType = 0;
  if ((!file.OldLayout() && !ChunkStart(in, file, block, chunkEnd)) || !in.ReadU32(compressed) ||
      !in.ReadU32(uncompressed) || !in.ReadU16(bitmapType) || !in.ReadU16(channelType))
    return Damaged("channel block");
  if (file.OldLayout()) chunkEnd = std::max(in.Position(), block.start + block.infoLength);
  if (!in.Seek(chunkEnd) || qsizetype(compressed) > in.Remaining()) return Damaged("channel block");
  PspChannelInfo out;
  out.bitmapType = bitmapType;
  out.channelType = channelType;
  out.data = in.Here();
  out.length = qsizetype(compressed);
  return out;
}

Result<qsizetype> PspChunkEnd(ByteSource& source, const PspBlock& block) {
  ByteSource in = Within(source, block.start, block.end);
  uint32_t size = 0;
  if (!in.ReadU32(size) || size < 4 || qsizetype(size) > block.end - block.start)
    return Damaged("composite image bank");
  return block.start + qsizetype(size);
}

}  // namespace mosaicor
