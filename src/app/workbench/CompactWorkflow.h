#pragma once
// Edit > Compact Set…: the Target without waste. The shown pages lose their empty cells and every
// cell that duplicates an earlier one under the census's mode (the View menu's choice, whether the
// census is shown or not); the cells that stay move to the front and the height shrinks to the
// pages they need. The user sees the counts before anything changes; the change is one undo step,
// and the move map can be saved beside the set. The companion's `compact` gives the same set and
// map: both go through the core's CompactSet. The window does not know which cells a texture
// spans, so each cell moves on its own, and the dialog says so.
//
// The level editor's project that uses the set can be updated with it: its rewritten bytes wait
// for the next save of the set, which first keeps both old files beside them (<name>.bak.tga,
// <name>.bak.prj) and then writes both. Undoing the compaction before that takes the update back.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

#include "core/packing/Compaction.h"

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
  // The same around Edit > Redo: a redone compaction brings its project update back.
  void BeforeRedo();
  void AfterRedo();

  // Around every save of the set: the backups are kept first (false when the user would not
  // replace an old backup, or one could not be written: then nothing is saved), and after the set
  // the updated project is written.
  bool BeforeSave(const QString& setFile);
  void AfterSave(const QString& setFile);
  // The project file a compaction updated, waiting for the next save; empty when none.
  QString PendingProject() const { return project_ ? project_->file : QString(); }

 private:
  Operations& operations_;
  Chooser& dialogs_;
  Document& doc_;
  TargetDocument& target_;
  TargetHistory& history_;
  struct ProjectUpdate {
    QString file;
    QByteArray bytes;  // the project as it must be written
  };
  // The project chosen for a compaction of `set`: its update and the counts it allows; nothing
  // when cancelled or refused (the user was told why).
  struct ProjectCompaction {
    ProjectUpdate update;
    CompactedSet compacted;
    QString note;  // what the question says of the project
  };
  std::optional<ProjectCompaction> WithProject(const QImage& set);
  bool IsCompactionStep(const QString& stepName) const;

  TargetCensus& census_;
  std::optional<QString> savedMap_;  // the map saved with the last compaction still on the undo stack
  bool undoingCompaction_ = false;
  bool redoingCompaction_ = false;
  std::optional<ProjectUpdate> project_;        // written with the next save of the set
  std::optional<ProjectUpdate> undoneProject_;  // the update of a compaction undone, for a redo
};

}  // namespace mosaicor
