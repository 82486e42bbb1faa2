#pragma once
// The window's answers to the workbench's questions: the picture and level file dialogs, the
// filler colour dialog, plain message boxes and the unsaved-changes question.

#include <functional>

#include "app/workbench/Chooser.h"

class QWidget;

namespace mosaicor {

class PictureDialogs;
class LevelLoadingWindow;

class DialogChooser final : public Chooser {
 public:
  DialogChooser(QWidget* window, PictureDialogs& pictures, LevelLoadingWindow& levels)
      : window_(window), pictures_(pictures), levels_(levels) {}

  std::optional<QString> OpenPictureFile(const QString& preset) override;
  std::optional<QString> OpenLevelFile(const QString& preset, bool asTiles) override;
  std::optional<QString> SavePictureFile(const QString& preset) override;
  std::optional<QString> SaveTargetFile(const QString& preset, bool onePage) override;
  QRgb ChooseColour(QRgb initial, const QStringList& customColours) override;
  void ShowMessage(const QString& text) override;
  SaveAnswer AskToSaveChanges() override;
  QStringList OpenPictureFiles(const QString& preset) override;
  RecoverAnswer AskToRecover(const QString& question) override;
  bool ConfirmCompact(const QString& counts) override;
  CompactAnswer AskCompact(const QString& counts, bool offerProject) override;
  std::optional<QString> OpenProjectFile(const QString& preset) override;
  std::optional<QString> SaveMoveMapFile(const QString& preset) override;
  std::optional<int> AskTolerance(int current) override;
  std::optional<QString> OpenObjectLibraryFile(const QString& preset) override;
  bool ConfirmReplaceBackup(const QString& backupFile) override;

  // Runs before each message box opens, so that the window behind it is up to date.
  void SetBeforeMessage(std::function<void()> before) { beforeMessage_ = std::move(before); }

 private:
  std::function<void()> beforeMessage_;
  QWidget* window_;
  PictureDialogs& pictures_;
  LevelLoadingWindow& levels_;
};

}  // namespace mosaicor
