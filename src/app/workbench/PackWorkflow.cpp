#include "workbench/PackWorkflow.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <new>

#include "canvas/ImageStack.h"
#include "graphics/RectCopy.h"
#include "imagefiles/ImageFileModule.h"
#include "packing/TilePacker.h"
#include "workbench/TargetHistory.h"
#include "workbench/TargetWorkflow.h"
#include "workbench/Workbench.h"

namespace mosaicor {

namespace {

// What the window would make of a cut: the selector's size, the picker mask when it is on.
PackStyle StyleOf(const WindowState& s) {
  PackStyle style;
  style.size = static_cast<CutSizeMode>(s.TileSize);
  style.maskPicked = s.Transparency == TransparencyMode::Picker;
  style.picked = s.SampleColour;
  style.transparent = s.TransparentColour;
  return style;
}

QString Told(const QString& fileName, const QString& text) {
  return QDir::toNativeSeparators(fileName) + QLatin1Char('\n') + text;
}

}  // namespace

bool PackWorkflow::AddPicturesAsTilesDialog() {
  WindowState& s = bench_.State;
  const QStringList chosen = bench_.Dialogs.OpenPictureFiles(s.DialogPreset(s.ImagePath));
  bench_.NoActiveControls();
  if (chosen.isEmpty()) return false;
  return AddPicturesAsTiles(chosen);
}

bool PackWorkflow::AddPicturesAsTiles(const QStringList& fileNames) {
  if (fileNames.isEmpty()) return false;
  WindowState& s = bench_.State;
  ImageStack& target = bench_.Target;
  target.StopAnimationNow();
  ImageLayer& image = target.Layers().L1_Image();
  const QRgb fill = image.FillColour();
  const int width = s.TargetWidthPages * TargetWorkflow::PageSide;
  // The packer sees the shown width and every page of the picture, hidden ones too, so that a
  // hidden page's tiles are not painted over.
  QImage picture = image.PictureCopy();
  TilePacker packer(AsTextureSet(picture.copy(0, 0, width, picture.height()), fill, width), fill);
  const PackStyle style = StyleOf(s);
  QStringList failures;
  int lowest = 0;  // the bottom of the lowest tile placed
  for (const QString& fileName : fileNames) {
    try {
      QImage loaded;
      PixelFormatCode format = PixelFormatCode::Device;
      if (const PictureOutcome read = bench_.Pictures.LoadImageAs32BitsFile(loaded, fileName, format); !read) {
        failures << FailureMessage(fileName, read);
        continue;
      }
      const Result<QImage> tile = MakePackTile(loaded, style);
      const Result<QRect> at = tile ? packer.Place(tile.Value()) : Result<QRect>(tile.Status());
      if (!at) {
        failures << Told(fileName, at.Text());
        continue;
      }
      lowest = std::max(lowest, at->bottom() + 1);
    } catch (const std::bad_alloc&) {
      failures << Told(fileName, QCoreApplication::translate("mosaicor::MainWindow", "not enough memory"));
    }
  }
  const bool placed = lowest > 0;
  if (placed) {
    const QString edit = QCoreApplication::translate("mosaicor::TargetHistory", "Add Pictures as Tiles");
    bench_.History().WholePictureEdit(edit, [&] {
      const QImage& set = packer.Set();
      QImage grown(std::max(picture.width(), set.width()), std::max(picture.height(), set.height()),
                   QImage::Format_ARGB32);
      grown.fill(fill);
      CopyRect(grown, QPoint(0, 0), picture.convertToFormat(QImage::Format_ARGB32), picture.rect());
      CopyRect(grown, QPoint(0, 0), set, set.rect());
      image.SetPicture(grown);
      s.TargetHeightPages = std::max(s.TargetHeightPages, PagesFor(lowest));
      bench_.Targets().ResizeTargetWindow(PageCounter::Height);
      image.SetFillColour(fill);  // the resize hands the canvas's own colour to the picture
    });
    s.Remember(fileNames.constFirst());
    bench_.NotifyChanged();
  }
  if (!failures.isEmpty())
    bench_.Dialogs.ShowMessage(
        QCoreApplication::translate("mosaicor::MainWindow", "%1 of %2 pictures could not be added as tiles:\n\n%3")
            .arg(failures.size())
            .arg(fileNames.size())
            .arg(failures.join(QStringLiteral("\n\n"))));
  return placed;
}

}  // namespace mosaicor
