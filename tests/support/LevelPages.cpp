// Recognisable texture pages and small complete levels for the level writer's users.

#include "LevelWriter.h"

namespace mosaicor {

namespace {

// The colour of pixel (x, y) of page `page`: each tile its own hue, a gradient across the tile
// and a little noise, so pages look like pages and compress about as well as real ones.
struct PagePixel {
  std::uint8_t r, g, b;
  bool transparent;
};

PagePixel PixelAt(int page, int x, int y) {
  const int tile = (y / 64) * 4 + x / 64;
  const std::uint32_t seed = std::uint32_t(page * 16 + tile) * 2654435761u;
  std::uint32_t noise = std::uint32_t(x) * 73856093u ^ std::uint32_t(y) * 19349663u ^ std::uint32_t(page) * 83492791u;
  noise ^= noise >> 13;
  const int shade = (x % 64 + y % 64) + int(noise & 7);
  PagePixel p;
  p.r = std::uint8_t(((seed >> 24) & 0x7F) + shade);
  p.g = std::uint8_t(((seed >> 16) & 0x7F) + shade / 2);
  p.b = std::uint8_t(((seed >> 8) & 0x7F) + (127 - shade) / 2);
  p.transparent = tile == 5 && x % 64 < 16 && y % 64 < 16;
  return p;
}

}  // namespace

// `count` pages of 256 x 256 pixels, each written by `encode` as bytesPerPixel bytes.
template <typename Encode>
QByteArray MakePages(int count, int bytesPerPixel, Encode encode) {
  QByteArray pages(qsizetype(count) * 65536 * bytesPerPixel, Qt::Uninitialized);
  auto* out = reinterpret_cast<std::uint8_t*>(pages.data());
  for (int page = 0; page < count; ++page)
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x < 256; ++x, out += bytesPerPixel) encode(PixelAt(page, x, y), out);
  return pages;
}

QByteArray MakePages8(int count) {
  return MakePages(count, 1, [](const PagePixel& p, std::uint8_t* out) {
    out[0] = p.transparent ? 0 : std::uint8_t(1 + (p.r ^ p.g) % 255);
  });
}

QByteArray MakePages16(int count) {
  return MakePages(count, 2, [](const PagePixel& p, std::uint8_t* out) {
    const unsigned v = (p.transparent ? 0u : 0x8000u) | unsigned(p.r >> 3) << 10 | unsigned(p.g >> 3) << 5 | p.b >> 3;
    out[0] = std::uint8_t(v & 0xFF);
    out[1] = std::uint8_t(v >> 8);
  });
}

QByteArray MakePages32(int count) {
  return MakePages(count, 4, [](const PagePixel& p, std::uint8_t* out) {
    out[0] = p.b;
    out[1] = p.g;
    out[2] = p.r;
    out[3] = p.transparent ? 0 : 255;
  });
}

QByteArray MakePalette8() {
  QByteArray palette(768, '\0');
  for (int i = 1; i < 256; ++i) {
    palette[i * 3] = char(i % 64);
    palette[i * 3 + 1] = char((i * 7) % 64);
    palette[i * 3 + 2] = char((i * 13) % 64);
  }
  palette[0] = 63;
  palette[2] = 63;
  return palette;
}

void SetPages(LevelDescription& d, int count) {
  const int gv = int(d.generation);
  d.pages8 = gv <= 5 ? MakePages8(count) : QByteArray();
  d.pages16 = gv >= 3 ? MakePages16(count) : QByteArray();
  d.pages32 = gv >= 6 ? MakePages32(count) : QByteArray();
  d.miscPages32 = gv >= 6 ? MakePages32(2) : QByteArray();
  d.palette8 = gv <= 5 ? MakePalette8() : QByteArray();
  d.palette16 = gv >= 3 && gv <= 5 ? QByteArray(1024, '\x11') : QByteArray();
}

LevelDescription MakeSampleLevel(LevelGeneration generation, int pages) {
  LevelDescription d;
  d.generation = generation;
  SetPages(d, pages);
  // Textures 0..5 cover the first tiles of the pages in reading order.
  for (int i = 0; i < 6; ++i) {
    ObjectTexture t;
    t.Attribute = std::uint16_t(i % 2);
    t.Tile = std::uint16_t(pages > 0 ? (i / 16) % pages : 0);
    const std::uint8_t left = std::uint8_t((i % 4) * 64), top = std::uint8_t(((i / 4) % 4) * 64);
    t.Vertices[0] = {0, left, 0, top};
    t.Vertices[1] = {0xFF, std::uint8_t(left + 63), 0, top};
    t.Vertices[2] = {0xFF, std::uint8_t(left + 63), 0xFF, std::uint8_t(top + 63)};
    t.Vertices[3] = {0, left, 0xFF, std::uint8_t(top + 63)};
    if (int(generation) >= 6) {
      t.ExtraWord = std::uint16_t(0x100 + i);
      t.ExtraLongs = {std::uint32_t(i), 64, 64, 0xDEADBEEF};
    }
    if (generation == LevelGeneration::TR5) t.TrailingWord = 0xCDCD;
    d.objectTextures.push_back(t);
  }
  d.animatedRanges = {{1, 2, 3}, {4, 5}};
  d.rooms = {RoomDescription{}, RoomDescription{}, RoomDescription{}};
  d.rooms[1].vertices = 9;
  d.rooms[2].lights = 3;
  d.rooms[2].tr5DataLength = 200;
  if (int(generation) <= 2) d.samples = QByteArray(300, '\x40');
  if (int(generation) >= 6) d.soundData = QByteArray(500, '\x33');
  return d;
}

}  // namespace mosaicor
