// The second part of the level walk: rooms and the sections after them, up to the sound data.
// Most sections are passed over by their size; the object textures, the animated-texture list,
// TR1's palette and the sound data are kept.

#include "level/LevelCursor.h"
#include "level/MemoryFile.h"
#include "level/Ttrlevel.h"

#include <algorithm>

void Ttrlevel::ReadLevelData(LevelCursor& cursor, MemoryFile& file) {
  qint64 tr5SoundStart = 0;
  if (GameVersion == 7) {
    cursor.Skip(32);
    const quint32 levelDataLength = cursor.U32();
    cursor.Skip(4);
    tr5SoundStart = cursor.Position() + levelDataLength;
    cursor.Skip(4);
    RoomCount = static_cast<std::uint16_t>(cursor.U32());
  } else {
    cursor.Skip(4);
    RoomCount = cursor.U16();
  }
  SkipRooms(cursor);
  ReadSections(cursor, file, tr5SoundStart);
  SetProgress(100);
}

void Ttrlevel::SkipRooms(LevelCursor& cursor) {
  const int gv = GameVersion;
  double progress = 0;
  for (int room = 0; room < RoomCount; ++room) {
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
    progress += 30.0 / RoomCount;
    SetProgress(50 + static_cast<int>(progress));
  }
}

void Ttrlevel::ReadSections(LevelCursor& cursor, MemoryFile& file, qint64 tr5SoundStart) {
  const int gv = GameVersion;
  const bool compressed = gv >= 6;
  SetProgress(80);
  cursor.SkipList32(2);                     // floor data
  cursor.SkipList32(2);                     // mesh data
  cursor.SkipList32(4);                     // mesh pointers
  cursor.SkipList32(compressed ? 40 : 32);  // animations
  cursor.SkipList32(6);                     // state changes
  cursor.SkipList32(8);                     // animation dispatches
  cursor.SkipList32(2);                     // animation commands
  cursor.SkipList32(4);                     // mesh trees
  cursor.SkipList32(2);                     // frames
  cursor.SkipList32(gv == 7 ? 20 : 18);     // moveables
  cursor.SkipList32(32);                    // static meshes
  if (gv <= 4) ReadObjectTextures(cursor);
  if (compressed) cursor.Skip(gv == 6 ? 3 : 4);  // marker
  cursor.SkipList32(16);                         // sprite textures
  cursor.SkipList32(8);                          // sprite sequences
  if (gv == 2) {
    cursor.ReadInto(Palette8.data(), qint64(Palette8.size()));
    PagesComplete = true;
  }
  cursor.SkipList32(16);                  // cameras
  if (compressed) cursor.SkipList32(40);  // flyby cameras
  cursor.SkipList32(16);                  // sound sources
  const qint64 boxes = cursor.U32();
  cursor.SkipRecords(boxes, gv <= 2 ? 20 : 8);
  cursor.SkipList32(2);                               // overlaps
  cursor.SkipRecords(boxes, (gv <= 2 ? 6 : 10) * 2);  // zones
  ReadAnimatedTextures(cursor);
  SetProgress(85);
  if (compressed) cursor.Skip(gv == 6 ? 4 : 5);  // marker
  if (gv >= 5) ReadObjectTextures(cursor);
  TablesComplete = true;
  SetProgress(90);
  cursor.SkipList32(gv <= 2 ? 22 : 24);  // items
  if (gv <= 5) cursor.Skip(8192);        // light map
  if (gv == 1) {
    cursor.ReadInto(Palette8.data(), qint64(Palette8.size()));
    PagesComplete = true;
  }
  if (gv <= 5) cursor.SkipList16(16);                // cinematic frames
  if (compressed) cursor.SkipList32(24);             // AI objects
  cursor.SkipList16(1);                              // demo data
  cursor.Skip(gv <= 2 ? 512 : gv <= 6 ? 740 : 900);  // sound map
  cursor.SkipList32(8);                              // sound details
  if (gv <= 2 && !cursor.Keep(SoundData, cursor.U32())) cursor.End();
  cursor.SkipList32(4);  // sample indices
  if (gv == 7) {
    if (tr5SoundStart > file.Size()) cursor.End();
    SoundData = file.TakeRange(tr5SoundStart, file.Size() - tr5SoundStart);
  }
}

void Ttrlevel::ReadObjectTextures(LevelCursor& cursor) {
  const qint64 declared = cursor.U32();
  const int recordSize = ObjectTextureRecordSize(GameVersion);
  const qint64 held = std::min(declared, cursor.Remaining() / recordSize);
  ObjectTextures.clear();
  ObjectTextures.reserve(static_cast<size_t>(held));
  for (qint64 i = 0; i < held; ++i) {
    ObjectTextures.push_back(DecodeObjectTexture(cursor.Current(), GameVersion));
    cursor.Advance(recordSize);
  }
  ObjectTextureCount = static_cast<std::int32_t>(held);
  if (held < declared) cursor.End();
}

void Ttrlevel::ReadAnimatedTextures(LevelCursor& cursor) {
  const qint64 declared = cursor.U32();
  const qint64 held = std::min(declared, cursor.Remaining() / 2);
  AnimatedTextures.resize(static_cast<size_t>(held));
  for (qint64 i = 0; i < held; ++i) AnimatedTextures[size_t(i)] = cursor.U16();
  AnimatedTextureWordCount = static_cast<std::int32_t>(held);
  if (held < declared) cursor.End();
}
