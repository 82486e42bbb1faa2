#include "app/workbench/TargetHistory.h"

#include <QCoreApplication>

#include "core/canvas/ImageStack.h"

namespace mosaicor {

namespace {

QImage PixelsOf(const ImageLayer& layer, const QRect& rect) {
  if (layer.IsBlank()) {
    QImage black(rect.size(), QImage::Format_ARGB32);
    black.fill(0xFF000000u);
    return black;
  }
  return layer.StoredPicture().copy(rect);
}

}  // namespace

TargetHistory::TargetHistory(ImageStack& target, TargetDocument& document) : target_(target), document_(document) {
  document_.Picture().SetPaintObserver(this);
}

TargetHistory::~TargetHistory() { document_.Picture().SetPaintObserver(nullptr); }

void TargetHistory::BeginEdit(const QString& name) {
  EndEdit();  // a press whose release never came
  // The preview's frames are no edit: it stops with its cells in place before anything is kept.
  target_.StopAnimationNow();
  open_ = std::make_unique<PatchEdit>(name);
}

void TargetHistory::BeforePaint(const ImageLayer& layer, const QRect& pictureRect) {
  if (open_ && !applying_) open_->Keep(pictureRect, PixelsOf(layer, pictureRect));
}

void TargetHistory::EndEdit() {
  if (!open_) return;
  std::unique_ptr<PatchEdit> edit = std::move(open_);
  if (!edit->IsEmpty()) Push(std::move(edit));
}

void TargetHistory::RecordWholePicture(const QString& name, const std::function<void()>& change) {
  target_.StopAnimationNow();
  auto edit = std::make_unique<WholePictureEdit>(name, document_);
  // Whatever the change paints or counts on the way is part of this step, not of one that happens
  // to be open.
  applying_ = true;
  change();
  applying_ = false;
  Push(std::move(edit));
}

void TargetHistory::RecordPageCount(TargetPages before) {
  const TargetPages after = document_.Pages();
  if (applying_ || before == after) return;
  Push(std::make_unique<PageCountEdit>(QCoreApplication::translate("mosaicor::TargetHistory", "Page count"), before,
                                       after));
}

void TargetHistory::Push(std::unique_ptr<TargetEdit> edit) {
  const Status before = Now();
  if (!redo_.empty()) {
    // The clean state may lie among the steps that can no longer be redone.
    if (cleanDepth_ > depth_) cleanDepth_ = -1;
    redo_.clear();
  }
  bytes_ += edit->MemorySize();
  const QRect area = edit->Area();
  undo_.push_back(std::move(edit));
  ++depth_;
  while (bytes_ > limit_ && undo_.size() > 1) {
    bytes_ -= undo_.front()->MemorySize();
    undo_.pop_front();
  }
  Announce(before);
  emit edited(area);
}

void TargetHistory::Undo() {
  if (!undo_.empty()) Replay(undo_, redo_, true);
}

void TargetHistory::Redo() {
  if (!redo_.empty()) Replay(redo_, undo_, false);
}

template <typename From, typename To>
void TargetHistory::Replay(From& from, To& to, bool undo) {
  const Status before = Now();
  std::unique_ptr<TargetEdit> edit = std::move(from.back());
  from.pop_back();
  target_.StopAnimationNow();
  applying_ = true;
  if (undo)
    edit->Undo(document_);
  else
    edit->Redo(document_);
  applying_ = false;
  // What a step keeps counts while it can be undone.
  bytes_ += undo ? -edit->MemorySize() : edit->MemorySize();
  depth_ += undo ? -1 : 1;
  const QRect area = edit->Area();
  to.push_back(std::move(edit));
  Announce(before);
  emit edited(area);
}

void TargetHistory::SetClean() {
  const Status before = Now();
  cleanDepth_ = depth_;
  Announce(before);
}

void TargetHistory::Announce(const Status& before) {
  const Status now = Now();
  if (now.canUndo != before.canUndo) emit canUndoChanged(now.canUndo);
  if (now.canRedo != before.canRedo) emit canRedoChanged(now.canRedo);
  if (now.clean != before.clean) emit cleanChanged(now.clean);
  if (now.undoName != before.undoName) emit undoTextChanged(now.undoName);
  if (now.redoName != before.redoName) emit redoTextChanged(now.redoName);
}

}  // namespace mosaicor
