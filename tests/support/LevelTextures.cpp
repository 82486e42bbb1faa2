// Levels whose object textures are known: the tiles extraction's test data.

#include "LevelWriter.h"

#include <cstring>

namespace mosaicor {

namespace {

void CopyPixels(QByteArray& pages, int bytesPerPixel, int fromPage, const QRect& from, int toPage, const QPoint& to) {
  const qsizetype pageBytes = qsizetype(65536) * bytesPerPixel;
  if (pages.size() < std::max(fromPage, toPage) * pageBytes + pageBytes) return;
  char* data = pages.data();
  for (int row = 0; row < from.height(); ++row) {
    const char* source = data + fromPage * pageBytes + (qsizetype(from.y() + row) * 256 + from.x()) * bytesPerPixel;
    char* target = data + toPage * pageBytes + (qsizetype(to.y() + row) * 256 + to.x()) * bytesPerPixel;
    std::memmove(target, source, size_t(from.width()) * bytesPerPixel);
  }
}

}  // namespace

ObjectTexture MakeObjectTexture(LevelGeneration generation, int page, const QRect& rect, int quarterTurns,
                                bool triangle, std::uint16_t attribute) {
  // Clockwise from the top-left; the low bytes say which end of the pixel, as the games store it.
  const ObjectTextureVertex corners[4] = {
      {1, std::uint8_t(rect.left()), 1, std::uint8_t(rect.top())},
      {0xFF, std::uint8_t(rect.right()), 1, std::uint8_t(rect.top())},
      {0xFF, std::uint8_t(rect.right()), 0xFF, std::uint8_t(rect.bottom())},
      {1, std::uint8_t(rect.left()), 0xFF, std::uint8_t(rect.bottom())},
  };
  ObjectTexture t;
  t.Attribute = attribute;
  t.Tile = std::uint16_t(page);
  for (int i = 0; i < 4; ++i) t.Vertices[size_t(i)] = corners[(i + quarterTurns) % 4];
  const bool extended = int(generation) >= 6;
  if (triangle) {
    // The three corners after the dropped one.
    for (int i = 0; i < 3; ++i) t.Vertices[size_t(i)] = corners[(i + quarterTurns + 1) % 4];
    t.Vertices[3] = extended ? ObjectTextureVertex{0xFF, 0xFF, 0xFF, 0xFF} : ObjectTextureVertex{};
    if (extended) t.Tile |= 0x8000;
  }
  if (extended) {
    t.ExtraWord = 0x8000;  // a room texture
    t.ExtraLongs = {0, 0, std::uint32_t(rect.width() - 1) << 16, std::uint32_t(rect.height() - 1) << 16};
  }
  return t;
}

void CopyPagePixels(LevelDescription& d, int fromPage, const QRect& from, int toPage, const QPoint& to) {
  CopyPixels(d.pages8, 1, fromPage, from, toPage, to);
  CopyPixels(d.pages16, 2, fromPage, from, toPage, to);
  CopyPixels(d.pages32, 4, fromPage, from, toPage, to);
}

LevelDescription MakeKnownTexturesLevel(LevelGeneration generation) {
  LevelDescription d = MakeSampleLevel(generation, 3);
  const auto make = [generation](int page, const QRect& rect, int turns = 0, bool triangle = false,
                                 std::uint16_t attribute = 0) {
    return MakeObjectTexture(generation, page, rect, turns, triangle, attribute);
  };
  d.objectTextures = {
      make(0, QRect(0, 0, 64, 64), 0, false, 1),
      make(0, QRect(0, 0, 64, 64), 2, false, 2),
      make(0, QRect(128, 0, 64, 64), 1, true),
      make(0, QRect(66, 66, 32, 32)),
      make(1, QRect(2, 66, 128, 64)),
      make(1, QRect(200, 200, 32, 32), 3),
      make(3, QRect(0, 0, 64, 64)),
      make(2, QRect(16, 16, 16, 16)),
      make(2, QRect(32, 16, 16, 16)),
  };
  CopyPagePixels(d, 0, QRect(66, 66, 32, 32), 1, QPoint(200, 200));
  d.animatedRanges = {{7, 8}};
  return d;
}

LevelDescription MakeManyTexturesLevel(LevelGeneration generation, int pages, int count) {
  LevelDescription d = MakeSampleLevel(generation, pages);
  // Boxes on a page: cells of 64 x 64 holding one box of 62, four of 30 or sixteen of 14 pixels,
  // one pixel of padding around each.
  std::vector<std::pair<int, QRect>> boxes;
  for (int page = 0; page < pages; ++page)
    for (int cell = 0; cell < 16; ++cell) {
      const int split = 1 << ((page + cell) % 3);  // 1, 2 or 4 boxes a side
      const int side = 64 / split;
      for (int by = 0; by < split; ++by)
        for (int bx = 0; bx < split; ++bx)
          boxes.push_back(
              {page, QRect(cell % 4 * 64 + bx * side + 1, cell / 4 * 64 + by * side + 1, side - 2, side - 2)});
    }
  d.objectTextures.clear();
  const int used = std::max(1, count / 2);
  for (int i = 0; i < count; ++i) {
    const auto& [page, rect] = boxes[size_t(qint64(i / 2) * qint64(boxes.size()) / used) % boxes.size()];
    d.objectTextures.push_back(MakeObjectTexture(generation, page, rect, i % 4, i % 2 == 1, std::uint16_t(i % 3)));
  }
  d.animatedRanges = {{0, 2, 4, 6}};
  return d;
}

}  // namespace mosaicor
