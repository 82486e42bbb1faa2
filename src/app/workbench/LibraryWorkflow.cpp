#include "app/workbench/LibraryWorkflow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <new>

#include "app/workbench/Chooser.h"
#include "app/workbench/Operations.h"
#include "app/workbench/TargetCensus.h"
#include "app/workbench/TargetDocument.h"
#include "app/workbench/WindowState.h"
#include "core/imagefiles/AtomicWrite.h"
#include "core/level/ObjectLibrary.h"

namespace mosaicor {

namespace {

// The window reports exhausted memory as it reports a damaged file.
LevelResult<ObjectLibrary> Loaded(const QString& fileName) {
  try {
    return LoadObjectLibrary(fileName);
  } catch (const std::bad_alloc&) {
    return Failure<LevelFailure>{QStringLiteral("out of memory"), LevelFailure::BeyondLimits};
  }
}

Result<QByteArray> Retextured(const ObjectLibrary& library, const QImage& set) {
  try {
    return RetexturedObjectLibrary(library, set);
  } catch (const std::bad_alloc&) {
    return Failure<>{QStringLiteral("not enough memory")};
  }
}

}  // namespace

QString LibraryWorkflow::BackupName(const QString& fileName) {
  const QFileInfo library(fileName);
  return library.dir().filePath(library.completeBaseName() + QStringLiteral(".bak.") + library.suffix());
}

bool LibraryWorkflow::SaveIntoObjectLibraryDialog() {
  const Operations::Operation operation(operations_, Change::Document);
  // The library the Source shows pages of is the likely one to retexture.
  std::optional<QString> preset = lastLibrary_;
  if (!preset && doc_.LevelFile && HasObjectLibraryExtension(*doc_.LevelFile)) preset = doc_.LevelFile;
  const std::optional<QString> chosen = dialogs_.OpenObjectLibraryFile(doc_.DialogPreset(preset));
  return chosen && SaveIntoObjectLibrary(*chosen);
}

bool LibraryWorkflow::SaveIntoObjectLibrary(const QString& fileName) {
  const Operations::Operation operation(operations_, Change::Document);
  // An animation previewed on the Target puts its cells back before the pixels are taken.
  target_.StopAnimation();
  const LevelResult<ObjectLibrary> library = Loaded(fileName);
  if (!Reported(dialogs_, fileName, library.Status())) return false;
  const Result<QByteArray> retextured = Retextured(library.Value(), census_.ShownSet());
  if (!Reported(dialogs_, fileName, retextured.Status())) return false;

  // The old file is kept before the new one takes its name; a backup of an earlier save only
  // when the user lets it go.
  const QString backup = BackupName(fileName);
  if (QFileInfo::exists(backup) && !dialogs_.ConfirmReplaceBackup(backup)) return false;
  if (!Reported(dialogs_, backup, WriteFileAtomically(backup, library->Bytes))) return false;
  if (!Reported(dialogs_, fileName, WriteFileAtomically(fileName, retextured.Value()))) return false;
  lastLibrary_ = fileName;
  doc_.Remember(fileName);
  emit Noted(QCoreApplication::translate("mosaicor::MainWindow",
                                         "     Saved the Target's pages into %1; the old file is kept as %2")
                 .arg(QDir::toNativeSeparators(fileName), QDir::toNativeSeparators(backup)));
  return true;
}

}  // namespace mosaicor
