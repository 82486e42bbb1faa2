#include "core/level/LevelReader.h"

#include "core/level/InflateChunk.h"
#include "core/level/LevelCursor.h"
#include "core/level/MemoryFile.h"
#include "core/level/ProgressIndicator.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace mosaicor {

namespace {

constexpr qint64 kPage8Bytes = 65536;
constexpr qint64 kPage16Bytes = 131072;
constexpr qint64 kPage32Bytes = 262144;

bool NameContains(const QString& fileName, const char* upper, const char* lower) {
  return fileName.contains(QLatin1String(upper)) || fileName.contains(QLatin1String(lower));
}

// The generation for the first four bytes of a file, Unknown when they name no level.
GameVersion RecogniseGeneration(quint32 fileVersion, const QString& fileName) {
  switch (fileVersion) {
    case 0x00000020:
      return NameContains(fileName, ".TUB", ".tub") ? GameVersion::TR1Gold : GameVersion::TR1;
    case 0x0000002D:
      return NameContains(fileName, ".TRG", ".trg") ? GameVersion::TR2Trg : GameVersion::TR2;
    case 0xFF080038:
    case 0xFF180038:
    case LevelReader::kTr3PicturesVersion:
      return GameVersion::TR3;
    case 0x00345254:  // "TR4\0"
    case 0xFFFFFFF0:
      return NameContains(fileName, ".TRC", ".trc") ? GameVersion::TR5 : GameVersion::TR4;
    default:
      return GameVersion::Unknown;
  }
}

// The kind of picture file that starts with these four bytes, for a picture given as a level;
// empty for anything else.
QString PictureKindOf(const uchar first[4]) {
  using namespace std::string_view_literals;
  const std::string_view head(reinterpret_cast<const char*>(first), 4);
  static constexpr std::pair<std::string_view, const char*> kSignatures[] = {
      {"\xFF\xD8\xFF"sv, "JPEG"}, {"\x89PNG"sv, "PNG"}, {"BM"sv, "BMP"},     {"GIF8"sv, "GIF"},
      {"8BPS"sv, "PSD"},          {"II*\0"sv, "TIFF"},  {"MM\0*"sv, "TIFF"}, {"Pain"sv, "Paint Shop Pro"}};
  for (const auto& [signature, kind] : kSignatures)
    if (head.substr(0, signature.size()) == signature) return QLatin1String(kind);
  return {};
}

// Whatever way a load ends, the gauge goes back to 0.
class ProgressReset {
 public:
  explicit ProgressReset(std::function<void()> reset) : reset_(std::move(reset)) {}
  ~ProgressReset() { reset_(); }

 private:
  std::function<void()> reset_;
};

// One TR4/TR5 chunk: declared length, compressed length, zlib stream. The declared length only
// sizes the first buffer; the inflated length is what counts.
// Empty once the cursor stopped: at the end of the data or at damage, which the cursor keeps.
QByteArray ReadChunk(LevelCursor& cursor, qint64 limit) {
  const quint32 declared = cursor.U32();
  const quint32 compressed = cursor.U32();
  if (cursor.Stopped()) return {};
  // A chunk longer than what is left is a file cut short, not damaged data.
  if (compressed > cursor.Remaining()) {
    cursor.End();
    return {};
  }
  LevelResult<QByteArray> inflated = InflateChunk(cursor.Current(), compressed, declared, limit);
  if (!inflated) {
    cursor.Fail(inflated.Status().Error());
    return {};
  }
  cursor.Advance(compressed);
  return std::move(inflated).Value();
}

}  // namespace

LevelReader::~LevelReader() {
  if (LevelLoaded) FreeLevelData();
}

void LevelReader::FreeLevelData() {
  ProgressIndicator* gauge = ProgressGauge;
  *this = LevelReader();
  ProgressGauge = gauge;
}

void LevelReader::SetProgress(int percent) {
  if (ProgressGauge) ProgressGauge->SetProgress(percent);
}

LevelOutcome LevelReader::LoadFromFile(const QString& fileName, bool texturesOnly) {
  return Load(fileName, texturesOnly, [&](MemoryFile& file) { return file.Open(fileName); });
}

LevelOutcome LevelReader::LoadFromMemory(QByteArray content, const QString& fileName, bool texturesOnly) {
  // Shared, not moved: a file whose name picks the wrong layout is read a second time.
  return Load(fileName, texturesOnly, [&](MemoryFile& file) { return file.Open(content); });
}

LevelOutcome LevelReader::Load(const QString& fileName, bool texturesOnly,
                               const std::function<LevelOutcome(MemoryFile&)>& open) {
  SetProgress(0);
  const ProgressReset reset([this] { SetProgress(0); });
  if (LevelLoaded) {
    FreeLevelData();
    SetProgress(10);
  }
  MemoryFile file;
  if (LevelOutcome opened = open(file); !opened) return opened;
  uchar first[4] = {};
  const bool complete = file.Read(first, 4) == 4;
  FileVersion = qFromLittleEndian<quint32>(first);
  GameVersion = complete ? RecogniseGeneration(FileVersion, fileName) : GameVersion::Unknown;
  if (GameVersion == GameVersion::Unknown) {
    const bool encrypted = complete && FileVersion == kEncryptedTr4Version;
    FileVersion = 0;
    if (encrypted)
      return Failure<LevelFailure>{QStringLiteral("encrypted TR4 level: not supported"), LevelFailure::Encrypted};
    if (const QString picture = PictureKindOf(first); complete && !picture.isEmpty())
      return Failure<LevelFailure>{QStringLiteral("a %1 picture, not a Tomb Raider level").arg(picture),
                                   LevelFailure::UnknownVersion};
    return Failure<LevelFailure>{QStringLiteral("unknown level version"), LevelFailure::UnknownVersion};
  }
  LevelLoaded = true;
  PaletteAfterSprites = GameVersion == GameVersion::TR1Gold;
  const LevelOutcome walked = Walk(file, texturesOnly);
  if (walked && WalkFits()) return {};
  file.Close();
  // Damage before the two layouts part is damage in both: the other walk would meet it again.
  if (layoutsParted_ && TakeOtherLayout(open)) return {};
  return walked;
}

LevelOutcome LevelReader::Finish(const LevelCursor& cursor) {
  if (cursor.Ended()) Truncated = true;
  return cursor.Failure();
}

bool LevelReader::WalkFits() const {
  if (Truncated) return false;
  // TR1 and TR1 Gold differ only in where the palette lies: the wrong guess walks on, but
  // does not end where the file does.
  return !IsTr1Generation(GameVersion) || endedAtFileEnd_;
}

bool LevelReader::TakeOtherLayout(const std::function<LevelOutcome(MemoryFile&)>& open) {
  LevelReader other;
  other.FileVersion = FileVersion;
  other.GameVersion = GameVersion;
  other.PaletteAfterSprites = PaletteAfterSprites;
  switch (GameVersion) {
    case GameVersion::TR1:
    case GameVersion::TR1Gold:
      other.PaletteAfterSprites = !PaletteAfterSprites;
      break;
    case GameVersion::TR4:
      other.GameVersion = GameVersion::TR5;
      break;
    case GameVersion::TR5:
      other.GameVersion = GameVersion::TR4;
      break;
    default:
      return false;
  }
  MemoryFile file;
  if (!open(file).Ok()) return false;
  file.Seek(4);
  other.LevelLoaded = true;
  other.ProgressGauge = ProgressGauge;
  // Walked whole even for texturesOnly: only the whole walk tells whether the layout fits.
  if (!other.Walk(file, false).Ok() || !other.WalkFits()) return false;
  other.LayoutFromContent = true;
  *this = std::move(other);
  return true;
}

LevelOutcome LevelReader::Walk(MemoryFile& file, bool texturesOnly) {
  LevelCursor cursor(file, Place);
  if (HasCompressedChunks(GameVersion)) {
    ReadCompressedPages(cursor);
  } else {
    ReadPlainPages(cursor);
  }
  if (cursor.Stopped()) return Finish(cursor);
  // TR1 and TR1 Gold pages need the palette that lies after the rooms.
  PagesComplete = !IsTr1Generation(GameVersion);
  if (FileVersion == kTr3PicturesVersion) return {};
  if (texturesOnly && !IsTr1Generation(GameVersion)) return {};
  if (GameVersion == GameVersion::TR4) {
    // From here on the walk reads the inflated level data, not the file.
    MemoryFile levelFile;
    levelFile.Assign(LevelData);
    LevelCursor levelCursor(levelFile, Place, true);
    ReadLevelData(levelCursor, levelFile);
    return Finish(levelCursor);
  }
  ReadLevelData(cursor, file);
  endedAtFileEnd_ = !cursor.Stopped() && file.Remaining() == 0;
  return Finish(cursor);
}

void LevelReader::ReadCompressedPages(LevelCursor& cursor) {
  cursor.Section("page counts").Skip(6);  // three page counts that the chunks themselves settle
  Textiles32 = ReadChunk(cursor.Section("32-bit page chunk"), kMaxPageChunkBytes);
  if (cursor.Stopped()) return;
  SetProgress(20);
  Textiles16 = ReadChunk(cursor.Section("16-bit page chunk"), kMaxLevelPages * kPage16Bytes);
  if (cursor.Stopped()) return;
  SetProgress(30);
  // The 16-bit chunk counts the pages; the consumers read that many 32-bit pages, so a 32-bit
  // chunk that holds fewer lowers the count to the whole pages it really has.
  const qint64 counted = Textiles16.size() / kPage16Bytes;
  const qint64 held = Textiles32.size() / kPage32Bytes;
  TextileCount = static_cast<std::int32_t>(std::min(counted, held));
  PagesShortened = held < counted;
  MiscTextiles32 = ReadChunk(cursor.Section("font and sky page chunk"), kMaxPageChunkBytes);
  if (cursor.Stopped()) return;
  layoutsParted_ = true;  // TR4 and TR5 agree up to here
  SetProgress(40);
  if (GameVersion == GameVersion::TR4) {
    LevelData = ReadChunk(cursor.Section("level-data chunk"), kMaxLevelDataChunkBytes);
    if (cursor.Stopped()) return;
    // Everything after the level data is sound; the file itself is not read again.
    MemoryFile& file = cursor.File();
    const qint64 position = file.Position();
    SoundData = file.TakeRange(position, file.Size() - position);
    SetProgress(50);
  }
}

void LevelReader::ReadPlainPages(LevelCursor& cursor) {
  if (!IsTr1Generation(GameVersion)) {
    cursor.Section("palettes").ReadInto(Palette8.data(), qint64(Palette8.size()));
    cursor.Skip(1024);  // the 16-bit palette: the extraction never uses it
  }
  const qint64 declared = cursor.Section("texture pages").U32();
  if (cursor.Stopped()) return;
  // The same cap as the inflated page chunks of TR4 and TR5: no real level comes near it.
  if (declared > kMaxLevelPages) {
    cursor.Fail({QStringLiteral("the level claims %1 texture pages (at most %2)").arg(declared).arg(kMaxLevelPages),
                 LevelFailure::BeyondLimits});
    return;
  }
  SetProgress(30);
  // Only whole pages that every set holds count; a short set ends the walk.
  bool complete = cursor.Keep(Textiles8, declared * kPage8Bytes);
  qint64 pages = Textiles8.size() / kPage8Bytes;
  if (complete && !IsTr1Generation(GameVersion)) {
    complete = cursor.Keep(Textiles16, declared * kPage16Bytes);
    pages = Textiles16.size() / kPage16Bytes;
  } else if (!IsTr1Generation(GameVersion)) {
    pages = 0;
  }
  TextileCount = static_cast<std::int32_t>(pages);
  if (!complete) {
    cursor.End();
    return;
  }
  SetProgress(50);
}

}  // namespace mosaicor
