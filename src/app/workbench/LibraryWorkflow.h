#pragma once
// File > Save into Object Library…: the Target's pages become the texture pages of a classic object
// library (.wad). Only the page pixels change; every other byte of the library is kept. The file
// as it was stays beside it as <name>.bak.wad, and a backup an earlier save left is replaced only
// when the user says so. A Target that is not the size of the library's pages is refused with
// both sizes, and nothing is written.

#include <QObject>
#include <QString>
#include <optional>

namespace mosaicor {

class Chooser;
class Operations;
class TargetCensus;
class TargetDocument;
struct Document;

class LibraryWorkflow : public QObject {
  Q_OBJECT

 public:
  LibraryWorkflow(Operations& operations, Chooser& dialogs, Document& doc, TargetDocument& target, TargetCensus& census)
      : operations_(operations), dialogs_(dialogs), doc_(doc), target_(target), census_(census) {}

  // Asks for the library, then saves into it. True when the library was written.
  bool SaveIntoObjectLibraryDialog();
  // The same without the file dialog.
  bool SaveIntoObjectLibrary(const QString& fileName);

  // "objects.wad" -> "objects.bak.wad", beside it.
  static QString BackupName(const QString& fileName);

 signals:
  // A line for the status line: what was written, and where the old file is.
  void Noted(const QString& text);

 private:
  Operations& operations_;
  Chooser& dialogs_;
  Document& doc_;
  TargetDocument& target_;
  TargetCensus& census_;
  std::optional<QString> lastLibrary_;  // the file dialog's preset next time
};

}  // namespace mosaicor
