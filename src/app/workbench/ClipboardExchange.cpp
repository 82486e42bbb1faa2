#include "app/workbench/ClipboardExchange.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "app/workbench/Operations.h"
#include "app/workbench/TileWorkflow.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

ClipboardExchange::ClipboardExchange(Operations& operations, Document& doc, ViewState& view, ImageStack& source,
                                     ImageStack& target, TileWorkflow& tiles)
    : operations_(operations), doc_(doc), view_(view), source_(source), target_(target), tiles_(tiles) {
  if (QClipboard* clipboard = QGuiApplication::clipboard())
    connect(clipboard, &QClipboard::dataChanged, this, [this] { FollowClipboard(); });
}

QImage ClipboardExchange::OpaqueCopy(const QImage& tile) { return tile.convertToFormat(QImage::Format_RGB32); }

void ClipboardExchange::ExportToClipboard() {
  const QImage& tile = doc_.ClipTile;
  if (tile.isNull()) return;
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(OpaqueCopy(tile));
}

void ClipboardExchange::ImportFromClipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return;
  const QMimeData* data = clipboard->mimeData();
  if (!data || !data->hasImage()) return;
  const QImage picture = clipboard->image();
  if (picture.isNull()) return;
  // Any pixel format arrives; the canvases work in 32 bits.
  tiles_.SetCurrentTile(picture.convertToFormat(QImage::Format_ARGB32));
}

void ClipboardExchange::SetAutoExport(bool checked) {
  const Operations::Operation operation(operations_, Change::View);
  if (checked) view_.AutoImportChecked = false;
  source_.Cursor().SetAutoExport(checked);
  target_.Cursor().SetAutoExport(checked);
}

void ClipboardExchange::SetAutoImport(bool checked) {
  const Operations::Operation operation(operations_, Change::View);
  view_.AutoImportChecked = checked;
  if (checked && source_.Cursor().AutoExport()) SetAutoExport(false);
}

void ClipboardExchange::FollowClipboard() {
  if (view_.AutoImportChecked) ImportFromClipboard();
}

}  // namespace mosaicor
