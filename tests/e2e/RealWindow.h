#pragma once
// Driving the real program on a real X server: pointer and keys through xdotool (XTEST), the
// clipboard through xclip, screenshots on failure. Positions are taken from the window's own
// widgets, so a test never guesses where a control is.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>

namespace mosaicor::e2e {

// Why the real-window tests cannot run here, or empty when they can.
inline QString MissingForRealWindow() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return QStringLiteral("no X server (platform %1)").arg(QGuiApplication::platformName());
  for (const char* tool : {"xdotool", "xclip"})
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
      return QStringLiteral("%1 is not installed").arg(QLatin1String(tool));
  return QString();
}

// Lets the program run (and the X server answer) for a while.
inline void Pump(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
}

inline bool WaitUntil(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

// Runs a tool to its end while this program keeps answering the X server (a clipboard request
// to this program is served by its own event loop). Returns its standard output.
inline QByteArray RunTool(const QString& program, const QStringList& arguments, const QByteArray& input = {},
                          int* exitCode = nullptr) {
  QProcess process;
  process.start(program, arguments);
  process.waitForStarted();
  if (!input.isEmpty()) process.write(input);
  process.closeWriteChannel();
  WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 30000);
  if (exitCode) *exitCode = process.exitCode();
  return process.readAllStandardOutput();
}

inline void Xdo(const QStringList& arguments) { RunTool(QStringLiteral("xdotool"), arguments); }

// Shows a window, moves it to `at` on the screen and gives it the keyboard; false when any step
// does not happen within its time.
inline bool ShowAtWithKeyboard(QWidget* window, QPoint at) {
  window->show();
  if (!WaitUntil([&] { return window->isVisible() && window->windowHandle()->isExposed(); })) return false;
  const QString id = QString::number(window->winId());
  Xdo({QStringLiteral("windowmove"), id, QString::number(at.x()), QString::number(at.y())});
  if (!WaitUntil([&] { return window->pos() == at; }, 20000)) return false;
  Xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
  return WaitUntil([&] { return window->isActiveWindow(); }, 20000);
}

// The screen position of a point of a widget.
inline QPoint OnScreen(const QWidget* widget, QPoint at) { return widget->mapToGlobal(at); }

inline void MoveTo(QPoint screen) {
  Xdo({QStringLiteral("mousemove"), QString::number(screen.x()), QString::number(screen.y())});
  Pump(80);
}

inline void ClickAt(QPoint screen, int button = 1) {
  MoveTo(screen);
  Xdo({QStringLiteral("click"), QString::number(button)});
  Pump(150);
}

inline void DragBetween(QPoint from, QPoint to) {
  MoveTo(from);
  Xdo({QStringLiteral("mousedown"), QStringLiteral("1")});
  Pump(100);
  MoveTo(QPoint((from.x() + to.x()) / 2, (from.y() + to.y()) / 2));
  MoveTo(to);
  Xdo({QStringLiteral("mouseup"), QStringLiteral("1")});
  Pump(150);
}

inline void Keys(const QString& keys) {
  Xdo({QStringLiteral("key"), keys});
  Pump(100);
}

// Waits (generously: a loaded machine is slow) for a modal dialog of the type to be up with the
// keyboard, then runs `act` on it, from inside the dialog's own event loop. Call it before what
// opens the dialog. The timer gives up after `ms`, so a dialog that never comes fails the test's
// own wait rather than hanging it.
template <typename Dialog>
void WhenDialogOpens(std::function<void(Dialog*)> act, int ms = 30000) {
  auto* timer = new QTimer;
  auto* waited = new QElapsedTimer;
  waited->start();
  QObject::connect(timer, &QTimer::timeout, [timer, waited, act, ms] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    const bool ready = dialog && dialog->isVisible() && dialog->isActiveWindow();
    if (!ready && waited->elapsed() < ms) return;
    timer->stop();
    timer->deleteLater();
    delete waited;
    if (ready) act(dialog);
  });
  timer->start(50);
}

// Types into the focused window as a user would.
inline void Type(const QString& text) {
  Xdo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("5"), text});
}

// Where screenshots of a failed test go.
inline QString ScreenshotFolder() {
  const QString folder = QDir::current().filePath(QStringLiteral("e2e-screenshots"));
  QDir().mkpath(folder);
  return folder;
}

inline void Screenshot(const QString& name) {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    screen->grabWindow(0).save(QDir(ScreenshotFolder()).filePath(name + QStringLiteral(".png")));
}

}  // namespace mosaicor::e2e
