// Seed corpus of the project fuzzer: projects from the test writer, with faces in every lay,
// rectangles inside cells, an animation range, settings, without bump levels and with an NG block.
#include "ProjectWriter.h"
#include "SeedFolder.h"

using namespace mosaicor;

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  ProjectSpec spec;
  for (int rotation = 0; rotation < 4; ++rotation)
    for (bool flipped : {false, true}) spec.faces.push_back({rotation * 3, flipped, rotation, rotation});
  spec.faces.push_back({256, false, 0, 0});
  spec.partial = {QRect(8, 8, 20, 30)};
  spec.animationRanges = {{12, 14}};
  spec.footsteps[1] = 4;
  spec.bumps[2] = 1;
  bool ok = WriteSeed(dir, QStringLiteral("faces.prj"), WriteProject(spec));
  spec.withBumps = false;
  ok &= WriteSeed(dir, QStringLiteral("nobumps.prj"), WriteProject(spec));
  spec.withBumps = true;
  spec.trailer = QByteArray("NG") + QByteArray(16, '\x03');
  ok &= WriteSeed(dir, QStringLiteral("ng.prj"), WriteProject(spec));
  ProjectSpec bare;
  bare.sectorsX = bare.sectorsZ = 1;
  ok &= WriteSeed(dir, QStringLiteral("bare.prj"), WriteProject(bare));
  return ok ? 0 : 1;
}
