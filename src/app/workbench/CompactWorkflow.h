#pragma once
// Edit > Compact Set…: the Target without waste. The shown pages lose their empty cells and every
// cell that duplicates an earlier one under the census's mode (the View menu's choice, whether the
// census is shown or not); the cells that stay move to the front and the height shrinks to the
// pages they need. The user sees the counts before anything changes; the change is one undo step,
// and the move map can be saved beside the set.

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

 private:
  Operations& operations_;
  Chooser& dialogs_;
  Document& doc_;
  TargetDocument& target_;
  TargetHistory& history_;
  TargetCensus& census_;
};

}  // namespace mosaicor
