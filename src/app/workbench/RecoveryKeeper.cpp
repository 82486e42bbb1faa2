#include "app/workbench/RecoveryKeeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

#include "app/workbench/Operations.h"
#include "app/workbench/TargetDocument.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/TargetWorkflow.h"
#include "app/workbench/Workbench.h"
#include "core/canvas/ImageStack.h"
#include "core/recovery/RecoveryFile.h"

namespace mosaicor {

namespace {

const QString kSuffix = QStringLiteral(".recovery");
const QString kLockSuffix = QStringLiteral(".lock");
// A file that could not be read is kept under this name, out of the way of the next start's offer.
const QString kUnreadableSuffix = QStringLiteral(".unreadable");

QString LockNameOf(const QString& recoveryFile) { return recoveryFile.chopped(kSuffix.size()) + kLockSuffix; }

}  // namespace

RecoveryKeeper::RecoveryKeeper(Workbench& bench, const QString& folder)
    : history_(bench.History()),
      dialogs_(bench.Dialogs()),
      doc_(bench.Doc()),
      target_(bench.TargetDoc()),
      targets_(bench.Targets()),
      folder_(folder) {
  pool_.setMaxThreadCount(1);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::WriteNow);
  // Edits are followed even when no copy can be kept, so that the first one says so.
  connect(&history_, &TargetHistory::edited, this, &RecoveryKeeper::TargetEdited);
  connect(&bench.Ops(), &Operations::Changed, this, &RecoveryKeeper::StateChanged);
  const QString shown = QDir::toNativeSeparators(folder_);
  if (folder_.isEmpty()) {
    unavailable_ = tr("this system names no folder for it");
    return;
  }
  if (!QDir().mkpath(folder_)) {
    unavailable_ = tr("the folder %1 cannot be made").arg(shown);
    return;
  }
  const QString base = QDir(folder_).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces));
  auto lock = std::make_unique<QLockFile>(base + kLockSuffix);
  // Only a lock whose program is gone is free: however old, a running program's lock stays.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) {
    unavailable_ = tr("the folder %1 cannot be written").arg(shown);
    return;
  }
  lock_ = std::move(lock);
  fileName_ = base + kSuffix;
}

RecoveryKeeper::~RecoveryKeeper() {
  timer_.stop();
  pool_.waitForDone();
  if (lock_) QFile::remove(fileName_);
}

QString RecoveryKeeper::DefaultFolder() {
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  return cache.isEmpty() ? QString() : cache + QStringLiteral("/recovery");
}

void RecoveryKeeper::TargetEdited() {
  pending_ = true;
  Schedule();
}

void RecoveryKeeper::StateChanged() {
  if (!history_.IsClean() || (!pending_ && !onDisk_)) return;
  // Saved, or undone back to what was saved: there is nothing to recover.
  pending_ = false;
  timer_.stop();
  if (!writing_ && onDisk_) onDisk_ = !QFile::remove(fileName_);
}

void RecoveryKeeper::Schedule() {
  if (writing_ || timer_.isActive()) return;
  const qint64 wait = sinceWrite_.isValid() ? spacingMs_ - sinceWrite_.elapsed() : 0;
  timer_.start(int(std::max<qint64>(wait, 0)));
}

void RecoveryKeeper::WriteNow() {
  if (!pending_ || writing_) return;
  pending_ = false;
  if (history_.IsClean()) return;
  if (!lock_) {
    TellFailure(unavailable_);
    return;
  }
  const Document& doc = doc_;
  const TargetDocument& target = target_;
  const ImageLayer& image = target.Picture();
  RecoveryState state;
  state.target = image.StoredPicture();  // shared, not copied: null while the Target holds no pixels
  state.widthPages = target.Pages().width;
  state.heightPages = target.Pages().height;
  state.fill = target.Fill();
  state.savedAt = QDateTime::currentDateTimeUtc();
  for (const auto& [name, field] : doc.NamedFiles()) state.paths.emplace_back(name, field->value_or(QString()));
  state.paths.emplace_back(Document::LastFolderName, doc.LastFolder);
  writing_ = true;
  pool_.start([this, state = std::move(state), blank = image.PictureSize(), fileName = fileName_]() mutable {
    if (state.target.isNull()) {
      state.target = QImage(blank, QImage::Format_ARGB32);
      state.target.fill(0xFF000000u);
    } else {
      // Pixels of its own, so that the window paints on without copying the picture first.
      state.target = state.target.copy();
    }
    const Outcome<> written = WriteRecoveryFile(state, fileName);
    const QString failure = written ? QString() : written.Text();
    QMetaObject::invokeMethod(
        this, [this, failure] { Written(failure); }, Qt::QueuedConnection);
  });
}

void RecoveryKeeper::Written(const QString& failure) {
  writing_ = false;
  sinceWrite_.start();
  if (failure.isEmpty())
    onDisk_ = true;
  else
    TellFailure(TranslatedReason(failure));
  if (history_.IsClean()) {
    pending_ = false;
    if (onDisk_) onDisk_ = !QFile::remove(fileName_);
  } else if (pending_) {
    Schedule();
  }
  emit WriteEnded();
}

void RecoveryKeeper::TellFailure(const QString& reason) {
  if (failureTold_) return;
  failureTold_ = true;
  const QString text = tr("     The recovery file could not be written: %1").arg(reason);
  emit Noted(text);
  dialogs_.ShowMessage(text.trimmed() + QLatin1Char('\n') +
                       tr("Until it can be, a crash would lose every change since the last save."));
}

void RecoveryKeeper::WaitForWrite() {
  pool_.waitForDone();
  QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

bool RecoveryKeeper::OfferRecovery() {
  if (!lock_) return false;
  const QDir folder(folder_);
  RemoveStaleLocks();
  const QFileInfoList left = folder.entryInfoList({QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Time);
  for (const QFileInfo& info : left) {
    const QString fileName = info.absoluteFilePath();
    if (fileName == QFileInfo(fileName_).absoluteFilePath()) continue;
    QLockFile lock(LockNameOf(fileName));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) continue;  // its program is still running
    switch (Recover(fileName)) {
      case RecoverAnswer::Recover:
        QFile::remove(fileName);
        return true;
      case RecoverAnswer::Discard:
        QFile::remove(fileName);
        break;
      case RecoverAnswer::Later:
        return false;  // kept, and no further question now
    }
  }
  return false;
}

void RecoveryKeeper::RemoveStaleLocks() {
  // A run killed with a clean Target leaves only its lock; a free one without a file is taken
  // and so removed.
  const QDir folder(folder_);
  for (const QFileInfo& info : folder.entryInfoList({QLatin1Char('*') + kLockSuffix}, QDir::Files)) {
    const QString base = info.absoluteFilePath().chopped(kLockSuffix.size());
    if (QFileInfo::exists(base + kSuffix)) continue;
    QLockFile stale(info.absoluteFilePath());
    stale.setStaleLockTime(0);
    if (stale.tryLock(0)) stale.unlock();
  }
}

RecoverAnswer RecoveryKeeper::Recover(const QString& fileName) {
  Result<RecoveryState> read = ReadRecoveryFile(fileName);
  if (!read) {
    // Kept aside rather than deleted: the user may still get something out of it.
    const QString aside = fileName.chopped(kSuffix.size()) + kUnreadableSuffix;
    QFile::remove(aside);
    QString told = tr("%1\nThe texture set left by a run that did not end cleanly cannot be recovered: %2")
                       .arg(QDir::toNativeSeparators(fileName), TranslatedReason(read.Text()));
    const bool movedAside = QFile::rename(fileName, aside);
    if (movedAside) told += QLatin1Char('\n') + tr("The file is kept as %1.").arg(QDir::toNativeSeparators(aside));
    dialogs_.ShowMessage(told);
    // Where it cannot be moved aside it stays where it is, to be told again next time.
    return movedAside ? RecoverAnswer::Discard : RecoverAnswer::Later;
  }
  const RecoveryState& state = read.Value();
  const QString at = state.savedAt.toLocalTime().toString(QStringLiteral("HH:mm"));
  const RecoverAnswer answer = dialogs_.AskToRecover(tr("Recover the texture set you were building at %1?").arg(at));
  if (answer != RecoverAnswer::Recover) return answer;
  targets_.Recover(state);
  return RecoverAnswer::Recover;
}

}  // namespace mosaicor
