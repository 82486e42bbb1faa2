// The window's actions, one per user intent, with their menus: every menu entry, button, combo
// item and shortcut of an intent triggers its action, and each action runs its handler.

#include "app/mainwindow/Actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>

#include "app/mainwindow/MainWindow.h"
#include "app/workbench/ClipboardExchange.h"
#include "app/workbench/ColourPots.h"
#include "app/workbench/CompactWorkflow.h"
#include "app/workbench/LibraryWorkflow.h"
#include "app/workbench/PackWorkflow.h"
#include "app/workbench/SourceWorkflow.h"
#include "app/workbench/TargetCensus.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/TargetWorkflow.h"
#include "app/workbench/TileWorkflow.h"
#include "app/workbench/Workbench.h"

namespace mosaicor {

namespace {

QAction* MakeAction(QObject* owner, const QString& text, const QString& hint, const QList<QKeySequence>& keys) {
  auto* action = new QAction(text, owner);
  action->setShortcuts(keys);
  action->setStatusTip(hint);
  return action;
}

template <typename Run>
void OnTrigger(QAction* action, QObject* context, Run run) {
  QObject::connect(action, &QAction::triggered, context, run);
}

}  // namespace

void MainWindow::BuildActions() {
  WindowActions& a = actions_;
  Workbench& b = *bench_;
  const QString fileHint = tr("     File options.");
  a.LoadImageFile = MakeAction(this, tr("Load Image File..."), fileHint, {QKeySequence::Open});
  a.ExtractTextures = MakeAction(this, tr("Extract Textures..."), fileHint, {QKeySequence(QStringLiteral("Ctrl+L"))});
  a.ExtractAnimated =
      MakeAction(this, tr("Extract Animated Textures..."), fileHint, {QKeySequence(QStringLiteral("Ctrl+Shift+L"))});
  a.ExtractTiles = MakeAction(this, tr("Extract Level Textures as Tiles..."), fileHint, {});
  a.Save = MakeAction(this, tr("Save"), fileHint, {QKeySequence::Save});
  a.SaveAs = MakeAction(this, tr("Save As..."), fileHint, {QKeySequence(QStringLiteral("Ctrl+Shift+S"))});
  a.Reload = MakeAction(this, tr("Reload a Texture Set File..."), fileHint, {});
  a.CreateNew = MakeAction(this, tr("Create New"), fileHint, {QKeySequence::New});
  a.AddPicturesAsTiles =
      MakeAction(this, tr("Add Pictures as Tiles…"),
                 tr("     Add Pictures as Tiles: each picture goes into the next free cells of the Target."), {});
  a.SaveIntoLibrary = MakeAction(
      this, tr("Save into Object Library…"),
      tr("     Save into Object Library: the Target's pages become the texture pages of a .wad, the old file kept "
         "as .bak.wad."),
      {});
  a.SaveIntoLibrary->setObjectName(QStringLiteral("SaveIntoLibraryAction"));
  a.Quit = MakeAction(this, tr("Quit"), QString(), {QKeySequence(QStringLiteral("Ctrl+Q"))});
  a.Undo = MakeAction(this, tr("Undo"), tr("     Undoes the last change to the Target."), {QKeySequence::Undo});
  a.Redo = MakeAction(this, tr("Redo"), tr("     Redoes the last change undone on the Target."),
                      {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
  a.CopyAll = MakeAction(this, tr("Copy All"), c_.CopyButton->statusTip(), {});
  a.ExportTile = MakeAction(this, tr("Export tile"), c_.ClipExportButton->statusTip(), {QKeySequence::Copy});
  a.ImportTile = MakeAction(this, tr("Import tile"), c_.ClipImportButton->statusTip(), {QKeySequence::Paste});
  a.GridShown = MakeAction(this, tr("Grid shown"), c_.SpeedButtonView->statusTip(), {QKeySequence(Qt::Key_G)});
  const QString zoomHint = tr("     Zoom of the canvas under the pointer.");
  a.ZoomIn = MakeAction(this, tr("Zoom In"), zoomHint, {QKeySequence::ZoomIn, QKeySequence(QStringLiteral("Ctrl+="))});
  a.ZoomOut = MakeAction(this, tr("Zoom Out"), zoomHint, {QKeySequence::ZoomOut});
  a.ActualSize = MakeAction(this, tr("Actual Size"), zoomHint, {QKeySequence(QStringLiteral("Ctrl+0"))});
  a.TileCensus = MakeAction(this, tr("Tile Census"),
                            tr("     Tile Census: numbers the Target's twin cells and shades its empty ones."), {});
  a.TileCensus->setObjectName(QStringLiteral("TileCensusAction"));
  a.CensusSymmetric =
      MakeAction(this, tr("Duplicates Up to Rotation and Mirror"),
                 tr("     Census: cells that are the same when turned or mirrored count as duplicates."), {});
  a.CensusNear =
      MakeAction(this, tr("Near Duplicates"),
                 tr("     Census: cells within the tolerance of a group's first cell count as duplicates."), {});
  a.CensusTolerance = MakeAction(this, tr("Near Duplicates Tolerance…"), a.CensusNear->statusTip(), {});
  a.CompactSet = MakeAction(
      this, tr("Compact Set…"),
      tr("     Compact Set: drops the Target's empty and duplicate cells and moves the others to the front."), {});
  a.CompactSet->setObjectName(QStringLiteral("CompactSetAction"));
  a.CensusSymmetric->setObjectName(QStringLiteral("CensusSymmetricAction"));
  a.AlphaShown =
      MakeAction(this, tr("Alpha layer"), tr("     Alpha: shows the alpha channel of the Source Canvas."), {});
  a.Manual = MakeAction(this, tr("Manual"), tr("     Help & Credits"), {QKeySequence::HelpContents});
  a.About = MakeAction(this, tr("About"), tr("     Help & Credits"), {});
  for (QAction* checkable : {a.GridShown, a.TileCensus, a.CensusSymmetric, a.CensusNear, a.AlphaShown})
    checkable->setCheckable(true);

  // What opens a dialog gives the keyboard focus back to the central panel once it is done.
  const auto parked = [this](auto run) {
    return [this, run] {
      run();
      NoActiveControls();
    };
  };

  OnTrigger(a.LoadImageFile, this, parked([&b] { b.Sources().OpenSource(SourceAction::ImageFile); }));
  OnTrigger(a.ExtractTextures, this, parked([&b] { b.Sources().OpenSource(SourceAction::LevelTextures); }));
  OnTrigger(a.ExtractAnimated, this, parked([&b] { b.Sources().OpenSource(SourceAction::LevelAnimated); }));
  OnTrigger(a.ExtractTiles, this, parked([&b] { b.Sources().OpenSource(SourceAction::LevelTiles); }));
  OnTrigger(a.Save, this, [&b] { b.Targets().Save(); });
  OnTrigger(a.SaveAs, this, parked([&b] { b.Targets().SaveTargetAs(); }));
  OnTrigger(a.Reload, this, parked([&b] { b.Targets().ReloadTarget(); }));
  OnTrigger(a.CreateNew, this, parked([&b] { b.Targets().CreateNewTarget(); }));
  OnTrigger(a.AddPicturesAsTiles, this, parked([&b] { b.Packs().AddPicturesAsTilesDialog(); }));
  OnTrigger(a.SaveIntoLibrary, this, parked([&b] { b.Libraries().SaveIntoObjectLibraryDialog(); }));
  OnTrigger(a.Quit, this, [this] { close(); });
  OnTrigger(a.Undo, this, [&b] { b.Undo(); });
  OnTrigger(a.Redo, this, [&b] { b.Redo(); });
  OnTrigger(a.CopyAll, this, [this] { CopyAllOnClick(); });
  OnTrigger(a.ExportTile, this, [&b] { b.Clipboard().ExportToClipboard(); });
  OnTrigger(a.ImportTile, this, [&b] { b.Clipboard().ImportFromClipboard(); });
  OnTrigger(a.GridShown, this, [&b](bool shown) { b.Tiles().ShowGrid(shown); });
  OnTrigger(a.AlphaShown, this, [&b](bool shown) { b.Pots().ShowAlpha(shown); });
  OnTrigger(a.TileCensus, this, [&b](bool on) { b.Census().SetOn(on); });
  OnTrigger(a.CensusSymmetric, this, [&b](bool on) { b.Census().SetSymmetric(on); });
  OnTrigger(a.CensusNear, this, [&b](bool on) { b.Census().SetNear(on); });
  OnTrigger(a.CensusTolerance, this, parked([&b] { b.Census().NearToleranceDialog(); }));
  OnTrigger(a.CompactSet, this, parked([&b] { b.Compacts().CompactSetDialog(); }));
  OnTrigger(a.ZoomIn, this, [this] { CanvasUnderPointer()->ZoomIn(); });
  OnTrigger(a.ZoomOut, this, [this] { CanvasUnderPointer()->ZoomOut(); });
  OnTrigger(a.ActualSize, this, [this] { CanvasUnderPointer()->ZoomReset(); });
  OnTrigger(a.Manual, this, [this] {
    if (help_) {
      help_->show();
      help_->raise();
    }
  });
  OnTrigger(a.About, this, [this] { HelpSpeedButtonOnClick(); });

  // The controls of the same intents trigger the actions.
  connect(c_.CopyButton, &QPushButton::clicked, a.CopyAll, &QAction::trigger);
  connect(c_.ClipExportButton, &QPushButton::clicked, a.ExportTile, &QAction::trigger);
  connect(c_.ClipImportButton, &QPushButton::clicked, a.ImportTile, &QAction::trigger);
  connect(c_.SourceCombo, qOverload<int>(&QComboBox::activated), this, &MainWindow::SourceComboOnSelect);
  connect(c_.TargetCombo, qOverload<int>(&QComboBox::activated), this, &MainWindow::TargetComboOnSelect);
  for (auto [button, action] :
       {std::pair{c_.SpeedButtonView, a.GridShown}, std::pair{c_.SpeedButtonAlpha, a.AlphaShown}})
    connect(button, &QToolButton::toggled, action, [action](bool down) {
      if (action->isChecked() != down) action->trigger();
    });

  // Undo and Redo follow the history's signals rather than each reflect.
  const TargetHistory& history = b.History();
  a.Undo->setEnabled(history.CanUndo());
  a.Redo->setEnabled(history.CanRedo());
  connect(&history, &TargetHistory::canUndoChanged, a.Undo, &QAction::setEnabled);
  connect(&history, &TargetHistory::canRedoChanged, a.Redo, &QAction::setEnabled);
  connect(&history, &TargetHistory::undoTextChanged, a.Undo, [undo = a.Undo](const QString& name) {
    undo->setText(name.isEmpty() ? tr("Undo") : tr("Undo %1").arg(name));
  });
  connect(&history, &TargetHistory::redoTextChanged, a.Redo, [redo = a.Redo](const QString& name) {
    redo->setText(name.isEmpty() ? tr("Redo") : tr("Redo %1").arg(name));
  });
  BuildMenus();
}

QAction* MainWindow::SourceItemAction(SourceAction action) const {
  switch (action) {
    case SourceAction::ImageFile:
      return actions_.LoadImageFile;
    case SourceAction::LevelTextures:
      return actions_.ExtractTextures;
    case SourceAction::LevelAnimated:
      return actions_.ExtractAnimated;
    case SourceAction::LevelTiles:
      return actions_.ExtractTiles;
    case SourceAction::None:
      break;
  }
  return nullptr;
}

QAction* MainWindow::TargetItemAction(TargetAction action) const {
  switch (action) {
    case TargetAction::Save:
      return actions_.SaveAs;
    case TargetAction::CreateNew:
      return actions_.CreateNew;
    case TargetAction::Reload:
      return actions_.Reload;
    case TargetAction::None:
      break;
  }
  return nullptr;
}

void MainWindow::BuildMenus() {
  const WindowActions& a = actions_;
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addActions({a.LoadImageFile, a.ExtractTextures, a.ExtractAnimated, a.ExtractTiles});
  file->addSeparator();
  file->addActions({a.Save, a.SaveAs, a.Reload, a.CreateNew, a.AddPicturesAsTiles});
  file->addSeparator();
  file->addAction(a.SaveIntoLibrary);
  file->addSeparator();
  file->addAction(a.Quit);
  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  edit->addActions({a.Undo, a.Redo});
  edit->addSeparator();
  edit->addActions({a.CopyAll, a.ExportTile, a.ImportTile});
  edit->addSeparator();
  edit->addAction(a.CompactSet);
  QMenu* view = menuBar()->addMenu(tr("&View"));
  view->addActions({a.GridShown, a.ZoomIn, a.ZoomOut, a.ActualSize});
  view->addSeparator();
  view->addActions({a.TileCensus, a.CensusSymmetric, a.CensusNear, a.CensusTolerance});
  view->addSeparator();
  view->addAction(a.AlphaShown);
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addActions({a.Manual, a.About});
}

void MainWindow::ReflectActions() {
  const Workbench& b = *bench_;
  actions_.GridShown->setChecked(b.GridShown());
  actions_.AlphaShown->setChecked(b.AlphaShown());
  const TargetCensus& census = b.Census();
  actions_.TileCensus->setChecked(census.On());
  actions_.CensusSymmetric->setChecked(census.Mode().symmetric);
  actions_.CensusNear->setChecked(census.Near());
  actions_.CensusNear->setText(tr("Near Duplicates (Tolerance %1)").arg(census.NearTolerance()));
}

}  // namespace mosaicor
