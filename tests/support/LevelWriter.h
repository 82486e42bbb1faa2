#pragma once
// Writes Tomb Raider level files of every generation from a description a test fills in, section
// by section in the order the reader walks them. Every passed-over section gets its own count and
// patterned records, so a reader that misjudges any record size loses its way and it shows.
//
//   LevelDescription desc;
//   desc.generation = LevelGeneration::TR4;
//   SetPages(desc, 3);  // recognisable pages in every set the generation has
//   desc.objectTextures = {...};
//   desc.animatedRanges = {{10, 11}, {7}};
//   WriteLevelFile(dir.filePath(LevelFileName(desc)), desc);

#include "TestFiles.h"
#include "core/level/ObjectTexture.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace mosaicor {

// The values are the reader's GameVersion codes.
enum class LevelGeneration { TR1 = 1, TR1Gold = 2, TR2 = 3, TR2Trg = 4, TR3 = 5, TR4 = 6, TR5 = 7 };

struct RoomDescription {
  // TR1-TR4: the counts of the room's lists.
  std::uint16_t vertices = 4;
  std::uint16_t rectangles = 1;
  std::uint16_t triangles = 2;
  std::uint16_t sprites = 1;
  std::uint16_t portals = 1;
  std::uint16_t sectorRows = 2;
  std::uint16_t sectorColumns = 3;
  std::uint16_t lights = 1;
  std::uint16_t staticMeshes = 1;
  // TR5: the room's declared data length, and how many of those bytes are really filled in
  // (the rest is zero); the reader finds the next room by the declared length alone.
  std::uint32_t tr5DataLength = 96;
  std::optional<std::uint32_t> tr5PartsLength;
};

// Record counts of the sections the reader passes over (see the walk order in LevelWriter.cpp).
struct SectionCounts {
  std::uint32_t floorData = 3, meshData = 5, meshPointers = 2, animations = 2, stateChanges = 1;
  std::uint32_t animDispatches = 2, animCommands = 3, meshTrees = 2, frames = 4, moveables = 2;
  std::uint32_t staticMeshes = 1, spriteTextures = 2, spriteSequences = 1, cameras = 1, flybyCameras = 2;
  std::uint32_t soundSources = 1, boxes = 2, overlaps = 3, items = 2, aiObjects = 1;
  std::uint16_t cinematicFrames = 1, demoData = 3;
  std::uint32_t soundDetails = 2, sampleIndices = 2;
};

struct LevelDescription {
  LevelGeneration generation = LevelGeneration::TR1;
  // 0: the generation's usual first four bytes. Others: 0xFF180038 (TR3's second form),
  // 0xFFFFFFF0 (TR4/TR5's second form), 0xFF180034 (TR3's picture file: palettes and pages only).
  std::uint32_t fileVersion = 0;
  bool zlibContainer = false;
  // TR1: the palette right after the sprite sequences, where TR1 Gold keeps it, as the TR1 demo
  // levels (.PHD) have it; otherwise after the light map.
  bool tr1DemoLayout = false;

  // Pages, each set whole pages one after another. TR1: pages8; TR2/TR3: pages8 and pages16
  // (the shorter set is padded with zero pages); TR4/TR5: the chunks pages32, pages16, miscPages32.
  QByteArray pages8, pages16, pages32, miscPages32;
  std::optional<std::uint32_t> textileCount;  // TR1-TR3: the count field, when it should lie
  QByteArray palette8;                        // padded with zeros (or cut) to 768 bytes
  QByteArray palette16;                       // TR2/TR3, to 1024 bytes

  std::vector<ObjectTexture> objectTextures;
  std::vector<std::vector<std::uint16_t>> animatedRanges;   // written as R, then n, indices...
  std::optional<std::vector<std::uint16_t>> animatedWords;  // the raw word list instead
  std::vector<RoomDescription> rooms = {RoomDescription{}};
  SectionCounts counts;
  QByteArray samples;        // TR1, TR1 Gold: the sample bytes
  QByteArray soundData;      // TR4: after the level-data chunk; TR5: after the level data
  int compressionLevel = 6;  // zlib level of TR4/TR5 chunks and the container
};

// Where the writer put things, as byte offsets; -1 where the generation has no such thing. For
// TR4, offsets of the level-data part (roomCount onwards) count in the inflated level data.
struct LevelLayout {
  qint64 textileCount = -1;
  qint64 chunk32 = -1, chunk16 = -1, chunkMisc = -1, chunkLevelData = -1;  // each chunk's first byte
  qint64 roomCount = -1;
  qint64 objectTextureCount = -1;
  qint64 animatedTextureCount = -1;
  qint64 levelDataEnd = -1;  // the end of the sample indices
  qint64 soundData = -1;     // TR5: where the level's data length says the sound begins
};

QByteArray WriteLevel(const LevelDescription& description, LevelLayout* layout = nullptr);
// "level" with the extension the generation's files have (.phd, .tub, .tr2, .trg, .tr4, .trc).
QString LevelFileName(const LevelDescription& description, const QString& baseName = QStringLiteral("level"));
bool WriteLevelFile(const QString& path, const LevelDescription& description);

// Recognisable page sets: each 64 x 64 tile of each page has its own colour, with a gradient
// and some noise inside, and a transparent pixel block in the top-left corner of tile 5.
QByteArray MakePages8(int count);
QByteArray MakePages16(int count);
QByteArray MakePages32(int count);
QByteArray MakePalette8();  // 6-bit entries; entry 0 is (63, 0, 63)
// Fills every page set the generation has with `count` recognisable pages, and the palettes.
void SetPages(LevelDescription& description, int count);
// A complete small level: pages, palettes, object textures pointing into them, two animated
// ranges ({1, 2, 3} and {4, 5}), three rooms.
LevelDescription MakeSampleLevel(LevelGeneration generation, int pages);

// An object texture of `page` covering `rect` (both ends of each corner's row and column inside
// it), its corners from the top-left clockwise, turned by `quarterTurns` corners. A triangle keeps
// the three corners after the first: TR1 to TR3 leave the fourth corner zero, TR4 and TR5 set bit
// 15 of Tile and leave a stray fourth corner that must not count.
ObjectTexture MakeObjectTexture(LevelGeneration generation, int page, const QRect& rect, int quarterTurns = 0,
                                bool triangle = false, std::uint16_t attribute = 0);
// Copies a rectangle of pixels from one page to another in every page set the description has.
void CopyPagePixels(LevelDescription& description, int fromPage, const QRect& from, int toPage, const QPoint& to);

// A level of three pages whose object textures are known, the same for every generation:
//   0, 1  quad 64 x 64 at page 0 (0, 0), the second with its corners turned: one place
//   2     triangle in the 64 x 64 box at page 0 (128, 0)
//   3     quad 32 x 32 at page 0 (66, 66), padded, over the page's transparent block
//   4     quad 128 x 64 at page 1 (2, 66), padded
//   5     quad 32 x 32 at page 1 (200, 200), whose pixels are copied from texture 3's
//   6     a record whose page (3) does not exist
//   7, 8  quads 16 x 16 at page 2 (16, 16) and (32, 16): the animated range {7, 8}
LevelDescription MakeKnownTexturesLevel(LevelGeneration generation);
// `pages` pages holding `count` object textures the way today's level editors pack them: boxes of
// 62, 30 and 14 pixels with padding between them, each used by a quad and a triangle.
LevelDescription MakeManyTexturesLevel(LevelGeneration generation, int pages, int count);

// zlib helpers for tests: a whole stream, and little-endian patching of written bytes.
QByteArray Deflate(const QByteArray& bytes, int level = 6);
void PatchU32(QByteArray& bytes, qint64 offset, std::uint32_t value);
void PatchU16(QByteArray& bytes, qint64 offset, std::uint16_t value);

}  // namespace mosaicor
