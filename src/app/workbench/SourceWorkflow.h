#pragma once
// The Source side: the Source combo box's actions (load a picture, extract a level's texture
// pages or its animated textures, repeat the last action), files dropped on the Source, and
// the Source info line.

#include <QImage>
#include <QString>
#include <optional>

#include "app/workbench/WindowState.h"
#include "core/graphics/PixelFormat.h"
#include "core/imagefiles/SourceFile.h"

namespace mosaicor {

class ImageStack;
class Workbench;

class SourceWorkflow {
 public:
  explicit SourceWorkflow(Workbench& bench);

  // None repeats the last action that loaded.
  void OpenSource(SourceAction action);
  // Reloads the current source without a dialog, with the transparency now chosen.
  void SourceRepeat();
  void UpdateSourceAreaInfo(PixelFormatCode format);

  // Where the tile under (x, y) of the Source comes from, when the Source shows a level's textures
  // as tiles: "page 3 · 32 × 32 at 64, 128 · 5 object textures · animated"; empty elsewhere.
  QString TileProvenance(int x, int y) const;

  // True when level textures come with their transparent pixels written as magenta.
  bool MaskTransparency() const;

  // Opens a file as a drop on the Source would: a level's pages or a picture, by the file's kind.
  // False (and nothing changed) when it cannot be loaded.
  bool OpenFile(const QString& fileName);

 private:
  // Every file the Source shows comes through here, and so does its failure: the level module
  // has sounded its falling beep where the failure calls for one, and the message box says the
  // rest. Read into a scratch picture, so a failed or cancelled load leaves the Source untouched.
  bool LoadFile(SourceRead read, const QString& fileName, PixelFormatCode& format, QImage& picture);
  bool LoadWithDialog(SourceAction action, std::optional<QString>& file);
  void ShowPicture(const QImage& picture);
  void ShowLoaded(const QImage& picture, PixelFormatCode format, const QString& fileName);
  void RebuildAlpha();

  Workbench& bench_;
  std::vector<SheetTile> loadedTiles_;  // the tiles of the picture a load made, until it is shown
  ImageStack& source_;
  Document& doc_;
  ViewState& view_;
};

}  // namespace mosaicor
