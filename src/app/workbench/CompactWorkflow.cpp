#include "app/workbench/CompactWorkflow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <new>

#include "app/workbench/TargetCensus.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/TargetWorkflow.h"
#include "app/workbench/Workbench.h"
#include "core/canvas/ImageStack.h"
#include "core/imagefiles/AtomicWrite.h"
#include "core/packing/Compaction.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

// What the dialog shows before anything changes.
QString CountsText(const TileCensus& census, int pagesBefore, int pagesAfter) {
  const int columns = census.Columns();
  const CensusCounts& counts = census.Counts();
  return QCoreApplication::translate("mosaicor::MainWindow",
                                     "Compact the Target?\n\n"
                                     "Cells: %1 → %2\n"
                                     "Pages: %3 → %4\n"
                                     "Tiles: %5 → %6 (the level editor takes %7)")
      .arg(counts.cells)
      .arg(pagesAfter * (kSetPageSide / kSetCellSide) * columns)
      .arg(pagesBefore)
      .arg(pagesAfter)
      .arg(counts.used)
      .arg(counts.unique)
      .arg(kSetMostTiles);
}

// "level-moves.csv" beside the set's file, or in the last folder used.
QString MapPreset(const Document& doc) {
  if (!doc.TargetFile) return doc.DialogPreset(std::nullopt) + QStringLiteral("moves.csv");
  const QFileInfo set(*doc.TargetFile);
  return set.dir().filePath(set.completeBaseName() + QStringLiteral("-moves.csv"));
}

}  // namespace

bool CompactWorkflow::CompactSetDialog() {
  const Workbench::Operation operation(bench_);
  Document& doc = bench_.Doc;
  ImageStack& target = bench_.Target;
  target.StopAnimationNow();
  Result<CompactedSet> compacted = Failure<>{};
  TileCensus census;
  try {
    const QImage set = bench_.Census().ShownSet();
    census.Take(set, doc.TargetFill, bench_.Census().Mode());
    compacted = CompactSet(set, doc.TargetFill, census);
  } catch (const std::bad_alloc&) {
    compacted = Failure<>{QCoreApplication::translate("mosaicor::MainWindow", "not enough memory")};
  }
  bench_.NoActiveControls();
  if (!compacted) {
    bench_.Dialogs.ShowMessage(QCoreApplication::translate("mosaicor::MainWindow", "The Target cannot be compacted: %1")
                                   .arg(compacted.Text()));
    return false;
  }
  const int pages = compacted->set.height() / kSetPageSide;
  if (!bench_.Dialogs.ConfirmCompact(CountsText(census, doc.TargetHeightPages, pages))) return false;

  ImageLayer& image = target.Layers().L1_Image();
  bench_.History().RecordWholePicture(QCoreApplication::translate("mosaicor::TargetHistory", "Compact Set"), [&] {
    image.SetPicture(compacted->set);
    bench_.Targets().SetPages(TargetPages{doc.TargetWidthPages, pages});
  });

  if (const std::optional<QString> map = bench_.Dialogs.SaveMoveMapFile(MapPreset(doc))) {
    if (bench_.Reported(*map, WriteFileAtomically(*map, MoveMapCsv(compacted->moves)))) doc.Remember(*map);
  }
  return true;
}

}  // namespace mosaicor
