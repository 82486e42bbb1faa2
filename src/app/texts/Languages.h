#pragma once
// The program's user-interface texts, in one table: window title, combo-box items, tab captions,
// the size selector's labels, the placeholders of the remembered paths, and every control's hint
// (the hints are shown in the status line only). English only.

#include <QString>
#include <QStringList>

namespace mosaicor::texts {

// The version is the one CMake's project() gives.
inline const QString WindowTitle = QStringLiteral("Mosaicor " MOSAICOR_VERSION);

// Source combo box: item 0 shows the current source; the others are its actions.
inline const QString NoSourceLoaded = QStringLiteral("   --- no SOURCE file loaded ---");
inline const QString LoadImageFileItem = QStringLiteral("   --- Load Image File");
inline const QString ExtractTexturesItem = QStringLiteral("   --- Extract Textures from Tomb Raider Levels");
inline const QString ExtractAnimatedItem = QStringLiteral("   --- Extract Animated Textures from TR Levels");

// Target combo box.
inline const QString NoTargetSaved = QStringLiteral("   --- no TARGET file saved ---");
inline const QString SaveAsItem = QStringLiteral("   --- Save as Image File ( TGA, BMP, JPG )");
inline const QString CreateNewItem = QStringLiteral("   --- Create New");
inline const QString ReloadItem = QStringLiteral("   --- Reload a Texture Set File ( TGA, BMP, JPG )");

// Placeholders of the remembered paths until an action of that kind has succeeded.
inline const QString NoTexturesExtracted = QStringLiteral("   --- no TEXTURES extracted ---");

inline const QString TabGrid = QStringLiteral("GRID");
inline const QString TabTransparency = QStringLiteral("TRANSPARENCY");
inline const QString TabAnimation = QStringLiteral("ANIMATION");
inline const QString TabTransform = QStringLiteral("TRANSFORMATIONS");
inline const QString CopyButton = QStringLiteral("Copy All --->");
inline const QString ClipTileLabel = QStringLiteral("  Current Tile  ");
inline const int ClipTileLabelLeft = 28;
inline const QString ClipLabel = QStringLiteral("  Clipboard  ");
inline const int ClipLabelLeft = 35;

// The size selector's labels, by position 1..6.
inline const QStringList TileSizeLabels = {
    QStringLiteral("      Multi Tile"), QStringLiteral("      64 x 64"),   QStringLiteral("      128 x 128"),
    QStringLiteral("      256 x 256"),  QStringLiteral("      Auto Size"), QStringLiteral("      Scroll Tile")};

inline const QString SourceInfoFormat = QStringLiteral("%1 x %2 pixels x %3");
inline const QString TargetInfoFormat = QStringLiteral("%1 x %2 pixels (%3 x %4 = %5 txtrs)");
inline const QString CropMessageFormat =
    QStringLiteral("This image was too big! It was cropped to %1 pixels.\nThe right canvas must be used with standard "
                   "Texture Sets, only.");

// Hints, by control name. Each begins with five spaces.
struct Hint {
  const char* control;
  const char* text;
};
inline constexpr Hint Hints[] = {
    {"Source", "     SOURCE CANVAS. Left-click and drag to select, right-click and drag to animate."},
    {"SourceCombo", "     File options."},
    {"TargetCombo", "     File options."},
    {"SourceAreaInfo", "     Source area info."},
    {"SpeedButtonReset", "     Reset: the grid goes back to the origin's position."},
    {"SpeedButtonView", "     View: toggles the grid's visibility."},
    {"SpeedButtonStyle", "     Style: selects the design of the grid."},
    {"ImageGridSize", "     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 )."},
    {"StaticTextGrid", "     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 )."},
    {"ScrollBarGrid", "     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 )."},
    {"SpeedButtonOpaque", "     None: textures are extracted as they are in-file."},
    {"SpeedButtonMagenta", "     Convert: textures are rendered using magenta as transparent colour."},
    {"SpeedButtonPicker", "     Colour Picker: selects the colour to be replaced with magenta."},
    {"SourceColourSample", "     Colour Picker: selects the colour to be replaced with magenta."},
    {"SpeedButtonAlpha", "     Alpha: extracts the alpha channel from the Source Canvas."},
    {"ButtonStopSource", "     Stop: stops the texture animation."},
    {"ButtonStopTarget", "     Stop: stops the texture animation."},
    {"TrackBarSource", "     Speed: slows down the speed of the texture animation."},
    {"TrackBarTarget", "     Speed: slows down the speed of the texture animation."},
    {"PanelRightSide",
     "     CENTRAL PANEL. Left-click on empty space to cancel animations, transformations or pasting."},
    {"CopyButton", "     Replaces the Target Canvas with the Source Canvas, using the Grid."},
    {"ClipTileSize", "     Resizes the selected tiles to standard sizes."},
    {"ClipTileSizeScroll", "     Resizes the selected tiles to standard sizes."},
    {"PanelMagenta", "     Colour pot: default transparent colour ( magenta = 255,0,255 )"},
    {"PanelBlack", "     Colour pot: default empty colour ( black = 0,0,0 )"},
    {"PanelFiller",
     "     Colour pot: suggested filler colour ( maroon = 128,0,0 ). Double-click to change the colour"},
    {"ClipTileImage", "     Tile viewer."},
    {"ClipExportButton", "     Export tiles to the Clipboard"},
    {"ClipImportButton", "     Import tiles from the Clipboard"},
    {"CheckBoxExport", "     Export tiles to the Clipboard automatically"},
    {"CheckBoxImport", "     Import tiles from the Clipboard automatically"},
    {"HelpSpeedButton", "     Help & Credits"},
    {"Target",
     "     TARGET CANVAS. Press [CTRL] to repeat pasting. Right-click to cancel animations, transformations or "
     "pasting."},
    {"TargetWidthScrollBar",
     "     Target Canvas width in pages ( 1 or 2 ), being 1 = 256 pixels for the Level Editors, 2 = 512 pixels for "
     "Libraries."},
    {"TargetWidth",
     "     Target Canvas width in pages ( 1 or 2 ), being 1 = 256 pixels for the Level Editors, 2 = 512 pixels for "
     "Libraries."},
    // The counter goes to 64 pages; the hint says so.
    {"TargetHeightScrollBar", "     Target Canvas height in pages, 1 to 64."},
    {"TargetHeight", "     Target Canvas height in pages, 1 to 64."},
    {"TargetAreaInfo", "     Target area info. Goes red if the number of tiles exceeds 256."},
    {"SpeedButtonNone", "     Stop: cancels the Transformations Mode."},
    {"SpeedButtonRotate", "     Rotation: rotates a tile 90 degrees."},
    {"SpeedButtonHFlip", "     HFlip: mirrors a tile."},
    {"SpeedButtonVFlip", "     VFlip: inverts a tile."},
    {"SpeedButtonSwap", "     Swap: click-and-drag to exchange the position of two tiles."},
    {"SpeedButtonMove", "     Move: click-and-drag to move one tile to another position."},
};

}  // namespace mosaicor::texts
