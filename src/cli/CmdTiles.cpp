#include "cli/Batch.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/SameFile.h"

#include "core/extraction/HeadlessExtraction.h"
#include "core/extraction/LevelTiles.h"
#include "core/imagefiles/AtomicWrite.h"
#include "core/packing/SetGeometry.h"
#include "core/packing/TileSheets.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>

namespace mosaicor {

namespace {

// Each input's name while the tiles are gathered: its file name, or the path as given where two
// inputs share one, so that each level's files take their own stem.
QStringList LevelNames(const QStringList& inputs) {
  QHash<QString, int> sharing;
  for (const QString& input : inputs) ++sharing[QFileInfo(input).fileName()];
  QStringList names;
  for (const QString& input : inputs)
    names << (sharing[QFileInfo(input).fileName()] > 1 ? input : QFileInfo(input).fileName());
  return names;
}

// "<stem>_p03_x064_y128_32x32.png": a file manager sorts them by page, then position.
QString TileFileName(const QString& stem, const TilePlace& place, const QString& extension) {
  return QStringLiteral("%1_p%2_x%3_y%4_%5x%6.%7")
      .arg(stem)
      .arg(place.Page, 2, 10, QLatin1Char('0'))
      .arg(place.Rect.x(), 3, 10, QLatin1Char('0'))
      .arg(place.Rect.y(), 3, 10, QLatin1Char('0'))
      .arg(place.Rect.width())
      .arg(place.Rect.height())
      .arg(extension);
}

// The file of each tile, after its first place. Two object textures on one rectangle (--all) would
// share a name: the later ones are numbered, "_2", "_3", as the companion numbers shared outputs.
QStringList TileFileNames(const LevelTileSet& tiles, const QHash<QString, QString>& stems, const QString& extension) {
  QSet<QString> taken;
  QStringList names;
  for (const LevelTile& tile : tiles.Tiles()) {
    const QString name = TileFileName(stems.value(tile.Places.front().Level), tile.Places.front(), extension);
    const QString stem = QFileInfo(name).completeBaseName();
    QString unique = name;
    for (int n = 2; taken.contains(unique.toLower()); ++n)
      unique = QStringLiteral("%1_%2.%3").arg(stem).arg(n).arg(extension);
    taken.insert(unique.toLower());
    names << unique;
  }
  return names;
}

// tiles.json is written by hand: a run of thousands of tiles builds it in a few milliseconds,
// where Qt's JSON objects take longer than writing the tiles themselves.
QByteArray JsonString(const QString& text) {
  QByteArray out("\"");
  for (const QChar c : text) {
    if (c == u'"' || c == u'\\') {
      out += '\\';
      out += char(c.unicode());
    } else if (c.unicode() < 0x20) {
      out += QByteArray("\\u00") + QByteArray::number(c.unicode(), 16).rightJustified(2, '0');
    } else {
      out += QString(c).toUtf8();
    }
  }
  return out + '"';
}

QByteArray JsonStrings(const QStringList& texts) {
  QByteArrayList items;
  for (const QString& text : texts) items << JsonString(text);
  return '[' + items.join(", ") + ']';
}

// A level is named by its file name in tiles.json, as the summary lists it.
QString LevelFileName(const QString& level) { return QFileInfo(level).fileName(); }

QByteArray PlaceJson(const TilePlace& place) {
  QByteArrayList indices;
  for (const int index : place.ObjectTextures) indices << QByteArray::number(index);
  const auto boolean = [](bool value) { return QByteArray(value ? "true" : "false"); };
  return "{\"level\": " + JsonString(LevelFileName(place.Level)) + ", \"page\": " + QByteArray::number(place.Page) +
         ", \"x\": " + QByteArray::number(place.Rect.x()) + ", \"y\": " + QByteArray::number(place.Rect.y()) +
         ", \"object_textures\": [" + indices.join(", ") + "], \"attribute\": " + QByteArray::number(place.Attribute) +
         ", \"triangle\": " + boolean(place.Triangle) + ", \"animated\": " + boolean(place.Animated) + '}';
}

QByteArray TilesJson(const LevelTileSet& tiles, const QStringList& files, const QStringList& sheetFiles,
                     const TileSheets* sheets) {
  QStringList levels;
  for (const QString& level : tiles.Levels()) levels << LevelFileName(level);
  QByteArray out = "{\"summary\": {\"levels\": " + JsonStrings(levels) +
                   ", \"object_textures\": " + QByteArray::number(tiles.ObjectTextures()) +
                   ", \"unique_tiles\": " + QByteArray::number(qsizetype(tiles.Tiles().size())) +
                   ", \"skipped\": " + QByteArray::number(tiles.Skipped()) +
                   ", \"sheets\": " + JsonStrings(sheetFiles) + "},\n\"tiles\": [";
  for (size_t i = 0; i < tiles.Tiles().size(); ++i) {
    const LevelTile& tile = tiles.Tiles()[i];
    QByteArrayList places;
    for (const TilePlace& place : tile.Places) places << PlaceJson(place);
    out += (i ? ",\n" : "\n") + QByteArray("{\"file\": ") + JsonString(files[qsizetype(i)]) +
           ", \"width\": " + QByteArray::number(tile.Pixels.width()) +
           ", \"height\": " + QByteArray::number(tile.Pixels.height()) + ", \"places\": [" + places.join(", ") + ']';
    if (sheets) {
      const SheetSpot& spot = sheets->Spots[i];
      out += ", \"sheet\": {\"file\": " + JsonString(sheetFiles[spot.Sheet]) +
             ", \"x\": " + QByteArray::number(spot.At.x()) + ", \"y\": " + QByteArray::number(spot.At.y()) + '}';
    }
    out += '}';
  }
  return out + "\n]}\n";
}

// The inputs, each file once: a level given twice would count its textures twice.
QStringList EachFileOnce(const QStringList& inputs) {
  QStringList once;
  for (const QString& input : inputs)
    if (std::none_of(once.begin(), once.end(), [&input](const QString& kept) { return IsSameFile(kept, input); }))
      once << input;
  return once;
}

// Reads every level into one set; returns the number of inputs that failed.
int ReadLevels(const CliOptions& options, const QStringList& inputs, LevelTileSet& tiles) {
  const QStringList names = LevelNames(inputs);
  int failures = 0;
  ProgressLine progress(options);
  for (int i = 0; i < inputs.size(); ++i) {
    const QString& input = inputs[i];
    progress.Show(i, input);
    const int skippedBefore = tiles.Skipped();
    const Outcome<> read = !options.sheet.isEmpty() && IsSameFile(options.sheet, input)
                               ? Outcome<>(Failure<>{QStringLiteral("the output would overwrite this input")})
                               : ExtractLevelTiles(tiles, input, names[i], options.maskTransparency);
    if (!read) {
      progress.Clear();
      ReportFailure(input, read.Text());
      ++failures;
    } else if (tiles.Skipped() > skippedBefore) {
      progress.Clear();
      const int skipped = tiles.Skipped() - skippedBefore;
      ReportNote(options, skipped == 1
                              ? QStringLiteral("%1: 1 object texture skipped: its page does not exist").arg(input)
                              : QStringLiteral("%1: %2 object textures skipped: their page does not exist")
                                    .arg(input)
                                    .arg(skipped));
    }
  }
  return failures;
}

// The sheets of --sheet and their file paths: SET, then SET_001, SET_002, ...
Outcome<> WriteSheets(const CliOptions& options, const TileSheets& sheets, QStringList& files) {
  for (size_t k = 0; k < sheets.Sheets.size(); ++k) {
    const QString path = k == 0 ? options.sheet : SplitPagePath(options.sheet, int(k));
    if (Outcome<> written = WriteOutput(sheets.Sheets[k], path, false); !written)
      return Failure<>{path + QStringLiteral(": ") + written.Text()};
    files << QFileInfo(path).fileName();
  }
  if (sheets.Sheets.size() > 1)
    ReportNote(options, QStringLiteral("%1: the tiles need more than 64 pages; the sheet continues in %2")
                            .arg(options.sheet, files.size() == 2 ? files[1] : files[1] + " to " + files.back()));
  return {};
}

// Writes the tiles, the sheets and tiles.json, the description last: it names only what is there.
Outcome<> WriteTiles(const CliOptions& options, const QStringList& inputs, const LevelTileSet& tiles) {
  const QDir dir(options.output);
  if (!QDir().mkpath(options.output)) return Failure<>{options.output + QStringLiteral(": cannot create the folder")};
  // An earlier run's description goes before the first tile is written: a run cut short leaves
  // none, as in a new folder, rather than one that lists other tiles.
  const QString json = dir.filePath(QStringLiteral("tiles.json"));
  if (QFileInfo::exists(json) && !QFile::remove(json))
    return Failure<>{json + QStringLiteral(": cannot remove the description of an earlier run")};
  QHash<QString, QString> stems;
  const QStringList names = LevelNames(inputs), distinct = DistinctStems(inputs);
  for (int i = 0; i < names.size(); ++i) stems[names[i]] = distinct[i];
  const QString extension = options.format.isEmpty() ? QStringLiteral("png") : options.format;
  const QStringList files = TileFileNames(tiles, stems, extension);
  const ImageFileModule pictures;
  for (size_t i = 0; i < tiles.Tiles().size(); ++i) {
    // Each tile is a whole file or none, without waiting for the disk file by file.
    const QString path = dir.filePath(files[qsizetype(i)]);
    const Result<QByteArray> encoded = pictures.EncodeAs24Bits(tiles.Tiles()[i].Pixels, path);
    const Outcome<> written = encoded ? WriteFileReplacing(path, encoded.Value()) : Outcome<>(encoded.Status());
    if (!written) return Failure<>{path + QStringLiteral(": ") + written.Text()};
  }
  QStringList sheetFiles;
  std::optional<TileSheets> sheets;
  if (!options.sheet.isEmpty()) {
    std::vector<QImage> pixels;
    for (const LevelTile& tile : tiles.Tiles()) pixels.push_back(tile.Pixels);
    Result<TileSheets> packed =
        PackTileSheets(pixels, options.setWidth ? options.setWidth : kSetPageSide, kTileSheetFill);
    if (!packed) return Failure<>{options.sheet + QStringLiteral(": ") + packed.Text()};
    sheets = std::move(packed).Value();
    if (Outcome<> written = WriteSheets(options, *sheets, sheetFiles); !written) return written;
  }
  if (Outcome<> written = WriteFileAtomically(json, TilesJson(tiles, files, sheetFiles, sheets ? &*sheets : nullptr));
      !written)
    return Failure<>{json + QStringLiteral(": ") + written.Text()};
  return {};
}

}  // namespace

int RunTiles(const CliOptions& options) {
  LevelTileSet tiles(!options.all);
  const QStringList inputs = EachFileOnce(options.inputs);
  const int failures = ReadLevels(options, inputs, tiles);
  // No level read: nothing to write, not even an empty folder.
  if (tiles.Levels().isEmpty()) return 1;
  try {
    if (Outcome<> written = WriteTiles(options, inputs, tiles); !written) {
      PrintText(stderr, written.Text() + QLatin1Char('\n'));
      return 1;
    }
  } catch (const std::bad_alloc&) {
    PrintText(stderr, options.output + QStringLiteral(": not enough memory\n"));
    return 1;
  }
  if (options.verbose)
    ReportNote(options, QStringLiteral("%1 object textures, %2 unique tiles, %3 skipped")
                            .arg(tiles.ObjectTextures())
                            .arg(tiles.Tiles().size())
                            .arg(tiles.Skipped()));
  return failures ? 1 : 0;
}

}  // namespace mosaicor
