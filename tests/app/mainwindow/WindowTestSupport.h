#pragma once
// The main window on the offscreen platform with its dialogs answered by a script, and the files
// the tests open, written by our own writers into a temporary folder.

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>

#include <gtest/gtest.h>
#include "LevelWriter.h"
#include "PictureWriters.h"

#include "app/mainwindow/MainWindow.h"
#include "app/workbench/ClipboardExchange.h"
#include "app/workbench/ColourPots.h"
#include "app/workbench/SourceWorkflow.h"
#include "app/workbench/TargetDocument.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/TargetWorkflow.h"
#include "app/workbench/TileWorkflow.h"
#include "app/workbench/Workbench.h"
#include "core/extraction/MakeBeep.h"
#include "core/imagefiles/ImageFileModule.h"

namespace mosaicor::testing {

// Answers each question with the next scripted answer: a cancel when none is left.
struct ScriptedChooser : Chooser {
  std::deque<std::optional<QString>> files;
  std::deque<std::optional<QRgb>> colours;  // nothing: the dialog is cancelled
  std::deque<SaveAnswer> saveAnswers;
  QStringList presets;        // file-name boxes as each file dialog opened
  QStringList messages;       // message boxes shown
  QStringList customColours;  // as the colour dialog last opened
  int colourDialogs = 0;
  int saveQuestions = 0;

  std::optional<QString> NextFile(const QString& preset) {
    presets << preset;
    if (files.empty()) return std::nullopt;
    const std::optional<QString> answer = std::move(files.front());
    files.pop_front();
    if (!answer) return std::nullopt;
    return *answer;
  }
  std::optional<QString> OpenPictureFile(const QString& preset) override { return NextFile(preset); }
  std::optional<QString> OpenLevelFile(const QString& preset, bool) override { return NextFile(preset); }
  std::optional<QString> SavePictureFile(const QString& preset) override { return NextFile(preset); }
  QRgb ChooseColour(QRgb initial, const QStringList& custom) override {
    ++colourDialogs;
    customColours = custom;
    if (colours.empty()) return initial;
    const std::optional<QRgb> answer = colours.front();
    colours.pop_front();
    return answer.value_or(initial);
  }
  void ShowMessage(const QString& text) override { messages << text; }
  std::deque<QStringList> fileLists;  // answers of the several-files dialog
  std::deque<RecoverAnswer> recoveryAnswers;  // none left: no
  QStringList recoveryQuestions;
  QStringList OpenPictureFiles(const QString& preset) override {
    presets << preset;
    if (fileLists.empty()) return {};
    const QStringList answer = fileLists.front();
    fileLists.pop_front();
    return answer;
  }
  RecoverAnswer AskToRecover(const QString& question) override {
    recoveryQuestions << question;
    if (recoveryAnswers.empty()) return RecoverAnswer::Discard;
    const RecoverAnswer answer = recoveryAnswers.front();
    recoveryAnswers.pop_front();
    return answer;
  }
  SaveAnswer AskToSaveChanges() override {
    ++saveQuestions;
    if (saveAnswers.empty()) return SaveAnswer::Cancel;
    const SaveAnswer answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
  }
  std::deque<bool> compactAnswers;  // none left: Cancel
  QStringList compactQuestions;
  bool ConfirmCompact(const QString& counts) override {
    compactQuestions << counts;
    if (compactAnswers.empty()) return false;
    const bool answer = compactAnswers.front();
    compactAnswers.pop_front();
    return answer;
  }
  std::deque<CompactAnswer> compactChoices;  // before compactAnswers: with the project button
  CompactAnswer AskCompact(const QString& counts, bool offerProject) override {
    if (compactChoices.empty()) return Chooser::AskCompact(counts, offerProject);
    compactQuestions << counts;
    const CompactAnswer answer = compactChoices.front();
    compactChoices.pop_front();
    return answer;
  }
  std::optional<QString> OpenProjectFile(const QString& preset) override { return NextFile(preset); }
  std::deque<bool> backupAnswers;  // none left: keep the old backup
  QStringList backupQuestions;
  bool ConfirmReplaceBackup(const QString& backup) override {
    backupQuestions << backup;
    if (backupAnswers.empty()) return false;
    const bool answer = backupAnswers.front();
    backupAnswers.pop_front();
    return answer;
  }
  std::optional<QString> SaveMoveMapFile(const QString& preset) override { return NextFile(preset); }
  std::optional<QString> OpenObjectLibraryFile(const QString& preset) override { return NextFile(preset); }
  std::deque<int> tolerances;  // none left: cancelled
  std::optional<int> AskTolerance(int) override {
    if (tolerances.empty()) return std::nullopt;
    const int answer = tolerances.front();
    tolerances.pop_front();
    return answer;
  }
};

struct CountingTones : ITonePlayer {
  int tones = 0;
  void PlayTone(int, int) override { ++tones; }
};

// A shown main window, its script, and a folder for the files it opens.
struct WindowFixture {
  CountingTones tones;
  ScriptedChooser dialogs;
  std::unique_ptr<MainWindow> window;
  QTemporaryDir dir;

  WindowFixture() {
    window = std::make_unique<MainWindow>(tones, &dialogs);
    window->show();
  }
  Workbench& bench() { return window->Bench(); }
  MainWindowControls& c() { return window->Controls(); }
  const Document& doc() { return bench().Doc(); }
  const ViewState& view() { return bench().View(); }
  ImageStack& source() { return bench().Source(); }
  ImageStack& target() { return bench().Target(); }
  TargetDocument& targetDoc() { return bench().TargetDoc(); }
  TargetPages pages() { return bench().TargetDoc().Pages(); }
  QString Path(const QString& name) const { return dir.filePath(name); }

  // A level of `pages` pages of the generation, written under `name`.
  QString WriteLevel(const QString& name, LevelGeneration generation = LevelGeneration::TR4, int pages = 2) {
    const QString path = Path(name);
    WriteLevelFile(path, MakeSampleLevel(generation, pages));
    return path;
  }
  // The picture as an uncompressed 32-bit TGA.
  QString WritePicture(const QString& name, const QImage& picture) {
    TgaSpec spec;
    spec.imageType = 2;
    spec.pixelDepth = 32;
    spec.descriptor = 0x28;
    spec.width = picture.width();
    spec.height = picture.height();
    spec.pixels = TgaPixelsOf(picture.convertToFormat(QImage::Format_ARGB32), 32);
    const QString path = Path(name);
    WriteBytesToFile(path, WriteTga(spec));
    return path;
  }
};

// A picture of the size whose every pixel tells where it is, fully opaque.
inline QImage Coordinates(int width, int height) {
  QImage picture(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)));
  return picture;
}

// Red, green and blue of every pixel, alpha aside.
inline QImage Rgb(const QImage& picture) { return picture.convertToFormat(QImage::Format_RGB32); }

// A saved picture read back through the program's own loader.
inline QImage LoadBack(const QString& path) {
  const ImageFileModule files;
  QImage picture;
  PixelFormatCode format;
  const PictureOutcome loaded = files.LoadImageAs32BitsFile(picture, path, format);
  EXPECT_TRUE(loaded.Ok()) << loaded.Text().toStdString();
  return picture.convertToFormat(QImage::Format_ARGB32);
}

// The visible picture of a canvas, as 32-bit pixels.
inline QImage Shown(ImageStack& canvas) {
  return canvas.Layers().L1_Image().PictureCopy().convertToFormat(QImage::Format_ARGB32);
}

// The pointer moves over the canvas (with `buttons` held).
inline void Move(CanvasWidget* canvas, QPoint to, Qt::MouseButtons buttons = Qt::NoButton) {
  QMouseEvent move(QEvent::MouseMove, QPointF(to), canvas->BasePanel->mapToGlobal(QPointF(to)), Qt::NoButton, buttons,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(canvas->BasePanel, &move);
}
inline void Press(CanvasWidget* canvas, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers keys = Qt::NoModifier) {
  Move(canvas, at);
  QTest::mousePress(canvas->BasePanel, button, keys, at);
}
inline void Release(CanvasWidget* canvas, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                    Qt::KeyboardModifiers keys = Qt::NoModifier) {
  QTest::mouseRelease(canvas->BasePanel, button, keys, at);
}
inline void Click(CanvasWidget* canvas, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers keys = Qt::NoModifier) {
  Press(canvas, at, button, keys);
  Release(canvas, at, button, keys);
}
// A double click as the window system delivers it: press, release, double click, release.
inline void DoubleClick(CanvasWidget* canvas, QPoint at) {
  Click(canvas, at);
  QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(at), canvas->BasePanel->mapToGlobal(QPointF(at)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(canvas->BasePanel, &twice);
  Release(canvas, at);
}

// A left drag from one point to another, with a move on the way so the selection follows.
inline void Drag(CanvasWidget* canvas, QPoint from, QPoint to) {
  Press(canvas, from);
  Move(canvas, to, Qt::LeftButton);
  Release(canvas, to);
}

}  // namespace mosaicor::testing
