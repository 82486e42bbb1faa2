#pragma once
// The Target as a document: its picture, its page counters and the colour of area added to the
// picture. Every change of the counters comes through here (a counter, undo and redo, a load, a
// pack), and sizes the picture, the port and the grid to match; the window follows PagesChanged.

#include <QObject>
#include <QRgb>
#include <QSize>

namespace mosaicor {

class ImageLayer;
class ImageStack;

// The Target's page counters: its width and height in 256-pixel pages.
struct TargetPages {
  int width = 1;
  int height = 2;
  bool operator==(const TargetPages&) const = default;
};

class TargetDocument : public QObject {
  Q_OBJECT

 public:
  explicit TargetDocument(ImageStack& target) : target_(target) {}

  // An animation previewed on the Target stops, with its cells back in place.
  void StopAnimation();

  ImageLayer& Picture();
  const ImageLayer& Picture() const;
  TargetPages Pages() const { return pages_; }
  // What the Target shows and saves: its page counters in pixels.
  QSize ShownSize() const;

  // The colour of area added to the picture when it grows. Only the document holds it: the canvas
  // never chooses it, and the history restores it with the picture.
  QRgb Fill() const { return fill_; }
  void SetFill(QRgb fill) { fill_ = fill; }

  // The counters become `pages`. The picture only grows, with the fill colour: lowering a counter
  // hides pages without losing them.
  void SetPages(TargetPages pages);
  // After the picture was replaced: it is cropped to the largest set, and the counters follow its
  // size. True when it had to be cropped.
  bool FitPagesToPicture();

 signals:
  // The counters were applied (changed or not); `before` is what they were.
  void PagesChanged(mosaicor::TargetPages before);

 private:
  void Apply(TargetPages before);

  ImageStack& target_;
  TargetPages pages_;
  QRgb fill_ = 0xFF000000u;
};

}  // namespace mosaicor
