#pragma once
// The main window's controls, named as the window's design names them (each one's objectName is
// that name, so tests and accessibility tools find them), and the function that builds and lays
// them out.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include "app/canvas/CanvasWidget.h"
#include "app/mainwindow/PanelWidgets.h"

namespace mosaicor {

struct MainWindowControls {
  QWidget* PanelLeftSide = nullptr;
  QComboBox* SourceCombo = nullptr;
  CanvasWidget* Source = nullptr;
  QLabel* SourceAreaInfo = nullptr;
  QTabWidget* SourcePageControl = nullptr;
  QToolButton* SpeedButtonReset = nullptr;
  QToolButton* SpeedButtonView = nullptr;
  QToolButton* SpeedButtonStyle = nullptr;
  QLabel* ImageGridSize = nullptr;
  QLabel* StaticTextGrid = nullptr;
  QScrollBar* ScrollBarGrid = nullptr;
  QToolButton* SpeedButtonOpaque = nullptr;
  QToolButton* SpeedButtonMagenta = nullptr;
  QToolButton* SpeedButtonPicker = nullptr;
  QButtonGroup* TransparencyGroup = nullptr;
  ColourPot* SourceColourSample = nullptr;
  QToolButton* SpeedButtonAlpha = nullptr;
  QCheckBox* CheckBoxAlphaToMagenta = nullptr;
  QSlider* SliderAlphaThreshold = nullptr;
  QCheckBox* CheckBoxCleanFringe = nullptr;
  QPushButton* ButtonStopSource = nullptr;
  QSlider* TrackBarSource = nullptr;

  ClickPanel* PanelRightSide = nullptr;
  QPushButton* CopyButton = nullptr;
  QScrollBar* ClipTileSizeScroll = nullptr;
  QLabel* ClipTileSize = nullptr;
  QFrame* ClipTileAreaBevel = nullptr;
  QLabel* ClipTileLabel = nullptr;
  QLabel* ClipLabel = nullptr;
  ColourPot* PanelMagenta = nullptr;
  ColourPot* PanelBlack = nullptr;
  ColourPot* PanelFiller = nullptr;
  QFrame* ClipTilePanel = nullptr;
  QLabel* ClipTileImage = nullptr;
  QCheckBox* CheckBoxExport = nullptr;
  QPushButton* ClipExportButton = nullptr;
  QPushButton* ClipImportButton = nullptr;
  QCheckBox* CheckBoxImport = nullptr;
  QToolButton* HelpSpeedButton = nullptr;

  QWidget* TargetSide = nullptr;
  QComboBox* TargetCombo = nullptr;
  CanvasWidget* Target = nullptr;
  QLabel* TargetWidth = nullptr;
  QScrollBar* TargetWidthScrollBar = nullptr;
  QLabel* TargetAreaInfo = nullptr;
  QScrollBar* TargetHeightScrollBar = nullptr;
  QLabel* TargetHeight = nullptr;
  QTabWidget* TargetPageControl = nullptr;
  QToolButton* SpeedButtonNone = nullptr;
  QToolButton* SpeedButtonRotate = nullptr;
  QToolButton* SpeedButtonHFlip = nullptr;
  QToolButton* SpeedButtonVFlip = nullptr;
  QToolButton* SpeedButtonSwap = nullptr;
  QToolButton* SpeedButtonMove = nullptr;
  QButtonGroup* TransformGroup = nullptr;
  QPushButton* ButtonStopTarget = nullptr;
  QSlider* TrackBarTarget = nullptr;

  // Zoom of each canvas, under it (beside its tabs).
  QComboBox* SourceZoom = nullptr;
  QComboBox* TargetZoom = nullptr;

  QStatusBar* StatusBar = nullptr;
  ElidedLabel* StatusHint = nullptr;  // the hint of the control under the mouse, or a note
  QLabel* PointerInfo = nullptr;      // permanent field of fixed width at the right of the status line
};

// Widths that tie the right panel to the Target's port.
inline constexpr int CentralColumnWidth = 126;
inline constexpr int CanvasFrameMargin = 20;
inline constexpr int RightMargin = 15;
inline constexpr int RightPanelExtra = CentralColumnWidth + CanvasFrameMargin + RightMargin;  // 161
inline constexpr int LeftSideMinimumWidth = 300;

// Builds every control into `central` (the main window's central widget) and `statusBar`.
MainWindowControls BuildMainWindowControls(QWidget* central, QStatusBar* statusBar);

// Writes the text table onto the controls: captions, combo items, tab captions, hints.
void ApplyLanguageTexts(MainWindowControls& c);

}  // namespace mosaicor
