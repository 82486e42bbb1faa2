// The main window's menus: every entry runs the same handler as its control and carries the
// control's hint as its status tip.

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>

#include "mainwindow/MainWindow.h"
#include "workbench/ClipboardExchange.h"
#include "workbench/SourceWorkflow.h"
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
  const QString fileHint = QStringLiteral("     File options.");
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  Entry(file, QStringLiteral("Load Image File..."), fileHint, {QKeySequence::Open},
        [this] { bench_->Sources().SourceComboOnSelect(SourceAction::ImageFile); });
  Entry(file, QStringLiteral("Extract Textures..."), fileHint, {QKeySequence(QStringLiteral("Ctrl+L"))},
        [this] { bench_->Sources().SourceComboOnSelect(SourceAction::LevelTextures); });
  Entry(file, QStringLiteral("Extract Animated Textures..."), fileHint, {QKeySequence(QStringLiteral("Ctrl+Shift+L"))},
        [this] { bench_->Sources().SourceComboOnSelect(SourceAction::LevelAnimated); });
  file->addSeparator();
  Entry(file, QStringLiteral("Save"), fileHint, {QKeySequence::Save}, [this] { bench_->Targets().Save(); });
  Entry(file, QStringLiteral("Save As..."), fileHint, {QKeySequence(QStringLiteral("Ctrl+Shift+S"))},
        [this] { bench_->Targets().TargetComboOnSelect(TargetAction::Save); });
  Entry(file, QStringLiteral("Reload a Texture Set File..."), fileHint, {},
        [this] { bench_->Targets().TargetComboOnSelect(TargetAction::Reload); });
  Entry(file, QStringLiteral("Create New"), fileHint, {QKeySequence::New},
        [this] { bench_->Targets().TargetComboOnSelect(TargetAction::CreateNew); });
  file->addSeparator();
  Entry(file, QStringLiteral("Quit"), QString(), {QKeySequence(QStringLiteral("Ctrl+Q"))}, [this] { close(); });

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  QAction* undo = Entry(edit, QStringLiteral("Undo"), QStringLiteral("     Undoes the last change to the Target."),
                        {QKeySequence::Undo}, [this] { bench_->Undo(); });
  QAction* redo =
      Entry(edit, QStringLiteral("Redo"), QStringLiteral("     Redoes the last change undone on the Target."),
            {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))},
            [this] { bench_->Redo(); });
  edit->addSeparator();
  Entry(edit, QStringLiteral("Copy All"), c_.CopyButton->statusTip(), {},
        [this] { bench_->Targets().CopyAllOnClick(); });
  Entry(edit, QStringLiteral("Export tile"), c_.ClipExportButton->statusTip(), {QKeySequence::Copy},
        [this] { bench_->Clipboard().ExportToClipboard(); });
  Entry(edit, QStringLiteral("Import tile"), c_.ClipImportButton->statusTip(), {QKeySequence::Paste},
        [this] { bench_->Clipboard().ImportFromClipboard(); });
  const TargetHistory& history = bench_->History();
  undo->setEnabled(history.CanUndo());
  redo->setEnabled(history.CanRedo());
  connect(&history, &TargetHistory::canUndoChanged, undo, &QAction::setEnabled);
  connect(&history, &TargetHistory::canRedoChanged, redo, &QAction::setEnabled);
  connect(&history, &TargetHistory::undoTextChanged, undo, [undo](const QString& name) {
    undo->setText(name.isEmpty() ? QStringLiteral("Undo") : QStringLiteral("Undo %1").arg(name));
  });
  connect(&history, &TargetHistory::redoTextChanged, redo, [redo](const QString& name) {
    redo->setText(name.isEmpty() ? QStringLiteral("Redo") : QStringLiteral("Redo %1").arg(name));
  });

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  Entry(view, QStringLiteral("Grid shown"), c_.SpeedButtonView->statusTip(), {QKeySequence(Qt::Key_G)},
        [this] { c_.SpeedButtonView->toggle(); });
  const QString zoomHint = QStringLiteral("     Zoom of the canvas under the pointer.");
  Entry(view, QStringLiteral("Zoom In"), zoomHint, {QKeySequence::ZoomIn, QKeySequence(QStringLiteral("Ctrl+="))},
        [this] { CanvasUnderPointer()->ZoomIn(); });
  Entry(view, QStringLiteral("Zoom Out"), zoomHint, {QKeySequence::ZoomOut},
        [this] { CanvasUnderPointer()->ZoomOut(); });
  Entry(view, QStringLiteral("Actual Size"), zoomHint, {QKeySequence(QStringLiteral("Ctrl+0"))},
        [this] { CanvasUnderPointer()->ZoomReset(); });
  view->addSeparator();
  Entry(view, QStringLiteral("Alpha layer"),
        QStringLiteral("     Alpha: shows the alpha channel of the Source Canvas."), {},
        [this] { c_.SpeedButtonAlpha->toggle(); });

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  Entry(help, QStringLiteral("Manual"), QStringLiteral("     Help & Credits"), {QKeySequence::HelpContents}, [this] {
    if (help_) {
      help_->show();
      help_->raise();
    }
  });
  Entry(help, QStringLiteral("About"), QStringLiteral("     Help & Credits"), {}, [this] { HelpSpeedButtonOnClick(); });
}

}  // namespace mosaicor
