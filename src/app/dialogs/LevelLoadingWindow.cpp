#include "app/dialogs/LevelLoadingWindow.h"

#include "app/dialogs/DialogFilters.h"
#include "core/level/ObjectLibrary.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>

namespace mosaicor {

namespace {

// One entry a game, after the entry for all level files.
//: Name|patterns pairs: translate the names only, keep every | and pattern.
const char* const kGameFilters = QT_TRANSLATE_NOOP("mosaicor::LevelLoadingWindow",
                                                   "|"
                                                   "TR1 (1996) - Tomb Raider (*.phd)|*.PHD|"
                                                   "TR1 (1999) - Tomb Raider Gold (*.tub)|*.TUB|"
                                                   "TR2 (1997) - Starring Lara Croft (*.tr2)|*.TR2|"
                                                   "TR2 (1997) - Golden Mask (*.tr2)|*.TR2|"
                                                   "TR3 (1998) - Adventures of Lara Croft (*.tr2)|*.TR2|"
                                                   "TR3 (2000) - The Lost Artifact (*.tr2)|*.TR2|"
                                                   "TR4 (1999) - The Last Revelation (*.tr4)|*.TR4|"
                                                   "TR5 (2000) - Chronicles (*.trc)|*.TRC|"
                                                   "All Files (*.*)|*.*");

}  // namespace

QString LevelFileFilter() {
  // The first entry takes every extension the level module reads, object libraries' too, so the
  // dialog never hides a file that a drop or the companion would take.
  const QString libraries = QStringLiteral("*.") + ObjectLibraryExtensions().join(QStringLiteral(";*."));
  return LevelLoadingWindow::tr("Tomb Raider Files") + QStringLiteral("|*.") +
         LevelExtensions().join(QStringLiteral(";*.")) + QLatin1Char(';') + libraries + QLatin1Char('|') +
         LevelLoadingWindow::tr("Object Libraries") + QLatin1Char('|') + libraries +
         LevelLoadingWindow::tr(kGameFilters);
}

LevelLoadingWindow::LevelLoadingWindow(QWidget* mainWindow, ITonePlayer& tones)
    : QWidget(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow),
      tones_(tones),
      module_(*this) {
  setWindowTitle(tr("   Loading..."));
  setFixedSize(206, 58);
  Gauge = new QProgressBar(this);
  Gauge->setObjectName(QStringLiteral("Gauge"));
  Gauge->setGeometry(8, 8, 177, 20);
  Gauge->setRange(0, 100);
  Gauge->setValue(0);
  Gauge->setTextVisible(true);
  Gauge->setFormat(QStringLiteral("%p%"));
  InitOpenDialog();
}

LevelLoadingWindow::~LevelLoadingWindow() = default;

void LevelLoadingWindow::InitOpenDialog() {
  OpenDialog = new QFileDialog(this);
  OpenDialog->setObjectName(QStringLiteral("OpenDialog"));
  OpenDialog->resize(kFileDialogSize);
  SetOpenDialogTitle(false);
  OpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
  OpenDialog->setFileMode(QFileDialog::ExistingFile);
  OpenDialog->setDefaultSuffix(QString());
  OpenDialog->setOption(QFileDialog::HideNameFilterDetails, true);
  OpenDialog->setNameFilters(QtNameFilters(LevelFileFilter()));
  OpenDialog->setSidebarUrls({});  // no places bar
}

void LevelLoadingWindow::SetOpenDialogTitle(bool asTiles) {
  OpenDialog->setWindowTitle(asTiles ? tr("   ----- EXTRACT LEVEL TEXTURES AS TILES -----")
                                     : tr("   ----- EXTRACT TOMB RAIDER TEXTURES -----"));
}

void LevelLoadingWindow::ShowLoadingWindow() {
  // Shown first: the frame's size is known only once the window is on screen.
  show();
  QRect over = mainWindow_ ? mainWindow_->frameGeometry() : QRect();
  if (over.isEmpty() && screen()) over = screen()->availableGeometry();
  QRect placed(QPoint(0, 0), frameGeometry().size());
  placed.moveCenter(over.center());
  move(placed.topLeft());
  raise();
  // The load that follows never returns to the event loop: let the window be exposed and
  // painted now, so the gauge's immediate repaints reach the screen. User input waits.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void LevelLoadingWindow::HideLoadingWindow() { hide(); }

void LevelLoadingWindow::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void LevelLoadingWindow::SetProgress(int percent) {
  if (Gauge->value() == percent) return;
  Gauge->setValue(percent);
  Gauge->repaint();
}

}  // namespace mosaicor
