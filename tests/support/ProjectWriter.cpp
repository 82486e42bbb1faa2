#include "ProjectWriter.h"

#include <QtEndian>
#include <algorithm>

#include "core/project/LevelProject.h"

namespace mosaicor {

namespace {

class Bytes {
 public:
  void U8(int v) { out_ += char(v & 0xFF); }
  void I16(int v) {
    U8(v);
    U8(v >> 8);
  }
  void I32(qint64 v) {
    I16(int(v & 0xFFFF));
    I16(int((v >> 16) & 0xFFFF));
  }
  void Zeros(int n) { out_ += QByteArray(n, '\0'); }
  void Raw(const QByteArray& bytes) { out_ += bytes; }
  QByteArray out_;
};

// An object record: its kind first, then position, size, slot and the rest, all zero here.
void Object(Bytes& b, int kind, int extra) {
  b.I16(kind);
  b.Zeros(42 - 2 + extra);
}

void Room(Bytes& b, const ProjectSpec& spec, const std::vector<ProjectFaceSpec>& faces) {
  b.I16(0);  // defined
  QByteArray name("Room");
  name.resize(80, '\0');
  b.Raw(name);
  b.Zeros(16 + 6);
  b.I16(spec.sectorsZ);
  b.I16(spec.sectorsX);
  b.Zeros(4 + 2);
  b.I16(1);  // one portal
  b.I16(7);
  b.I16(0x0004);
  b.Zeros(42 - 2);
  b.I16(2);  // an item and a trigger
  b.I16(1), b.I16(2);
  Object(b, 0x0008, 0);
  Object(b, 0x0010, 10);
  b.Zeros(4);  // ambient light
  b.I16(2);    // a light and a camera
  b.I16(3), b.I16(4);
  Object(b, 0x4000, 30);
  Object(b, 0x4800, 0);
  b.I16(-1);  // no flip room
  b.Zeros(7);
  for (int sector = 0; sector < spec.sectorsX * spec.sectorsZ; ++sector) {
    b.I16(1);
    b.Zeros(6 + 16);
    for (int slot = 0; slot < 14; ++slot) {
      const size_t k = size_t(sector * spec.facesPerSector + slot);
      if (slot >= spec.facesPerSector || k >= faces.size()) {
        b.Zeros(8);
        continue;
      }
      const ProjectFaceSpec& f = faces[k];
      b.I16(7);
      b.U8(f.texture & 0xFF);
      b.U8((f.texture >> 8) | (f.flipped ? 0x80 : 0) | 0x04);
      b.U8(f.rotation);
      b.U8(f.triangle);
      b.I16(0);
    }
    b.Zeros(4);
  }
}

// Which corner vertex m of a face shows, as the project module reads a face's lay.
int QuadCorner(bool flipped, int rotation, int m) {
  const int c = ((m - rotation) % 4 + 4) % 4;
  return flipped ? c ^ 1 : c;
}
int TriangleCorner(bool flipped, int rotation, int triangle, int m) {
  const int taken[3] = {triangle % 4, (triangle + 1) % 4, (triangle + 3) % 4};
  const int c = taken[((m - rotation) % 3 + 3) % 3];
  return flipped ? c ^ 1 : c;
}

QPoint Corner(const QRect& r, int corner) {
  switch (corner) {
    case 0:
      return r.topLeft();
    case 1:
      return r.topRight();
    case 2:
      return r.bottomRight();
    default:
      return r.bottomLeft();
  }
}

QPoint Step(QPoint from, QPoint to) {
  return QPoint(to.x() > from.x() ? 1 : to.x() < from.x() ? -1 : 0, to.y() > from.y() ? 1 : to.y() < from.y() ? -1 : 0);
}

// The editor's 256-wide reading of a set (a 512-wide set's rows of eight cells as two rows of four),
// red, green and blue.
QRgb EditorPixel(const QImage& set, QPoint p) {
  const int columns = set.width() / 64;
  const int cell = p.y() / 64 * 4 + p.x() / 64;
  const int x = cell % columns * 64 + p.x() % 64, y = cell / columns * 64 + p.y() % 64;
  return set.rect().contains(x, y) ? set.pixel(x, y) & 0xFFFFFFu : 0u;  // a 24-bit file keeps no alpha
}

}  // namespace

QByteArray WriteProject(const ProjectSpec& spec) {
  Bytes b;
  b.Raw(spec.bigTextures ? "PROJFILE2" : "PROJFILE1");
  b.Zeros(3);
  const int perRoom = spec.sectorsX * spec.sectorsZ * spec.facesPerSector;
  const int rooms = std::max<int>(1, int((spec.faces.size() + perRoom - 1) / perRoom));
  b.I32(rooms + 1);
  b.I16(1);  // an undefined room
  for (int room = 0; room < rooms; ++room) {
    const auto from = spec.faces.begin() + std::min<size_t>(spec.faces.size(), size_t(room) * perRoom);
    const auto to = spec.faces.begin() + std::min<size_t>(spec.faces.size(), size_t(room + 1) * perRoom);
    Room(b, spec, std::vector<ProjectFaceSpec>(from, to));
  }
  b.I32(0);
  b.I32(3);  // things
  b.Zeros(3 * 4);
  b.I32(0);
  b.Zeros(768 * 4);
  b.I32(0);
  b.Zeros(512 * 4);
  if (spec.textureFile == "NA") {
    b.Raw("NA ");
  } else {
    b.Raw(spec.textureFile + ' ');
    b.I32(256 + qint64(spec.partial.size()));
    const auto entry = [&](const QRect& r) {
      b.U8(r.x());
      b.I16(r.y());
      b.Zeros(2);
      b.U8(r.width() - 1);
      b.Zeros(1);
      b.U8(r.height() - 1);
    };
    for (int cell = 0; cell < 256; ++cell) entry(QRect(cell % 4 * 64, cell / 4 * 64, 64, 64));
    for (const QRect& r : spec.partial) entry(r);
  }
  b.Raw("objects.was ");
  b.I32(2);  // slots: one empty, one named
  b.I16(0);
  b.I16(1);
  b.Raw("LARA ");
  b.Zeros(4 + 108);
  b.I32(qint64(spec.animationRanges.size()));
  b.Zeros(40 * 4 + 256 * 4);
  for (size_t range = 0; range < 40; ++range) {
    const bool defined = range < spec.animationRanges.size();
    b.I32(defined ? 1 : 0);
    b.I32(defined ? spec.animationRanges[range].first : 0);
    b.I32(defined ? spec.animationRanges[range].second : 0);
  }
  for (uint8_t f : spec.footsteps) b.U8(f);
  if (spec.withBumps)
    for (uint8_t bump : spec.bumps) b.U8(bump);
  b.Raw(spec.trailer);
  return b.out_;
}

std::vector<std::vector<QRgb>> FacePixels(const QImage& set, const QByteArray& bytes) {
  std::vector<std::vector<QRgb>> shown;
  const Result<LevelProject> project = ReadLevelProject(bytes);
  if (!project) return shown;
  for (const ProjectFace& face : project->faces) {
    const QRect rect = project->textures[size_t(face.texture)].rect;
    std::vector<QRgb> pixels;
    // Four corners: from vertex 0 along the edges to vertices 1 and 3.
    const QPoint q0 = Corner(rect, QuadCorner(face.Flipped(), face.rotation, 0));
    const QPoint q1 = Corner(rect, QuadCorner(face.Flipped(), face.rotation, 1));
    const QPoint q3 = Corner(rect, QuadCorner(face.Flipped(), face.rotation, 3));
    const QPoint u = Step(q0, q1), v = Step(q0, q3);
    const int along = (q1 - q0).manhattanLength(), across = (q3 - q0).manhattanLength();
    for (int t = 0; t <= across; ++t)
      for (int s = 0; s <= along; ++s) pixels.push_back(EditorPixel(set, q0 + u * s + v * t));
    // A triangle: from its right-angled vertex, which is named too, over the half it covers.
    QPoint c[3];
    for (int m = 0; m < 3; ++m) c[m] = Corner(rect, TriangleCorner(face.Flipped(), face.rotation, face.triangle, m));
    for (int k = 0; k < 3; ++k) {
      const QPoint a = c[k], b1 = c[(k + 1) % 3], b2 = c[(k + 2) % 3];
      if (QPoint::dotProduct(b1 - a, b2 - a) != 0) continue;
      pixels.push_back(QRgb(k));
      const int l1 = (b1 - a).manhattanLength(), l2 = (b2 - a).manhattanLength();
      for (int t = 0; t <= l2; ++t)
        for (int s = 0; s <= l1; ++s)
          if (qint64(s) * l2 + qint64(t) * l1 <= qint64(l1) * l2)
            pixels.push_back(EditorPixel(set, a + Step(a, b1) * s + Step(a, b2) * t));
    }
    shown.push_back(std::move(pixels));
  }
  return shown;
}

}  // namespace mosaicor
