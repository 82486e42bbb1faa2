#pragma once
// A project of the classic level editor (.prj): rooms of sectors whose faces point at the cells of
// one texture set (or at rectangles inside a cell), the texture table, the animation ranges and
// the per-cell settings (footstep sound, bump level). Only what refers to the set is taken out,
// each with the place of its bytes, so that a rewrite changes those bytes and copies every other.
// The reader walks the whole file and refuses one whose walk does not end exactly at its end.

#include "core/common/Outcome.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

namespace mosaicor {

// The editor's cells: 256 of them, four to a 256-pixel row of the set as it reads it.
inline constexpr int kProjectCells = 256;
inline constexpr int kProjectCellsPerRow = 4;
// A face's texture index has ten bits.
inline constexpr int kProjectMostTextures = 1024;

// A textured face of a sector: the texture entry it shows, mirrored left to right when flipped,
// turned `rotation` steps, and, on a triangle, the corner of the entry it leaves out.
// Kept small: a project has a hundred thousand of them.
struct ProjectFace {
  uint32_t offset = 0;  // of its 8-byte record: type (2), index (1), flags (1), rotation (1), triangle (1)
  int room = 0;
  uint16_t texture = 0;  // the entry, 0 to 1023 (the low two bits of flags are its high bits)
  uint8_t flags = 0;
  uint8_t rotation = 0;
  uint8_t triangle = 0;
  bool Flipped() const { return flags & 0x80; }
};

// An entry of the texture table: a rectangle of the set, in the editor's 256-wide reading of it.
// Entries 0 to 255 are the whole cells in order; later ones are rectangles inside one cell.
struct ProjectTexture {
  qint64 offset = 0;  // of its 8-byte record: x (1), y (2), 2 bytes, width - 1 (1), 1 byte, height - 1 (1)
  QRect rect;
};

struct LevelProject {
  QByteArray bytes;  // the whole file
  QString textureFile;
  std::vector<ProjectFace> faces;  // the textured ones
  std::vector<ProjectTexture> textures;
  std::vector<bool> animated;  // per cell: in an animation range
  qint64 footstepsOffset = 0;  // 256 bytes, one per cell
  qint64 bumpsOffset = -1;     // 256 bytes, one per cell; -1 in a project that has none
  int rooms = 0;

  uint8_t Footstep(int cell) const { return uint8_t(bytes[footstepsOffset + cell]); }
  uint8_t Bump(int cell) const { return bumpsOffset < 0 ? 0 : uint8_t(bytes[bumpsOffset + cell]); }
};

// The editor's place of a cell (its 256-wide reading of the set), and the cell a rectangle lies in;
// -1 when it is not inside one cell.
QRect ProjectCellRect(int cell);
int ProjectCellOf(const QRect& rect);

// The largest project read: its offsets fit in 32 bits.
inline constexpr qint64 kMostProjectBytes = qint64(1) << 30;

// Reads a project from its bytes. Refuses with the reason a file that is no project, one with
// 128-pixel tiles ("big textures"), and a damaged one: a count beyond the bytes there, a record
// of an unknown kind, a face that names a texture entry the table lacks, bytes left over.
Result<LevelProject> ReadLevelProject(QByteArray bytes);

}  // namespace mosaicor
