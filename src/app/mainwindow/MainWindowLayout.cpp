// Builds the main window's controls and lays them out: the Source side on the left, the central
// column and the Target side in the right panel, whose width follows the Target's port.

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/art/Art.h"
#include "app/canvas/CanvasZoom.h"
#include "app/mainwindow/MainWindowControls.h"
#include "app/texts/WindowTexts.h"
#include "core/graphics/AlphaKeying.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// A speed button: its glyph where the program has one, else a short caption.
QToolButton* SpeedButton(QWidget* parent, const char* name, const char* glyph, const QString& caption, bool checkable) {
  auto* button = Named(new QToolButton(parent), name);
  const QIcon icon = LoadGlyph(QLatin1String(glyph));
  if (!icon.isNull()) {
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
  }
  button->setText(caption);
  button->setToolButtonStyle(button->icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
  button->setCheckable(checkable);
  button->setAutoRaise(false);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

void Colour(QWidget* widget, QRgb colour) {
  widget->setAutoFillBackground(true);
  QPalette p = widget->palette();
  p.setColor(QPalette::Base, QColor(colour));
  p.setColor(QPalette::Window, QColor(colour));
  p.setColor(QPalette::Button, QColor(colour));
  widget->setPalette(p);
}

// A click on a file box's text opens its list, as a click on its arrow does: the text is there to be
// read, not typed into.
class OpenListOnClick : public QObject {
 public:
  explicit OpenListOnClick(QComboBox* combo) : QObject(combo), combo_(combo) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Opened on the release: a list opened on the press would take the release as a click of its own.
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) break;
        combo_->showPopup();
        return true;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QComboBox* combo_;
};

QComboBox* FileCombo(QWidget* parent, const char* name, QRgb colour) {
  auto* combo = Named(new QComboBox(parent), name);
  // Editable so that it shows its text like a field; typed text does nothing.
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->lineEdit()->setReadOnly(true);
  combo->lineEdit()->installEventFilter(new OpenListOnClick(combo));
  combo->setFocusPolicy(Qt::ClickFocus);
  Colour(combo, colour);
  return combo;
}

QLabel* InfoLine(QWidget* parent, const char* name) {
  auto* label = Named(new QLabel(parent), name);
  label->setAlignment(Qt::AlignCenter);
  label->setFrameShape(QFrame::StyledPanel);
  return label;
}

QScrollBar* ArrowPair(QWidget* parent, const char* name, Qt::Orientation orientation, int low, int high) {
  auto* bar = Named(new QScrollBar(orientation, parent), name);
  bar->setRange(low, high);
  bar->setPageStep(1);
  bar->setSingleStep(1);
  bar->setFocusPolicy(Qt::NoFocus);
  // Only the arrows: the bar is no longer than the two of them.
  if (orientation == Qt::Horizontal)
    bar->setFixedSize(30, 17);
  else
    bar->setFixedSize(16, 30);
  return bar;
}

QComboBox* ZoomBox(QWidget* parent, const char* name) {
  auto* box = Named(new QComboBox(parent), name);
  for (int factor : ZoomFactors) box->addItem(QStringLiteral("%1\u00d7").arg(factor), factor);
  box->setFocusPolicy(Qt::NoFocus);
  box->setStatusTip(QCoreApplication::translate(
      "mosaicor::MainWindow", "     Zoom: shows the canvas larger ( Ctrl + wheel, Ctrl++, Ctrl+-, Ctrl+0 )."));
  return box;
}

QSlider* SpeedTrack(QWidget* parent, const char* name) {
  auto* slider = Named(new QSlider(Qt::Horizontal, parent), name);
  slider->setRange(1, 4);
  slider->setValue(1);
  slider->setPageStep(1);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setFocusPolicy(Qt::NoFocus);
  return slider;
}

// An animation tab: its Stop button and speed track bar.
QWidget* AnimationTab(const char* name, const char* stopName, const char* trackName, QPushButton*& stop,
                      QSlider*& track) {
  auto* tab = Named(new QWidget, name);
  auto* row = new QHBoxLayout(tab);
  stop = Named(new QPushButton(QCoreApplication::translate("mosaicor::MainWindow", "Stop"), tab), stopName);
  stop->setFocusPolicy(Qt::NoFocus);
  track = SpeedTrack(tab, trackName);
  row->addWidget(stop);
  row->addWidget(track);
  row->addStretch();
  return tab;
}

void BuildSourceSide(MainWindowControls& c, QWidget* left) {
  auto* column = new QVBoxLayout(left);
  column->setContentsMargins(4, 4, 2, 2);
  column->setSpacing(3);
  c.SourceCombo = FileCombo(left, "SourceCombo", qRgb(192, 220, 192));
  c.Source = Named(new CanvasWidget(left), "Source");
  c.Source->setMinimumSize(64, 64);
  c.SourceAreaInfo = InfoLine(left, "SourceAreaInfo");
  Colour(c.SourceAreaInfo, qRgb(192, 220, 192));
  c.SourcePageControl = Named(new QTabWidget(left), "SourcePageControl");
  c.SourcePageControl->setFocusPolicy(Qt::NoFocus);

  auto* grid = Named(new QWidget, "TabGrid");
  auto* gridRow = new QHBoxLayout(grid);
  c.SpeedButtonReset = SpeedButton(grid, "SpeedButtonReset", "reset",
                                   QCoreApplication::translate("mosaicor::MainWindow", "Reset"), false);
  c.SpeedButtonView =
      SpeedButton(grid, "SpeedButtonView", "view", QCoreApplication::translate("mosaicor::MainWindow", "View"), true);
  c.SpeedButtonStyle = SpeedButton(grid, "SpeedButtonStyle", "style",
                                   QCoreApplication::translate("mosaicor::MainWindow", "Style"), true);
  c.ImageGridSize = Named(new QLabel(grid), "ImageGridSize");
  c.ImageGridSize->setPixmap(LoadGlyph(QStringLiteral("style")).pixmap(20, 20));
  c.StaticTextGrid = Named(new QLabel(QString::number(kSetCellSide), grid), "StaticTextGrid");
  c.StaticTextGrid->setAlignment(Qt::AlignCenter);
  c.StaticTextGrid->setFrameShape(QFrame::StyledPanel);
  c.StaticTextGrid->setMinimumWidth(28);
  c.ScrollBarGrid = Named(new QScrollBar(Qt::Horizontal, grid), "ScrollBarGrid");
  c.ScrollBarGrid->setRange(0, 3);
  c.ScrollBarGrid->setValue(3);
  c.ScrollBarGrid->setPageStep(1);
  c.ScrollBarGrid->setFocusPolicy(Qt::NoFocus);
  c.ScrollBarGrid->setFixedWidth(80);
  for (QWidget* w : std::initializer_list<QWidget*>{c.SpeedButtonReset, c.SpeedButtonView, c.SpeedButtonStyle,
                                                    c.ImageGridSize, c.StaticTextGrid, c.ScrollBarGrid})
    gridRow->addWidget(w);
  gridRow->addStretch();

  auto* transparency = Named(new QWidget, "TabTransparency");
  auto* transparencyRows = new QVBoxLayout(transparency);
  auto* transparencyRow = new QHBoxLayout;
  transparencyRows->addLayout(transparencyRow);
  c.SpeedButtonOpaque = SpeedButton(transparency, "SpeedButtonOpaque", "opaque",
                                    QCoreApplication::translate("mosaicor::MainWindow", "None"), true);
  c.SpeedButtonMagenta = SpeedButton(transparency, "SpeedButtonMagenta", "magenta",
                                     QCoreApplication::translate("mosaicor::MainWindow", "Convert"), true);
  c.SpeedButtonPicker = SpeedButton(transparency, "SpeedButtonPicker", "picker",
                                    QCoreApplication::translate("mosaicor::MainWindow", "Picker"), true);
  c.TransparencyGroup = new QButtonGroup(transparency);
  c.TransparencyGroup->setExclusive(true);
  c.TransparencyGroup->addButton(c.SpeedButtonOpaque);
  c.TransparencyGroup->addButton(c.SpeedButtonMagenta);
  c.TransparencyGroup->addButton(c.SpeedButtonPicker);
  c.SpeedButtonOpaque->setChecked(true);
  c.SourceColourSample = Named(new ColourPot(transparency), "SourceColourSample");
  c.SourceColourSample->setFixedSize(22, 22);
  c.SpeedButtonAlpha = SpeedButton(transparency, "SpeedButtonAlpha", "alpha",
                                   QCoreApplication::translate("mosaicor::MainWindow", "Alpha"), true);
  c.SpeedButtonAlpha->setVisible(false);
  // A picture with transparency keyed to magenta for the level editor: off until asked for.
  c.CheckBoxAlphaToMagenta =
      Named(new QCheckBox(QCoreApplication::translate("mosaicor::MainWindow", "Alpha → Magenta"), transparency),
            "CheckBoxAlphaToMagenta");
  c.CheckBoxAlphaToMagenta->setToolTip(QCoreApplication::translate(
      "mosaicor::MainWindow",
      "Pixels of a picture with transparency whose alpha is below the threshold become magenta"));
  c.SliderAlphaThreshold = Named(new QSlider(Qt::Horizontal, transparency), "SliderAlphaThreshold");
  c.SliderAlphaThreshold->setRange(kMinAlphaThreshold, kMaxAlphaThreshold);
  c.SliderAlphaThreshold->setValue(kDefaultAlphaThreshold);
  c.SliderAlphaThreshold->setMinimumWidth(60);
  c.SliderAlphaThreshold->setFocusPolicy(Qt::NoFocus);
  c.CheckBoxCleanFringe =
      Named(new QCheckBox(QCoreApplication::translate("mosaicor::MainWindow", "Clean fringe"), transparency),
            "CheckBoxCleanFringe");
  for (QWidget* w : std::initializer_list<QWidget*>{c.SpeedButtonOpaque, c.SpeedButtonMagenta, c.SpeedButtonPicker,
                                                    c.SourceColourSample, c.SpeedButtonAlpha})
    transparencyRow->addWidget(w);
  transparencyRow->addStretch();
  // The keying of pictures with alpha in rows of their own, so every language's texts fit the tab.
  auto* keyingRow = new QHBoxLayout;
  keyingRow->addWidget(c.CheckBoxAlphaToMagenta);
  keyingRow->addWidget(c.SliderAlphaThreshold, 1);
  transparencyRows->addLayout(keyingRow);
  transparencyRows->addWidget(c.CheckBoxCleanFringe);

  QWidget* anim =
      AnimationTab("TabAnimSource", "ButtonStopSource", "TrackBarSource", c.ButtonStopSource, c.TrackBarSource);

  c.SourcePageControl->addTab(grid, QString());
  c.SourcePageControl->addTab(transparency, QString());
  c.SourcePageControl->addTab(anim, QString());

  column->addWidget(c.SourceCombo);
  column->addWidget(c.Source, 1);
  // The Source's three tabs fill the narrowest left side: its zoom box sits beside the info line.
  c.SourceZoom = ZoomBox(left, "SourceZoom");
  auto* infoRow = new QHBoxLayout;
  infoRow->addWidget(c.SourceAreaInfo, 1);
  infoRow->addWidget(c.SourceZoom);
  column->addLayout(infoRow);
  column->addWidget(c.SourcePageControl);
}

void BuildCentralColumn(MainWindowControls& c, QWidget* centre) {
  centre->setFixedWidth(CentralColumnWidth);
  auto* column = new QVBoxLayout(centre);
  column->setContentsMargins(6, 4, 6, 4);
  column->setSpacing(4);
  c.CopyButton = Named(new QPushButton(centre), "CopyButton");
  c.CopyButton->setCursor(Qt::PointingHandCursor);
  c.CopyButton->setFocusPolicy(Qt::NoFocus);

  auto* sizeRow = new QHBoxLayout;
  c.ClipTileSizeScroll = Named(new QScrollBar(Qt::Vertical, centre), "ClipTileSizeScroll");
  c.ClipTileSizeScroll->setRange(0, 100);
  c.ClipTileSizeScroll->setPageStep(1);
  c.ClipTileSizeScroll->setFixedSize(17, 30);
  c.ClipTileSizeScroll->setFocusPolicy(Qt::NoFocus);
  c.ClipTileSize = Named(new QLabel(centre), "ClipTileSize");
  c.ClipTileSize->setFrameShape(QFrame::StyledPanel);
  c.ClipTileSize->setFixedHeight(30);
  Colour(c.ClipTileSize, qRgb(224, 208, 0));
  sizeRow->addWidget(c.ClipTileSizeScroll);
  sizeRow->addWidget(c.ClipTileSize, 1);

  c.ClipTileAreaBevel = Named(new QFrame(centre), "ClipTileAreaBevel");
  c.ClipTileAreaBevel->setFrameShape(QFrame::StyledPanel);
  auto* tile = new QVBoxLayout(c.ClipTileAreaBevel);
  tile->setContentsMargins(4, 2, 4, 4);
  tile->setSpacing(3);
  c.ClipTileLabel = Named(new QLabel(c.ClipTileAreaBevel), "ClipTileLabel");
  auto* pots = new QHBoxLayout;
  c.PanelMagenta = Named(new ColourPot(c.ClipTileAreaBevel), "PanelMagenta");
  c.PanelBlack = Named(new ColourPot(c.ClipTileAreaBevel), "PanelBlack");
  c.PanelFiller = Named(new ColourPot(c.ClipTileAreaBevel), "PanelFiller");
  pots->addStretch();
  for (ColourPot* pot : {c.PanelMagenta, c.PanelBlack, c.PanelFiller}) {
    pot->setFixedSize(16, 16);
    pots->addWidget(pot);
  }
  pots->addStretch();
  c.ClipTilePanel = Named(new QFrame(c.ClipTileAreaBevel), "ClipTilePanel");
  c.ClipTilePanel->setFixedSize(kSetCellSide + 2, kSetCellSide + 2);
  c.ClipTilePanel->setAutoFillBackground(true);
  QPalette black = c.ClipTilePanel->palette();
  black.setColor(QPalette::Window, Qt::black);
  c.ClipTilePanel->setPalette(black);
  c.ClipTileImage = Named(new QLabel(c.ClipTilePanel), "ClipTileImage");
  c.ClipTileImage->setGeometry(1, 1, kSetCellSide, kSetCellSide);
  c.ClipTileImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  c.ClipLabel = Named(new QLabel(c.ClipTileAreaBevel), "ClipLabel");
  c.CheckBoxExport =
      Named(new QCheckBox(QCoreApplication::translate("mosaicor::MainWindow", "AUTO EXPORT"), c.ClipTileAreaBevel),
            "CheckBoxExport");
  c.ClipExportButton =
      Named(new QPushButton(QCoreApplication::translate("mosaicor::MainWindow", "Export"), c.ClipTileAreaBevel),
            "ClipExportButton");
  c.ClipImportButton =
      Named(new QPushButton(QCoreApplication::translate("mosaicor::MainWindow", "Import"), c.ClipTileAreaBevel),
            "ClipImportButton");
  c.CheckBoxImport =
      Named(new QCheckBox(QCoreApplication::translate("mosaicor::MainWindow", "AUTO IMPORT"), c.ClipTileAreaBevel),
            "CheckBoxImport");
  for (QCheckBox* box : {c.CheckBoxExport, c.CheckBoxImport}) {
    QFont small = box->font();
    small.setPixelSize(8);
    box->setFont(small);
    QPalette grey = box->palette();
    grey.setColor(QPalette::WindowText, Qt::darkGray);
    box->setPalette(grey);
    box->setFocusPolicy(Qt::NoFocus);
  }
  for (QPushButton* b : {c.ClipExportButton, c.ClipImportButton}) b->setFocusPolicy(Qt::NoFocus);
  tile->addWidget(c.ClipTileLabel, 0, Qt::AlignLeft);
  tile->addLayout(pots);
  tile->addWidget(c.ClipTilePanel, 0, Qt::AlignHCenter);
  tile->addWidget(c.ClipLabel, 0, Qt::AlignLeft);
  tile->addWidget(c.CheckBoxExport);
  tile->addWidget(c.ClipExportButton);
  tile->addWidget(c.ClipImportButton);
  tile->addWidget(c.CheckBoxImport);

  c.HelpSpeedButton = SpeedButton(centre, "HelpSpeedButton", "help", QStringLiteral("?"), false);
  c.HelpSpeedButton->setMinimumSize(40, 28);

  column->addWidget(c.CopyButton);
  column->addLayout(sizeRow);
  column->addWidget(c.ClipTileAreaBevel);
  column->addStretch(1);
  column->addWidget(c.HelpSpeedButton, 0, Qt::AlignHCenter);
}

void BuildTargetSide(MainWindowControls& c, QWidget* side) {
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 4, 0, 2);
  column->setSpacing(3);
  c.TargetCombo = FileCombo(side, "TargetCombo", qRgb(166, 202, 240));
  c.Target = Named(new CanvasWidget(side), "Target");
  c.Target->ScrollBoxImageStack->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  c.Target->ScrollBoxImageStack->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto* counters = new QHBoxLayout;
  counters->setSpacing(0);
  c.TargetWidth = InfoLine(side, "TargetWidth");
  c.TargetWidth->setFixedWidth(std::max(18, c.TargetWidth->fontMetrics().horizontalAdvance(QStringLiteral("8")) + 8));
  c.TargetWidthScrollBar = ArrowPair(side, "TargetWidthScrollBar", Qt::Horizontal, 1, kSetMaxWidth / kSetPageSide);
  c.TargetAreaInfo = Named(new FittingLabel(side), "TargetAreaInfo");
  c.TargetAreaInfo->setAlignment(Qt::AlignCenter);
  c.TargetAreaInfo->setFrameShape(QFrame::StyledPanel);
  // Its text never widens the window: the letters shrink instead.
  c.TargetAreaInfo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  c.TargetHeightScrollBar = ArrowPair(side, "TargetHeightScrollBar", Qt::Vertical, 1, kSetMaxHeightPages);
  // Up raises the page count.
  c.TargetHeightScrollBar->setInvertedAppearance(true);
  c.TargetHeightScrollBar->setInvertedControls(true);
  c.TargetHeight = InfoLine(side, "TargetHeight");
  // Room for two digits in the font the system gives, frame included.
  const int counterWidth = std::max(18, c.TargetHeight->fontMetrics().horizontalAdvance(QStringLiteral("88")) + 8);
  c.TargetHeight->setFixedWidth(counterWidth);
  // The info line has the width of a one-page port to itself: a compact font keeps it whole.
  QFont compact = c.TargetAreaInfo->font();
  compact.setPixelSize(10);
  c.TargetAreaInfo->setFont(compact);
  counters->addWidget(c.TargetWidth);
  counters->addWidget(c.TargetWidthScrollBar);
  counters->addWidget(c.TargetAreaInfo, 1);
  counters->addWidget(c.TargetHeightScrollBar);
  counters->addWidget(c.TargetHeight);

  c.TargetPageControl = Named(new QTabWidget(side), "TargetPageControl");
  c.TargetPageControl->setFocusPolicy(Qt::NoFocus);
  auto* transform = Named(new QWidget, "TabTransform");
  auto* transformRow = new QHBoxLayout(transform);
  c.SpeedButtonNone = SpeedButton(transform, "SpeedButtonNone", "none",
                                  QCoreApplication::translate("mosaicor::MainWindow", "None"), true);
  c.SpeedButtonRotate = SpeedButton(transform, "SpeedButtonRotate", "rotate",
                                    QCoreApplication::translate("mosaicor::MainWindow", "Rot"), true);
  c.SpeedButtonHFlip = SpeedButton(transform, "SpeedButtonHFlip", "hflip", QStringLiteral("H"), true);
  c.SpeedButtonVFlip = SpeedButton(transform, "SpeedButtonVFlip", "vflip", QStringLiteral("V"), true);
  c.SpeedButtonSwap = SpeedButton(transform, "SpeedButtonSwap", "swap",
                                  QCoreApplication::translate("mosaicor::MainWindow", "Swap"), true);
  c.SpeedButtonMove = SpeedButton(transform, "SpeedButtonMove", "move",
                                  QCoreApplication::translate("mosaicor::MainWindow", "Move"), true);
  c.TransformGroup = new QButtonGroup(transform);
  c.TransformGroup->setExclusive(true);
  int id = 0;
  for (QToolButton* b : {c.SpeedButtonNone, c.SpeedButtonRotate, c.SpeedButtonHFlip, c.SpeedButtonVFlip,
                         c.SpeedButtonSwap, c.SpeedButtonMove}) {
    c.TransformGroup->addButton(b, id++);
    transformRow->addWidget(b);
  }
  c.SpeedButtonNone->setChecked(true);
  transformRow->addStretch();
  QWidget* anim =
      AnimationTab("TabAnimTarget", "ButtonStopTarget", "TrackBarTarget", c.ButtonStopTarget, c.TrackBarTarget);
  c.TargetPageControl->addTab(transform, QString());
  c.TargetPageControl->addTab(anim, QString());
  c.TargetZoom = ZoomBox(c.TargetPageControl, "TargetZoom");
  c.TargetPageControl->setCornerWidget(c.TargetZoom, Qt::TopRightCorner);
  // Beside the zoom box a one-page Target leaves little room: where a language's tab names are longer
  // than that (German), the tabs share it and shorten their names, rather than hiding one behind
  // scroll arrows.
  c.TargetPageControl->tabBar()->setUsesScrollButtons(false);
  c.TargetPageControl->tabBar()->setElideMode(Qt::ElideRight);

  column->addWidget(c.TargetCombo);
  column->addWidget(c.Target, 1);
  column->addLayout(counters);
  column->addWidget(c.TargetPageControl);
}

}  // namespace

MainWindowControls BuildMainWindowControls(QWidget* central, QStatusBar* statusBar) {
  MainWindowControls c;
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);

  c.PanelLeftSide = Named(new QWidget(central), "PanelLeftSide");
  c.PanelLeftSide->setMinimumWidth(LeftSideMinimumWidth);
  BuildSourceSide(c, c.PanelLeftSide);

  c.PanelRightSide = Named(new ClickPanel(central), "PanelRightSide");
  c.PanelRightSide->setFocusPolicy(Qt::StrongFocus);
  auto* right = new QHBoxLayout(c.PanelRightSide);
  right->setContentsMargins(0, 0, RightMargin, 0);
  right->setSpacing(0);
  auto* centre = new QWidget(c.PanelRightSide);
  BuildCentralColumn(c, centre);
  c.TargetSide = new QWidget(c.PanelRightSide);
  BuildTargetSide(c, c.TargetSide);
  right->addWidget(centre);
  right->addWidget(c.TargetSide, 1);

  row->addWidget(c.PanelLeftSide, 1);
  row->addWidget(c.PanelRightSide);

  c.StatusBar = statusBar;
  c.StatusBar->setObjectName(QStringLiteral("StatusBar"));
  // The hint is a widget of the line, not the line's own message, which would be painted across
  // the pointer readout.
  c.StatusHint = Named(new ElidedLabel(statusBar), "StatusHint");
  statusBar->addWidget(c.StatusHint, 1);
  c.PointerInfo = Named(new QLabel(statusBar), "PointerInfo");
  // As wide as the longest readout in the window's language, so the hint beside it never moves as
  // the pointer does.
  const QString longest = QCoreApplication::translate("mosaicor::MainWindow", "x %1, y %2 · tile %3 · page %4")
                              .arg(16383)
                              .arg(16383)
                              .arg(2047)
                              .arg(128);
  c.PointerInfo->setFixedWidth(c.PointerInfo->fontMetrics().horizontalAdvance(longest) + 8);
  statusBar->addPermanentWidget(c.PointerInfo);
  return c;
}

}  // namespace mosaicor
