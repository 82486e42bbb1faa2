// Seed corpus of the object library fuzzer: libraries the test writer makes, of both versions,
// with no page, one page, and a byte count that leaves part of a page.
#include "ObjectLibraryWriter.h"
#include "SeedFolder.h"

using namespace mosaicor;

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  ObjectLibraryDescription empty;
  empty.textureRecords = 0;
  empty.restBytes = 8;
  ObjectLibraryDescription one = MakeSampleObjectLibrary(1);
  one.version = 130;
  ObjectLibraryDescription partial = MakeSampleObjectLibrary(1);
  partial.pageBytes = 1000;
  bool ok = WriteSeed(dir, QStringLiteral("empty.wad"), WriteObjectLibrary(empty));
  ok &= WriteSeed(dir, QStringLiteral("one-page.wad"), WriteObjectLibrary(one));
  ok &= WriteSeed(dir, QStringLiteral("partial.wad"), WriteObjectLibrary(partial));
  return ok ? 0 : 1;
}
