#include <gtest/gtest.h>

#include "FakeView.h"
#include "TestPictures.h"
#include "core/canvas/CursorPictures.h"
#include "core/canvas/ImageStack.h"
#include "core/canvas/LayerCompositor.h"

namespace mosaicor {

namespace {

bool AllBlack(const ImageLayer& layer) {
  for (int y = 0; y < layer.Height(); ++y)
    for (int x = 0; x < layer.Width(); ++x)
      if (layer.PixelAt(x, y) != CanvasColours::Clear) return false;
  return true;
}

bool SamePixels(const QImage& a, const QImage& b) {
  return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

TEST(CanvasSetup, InitStackLeavesBlackLayersGridAndCursorBox) {
  FakeView view;
  ImageStack stack;
  stack.SetView(&view);
  stack.InitStack(256, 512);

  EXPECT_EQ(stack.Layers().PortSize(), QSize(256, 512));
  EXPECT_EQ(view.port, QSize(256, 512));
  EXPECT_TRUE(view.dropsAccepted);
  EXPECT_EQ(stack.Grid().CellWidth, 64);
  EXPECT_EQ(stack.Grid().CellHeight, 64);
  EXPECT_EQ(stack.Grid().GridOffsetX, 0);
  EXPECT_EQ(stack.Grid().GridOffsetY, 0);
  EXPECT_EQ(stack.Grid().GridCols(), 4);
  EXPECT_EQ(stack.Grid().GridRows(), 8);
  EXPECT_TRUE(stack.Grid().GridLocked);
  EXPECT_EQ(stack.Grid().GridStyle, GridStyleKind::Dotted);
  EXPECT_EQ(stack.Cursor().Mode(), ModeIdle);
  EXPECT_FALSE(stack.Cursor().AutoExport());
  EXPECT_FALSE(stack.Animation().AnimRunning);

  for (const ImageLayer* layer :
       {&stack.Layers().L1_Image(), &stack.Layers().L2_Alpha(), &stack.Layers().L3_Temp(), &stack.Layers().L4_Clip(),
        &stack.Layers().L6_Selection(), &stack.Layers().L8_Overlay()})
    EXPECT_TRUE(AllBlack(*layer)) << layer->Name().toStdString();
  EXPECT_FALSE(AllBlack(stack.Layers().L5_Grid()));
  EXPECT_TRUE(SamePixels(stack.Layers().L7_Cursor().PictureCopy(), CursorPicture("crNormal")));

  const bool visible[] = {true, false, false, false, false, false, true, true};
  const bool transparent[] = {false, false, true, false, true, true, true, true};
  const auto layers = stack.Layers().All();
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(layers[i]->Visible(), visible[i]) << layers[i]->Name().toStdString();
    EXPECT_EQ(layers[i]->Transparent(), transparent[i]) << layers[i]->Name().toStdString();
  }
  EXPECT_EQ(stack.Layers().L6_Selection().PictureSize(), QSize(256, 1537));
  EXPECT_EQ(stack.Layers().L1_Image().PictureSize(), QSize(256, 512));
  EXPECT_TRUE(stack.Layers().L4_Clip().IsParked());
  EXPECT_TRUE(stack.Layers().L7_Cursor().IsParked());
  EXPECT_EQ(stack.Layers().L7_Cursor().Position().x(), ParkedX);
}

TEST(CanvasSetup, SelectionLayerIsNeverShorterThan1537) {
  ImageStack stack;
  stack.InitStack(256, 512);
  stack.Layers().SizeLayers(512, 2048);
  EXPECT_EQ(stack.Layers().L6_Selection().PictureSize(), QSize(512, 2048));
  stack.Layers().SizeLayers(256, 256);
  EXPECT_EQ(stack.Layers().L6_Selection().PictureSize(), QSize(256, 1537));
  EXPECT_EQ(stack.Layers().L8_Overlay().PictureSize(), QSize(256, 256));
}

TEST(CanvasSetup, SmallerPortHidesWithoutCroppingAndLargerShowsAgain) {
  ImageStack stack;
  stack.InitStack(256, 512);
  const QImage picture = MakeCoordinatePicture(512, 1024);
  stack.Layers().L1_Image().SetPicture(picture);
  stack.UpdateStack();
  stack.UpdateImagePort(256, 256);
  EXPECT_EQ(stack.Layers().PortSize(), QSize(256, 256));
  EXPECT_EQ(stack.Layers().L1_Image().PictureSize(), QSize(512, 1024));
  const QImage shown = ComposeLayers(stack.Layers(), QRect(0, 0, 512, 1024));
  EXPECT_EQ(shown.pixel(255, 255), picture.pixel(255, 255) | 0xFF000000u);
  EXPECT_EQ(shown.pixel(256, 0), qRgb(0, 0, 0)) << "outside the port nothing is drawn";
  stack.UpdateImagePort(512, 1024);
  EXPECT_TRUE(SamePixels(stack.Layers().L1_Image().PictureCopy(), picture));
  EXPECT_EQ(ComposeLayers(stack.Layers(), QRect(300, 700, 1, 1)).pixel(0, 0), picture.pixel(300, 700));
}

TEST(CanvasSetup, EnlargingThePictureTakesTheColourItsOwnerGivesNotTheCanvas) {
  ImageStack stack;
  stack.InitStack(256, 512);
  ImageLayer& image = stack.Layers().L1_Image();
  image.SetPicture(MakeFPicture(256, 256));
  image.SetFillColour(qRgb(0, 200, 0));
  stack.UpdateStack();
  EXPECT_EQ(stack.Layers().PortSize(), QSize(256, 256));
  image.SetPictureSize(QSize(512, 512));
  EXPECT_EQ(image.PixelAt(300, 10), qRgb(0, 200, 0)) << "UpdateStack kept the picture's fill colour";
  EXPECT_EQ(image.PixelAt(10, 300), qRgb(0, 200, 0));
  EXPECT_EQ(image.PixelAt(10, 10), qRgb(200, 100, 50)) << "old pixels keep their place";
  image.SetPictureSize(QSize(512, 600), qRgb(0, 0, 200));
  EXPECT_EQ(image.PixelAt(10, 550), qRgb(0, 0, 200));
}

TEST(CanvasSetup, InitStackOnASmallPortBlackensOnlyThePort) {
  ImageStack stack;
  stack.InitStack(256, 512);
  const QImage picture = MakeCoordinatePicture(512, 1024);
  stack.Layers().L1_Image().SetPicture(picture);
  stack.UpdateStack();
  stack.UpdateImagePort(256, 256);
  stack.InitStack(512, 512);
  EXPECT_EQ(stack.Layers().L1_Image().PictureSize(), QSize(512, 512));
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(255, 255), qRgb(0, 0, 0));
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(256, 10), picture.pixel(256, 10)) << "outside the old port: kept";
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(10, 300), picture.pixel(10, 300));
  EXPECT_EQ(stack.Layers().L1_Image().PixelAt(511, 511), picture.pixel(511, 511));
}

TEST(CanvasSetup, LayersTakeCopiesOfPicturesAndEditPictureMarksThemDrawn) {
  FakeView view;
  ImageStack source, stack;
  source.InitStack(64, 64);
  stack.SetView(&view);
  stack.InitStack(256, 512);
  source.Layers().L1_Image().SetPicture(MakeFPicture(64, 32));
  stack.Layers().L1_Image().SetPicture(source.Layers().L1_Image().StoredPicture());
  stack.Layers().L4_Clip().SetPicture(source.Layers().L1_Image().StoredPicture());
  EXPECT_EQ(stack.Layers().L1_Image().PictureSize(), QSize(64, 32));
  EXPECT_EQ(stack.Layers().L4_Clip().PictureSize(), QSize(64, 32));
  source.Layers().L1_Image().EditPicture().setPixel(0, 0, qRgb(1, 2, 3));
  EXPECT_NE(stack.Layers().L1_Image().PixelAt(0, 0), qRgb(1, 2, 3)) << "a copy, not a shared picture";
  EXPECT_EQ(source.Layers().L1_Image().PixelAt(0, 0), qRgb(1, 2, 3));

  view.dirty = QRegion();
  stack.Layers().L1_Image().EditPicture();
  EXPECT_EQ(view.dirty, QRegion(0, 0, 64, 32)) << "all of the picture repaints";
  EXPECT_EQ(stack.Layers().L1_Image().Ink(), QRegion(0, 0, 64, 32)) << "and counts as drawn on";
}

TEST(CanvasSetup, LayersWithNothingDrawnKeepNoPixels) {
  ImageStack stack;
  stack.InitStack(512, 16384);
  EXPECT_TRUE(stack.Layers().L3_Temp().IsBlank());
  EXPECT_TRUE(stack.Layers().L8_Overlay().IsBlank());
  EXPECT_TRUE(stack.Layers().L6_Selection().IsBlank());
  EXPECT_EQ(stack.Layers().L5_Grid().StoredPicture().format(), QImage::Format_Indexed8);
}

}  // namespace

}  // namespace mosaicor
