#include "core/imagefiles/FrameSheet.h"

#include "core/graphics/AlphaKeying.h"
#include "core/graphics/RectCopy.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/imagefiles/PictureConversion.h"
#include "core/packing/SetGeometry.h"
#include "core/packing/TilePacker.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace mosaicor {

int FramesIn64Pages(QSize frame, int width) {
  if (frame.isEmpty()) return 0;
  return std::max(1, width / frame.width()) * (kSetMaxHeight / frame.height());
}

Outcome<> FramesFit(int frames, QSize frame, int width) {
  const int room = FramesIn64Pages(frame, width);
  if (frames <= room) return {};
  return Failure<>{QStringLiteral("the picture has %1 frames; 64 pages hold at most %2 frames of %3 x %4")
                       .arg(frames)
                       .arg(room)
                       .arg(frame.width())
                       .arg(frame.height())};
}

Result<FrameSheet> LoadFrameSheet(const QString& fileName, CutSizeMode mode, int width) {
  FrameSheet sheet;
  std::vector<QImage> tiles;
  const FrameReading reading{
      [&](QSize size, int frames) -> Outcome<> {
        sheet.cell = CutSizeFor(mode, size);
        if (Outcome<> fit = FramesFit(frames, sheet.cell, width); !fit) return fit;
        tiles.reserve(size_t(frames));
        return {};
      },
      [&](QImage frame, PixelFormatCode, int delayMs) -> Outcome<> {
        // A frame with transparency keeps it; a tile resampled to 24 bits comes back to the
        // working format as a loaded 24-bit picture does.
        QImage tile;
        if (HasTransparency(frame))
          tile = SizeCutWithAlpha(frame, mode);
        else if (tile = SizeCut(frame, mode); !tile.isNull())
          tile = ConvertTo32Bits(std::move(tile), PixelFormatCode::TwentyFourBits);
        if (tile.isNull() || tile.size() != sheet.cell)
          return Failure<>{QStringLiteral("cannot resample a %1 x %2 frame").arg(frame.width()).arg(frame.height())};
        tiles.push_back(std::move(tile));
        sheet.delaysMs << delayMs;
        return {};
      }};
  if (PictureOutcome read = ImageFileModule().LoadFramesAs32BitsFile(fileName, reading); !read) return read;
  const int sheetWidth = std::max(width, sheet.cell.width());
  const int columns = sheetWidth / sheet.cell.width();
  const int rows = (sheet.Frames() + columns - 1) / columns;
  sheet.picture = QImage(sheetWidth, rows * sheet.cell.height(), QImage::Format_ARGB32);
  if (sheet.picture.isNull()) return Failure<>{QStringLiteral("not enough memory for the frames")};
  sheet.picture.fill(0);
  for (int i = 0; i < sheet.Frames(); ++i)
    CopyRect(sheet.picture, QPoint(i % columns * sheet.cell.width(), i / columns * sheet.cell.height()), tiles[size_t(i)],
             tiles[size_t(i)].rect());
  return sheet;
}

Result<QList<QRect>> PackPictureFrames(TilePacker& packer, const ImageFileModule& pictures, const QString& fileName,
                                       const PackStyle& style) {
  std::vector<QImage> tiles;
  const int width = packer.Set().width();
  const FrameReading reading{
      [&](QSize size, int frames) { return FramesFit(frames, CutSizeFor(style.size, size), width); },
      [&](QImage frame, PixelFormatCode, int) -> Outcome<> {
        Result<QImage> tile = MakePackTile(frame, style);
        if (!tile) return tile.Status();
        tiles.push_back(std::move(tile).Value());
        return {};
      }};
  if (const Outcome<> read = pictures.LoadFramesAs32BitsFile(fileName, reading); !read) return read;
  // Several frames go into a trial packer first, so that a failure leaves the set untouched.
  std::optional<TilePacker> trial;
  if (tiles.size() > 1) trial.emplace(packer);
  TilePacker& into = trial ? *trial : packer;
  QList<QRect> places;
  for (size_t i = 0; i < tiles.size(); ++i) {
    const Result<QRect> at = into.Place(tiles[i]);
    if (!at)
      return tiles.size() > 1
                 ? Failure<>{QStringLiteral("frame %1 of %2: %3").arg(i + 1).arg(tiles.size()).arg(at.Text())}
                 : Failure<>{at.Text()};
    places << at.Value();
  }
  if (trial) packer = std::move(*trial);
  return places;
}

}  // namespace mosaicor
