#pragma once
// Edit > Compact Set…: the Target without waste. The shown pages lose their empty cells and every
// cell that duplicates an earlier one under the census's mode (the View menu's choice, whether the
// census is shown or not); the cells that stay move to the front and the height shrinks to the
// pages they need. The user sees the counts before anything changes; the change is one undo step,
// and the move map can be saved beside the set.

namespace mosaicor {

class Workbench;

class CompactWorkflow {
 public:
  explicit CompactWorkflow(Workbench& bench) : bench_(bench) {}

  // True when the Target was compacted (whether or not the map was saved).
  bool CompactSetDialog();

 private:
  Workbench& bench_;
};

}  // namespace mosaicor
