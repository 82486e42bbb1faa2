#pragma once
// The level module's window: the small "   Loading..." window with its gauge, shown over the
// main window while a level is read, and the open dialog for level files. The extraction itself
// is the core's TombRaiderFileModule; this window is its host, and the workbench its one caller.

#include "core/extraction/LevelLoadHost.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/level/ProgressIndicator.h"

#include <QStringList>
#include <QWidget>

class QFileDialog;
class QProgressBar;

namespace mosaicor {

class LevelLoadingWindow final : public QWidget, private ILevelLoadHost, private ProgressIndicator {
  Q_OBJECT

 public:
  // mainWindow is the window the loading window is centred over each time it is shown.
  LevelLoadingWindow(QWidget* mainWindow, ITonePlayer& tones);
  ~LevelLoadingWindow() override;

  // The level operations, with this window as their host.
  TombRaiderFileModule& Module() { return module_; }

  QProgressBar* Gauge = nullptr;
  QFileDialog* OpenDialog = nullptr;
  // The level dialog's title: extracting the pages, or the textures as tiles.
  void SetOpenDialogTitle(bool asTiles);

 private:
  void InitOpenDialog();

  // ILevelLoadHost
  void ShowLoadingWindow() override;
  void HideLoadingWindow() override;
  ProgressIndicator* LoadingProgress() override { return this; }
  void ProcessPendingEvents() override;
  ITonePlayer& Tones() override { return tones_; }
  // ProgressIndicator: the load never returns to the event loop, so the gauge paints at once.
  void SetProgress(int percent) override;

  QWidget* mainWindow_;
  ITonePlayer& tones_;
  TombRaiderFileModule module_;
};

// The level files' filter as the open dialog shows it: all level files, then one entry a game.
QString LevelFileFilter();

}  // namespace mosaicor
