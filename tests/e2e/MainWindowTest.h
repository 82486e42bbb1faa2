#pragma once
// What every real-window test starts from: the main window with a silent tone player and a folder
// of its own, skipped where there is no X server or no xdotool, with a screenshot when it fails.

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "RealWindow.h"
#include "app/mainwindow/MainWindow.h"
#include "app/workbench/Workbench.h"
#include "core/extraction/MakeBeep.h"

namespace mosaicor::e2e {

struct SilentTones : ITonePlayer {
  void PlayTone(int, int) override {}
};

struct MainWindowTest : ::testing::Test {
  SilentTones tones;
  QTemporaryDir dir;
  std::unique_ptr<MainWindow> window;

  void SetUp() override {
    const QString missing = MissingForRealWindow();
    if (!missing.isEmpty()) GTEST_SKIP() << "skipped: " << missing.toStdString();
  }
  void TearDown() override {
    if (HasFailure()) Screenshot(QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  }
  // Shows the window at `at` on the screen, with the keyboard.
  void Open(QPoint at = QPoint(0, 0)) {
    window = std::make_unique<MainWindow>(tones);
    ASSERT_TRUE(ShowAtWithKeyboard(window.get(), at));
  }
  MainWindowControls& c() { return window->Controls(); }
  Workbench& bench() { return window->Bench(); }
};

inline QImage Rgb(const QImage& picture) { return picture.convertToFormat(QImage::Format_RGB32); }

}  // namespace mosaicor::e2e
