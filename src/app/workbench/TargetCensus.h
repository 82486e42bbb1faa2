#pragma once
// The tile census of the Target while View > Tile Census is on: its shown cells grouped by
// identical content (or, as the View menu chooses, content equal up to rotation and mirror or
// within a tolerance), the empty ones (all fill colour) apart, each group of twins numbered in
// reading order of its first cell. It follows every edit; while it is off it does nothing at all.

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <vector>

#include "core/packing/TileCensus.h"

namespace mosaicor {

class Chooser;
class TargetDocument;
class TargetHistory;

class TargetCensus : public QObject {
  Q_OBJECT

 public:
  TargetCensus(Chooser& dialogs, TargetDocument& target, TargetHistory& history);

  // Turning it on counts every cell.
  void SetOn(bool on);
  bool On() const { return on_; }

  // How cells are told to be the same (the View menu's choices); kept while the census is off, and
  // used by Compact too. Near duplicates are off until chosen, with the tolerance 8 until set.
  void SetSymmetric(bool on);
  void SetNear(bool on);
  // View > Near Duplicates Tolerance…: asks for the tolerance; choosing one turns Near on.
  void NearToleranceDialog();
  bool Near() const { return near_; }
  int NearTolerance() const { return tolerance_; }
  CensusMode Mode() const { return CensusMode{symmetric_, near_ ? tolerance_ : 0}; }

  const TileCensus& Census() const { return census_; }
  // "2048 cells: 1530 used, 1402 unique, 518 empty"
  QString Text() const { return CensusText(census_.Counts()); }
  // The level editor's budget: "180 / 256 tiles" (the used cells), over it above 256, and what
  // Compact would leave: "Compact: 180 → 131 tiles".
  QString BudgetText() const;
  bool OverBudget() const;
  QString CompactText() const;

  // The Target's shown pages as a texture set, without copying the pixels.
  QImage ShownSet();
  // The number of the cell's group of twins, 1 for the first such group; 0 for a cell without a
  // twin and for an empty one.
  int NumberOf(int cell) const;
  int Groups() const { return groups_; }

  // The cell marked by a double click on a twin's number; -1 for none.
  int Selected() const { return selected_; }
  // Marks the next cell of `cell`'s group (round to the first) and says which; -1, marking
  // nothing, for a cell without twins.
  int SelectNextInGroup(int cell);

 signals:
  // The counts, the numbers or the marked cell changed, or the census was turned on or off.
  void Updated();

 private:
  void Follow(const QRect& pictureRect);
  void Renumber();

  void Retake();

  Chooser& dialogs_;
  const TargetDocument& target_;

  bool on_ = false;
  bool symmetric_ = false;
  bool near_ = false;
  int tolerance_ = kDefaultTolerance;
  TileCensus census_;
  std::vector<int> numbers_;  // per cell
  int groups_ = 0;
  int selected_ = -1;
  QImage blank_;  // the black set of a Target that holds no pixels yet
};

}  // namespace mosaicor
