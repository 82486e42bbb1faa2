// The second part of the level walk: rooms and the sections after them, up to the sound data.
// Most sections are passed over by their size; the object textures, the animated-texture list,
// TR1's palette and the sound data are kept. Once the cursor stops (the data ended), reads give
// nothing, and the walk returns at the next loop or section that would keep or note anything.

#include "core/level/LevelCursor.h"
#include "core/level/LevelReader.h"
#include "core/level/MemoryFile.h"

#include <algorithm>

namespace mosaicor {

void LevelReader::ReadLevelData(LevelCursor& cursor, MemoryFile& file) {
  qint64 tr5SoundStart = 0;
  cursor.Section("level header");
  if (GameVersion == GameVersion::TR5) {
    cursor.Skip(32);
    const quint32 levelDataLength = cursor.U32();
    cursor.Skip(4);
    tr5SoundStart = cursor.Position() + levelDataLength;
    cursor.Skip(4);
    const auto rooms = static_cast<std::uint16_t>(cursor.U32());
    if (cursor.Stopped()) return;
    RoomCount = rooms;
  } else {
    cursor.Skip(4);
    const quint16 rooms = cursor.U16();
    if (cursor.Stopped()) return;
    RoomCount = rooms;
  }
  SkipRooms(cursor);
  if (cursor.Stopped()) return;
  ReadSections(cursor, file, tr5SoundStart);
  if (cursor.Stopped()) return;
  SetProgress(100);
}

void LevelReader::SkipRooms(LevelCursor& cursor) {
  const int gv = int(GameVersion);  // the layouts grew generation by generation
  double progress = 0;
  for (int room = 0; room < RoomCount; ++room) {
    cursor.Section("rooms", room);
    if (gv == 7) {
      cursor.Skip(4);  // marker
      cursor.Skip(cursor.U32());
    } else {
      cursor.Skip(20);                      // header
      cursor.SkipList16(gv <= 2 ? 8 : 12);  // vertices
      cursor.SkipList16(10);                // rectangles
      cursor.SkipList16(8);                 // triangles
      cursor.SkipList16(4);                 // sprites
      cursor.SkipList16(32);                // portals
      const qint64 rows = cursor.U16();
      const qint64 columns = cursor.U16();
      cursor.SkipRecords(rows * columns, 8);                // sectors
      cursor.Skip(gv <= 2 ? 2 : gv <= 4 ? 6 : 4);           // ambient values
      cursor.SkipList16(gv <= 2 ? 18 : gv <= 5 ? 24 : 46);  // lights
      cursor.SkipList16(gv <= 2 ? 18 : 20);                 // static meshes
      cursor.Skip(4);                                       // alternate room, flags
      if (gv >= 5) cursor.Skip(3);
    }
    if (cursor.Stopped()) return;
    progress += 30.0 / RoomCount;
    SetProgress(50 + static_cast<int>(progress));
  }
}

void LevelReader::ReadSections(LevelCursor& cursor, MemoryFile& file, qint64 tr5SoundStart) {
  const int gv = int(GameVersion);  // the layouts grew generation by generation
  const bool compressed = gv >= 6;
  SetProgress(80);
  cursor.Section("floor data").SkipList32(2);
  cursor.Section("mesh data").SkipList32(2);
  cursor.Section("mesh pointers").SkipList32(4);
  cursor.Section("animations").SkipList32(compressed ? 40 : 32);
  cursor.Section("state changes").SkipList32(6);
  cursor.Section("animation dispatches").SkipList32(8);
  cursor.Section("animation commands").SkipList32(2);
  cursor.Section("mesh trees").SkipList32(4);
  cursor.Section("frames").SkipList32(2);
  cursor.Section("moveables").SkipList32(gv == 7 ? 20 : 18);
  cursor.Section("static meshes").SkipList32(32);
  if (gv <= 4) ReadObjectTextures(cursor.Section("object textures"));
  if (cursor.Stopped()) return;
  if (compressed) cursor.Section("SPR marker").Skip(gv == 6 ? 3 : 4);
  cursor.Section("sprite textures").SkipList32(16);
  cursor.Section("sprite sequences").SkipList32(8);
  if (cursor.Stopped()) return;
  layoutsParted_ = true;  // TR1 and TR1 Gold agree up to here
  if (PaletteAfterSprites && gv <= 2) {
    cursor.Section("palette").ReadInto(Palette8.data(), qint64(Palette8.size()));
    if (cursor.Stopped()) return;
    PagesComplete = true;
  }
  cursor.Section("cameras").SkipList32(16);
  if (compressed) cursor.Section("flyby cameras").SkipList32(40);
  cursor.Section("sound sources").SkipList32(16);
  const qint64 boxes = cursor.Section("boxes").U32();
  cursor.SkipRecords(boxes, gv <= 2 ? 20 : 8);
  cursor.Section("overlaps").SkipList32(2);
  cursor.Section("zones").SkipRecords(boxes, (gv <= 2 ? 6 : 10) * 2);
  ReadAnimatedTextures(cursor.Section("animated textures"));
  if (cursor.Stopped()) return;
  SetProgress(85);
  if (compressed) cursor.Section("TEX marker").Skip(gv == 6 ? 4 : 5);
  if (gv >= 5) ReadObjectTextures(cursor.Section("object textures"));
  if (cursor.Stopped()) return;
  TablesComplete = true;
  SetProgress(90);
  cursor.Section("items").SkipList32(gv <= 2 ? 22 : 24);
  if (gv <= 5) cursor.Section("light map").Skip(8192);
  if (!PaletteAfterSprites && gv <= 2) {
    cursor.Section("palette").ReadInto(Palette8.data(), qint64(Palette8.size()));
    if (cursor.Stopped()) return;
    PagesComplete = true;
  }
  if (gv <= 5) cursor.Section("cinematic frames").SkipList16(16);
  if (compressed) cursor.Section("AI objects").SkipList32(24);
  cursor.Section("demo data").SkipList16(1);
  cursor.Section("sound map").Skip(gv <= 2 ? 512 : gv <= 6 ? 740 : 900);
  cursor.Section("sound details").SkipList32(8);
  if (gv <= 2) {
    const qint64 samples = cursor.Section("samples").U32();
    if (!cursor.Keep(SoundData, samples)) cursor.End();
  }
  cursor.Section("sample indices").SkipList32(4);
  if (gv == 7) {
    cursor.Section("sound data");
    if (tr5SoundStart > file.Size()) cursor.End();
    if (cursor.Stopped()) return;
    SoundData = file.TakeRange(tr5SoundStart, file.Size() - tr5SoundStart);
  }
}

void LevelReader::ReadObjectTextures(LevelCursor& cursor) {
  const qint64 declared = cursor.U32();
  if (cursor.Stopped()) return;
  const int recordSize = ObjectTextureRecordSize(GameVersion);
  const qint64 held = std::min(declared, cursor.Remaining() / recordSize);
  ObjectTextures.clear();
  ObjectTextures.reserve(static_cast<size_t>(held));
  for (qint64 i = 0; i < held; ++i) {
    ObjectTextures.push_back(DecodeObjectTexture(cursor.Current(), GameVersion));
    cursor.Advance(recordSize);
  }
  if (held < declared) cursor.End();
}

void LevelReader::ReadAnimatedTextures(LevelCursor& cursor) {
  const qint64 declared = cursor.U32();
  if (cursor.Stopped()) return;
  const qint64 held = std::min(declared, cursor.Remaining() / 2);
  AnimatedTextures.resize(static_cast<size_t>(held));
  for (qint64 i = 0; i < held; ++i) AnimatedTextures[size_t(i)] = cursor.U16();
  if (held < declared) cursor.End();
}

}  // namespace mosaicor
