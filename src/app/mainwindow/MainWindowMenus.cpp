// The main window's menus: every entry runs the same handler as its control and carries the
// control's hint as its status tip.

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>

#include "mainwindow/MainWindow.h"
#include "workbench/ClipboardExchange.h"
#include "workbench/PackWorkflow.h"
#include "workbench/SourceWorkflow.h"
#include "workbench/TargetCensus.h"
#include "workbench/TargetHistory.h"
#include "workbench/TargetWorkflow.h"
#include "workbench/Workbench.h"

namespace mosaicor {

namespace {

QAction* Entry(QMenu* menu, const QString& text, const QString& hint, const QList<QKeySequence>& keys,
               const std::function<void()>& run) {
  QAction* action = menu->addAction(text);
  action->setShortcuts(keys);
  action->setStatusTip(hint);
  QObject::connect(action, &QAction::triggered, menu, run);
  return action;
}

}  // namespace

void MainWindow::BuildMenus() {
  const QString fileHint = tr("     File options.");
  QMenu* file = menuBar()->addMenu(tr("&File"));
  Entry(file, tr("Load Image File..."), fileHint, {QKeySequence::Open},
        [this] { bench_->Sources().SourceComboOnSelect(1); });
  Entry(file, tr("Extract Textures..."), fileHint, {QKeySequence(QStringLiteral("Ctrl+L"))},
        [this] { bench_->Sources().SourceComboOnSelect(2); });
  Entry(file, tr("Extract Animated Textures..."), fileHint, {QKeySequence(QStringLiteral("Ctrl+Shift+L"))},
        [this] { bench_->Sources().SourceComboOnSelect(3); });
  file->addSeparator();
  Entry(file, tr("Save"), fileHint, {QKeySequence::Save}, [this] { bench_->Targets().Save(); });
  Entry(file, tr("Save As..."), fileHint, {QKeySequence(QStringLiteral("Ctrl+Shift+S"))},
        [this] { bench_->Targets().TargetComboOnSelect(1); });
  Entry(file, tr("Reload a Texture Set File..."), fileHint, {}, [this] { bench_->Targets().TargetComboOnSelect(3); });
  Entry(file, tr("Create New"), fileHint, {QKeySequence::New}, [this] { bench_->Targets().TargetComboOnSelect(2); });
  Entry(file, tr("Add Pictures as Tiles…"),
        tr("     Add Pictures as Tiles: each picture goes into the next free cells of the Target."), {},
        [this] { bench_->Packs().AddPicturesAsTilesDialog(); });
  file->addSeparator();
  Entry(file, tr("Quit"), QString(), {QKeySequence(QStringLiteral("Ctrl+Q"))}, [this] { close(); });

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  QAction* undo = Entry(edit, tr("Undo"), tr("     Undoes the last change to the Target."), {QKeySequence::Undo},
                        [this] { bench_->History().Undo(); });
  QAction* redo = Entry(edit, tr("Redo"), tr("     Redoes the last change undone on the Target."),
                        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))},
                        [this] { bench_->History().Redo(); });
  edit->addSeparator();
  Entry(edit, tr("Copy All"), c_.CopyButton->statusTip(), {}, [this] { bench_->Targets().CopyAllOnClick(); });
  Entry(edit, tr("Export tile"), c_.ClipExportButton->statusTip(), {QKeySequence::Copy},
        [this] { bench_->Clipboard().ExportToClipboard(); });
  Entry(edit, tr("Import tile"), c_.ClipImportButton->statusTip(), {QKeySequence::Paste},
        [this] { bench_->Clipboard().ImportFromClipboard(); });
  connect(this, &MainWindow::Reflected, undo, [this, undo, redo] {
    const TargetHistory& h = bench_->History();
    undo->setEnabled(h.CanUndo());
    redo->setEnabled(h.CanRedo());
    undo->setText(h.CanUndo() ? tr("Undo %1").arg(h.UndoName()) : tr("Undo"));
    redo->setText(h.CanRedo() ? tr("Redo %1").arg(h.RedoName()) : tr("Redo"));
  });

  QMenu* view = menuBar()->addMenu(tr("&View"));
  Entry(view, tr("Grid shown"), c_.SpeedButtonView->statusTip(), {QKeySequence(Qt::Key_G)},
        [this] { c_.SpeedButtonView->toggle(); });
  const QString zoomHint = tr("     Zoom of the canvas under the pointer.");
  Entry(view, tr("Zoom In"), zoomHint, {QKeySequence::ZoomIn, QKeySequence(QStringLiteral("Ctrl+="))},
        [this] { CanvasUnderPointer()->ZoomIn(); });
  Entry(view, tr("Zoom Out"), zoomHint, {QKeySequence::ZoomOut}, [this] { CanvasUnderPointer()->ZoomOut(); });
  Entry(view, tr("Actual Size"), zoomHint, {QKeySequence(QStringLiteral("Ctrl+0"))},
        [this] { CanvasUnderPointer()->ZoomReset(); });
  view->addSeparator();
  QAction* census =
      Entry(view, tr("Tile Census"), tr("     Tile Census: numbers the Target's twin cells and shades its empty ones."),
            {}, [] {});
  census->setObjectName(QStringLiteral("TileCensusAction"));
  census->setCheckable(true);
  connect(census, &QAction::toggled, this, [this](bool on) { bench_->Census().SetOn(on); });
  Entry(view, tr("Alpha layer"), tr("     Alpha: shows the alpha channel of the Source Canvas."), {},
        [this] { c_.SpeedButtonAlpha->toggle(); });

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  Entry(help, tr("Manual"), tr("     Help & Credits"), {QKeySequence::HelpContents}, [this] {
    if (help_) {
      help_->show();
      help_->raise();
    }
  });
  Entry(help, tr("About"), tr("     Help & Credits"), {}, [this] { HelpSpeedButtonOnClick(); });
}

}  // namespace mosaicor
