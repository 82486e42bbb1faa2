#pragma once
// The steps of the Target's edit history. Each step can be undone and redone, names itself for
// the Edit menu, and says how much memory it keeps. Every step keeps only one side of its change:
// the other side is on the Target, and Undo and Redo swap the two.

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>
#include <vector>

#include "app/workbench/TargetDocument.h"

namespace mosaicor {

class ImageLayer;

class TargetEdit {
 public:
  explicit TargetEdit(QString name) : name_(std::move(name)) {}
  virtual ~TargetEdit() = default;
  const QString& Name() const { return name_; }
  virtual void Undo(TargetDocument& target) = 0;
  virtual void Redo(TargetDocument& target) = 0;
  virtual qsizetype MemorySize() const = 0;
  // What the step changes, in picture pixels; null for the whole picture.
  virtual QRect Area() const { return {}; }

 private:
  QString name_;
};

// What the mouse painted (a paste, a transform): each painted rectangle with the pixels it held.
class PatchEdit final : public TargetEdit {
 public:
  using TargetEdit::TargetEdit;
  // Keeps `pixels`, what `rect` holds before it is painted.
  void Keep(const QRect& rect, QImage pixels);
  bool IsEmpty() const { return patches_.empty(); }
  void Undo(TargetDocument& target) override;
  void Redo(TargetDocument& target) override;
  qsizetype MemorySize() const override;
  QRect Area() const override;

 private:
  struct Patch {
    QRect rect;
    QImage pixels;
  };
  static void Swap(ImageLayer& picture, Patch& patch);
  std::vector<Patch> patches_;
};

// A change of the whole picture (Copy All, Create New, Reload, a drop): the picture, its fill
// colour and the page counters. Qt's implicit sharing makes the kept picture cost nothing until
// the canvas draws on the one it shares with.
class WholePictureEdit final : public TargetEdit {
 public:
  // Keeps the Target as it is now, before the change.
  WholePictureEdit(QString name, const TargetDocument& target);
  void Undo(TargetDocument& target) override { Swap(target); }
  void Redo(TargetDocument& target) override { Swap(target); }
  qsizetype MemorySize() const override { return picture_.sizeInBytes(); }

 private:
  void Swap(TargetDocument& target);
  QImage picture_;
  QSize size_;  // the size of a blank picture, kept as no pixels
  QRgb fillColour_ = 0;
  TargetPages pages_;
};

// A page counter moved: hidden pages keep their pixels, but what a save writes changes.
class PageCountEdit final : public TargetEdit {
 public:
  PageCountEdit(QString name, TargetPages before, TargetPages after)
      : TargetEdit(std::move(name)), before_(before), after_(after) {}
  void Undo(TargetDocument& target) override { target.SetPages(before_); }
  void Redo(TargetDocument& target) override { target.SetPages(after_); }
  qsizetype MemorySize() const override { return sizeof(*this); }

 private:
  TargetPages before_, after_;
};

}  // namespace mosaicor
