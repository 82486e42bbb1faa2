#pragma once
// The tile census of the Target while View > Tile Census is on: its shown cells grouped by
// identical content, the empty ones (all fill colour) apart, each group of twins numbered in
// reading order of its first cell. It follows every edit by looking again only at the cells the
// edit touched; while it is off it does nothing at all.

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <vector>

#include "core/packing/TileCensus.h"

namespace mosaicor {

class Workbench;

class TargetCensus : public QObject {
  Q_OBJECT

 public:
  explicit TargetCensus(Workbench& bench);

  // Turning it on counts every cell.
  void SetOn(bool on);
  bool On() const { return on_; }

  const TileCensus& Census() const { return census_; }
  // "2048 cells: 1530 used, 1402 unique, 518 empty"
  QString Text() const { return CensusText(census_.Counts()); }
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
  // The Target's shown pages, without copying the pixels.
  QImage ShownSet();
  void Renumber();

  Workbench& bench_;
  bool on_ = false;
  TileCensus census_;
  std::vector<int> numbers_;  // per cell
  int groups_ = 0;
  int selected_ = -1;
  QImage blank_;  // the black set of a Target that holds no pixels yet
};

}  // namespace mosaicor
