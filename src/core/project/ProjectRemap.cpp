#include "core/project/ProjectRemap.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <optional>

#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

constexpr int kSide = kSetCellSide;
// The most cells a set has (512 x 16384); a texture entry's row cannot name more either.
constexpr int kMostCells = (kSetMaxWidth / kSide) * (kSetMaxHeight / kSide);
constexpr int kNoSettings = 1 << 16;

// The corners of a texture entry as the editor numbers them: top-left, top-right, bottom-right,
// bottom-left. A flip swaps left and right.
constexpr int Flip(int corner) { return corner ^ 1; }

// The corner that `transform` moves `corner` to.
int TurnedCorner(CellTransform transform, int corner) {
  static const CellPoint corners[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  const CellPoint moved = Apply(transform, corners[corner], 2);
  for (int c = 0; c < 4; ++c)
    if (corners[c] == moved) return c;
  return corner;
}

// Which corner vertex m of a face shows: a quad reads the (flipped) corners from `rotation` on; a
// triangle first takes the three corners other than the one opposite its `triangle` corner.
int QuadCorner(const FaceLay& lay, int m) {
  const int c = ((m - lay.rotation) % 4 + 4) % 4;
  return lay.flipped ? Flip(c) : c;
}
int TriangleCorner(const FaceLay& lay, int m) {
  const std::array<int, 3> taken = {lay.triangle % 4, (lay.triangle + 1) % 4, (lay.triangle + 3) % 4};
  const int c = taken[size_t(((m - lay.rotation) % 3 + 3) % 3)];
  return lay.flipped ? Flip(c) : c;
}

// The settings a cell carries; cells of different settings are never merged.
int SettingsOf(const LevelProject& project, int cell) {
  return cell < kProjectCells ? project.Footstep(cell) << 8 | project.Bump(cell) : kNoSettings;
}

// The cells a rectangle of the editor's reading covers.
std::vector<int> CellsUnder(const QRect& rect) {
  std::vector<int> cells;
  if (rect.left() < 0 || rect.top() < 0) return cells;
  for (int y = rect.top() / kSide; y <= rect.bottom() / kSide; ++y)
    for (int x = rect.left() / kSide; x <= std::min(rect.right() / kSide, kProjectCellsPerRow - 1); ++x)
      if (y * kProjectCellsPerRow + x < kMostCells) cells.push_back(y * kProjectCellsPerRow + x);
  return cells;
}

// A rectangle inside cell `from`, placed in cell `to` and turned there by `transform`.
QRect MovedRect(const QRect& rect, int from, int to, CellTransform transform) {
  const QPoint origin = ProjectCellRect(from).topLeft();
  const CellPoint a = Apply(transform, {rect.left() - origin.x(), rect.top() - origin.y()}, kSide);
  const CellPoint b = Apply(transform, {rect.right() - origin.x(), rect.bottom() - origin.y()}, kSide);
  return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x), std::max(a.y, b.y)))
      .translated(ProjectCellRect(to).topLeft());
}

// TurnedLay once per kind of lay and turn: a project has a hundred thousand faces, but a quad reads
// its rotation modulo 4 and a triangle modulo 3, so the answer depends on the rotation modulo 12.
class TurnedLays {
 public:
  FaceLay Of(FaceLay lay, CellTransform transform) {
    if (transform == CellTransform::None) return lay;
    const bool triangle = lay.triangle >= 0 && lay.triangle <= 3;
    std::optional<FaceLay>& known =
        known_[size_t(transform)][lay.flipped][size_t(lay.rotation % 12)][size_t(triangle ? lay.triangle : 4)];
    if (!known) known = TurnedLay(FaceLay{lay.flipped, lay.rotation % 12, triangle ? lay.triangle : 4}, transform);
    FaceLay turned = *known;
    if (!triangle) turned.triangle = lay.triangle;
    return turned;
  }

 private:
  std::array<std::array<std::array<std::array<std::optional<FaceLay>, 5>, 12>, 2>, 8> known_{};
};

}  // namespace

FaceLay TurnedLay(FaceLay lay, CellTransform transform) {
  if (transform == CellTransform::None) return lay;
  const bool triangle = lay.triangle >= 0 && lay.triangle <= 3;
  for (int rotation = 0; rotation < 12; ++rotation)
    for (bool flipped : {false, true})
      for (int corner = 0; corner < 4; ++corner) {
        const FaceLay turned{flipped, rotation, triangle ? corner : lay.triangle};
        bool same = true;
        for (int m = 0; m < 4 && same; ++m) same = QuadCorner(turned, m) == TurnedCorner(transform, QuadCorner(lay, m));
        for (int m = 0; m < 3 && same && triangle; ++m)
          same = TriangleCorner(turned, m) == TurnedCorner(transform, TriangleCorner(lay, m));
        if (same) return turned;
        if (!triangle) break;
      }
  return lay;  // not reached: the eight turns of a square are closed
}

void AddProjectRules(const LevelProject& project, int cells, CompactRules& rules) {
  rules.kinds.assign(size_t(cells), 0);
  rules.pointedAt.assign(size_t(cells), false);
  rules.noMagentaPairs = true;
  for (int cell = 0; cell < cells; ++cell) rules.kinds[size_t(cell)] = SettingsOf(project, cell);
  const auto point = [&](int cell) {
    if (cell >= 0 && cell < cells) rules.pointedAt[size_t(cell)] = true;
  };
  for (const ProjectFace& face : project.faces)
    if (face.texture < kProjectCells) point(face.texture);
  for (size_t entry = kProjectCells; entry < project.textures.size(); ++entry) {
    const QRect& rect = project.textures[entry].rect;
    if (const int cell = ProjectCellOf(rect); cell >= 0) {
      point(cell);
      continue;
    }
    // A rectangle across cells would come apart: its cells stay.
    for (int cell : CellsUnder(rect))
      if (cell < cells) rules.kinds[size_t(cell)] = kFixedCell;
  }
  for (int cell = 0; cell < std::min(cells, kProjectCells); ++cell)
    if (project.animated[size_t(cell)]) rules.kinds[size_t(cell)] = kFixedCell;
}

Result<QByteArray> RemapProject(const LevelProject& project, const std::vector<CellMove>& moves) {
  std::vector<const CellMove*> moveOf(size_t(kMostCells), nullptr);
  std::vector<int> firstInto(size_t(kMostCells), -1);
  for (const CellMove& move : moves) {
    for (int cell : {move.oldCell, move.newCell})
      if (cell < 0 || cell >= kMostCells)
        return Failure<>{QStringLiteral("the map names cell %1, which a project cannot have").arg(cell)};
    if (moveOf[size_t(move.oldCell)]) return Failure<>{QStringLiteral("the map names cell %1 twice").arg(move.oldCell)};
    moveOf[size_t(move.oldCell)] = &move;
  }
  for (const CellMove& move : moves) {
    const bool animatedOld = move.oldCell < kProjectCells && project.animated[size_t(move.oldCell)];
    const bool animatedNew = move.newCell < kProjectCells && project.animated[size_t(move.newCell)];
    if (animatedOld && (move.newCell != move.oldCell || move.transform != CellTransform::None))
      return Failure<>{QStringLiteral("the map moves cell %1, which is animated").arg(move.oldCell)};
    if (animatedNew && move.newCell != move.oldCell)
      return Failure<>{
          QStringLiteral("the map merges cell %1 into cell %2, which is animated").arg(move.oldCell).arg(move.newCell)};
    int& first = firstInto[size_t(move.newCell)];
    if (first < 0)
      first = move.oldCell;
    else if (SettingsOf(project, first) != SettingsOf(project, move.oldCell))
      return Failure<>{
          QStringLiteral("the map merges cells %1 and %2, whose settings differ").arg(first).arg(move.oldCell)};
  }
  const auto unmapped = [](int cell) {
    return Failure<>{QStringLiteral("the map does not say where cell %1 went, which the project uses").arg(cell)};
  };

  QByteArray bytes = project.bytes;
  auto* data = reinterpret_cast<uchar*>(bytes.data());
  // Texture entries inside one cell move and turn with it; one across cells must stay as it is.
  std::vector<CellTransform> entryTurn(project.textures.size(), CellTransform::None);
  for (size_t entry = kProjectCells; entry < project.textures.size(); ++entry) {
    const ProjectTexture& texture = project.textures[entry];
    const int cell = ProjectCellOf(texture.rect);
    if (cell < 0) {
      for (int under : CellsUnder(texture.rect))
        if (const CellMove* m = moveOf[size_t(under)];
            m && (m->newCell != under || m->transform != CellTransform::None))
          return Failure<>{
              QStringLiteral("the map moves cell %1, under a texture entry across several cells").arg(under)};
      continue;
    }
    const CellMove* move = moveOf[size_t(cell)];
    if (!move) return unmapped(cell);
    const QRect moved = MovedRect(texture.rect, cell, move->newCell, move->transform);
    if (moved.left() > 255 || moved.top() > 32767)
      return Failure<>{QStringLiteral("the map names cell %1, which a project cannot have").arg(move->newCell)};
    entryTurn[entry] = move->transform;
    data[texture.offset] = uchar(moved.left());
    qToLittleEndian<qint16>(qint16(moved.top()), data + texture.offset + 1);
    data[texture.offset + 5] = uchar(moved.width() - 1);
    data[texture.offset + 7] = uchar(moved.height() - 1);
  }
  TurnedLays turns;
  for (const ProjectFace& face : project.faces) {
    int texture = face.texture;
    CellTransform transform = entryTurn[size_t(face.texture)];
    if (texture < kProjectCells) {
      const CellMove* move = moveOf[size_t(texture)];
      if (!move) return unmapped(texture);
      if (move->newCell >= kProjectCells)
        return Failure<>{QStringLiteral("the map puts cell %1 at %2, beyond the %3 cells a project names")
                             .arg(texture)
                             .arg(move->newCell)
                             .arg(kProjectCells)};
      if (move->newCell >= int(project.textures.size()))
        return Failure<>{QStringLiteral("the map puts cell %1 at %2, beyond the project's %3 texture entries")
                             .arg(texture)
                             .arg(move->newCell)
                             .arg(project.textures.size())};
      texture = move->newCell;
      transform = move->transform;
    }
    const FaceLay lay = turns.Of(FaceLay{face.Flipped(), face.rotation, face.triangle}, transform);
    data[face.offset + 2] = uchar(texture & 0xFF);
    data[face.offset + 3] = uchar((face.flags & 0x7C) | (lay.flipped ? 0x80 : 0) | (texture >> 8));
    data[face.offset + 4] = uchar(lay.rotation);
    data[face.offset + 5] = uchar(lay.triangle);
  }
  // Settings follow their cells: a new cell takes those of the old cell whose pixels it holds.
  for (const CellMove& move : moves) {
    if (move.newCell >= kProjectCells) continue;
    const bool known = move.oldCell < kProjectCells;
    data[project.footstepsOffset + move.newCell] = known ? uchar(project.Footstep(move.oldCell)) : 0;
    if (project.bumpsOffset >= 0)
      data[project.bumpsOffset + move.newCell] = known ? uchar(project.Bump(move.oldCell)) : 0;
  }
  return bytes;
}

std::vector<CellMove> WithCellsBeyondTheSet(const LevelProject& project, int cells, std::vector<CellMove> moves) {
  std::vector<bool> beyond(size_t(kMostCells), false);
  for (const ProjectFace& face : project.faces)
    if (face.texture < kProjectCells && face.texture >= cells) beyond[face.texture] = true;
  for (size_t entry = kProjectCells; entry < project.textures.size(); ++entry)
    if (const int cell = ProjectCellOf(project.textures[entry].rect); cell >= cells && cell < kMostCells)
      beyond[size_t(cell)] = true;
  for (int cell = std::max(cells, 0); cell < kMostCells; ++cell)
    if (beyond[size_t(cell)]) moves.push_back(CellMove{cell, cell, CellTransform::None});
  return moves;
}

Result<std::vector<CellMove>> ReadMoveMap(const QByteArray& csv) {
  QList<QByteArray> lines = csv.split('\n');
  if (lines.isEmpty() || lines.front().trimmed() != "old_cell,new_cell,transform")
    return Failure<>{QStringLiteral("not a move map: its first line must be old_cell,new_cell,transform")};
  std::vector<CellMove> moves;
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QByteArray line = lines[i].trimmed();
    if (line.isEmpty()) continue;
    const QList<QByteArray> fields = line.split(',');
    bool oldOk = false, newOk = false;
    CellMove move;
    if (fields.size() == 3) {
      move.oldCell = fields[0].trimmed().toInt(&oldOk);
      move.newCell = fields[1].trimmed().toInt(&newOk);
    }
    bool named = false;
    for (CellTransform t : kCellTransforms)
      if (fields.size() == 3 && TransformName(t).toLatin1() == fields[2].trimmed()) move.transform = t, named = true;
    if (!oldOk || !newOk || !named)
      return Failure<>{QStringLiteral("line %1 of the move map is not old_cell,new_cell,transform").arg(i + 1)};
    moves.push_back(move);
  }
  return moves;
}

}  // namespace mosaicor
