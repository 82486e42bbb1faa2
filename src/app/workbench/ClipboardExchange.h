#pragma once
// Tiles through the system clipboard: Export and Import by button, AUTO EXPORT (every cut on
// either canvas goes out as it is made) and AUTO IMPORT (every picture that arrives on the
// clipboard becomes the current tile). Pictures go out opaque, so that the magenta key stays
// visible in a paint program.

#include <QObject>

class QImage;

namespace mosaicor {

class ImageStack;
class Operations;
class TileWorkflow;
struct Document;
struct ViewState;

class ClipboardExchange : public QObject {
 public:
  ClipboardExchange(Operations& operations, Document& doc, ViewState& view, ImageStack& source, ImageStack& target,
                    TileWorkflow& tiles);

  void ExportToClipboard();
  void ImportFromClipboard();
  void SetAutoExport(bool checked);
  void SetAutoImport(bool checked);
  // Runs on every change of the clipboard's contents.
  void FollowClipboard();

  // What goes on the clipboard for a tile.
  static QImage OpaqueCopy(const QImage& tile);

 private:
  Operations& operations_;
  Document& doc_;
  ViewState& view_;
  ImageStack& source_;
  ImageStack& target_;
  TileWorkflow& tiles_;
};

}  // namespace mosaicor
