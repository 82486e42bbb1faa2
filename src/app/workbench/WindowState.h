#pragma once
// The main window's state without its widgets: the document (files, colours, the current tile)
// and what the controls show. The window reflects both; the workflows change them. The Target's
// page counters and fill colour are its TargetDocument's; what the canvases' models hold (grid and
// alpha shown, export, transform) is read there.

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

#include "app/texts/WindowTexts.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/graphics/AlphaKeying.h"
#include "core/graphics/KeyColours.h"
#include "core/graphics/PixelFormat.h"
#include "core/packing/SetGeometry.h"
#include "core/resampling/CutSizing.h"

namespace mosaicor {

// The Source combo box's actions, numbered as its items.
enum class SourceAction : int { None = 0, ImageFile = 1, LevelTextures = 2, LevelAnimated = 3, LevelTiles = 4 };

// The Target combo box's actions, numbered as its items.
enum class TargetAction : int { None = 0, Save = 1, CreateNew = 2, Reload = 3 };

// The size selector's positions: the core's cut sizes.
using TileSizeMode = CutSizeMode;

// The transparency tab's radio group.
enum class TransparencyMode { Opaque, Magenta, Picker };

// The transform tab's radio group.
enum class TransformTool { None, Rotate, HFlip, VFlip, Swap, Move };

// The tabs of the two page controls, by index.
enum class SourceTab : int { Grid = 0, Transparency = 1, Animation = 2 };
enum class TargetTab : int { Transform = 0, Animation = 1 };

namespace colours {
// Colours as the window shows them (0xFFRRGGBB).
inline constexpr QRgb Transparent = kOpaqueMagentaKey;
inline constexpr QRgb Empty = kNewSetBlack;
inline constexpr QRgb DefaultFiller = 0xFF800000u;  // maroon
inline constexpr QRgb SampleStart = 0xFFFFFFFFu;    // the picker pot before any picking
inline constexpr QRgb InfoNormal = 0xFFA6CAF0u;     // sky blue
inline constexpr QRgb InfoTooMany = 0xFFFF0000u;    // red: more than 256 tiles
}  // namespace colours

// The work: the files it came from and goes to, the Target's page counters, the colours and the
// current tile. The captions the boxes show are derived from the files.
struct Document {
  // The files opened or saved by each kind of action; nothing until one has succeeded.
  std::optional<QString> ImageFile;
  std::optional<QString> LevelFile;
  std::optional<QString> TextureSetFile;
  std::optional<QString> SaveFile;
  // What the Source shows, and the file the Target was last read from or saved to.
  std::optional<QString> SourceFile;
  std::optional<QString> TargetFile;
  bool TargetCreatedNew = false;  // Create New ran since the Target had a file
  SourceAction LastSourceAction = SourceAction::None;
  // Where the tiles lie when the Source shows a level's textures as tiles; empty otherwise.
  std::vector<SheetTile> SourceTiles;
  // The size and pixel format of the picture the Source shows, for its info line; nothing before
  // the first load.
  struct SourceInfo {
    QSize size;
    PixelFormatCode format;
  };
  std::optional<SourceInfo> SourceShown;
  // The folder of the last file opened or saved: where a file dialog without a file of its own opens.
  QString LastFolder;

  QRgb ClipTileColour = colours::Empty;
  int FillerHistorySlot = 0;
  QRgb TransparentColour = colours::Transparent;
  QRgb EmptyColour = colours::Empty;
  QRgb FillerColour = colours::DefaultFiller;
  QRgb SampleColour = colours::SampleStart;  // SourceColourSample
  // The filler dialog's sixteen custom colours, "ColorA=BBGGRR" .. "ColorP=BBGGRR".
  QStringList CustomColours;
  // The current tile: any size; the viewer shows its top-left 64 x 64 and Export copies it. It is
  // no copy of either clip layer: a transform leaves its tile on the Target's, Copy All the whole
  // picture on the Source's, and a press on the Source shows its cut before the Target has it.
  QImage ClipTile;

  QString SourceCaption() const { return SourceFile.value_or(texts::NoSourceLoaded()); }
  QString TargetCaption() const;
  // What a file dialog's name box starts with: the remembered file, or, without one, an empty
  // name in LastFolder (the folder with a trailing "/"; empty before any file was opened or saved).
  QString DialogPreset(const std::optional<QString>& file) const;
  // Records a file opened or saved: its folder becomes LastFolder.
  void Remember(const QString& fileName);
  // The remembered files by the names a recovery file keeps them under, and LastFolder's name there.
  inline static const QString LastFolderName = QStringLiteral("LastFolder");
  std::vector<std::pair<QString, std::optional<QString>*>> NamedFiles();
  std::vector<std::pair<QString, const std::optional<QString>*>> NamedFiles() const;
};

// What the controls show that the document and the canvases do not hold.
struct ViewState {
  // Item 0 of the Target box shows "Create New" after Copy All instead of the caption.
  bool TargetShowsCopy = false;
  TileSizeMode TileSize = TileSizeMode::MultiTile;
  TransparencyMode Transparency = TransparencyMode::Opaque;
  bool Picking = false;  // the Source shows the picker cursor
  bool GridLines = false;    // SpeedButtonStyle down: lines instead of dots
  int GridSizePosition = 3;  // 8 << position pixels
  SourceTab SourcePage = SourceTab::Grid;
  TargetTab TargetPage = TargetTab::Transform;
  bool AutoImportChecked = false;
  // A double click on the Source makes the next mouse-up only end the grab.
  bool SourceDoubleClicked = false;
  // TRANSPARENCY: a loaded picture with transparency (or drawn onto the magenta key) may be keyed to
  // magenta (off at start).
  bool SourceHasTransparency = false;
  bool AlphaToMagenta = false;
  int AlphaThreshold = kDefaultAlphaThreshold;
  bool CleanFringe = false;
};

// "ColorA=000000" ... "ColorP=88BC68": the filler dialog's custom colours at start.
QStringList StartCustomColours();
// A colour as the six upper-case hexadecimal digits of its 0xBBGGRR value.
QString BgrHex(QRgb colour);
QRgb FromBgrHex(const QString& digits);

}  // namespace mosaicor
