#include "app/workbench/CompactWorkflow.h"

#include <QCoreApplication>
#include <QDir>
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

// The duplicate rules in force, as the View menu set them.
QString RulesText(const CensusMode& mode) {
  const auto tr = [](const char* text) { return QCoreApplication::translate("mosaicor::MainWindow", text); };
  QString rules = mode.symmetric ? tr("copies, also turned or mirrored") : tr("exact copies");
  if (mode.tolerance > 0) rules += tr(", near ones with every channel within %1").arg(mode.tolerance);
  return rules;
}

// What the dialog shows before anything changes.
QString CountsText(const CompactedSet& compacted, const CensusMode& mode, int cellsBefore, int columns,
                   int pagesBefore) {
  const int pagesAfter = compacted.set.height() / kSetPageSide;
  return QCoreApplication::translate("mosaicor::MainWindow",
                                     "Compact the Target?\n\n"
                                     "Duplicates: %1\n"
                                     "Cells: %2 → %3 (the 64 x 64 places of the shown pages)\n"
                                     "Pages: %4 → %5\n"
                                     "Tiles: %6 → %7 (the cells that hold something; the level editor takes %8)\n\n"
                                     "Each cell moves on its own: a texture that spans several cells may be split.\n"
                                     "Afterwards you can save the move map, which tells a level's faces where "
                                     "their cells went.")
      .arg(RulesText(mode))
      .arg(cellsBefore)
      .arg(pagesAfter * (kSetPageSide / kSetCellSide) * columns)
      .arg(pagesBefore)
      .arg(pagesAfter)
      .arg(compacted.used)
      .arg(compacted.kept)
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
  const QImage set = census_.ShownSet();
  const CensusMode mode = census_.Mode();
  try {
    compacted = CompactSet(set, target_.Fill(), CompactRules::Of(mode));
  } catch (const std::bad_alloc&) {
    compacted = Failure<>{QStringLiteral("not enough memory")};
  }
  if (!compacted) {
    dialogs_.ShowMessage(QCoreApplication::translate("mosaicor::MainWindow", "The Target cannot be compacted: %1")
                             .arg(TranslatedReason(compacted.Text())));
    return false;
  }
  const int columns = set.width() / kSetCellSide;
  const int cells = columns * (set.height() / kSetCellSide);
  if (!dialogs_.ConfirmCompact(CountsText(compacted.Value(), mode, cells, columns, target_.Pages().height)))
    return false;

  const int pages = compacted->set.height() / kSetPageSide;
  history_.RecordWholePicture(QCoreApplication::translate("mosaicor::TargetHistory", "Compact Set"), [&] {
    target_.Picture().SetPicture(compacted->set);
    target_.SetPages(TargetPages{target_.Pages().width, pages});
  });

  savedMap_.reset();
  if (const std::optional<QString> map = dialogs_.SaveMoveMapFile(MapPreset(doc_))) {
    if (Reported(dialogs_, *map, WriteFileAtomically(*map, MoveMapCsv(compacted->moves)))) {
      doc_.Remember(*map);
      savedMap_ = *map;
    }
  }
  return true;
}

void CompactWorkflow::BeforeUndo() {
  undoingCompaction_ =
      savedMap_ && history_.UndoName() == QCoreApplication::translate("mosaicor::TargetHistory", "Compact Set");
}

void CompactWorkflow::AfterUndo() {
  if (!undoingCompaction_) return;
  undoingCompaction_ = false;
  dialogs_.ShowMessage(QCoreApplication::translate("mosaicor::MainWindow",
                                                   "The compaction is undone. The move map saved with it,\n%1,\n"
                                                   "describes a change that was undone: it no longer fits the "
                                                   "Target. Delete it, or keep it only if you compact again the "
                                                   "same way.")
                           .arg(QDir::toNativeSeparators(*savedMap_)));
  savedMap_.reset();
}

}  // namespace mosaicor
