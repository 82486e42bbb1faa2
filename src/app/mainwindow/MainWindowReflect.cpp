// The window shows the workbench's state: after each operation, the controls that follow what it
// changed, with their handlers quiet meanwhile.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>

#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/QuietSet.h"
#include "app/platform/PickerCursor.h"
#include "app/texts/WindowTexts.h"
#include "app/workbench/TargetDocument.h"
#include "app/workbench/Workbench.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

void SetBackground(QWidget* widget, QRgb colour) {
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, QColor(colour));
  // Dark text on light colours, white on dark and saturated ones such as the red of too many tiles.
  const int luma = (299 * qRed(colour) + 587 * qGreen(colour) + 114 * qBlue(colour)) / 1000;
  p.setColor(QPalette::WindowText, luma > 150 ? Qt::black : Qt::white);
  widget->setAutoFillBackground(true);
  widget->setPalette(p);
}

// A file's path is shown with the system's own separators (backslashes on Windows).
void ShowItem0(QComboBox* combo, const QString& caption) {
  const QString text = QDir::toNativeSeparators(caption);
  const QSignalBlocker quiet(combo);
  combo->setItemText(0, text);
  combo->setCurrentIndex(0);
  combo->setEditText(text);
}

}  // namespace

void MainWindow::Reflect(Changes what) {
  if (what & Change::Document) ReflectDocument();
  if (what & Change::View) ReflectView();
  if (what & Change::Pots) ReflectPots();
  ReflectCanvases();
  ReflectActions();
}

void MainWindow::ReflectDocument() {
  const Document& d = bench_->Doc();
  ShowItem0(c_.SourceCombo, d.SourceCaption());
  ShowItem0(c_.TargetCombo, bench_->TargetComboText());
  if (d.SourceShown)
    c_.SourceAreaInfo->setText(texts::SourceInfoFormat()
                                   .arg(d.SourceShown->size.width())
                                   .arg(d.SourceShown->size.height())
                                   .arg(PF2String(d.SourceShown->format)));
  const TargetPages pages = bench_->TargetDoc().Pages();
  const QSize shown = bench_->TargetDoc().ShownSize();
  const int columns = shown.width() / kSetCellSide, rows = shown.height() / kSetCellSide, tiles = columns * rows;
  c_.TargetAreaInfo->setText(
      texts::TargetInfoFormat().arg(shown.width()).arg(shown.height()).arg(columns).arg(rows).arg(tiles));
  // Red above the level editor's limit of tiles.
  const QRgb infoColour = tiles > kSetMostTiles ? colours::InfoTooMany : colours::InfoNormal;
  for (QLabel* box : {c_.TargetAreaInfo, c_.TargetWidth, c_.TargetHeight}) SetBackground(box, infoColour);
  c_.TargetWidth->setText(QString::number(pages.width));
  c_.TargetHeight->setText(QString::number(pages.height));
  SetQuietly<QAbstractSlider, int>(c_.TargetWidthScrollBar, &QAbstractSlider::setValue, pages.width);
  SetQuietly<QAbstractSlider, int>(c_.TargetHeightScrollBar, &QAbstractSlider::setValue, pages.height);
}

void MainWindow::ReflectView() {
  const ViewState& v = bench_->View();
  const int sizePosition = static_cast<int>(v.TileSize);
  c_.ClipTileSize->setText(texts::TileSizeLabels().value(sizePosition - 1));
  SetQuietly<QAbstractSlider, int>(c_.ClipTileSizeScroll, &QAbstractSlider::setValue, sizePosition);
  SetQuietly<QAbstractButton, bool>(c_.SpeedButtonOpaque, &QAbstractButton::setChecked,
                                    v.Transparency == TransparencyMode::Opaque);
  SetQuietly<QAbstractButton, bool>(c_.SpeedButtonMagenta, &QAbstractButton::setChecked,
                                    v.Transparency == TransparencyMode::Magenta);
  SetQuietly<QAbstractButton, bool>(c_.SpeedButtonPicker, &QAbstractButton::setChecked,
                                    v.Transparency == TransparencyMode::Picker);
  SetQuietly<QAbstractButton, bool>(c_.SpeedButtonAlpha, &QAbstractButton::setChecked, bench_->AlphaShown());
  SetQuietly<QAbstractButton, bool>(c_.CheckBoxAlphaToMagenta, &QAbstractButton::setChecked, v.AlphaToMagenta);
  SetQuietly<QAbstractSlider, int>(c_.SliderAlphaThreshold, &QAbstractSlider::setValue, v.AlphaThreshold);
  SetQuietly<QAbstractButton, bool>(c_.CheckBoxCleanFringe, &QAbstractButton::setChecked, v.CleanFringe);
  c_.SliderAlphaThreshold->setToolTip(QString::number(v.AlphaThreshold));
  for (QWidget* w :
       std::initializer_list<QWidget*>{c_.CheckBoxAlphaToMagenta, c_.SliderAlphaThreshold, c_.CheckBoxCleanFringe})
    w->setEnabled(v.SourceHasTransparency);
  SetQuietly<QAbstractButton, bool>(c_.SpeedButtonView, &QAbstractButton::setChecked, bench_->GridShown());
  SetQuietly<QAbstractButton, bool>(c_.SpeedButtonStyle, &QAbstractButton::setChecked, v.GridLines);
  SetQuietly<QAbstractSlider, int>(c_.ScrollBarGrid, &QAbstractSlider::setValue, v.GridSizePosition);
  c_.StaticTextGrid->setText(QString::number(8 << v.GridSizePosition));
  SetQuietly<QAbstractButton, bool>(c_.CheckBoxExport, &QAbstractButton::setChecked, bench_->AutoExport());
  SetQuietly<QAbstractButton, bool>(c_.CheckBoxImport, &QAbstractButton::setChecked, v.AutoImportChecked);
}

void MainWindow::ReflectPots() {
  const Document& d = bench_->Doc();
  c_.PanelMagenta->SetColour(d.TransparentColour);
  c_.PanelBlack->SetColour(d.EmptyColour);
  c_.PanelFiller->SetColour(d.FillerColour);
}

void MainWindow::ReflectCanvases() {
  const Document& d = bench_->Doc();
  const ViewState& v = bench_->View();
  if (QAbstractButton* button = c_.TransformGroup->button(static_cast<int>(bench_->Transform())))
    SetQuietly<QAbstractButton, bool>(button, &QAbstractButton::setChecked, true);
  SetQuietly<QTabWidget, int>(c_.SourcePageControl, &QTabWidget::setCurrentIndex, static_cast<int>(v.SourcePage));
  SetQuietly<QTabWidget, int>(c_.TargetPageControl, &QTabWidget::setCurrentIndex, static_cast<int>(v.TargetPage));
  c_.SourceColourSample->SetColour(d.SampleColour);
  // The viewer shows the current tile's top-left cell, opaque as the canvases draw: most pictures
  // load with alpha 0, which would show as nothing.
  if (d.ClipTile.cacheKey() != shownTileKey_ || d.ClipTile.isNull() != c_.ClipTileImage->pixmap().isNull()) {
    shownTileKey_ = d.ClipTile.cacheKey();
    if (d.ClipTile.isNull())
      c_.ClipTileImage->clear();
    else
      c_.ClipTileImage->setPixmap(QPixmap::fromImage(
          d.ClipTile.copy(0, 0, std::min(kSetCellSide, d.ClipTile.width()), std::min(kSetCellSide, d.ClipTile.height()))
              .convertToFormat(QImage::Format_RGB32)));
  }
  if (v.Picking != pickerShown_) {
    pickerShown_ = v.Picking;
    if (v.Picking)
      c_.Source->BasePanel->setCursor(LoadPickerCursor());
    else
      c_.Source->BasePanel->unsetCursor();
  }
}

}  // namespace mosaicor
