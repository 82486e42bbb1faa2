#pragma once
// Writes projects of the classic level editor (.prj) in memory, section by section, with the
// textured faces, texture entries, animation ranges and cell settings a test asks for, and the
// rooms' other records (a portal, an item, a trigger, a light, a camera) so that a reader walks
// them all. Also tells what each textured face of a project shows of a set, pixel for pixel.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace mosaicor {

struct ProjectFaceSpec {
  int texture = 0;  // the texture entry, 0 to 1023
  bool flipped = false;
  int rotation = 0;
  int triangle = 0;
};

struct ProjectSpec {
  bool bigTextures = false;
  int sectorsX = 2, sectorsZ = 2;  // of each room
  int facesPerSector = 14;         // textured face slots of a sector, the first ones
  // The textured faces, `facesPerSector` to a sector, room after room (rooms are added as the faces
  // need them); every other face slot is left untextured.
  std::vector<ProjectFaceSpec> faces;
  QByteArray textureFile = "set.tga";                // "NA" writes a project without a texture set
  std::vector<QRect> partial;                        // texture entries 256 and up, in the editor's 256-wide reading
  std::vector<std::pair<int, int>> animationRanges;  // first and last cell
  std::array<uint8_t, 256> footsteps{};
  std::array<uint8_t, 256> bumps{};
  bool withBumps = true;
  QByteArray trailer;  // after the bumps (an NG block starts with "NG")
};

QByteArray WriteProject(const ProjectSpec& spec);

// What each textured face of `project` shows of `set` (a 256- or 512-wide set, its cells numbered as
// the editor reads them): per face, the pixels of its texture as laid on a four-cornered face, then
// as laid on a triangle, walked from the face's own corners. Two projects whose faces show the same
// give equal lists.
std::vector<std::vector<QRgb>> FacePixels(const QImage& set, const QByteArray& project);

}  // namespace mosaicor
