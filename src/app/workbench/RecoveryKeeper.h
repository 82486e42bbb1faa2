#pragma once
// Recovery after a crash. While the Target has unsaved changes, a recovery file of it (its
// picture, page counters, fill colour and the remembered paths) is kept in a folder of the
// user's cache: written after each change, at most once every few seconds, on a worker thread and
// atomically, and removed by a save, by undoing back to what was saved, and by a clean exit.
//
// Each running program holds a lock beside its own file, so a file whose lock is free was left by
// a run that did not end cleanly; at start such a file is offered back, removed when the offer is
// declined, kept when the question is closed unanswered, and moved aside when it cannot be read.
// A file of another program that is still running is never touched. When no copy can be written,
// the first edit says so in the status line and in a box.

#include <QElapsedTimer>
#include <QLockFile>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <memory>

#include "app/workbench/Chooser.h"

namespace mosaicor {

class Chooser;
class TargetDocument;
class TargetHistory;
class TargetWorkflow;
class Workbench;
struct Document;

class RecoveryKeeper : public QObject {
  Q_OBJECT

 public:
  // Writes are at least this far apart.
  static constexpr int MinimumSpacingMs = 3000;

  // Takes this program's lock in `folder` (made if need be). Without it, nothing is written.
  RecoveryKeeper(Workbench& bench, const QString& folder);
  // A clean exit: waits for a write under way and removes this program's file.
  ~RecoveryKeeper() override;

  // The user's cache folder for recovery files.
  static QString DefaultFolder();

  // Offers each file left by a run that did not end cleanly, newest first, until one is taken.
  // True when the Target now holds recovered work.
  bool OfferRecovery();

  QString FileName() const { return fileName_; }
  bool Writing() const { return writing_; }
  // Tests and benchmarks: waits for the write under way, and delivers its end.
  void WaitForWrite();
  // Benchmarks: writes closer together than MinimumSpacingMs.
  void SetMinimumSpacing(int ms) { spacingMs_ = ms; }

 signals:
  // A write ended (the file is in place, or the write failed).
  void WriteEnded();
  // A line for the status line: no copy can be kept.
  void Noted(const QString& text);

 private:
  void TargetEdited();
  void StateChanged();
  void Schedule();
  void WriteNow();
  void Written(const QString& failure);
  RecoverAnswer Recover(const QString& fileName);
  void RemoveStaleLocks();
  void TellFailure(const QString& reason);

  TargetHistory& history_;
  Chooser& dialogs_;
  const Document& doc_;
  const TargetDocument& target_;
  TargetWorkflow& targets_;
  QString folder_;
  QString fileName_;
  std::unique_ptr<QLockFile> lock_;
  QTimer timer_;
  QElapsedTimer sinceWrite_;  // invalid before the first write
  QThreadPool pool_;
  int spacingMs_ = MinimumSpacingMs;
  bool pending_ = false;  // a change not yet written
  bool writing_ = false;
  bool failureTold_ = false;
  QString unavailable_;  // why no copy can be kept, when none can
  bool onDisk_ = false;  // this program's file is in place
};

}  // namespace mosaicor
