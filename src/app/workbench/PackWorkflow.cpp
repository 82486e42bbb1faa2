#include "app/workbench/PackWorkflow.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <new>

#include "app/workbench/Chooser.h"
#include "app/workbench/Operations.h"
#include "app/workbench/TargetDocument.h"
#include "app/workbench/TargetHistory.h"
#include "app/workbench/WindowState.h"
#include "core/canvas/ImageLayer.h"
#include "core/graphics/RectCopy.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/imagefiles/FrameSheet.h"
#include "core/packing/SetGeometry.h"
#include "core/packing/TilePacker.h"

namespace mosaicor {

namespace {

// What the window would make of a cut: the selector's size, the picker mask when it is on.
PackStyle StyleOf(const Document& doc, const ViewState& view) {
  PackStyle style;
  style.size = view.TileSize;
  style.maskPicked = view.Transparency == TransparencyMode::Picker;
  style.picked = doc.SampleColour;
  style.transparent = doc.TransparentColour;
  return style;
}

// A message box grows with its text: beyond this many failures the rest are counted, not listed,
// so that its button stays on the screen.
constexpr int kFailuresListed = 8;

QString Told(const QString& fileName, const QString& text) {
  return QDir::toNativeSeparators(fileName) + QLatin1Char('\n') + text;
}

}  // namespace

bool PackWorkflow::AddPicturesAsTilesDialog() {
  const QStringList chosen = dialogs_.OpenPictureFiles(doc_.DialogPreset(doc_.ImageFile));
  if (chosen.isEmpty()) return false;
  return AddPicturesAsTiles(chosen);
}

bool PackWorkflow::AddPicturesAsTiles(const QStringList& fileNames) {
  if (fileNames.isEmpty()) return false;
  const Operations::Operation operation(operations_);
  target_.StopAnimation();
  ImageLayer& image = target_.Picture();
  const QRgb fill = target_.Fill();
  const int width = target_.ShownSize().width();
  // The packer sees the shown width and every page of the picture, hidden ones too, so that a
  // hidden page's tiles are not painted over.
  QImage picture = image.PictureCopy();
  TilePacker packer(AsTextureSet(picture.copy(0, 0, width, picture.height()), fill, width), fill);
  PackStyle style = StyleOf(doc_, view_);
  style.fitWidth = width;
  QStringList failures;
  int lowest = 0;  // the bottom of the lowest tile placed
  for (const QString& fileName : fileNames) {
    try {
      // A GIF gives a tile for each of its frames, as the companion's pack does.
      const Result<QList<QRect>> placed = PackPictureFrames(packer, pictures_, fileName, style);
      if (!placed) {
        failures << TranslatedFailureMessage(fileName, placed.Status());
        continue;
      }
      for (const QRect& at : placed.Value()) lowest = std::max(lowest, at.bottom() + 1);
    } catch (const std::bad_alloc&) {
      failures << Told(fileName, QCoreApplication::translate("mosaicor::MainWindow", "not enough memory"));
    }
  }
  const bool placed = lowest > 0;
  if (placed) {
    const QString edit = QCoreApplication::translate("mosaicor::TargetHistory", "Add Pictures as Tiles");
    history_.RecordWholePicture(edit, [&] {
      const QImage& set = packer.Set();
      QImage grown(std::max(picture.width(), set.width()), std::max(picture.height(), set.height()),
                   QImage::Format_ARGB32);
      grown.fill(fill);
      CopyRect(grown, QPoint(0, 0), picture.convertToFormat(QImage::Format_ARGB32), picture.rect());
      CopyRect(grown, QPoint(0, 0), set, set.rect());
      image.SetPicture(grown);
      const TargetPages pages = target_.Pages();
      target_.SetPages(TargetPages{pages.width, std::max(pages.height, PagesFor(lowest))});
    });
    doc_.Remember(fileNames.constFirst());
  }
  if (!failures.isEmpty()) {
    QStringList listed = failures.mid(0, kFailuresListed);
    if (failures.size() > kFailuresListed)
      listed << QCoreApplication::translate("mosaicor::MainWindow", "… and %1 more.")
                    .arg(failures.size() - kFailuresListed);
    dialogs_.ShowMessage(
        QCoreApplication::translate("mosaicor::MainWindow", "%1 of %2 pictures could not be added as tiles:\n\n%3")
            .arg(failures.size())
            .arg(fileNames.size())
            .arg(listed.join(QStringLiteral("\n\n"))));
  }
  return placed;
}

}  // namespace mosaicor
