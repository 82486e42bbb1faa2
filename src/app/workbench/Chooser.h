#pragma once
// Every question the window asks the user: the file dialogs, the filler colour dialog, message
// boxes and the unsaved-changes question. The window answers with real dialogs; tests answer
// with a script, so no test ever waits on a modal dialog.

#include <QRgb>
#include <QString>
#include <QStringList>
#include <optional>

#include "app/texts/Reasons.h"
#include "core/common/Outcome.h"

namespace mosaicor {

enum class SaveAnswer { Save, Discard, Cancel };
// Whether to take back work left by a run that did not end cleanly. Later (the box closed without
// an answer) keeps it, to be offered again at the next start.
enum class RecoverAnswer { Recover, Discard, Later };
// Compact Set's question: go on, cancel, or first choose the level editor's project to update too.
enum class CompactAnswer { Compact, Cancel, AlsoProject };

class Chooser {
 public:
  virtual ~Chooser() = default;
  // The chosen file, or nothing when the dialog is cancelled. `preset` goes into the file-name
  // box; a preset ending in "/" is a folder, where the dialog opens with an empty name.
  virtual std::optional<QString> OpenPictureFile(const QString& preset) = 0;
  // `asTiles`: for Extract Level Textures as Tiles, which the dialog's title says.
  virtual std::optional<QString> OpenLevelFile(const QString& preset, bool asTiles) = 0;
  virtual std::optional<QString> SavePictureFile(const QString& preset) = 0;
  // Saving the Target: a set of one page can also go to the level editors' sky and font files,
  // which the dialog then lists.
  virtual std::optional<QString> SaveTargetFile(const QString& preset, bool onePage) {
    (void)onePage;
    return SavePictureFile(preset);
  }
  // The colour dialog, opened on `initial` with the sixteen custom colours given as "ColorA=BBGGRR"
  // lines. Returns the dialog's colour afterwards: `initial` again when it was cancelled.
  virtual QRgb ChooseColour(QRgb initial, const QStringList& customColours) = 0;
  // A plain message box with an OK button.
  virtual void ShowMessage(const QString& text) = 0;
  virtual SaveAnswer AskToSaveChanges() = 0;

  // Several pictures at once (Add Pictures as Tiles); none when the dialog is cancelled.
  virtual QStringList OpenPictureFiles(const QString& preset) = 0;
  // The question about work left by a run that did not end cleanly.
  virtual RecoverAnswer AskToRecover(const QString& question) = 0;

  // Compact Set: the before and after counts, with Compact and Cancel buttons. True for Compact.
  virtual bool ConfirmCompact(const QString& counts) = 0;
  // The same question with a third button, "Also update the project that uses this set…", when
  // `offerProject`. Answered by ConfirmCompact where a chooser knows no third answer.
  virtual CompactAnswer AskCompact(const QString& counts, bool offerProject) {
    (void)offerProject;
    return ConfirmCompact(counts) ? CompactAnswer::Compact : CompactAnswer::Cancel;
  }
  // The level editor's project (.prj) to update with a compaction; nothing when cancelled.
  virtual std::optional<QString> OpenProjectFile(const QString& preset) {
    (void)preset;
    return std::nullopt;
  }
  // Where to save the move map of a Compact (a CSV file); nothing when the dialog is cancelled.
  virtual std::optional<QString> SaveMoveMapFile(const QString& preset) = 0;
  // The census's tolerance for near duplicates, 0 to 255; nothing when the dialog is cancelled.
  virtual std::optional<int> AskTolerance(int current) = 0;

  // Save into Object Library: the library (.wad) whose pages the Target's pages replace; nothing
  // when the dialog is cancelled.
  virtual std::optional<QString> OpenObjectLibraryFile(const QString& preset) = 0;
  // A backup kept by an earlier save already exists (of a set, a project or an object library):
  // may it be replaced by the file as it is now? False keeps it and writes nothing.
  virtual bool ConfirmReplaceBackup(const QString& backupFile) = 0;
};

// True for a file that loaded or saved; otherwise shows the failure in a message box that names
// the file and says what is really wrong with it, in the window's language.
template <typename Kind>
bool Reported(Chooser& dialogs, const QString& fileName, const Outcome<Kind>& outcome) {
  if (outcome) return true;
  dialogs.ShowMessage(TranslatedFailureMessage(fileName, outcome));
  return false;
}

}  // namespace mosaicor
