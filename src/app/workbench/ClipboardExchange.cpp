#include "workbench/ClipboardExchange.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "workbench/TileWorkflow.h"
#include "workbench/Workbench.h"

namespace mosaicor {

ClipboardExchange::ClipboardExchange(Workbench& bench) : bench_(bench) {
  if (QClipboard* clipboard = QGuiApplication::clipboard())
    QObject::connect(clipboard, &QClipboard::dataChanged, &bench_, [this] { ClipboardChanged(); });
}

QImage ClipboardExchange::OpaqueCopy(const QImage& tile) { return tile.convertToFormat(QImage::Format_RGB32); }

void ClipboardExchange::ExportToClipboard() {
  const QImage& tile = bench_.State.ClipTile;
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
  bench_.Tiles().SetCurrentTile(picture.convertToFormat(QImage::Format_ARGB32));
}

void ClipboardExchange::CheckBoxExportClick(bool checked) {
  WindowState& s = bench_.State;
  s.AutoExportChecked = checked;
  if (checked && s.AutoImportChecked) s.AutoImportChecked = false;
  bench_.Source.Cursor().SetAutoExport(checked);
  bench_.Target.Cursor().SetAutoExport(checked);
  bench_.NoActiveControls();
  bench_.NotifyChanged();
}

void ClipboardExchange::CheckBoxImportClick(bool checked) {
  WindowState& s = bench_.State;
  s.AutoImportChecked = checked;
  if (checked && s.AutoExportChecked) CheckBoxExportClick(false);
  bench_.NoActiveControls();
  bench_.NotifyChanged();
}

void ClipboardExchange::ClipboardChanged() {
  if (bench_.State.AutoImportChecked) ImportFromClipboard();
}

}  // namespace mosaicor
