#pragma once
// The workbench without a window: both canvases' models and the window's state, started as the
// window starts them, with every question answered by a cancel (a discard for unsaved changes).
// Only programs that link the window's library include it.

#include "app/workbench/Workbench.h"
#include "core/extraction/HeadlessExtraction.h"
#include "core/extraction/TombRaiderFileModule.h"
#include "core/imagefiles/ImageFileModule.h"

namespace mosaicor {

struct NoDialogs : Chooser {
  std::optional<QString> OpenPictureFile(const QString&) override { return std::nullopt; }
  std::optional<QString> OpenLevelFile(const QString&, bool) override { return std::nullopt; }
  std::optional<QString> SavePictureFile(const QString&) override { return std::nullopt; }
  QRgb ChooseColour(QRgb initial, const QStringList&) override { return initial; }
  void ShowMessage(const QString&) override {}
  SaveAnswer AskToSaveChanges() override { return SaveAnswer::Discard; }
  QStringList OpenPictureFiles(const QString&) override { return {}; }
  RecoverAnswer AskToRecover(const QString&) override { return RecoverAnswer::Discard; }
  bool ConfirmCompact(const QString&) override { return false; }
  std::optional<QString> SaveMoveMapFile(const QString&) override { return std::nullopt; }
  std::optional<int> AskTolerance(int) override { return std::nullopt; }
  std::optional<QString> OpenObjectLibraryFile(const QString&) override { return std::nullopt; }
  bool ConfirmReplaceBackup(const QString&) override { return false; }
};

struct WorkbenchRig {
  NoDialogs dialogs;
  ImageFileModule pictures;
  SilentLevelLoadHost host;
  TombRaiderFileModule levels{host};
  Workbench bench{dialogs, pictures, levels};
  ImageStack& source = bench.Source();
  ImageStack& target = bench.Target();
  WorkbenchRig() { bench.Start(); }
};

}  // namespace mosaicor
