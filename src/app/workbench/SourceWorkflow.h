#pragma once
// The Source side: the Source combo box's actions (load a picture, extract a level's texture
// pages or its animated textures, repeat the last action), files dropped on the Source, and
// the Source info line.

#include <QImage>
#include <QObject>
#include <QString>
#include <optional>

#include "app/workbench/WindowState.h"
#include "core/graphics/PixelFormat.h"
#include "core/imagefiles/SourceFile.h"
#include "core/imagefiles/FrameSheet.h"

namespace mosaicor {

class Chooser;
class ImageFileModule;
class ImageStack;
class Operations;
class TombRaiderFileModule;

class SourceWorkflow : public QObject {
  Q_OBJECT

 public:
  // What the Source side works on.
  struct Parts {
    Operations& operations;
    Chooser& dialogs;
    ImageFileModule& pictures;
    TombRaiderFileModule& levels;
    Document& doc;
    ViewState& view;
    ImageStack& source;
  };
  explicit SourceWorkflow(const Parts& parts);

  // None repeats the last action that loaded.
  void OpenSource(SourceAction action);
  // Reloads the current source without a dialog, with the transparency now chosen.
  void SourceRepeat();

  // Where the tile under (x, y) of the Source comes from, when the Source shows a level's textures
  // as tiles: "page 3 · 32 × 32 at 64, 128 · 5 object textures · animated"; empty elsewhere.
  QString TileProvenance(int x, int y) const;

  // True when level textures come with their transparent pixels written as magenta.
  bool MaskTransparency() const;

  // TRANSPARENCY > Alpha -> Magenta, its threshold and Clean fringe: a picture loaded with
  // transparency is shown keyed to magenta while the option is on, and as it came when it is off.
  // Pictures without alpha and levels are not affected.
  void SetAlphaToMagenta(bool on);
  void SetAlphaThreshold(int threshold);
  void SetCleanFringe(bool on);

  // Opens a file as a drop on the Source would: a level's pages or a picture, by the file's kind.
  // False (and nothing changed) when it cannot be loaded.
  bool OpenFile(const QString& fileName);

 signals:
  // A line for the status line: what a load found.
  void Noted(const QString& text);
  // The Source's animation speed was set from code.
  void AnimSpeedChanged();

 private:
  // Every file the Source shows comes through here, and so does its failure: the level module
  // has sounded its falling beep where the failure calls for one, and the message box says the
  // rest. Read into a scratch picture, so a failed or cancelled load leaves the Source untouched.
  bool LoadFile(SourceRead read, const QString& fileName, PixelFormatCode& format, QImage& picture);
  bool LoadWithDialog(SourceAction action, std::optional<QString>& file);
  void ShowPicture(const QImage& picture);
  void ShowLoaded(const QImage& picture, PixelFormatCode format, const QString& fileName);
  void RebuildAlpha();
  // The picture the Source shows of one just loaded: keyed as the transparency tab asks, and kept as
  // it came where keying applies to it.
  QImage Presented(SourceAction action, const QImage& loaded);
  void ShowKeying();
  // A GIF of several frames as consecutive cells, each resized as the size selector resizes a cut;
  // Refused (and reported) when it cannot be; a GIF of one frame loads as any picture.
  enum class FramesLoad { Laid, OnePicture, Refused };
  FramesLoad LoadFrames(const QString& fileName, PixelFormatCode& format, QImage& picture);
  // Plays the frames just laid out when they fill the Source's cells, and says their delays.
  void PlayFrames();

  QImage asLoaded_;                     // the picture with transparency as it came; null for any other source
  std::optional<FrameSheet> frames_;    // the frames of the GIF being loaded, until they play
  std::vector<SheetTile> loadedTiles_;  // the tiles of the picture a load made, until it is shown
  Operations& operations_;
  Chooser& dialogs_;
  ImageFileModule& pictures_;
  TombRaiderFileModule& levels_;
  Document& doc_;
  ViewState& view_;
  ImageStack& source_;
};

}  // namespace mosaicor
