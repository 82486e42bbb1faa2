#pragma once
// User operations and what they changed. Every handler of a user's intent runs as one operation;
// operations nest, and when the outermost one ends the window is told once what changed, so it
// refreshes only those controls.

#include <QFlags>
#include <QObject>

namespace mosaicor {

enum class Change : unsigned {
  // The files, captions and info lines.
  Document = 1u << 0,
  // What the controls show of the view state: tile size, transparency, grid, clipboard, tabs.
  View = 1u << 1,
  // The colour pots and the filler colour.
  Pots = 1u << 2,
  // A press, move or release on a canvas: the current tile, the transform, the tabs, the picker.
  CanvasPress = 1u << 3,
};
Q_DECLARE_FLAGS(Changes, Change)
Q_DECLARE_OPERATORS_FOR_FLAGS(Changes)

inline constexpr Changes AllChanges = Changes(Change::Document) | Change::View | Change::Pots | Change::CanvasPress;

class Operations : public QObject {
  Q_OBJECT

 public:
  // One user operation that may change `what`; Changed is emitted once, as the outermost one ends.
  class Operation {
   public:
    explicit Operation(Operations& operations, Changes what = AllChanges) : operations_(operations) {
      ++operations_.depth_;
      operations_.pending_ |= what;
    }
    ~Operation() {
      if (--operations_.depth_ > 0) return;
      const Changes what = operations_.pending_;
      operations_.pending_ = {};
      emit operations_.Changed(what);
    }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

   private:
    Operations& operations_;
  };

 signals:
  void Changed(mosaicor::Changes what);

 private:
  int depth_ = 0;
  Changes pending_;
};

}  // namespace mosaicor
