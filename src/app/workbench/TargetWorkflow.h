#pragma once
// The Target side: saving, Create New and Reload, a file loaded onto the Target (a drop),
// Copy All, the page counters, and the resizing of the picture, the port, the info
// line and the window width that follows them.

#include <QImage>
#include <QString>
#include <functional>
#include <optional>

#include "app/workbench/TargetEdits.h"
#include "app/workbench/WindowState.h"

namespace mosaicor {

class ImageStack;
class Workbench;

enum class PageCounter { Width, Height };

class TargetWorkflow : public TargetDocument {
 public:
  explicit TargetWorkflow(Workbench& bench);

  // Save As; Create New and Reload, which replace the Target, offer unsaved work for saving first.
  void SaveTargetAs();
  void CreateNewTarget();
  void ReloadTarget();
  // With unsaved changes, asks whether to save them first. True when the caller may go on:
  // nothing was unsaved, the user discarded the changes, or they were saved.
  bool ConfirmDiscard();
  bool SaveToImageFile();
  // Saves to the last saved file without a dialog, or through the dialog when there is none yet.
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
  // Applies the counters to the picture, the port, the info line and the window width. Without
  // a caller (after a load, a drop or Copy All) the picture is first cropped to 512 x 16384 and
  // the counters follow its size.
  void ResizeTargetWindow(std::optional<PageCounter> caller);
  void DisplayTargetAreaInfo(int width, int height);

  // TargetDocument
  TargetPages Pages() const override;
  void SetPages(TargetPages pages) override;
  QRgb Fill() const override { return doc_.TargetFill; }
  void SetFill(QRgb fill) override { doc_.TargetFill = fill; }

 private:
  // Runs `replace` unless the user keeps unsaved work (ConfirmDiscard).
  void ReplaceTarget(const std::function<void()>& replace);
  // Puts a loaded picture on the Target; the history records it as one edit.
  void PlaceLoadedPicture(const QString& editName, const QImage& picture);
  // The Target's box shows the file just read or saved, and its folder is remembered.
  void ShowTargetFile(const QString& fileName);

  Workbench& bench_;
  ImageStack& source_;
  ImageStack& target_;
  Document& doc_;
  ViewState& view_;
};

}  // namespace mosaicor
