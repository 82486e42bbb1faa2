#include "app/workbench/TargetCensus.h"

#include <QCoreApplication>

#include "app/workbench/Chooser.h"
#include "app/workbench/TargetDocument.h"
#include "app/workbench/TargetHistory.h"
#include "core/canvas/ImageLayer.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

TargetCensus::TargetCensus(Chooser& dialogs, TargetDocument& target, TargetHistory& history)
    : dialogs_(dialogs), target_(target) {
  connect(&history, &TargetHistory::edited, this, &TargetCensus::Follow);
}

void TargetCensus::SetOn(bool on) {
  if (on == on_) return;
  on_ = on;
  selected_ = -1;
  if (on_) {
    census_.Take(ShownSet(), target_.Fill(), Mode());
    Renumber();
  } else {
    // Nothing is kept for a census nobody looks at.
    census_ = TileCensus();
    numbers_.clear();
    blank_ = QImage();
  }
  emit Updated();
}

void TargetCensus::SetSymmetric(bool on) {
  symmetric_ = on;
  Retake();
}

void TargetCensus::SetNear(bool on) {
  near_ = on;
  Retake();
}

void TargetCensus::NearToleranceDialog() {
  const std::optional<int> tolerance = dialogs_.AskTolerance(tolerance_);
  if (!tolerance) return;
  tolerance_ = *tolerance;
  near_ = true;
  Retake();
}

// The census in its new mode, or, while it is off, only the menu's checks follow.
void TargetCensus::Retake() {
  if (on_) {
    selected_ = -1;
    census_.Take(ShownSet(), target_.Fill(), Mode());
    Renumber();
  }
  emit Updated();
}

QString TargetCensus::BudgetText() const { return tr("%1 / %2 tiles").arg(census_.Counts().used).arg(kSetMostTiles); }

bool TargetCensus::OverBudget() const { return census_.Counts().used > kSetMostTiles; }

QString TargetCensus::CompactText() const {
  return tr("Compact: %1 → %2 tiles").arg(census_.Counts().used).arg(census_.Counts().unique);
}

QImage TargetCensus::ShownSet() {
  const ImageLayer& image = target_.Picture();
  const QSize shown = target_.ShownSize().boundedTo(image.PictureSize());
  if (image.IsBlank()) {
    if (blank_.size() != shown) {
      blank_ = QImage(shown, QImage::Format_ARGB32);
      blank_.fill(0xFF000000u);
    }
    return blank_;
  }
  const QImage& picture = image.StoredPicture();
  if (picture.format() != QImage::Format_ARGB32 && picture.format() != QImage::Format_RGB32)
    return picture.copy(QRect(QPoint(0, 0), shown)).convertToFormat(QImage::Format_ARGB32);
  // A view of the top-left part of the picture, sharing its rows.
  return QImage(picture.constBits(), shown.width(), shown.height(), picture.bytesPerLine(), picture.format());
}

void TargetCensus::Follow(const QRect& pictureRect) {
  if (!on_) return;
  const QImage set = ShownSet();
  const QRgb fill = target_.Fill();
  if (pictureRect.isNull())
    census_.Take(set, fill, Mode());
  else
    census_.Update(set, pictureRect, fill);
  Renumber();
  if (selected_ >= census_.Columns() * census_.Rows()) selected_ = -1;
  emit Updated();
}

void TargetCensus::Renumber() {
  numbers_.assign(size_t(census_.Columns()) * census_.Rows(), 0);
  const std::vector<std::vector<int>> twins = census_.Duplicates();
  groups_ = int(twins.size());
  for (size_t g = 0; g < twins.size(); ++g)
    for (int cell : twins[g]) numbers_[size_t(cell)] = int(g) + 1;
}

int TargetCensus::NumberOf(int cell) const {
  return cell >= 0 && size_t(cell) < numbers_.size() ? numbers_[size_t(cell)] : 0;
}

int TargetCensus::SelectNextInGroup(int cell) {
  if (!on_ || NumberOf(cell) == 0) return -1;
  selected_ = census_.NextInGroup(cell);
  emit Updated();
  return selected_;
}

}  // namespace mosaicor
