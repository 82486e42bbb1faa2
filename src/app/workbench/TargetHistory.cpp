#include "workbench/TargetHistory.h"

#include "graphics/RectCopy.h"
#include "workbench/TargetWorkflow.h"
#include "workbench/Workbench.h"

namespace mosaicor {

namespace {

// The Target picture and its page counters, as a whole-picture edit keeps them.
struct TargetSnapshot {
  QImage picture;
  QRgb fillColour = 0;
  int widthPages = 1;
  int heightPages = 1;
};

// A rectangle of the picture with its pixels before and after the edit.
struct Patch {
  QRect rect;
  QImage before;
  QImage after;
};

QImage PixelsOf(const ImageLayer& layer, const QRect& rect) {
  if (layer.IsBlank()) {
    QImage black(rect.size(), QImage::Format_ARGB32);
    black.fill(0xFF000000u);
    return black;
  }
  return layer.StoredPicture().copy(rect);
}

}  // namespace

struct TargetHistory::Edit {
  QString name;
  std::vector<Patch> patches;
  bool whole = false;
  TargetSnapshot before, after;

  qsizetype Bytes() const {
    qsizetype total = 0;
    for (const Patch& p : patches) total += p.before.sizeInBytes() + p.after.sizeInBytes();
    // Both pictures of a whole edit may end up unshared, so count them both.
    if (whole) total += before.picture.sizeInBytes() + after.picture.sizeInBytes();
    return total;
  }
  // What the edit changed, in picture pixels: null for the whole picture.
  QRect Area() const {
    QRect area;
    if (!whole)
      for (const Patch& p : patches) area |= p.rect;
    return area;
  }
};

TargetHistory::TargetHistory(Workbench& bench) : bench_(bench) {
  bench_.Target.Layers().L1_Image().SetPaintObserver(this);
}

TargetHistory::~TargetHistory() { bench_.Target.Layers().L1_Image().SetPaintObserver(nullptr); }

void TargetHistory::BeginEdit(const QString& name) {
  EndEdit();  // a press whose release never came
  // The preview's frames are no edit: it stops with its cells in place before anything is kept.
  bench_.Target.StopAnimationNow();
  open_ = std::make_unique<Edit>();
  open_->name = name;
}

void TargetHistory::BeforePaint(const ImageLayer& layer, const QRect& pictureRect) {
  if (!open_ || applying_) return;
  open_->patches.push_back(Patch{pictureRect, PixelsOf(layer, pictureRect), QImage()});
}

void TargetHistory::EndEdit() {
  if (!open_) return;
  std::unique_ptr<Edit> edit = std::move(open_);
  if (edit->patches.empty()) return;
  const ImageLayer& image = bench_.Target.Layers().L1_Image();
  for (Patch& p : edit->patches) p.after = PixelsOf(image, p.rect);
  Push(std::move(edit));
}

void TargetHistory::WholePictureEdit(const QString& name, const std::function<void()>& change) {
  auto snapshot = [this] {
    const WindowState& s = bench_.State;
    const ImageLayer& image = bench_.Target.Layers().L1_Image();
    return TargetSnapshot{image.PictureCopy(), image.FillColour(), s.TargetWidthPages, s.TargetHeightPages};
  };
  bench_.Target.StopAnimationNow();
  auto edit = std::make_unique<Edit>();
  edit->name = name;
  edit->whole = true;
  edit->before = snapshot();
  // Whatever the change paints on the way is part of this edit, not of one that happens to be open.
  applying_ = true;
  change();
  applying_ = false;
  edit->after = snapshot();
  Push(std::move(edit));
}

void TargetHistory::Push(std::unique_ptr<Edit> edit) {
  if (!redo_.empty()) {
    // The saved state may lie among the edits that can no longer be redone.
    if (savedDepth_ > depth_) savedDepth_ = -1;
    redo_.clear();
  }
  bytes_ += edit->Bytes();
  undo_.push_back(std::move(edit));
  ++depth_;
  while (bytes_ > limit_ && undo_.size() > 1) {
    bytes_ -= undo_.front()->Bytes();
    undo_.pop_front();
  }
  emit bench_.TargetEdited(undo_.back()->Area());
  bench_.NotifyChanged();
}

void TargetHistory::Apply(Edit& edit, bool undo) {
  ImageStack& target = bench_.Target;
  target.StopAnimationNow();
  applying_ = true;
  if (edit.whole) {
    const TargetSnapshot& s = undo ? edit.before : edit.after;
    target.Layers().L1_Image().SetPicture(s.picture);
    target.Layers().L1_Image().SetFillColour(s.fillColour);
    bench_.State.TargetWidthPages = s.widthPages;
    bench_.State.TargetHeightPages = s.heightPages;
    bench_.Targets().ResizeTargetWindow(PageCounter::Width);
  } else if (undo) {
    // Last first, so that where patches overlap the oldest pixels are the ones left.
    for (auto p = edit.patches.rbegin(); p != edit.patches.rend(); ++p)
      target.Layers().L1_Image().Paint(
          p->rect, [&](QImage& picture) { CopyRect(picture, p->rect.topLeft(), p->before, p->before.rect()); });
  } else {
    for (const Patch& p : edit.patches)
      target.Layers().L1_Image().Paint(
          p.rect, [&](QImage& picture) { CopyRect(picture, p.rect.topLeft(), p.after, p.after.rect()); });
  }
  applying_ = false;
  emit bench_.TargetEdited(edit.Area());
}

QString TargetHistory::UndoName() const { return undo_.empty() ? QString() : undo_.back()->name; }
QString TargetHistory::RedoName() const { return redo_.empty() ? QString() : redo_.back()->name; }

void TargetHistory::Undo() {
  if (undo_.empty()) return;
  std::unique_ptr<Edit> edit = std::move(undo_.back());
  undo_.pop_back();
  Apply(*edit, true);
  bytes_ -= edit->Bytes();
  --depth_;
  redo_.push_back(std::move(edit));
  bench_.NotifyChanged();
}

void TargetHistory::Redo() {
  if (redo_.empty()) return;
  std::unique_ptr<Edit> edit = std::move(redo_.back());
  redo_.pop_back();
  Apply(*edit, false);
  bytes_ += edit->Bytes();
  ++depth_;
  undo_.push_back(std::move(edit));
  bench_.NotifyChanged();
}

void TargetHistory::MarkModified() {
  untracked_ = true;
  emit bench_.TargetEdited(QRect());
}

void TargetHistory::MarkSaved() {
  savedDepth_ = depth_;
  untracked_ = false;
}

bool TargetHistory::ConfirmDiscard() {
  if (!Modified()) return true;
  switch (bench_.Dialogs.AskToSaveChanges()) {
    case SaveAnswer::Discard:
      return true;
    case SaveAnswer::Save:
      return bench_.Targets().Save();
    case SaveAnswer::Cancel:
      break;
  }
  return false;
}

}  // namespace mosaicor
