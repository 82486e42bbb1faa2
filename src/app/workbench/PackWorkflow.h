#pragma once
// Pictures added to the Target as tiles, many at once: each picture is a cut resized by the size
// selector and masked by the picker when that is on, and goes into the next free cells of the
// Target (cells all of its fill colour), which grows by pages as needed. The whole pack is one
// edit; pictures that fail are named together in one message once the others are placed.

#include <QStringList>

namespace mosaicor {

class Chooser;
class ImageFileModule;
class Operations;
class TargetDocument;
class TargetHistory;
struct Document;
struct ViewState;

class PackWorkflow {
 public:
  PackWorkflow(Operations& operations, Chooser& dialogs, ImageFileModule& pictures, Document& doc,
               const ViewState& view, TargetDocument& target, TargetHistory& history)
      : operations_(operations),
        dialogs_(dialogs),
        pictures_(pictures),
        doc_(doc),
        view_(view),
        target_(target),
        history_(history) {}

  // File > Add Pictures as Tiles: the pictures chosen in the dialog. False when it was cancelled
  // or nothing could be placed.
  bool AddPicturesAsTilesDialog();
  // Several files dropped on the Target. Places what it can; true when at least one picture was placed.
  bool AddPicturesAsTiles(const QStringList& fileNames);

 private:
  Operations& operations_;
  Chooser& dialogs_;
  ImageFileModule& pictures_;
  Document& doc_;
  const ViewState& view_;
  TargetDocument& target_;
  TargetHistory& history_;
};

}  // namespace mosaicor
