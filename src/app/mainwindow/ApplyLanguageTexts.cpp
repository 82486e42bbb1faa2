// Writes the text table onto the main window's controls.

#include <QLayout>
#include <algorithm>

#include "app/mainwindow/MainWindowControls.h"
#include "app/texts/WindowTexts.h"

namespace mosaicor {

namespace {

void SetItems(QComboBox* combo, const QStringList& items) {
  const QSignalBlocker quiet(combo);
  combo->clear();
  combo->addItems(items);
  combo->setCurrentIndex(0);
}

// A control without a hint of its own shows its nearest enclosing control's hint, so the whole
// canvas shows the canvas's hint.
void InheritHints(QWidget* widget, const QString& inherited) {
  const QString hint = widget->statusTip().isEmpty() ? inherited : widget->statusTip();
  if (widget->statusTip().isEmpty()) widget->setStatusTip(hint);
  for (QObject* child : widget->children())
    if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow()) InheritHints(w, hint);
}

// The table's left edge places the English caption; a longer translation moves left just as far as
// it must to show whole in the fixed-width central column.
void PlaceCaption(QLabel* label, const QString& text, int left) {
  label->setText(text);
  label->setContentsMargins(0, 0, 0, 0);
  label->parentWidget()->parentWidget()->layout()->activate();
  const int spare = label->contentsRect().width() - label->fontMetrics().horizontalAdvance(text);
  label->setContentsMargins(std::clamp(spare, 0, left - 4), 0, 0, 0);
}

}  // namespace

void ApplyLanguageTexts(MainWindowControls& c) {
  SetItems(c.SourceCombo, {texts::NoSourceLoaded(), texts::LoadImageFileItem(), texts::ExtractTexturesItem(),
                           texts::ExtractAnimatedItem(), texts::ExtractTilesItem()});
  SetItems(c.TargetCombo, {texts::NoTargetSaved(), texts::SaveAsItem(), texts::CreateNewItem(), texts::ReloadItem()});
  c.SourcePageControl->setTabText(0, texts::TabGrid());
  c.SourcePageControl->setTabText(1, texts::TabTransparency());
  c.SourcePageControl->setTabText(2, texts::TabAnimation());
  c.TargetPageControl->setTabText(0, texts::TabTransform());
  c.TargetPageControl->setTabText(1, texts::TabAnimation());
  c.CopyButton->setText(texts::CopyButton());
  PlaceCaption(c.ClipTileLabel, texts::ClipTileLabel(), texts::ClipTileLabelLeft);
  PlaceCaption(c.ClipLabel, texts::ClipLabel(), texts::ClipLabelLeft);
  c.ClipTileSize->setText(texts::TileSizeLabels().constFirst());

  QWidget* window = c.PanelLeftSide->window();
  for (const texts::Hint& hint : texts::Hints) {
    const QString name = QString::fromLatin1(hint.control);
    QWidget* control = window->findChild<QWidget*>(name);
    if (!control) continue;
    control->setStatusTip(texts::Translated(hint));
    control->setToolTip(QString());
  }
  InheritHints(c.PanelLeftSide, QString());
  InheritHints(c.PanelRightSide, QString());
}

}  // namespace mosaicor
