#pragma once
// Edit > Compact Set…: the Target without waste. The shown pages lose their empty cells and every
// cell that duplicates an earlier one under the census's mode (the View menu's choice, whether the
// census is shown or not); the cells that stay move to the front and the height shrinks to the
// pages they need. The user sees the counts before anything changes; the change is one undo step,
// and the move map can be saved beside the set. The companion's `compact` gives the same set and
// map: both go through the core's CompactSet. The window does not know which cells a texture
// spans, so each cell moves on its own, and the dialog says so.

#include <QString>
#include <optional>

namespace mosaicor {

class Chooser;
class Operations;
class TargetCensus;
class TargetDocument;
class TargetHistory;
struct Document;

class CompactWorkflow {
 public:
  CompactWorkflow(Operations& operations, Chooser& dialogs, Document& doc, TargetDocument& target,
                  TargetHistory& history, TargetCensus& census)
      : operations_(operations), dialogs_(dialogs), doc_(doc), target_(target), history_(history), census_(census) {}

  // True when the Target was compacted (whether or not the map was saved).
  bool CompactSetDialog();
  // Call before Edit > Undo: when it undoes a compaction whose move map was saved, the user hears
  // that the map now describes an undone change.
  void BeforeUndo();
  void AfterUndo();

 private:
  Operations& operations_;
  Chooser& dialogs_;
  Document& doc_;
  TargetDocument& target_;
  TargetHistory& history_;
  TargetCensus& census_;
  std::optional<QString> savedMap_;  // the map saved with the last compaction still on the undo stack
  bool undoingCompaction_ = false;
};

}  // namespace mosaicor
