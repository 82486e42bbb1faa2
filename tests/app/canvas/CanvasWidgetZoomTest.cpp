// The canvas widget's zoom on the offscreen platform: mouse positions back to picture pixels,
// nearest-neighbour painting (also on a 200 % screen), Ctrl+wheel around the pointer, repaint
// areas and automatic scrolling in picture pixels.

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <vector>

#include "TestPictures.h"
#include "app/canvas/CanvasWidget.h"
#include "core/canvas/LayerCompositor.h"

namespace mosaicor {

namespace {

const std::vector<int> AllZooms{1, 2, 3, 4, 6, 8};

// Equal size and pixels, or where they first differ.
testing::AssertionResult SamePixels(const QImage& shown, const QImage& expected) {
  if (shown.size() != expected.size())
    return testing::AssertionFailure() << "size " << shown.width() << " x " << shown.height() << ", expected "
                                       << expected.width() << " x " << expected.height();
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      if (shown.pixel(x, y) != expected.pixel(x, y))
        return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex << shown.pixel(x, y)
                                           << ", expected " << expected.pixel(x, y);
  return testing::AssertionSuccess();
}

class ZoomedFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    frame.SetModel(&model);
    frame.resize(300, 300);
    frame.Model().InitStack(256, 512);
    frame.Model().Layers().L1_Image().SetPicture(MakeCoordinatePicture(256, 512));
    frame.Model().UpdateStack();
    frame.Model().Layers().L5_Grid().SetVisible(true);
    frame.Model().Grid().UpdateGrid();
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  }
  QWidget* Port() { return frame.BasePanel; }
  QWidget* Viewport() { return frame.ScrollBoxImageStack->viewport(); }
  QScrollBar* HBar() { return frame.ScrollBoxImageStack->horizontalScrollBar(); }
  QScrollBar* VBar() { return frame.ScrollBoxImageStack->verticalScrollBar(); }
  // Sends a mouse event straight to the port (QTest::mouseMove skips positions the pointer already has).
  void Mouse(QEvent::Type type, QPoint p, Qt::MouseButton button = Qt::NoButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(p), Port()->mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(Port(), &event);
  }
  // Wheel notches (positive: away from the user) over the given viewport position. A real wheel
  // goes to the port and, unused there, on to the scroll area's viewport; a synthesised event
  // would stop at the port, so a plain wheel is sent where it ends up.
  void Wheel(QPoint viewportPos, int notches, Qt::KeyboardModifiers keys) {
    QWidget* to = keys & Qt::ControlModifier ? Port() : Viewport();
    const QPointF at = to->mapFrom(Viewport(), QPointF(viewportPos));
    QWheelEvent event(at, to->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, keys,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(to, &event);
  }
  // The picture pixel shown at a viewport position.
  QPoint PixelAt(QPoint viewportPos) {
    const QPoint p = Port()->mapFrom(Viewport(), viewportPos);
    return QPoint(p.x() / frame.Zoom(), p.y() / frame.Zoom());
  }
  // The port's top-left 96 x 96 picture pixels as they should look at `scale` device pixels each.
  QImage Blown(int scale) {
    return ComposeLayers(frame.Model().Layers(), QRect(0, 0, 96, 96))
        .scaled(96 * scale, 96 * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  ImageStack model;
  CanvasWidget frame;
};

TEST_F(ZoomedFrame, SetZoomSnapsToTheAllowedFactorsAndStepsThroughThem) {
  QSignalSpy spy(&frame, &CanvasWidget::ZoomChanged);
  const std::vector<std::pair<int, int>> cases{{-3, 1}, {0, 1}, {2, 2}, {3, 3},   {5, 4}, {6, 6},
                                               {7, 6},  {8, 8}, {9, 8}, {100, 8}, {1, 1}};
  for (auto [asked, got] : cases) {
    frame.SetZoom(asked);
    EXPECT_EQ(frame.Zoom(), got) << "asked " << asked;
    EXPECT_EQ(Port()->size(), QSize(256 * got, 512 * got)) << "asked " << asked;
  }
  EXPECT_EQ(spy.count(), 6) << "only real changes are signalled";
  EXPECT_EQ(spy.at(1).at(0).toInt(), 3);

  std::vector<int> steps;
  for (int i = 0; i < 6; ++i) {
    frame.ZoomIn();
    steps.push_back(frame.Zoom());
  }
  EXPECT_EQ(steps, (std::vector<int>{2, 3, 4, 6, 8, 8}));
  frame.ZoomOut();
  frame.ZoomOut();
  EXPECT_EQ(frame.Zoom(), 4);
  frame.ZoomReset();
  EXPECT_EQ(frame.Zoom(), 1);
  frame.ZoomOut();
  EXPECT_EQ(frame.Zoom(), 1);
}

TEST_F(ZoomedFrame, MousePositionsMapBackToPicturePixelsAtEveryZoom) {
  // The model's own handlers: a click on picture pixel (130, 70) at 3x cuts the cell that holds it.
  frame.SetZoom(3);
  Mouse(QEvent::MouseMove, QPoint(130 * 3 + 1, 70 * 3 + 2));
  EXPECT_EQ(frame.Model().Cursor().CursorRect(), QRect(128, 64, 64, 64));
  QTest::mousePress(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(130 * 3 + 1, 70 * 3 + 2));
  QTest::mouseRelease(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(130 * 3 + 1, 70 * 3 + 2));
  EXPECT_EQ(frame.Model().Cursor().SelectionRect(), QRect(128, 64, 64, 64));
  EXPECT_EQ(frame.Model().Layers().L4_Clip().PictureCopy(), MakeCoordinatePicture(256, 512).copy(128, 64, 64, 64));

  std::vector<QPoint> downs, moves, ups;
  frame.OnMouseDown = [&](MouseButton, ShiftState, int x, int y) { downs.push_back({x, y}); };
  frame.OnMouseMove = [&](ShiftState, int x, int y) { moves.push_back({x, y}); };
  frame.OnMouseUp = [&](MouseButton, ShiftState, int x, int y) { ups.push_back({x, y}); };
  for (int z : AllZooms) {
    frame.SetZoom(z);
    // Every widget pixel of the block, first and last, belongs to the one picture pixel.
    for (QPoint within : {QPoint(0, 0), QPoint(z - 1, z - 1), QPoint(z / 2, z - 1)}) {
      const QPoint at = QPoint(130 * z, 70 * z) + within;
      downs.clear(), moves.clear(), ups.clear();
      Mouse(QEvent::MouseMove, at);
      Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
      Mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton);
      ASSERT_EQ(moves.size(), 1u);
      ASSERT_EQ(downs.size(), 1u);
      ASSERT_EQ(ups.size(), 1u);
      EXPECT_EQ(moves[0], QPoint(130, 70)) << "zoom " << z << " at " << at.x() << ", " << at.y();
      EXPECT_EQ(downs[0], QPoint(130, 70)) << "zoom " << z;
      EXPECT_EQ(ups[0], QPoint(130, 70)) << "zoom " << z;
    }
    // A drag beyond the top-left reaches picture pixels left of and above the origin, not pixel 0.
    moves.clear();
    Mouse(QEvent::MouseMove, QPoint(-1, -z - 1));
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], QPoint(-1, -2)) << "zoom " << z;
  }
}

TEST_F(ZoomedFrame, PaintingBlowsUpEachPicturePixelWithoutBlending) {
  Mouse(QEvent::MouseMove, QPoint(70, 20));  // the cursor box's red brackets at (64, 0)
  for (int z : AllZooms) {
    frame.SetZoom(z);
    // A widget rectangle that starts and ends inside picture pixels.
    const QRect exposed(5 * z + 1, 7 * z + z / 2, 80 * z - 3, 60 * z + 1);
    const QImage shown = Port()->grab(exposed).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(SamePixels(shown, Blown(z).copy(exposed))) << "zoom " << z;
  }
  // A repaint of two separate areas draws each of them and nothing else.
  frame.SetZoom(3);
  const QRect a(10, 11, 40, 25), b(150, 100, 61, 80);
  QImage painted(288, 288, QImage::Format_RGB32);
  painted.fill(qRgb(1, 2, 3));
  const QRegion both = QRegion(a) + QRegion(b);
  Port()->render(&painted, both.boundingRect().topLeft(), both);  // widget pixel (x, y) to (x, y)
  QImage expected = Blown(3);
  for (int y = 0; y < expected.height(); ++y)
    for (int x = 0; x < expected.width(); ++x)
      if (!a.contains(x, y) && !b.contains(x, y)) expected.setPixel(x, y, qRgb(1, 2, 3));
  EXPECT_TRUE(SamePixels(painted, expected));
}

TEST_F(ZoomedFrame, OnA200PercentScreenEachPicturePixelIsACrispBlock) {
  Mouse(QEvent::MouseMove, QPoint(70, 20));
  for (int z : {1, 3}) {
    frame.SetZoom(z);
    QImage screen(96 * z * 2, 96 * z * 2, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    Port()->render(&screen, QPoint(), QRegion(0, 0, 96 * z, 96 * z));
    screen.setDevicePixelRatio(1);
    EXPECT_TRUE(SamePixels(screen, Blown(2 * z))) << "zoom " << z;
  }
}

TEST_F(ZoomedFrame, CtrlWheelZoomsAroundThePixelUnderThePointer) {
  frame.SetZoom(2);
  HBar()->setValue(57);
  VBar()->setValue(133);
  const QPoint pointer(150, 120);
  const QPoint pixel = PixelAt(pointer);
  EXPECT_EQ(pixel, QPoint((150 + 57) / 2, (120 + 133) / 2));
  for (auto [notches, zoom] : std::vector<std::pair<int, int>>{{1, 3}, {1, 4}, {2, 8}, {-1, 6}, {-3, 2}}) {
    Wheel(pointer, notches, Qt::ControlModifier);
    EXPECT_EQ(frame.Zoom(), zoom);
    EXPECT_EQ(PixelAt(pointer), pixel) << "zoom " << zoom;
  }

  // Beside a port narrower than the visible area, the wheel reaches the viewport alone.
  frame.ZoomReset();
  ASSERT_LT(Port()->width(), 270);
  QWheelEvent beside(QPointF(270, 100), Viewport()->mapToGlobal(QPointF(270, 100)), QPoint(), QPoint(0, 120),
                     Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(Viewport(), &beside);
  EXPECT_EQ(frame.Zoom(), 2);

  // A plain wheel scrolls, one notch as far over the picture at every zoom.
  frame.ZoomReset();
  VBar()->setValue(0);
  Wheel(pointer, -1, Qt::NoModifier);
  const int notchAt1 = VBar()->value();
  ASSERT_GT(notchAt1, 0);
  frame.SetZoom(2);
  VBar()->setValue(0);
  Wheel(pointer, -1, Qt::NoModifier);
  EXPECT_EQ(frame.Zoom(), 2);
  EXPECT_EQ(VBar()->value(), 2 * notchAt1);
}

// Records the areas the port is asked to repaint.
class PaintRecorder : public QObject {
 public:
  QRegion painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

TEST_F(ZoomedFrame, AChangedPortRectangleRepaintsItsBlownUpArea) {
  frame.SetZoom(3);
  HBar()->setValue(0);
  VBar()->setValue(0);
  PaintRecorder recorder;
  QTest::qWait(20);
  Port()->installEventFilter(&recorder);
  frame.Model().Layers().L1_Image().Fill(QRect(70, 40, 10, 5), qRgb(10, 20, 30));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.painted.isEmpty(); }, 2000));
  EXPECT_TRUE(recorder.painted.contains(QRect(210, 120, 30, 15)));
  const QImage shown = Port()->grab(QRect(210, 120, 30, 15)).toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown.pixel(0, 0), qRgb(10, 20, 30));
  EXPECT_EQ(shown.pixel(29, 14), qRgb(10, 20, 30));
}

TEST_F(ZoomedFrame, AutomaticScrollingCountsPicturePixels) {
  frame.SetZoom(2);
  frame.Model().Cursor().SetModeToGrab();
  ASSERT_GT(VBar()->maximum(), 200);
  HBar()->setValue(7);
  VBar()->setValue(200);
  // The box's top (64) is within 16 picture pixels of the visible top (100): back 6 picture pixels.
  frame.Model().MouseIsOnMove(0, 100, 110);
  EXPECT_EQ(VBar()->value(), 188);
  EXPECT_EQ(HBar()->value(), 7) << "the axis that does not scroll stays put";
}

// A full-height texture set at 8x is a port widget 131072 pixels tall; its last rows are reachable.
TEST(ZoomedTallCanvas, TheLastRowsOfAFullTextureSetShowAt8x) {
  ImageStack model;
  CanvasWidget frame;
  frame.SetModel(&model);
  frame.resize(300, 300);
  frame.Model().InitStack(512, 16384);
  frame.Model().Layers().L1_Image().SetPicture(MakeCoordinatePicture(512, 16384));
  frame.Model().UpdateStack();
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  frame.SetZoom(8);
  EXPECT_EQ(frame.BasePanel->size(), QSize(4096, 131072));
  QScrollBar* v = frame.ScrollBoxImageStack->verticalScrollBar();
  v->setValue(v->maximum());
  QWidget* viewport = frame.ScrollBoxImageStack->viewport();
  EXPECT_EQ(frame.BasePanel->mapFrom(viewport, QPoint(0, viewport->height() - 1)).y(), 131071);
  const QImage shown =
      frame.BasePanel->grab(QRect(0, 131072 - 64, 64, 64)).toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown.pixel(0, 63), qRgb(0, 255, 255)) << "picture pixel (0, 16383)";
}

}  // namespace

}  // namespace mosaicor
