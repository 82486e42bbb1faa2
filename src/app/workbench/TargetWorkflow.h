#pragma once
// The Target side: saving, Create New and Reload, a file loaded onto the Target (a drop),
// Copy All, the page counters, and work taken back after a crash. The Target's picture, counters
// and fill colour are its document's; the history records each change as one step.

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

#include "app/workbench/TargetDocument.h"
#include "app/workbench/WindowState.h"

namespace mosaicor {

class Chooser;
class ImageFileModule;
class ImageStack;
class Operations;
class TargetHistory;
struct RecoveryState;

enum class PageCounter { Width, Height };

class TargetWorkflow : public QObject {
  Q_OBJECT

 public:
  // What the Target side works on.
  struct Parts {
    Operations& operations;
    Chooser& dialogs;
    ImageFileModule& pictures;
    Document& doc;
    ViewState& view;
    ImageStack& source;
    ImageStack& target;
    TargetDocument& targetDoc;
    TargetHistory& history;
  };
  explicit TargetWorkflow(const Parts& parts);

  // Save As; Create New and Reload, which replace the Target, offer unsaved work for saving first.
  void SaveTargetAs();
  void CreateNewTarget();
  void ReloadTarget();
  // With unsaved changes, asks whether to save them first. True when the caller may go on:
  // nothing was unsaved, the user discarded the changes, or they were saved.
  bool ConfirmDiscard();
  bool SaveToImageFile();
  // Saves to the file the Target box shows without a dialog, or through the dialog when it shows none.
  bool Save();
  // Saves to `fileName` without a dialog; on success it becomes the remembered target file.
  bool SaveToFile(const QString& fileName);
  void ReInitTarget();
  bool ReloadFromImageFile();
  // Opens a texture set as a Reload would, without a dialog.
  bool OpenTextureSet(const QString& fileName);
  // A file dropped on the Target: its picture replaces the Target's, with the plain loader.
  void LoadTarget(const QString& fileName);
  void CopyAll();
  // A page counter moved to `value`; nothing happens when it already shows that value.
  void SetPageCount(PageCounter counter, int value);
  // The Target becomes the work a recovery file kept, as one step of the history, and the
  // remembered files come back with it.
  void Recover(const RecoveryState& state);
  // What must happen around every save of the set (Compact's project): `before` may stop the save,
  // `after` follows a save that succeeded.
  void SetSaveHooks(std::function<bool(const QString&)> before, std::function<void(const QString&)> after) {
    beforeSave_ = std::move(before);
    afterSave_ = std::move(after);
  }

 signals:
  // A line for the status line: what a save wrote.
  void Noted(const QString& text);
  // The Target's scroll box goes back to its top-left corner.
  void ScrolledToOrigin();

 private:
  // Runs `replace` unless the user keeps unsaved work (ConfirmDiscard).
  void ReplaceTarget(const std::function<void()>& replace);
  // Puts a loaded picture on the Target; the history records it as one edit.
  void PlaceLoadedPicture(const QString& editName, const QImage& picture);
  // The counters follow a picture just placed, cropped to the largest set with a message.
  void FitPagesToPicture();
  // The Target's box shows the file just read or saved, and its folder is remembered.
  void ShowTargetFile(const QString& fileName);

  Operations& operations_;
  Chooser& dialogs_;
  ImageFileModule& pictures_;
  Document& doc_;
  ViewState& view_;
  ImageStack& source_;
  ImageStack& target_;
  TargetDocument& targetDoc_;
  TargetHistory& history_;
  std::function<bool(const QString&)> beforeSave_;
  std::function<void(const QString&)> afterSave_;
};

}  // namespace mosaicor
