#pragma once
// The Target's edit history: undo and redo of every change to the Target picture and its page
// counters, and whether the Target matches its file ("clean").
//
// Mouse edits (pastes, transforms) record themselves: the Target's picture layer reports every
// area it is about to paint while an edit is open, and the edit keeps the pixels that were there.
// The history is bounded by memory: the oldest steps go first.

#include <QObject>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "app/workbench/TargetEdits.h"
#include "core/canvas/ImageLayer.h"

namespace mosaicor {

class ImageStack;

class TargetHistory : public QObject, private PaintObserver {
  Q_OBJECT

 public:
  static constexpr qsizetype DefaultMemoryLimit = qsizetype(256) << 20;

  TargetHistory(ImageStack& target, TargetDocument& document);
  ~TargetHistory() override;

  // Mouse edits: everything the Target paints between Begin and End is one step named `name`.
  // An edit that changed nothing is not kept.
  void BeginEdit(const QString& name);
  void EndEdit();
  bool EditOpen() const { return open_ != nullptr; }

  // Runs `change`, which replaces the Target's picture, and keeps it as one step.
  void RecordWholePicture(const QString& name, const std::function<void()>& change);
  // The page counters went from `before` to where they are now. Inside another step, or while
  // one is undone or redone, it is part of that step.
  void RecordPageCount(TargetPages before);

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  QString UndoName() const { return undo_.empty() ? QString() : undo_.back()->Name(); }
  QString RedoName() const { return redo_.empty() ? QString() : redo_.back()->Name(); }
  void Undo();
  void Redo();

  // The Target now matches its file (or a new start).
  void SetClean();
  bool IsClean() const { return depth_ == cleanDepth_; }

  // What the steps that can be undone keep.
  qsizetype MemoryUsed() const { return bytes_; }
  void SetMemoryLimit(qsizetype bytes) { limit_ = bytes; }
  std::size_t UndoCount() const { return undo_.size(); }

 signals:
  void canUndoChanged(bool canUndo);
  void canRedoChanged(bool canRedo);
  void cleanChanged(bool clean);
  // The names the Edit menu gives its Undo and Redo entries; empty when there is none.
  void undoTextChanged(const QString& name);
  void redoTextChanged(const QString& name);
  // A step was kept, undone or redone: it changed `pictureRect` of the Target's picture (all of it,
  // or its page counters, when null).
  void edited(const QRect& pictureRect);

 private:
  struct Status {
    bool canUndo, canRedo, clean;
    QString undoName, redoName;
  };
  Status Now() const { return {CanUndo(), CanRedo(), IsClean(), UndoName(), RedoName()}; }
  void Announce(const Status& before);
  void BeforePaint(const ImageLayer& layer, const QRect& pictureRect) override;
  void Push(std::unique_ptr<TargetEdit> edit);
  // Takes the newest step of `from`, undoes or redoes it, and keeps it on `to`.
  template <typename From, typename To>
  void Replay(From& from, To& to, bool undo);

  ImageStack& target_;
  TargetDocument& document_;
  std::unique_ptr<PatchEdit> open_;
  std::deque<std::unique_ptr<TargetEdit>> undo_;
  std::vector<std::unique_ptr<TargetEdit>> redo_;
  qsizetype bytes_ = 0;
  qsizetype limit_ = DefaultMemoryLimit;
  // Steps done since the start: depth_ counts those not undone; cleanDepth_ is depth_ at the last
  // save, or -1 when that state can no longer be reached by undo and redo.
  long depth_ = 0;
  long cleanDepth_ = 0;
  bool applying_ = false;
};

}  // namespace mosaicor
