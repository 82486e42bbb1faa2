#pragma once
// The level reader: reads a Tomb Raider level of any generation (TR1 to TR5) into memory, keeping
// its texture pages, palettes, object textures and animated-texture list for the extraction.
//
// Reading is bounded: no count, length or offset of the file is trusted. A file that ends early
// keeps what it holds and stops the walk (the load succeeds, Truncated set); compressed data that
// is damaged or would inflate beyond any real level makes the load fail.

#include "core/level/GameVersion.h"
#include "core/level/LevelFailure.h"
#include "core/level/LevelPlace.h"
#include "core/level/ObjectTexture.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace mosaicor {

class LevelCursor;
class MemoryFile;
class ProgressIndicator;

class LevelReader {
 public:
  // First four bytes of TR3's picture file (VICT.TR2): palettes and pages, nothing after them.
  static constexpr std::uint32_t kTr3PicturesVersion = 0xFF180034;
  // "TR4c": an encrypted TR4 level.
  static constexpr std::uint32_t kEncryptedTr4Version = 0x63345254;

  LevelReader() = default;
  ~LevelReader();
  LevelReader(const LevelReader&) = delete;
  LevelReader& operator=(const LevelReader&) = delete;

  // Reads the named file. The generation comes from the first four bytes and, for TR1 Gold,
  // the second TR2 variant and TR5, from ".TUB"/".tub", ".TRG"/".trg", ".TRC"/".trc" anywhere
  // in fileName. texturesOnly stops right after the pages where the layout allows it.
  // Where the name's layout does not fit the file, the content decides: when the walk of a TR1
  // or TR1 Gold layout does not end exactly at the file's end, or a TR4 or TR5 walk fails, the
  // other layout of the same first bytes is walked whole, and taken when it fits (it ends
  // exactly at the end for TR1, it reads without damage or early end for TR4/TR5). Real files
  // that need this: TR1 demo levels (.PHD with the palette where TR1 Gold keeps it), TR5 levels
  // named .tr4 and TR4 levels named .trc.
  // Fails as FileMissing, UnknownVersion or Encrypted ("TR4c", an encrypted TR4 level), where
  // nothing is loaded; as Unreadable (exists but cannot be read) or BeyondLimits (more than any
  // real level holds); as Damaged (with the place it was met) or InflatesTooFar for compressed
  // data. Only exhausted memory raises (std::bad_alloc).
  LevelOutcome LoadFromFile(const QString& fileName, bool texturesOnly);
  // The same for a file's bytes already in memory; fileName only serves the name tests.
  LevelOutcome LoadFromMemory(QByteArray content, const QString& fileName, bool texturesOnly);
  // Releases everything and returns to the state after construction (ProgressGauge stays).
  void FreeLevelData();

  std::uint32_t FileVersion = 0;
  mosaicor::GameVersion GameVersion = mosaicor::GameVersion::Unknown;
  bool LevelLoaded = false;
  // Pages of 256 x 256 pixels that every page set of the generation really holds.
  std::int32_t TextileCount = 0;
  QByteArray Textiles8;                      // TR1-TR3: 65536 bytes a page, indices into Palette8
  QByteArray Textiles16;                     // TR2-TR5: 131072 bytes a page, ARGB 1-5-5-5
  QByteArray Textiles32;                     // TR4, TR5: 262144 bytes a page, B G R A
  QByteArray MiscTextiles32;                 // TR4, TR5: the third page chunk
  std::array<std::uint8_t, 768> Palette8{};  // TR1-TR3: 256 x R G B, 6 bits each
  std::uint16_t RoomCount = 0;
  std::vector<ObjectTexture> ObjectTextures;
  std::vector<std::uint16_t> AnimatedTextures;
  QByteArray LevelData;  // TR4: the inflated level-data chunk
  QByteArray SoundData;
  ProgressIndicator* ProgressGauge = nullptr;  // not owned

  // What the walk found wrong with the file; a load that sets them still succeeds.
  bool Truncated = false;       // the data ended before the walk did; what was there is kept
  bool PagesShortened = false;  // TR4/TR5: the 32-bit chunk held fewer pages than the 16-bit one counts
  // How far a truncated file still served: the pages with the palette they need, and the object
  // textures with the animated-texture list. A file that ends in its sound data has both.
  bool PagesComplete = false;
  bool TablesComplete = false;
  // The section the walk read last, so where it stopped when it stopped early.
  LevelPlace Place;

  // TR1 and TR1 Gold: the palette lies right after the sprite sequences (TR1 Gold, and the TR1
  // demo levels), not after the light map (TR1).
  bool PaletteAfterSprites = false;
  // The layout the file was read in is not the one its name picks (see LoadFromFile).
  bool LayoutFromContent = false;

 private:
  LevelReader& operator=(LevelReader&&) = default;

  LevelOutcome Load(const QString& fileName, bool texturesOnly, const std::function<LevelOutcome(MemoryFile&)>& open);
  // Walks the file from its fifth byte. An early end sets Truncated; damaged compressed data (with
  // its place) and counts beyond any real level are the failure.
  LevelOutcome Walk(MemoryFile& file, bool texturesOnly);
  // How the walk with this cursor ended: Truncated set when the data ended, the failure it met.
  LevelOutcome Finish(const LevelCursor& cursor);
  // True when the walk went through the whole file the way its layout says.
  bool WalkFits() const;
  // The other layout of the same first bytes, walked whole; taken into *this when it fits.
  bool TakeOtherLayout(const std::function<LevelOutcome(MemoryFile&)>& open);
  void ReadCompressedPages(LevelCursor& cursor);
  void ReadPlainPages(LevelCursor& cursor);
  void ReadLevelData(LevelCursor& cursor, MemoryFile& file);
  void SkipRooms(LevelCursor& cursor);
  void ReadSections(LevelCursor& cursor, MemoryFile& file, qint64 tr5SoundStart);
  void ReadObjectTextures(LevelCursor& cursor);
  void ReadAnimatedTextures(LevelCursor& cursor);
  void SetProgress(int percent);

  bool endedAtFileEnd_ = false;  // the walk read the whole file, not a byte more or less
  bool layoutsParted_ = false;   // the walk passed the point where its layout and the other one part
};


}  // namespace mosaicor
