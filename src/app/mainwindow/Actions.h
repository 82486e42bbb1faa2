#pragma once
// One QAction per user intent, made in one place (MainWindow::BuildActions): its menu entry, its
// button or combo item and its shortcut all trigger the same action, and the action alone runs
// the workbench's handler. Enabled and checked states follow the workbench in one place too
// (MainWindow::ReflectActions, and the history's signals for Undo and Redo).

class QAction;

namespace mosaicor {

struct WindowActions {
  // File.
  QAction* LoadImageFile = nullptr;
  QAction* ExtractTextures = nullptr;
  QAction* ExtractAnimated = nullptr;
  QAction* ExtractTiles = nullptr;
  QAction* Save = nullptr;
  QAction* SaveAs = nullptr;
  QAction* Reload = nullptr;
  QAction* CreateNew = nullptr;
  QAction* AddPicturesAsTiles = nullptr;
  QAction* SaveIntoLibrary = nullptr;
  QAction* Quit = nullptr;
  // Edit.
  QAction* Undo = nullptr;
  QAction* Redo = nullptr;
  QAction* CopyAll = nullptr;
  QAction* ExportTile = nullptr;
  QAction* ImportTile = nullptr;
  QAction* CompactSet = nullptr;
  // View: GridShown, TileCensus, CensusSymmetric, CensusNear and AlphaShown are checkable.
  QAction* GridShown = nullptr;
  QAction* ZoomIn = nullptr;
  QAction* ZoomOut = nullptr;
  QAction* ActualSize = nullptr;
  QAction* TileCensus = nullptr;
  QAction* CensusSymmetric = nullptr;
  QAction* CensusNear = nullptr;
  QAction* CensusTolerance = nullptr;
  QAction* AlphaShown = nullptr;
  // Help.
  QAction* Manual = nullptr;
  QAction* About = nullptr;
};

}  // namespace mosaicor
