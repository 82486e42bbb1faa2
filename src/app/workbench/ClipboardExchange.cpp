#include "app/workbench/ClipboardExchange.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "app/workbench/TileWorkflow.h"
#include "app/workbench/Workbench.h"

namespace mosaicor {

ClipboardExchange::ClipboardExchange(Workbench& bench)
    : bench_(bench), doc_(bench.Doc), view_(bench.View), tiles_(bench.Tiles()) {
  if (QClipboard* clipboard = QGuiApplication::clipboard())
    QObject::connect(clipboard, &QClipboard::dataChanged, &bench_, [this] { FollowClipboard(); });
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
  const Workbench::Operation operation(bench_);
  if (checked) view_.AutoImportChecked = false;
  bench_.Source.Cursor().SetAutoExport(checked);
  bench_.Target.Cursor().SetAutoExport(checked);
  bench_.NoActiveControls();
}

void ClipboardExchange::SetAutoImport(bool checked) {
  const Workbench::Operation operation(bench_);
  view_.AutoImportChecked = checked;
  if (checked && bench_.AutoExport()) SetAutoExport(false);
  bench_.NoActiveControls();
}

void ClipboardExchange::FollowClipboard() {
  if (view_.AutoImportChecked) ImportFromClipboard();
}

}  // namespace mosaicor
