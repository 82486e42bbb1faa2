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
#include "core/common/WholeFile.h"
#include "core/imagefiles/AtomicWrite.h"
#include "core/packing/Compaction.h"
#include "core/packing/SetGeometry.h"
#include "core/project/LevelProject.h"
#include "core/project/ProjectRemap.h"

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

// A set file is at most a few tens of MiB.
constexpr qint64 kMostSetFileBytes = qint64(1) << 30;

// Where a kept old file goes: "level.bak.tga" beside "level.tga".
QString BackupOf(const QString& file) {
  const QFileInfo info(file);
  return info.dir().filePath(info.completeBaseName() + QStringLiteral(".bak.") + info.suffix());
}

QString Native(const QString& file) { return QDir::toNativeSeparators(file); }

}  // namespace

std::optional<CompactWorkflow::ProjectCompaction> CompactWorkflow::WithProject(const QImage& set) {
  // The dialog opens in the set's folder, where the project usually is.
  const std::optional<QString> file =
      dialogs_.OpenProjectFile(project_ ? project_->file : doc_.DialogPreset(std::nullopt));
  if (!file) return std::nullopt;
  // A project already updated by a compaction not yet saved is updated again from there.
  Result<QByteArray> bytes = project_ && project_->file == *file ? Result<QByteArray>(project_->bytes)
                                                                 : ReadWholeFile(*file, kMostProjectBytes);
  const Result<LevelProject> project =
      bytes ? ReadLevelProject(std::move(bytes).Value()) : Result<LevelProject>(bytes.Status());
  if (!Reported(dialogs_, *file, project.Status())) return std::nullopt;
  CompactRules rules = CompactRules::Of(census_.Mode());
  const int cells = (set.width() / kSetCellSide) * (set.height() / kSetCellSide);
  AddProjectRules(project.Value(), cells, rules);
  Result<CompactedSet> compacted = CompactSet(set, target_.Fill(), rules);
  Result<QByteArray> rewritten =
      compacted ? RemapProject(project.Value(), WithCellsBeyondTheSet(project.Value(), cells, compacted->moves))
                : Result<QByteArray>(compacted.Status());
  if (!rewritten) {
    dialogs_.ShowMessage(QCoreApplication::translate("mosaicor::MainWindow", "The Target cannot be compacted: %1")
                             .arg(TranslatedReason(rewritten.Text())));
    return std::nullopt;
  }
  QString note = QCoreApplication::translate("mosaicor::MainWindow",
                                             "With the project %1: animated cells stay where they are, cells "
                                             "whose settings differ are not merged, and the cells its faces show "
                                             "are used even when empty.")
                     .arg(Native(*file));
  const QString named =
      QFileInfo(QString(project->textureFile).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
  if (doc_.TargetFile && named.compare(QFileInfo(*doc_.TargetFile).fileName(), Qt::CaseInsensitive) != 0)
    note +=
        QLatin1Char('\n') + QCoreApplication::translate("mosaicor::MainWindow",
                                                        "Its texture file is %1, not %2: it is updated all the same.")
                                .arg(project->textureFile, QFileInfo(*doc_.TargetFile).fileName());
  return ProjectCompaction{ProjectUpdate{*file, std::move(rewritten).Value()}, std::move(compacted).Value(), note};
}

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
  const int pagesBefore = target_.Pages().height;
  std::optional<ProjectUpdate> update;
  switch (dialogs_.AskCompact(CountsText(compacted.Value(), mode, cells, columns, pagesBefore), true)) {
    case CompactAnswer::Cancel:
      return false;
    case CompactAnswer::Compact:
      break;
    case CompactAnswer::AlsoProject: {
      std::optional<ProjectCompaction> withProject;
      try {
        withProject = WithProject(set);
      } catch (const std::bad_alloc&) {
        dialogs_.ShowMessage(QCoreApplication::translate("mosaicor::MainWindow", "The Target cannot be compacted: %1")
                                 .arg(TranslatedReason(QStringLiteral("not enough memory"))));
      }
      if (!withProject) return false;
      // The forecast again, as the project allows it.
      const QString counts = withProject->note + QStringLiteral("\n\n") +
                             CountsText(withProject->compacted, mode, cells, columns, pagesBefore);
      if (dialogs_.AskCompact(counts, false) != CompactAnswer::Compact) return false;
      compacted = std::move(withProject->compacted);
      update = std::move(withProject->update);
      break;
    }
  }

  const int pages = compacted->set.height() / kSetPageSide;
  history_.RecordWholePicture(QCoreApplication::translate("mosaicor::TargetHistory", "Compact Set"), [&] {
    target_.Picture().SetPicture(compacted->set);
    target_.SetPages(TargetPages{target_.Pages().width, pages});
  });
  if (update) {
    project_ = std::move(update);
    undoneProject_.reset();
  }

  savedMap_.reset();
  if (const std::optional<QString> map = dialogs_.SaveMoveMapFile(MapPreset(doc_))) {
    if (Reported(dialogs_, *map, WriteFileAtomically(*map, MoveMapCsv(compacted->moves)))) {
      doc_.Remember(*map);
      savedMap_ = *map;
    }
  }
  return true;
}

bool CompactWorkflow::IsCompactionStep(const QString& stepName) const {
  return stepName == QCoreApplication::translate("mosaicor::TargetHistory", "Compact Set");
}

void CompactWorkflow::BeforeUndo() { undoingCompaction_ = IsCompactionStep(history_.UndoName()); }

void CompactWorkflow::AfterUndo() {
  if (!undoingCompaction_) return;
  undoingCompaction_ = false;
  // The project waits for a save of the compacted set only while the compaction stands.
  if (project_) {
    undoneProject_ = std::move(project_);
    project_.reset();
  }
  if (!savedMap_) return;
  dialogs_.ShowMessage(QCoreApplication::translate("mosaicor::MainWindow",
                                                   "The compaction is undone. The move map saved with it,\n%1,\n"
                                                   "describes a change that was undone: it no longer fits the "
                                                   "Target. Delete it, or keep it only if you compact again the "
                                                   "same way.")
                           .arg(Native(*savedMap_)));
  savedMap_.reset();
}

void CompactWorkflow::BeforeRedo() { redoingCompaction_ = IsCompactionStep(history_.RedoName()); }

void CompactWorkflow::AfterRedo() {
  if (!redoingCompaction_) return;
  redoingCompaction_ = false;
  if (undoneProject_) {
    project_ = std::move(undoneProject_);
    undoneProject_.reset();
  }
}

bool CompactWorkflow::BeforeSave(const QString& setFile) {
  if (!project_) return true;
  // Both old files are kept before either is replaced; an old backup only when the user says so.
  for (const QString& file : {setFile, project_->file}) {
    if (!QFileInfo::exists(file)) continue;
    const QString backup = BackupOf(file);
    if (QFileInfo::exists(backup) && !dialogs_.ConfirmReplaceBackup(backup)) {
      dialogs_.ShowMessage(
          QCoreApplication::translate("mosaicor::MainWindow", "Nothing was saved: the backup %1 is kept as it was.")
              .arg(Native(backup)));
      return false;
    }
    const Result<QByteArray> old = ReadWholeFile(file, kMostSetFileBytes);
    if (!Reported(dialogs_, file, old.Status())) return false;
    if (!Reported(dialogs_, backup, WriteFileAtomically(backup, old.Value()))) return false;
  }
  return true;
}

void CompactWorkflow::AfterSave(const QString& setFile) {
  if (!project_) return;
  if (!Reported(dialogs_, project_->file, WriteFileAtomically(project_->file, project_->bytes))) return;
  dialogs_.ShowMessage(
      QCoreApplication::translate("mosaicor::MainWindow",
                                  "Saved the compacted set %1 and the updated project %2.\n"
                                  "The old files are kept as %3 and %4.\n"
                                  "Open %2 in the level editor: its faces show what they showed.")
          .arg(Native(setFile), Native(project_->file), Native(BackupOf(setFile)), Native(BackupOf(project_->file))));
  project_.reset();
}

}  // namespace mosaicor
