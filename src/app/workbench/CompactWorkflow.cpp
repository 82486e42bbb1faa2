#include "app/workbench/CompactWorkflow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <new>

#include "app/workbench/Chooser.h"
#include "app/workbench/Operations.h"
#include "app/workbench/TargetCensus.h"
#include "app/workbench/TargetDocument.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/WindowState.h"
#include "core/canvas/ImageLayer.h"
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
  const Operations::Operation operation(operations_);
  target_.StopAnimation();
  Result<CompactedSet> compacted = Failure<>{};
  TileCensus census;
  try {
    const QImage set = census_.ShownSet();
    census.Take(set, target_.Fill(), census_.Mode());
    compacted = CompactSet(set, target_.Fill(), census);
  } catch (const std::bad_alloc&) {
    compacted = Failure<>{QStringLiteral("not enough memory")};
  }
  if (!compacted) {
    dialogs_.ShowMessage(QCoreApplication::translate("mosaicor::MainWindow", "The Target cannot be compacted: %1")
                             .arg(TranslatedReason(compacted.Text())));
    return false;
  }
  const int pages = compacted->set.height() / kSetPageSide;
  if (!dialogs_.ConfirmCompact(CountsText(census, target_.Pages().height, pages))) return false;

  history_.RecordWholePicture(QCoreApplication::translate("mosaicor::TargetHistory", "Compact Set"), [&] {
    target_.Picture().SetPicture(compacted->set);
    target_.SetPages(TargetPages{target_.Pages().width, pages});
  });

  if (const std::optional<QString> map = dialogs_.SaveMoveMapFile(MapPreset(doc_))) {
    if (Reported(dialogs_, *map, WriteFileAtomically(*map, MoveMapCsv(compacted->moves)))) doc_.Remember(*map);
  }
  return true;
}

}  // namespace mosaicor
