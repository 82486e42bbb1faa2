#include "app/mainwindow/MainWindow.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStatusTipEvent>

#include "app/dialogs/LevelLoadingWindow.h"
#include "app/dialogs/PictureDialogs.h"
#include "app/mainwindow/CensusOverlay.h"
#include "app/mainwindow/DialogChooser.h"
#include "app/mainwindow/QuietSet.h"
#include "app/texts/WindowTexts.h"
#include "app/workbench/ClipboardExchange.h"
#include "app/workbench/ColourPots.h"
#include "app/workbench/LibraryWorkflow.h"
#include "app/workbench/PackWorkflow.h"
#include "app/workbench/SourceWorkflow.h"
#include "app/workbench/TargetCensus.h"
#include "app/workbench/TargetDocument.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/TargetWorkflow.h"
#include "app/workbench/TileWorkflow.h"
#include "app/workbench/Workbench.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

MainWindow::MainWindow(ITonePlayer& tones, Chooser* chooser, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("TMain"));
  QFont small = font();
  small.setFamily(QStringLiteral("Sans Serif"));
  small.setPointSize(8);
  setFont(small);
  centralHolder_ = new QWidget(this);
  setCentralWidget(centralHolder_);
  c_ = BuildMainWindowControls(centralHolder_, statusBar());
  noteTimer_ = new QTimer(this);
  noteTimer_->setSingleShot(true);
  connect(noteTimer_, &QTimer::timeout, this, [this] { c_.StatusHint->SetFullText(hint_); });
  pictureFiles_ = std::make_unique<ImageFileModule>();
  pictures_ = std::make_unique<PictureDialogs>(*pictureFiles_, this);
  levels_ = std::make_unique<LevelLoadingWindow>(this, tones);
  dialogs_ = std::make_unique<DialogChooser>(this, *pictures_, *levels_);
  Chooser& asks = chooser ? *chooser : *dialogs_;
  bench_ = std::make_unique<Workbench>(asks, *pictureFiles_, levels_->Module(), this);
  c_.Source->SetModel(&bench_->Source());
  c_.Target->SetModel(&bench_->Target());
  // Behind a message box the window already shows what the operation has done so far.
  dialogs_->SetBeforeMessage([this] { Reflect(AllChanges); });
  FormCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::FormCreate() {
  ApplyLanguageTexts(c_);
  setWindowTitle(texts::WindowTitle() + QStringLiteral("[*]"));
  WireControls();
  BuildActions();
  WireCanvases();
  bench_->Start();
  // The Target canvas's double clicks do nothing.
  c_.Target->OnDblClick = nullptr;
  for (CanvasWidget* canvas : {c_.Source, c_.Target}) canvas->TimerAnim->stop();
  ApplyTargetWidths();
  setMinimumHeight(445);
  resize(725, 598);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect placed(QPoint(0, 0), size());
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
  }
  Reflect(AllChanges);
}

void MainWindow::WireControls() {
  Workbench& b = *bench_;
  SourceWorkflow& sources = b.Sources();
  TargetWorkflow& targets = b.Targets();
  TileWorkflow& tiles = b.Tiles();
  ColourPots& pots = b.Pots();
  ClipboardExchange& clipboard = b.Clipboard();
  connect(&b.Ops(), &Operations::Changed, this, &MainWindow::Reflect);
  connect(&b.History(), &TargetHistory::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
  connect(&b.Census(), &TargetCensus::Updated, this, &MainWindow::ReflectActions);
  connect(&b.Sources(), &SourceWorkflow::Noted, this, &MainWindow::ShowNote);
  connect(&b.Targets(), &TargetWorkflow::Noted, this, &MainWindow::ShowNote);
  connect(&b.Libraries(), &LibraryWorkflow::Noted, this, &MainWindow::ShowNote);
  connect(&b.Tiles(), &TileWorkflow::SampleColourChanged, this,
          [this, &b] { c_.SourceColourSample->SetColour(b.Doc().SampleColour); });
  connect(&b.TargetDoc(), &TargetDocument::PagesChanged, this, [this, &b](TargetPages before) {
    ReflectDocument();
    if (before.width != b.TargetDoc().Pages().width) FitWidthToTarget();
  });
  connect(&b.Targets(), &TargetWorkflow::ScrolledToOrigin, this, [this] {
    c_.Target->ScrollBoxImageStack->horizontalScrollBar()->setValue(0);
    c_.Target->ScrollBoxImageStack->verticalScrollBar()->setValue(0);
  });
  const auto showSpeeds = [this, &b] {
    SetQuietly<QAbstractSlider, int>(c_.TrackBarSource, &QAbstractSlider::setValue, b.Source().Animation().Speed());
    SetQuietly<QAbstractSlider, int>(c_.TrackBarTarget, &QAbstractSlider::setValue, b.Target().Animation().Speed());
  };
  connect(&b.Sources(), &SourceWorkflow::AnimSpeedChanged, this, showSpeeds);
  connect(&b.Tiles(), &TileWorkflow::AnimSpeedChanged, this, showSpeeds);

  connect(c_.TargetWidthScrollBar, &QScrollBar::valueChanged, this, [this, &targets](int v) {
    targets.SetPageCount(PageCounter::Width, v);
    NoActiveControls();
  });
  connect(c_.TargetHeightScrollBar, &QScrollBar::valueChanged, this, [this, &targets](int v) {
    targets.SetPageCount(PageCounter::Height, v);
    NoActiveControls();
  });
  connect(c_.ClipTileSizeScroll, &QScrollBar::valueChanged, this, [this, &tiles](int v) {
    const int kept = tiles.SetTileSize(v);
    SetQuietly<QAbstractSlider, int>(c_.ClipTileSizeScroll, &QAbstractSlider::setValue, kept);
    NoActiveControls();
  });
  connect(c_.PanelRightSide, &ClickPanel::clicked, this, [&b] { b.ReturnToIdle(); });
  connect(c_.HelpSpeedButton, &QToolButton::clicked, this, &MainWindow::HelpSpeedButtonOnClick);

  // Grid tab.
  connect(c_.SpeedButtonReset, &QToolButton::clicked, this, [&tiles] { tiles.ResetGrid(); });
  connect(c_.SpeedButtonStyle, &QToolButton::toggled, this, [&tiles](bool d) { tiles.SetGridLines(d); });
  connect(c_.ScrollBarGrid, &QScrollBar::valueChanged, this, [this, &tiles](int v) {
    tiles.SetGridSize(v);
    NoActiveControls();
  });
  // Transparency tab.
  for (auto [button, mode] : {std::pair{c_.SpeedButtonOpaque, TransparencyMode::Opaque},
                              std::pair{c_.SpeedButtonMagenta, TransparencyMode::Magenta},
                              std::pair{c_.SpeedButtonPicker, TransparencyMode::Picker}})
    connect(button, &QToolButton::clicked, this, [mode, &pots] { pots.ChooseTransparency(mode); });
  connect(c_.CheckBoxAlphaToMagenta, &QCheckBox::toggled, this, [&sources](bool on) { sources.SetAlphaToMagenta(on); });
  connect(c_.SliderAlphaThreshold, &QSlider::valueChanged, this,
          [&sources](int threshold) { sources.SetAlphaThreshold(threshold); });
  connect(c_.CheckBoxCleanFringe, &QCheckBox::toggled, this, [&sources](bool on) { sources.SetCleanFringe(on); });
  // Pots.
  connect(c_.PanelMagenta, &ColourPot::clicked, this, [&pots] { pots.ChooseMagentaPot(); });
  connect(c_.PanelBlack, &ColourPot::clicked, this, [&pots] { pots.ChooseBlackPot(); });
  connect(c_.PanelFiller, &ColourPot::clicked, this, [&pots] { pots.ChooseFillerPot(); });
  connect(c_.PanelFiller, &ColourPot::doubleClicked, this, [&pots] { pots.ChangeFillerColour(); });
  connect(c_.SourceColourSample, &ColourPot::clicked, this, [&pots] { pots.ChoosePickedPot(); });
  connect(c_.SourceColourSample, &ColourPot::doubleClicked, this, [&pots] { pots.TakePickedAsFiller(); });
  // Transform tab.
  connect(c_.TransformGroup, &QButtonGroup::idClicked, this,
          [&tiles](int id) { tiles.SelectTransform(static_cast<TransformTool>(id)); });
  // Animation tabs.
  connect(c_.ButtonStopSource, &QPushButton::clicked, this, [this, &tiles, &b] {
    tiles.StopAnimation(b.Source());
    c_.Source->setCursor(Qt::ArrowCursor);
  });
  connect(c_.ButtonStopTarget, &QPushButton::clicked, this, [this, &tiles, &b] {
    tiles.StopAnimation(b.Target());
    c_.Target->setCursor(Qt::ArrowCursor);
  });
  connect(c_.TrackBarSource, &QSlider::valueChanged, this, [this, &tiles, &b](int v) {
    tiles.SetAnimationSpeed(b.Source(), v);
    NoActiveControls();
  });
  connect(c_.TrackBarTarget, &QSlider::valueChanged, this, [this, &tiles, &b](int v) {
    tiles.SetAnimationSpeed(b.Target(), v);
    NoActiveControls();
  });
  connect(c_.SourcePageControl, &QTabWidget::currentChanged, this,
          [&b](int i) { b.ShowSourceTab(static_cast<SourceTab>(i)); });
  connect(c_.TargetPageControl, &QTabWidget::currentChanged, this,
          [&b](int i) { b.ShowTargetTab(static_cast<TargetTab>(i)); });
  // Clipboard.
  connect(c_.CheckBoxExport, &QCheckBox::clicked, this, [this, &clipboard](bool checked) {
    clipboard.SetAutoExport(checked);
    NoActiveControls();
  });
  connect(c_.CheckBoxImport, &QCheckBox::clicked, this, [this, &clipboard](bool checked) {
    clipboard.SetAutoImport(checked);
    NoActiveControls();
  });

  // Zoom boxes follow their canvases and set them.
  for (auto [box, canvas] : {std::pair{c_.SourceZoom, c_.Source}, std::pair{c_.TargetZoom, c_.Target}}) {
    connect(box, qOverload<int>(&QComboBox::activated), canvas,
            [box, canvas](int index) { canvas->SetZoom(box->itemData(index).toInt()); });
    connect(canvas, &CanvasWidget::ZoomChanged, box, [box](int factor) {
      const QSignalBlocker quiet(box);
      box->setCurrentIndex(box->findData(factor));
    });
  }
  // At 1x the Target's port always fits its box; zoomed, the rest of the set is reached across.
  connect(c_.Target, &CanvasWidget::ZoomChanged, this, [this](int factor) {
    c_.Target->ScrollBoxImageStack->setHorizontalScrollBarPolicy(factor > 1 ? Qt::ScrollBarAsNeeded
                                                                            : Qt::ScrollBarAlwaysOff);
  });

  // Combo close-ups and focus arriving at the scroll bars park the focus.
  for (QWidget* w : std::initializer_list<QWidget*>{c_.ClipTileSizeScroll, c_.TargetWidthScrollBar,
                                                    c_.TargetHeightScrollBar, c_.ScrollBarGrid})
    w->installEventFilter(this);
}

void MainWindow::WireCanvases() {
  TileWorkflow& t = bench_->Tiles();
  c_.Source->OnMouseDown = [&t](MouseButton b, ShiftState s, int x, int y) { t.SourcePress(b, s, x, y); };
  c_.Source->OnMouseMove = [this, &t](ShiftState s, int x, int y) {
    t.SourceMove(s, x, y);
    ShowPointer(false, x, y);
    ShowTileProvenance(x, y);
  };
  c_.Source->OnMouseUp = [&t](MouseButton b, ShiftState s, int x, int y) { t.SourceRelease(b, s, x, y); };
  c_.Source->OnDblClick = [&t] { t.SourceDoubleClick(); };
  c_.Target->OnMouseDown = [&t](MouseButton b, ShiftState s, int x, int y) { t.TargetPress(b, s, x, y); };
  c_.Target->OnMouseMove = [this, &t](ShiftState s, int x, int y) {
    t.TargetMove(s, x, y);
    ShowPointer(true, x, y);
  };
  c_.Target->OnMouseUp = [&t](MouseButton b, ShiftState s, int x, int y) { t.TargetRelease(b, s, x, y); };
  connect(c_.Source, &CanvasWidget::DragNDrop, this, &MainWindow::SourceStackDragNDropOnChange);
  connect(c_.Target, &CanvasWidget::DragNDrop, this, &MainWindow::TargetStackDragNDropOnChange);

  // Several pictures dropped on the Target go in as tiles; the census is drawn over the Target.
  c_.Target->AcceptsManyFiles = true;
  connect(c_.Target, &CanvasWidget::DragNDropFiles, this,
          [this](const QStringList& paths) { bench_->Packs().AddPicturesAsTiles(paths); });
  new CensusOverlay(*c_.Target, bench_->Census(), statusBar());
}

bool MainWindow::event(QEvent* event) {
  if (event->type() != QEvent::StatusTip) return QMainWindow::event(event);
  hint_ = static_cast<QStatusTipEvent*>(event)->tip();
  if (!noteTimer_->isActive()) c_.StatusHint->SetFullText(hint_);
  return true;
}

void MainWindow::ShowNote(const QString& text) {
  c_.StatusHint->SetFullText(text);
  noteTimer_->start(NoteMilliseconds);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) NoActiveControls();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::NoActiveControls() {
  for (QComboBox* combo : {c_.SourceCombo, c_.TargetCombo})
    if (combo->lineEdit()) combo->lineEdit()->deselect();
  c_.PanelRightSide->setFocus(Qt::OtherFocusReason);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  NoActiveControls();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (bench_->Targets().ConfirmDiscard())
    event->accept();
  else
    event->ignore();
}

void MainWindow::SourceStackDragNDropOnChange(const QString& fileName) {
  if (!fileName.isEmpty()) bench_->Sources().OpenFile(fileName);
}

void MainWindow::TargetStackDragNDropOnChange(const QString& fileName) {
  if (!fileName.isEmpty()) bench_->Targets().LoadTarget(fileName);
}

void MainWindow::CopyAllOnClick() { bench_->Targets().CopyAll(); }

void MainWindow::SourceComboOnSelect(int item) {
  if (QAction* action = SourceItemAction(static_cast<SourceAction>(item)))
    action->trigger();
  else {
    bench_->Sources().OpenSource(SourceAction::None);  // item 0 repeats the last load
    NoActiveControls();
  }
}

void MainWindow::TargetComboOnSelect(int item) {
  if (QAction* action = TargetItemAction(static_cast<TargetAction>(item))) {
    action->trigger();
    return;
  }
  // Item 0 is the Target's name: choosing it does nothing but show it again.
  ReflectDocument();
  NoActiveControls();
}

void MainWindow::HelpSpeedButtonOnClick() {
  if (auto* about = qobject_cast<QDialog*>(about_)) about->exec();
}

void MainWindow::ApplyTargetWidths() {
  const int w = bench_->TargetDoc().ShownSize().width();
  c_.Target->setFixedWidth(w + CanvasFrameMargin);
  c_.PanelRightSide->setFixedWidth(w + RightPanelExtra);
}

void MainWindow::FitWidthToTarget() {
  ApplyTargetWidths();
  if (isMaximized() || isFullScreen()) return;
  // The layouts cache their sizes until the event loop runs: a narrower Target must be measured now.
  centralHolder_->layout()->invalidate();
  centralHolder_->layout()->activate();
  layout()->invalidate();
  layout()->activate();
  resize(minimumSizeHint().width(), height());
  if (QScreen* screen = this->screen()) move((screen->geometry().width() - frameGeometry().width()) / 2, y());
}

CanvasWidget* MainWindow::CanvasUnderPointer() const {
  const QPoint at = c_.Source->mapFromGlobal(QCursor::pos());
  return c_.Source->rect().contains(at) ? c_.Source : c_.Target;
}

void MainWindow::ShowPointer(bool target, int x, int y) {
  const QSize port = (target ? bench_->Target() : bench_->Source()).Layers().PortSize();
  if (x < 0 || y < 0 || x >= port.width() || y >= port.height()) {
    c_.PointerInfo->clear();
    return;
  }
  const int tilesAcross = std::max(port.width() / kSetCellSide, 1);
  const int pagesAcross = std::max(port.width() / kSetPageSide, 1);
  const int tile = (y / kSetCellSide) * tilesAcross + x / kSetCellSide;
  const int page = (y / kSetPageSide) * pagesAcross + x / kSetPageSide + 1;
  c_.PointerInfo->setText(tr("x %1, y %2 · tile %3 · page %4").arg(x).arg(y).arg(tile).arg(page));
}

void MainWindow::ShowTileProvenance(int x, int y) {
  const QString provenance = bench_->Sources().TileProvenance(x, y);
  if (provenance.isEmpty() && !provenanceShown_) return;
  provenanceShown_ = !provenance.isEmpty();
  if (!noteTimer_->isActive()) c_.StatusHint->SetFullText(provenanceShown_ ? provenance : hint_);
}

}  // namespace mosaicor
