#pragma once
// The level module's window: the small "   Loading..." window with its gauge, shown over the
// main window while a level is read, and the open dialog for level files. The extraction itself
// is the core's TombRaiderFileModule; this window is its host.

#include "core/extraction/LevelLoadHost.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/level/ProgressIndicator.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class QFileDialog;
class QProgressBar;

namespace mosaicor {

class LevelLoadingWindow final : public QWidget, private ILevelLoadHost, private ProgressIndicator {
  Q_OBJECT

 public:
  // mainWindow is the window the loading window is centred over each time it is shown.
  LevelLoadingWindow(QWidget* mainWindow, ITonePlayer& tones);
  ~LevelLoadingWindow() override;

  ExtractionOutcome LoadLevelAs32BitsFile(QImage& image, const QString& fileName, PixelFormatCode& sourcePixelFormat,
                                          bool maskTransparency);
  ExtractionOutcome LoadAnimAs32BitsFile(QImage& image, const QString& fileName, PixelFormatCode& sourcePixelFormat,
                                         bool maskTransparency);
  // Run OpenDialog, let the windows under it repaint, and load the chosen file; nothing when the
  // dialog is cancelled (no sound). The caller reads the chosen name back from OpenDialog.
  std::optional<ExtractionOutcome> LoadLevelAs32BitsDialog(QImage& image, PixelFormatCode& sourcePixelFormat,
                                                           bool maskTransparency);
  std::optional<ExtractionOutcome> LoadAnimAs32BitsDialog(QImage& image, PixelFormatCode& sourcePixelFormat,
                                                          bool maskTransparency);

  // The operations behind the File calls, for callers that run their own dialogs.
  TombRaiderFileModule& Module() { return module_; }

  QProgressBar* Gauge = nullptr;
  QFileDialog* OpenDialog = nullptr;

 private:
  void InitOpenDialog();
  bool RunOpenDialog(QString& fileName);
  std::optional<ExtractionOutcome> LoadDialog(LevelExtract what, QImage& image, PixelFormatCode& sourcePixelFormat,
                                              bool maskTransparency);

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
