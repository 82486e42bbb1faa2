// Seed corpus of the recovery fuzzer: files the writer makes, with and without paths.
#include "SeedFolder.h"
#include "TestPictures.h"

#include "core/recovery/RecoveryFile.h"

using namespace mosaicor;

int main(int argc, char** argv) {
  QDir dir;
  if (!OpenSeedFolder(argc, argv, dir)) return 2;
  RecoveryState state;
  state.target = MakeCoordinatePicture(256, 256);
  state.widthPages = 1, state.heightPages = 1;
  state.savedAt = QDateTime::fromMSecsSinceEpoch(0, Qt::UTC);
  bool ok = WriteRecoveryFile(state, dir.filePath("plain.rec")).Ok();
  state.target = MakeFPicture(512, 256);
  state.widthPages = 2;
  state.paths = {{"SavePath", "/tmp/set.tga"}, {"ImagePath", "/tmp/photo.png"}};
  ok &= WriteRecoveryFile(state, dir.filePath("paths.rec")).Ok();
  return ok ? 0 : 1;
}
