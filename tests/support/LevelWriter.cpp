#include "LevelWriter.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <zlib.h>

#include <stdexcept>

namespace mosaicor {

namespace {

// Little-endian bytes, appended.
class Bytes {
 public:
  qint64 Size() const { return data_.size(); }
  void U8(std::uint8_t v) { data_.append(char(v)); }
  void U16(std::uint16_t v) {
    U8(std::uint8_t(v));
    U8(std::uint8_t(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(std::uint16_t(v));
    U16(std::uint16_t(v >> 16));
  }
  void Raw(const QByteArray& bytes) { data_.append(bytes); }
  void Text(const char* text, int n) { data_.append(text, n); }
  // Records the reader passes over: a pattern that differs from record to record.
  void Filler(qint64 n) {
    for (qint64 i = 0; i < n; ++i) U8(std::uint8_t(0x5A ^ (fill_++ * 13)));
  }
  void Zeros(qint64 n) { data_.append(QByteArray(n, '\0')); }
  void List16(std::uint16_t count, int recordSize) {
    U16(count);
    Filler(qint64(count) * recordSize);
  }
  void List32(std::uint32_t count, int recordSize) {
    U32(count);
    Filler(qint64(count) * recordSize);
  }
  QByteArray& Data() { return data_; }

 private:
  QByteArray data_;
  std::uint32_t fill_ = 0;
};

int Gv(const LevelDescription& d) { return int(d.generation); }

QByteArray Sized(QByteArray bytes, qint64 size) {
  if (bytes.size() < size) bytes.append(QByteArray(size - bytes.size(), '\0'));
  bytes.truncate(size);
  return bytes;
}

void WriteChunk(Bytes& out, const QByteArray& content, int level) {
  const QByteArray compressed = Deflate(content, level);
  out.U32(std::uint32_t(content.size()));
  out.U32(std::uint32_t(compressed.size()));
  out.Raw(compressed);
}

void WriteObjectTextures(Bytes& out, const LevelDescription& d, LevelLayout& layout) {
  layout.objectTextureCount = out.Size();
  out.U32(std::uint32_t(d.objectTextures.size()));
  for (const ObjectTexture& t : d.objectTextures) {
    out.U16(t.Attribute);
    out.U16(t.Tile);
    if (Gv(d) >= 6) out.U16(t.ExtraWord);
    for (const ObjectTextureVertex& v : t.Vertices) {
      out.U8(v.ULow);
      out.U8(v.UPixel);
      out.U8(v.VLow);
      out.U8(v.VPixel);
    }
    if (Gv(d) >= 6)
      for (std::uint32_t value : t.ExtraLongs) out.U32(value);
    if (Gv(d) == 7) out.U16(t.TrailingWord);
  }
}

std::vector<std::uint16_t> AnimatedWords(const LevelDescription& d) {
  if (d.animatedWords) return *d.animatedWords;
  std::vector<std::uint16_t> words;
  if (d.animatedRanges.empty()) return words;
  words.push_back(std::uint16_t(d.animatedRanges.size()));
  for (const auto& range : d.animatedRanges) {
    words.push_back(std::uint16_t(range.size() - 1));
    words.insert(words.end(), range.begin(), range.end());
  }
  return words;
}

void WriteRooms(Bytes& out, const LevelDescription& d) {
  const int gv = Gv(d);
  for (const RoomDescription& room : d.rooms) {
    if (gv == 7) {
      out.Text("XELA", 4);
      out.U32(room.tr5DataLength);
      const std::uint32_t parts = std::min(room.tr5PartsLength.value_or(room.tr5DataLength), room.tr5DataLength);
      out.Filler(parts);
      out.Zeros(room.tr5DataLength - parts);
      continue;
    }
    out.Filler(20);  // position, heights, data size
    out.List16(room.vertices, gv <= 2 ? 8 : 12);
    out.List16(room.rectangles, 10);
    out.List16(room.triangles, 8);
    out.List16(room.sprites, 4);
    out.List16(room.portals, 32);
    out.U16(room.sectorRows);
    out.U16(room.sectorColumns);
    out.Filler(qint64(room.sectorRows) * room.sectorColumns * 8);
    out.Filler(gv <= 2 ? 2 : gv <= 4 ? 6 : 4);  // ambient light
    out.List16(room.lights, gv <= 2 ? 18 : gv <= 5 ? 24 : 46);
    out.List16(room.staticMeshes, gv <= 2 ? 18 : 20);
    out.Filler(4);               // alternate room, flags
    if (gv >= 5) out.Filler(3);  // water scheme, reverb, filler
  }
}

// Everything after the rooms, up to and including the sample indices.
void WriteSections(Bytes& out, const LevelDescription& d, LevelLayout& layout) {
  const int gv = Gv(d);
  const bool tr45 = gv >= 6;
  const SectionCounts& c = d.counts;
  out.List32(c.floorData, 2);
  out.List32(c.meshData, 2);
  out.List32(c.meshPointers, 4);
  out.List32(c.animations, tr45 ? 40 : 32);
  out.List32(c.stateChanges, 6);
  out.List32(c.animDispatches, 8);
  out.List32(c.animCommands, 2);
  out.List32(c.meshTrees, 4);
  out.List32(c.frames, 2);
  out.List32(c.moveables, gv == 7 ? 20 : 18);
  out.List32(c.staticMeshes, 32);
  if (gv <= 4) WriteObjectTextures(out, d, layout);
  if (gv == 6) out.Text("SPR", 3);
  if (gv == 7) out.Text("SPR\0", 4);
  out.List32(c.spriteTextures, 16);
  out.List32(c.spriteSequences, 8);
  const bool paletteAfterSprites = gv == 2 || (gv == 1 && d.tr1DemoLayout);
  if (paletteAfterSprites) out.Raw(Sized(d.palette8, 768));
  out.List32(c.cameras, 16);
  if (tr45) out.List32(c.flybyCameras, 40);
  out.List32(c.soundSources, 16);
  out.List32(c.boxes, gv <= 2 ? 20 : 8);
  out.List32(c.overlaps, 2);
  out.Filler(qint64(c.boxes) * (gv <= 2 ? 6 : 10) * 2);  // zones
  const std::vector<std::uint16_t> words = AnimatedWords(d);
  layout.animatedTextureCount = out.Size();
  out.U32(std::uint32_t(words.size()));
  for (std::uint16_t w : words) out.U16(w);
  if (gv == 6) out.Text("\0TEX", 4);
  if (gv == 7) out.Text("\0TEX\0", 5);
  if (gv >= 5) WriteObjectTextures(out, d, layout);
  out.List32(c.items, gv <= 2 ? 22 : 24);
  if (gv <= 5) out.Filler(8192);  // light map
  if (gv == 1 && !paletteAfterSprites) out.Raw(Sized(d.palette8, 768));
  if (gv <= 5) out.List16(c.cinematicFrames, 16);
  if (tr45) out.List32(c.aiObjects, 24);
  out.List16(c.demoData, 1);
  out.Filler(gv <= 2 ? 512 : gv <= 6 ? 740 : 900);  // sound map
  out.List32(c.soundDetails, 8);
  if (gv <= 2) {
    out.U32(std::uint32_t(d.samples.size()));
    out.Raw(d.samples);
  }
  out.List32(c.sampleIndices, 4);
  layout.levelDataEnd = out.Size();
}

qint64 PageCount(const QByteArray& pages, qint64 pageBytes) { return pages.size() / pageBytes; }

void WritePlainPages(Bytes& out, const LevelDescription& d, LevelLayout& layout) {
  const int gv = Gv(d);
  if (gv >= 3) {
    out.Raw(Sized(d.palette8, 768));
    out.Raw(Sized(d.palette16, 1024));
  }
  qint64 pages = PageCount(d.pages8, 65536);
  if (gv >= 3) pages = std::max(pages, PageCount(d.pages16, 131072));
  layout.textileCount = out.Size();
  out.U32(d.textileCount.value_or(std::uint32_t(pages)));
  out.Raw(Sized(d.pages8, std::max<qint64>(pages * 65536, d.pages8.size())));
  if (gv >= 3) out.Raw(Sized(d.pages16, std::max<qint64>(pages * 131072, d.pages16.size())));
}

void WriteCompressedPages(Bytes& out, const LevelDescription& d, LevelLayout& layout) {
  out.U16(std::uint16_t(PageCount(d.pages32, 262144)));
  out.U16(0);
  out.U16(0);
  layout.chunk32 = out.Size();
  WriteChunk(out, d.pages32, d.compressionLevel);
  layout.chunk16 = out.Size();
  WriteChunk(out, d.pages16, d.compressionLevel);
  layout.chunkMisc = out.Size();
  WriteChunk(out, d.miscPages32, d.compressionLevel);
}

void WriteLevelPart(Bytes& out, const LevelDescription& d, LevelLayout& layout) {
  out.Filler(4);
  layout.roomCount = out.Size();
  out.U16(std::uint16_t(d.rooms.size()));
  WriteRooms(out, d);
  WriteSections(out, d, layout);
}

void WriteTr5LevelPart(Bytes& out, const LevelDescription& d, LevelLayout& layout) {
  out.Zeros(32);  // Lara type, weather, padding
  const qint64 lengthAt = out.Size();
  out.U32(0);  // level data length, twice; patched below
  out.U32(0);
  const qint64 start = out.Size();
  out.U32(0);
  layout.roomCount = out.Size();
  out.U32(std::uint32_t(d.rooms.size()));
  WriteRooms(out, d);
  WriteSections(out, d, layout);
  out.Zeros(6);  // real TR5 levels pad their level data before the sound
  layout.soundData = out.Size();
  PatchU32(out.Data(), lengthAt, std::uint32_t(out.Size() - start));
  PatchU32(out.Data(), lengthAt + 4, std::uint32_t(out.Size() - start));
  out.Raw(d.soundData);
}

std::uint32_t DefaultVersion(int gv) {
  if (gv <= 2) return 0x20;
  if (gv <= 4) return 0x2D;
  if (gv == 5) return 0xFF080038;
  return 0x00345254;
}

}  // namespace

QByteArray WriteLevel(const LevelDescription& d, LevelLayout* layoutOut) {
  LevelLayout layout;
  Bytes out;
  const int gv = Gv(d);
  const std::uint32_t version = d.fileVersion ? d.fileVersion : DefaultVersion(gv);
  out.U32(version);
  if (gv >= 6) {
    WriteCompressedPages(out, d, layout);
    if (gv == 6) {
      Bytes level;
      WriteLevelPart(level, d, layout);
      layout.chunkLevelData = out.Size();
      WriteChunk(out, level.Data(), d.compressionLevel);
      out.Raw(d.soundData);
    } else {
      WriteTr5LevelPart(out, d, layout);
    }
  } else {
    WritePlainPages(out, d, layout);
    if (version != 0xFF180034) WriteLevelPart(out, d, layout);
  }
  if (layoutOut) *layoutOut = layout;
  if (!d.zlibContainer) return out.Data();
  // The container's offsets would be meaningless; the layout describes the level inside it.
  Bytes container;
  const QByteArray compressed = Deflate(out.Data(), d.compressionLevel);
  container.Text("ZLIB", 4);
  container.U32(std::uint32_t(compressed.size()));
  container.U32(std::uint32_t(out.Size()));
  container.Raw(compressed);
  return container.Data();
}

QString LevelFileName(const LevelDescription& d, const QString& baseName) {
  static const char* const extensions[] = {"", ".phd", ".tub", ".tr2", ".trg", ".tr2", ".tr4", ".trc"};
  return baseName + QLatin1String(extensions[Gv(d)]);
}

bool WriteLevelFile(const QString& path, const LevelDescription& description) {
  return WriteBytesToFile(path, WriteLevel(description));
}

QByteArray Deflate(const QByteArray& bytes, int level) {
  uLongf size = compressBound(uLong(bytes.size()));
  QByteArray out(qsizetype(size), Qt::Uninitialized);
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.constData()),
                uLong(bytes.size()), level) != Z_OK)
    throw std::runtime_error("compress2 failed");
  out.truncate(qsizetype(size));
  return out;
}

void PatchU32(QByteArray& bytes, qint64 offset, std::uint32_t value) {
  qToLittleEndian<quint32>(value, bytes.data() + offset);
}

void PatchU16(QByteArray& bytes, qint64 offset, std::uint16_t value) {
  qToLittleEndian<quint16>(value, bytes.data() + offset);
}

}  // namespace mosaicor
