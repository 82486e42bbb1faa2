#include "core/project/LevelProject.h"

#include <QtEndian>
#include <algorithm>
#include <optional>

namespace mosaicor {

namespace {

constexpr int kFacesPerSector = 14;
constexpr int kSectorBytes = 140;  // heights, flags, 14 faces of 8 bytes, more flags
constexpr int kSectorFacesAt = 24;
constexpr int kFaceBytes = 8;
constexpr int kObjectBytes = 42;
constexpr int kTriggerExtra = 10;
constexpr int kLightExtra = 30;
constexpr int kPortalBytes = 42;
constexpr int kRoomHeadBytes = 112;  // name, position, size in sectors
constexpr int kRoomTailBytes = 9;    // flip room, flags, water, mist, reverb, flip group
constexpr int kTexturedFace = 7;
constexpr int kAnimationRanges = 40;
constexpr int kSlotTailBytes = 4 + 108;
constexpr int kMostNameBytes = 255;

// The walk over the file: every read is checked against the bytes left; the first that does not
// fit ends it.
class Walk {
 public:
  explicit Walk(const QByteArray& bytes)
      : data_(reinterpret_cast<const uchar*>(bytes.constData())), size_(bytes.size()) {}

  bool Skip(qint64 n) {
    if (n < 0 || n > size_ - at_) return Fail();
    at_ += n;
    return true;
  }
  std::optional<int> I16() { return Has(2) ? std::optional<int>(qFromLittleEndian<qint16>(Take(2))) : std::nullopt; }
  std::optional<int> U8() { return Has(1) ? std::optional<int>(*Take(1)) : std::nullopt; }
  std::optional<qint64> I32() {
    return Has(4) ? std::optional<qint64>(qFromLittleEndian<qint32>(Take(4))) : std::nullopt;
  }
  // The unsigned 16-bit value `ahead` bytes on, without moving.
  std::optional<int> PeekU16(qint64 ahead) const {
    if (ahead < 0 || ahead + 2 > size_ - at_) return std::nullopt;
    return qFromLittleEndian<quint16>(data_ + at_ + ahead);
  }
  qint64 At() const { return at_; }
  qint64 Left() const { return size_ - at_; }
  bool Failed() const { return failed_; }

 private:
  bool Has(qint64 n) { return n <= size_ - at_ || Fail(); }
  const uchar* Take(qint64 n) {
    const uchar* p = data_ + at_;
    at_ += n;
    return p;
  }
  bool Fail() {
    failed_ = true;
    return false;
  }
  const uchar* data_;
  qint64 size_;
  qint64 at_ = 0;
  bool failed_ = false;
};

Failure<> EndsEarly(const Walk& walk) {
  return Failure<>{QStringLiteral("damaged project: it ends early, at byte %1").arg(walk.At())};
}

Failure<> BadCount(qint64 count, qint64 at) {
  return Failure<>{QStringLiteral("damaged project: a count of %1 at byte %2").arg(count).arg(at)};
}

// A count read at the walk's place, which `each` bytes apiece must fit into what is left.
std::optional<qint64> Count(Walk& walk, std::optional<qint64> count, qint64 each, std::optional<Failure<>>& failed) {
  const qint64 at = walk.At();
  if (!count) return std::nullopt;
  if (*count < 0 || (each > 0 && *count > walk.Left() / each)) {
    failed = BadCount(*count, at);
    return std::nullopt;
  }
  return count;
}

// A name as the editor writes it: its bytes (nulls skipped) up to the space after its extension,
// or "NA " for none.
std::optional<QString> Name(Walk& walk) {
  QByteArray name;
  while (name.size() < kMostNameBytes) {
    if (name == "NA ") return QStringLiteral("NA");
    const std::optional<int> c = walk.U8();
    if (!c) return std::nullopt;
    if (*c == 0) continue;
    name += char(*c);
    if (*c != '.') continue;
    for (;;) {
      const std::optional<int> d = walk.U8();
      if (!d) return std::nullopt;
      if (*d == ' ') return QString::fromLatin1(name);
      if (*d == 0) continue;
      if (name.size() >= kMostNameBytes) return std::nullopt;
      name += char(*d);
    }
  }
  return std::nullopt;
}

// The objects of a room's first list (items and triggers) or second (lights, sounds, sinks,
// cameras): a fixed record, with more bytes for triggers and lights.
bool Objects(Walk& walk, bool second, int room, std::optional<Failure<>>& failed) {
  const std::optional<qint64> count = Count(walk, walk.I16(), 2 + kObjectBytes, failed);
  if (!count || !walk.Skip(*count * 2)) return false;
  for (qint64 i = 0; i < *count; ++i) {
    const std::optional<int> type = walk.PeekU16(0);
    if (!type || !walk.Skip(kObjectBytes)) return false;
    int extra = -1;
    if (!second) {
      extra = *type == 0x0008 ? 0 : *type == 0x0010 ? kTriggerExtra : -1;
    } else {
      switch (*type) {
        case 0x4000:
        case 0x6000:
        case 0x4200:
        case 0x5000:
        case 0x4100:
        case 0x4020:
          extra = kLightExtra;
          break;
        case 0x4c00:
        case 0x4400:
        case 0x4800:
        case 0x4080:
        case 0x4040:
          extra = 0;
          break;
        default:
          break;
      }
    }
    if (extra < 0) {
      failed =
          Failure<>{QStringLiteral("damaged project: an object of unknown kind %1 in room %2").arg(*type).arg(room)};
      return false;
    }
    if (!walk.Skip(extra)) return false;
  }
  return true;
}

bool Room(Walk& walk, int room, LevelProject& project, std::optional<Failure<>>& failed) {
  const std::optional<int> defined = walk.I16();
  if (!defined) return false;
  if (*defined == 1) return true;
  const qint64 head = walk.At();
  if (!walk.Skip(kRoomHeadBytes)) return false;
  const int sectorsZ = qFromLittleEndian<qint16>(project.bytes.constData() + head + 102);
  const int sectorsX = qFromLittleEndian<qint16>(project.bytes.constData() + head + 104);
  if (sectorsZ < 0 || sectorsX < 0) {
    failed = BadCount(std::min(sectorsZ, sectorsX), head + 102);
    return false;
  }
  const std::optional<qint64> portals = Count(walk, walk.I16(), 2 + kPortalBytes, failed);
  if (!portals || !walk.Skip(*portals * (2 + kPortalBytes))) return false;
  if (!Objects(walk, false, room, failed) || !walk.Skip(4) || !Objects(walk, true, room, failed)) return false;
  if (!walk.Skip(kRoomTailBytes)) return false;
  const qint64 sectors = qint64(sectorsZ) * sectorsX;
  if (sectors > walk.Left() / kSectorBytes) {
    failed = BadCount(sectors, head + 102);
    return false;
  }
  const auto* data = reinterpret_cast<const uchar*>(project.bytes.constData());
  for (qint64 s = 0; s < sectors; ++s) {
    const qint64 faces = walk.At() + kSectorFacesAt;
    for (int f = 0; f < kFacesPerSector; ++f) {
      const qint64 at = faces + f * kFaceBytes;
      if (qFromLittleEndian<qint16>(data + at) != kTexturedFace) continue;
      ProjectFace face;
      face.offset = uint32_t(at);
      face.room = room;
      face.flags = data[at + 3];
      face.texture = uint16_t((face.flags & 0x03) << 8 | data[at + 2]);
      face.rotation = data[at + 4];
      face.triangle = data[at + 5];
      project.faces.push_back(face);
    }
    walk.Skip(kSectorBytes);
  }
  return true;
}

bool Textures(Walk& walk, LevelProject& project, std::optional<Failure<>>& failed) {
  const std::optional<qint64> count = Count(walk, walk.I32(), 8, failed);
  if (!count) return false;
  const auto* data = reinterpret_cast<const uchar*>(project.bytes.constData());
  project.textures.reserve(size_t(*count));
  for (qint64 i = 0; i < *count; ++i) {
    const qint64 at = walk.At();
    const int x = data[at], y = qFromLittleEndian<qint16>(data + at + 1);
    project.textures.push_back(ProjectTexture{at, QRect(x, y, data[at + 5] + 1, data[at + 7] + 1)});
    walk.Skip(8);
  }
  return true;
}

bool Slots(Walk& walk, std::optional<Failure<>>& failed) {
  const std::optional<qint64> count = Count(walk, walk.I32(), 2, failed);
  if (!count) return false;
  for (qint64 i = 0; i < *count; ++i) {
    const std::optional<int> type = walk.I16();
    if (!type) return false;
    if (*type == 0) continue;
    // The slot's name runs to a space.
    int length = 0;
    for (;;) {
      const std::optional<int> c = walk.U8();
      if (!c) return false;
      if (*c == ' ') break;
      if (*c != 0 && ++length > kMostNameBytes) {
        failed = Failure<>{QStringLiteral("damaged project: a name longer than %1 bytes at byte %2")
                               .arg(kMostNameBytes)
                               .arg(walk.At())};
        return false;
      }
    }
    if (!walk.Skip(kSlotTailBytes)) return false;
  }
  return true;
}

bool Animations(Walk& walk, LevelProject& project) {
  if (!walk.Skip(4 + kAnimationRanges * 4 + kProjectCells * 4)) return false;
  project.animated.assign(kProjectCells, false);
  for (int range = 0; range < kAnimationRanges; ++range) {
    const std::optional<qint64> defined = walk.I32(), first = walk.I32(), last = walk.I32();
    if (!last) return false;
    if (!*defined) continue;
    for (qint64 cell = std::max<qint64>(*first, 0); cell <= std::min<qint64>(*last, kProjectCells - 1); ++cell)
      project.animated[size_t(cell)] = true;
  }
  return true;
}

}  // namespace

QRect ProjectCellRect(int cell) {
  return QRect(cell % kProjectCellsPerRow * 64, cell / kProjectCellsPerRow * 64, 64, 64);
}

int ProjectCellOf(const QRect& rect) {
  if (rect.left() < 0 || rect.top() < 0) return -1;
  const int cell = rect.top() / 64 * kProjectCellsPerRow + rect.left() / 64;
  return ProjectCellRect(cell).contains(rect) ? cell : -1;
}

Result<LevelProject> ReadLevelProject(QByteArray bytes) {
  LevelProject project;
  project.bytes = std::move(bytes);
  if (project.bytes.size() > kMostProjectBytes)
    return Failure<>{QStringLiteral("the file is too large (%1 MiB; files of this kind are read up to %2 MiB)")
                         .arg((project.bytes.size() + (1 << 20) - 1) >> 20)
                         .arg(kMostProjectBytes >> 20)};
  if (project.bytes.size() < 16 || !project.bytes.startsWith("PROJFILE") ||
      (project.bytes[8] != '1' && project.bytes[8] != '2'))
    return Failure<>{QStringLiteral("not a project of the level editor (no PROJFILE signature)")};
  if (project.bytes[8] == '2')
    return Failure<>{QStringLiteral("a project with 128-pixel tiles (\"big textures\"): not supported")};
  Walk walk(project.bytes);
  std::optional<Failure<>> failed;
  const auto damaged = [&]() -> Failure<> { return failed ? *failed : EndsEarly(walk); };
  walk.Skip(12);
  const std::optional<qint64> rooms = Count(walk, walk.I32(), 2, failed);
  if (!rooms) return damaged();
  project.rooms = int(*rooms);
  for (int room = 0; room < project.rooms; ++room)
    if (!Room(walk, room, project, failed)) return damaged();
  // Things, lights and triggers of the whole map: counts and fixed tables.
  walk.Skip(4);
  const std::optional<qint64> things = Count(walk, walk.I32(), 4, failed);
  if (!things || !walk.Skip(*things * 4) || !walk.Skip(4 + 768 * 4 + 4 + 512 * 4)) return damaged();
  const std::optional<QString> texture = Name(walk);
  if (!texture) return damaged();
  project.textureFile = *texture;
  if (project.textureFile == QLatin1String("NA"))
    return Failure<>{QStringLiteral("the project uses no texture set (its texture file is NA)")};
  if (!Textures(walk, project, failed) || !Name(walk) || !Slots(walk, failed) || !Animations(walk, project))
    return damaged();
  project.footstepsOffset = walk.At();
  if (!walk.Skip(kProjectCells)) return damaged();
  if (walk.Left() >= kProjectCells) {
    project.bumpsOffset = walk.At();
    walk.Skip(kProjectCells);
  }
  // What may follow is the NG block, kept as it is; anything else means the walk went astray.
  if (walk.Left() > 0 && walk.PeekU16(0) != 0x474E)
    return Failure<>{QStringLiteral("damaged project: %1 bytes follow where its reading ends").arg(walk.Left())};
  for (const ProjectFace& face : project.faces)
    if (face.texture >= int(project.textures.size()))
      return Failure<>{QStringLiteral("damaged project: a face in room %1 shows texture entry %2 of %3")
                           .arg(face.room)
                           .arg(face.texture)
                           .arg(project.textures.size())};
  return project;
}

}  // namespace mosaicor
