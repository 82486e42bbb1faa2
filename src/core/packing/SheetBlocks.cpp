#include "core/packing/SheetBlocks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

constexpr int kSide = kSetCellSide;

// The cells a tile of `width` x `height` pixels at (x, y) covers; empty when it is no such tile.
QRect CellsOf(const QJsonObject& tile, const QJsonObject& sheet) {
  const int x = sheet.value(QLatin1String("x")).toInt(-1), y = sheet.value(QLatin1String("y")).toInt(-1);
  const int width = tile.value(QLatin1String("width")).toInt(0), height = tile.value(QLatin1String("height")).toInt(0);
  if (x < 0 || y < 0 || width <= 0 || height <= 0 || x > kSetMaxWidth || y > kSetMaxHeight || width > kSetMaxWidth ||
      height > kSetMaxHeight)
    return {};
  const int left = x / kSide, top = y / kSide;
  const int right = (x + width - 1) / kSide, bottom = (y + height - 1) / kSide;
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

Result<std::vector<QRect>> SheetBlocks(const QByteArray& tilesJson, const QString& setFileName) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(tilesJson, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject())
    return Failure<>{QStringLiteral("not a tiles description (tiles.json): %1").arg(error.errorString())};
  const QJsonArray tiles = document.object().value(QLatin1String("tiles")).toArray();
  const QJsonArray sheets =
      document.object().value(QLatin1String("summary")).toObject().value(QLatin1String("sheets")).toArray();
  const auto blocksOn = [&](const QString& name, bool anySheet) {
    std::vector<QRect> blocks;
    for (const QJsonValue& value : tiles) {
      const QJsonObject tile = value.toObject();
      const QJsonObject sheet = tile.value(QLatin1String("sheet")).toObject();
      if (!anySheet && sheet.value(QLatin1String("file")).toString().compare(name, Qt::CaseInsensitive) != 0) continue;
      const QRect cells = CellsOf(tile, sheet);
      if (cells.width() * cells.height() > 1) blocks.push_back(cells);
    }
    return blocks;
  };
  bool named = false;
  for (const QJsonValue& value : tiles)
    named = named || value.toObject()
                             .value(QLatin1String("sheet"))
                             .toObject()
                             .value(QLatin1String("file"))
                             .toString()
                             .compare(setFileName, Qt::CaseInsensitive) == 0;
  if (named) return blocksOn(setFileName, false);
  if (sheets.size() == 1) return blocksOn(QString(), true);
  return Failure<>{QStringLiteral("the tiles description names no tile on %1").arg(setFileName)};
}

}  // namespace mosaicor
