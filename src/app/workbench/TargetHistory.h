#pragma once
// The Target's edit history: undo and redo of every change to the Target picture, and whether
// the Target has changes that are not saved.
//
// An edit keeps only what it changed. Mouse edits (pastes, transforms) are recorded as patches:
// the Target's picture layer reports every area it is about to paint while an edit is open, and
// the history keeps the pixels that were there and, when the edit closes, the pixels that are
// there now. Edits that replace the whole picture (Copy All, Create New, Reload, a drop) keep
// the picture and page counters before and after; Qt's implicit sharing makes the kept picture
// cost nothing until the canvas draws on it. The history is bounded by memory: the oldest edits
// go first.

#include <QImage>
#include <QRect>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "canvas/ImageLayer.h"

namespace mosaicor {

class Workbench;

class TargetHistory : private PaintObserver {
 public:
  static constexpr qsizetype DefaultMemoryLimit = qsizetype(256) << 20;

  explicit TargetHistory(Workbench& bench);
  ~TargetHistory() override;

  // Mouse edits: everything the Target paints between Begin and End is one edit named `name`.
  // An edit that changed nothing is not kept.
  void BeginEdit(const QString& name);
  void EndEdit();
  bool EditOpen() const { return open_ != nullptr; }

  // Runs `change`, which replaces the Target's picture, and keeps it as one edit.
  void WholePictureEdit(const QString& name, const std::function<void()>& change);

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  QString UndoName() const;
  QString RedoName() const;
  void Undo();
  void Redo();

  // The Target now matches its file (or a new start): no unsaved changes.
  void MarkSaved();
  // A change that the history does not keep (a page counter) still makes the Target unsaved.
  void MarkModified();
  bool Modified() const { return untracked_ || depth_ != savedDepth_; }
  // With unsaved changes, asks whether to save them first. True when the caller may go on:
  // nothing was unsaved, the user discarded the changes, or they were saved.
  bool ConfirmDiscard();

  // What the edits that can be undone keep.
  qsizetype MemoryUsed() const { return bytes_; }
  void SetMemoryLimit(qsizetype bytes) { limit_ = bytes; }
  std::size_t UndoCount() const { return undo_.size(); }

  struct Edit;

 private:
  void BeforePaint(const ImageLayer& layer, const QRect& pictureRect) override;
  void Push(std::unique_ptr<Edit> edit);
  void Apply(Edit& edit, bool undo);

  Workbench& bench_;
  std::unique_ptr<Edit> open_;
  std::deque<std::unique_ptr<Edit>> undo_;
  std::vector<std::unique_ptr<Edit>> redo_;
  qsizetype bytes_ = 0;
  qsizetype limit_ = DefaultMemoryLimit;
  // Edits done since the start: depth_ counts those not undone; savedDepth_ is depth_ at the last
  // save, or -1 when that state can no longer be reached by undo and redo.
  long depth_ = 0;
  long savedDepth_ = 0;
  bool untracked_ = false;
  bool applying_ = false;
};

}  // namespace mosaicor
