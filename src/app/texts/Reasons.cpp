#include "app/texts/Reasons.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>

#include <vector>

namespace mosaicor {

namespace {

const char* const kContext = "mosaicor::Reasons";

// The core's failure texts as it words them, %1.. standing for the figures and names it fills in.
// A text composed of others ("damaged compressed data in" a place) has its parts here as well: the
// filled-in values are matched in their turn. The names of a level's sections and of a file's
// blocks stay as the core writes them: they name parts of the file's format.
constexpr const char* kReasons[] = {
    // Levels.
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a level file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "file not found"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "unknown level version"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "encrypted TR4 level: not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "level file ends early"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "level file ends early in %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "32-bit texture pages are missing"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "no texture pages"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "no animated textures"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "damaged compressed data"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "damaged compressed data in %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the %1 at offset %2 (0x%3)"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the %1 at offset %2 (0x%3) of the inflated level data"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "room %1 at offset %2 (0x%3)"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "room %1 at offset %2 (0x%3) of the inflated level data"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "compressed data unpacks to more than %1 MiB, more than any level holds"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a %1 picture, not a Tomb Raider level"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the level claims %1 texture pages (at most %2)"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file is too large for a level (%1 MiB; levels are read up to %2 MiB)"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "out of memory"),
    // Object libraries.
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "unknown object library version %1 (versions 129 and 130 are read)"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "object library ends early in %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons",
                      "the file is too large for an object library (%1 MiB; object libraries are read up to %2 MiB)"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons",
                      "the texture set is %1 x %2 pixels, but the object library's pages are %3 x %4"),
    // Any file.
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "is a folder, not a file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a regular file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file is empty"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "cannot open: %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "cannot read: %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "Cannot read %1: %2"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "Cannot write %1: %2"),
    // Pictures read.
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "%1 format not supported."),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "This file has a non supported compression scheme."),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a Tomb Raider level, not a picture"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "an object library, not a picture"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file is too large (%1 MiB; pictures are read up to %2 MiB)"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not enough memory for the 32-bit picture"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not enough memory for a %1 x %2 picture"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "no picture described"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the picture has no pixels (%1 x %2)"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the picture is too large (%1 x %2 pixels)"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file is shorter than its %1 x %2 picture"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file is too short for its %1 x %2 picture"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a BMP file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file ends inside the BMP header"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "unknown BMP header size %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "OS/2 Huffman and RLE24 bitmaps are not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file ends inside the colour masks"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the pixel data lies outside the file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "BMP files of %1 bits per pixel are not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "BMP compression %1 is not supported for %2 bits per pixel"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a run-length encoded BMP cannot be stored top-down"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the picture is too large to decode progressively (%1 x %2 pixels)"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file is cut short: it ends before the picture's last rows"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "JPEG error: %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a PCX file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "PCX pictures of %1 bits in %2 planes are not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "unknown PCX encoding %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the PCX rows (%1 bytes) are too short for %2 pixels"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the PCX picture data ends at row %1 of %2"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a PNG file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the PNG file does not begin with its header chunk"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the PNG chunk \"%1\" at offset %2 claims %3 bytes, but only %4 are left"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "PNG error: %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a Photoshop file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "Photoshop files of version %1 (large documents) are not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file ends inside its header sections"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "Photoshop colour mode %1 is not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "Photoshop makes no %1 pictures of %2 bits a channel"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the picture has %1 channels where its colour mode needs %2"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the indexed picture has no palette"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file ends before its image data"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file ends inside its image data"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "Photoshop image data compression %1 is not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file ends inside its row table"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the image data is too short for the picture"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a Paint Shop Pro file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "Paint Shop Pro files of format version %1 are not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the %1 is damaged"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the block at byte %1 is damaged"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a channel holds too few bytes for its %1 x %2 pixels"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a channel's compressed data is damaged"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a channel unpacks to %1 bytes where %2 x %3 pixels need %4"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a channel lies outside the file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a layer lacks some of its colour channels"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file has no image attributes"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "Paint Shop Pro pictures of %1 bits per pixel are not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "Paint Shop Pro compression %1 is not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the paletted picture has no palette"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file ends inside the TGA header"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the picture has a pixel depth of 0"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "pixel depth %1 is not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "TGA image type %1 is not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "colour map entries of %1 bits are not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file ends inside the image ID"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file ends inside the colour map"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a TIFF file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a readable TIFF file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "TIFF error: %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the TIFF picture's strips or tiles do not fit it"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the TIFF picture data is damaged"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "unsupported TIFF layout: %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the TIFF picture has too many samples per pixel (%1)"),
    // Animated GIFs and the level editors' sky and font files.
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a GIF file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "this build of Qt has no GIF reader"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the GIF file holds no frame"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "GIF error in frame %1: %2"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not enough memory for a frame"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not enough memory for the frames"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "cannot resample a %1 x %2 frame"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the picture has %1 frames; 64 pages hold at most %2 frames of %3 x %4"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "frame %1 of %2: %3"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a %1 is %2 x %2 pixels of %3 bits, %4 bytes; this file has %5 bytes"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not enough memory for a 256 x 256 picture"),
    // A level's textures as tiles.
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "no object textures"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not enough memory for a texture set"),
    // Pictures written.
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "There is no picture to save."),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "A picture of %1 x %2 pixels is too large for a BMP file."),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "A picture of %1 x %2 pixels is too large for a TGA file (at most 65535 x "
                                           "65535); save it as BMP instead."),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "Cannot write the JPEG picture: %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "Cannot write the PNG picture: %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "A %1 file holds a picture of 256 x 256 pixels; this one is %2 x %3."),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file cannot be replaced"),
    // Pictures packed as tiles.
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the picture is empty"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "cannot resample a %1 x %2 picture"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not enough memory to grow the set"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not enough memory"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the tile is empty"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a %1 x %2 tile is wider than the %3-pixel set"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a %1 x %2 tile is higher than %3 pages"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "no free cells left for a %1 x %2 tile within %3 pages"),
    // The recovery file.
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the page counters %1 x %2 are out of range"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a %1 x %2 picture does not hold %3 x %4 pages"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "too many paths"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the path %1 is too long"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file ends inside the %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a path of %1 bytes is longer than the file allows"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "%1 paths are more than a recovery file holds"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not enough memory for the recovery file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a recovery file"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "recovery file version %1 is unknown"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a size in the header is out of range"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file holds %1 bytes of pixels where a %2 x %3 picture has %4 bytes"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not enough memory for the recovered picture"),
    // Files read whole (a tiles description, a project, a move map).
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the file is too large (%1 MiB; files of this kind are read up to %2 MiB)"),
    // Compaction.
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the tiles do not fit into %1 pages"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a tiles description (tiles.json): %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the tiles description names no tile on %1"),
    // Projects of the level editor and move maps.
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a project of the level editor (no PROJFILE signature)"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "a project with 128-pixel tiles (\"big textures\"): not supported"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the project uses no texture set (its texture file is NA)"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "damaged project: it ends early, at byte %1"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "damaged project: a count of %1 at byte %2"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "damaged project: an object of unknown kind %1 in room %2"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "damaged project: a name longer than %1 bytes at byte %2"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "damaged project: %1 bytes follow where its reading ends"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "damaged project: a face in room %1 shows texture entry %2 of %3"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the map names cell %1, which a project cannot have"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the map names cell %1 twice"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the map moves cell %1, which is animated"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the map merges cell %1 into cell %2, which is animated"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the map merges cells %1 and %2, whose settings differ"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the map does not say where cell %1 went, which the project uses"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the map moves cell %1, under a texture entry across several cells"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the map puts cell %1 at %2, beyond the %3 cells a project names"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "the map puts cell %1 at %2, beyond the project's %3 texture entries"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "not a move map: its first line must be old_cell,new_cell,transform"),
    QT_TRANSLATE_NOOP("mosaicor::Reasons", "line %1 of the move map is not old_cell,new_cell,transform"),
};

struct Wording {
  const char* source;
  QRegularExpression pattern;  // the whole text, one group for each placeholder
  QList<int> numbers;          // the placeholder of each group
  qsizetype fixed = 0;         // letters outside the placeholders: the more, the closer the match
};

const QRegularExpression& Placeholder() {
  static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
  return placeholder;
}

std::vector<Wording> MakeWordings() {
  std::vector<Wording> wordings;
  for (const char* source : kReasons) {
    const QString text = QString::fromUtf8(source);
    Wording w{source, {}, {}, 0};
    QString pattern = QStringLiteral("^");
    qsizetype at = 0;
    for (auto it = Placeholder().globalMatch(text); it.hasNext();) {
      const QRegularExpressionMatch m = it.next();
      pattern += QRegularExpression::escape(text.mid(at, m.capturedStart() - at)) + QStringLiteral("(.*?)");
      w.fixed += m.capturedStart() - at;
      w.numbers << m.captured(1).toInt();
      at = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(text.mid(at)) + QLatin1Char('$');
    w.fixed += text.size() - at;
    w.pattern.setPattern(pattern);
    w.pattern.optimize();
    wordings.push_back(std::move(w));
  }
  return wordings;
}

// The values go in in one pass, so that a value holding "%2" (a file name) is left as it is.
QString Filled(const QString& wording, const QList<int>& numbers, const QStringList& values) {
  QString out;
  qsizetype at = 0;
  for (auto it = Placeholder().globalMatch(wording); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    out += wording.mid(at, m.capturedStart() - at);
    const qsizetype index = numbers.indexOf(m.captured(1).toInt());
    out += index >= 0 ? values[index] : m.captured();
    at = m.capturedEnd();
  }
  return out + wording.mid(at);
}

QString Translated(const QString& english, int depth) {
  if (english.isEmpty()) return english;
  static const std::vector<Wording> wordings = MakeWordings();
  const Wording* best = nullptr;
  QRegularExpressionMatch found;
  for (const Wording& w : wordings) {
    if (best && w.fixed <= best->fixed) continue;
    if (QRegularExpressionMatch m = w.pattern.match(english); m.hasMatch()) {
      best = &w;
      found = m;
    }
  }
  if (!best) return english;
  // A filled-in value may be a reason or a place itself; three levels are more than the core nests.
  QStringList values;
  for (int i = 1; i <= best->numbers.size(); ++i)
    values << (depth < 3 ? Translated(found.captured(i), depth + 1) : found.captured(i));
  return Filled(QCoreApplication::translate(kContext, best->source), best->numbers, values);
}

}  // namespace

QString TranslatedReason(const QString& english) { return Translated(english, 0); }

}  // namespace mosaicor
