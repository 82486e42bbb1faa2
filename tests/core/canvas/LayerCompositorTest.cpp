// Composing the layers as the canvas shows them, and telling the view only what changed.

#include "core/canvas/LayerCompositor.h"

#include <gtest/gtest.h>

#include "FakeView.h"
#include "TestPictures.h"
#include "core/canvas/ImageStack.h"

namespace mosaicor {

namespace {

class Compositor : public ::testing::Test {
 protected:
  void SetUp() override {
    stack.SetView(&view);
    stack.InitStack(256, 512);
    stack.Layers().L1_Image().SetPicture(picture);
    stack.UpdateStack();
    stack.Grid().UpdateGrid();
    view.dirty = QRegion();
  }
  QRgb Shown(int x, int y) { return ComposeLayers(stack.Layers(), QRect(x, y, 1, 1)).pixel(0, 0); }
  QImage picture = MakeCoordinatePicture(256, 512);
  FakeView view;
  ImageStack stack;
};

TEST_F(Compositor, KeyBlackLetsThePictureThroughAndOpaqueLayersCover) {
  stack.MouseIsOnMove(0, 100, 100);  // cursor box at (64, 64)
  EXPECT_EQ(Shown(64, 64), qRgb(255, 0, 0)) << "bracket corner over the picture";
  EXPECT_EQ(Shown(96, 96), picture.pixel(96, 96)) << "black inside the box is see-through";
  stack.Layers().L5_Grid().SetVisible(true);
  EXPECT_EQ(Shown(0, 2), qRgb(192, 192, 192));
  EXPECT_EQ(Shown(1, 2), picture.pixel(1, 2));
  stack.Layers().L2_Alpha().SetVisible(true);  // opaque and black: covers the picture, not the layers above
  EXPECT_EQ(Shown(96, 96), qRgb(0, 0, 0));
  EXPECT_EQ(Shown(0, 2), qRgb(192, 192, 192));
}

TEST_F(Compositor, PastePreviewShowsTheClipUnderTheYellowFrame) {
  QImage tile(64, 64, QImage::Format_ARGB32);
  tile.fill(qRgba(9, 8, 7, 0));  // alpha plays no part on screen
  stack.Layers().L4_Clip().SetPicture(tile);
  stack.Cursor().SetModeToPaste();
  stack.MouseIsOnMove(0, 100, 100);
  EXPECT_EQ(Shown(64, 64), qRgb(255, 255, 0));
  EXPECT_EQ(Shown(65, 65), qRgb(9, 8, 7));
  EXPECT_EQ(Shown(128, 128), picture.pixel(128, 128));
  stack.HandleMouseLeave();
  EXPECT_EQ(Shown(65, 65), picture.pixel(65, 65));
}

TEST_F(Compositor, AMoveInPasteModeRepaintsOnlyWhereThePreviewWasAndIs) {
  stack.Layers().L5_Grid().SetVisible(true);
  QImage tile(64, 64, QImage::Format_ARGB32);
  tile.fill(qRgb(9, 8, 7));
  stack.Layers().L4_Clip().SetPicture(tile);
  stack.Cursor().SetModeToPaste();
  stack.MouseIsOnMove(0, 100, 100);
  view.dirty = QRegion();
  stack.MouseIsOnMove(0, 170, 100);
  EXPECT_EQ(view.dirty, QRegion(64, 64, 128, 64));
  view.dirty = QRegion();
  stack.MouseIsOnMove(0, 175, 100);  // same cell: nothing changes
  EXPECT_TRUE(view.dirty.isEmpty());
}

TEST_F(Compositor, PartsOutsideThePortStayUntouched) {
  QImage target(300, 600, QImage::Format_RGB32);
  target.fill(qRgb(1, 1, 1));
  ComposeLayers(stack.Layers(), QRect(0, 0, 300, 600), target, QPoint(0, 0));
  EXPECT_EQ(target.pixel(10, 10), picture.pixel(10, 10));
  EXPECT_EQ(target.pixel(299, 599), qRgb(1, 1, 1));
  // Composed at an offset into a larger picture (as a widget's paint region does).
  target.fill(qRgb(1, 1, 1));
  ComposeLayers(stack.Layers(), QRect(10, 20, 5, 5), target, QPoint(100, 200));
  EXPECT_EQ(target.pixel(100, 200), picture.pixel(10, 20));
  EXPECT_EQ(target.pixel(99, 200), qRgb(1, 1, 1));
}

// Every layer looked at pixel by pixel, ignoring what the layers know about where they were drawn.
QImage NaiveComposition(const ImageStack& stack) {
  QImage out(stack.Layers().PortSize(), QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      QRgb shown = qRgb(0, 0, 0);
      for (const ImageLayer* layer : stack.Layers().All()) {
        if (!layer->Shown() || !layer->PortRect().contains(x, y)) continue;
        const QRgb p = layer->PixelAt(x - layer->Position().x(), y - layer->Position().y());
        if (layer->Transparent() && ((p ^ layer->KeyColour()) & 0xFFFFFF) == 0) continue;
        shown = p | 0xFF000000u;
      }
      out.setPixel(x, y, shown);
    }
  return out;
}

TEST_F(Compositor, MatchesPixelByPixelCompositionThroughASession) {
  stack.Layers().L5_Grid().SetVisible(true);
  auto check = [&](const char* step) {
    EXPECT_EQ(ComposeLayers(stack.Layers(), stack.Layers().PortRect()), NaiveComposition(stack)) << step;
  };
  stack.MouseIsOnMove(0, 100, 70);
  stack.MouseIsDown(MouseButton::Left, 0, 100, 70);
  stack.MouseIsOnMove(0, 200, 300);
  check("dragging a selection");
  stack.MouseIsUp(MouseButton::Left, 0, 200, 300);
  stack.MouseIsDown(MouseButton::Right, 0, 100, 70);
  stack.MouseIsOnMove(0, 20, 200);
  check("drawing a range");
  stack.Cursor().SetModeToPaste();
  stack.MouseIsOnMove(0, 30, 30);
  check("paste preview");
  stack.MouseIsDown(MouseButton::Left, ssCtrl, 30, 30);
  stack.MouseIsOnMove(0, 250, 500);
  check("after a paste");
  stack.MouseIsDoubleClick();
  stack.MouseIsDoubleClick();
  stack.Grid().GridStyle = GridStyleKind::Lines;
  stack.Grid().UpdateGrid();
  stack.HandleMouseLeave();
  check("custom line grid, mouse gone");
}

TEST_F(Compositor, OtherPictureFormatsOnTheImageLayerShowAlike) {
  stack.Layers().L1_Image().SetPicture(picture.convertToFormat(QImage::Format_RGB888));
  EXPECT_EQ(Shown(33, 44), picture.pixel(33, 44));
  stack.Layers().L1_Image().SetPicture(picture.convertToFormat(QImage::Format_RGB555));
  EXPECT_EQ(Shown(0, 0), picture.pixel(0, 0));
}

}  // namespace

}  // namespace mosaicor
