#pragma once
// The one way a file comes into the Source, whether a dialog chose it, it was dropped or the
// companion was given it: a Tomb Raider level (its texture pages or its animated textures) or a
// picture of any format the decoders read, told apart by the file's extension.

#include "core/common/Outcome.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/graphics/PixelFormat.h"

#include <QImage>
#include <QString>

#include <vector>

namespace mosaicor {

class ImageFileModule;

enum class SourceKind { Picture, Level };

// Level for the extensions of LevelExtensions() and of object libraries (whose pages the level
// module reads as well), in any letter case; Picture for every other file.
SourceKind SourceKindOf(const QString& fileName);

// What to make of the file: a picture, a level's pages or its animated textures, or, by its
// kind, a picture or a level's pages.
enum class SourceRead { ByKind, Picture, LevelPages, LevelAnimated, LevelTiles };

struct SourcePicture {
  QImage picture;                                    // 32-bit (ARGB32)
  PixelFormatCode format = PixelFormatCode::Device;  // the format the file held
  std::vector<SheetTile> tiles;  // LevelTiles: where each tile of the level lies on the picture
};

// Reads the file as `read` says; level textures with their transparent pixels as magenta when
// `maskTransparency`. A failure carries the same text and reason the window and the companion
// tell.
Result<SourcePicture> OpenSourceFile(const QString& fileName, SourceRead read, const ImageFileModule& pictures,
                                     TombRaiderFileModule& levels, bool maskTransparency);

}  // namespace mosaicor
