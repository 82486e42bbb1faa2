// Whether the window waits on a recovery write: a 512 x 16384 Target (64 pages, two wide) is
// written by the recovery keeper on its worker thread while the GUI thread keeps handling mouse
// moves posted to a widget; the worst delay from posting a move to its handling is reported
// (worst_move_ms), beside the baseline of the same write done on the GUI thread, during which a
// move waits for the whole write. Quote worst_move_ms (goal: under 16) and the ratio of the two.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>

#include "WorkbenchRig.h"
#include "app/workbench/RecoveryKeeper.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/TargetWorkflow.h"
#include "app/workbench/Workbench.h"
#include "core/recovery/RecoveryFile.h"

namespace {

using namespace mosaicor;

// The Target as a 512 x 16384 set of noise, with unsaved changes.
struct BigTarget : WorkbenchRig {
  BigTarget() {
    QImage set(512, 16384, QImage::Format_ARGB32);
    quint32 seed = 12345;
    for (int y = 0; y < set.height(); ++y) {
      auto* row = reinterpret_cast<quint32*>(set.scanLine(y));
      for (int x = 0; x < set.width(); ++x) row[x] = (seed = seed * 1664525u + 1013904223u) | 0xFF000000u;
    }
    target.Layers().L1_Image().SetPicture(set);
    bench.Targets().SetPageCount(PageCounter::Width, 2);
    bench.Targets().SetPageCount(PageCounter::Height, 64);
  }
};

// Counts the mouse moves it handles and the longest wait of one since it was posted.
struct MoveProbe : QWidget {
  QElapsedTimer clock;
  qint64 postedAt = 0, worst = 0;
  int handled = 0;
  MoveProbe() {
    setMouseTracking(true);  // moves without a button held reach the widget
    show();
    clock.start();
  }
  void Post() {
    postedAt = clock.nsecsElapsed();
    QCoreApplication::postEvent(this, new QMouseEvent(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton,
                                                      Qt::NoButton, Qt::NoModifier));
  }
  void mouseMoveEvent(QMouseEvent*) override {
    worst = std::max(worst, clock.nsecsElapsed() - postedAt);
    ++handled;
  }
};

void MouseMovesDuringARecoveryWrite(benchmark::State& state) {
  BigTarget t;
  QTemporaryDir folder;
  RecoveryKeeper keeper(t.bench, folder.path());
  keeper.SetMinimumSpacing(0);
  MoveProbe probe;
  for (auto _ : state) {
    emit t.bench.History().edited(QRect());  // a change: the keeper starts its write at once
    while (!keeper.Writing()) QCoreApplication::processEvents();
    while (keeper.Writing()) {
      probe.Post();
      QCoreApplication::processEvents();
    }
  }
  state.counters["worst_move_ms"] = double(probe.worst) / 1e6;
  state.counters["moves"] = probe.handled;
}
BENCHMARK(MouseMovesDuringARecoveryWrite)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void MouseMovesDuringARecoveryWrite_Baseline_OnTheGuiThread(benchmark::State& state) {
  BigTarget t;
  QTemporaryDir folder;
  MoveProbe probe;
  RecoveryState recovery;
  recovery.target = t.target.Layers().L1_Image().StoredPicture();
  recovery.widthPages = 2;
  recovery.heightPages = 64;
  for (auto _ : state) {
    probe.Post();
    benchmark::DoNotOptimize(WriteRecoveryFile(recovery, folder.filePath(QStringLiteral("gui.recovery"))).Ok());
    QCoreApplication::processEvents();
  }
  state.counters["worst_move_ms"] = double(probe.worst) / 1e6;
  state.counters["moves"] = probe.handled;
}
BENCHMARK(MouseMovesDuringARecoveryWrite_Baseline_OnTheGuiThread)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
