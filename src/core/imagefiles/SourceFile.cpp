#include "core/imagefiles/SourceFile.h"

#include "core/extraction/TombRaiderFileModule.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/level/ObjectLibrary.h"

namespace mosaicor {

namespace {

template <typename Kind>
Failure<> Told(const Outcome<Kind>& failed) {
  return {failed.Text(), {}, failed.Reason()};
}

}  // namespace

SourceKind SourceKindOf(const QString& fileName) {
  return HasLevelExtension(fileName) || HasObjectLibraryExtension(fileName) ? SourceKind::Level : SourceKind::Picture;
}

Result<SourcePicture> OpenSourceFile(const QString& fileName, SourceRead read, const ImageFileModule& pictures,
                                     TombRaiderFileModule& levels, bool maskTransparency) {
  if (read == SourceRead::ByKind)
    read = SourceKindOf(fileName) == SourceKind::Level ? SourceRead::LevelPages : SourceRead::Picture;
  SourcePicture loaded;
  if (read == SourceRead::Picture) {
    const PictureOutcome outcome = pictures.LoadImageAs32BitsFile(loaded.picture, fileName, loaded.format);
    if (!outcome) return Told(outcome);
    return loaded;
  }
  if (read == SourceRead::LevelTiles) {
    const ExtractionOutcome outcome =
        levels.LoadTileSheet(loaded.picture, loaded.tiles, fileName, loaded.format, maskTransparency);
    if (!outcome) return Told(outcome);
    return loaded;
  }
  const LevelExtract what = read == SourceRead::LevelAnimated ? LevelExtract::Animated : LevelExtract::Pages;
  const ExtractionOutcome outcome = levels.Load(what, loaded.picture, fileName, loaded.format, maskTransparency);
  if (!outcome) return Told(outcome);
  return loaded;
}

}  // namespace mosaicor
