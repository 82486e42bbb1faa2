#pragma once
// The program's user-interface texts, in one table: window title, combo-box items, tab captions,
// the size selector's labels, the placeholders of the remembered paths, and every control's hint
// (the hints are shown in the status line only). Written in English; each text is read through
// the installed translation when it is used, so the window speaks the language chosen at start.
// Their translation context is "Languages", the name the translations in translations/ know them by.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace mosaicor::texts {

// The program's name and the version CMake's project() gives; the same in every language.
inline QString WindowTitle() { return QStringLiteral("Mosaicor " MOSAICOR_VERSION); }

// Source combo box: item 0 shows the current source; the others are its actions.
inline QString NoSourceLoaded() { return QCoreApplication::translate("Languages", "   --- no SOURCE file loaded ---"); }
inline QString LoadImageFileItem() { return QCoreApplication::translate("Languages", "   --- Load Image File"); }
inline QString ExtractTexturesItem() {
  return QCoreApplication::translate("Languages", "   --- Extract Textures from Tomb Raider Levels");
}
inline QString ExtractAnimatedItem() {
  return QCoreApplication::translate("Languages", "   --- Extract Animated Textures from TR Levels");
}

inline QString ExtractTilesItem() {
  return QCoreApplication::translate("Languages", "   --- Extract Level Textures as Tiles");
}
// Where a tile of a level's textures comes from, in the status line.
inline QString TilePlaceFormat() { return QCoreApplication::translate("Languages", "page %1 · %2 × %3 at %4, %5"); }
inline QString ObjectTextureCount(int count) {
  return count == 1 ? QCoreApplication::translate("Languages", "1 object texture")
                    : QCoreApplication::translate("Languages", "%1 object textures").arg(count);
}
inline QString AnimatedMark() { return QCoreApplication::translate("Languages", "animated"); }

// Target combo box.
inline QString NoTargetSaved() { return QCoreApplication::translate("Languages", "   --- no TARGET file saved ---"); }
inline QString SaveAsItem() {
  return QCoreApplication::translate("Languages", "   --- Save as Image File ( TGA, BMP, JPG )");
}
inline QString CreateNewItem() { return QCoreApplication::translate("Languages", "   --- Create New"); }
inline QString ReloadItem() {
  return QCoreApplication::translate("Languages", "   --- Reload a Texture Set File ( TGA, BMP, JPG )");
}

// Placeholders of the remembered paths until an action of that kind has succeeded.
inline QString NoTexturesExtracted() {
  return QCoreApplication::translate("Languages", "   --- no TEXTURES extracted ---");
}

inline QString TabGrid() { return QCoreApplication::translate("Languages", "GRID"); }
inline QString TabTransparency() { return QCoreApplication::translate("Languages", "TRANSPARENCY"); }
inline QString TabAnimation() { return QCoreApplication::translate("Languages", "ANIMATION"); }
inline QString TabTransform() { return QCoreApplication::translate("Languages", "TRANSFORMATIONS"); }
inline QString CopyButton() { return QCoreApplication::translate("Languages", "Copy All --->"); }
inline QString ClipTileLabel() { return QCoreApplication::translate("Languages", "  Current Tile  "); }
inline const int ClipTileLabelLeft = 28;
inline QString ClipLabel() { return QCoreApplication::translate("Languages", "  Clipboard  "); }
inline const int ClipLabelLeft = 35;

// The size selector's labels, by position 1..6.
inline QStringList TileSizeLabels() {
  return {QCoreApplication::translate("Languages", "      Multi Tile"),
          QCoreApplication::translate("Languages", "      64 x 64"),
          QCoreApplication::translate("Languages", "      128 x 128"),
          QCoreApplication::translate("Languages", "      256 x 256"),
          QCoreApplication::translate("Languages", "      Auto Size"),
          QCoreApplication::translate("Languages", "      Scroll Tile")};
}

inline QString SourceInfoFormat() { return QCoreApplication::translate("Languages", "%1 x %2 pixels x %3"); }
inline QString TargetInfoFormat() {
  return QCoreApplication::translate("Languages", "%1 x %2 pixels (%3 x %4 = %5 txtrs)");
}
inline QString CropMessageFormat() {
  return QCoreApplication::translate(
      "Languages",
      "This image was too big! It was cropped to %1 pixels.\nThe right canvas must be used with standard "
      "Texture Sets, only.");
}

// Hints, by control name, in English: Translated() reads one through the translation. Each begins with five spaces.
struct Hint {
  const char* control;
  const char* text;
};
inline constexpr Hint Hints[] = {
    {"Source", QT_TRANSLATE_NOOP(
                   "Languages", "     SOURCE CANVAS. Left-click and drag to select, right-click and drag to animate.")},
    {"SourceCombo", QT_TRANSLATE_NOOP("Languages", "     File options.")},
    {"TargetCombo", QT_TRANSLATE_NOOP("Languages", "     File options.")},
    {"SourceAreaInfo", QT_TRANSLATE_NOOP("Languages", "     Source area info.")},
    {"SpeedButtonReset", QT_TRANSLATE_NOOP("Languages", "     Reset: the grid goes back to the origin's position.")},
    {"SpeedButtonView", QT_TRANSLATE_NOOP("Languages", "     View: toggles the grid's visibility.")},
    {"SpeedButtonStyle", QT_TRANSLATE_NOOP("Languages", "     Style: selects the design of the grid.")},
    {"ImageGridSize",
     QT_TRANSLATE_NOOP("Languages",
                       "     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 ).")},
    {"StaticTextGrid",
     QT_TRANSLATE_NOOP("Languages",
                       "     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 ).")},
    {"ScrollBarGrid",
     QT_TRANSLATE_NOOP("Languages",
                       "     Size: selects the resolution of the grid, in pixels ( 8x8, 16x16, 32x32, 64x64 ).")},
    {"SpeedButtonOpaque", QT_TRANSLATE_NOOP("Languages", "     None: textures are extracted as they are in-file.")},
    {"SpeedButtonMagenta",
     QT_TRANSLATE_NOOP("Languages", "     Convert: textures are rendered using magenta as transparent colour.")},
    {"SpeedButtonPicker",
     QT_TRANSLATE_NOOP("Languages", "     Colour Picker: selects the colour to be replaced with magenta.")},
    {"SourceColourSample",
     QT_TRANSLATE_NOOP("Languages", "     Colour Picker: selects the colour to be replaced with magenta.")},
    {"SpeedButtonAlpha",
     QT_TRANSLATE_NOOP("Languages", "     Alpha: extracts the alpha channel from the Source Canvas.")},
    {"ButtonStopSource", QT_TRANSLATE_NOOP("Languages", "     Stop: stops the texture animation.")},
    {"ButtonStopTarget", QT_TRANSLATE_NOOP("Languages", "     Stop: stops the texture animation.")},
    {"TrackBarSource", QT_TRANSLATE_NOOP("Languages", "     Speed: slows down the speed of the texture animation.")},
    {"TrackBarTarget", QT_TRANSLATE_NOOP("Languages", "     Speed: slows down the speed of the texture animation.")},
    {"PanelRightSide",
     QT_TRANSLATE_NOOP(
         "Languages",
         "     CENTRAL PANEL. Left-click on empty space to cancel animations, transformations or pasting.")},
    {"CopyButton",
     QT_TRANSLATE_NOOP("Languages", "     Replaces the Target Canvas with the Source Canvas, using the Grid.")},
    {"ClipTileSize", QT_TRANSLATE_NOOP("Languages", "     Resizes the selected tiles to standard sizes.")},
    {"ClipTileSizeScroll", QT_TRANSLATE_NOOP("Languages", "     Resizes the selected tiles to standard sizes.")},
    {"PanelMagenta",
     QT_TRANSLATE_NOOP("Languages", "     Colour pot: default transparent colour ( magenta = 255,0,255 )")},
    {"PanelBlack", QT_TRANSLATE_NOOP("Languages", "     Colour pot: default empty colour ( black = 0,0,0 )")},
    {"PanelFiller",
     QT_TRANSLATE_NOOP(
         "Languages",
         "     Colour pot: suggested filler colour ( maroon = 128,0,0 ). Double-click to change the colour")},
    {"ClipTileImage", QT_TRANSLATE_NOOP("Languages", "     Tile viewer.")},
    {"ClipExportButton", QT_TRANSLATE_NOOP("Languages", "     Export tiles to the Clipboard")},
    {"ClipImportButton", QT_TRANSLATE_NOOP("Languages", "     Import tiles from the Clipboard")},
    {"CheckBoxExport", QT_TRANSLATE_NOOP("Languages", "     Export tiles to the Clipboard automatically")},
    {"CheckBoxImport", QT_TRANSLATE_NOOP("Languages", "     Import tiles from the Clipboard automatically")},
    {"HelpSpeedButton", QT_TRANSLATE_NOOP("Languages", "     Help & Credits")},
    {"Target",
     QT_TRANSLATE_NOOP(
         "Languages",
         "     TARGET CANVAS. Press [CTRL] to repeat pasting. Right-click to cancel animations, transformations or "
         "pasting.")},
    {"TargetWidthScrollBar",
     QT_TRANSLATE_NOOP(
         "Languages",
         "     Target Canvas width in pages ( 1 or 2 ), being 1 = 256 pixels for the Level Editors, 2 = 512 pixels for "
         "Libraries.")},
    {"TargetWidth",
     QT_TRANSLATE_NOOP(
         "Languages",
         "     Target Canvas width in pages ( 1 or 2 ), being 1 = 256 pixels for the Level Editors, 2 = 512 pixels for "
         "Libraries.")},
    // The counter goes to 64 pages; the hint says so.
    {"TargetHeightScrollBar", QT_TRANSLATE_NOOP("Languages", "     Target Canvas height in pages, 1 to 64.")},
    {"TargetHeight", QT_TRANSLATE_NOOP("Languages", "     Target Canvas height in pages, 1 to 64.")},
    {"TargetAreaInfo",
     QT_TRANSLATE_NOOP("Languages", "     Target area info. Goes red if the number of tiles exceeds 256.")},
    {"SpeedButtonNone", QT_TRANSLATE_NOOP("Languages", "     Stop: cancels the Transformations Mode.")},
    {"SpeedButtonRotate", QT_TRANSLATE_NOOP("Languages", "     Rotation: rotates a tile 90 degrees.")},
    {"SpeedButtonHFlip", QT_TRANSLATE_NOOP("Languages", "     HFlip: mirrors a tile.")},
    {"SpeedButtonVFlip", QT_TRANSLATE_NOOP("Languages", "     VFlip: inverts a tile.")},
    {"SpeedButtonSwap",
     QT_TRANSLATE_NOOP("Languages", "     Swap: click-and-drag to exchange the position of two tiles.")},
    {"SpeedButtonMove",
     QT_TRANSLATE_NOOP("Languages", "     Move: click-and-drag to move one tile to another position.")},
};

inline QString Translated(const Hint& hint) { return QCoreApplication::translate("Languages", hint.text); }

}  // namespace mosaicor::texts
