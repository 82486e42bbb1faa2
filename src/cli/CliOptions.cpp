#include "cli/CliOptions.h"
#include "cli/WindowsArguments.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "core/extraction/TombRaiderFileModule.h"
#include "core/imagedecoding/PictureDecoder.h"
#include "core/imagefiles/ImageFileModule.h"
#include "core/level/ObjectLibrary.h"
#include "core/packing/SetGeometry.h"

namespace mosaicor {

namespace {

// The largest picture the canvas holds: two pages wide, 64 pages high.
constexpr int kMaxResizeWidth = kSetMaxWidth;
constexpr int kMaxResizeHeight = kSetMaxHeight;

struct CommandInfo {
  const char* name;
  CliCommand command;
  QStringList options;  // options the command accepts
};

const QList<CommandInfo>& Commands() {
  static const QList<CommandInfo> commands = {
      {"pages",
       CliCommand::Pages,
       {"-o", "--transparency", "--alpha", "--format", "--split", "--misc", "--quiet", "--verbose"}},
      {"animated", CliCommand::Animated, {"-o", "--transparency", "--alpha", "--format", "--quiet", "--verbose"}},
      {"convert",
       CliCommand::Convert,
       {"-o", "--alpha", "--format", "--alpha-to-magenta", "--clean-fringe", "--quiet", "--verbose"}},
      {"resize",
       CliCommand::Resize,
       {"-o", "--size", "--scroll-tile", "--alpha-to-magenta", "--clean-fringe", "--quiet", "--verbose"}},
      {"info", CliCommand::Info, {"--brief", "--census", "--symmetric", "--tolerance", "--quiet", "--verbose"}},
      {"pack",
       CliCommand::Pack,
       {"-o", "--size", "--width", "--into", "--alpha-to-magenta", "--clean-fringe", "--quiet", "--verbose"}},
      {"tiles",
       CliCommand::Tiles,
       {"-o", "--transparency", "--all", "--format", "--sheet", "--width", "--quiet", "--verbose"}},
      {"compact",
       CliCommand::Compact,
       {"-o", "--symmetric", "--tolerance", "--map", "--keep-order", "--tiles", "--project", "--project-out", "--quiet",
        "--verbose"}},
      {"remap", CliCommand::Remap, {"-o", "--map", "--quiet", "--verbose"}},
      {"retexture", CliCommand::Retexture, {"-o", "--pages", "--quiet", "--verbose"}},
  };
  return commands;
}

bool TakesValue(const QString& option) {
  return option == "-o" || option == "--transparency" || option == "--format" || option == "--size" ||
         option == "--width" || option == "--into" || option == "--sheet" || option == "--tolerance" ||
         option == "--map" || option == "--tiles" || option == "--project" || option == "--project-out" ||
         option == "--pages";
}

// --alpha-to-magenta's value is optional: the next argument is its threshold when it is a number.
bool IsThreshold(const QString& arg) {
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
  return digits.match(arg).hasMatch();
}

bool LooksLikeNumber(const QString& arg) {
  bool number = false;
  arg.toDouble(&number);
  return number;
}

// Every complaint about OUT ends the same way: what OUT should be.
const char* const kOutFileAdvice =
    "OUT must be a file name ending in .tga, .bmp, .jpg, .jpeg or .png (convert also writes .raw and .pc)";

// tiles writes into a folder, created when missing, and --sheet names a texture set file.
QString CheckTilesOutput(const CliOptions& options) {
  const QString& out = options.output;
  if (out == QLatin1String("-")) return QStringLiteral("-o -: tiles writes files into a folder, not standard output");
  const QFileInfo info(out);
  if (info.exists() && !info.isDir())
    return QStringLiteral("-o %1: a file, but tiles writes into a folder (created when missing)").arg(out);
  // A new folder named like a picture is almost always a set meant for --sheet.
  if (!info.exists() && FindPictureWriter(QLatin1Char('.') + info.suffix().toUpper()))
    return QStringLiteral("-o %1: tiles writes into a folder, and this names a picture; --sheet SET writes a set")
        .arg(out);
  if (!options.format.isEmpty() && options.format != "tga" && options.format != "png" && options.format != "bmp")
    return QStringLiteral("--format %1: tiles are written as tga, png or bmp").arg(options.format);
  if (options.setWidth && options.sheet.isEmpty()) return QStringLiteral("--width goes with --sheet SET");
  if (!options.sheet.isEmpty()) {
    const QFileInfo set(options.sheet);
    if (set.isDir() || !IsOutputExtension(set.suffix()))
      return QStringLiteral("--sheet %1: SET must be a file name ending in .tga, .bmp, .jpg, .jpeg or .png")
          .arg(options.sheet);
  }
  return {};
}

// retexture writes an object library, which the level editor finds by its extension.
QString CheckRetextureOutput(const CliOptions& options) {
  const QString& out = options.output;
  const QFileInfo info(out);
  if (out == QLatin1String("-") || info.isDir() || !HasObjectLibraryExtension(out))
    return QStringLiteral("-o %1: NEWWAD must be a file name ending in .wad").arg(out);
  return {};
}

// A project written by compact or remap: a file name, whatever its extension.
QString CheckProjectOutput(const QString& option, const QString& out) {
  if (out == QLatin1String("-"))
    return QStringLiteral("%1 -: a project is written to a file, not standard output").arg(option);
  if (QFileInfo(out).isDir())
    return QStringLiteral("%1 %2: a folder, but NEWPRJ is the project file to write").arg(option, out);
  return {};
}

// The OUT errors of the contract, found before any input is read; empty when OUT will do.
QString CheckOutput(const CliOptions& options) {
  const QString& out = options.output;
  if (IsDeviceName(out))
    return QStringLiteral("-o %1: %2 names a device on Windows, not a file; %3")
        .arg(out, QFileInfo(out).fileName().section(QLatin1Char('.'), 0, 0).trimmed().toUpper(),
             QLatin1String(kOutFileAdvice));
  if (options.command == CliCommand::Tiles) return CheckTilesOutput(options);
  if (options.command == CliCommand::Retexture) return CheckRetextureOutput(options);
  if (options.command == CliCommand::Remap) return CheckProjectOutput(QStringLiteral("-o"), options.output);
  if (!options.projectOut.isEmpty())
    if (QString error = CheckProjectOutput(QStringLiteral("--project-out"), options.projectOut); !error.isEmpty())
      return error;
  if (out == QLatin1String("-"))
    return QStringLiteral("-o -: the companion writes files, not standard output; %1").arg(kOutFileAdvice);
  if (options.inputs.size() > 1 && options.command != CliCommand::Pack && options.command != CliCommand::Compact) {
    // A name that ends in a separator is a folder, made when missing, as tiles makes its folder.
    if (!QFileInfo(out).isDir() && !(NamesAFolder(out) && !QFileInfo::exists(out)))
      return QStringLiteral(
                 "-o %1: with several inputs OUT must be an existing folder, or a new one's name ending in %2 "
                 "(each output then takes --format's extension: tga, bmp, jpg, jpeg or png; tga when not given)")
          .arg(out, QDir::separator());
    return {};
  }
  if (!options.format.isEmpty())
    return QStringLiteral("--format %1 with one input: OUT's extension names the format; %2")
        .arg(options.format, QLatin1String(kOutFileAdvice));
  const QFileInfo info(out);
  if (info.isDir())
    return QStringLiteral("-o %1: a folder, but %2 OUT is the output file; %3")
        .arg(out, QLatin1String(options.command == CliCommand::Pack ? "for pack" : "with one input"),
             QLatin1String(kOutFileAdvice));
  const QString extension = info.suffix();
  if (extension.isEmpty())
    return QStringLiteral("-o %1: no extension names the output format; %2").arg(out, QLatin1String(kOutFileAdvice));
  // convert also writes the level editors' one-page files.
  const PictureWriter* writer = FindPictureWriter(QLatin1Char('.') + extension.toUpper());
  if (!writer || !(writer->SavesTextureSets() || options.command == CliCommand::Convert))
    return QStringLiteral("-o %1: .%2 is not a format the companion writes; %3")
        .arg(out, extension.toUpper(), QLatin1String(kOutFileAdvice));
  if (options.alpha && extension.toLower() != QLatin1String("tga"))
    return QStringLiteral("-o %1: --alpha writes a 32-bit TGA; OUT must be a file name ending in .tga").arg(out);
  return {};
}

bool ParsePackSize(const QString& value, CutSizeMode& mode) {
  static const QList<std::pair<QString, CutSizeMode>> names = {
      {"multi", CutSizeMode::MultiTile}, {"64", CutSizeMode::Fixed64},    {"128", CutSizeMode::Fixed128},
      {"256", CutSizeMode::Fixed256},    {"auto", CutSizeMode::AutoSize}, {"scroll", CutSizeMode::ScrollTile}};
  for (const auto& [name, named] : names)
    if (value.compare(name, Qt::CaseInsensitive) == 0) {
      mode = named;
      return true;
    }
  return false;
}

// The extensions of the files the companion reads, from the core's tables, one line for levels and one for
// pictures: "  levels    .phd .tub ...". Scripts take them from there.
QString ReadExtensionsText() {
  const auto dotted = [](const QStringList& extensions) { return extensions.join(QLatin1Char(' ')).toLower(); };
  QStringList levels, libraries, pictures;
  for (const QString& extension : LevelExtensions()) levels << QLatin1Char('.') + extension;
  for (const QString& extension : ObjectLibraryExtensions()) libraries << QLatin1Char('.') + extension;
  for (const PictureDecoder& format : PictureDecoders()) pictures << format.extensions;
  return QStringLiteral(
             "Files read, by extension in any letter case (a GIF's frames: pack makes one tile of each;\n"
             "object libraries: pages, info and retexture):\n"
             "  levels    %1\n"
             "  pictures  %2\n"
             "  libraries %3\n")
      .arg(dotted(levels), dotted(pictures), dotted(libraries));
}

}  // namespace

QString UsageText() {
  const QString usage = QStringLiteral(
      "Usage:\n"
      "  mosaicor-cli pages    LEVEL...   -o OUT [--transparency none|auto] [--alpha] [--split] [--misc]\n"
      "  mosaicor-cli animated LEVEL...   -o OUT [--transparency none|auto] [--alpha]\n"
      "  mosaicor-cli convert  PICTURE... -o OUT [--alpha]\n"
      "  mosaicor-cli resize   PICTURE    -o OUT --size WxH [--scroll-tile]\n"
      "                        (convert, resize and pack: [--alpha-to-magenta [THRESHOLD]] [--clean-fringe])\n"
      "  mosaicor-cli info     FILE...    [--brief | --census [--symmetric] [--tolerance N]]\n"
      "  mosaicor-cli pack     PICTURE... -o OUT [--size multi|64|128|256|auto|scroll] [--width 256|512]\n"
      "                                   [--into SET]\n"
      "  mosaicor-cli tiles    LEVEL...   -o DIR [--transparency none|auto] [--all] [--format tga|png|bmp]\n"
      "                                   [--sheet SET [--width 256|512]]\n"
      "  mosaicor-cli compact  SET        -o OUT [--symmetric] [--tolerance N] [--map MAP.csv] [--keep-order]\n"
      "                                   [--tiles TILES.json] [--project PRJ --project-out NEWPRJ]\n"
      "  mosaicor-cli remap    PRJ        --map MAP.csv -o NEWPRJ\n"
      "  mosaicor-cli retexture WAD       --pages SET -o NEWWAD\n"
      "  mosaicor-cli --help | --version\n"
      "\n"
      "Commands:\n"
      "  pages     all texture pages of each level, one below the other\n"
      "  animated  the animated textures of each level, range by range in 64 x 64 slots\n"
      "  convert   load each picture as the Source canvas does and write it\n"
      "  resize    resample a picture with the tile resampler (--scroll-tile: the Dual 64x32 tile)\n"
      "  info      describe level and picture files\n"
      "  pack      put each picture into the next free 64 x 64 cells of one texture set\n"
      "  tiles     every object texture of each level cut at its own rectangle, identical ones once,\n"
      "            with DIR/tiles.json saying where each came from\n"
      "  compact   drop a texture set's empty and duplicate cells, the others moved to the front\n"
      "  remap     rewrite a level editor project (.prj) by a move map, so that its faces show what they did\n"
      "  retexture an object library (.wad) with its page pixels from a texture set of its pages' size,\n"
      "            every other byte copied\n"
      "\n"
      "Options:\n"
      "  -o OUT                      output file, or an existing folder for several inputs\n"
      "  --transparency none|auto    auto writes the level's transparent pixels as magenta\n"
      "  --alpha                     write the 32-bit working picture with alpha (OUT must be .tga)\n"
      "  --format tga|bmp|jpg|jpeg|png  file type in an output folder (default tga; tiles: tga, png, bmp,\n"
      "                              default png)\n"
      "  --split                     pages: one 256 x 256 file per page (OUT_000.tga, OUT_001.tga, ...)\n"
      "  --misc                      pages: add the TR4/TR5 font and sky pages after the texture pages\n"
      "  --brief                     info: one line per file\n"
      "  --census                    info: count a texture set's used, unique and empty cells\n"
      "  --symmetric                 census, compact: cells equal when turned or mirrored are duplicates\n"
      "  --tolerance N               census, compact: cells whose every channel is within N (0 to 255)\n"
      "                              of a group's first cell are duplicates\n"
      "  --map MAP.csv               compact: write where each used cell went (old_cell,new_cell,transform);\n"
      "                              remap: the map to apply\n"
      "  --keep-order                compact: keep the cells' order (the default)\n"
      "  --pages SET                 retexture: the texture set whose pixels the pages take\n"
      "  --tiles TILES.json          compact: the tiles.json of tiles --sheet; a tile over several cells\n"
      "                              moves as one block (without it every cell is a unit of its own)\n"
      "  --project PRJ               compact: the level editor project that uses the set; its faces, cell\n"
      "                              settings and animation ranges are kept true (with --project-out)\n"
      "  --project-out NEWPRJ        compact: where the rewritten project goes\n"
      "  --size MODE                 pack: multi (keep the size), 64, 128, 256, auto or scroll (default 64)\n"
      "  --width 256|512             pack, tiles --sheet: width of a new set (default 256)\n"
      "  --into SET                  pack: fill the free cells of this set instead of a new black one\n"
      "  --all                       tiles: one file per object texture, identical ones too\n"
      "  --sheet SET                 tiles: also pack the tiles into texture sets (SET, SET_001, ...)\n"
      "  --size WxH                  size of the resampled picture, at most 512x16384\n"
      "  --scroll-tile               make the 64 x 64 Dual 64x32 scrolling tile\n"
      "  --alpha-to-magenta [N]      pictures with transparency: alpha below N (1 to 254, default 128)\n"
      "                              becomes magenta, the rest opaque\n"
      "  --clean-fringe              with --alpha-to-magenta: the half-transparent or pinkish rim next to\n"
      "                              the magenta takes the colour of the shape\n"
      "  --quiet                     print nothing but failures\n"
      "  --verbose                   also report each input's source pixel format\n"
      "\n"
      "Output formats come from OUT's extension (.tga, .bmp, .jpg, .jpeg, .png, any letter case), 24 bits;\n"
      "convert also writes a 256 x 256 picture as a sky (.raw, 24 bits) or a font (.pc, 32 bits).\n"
      "%1"
      "With several inputs OUT is a folder; inputs that share a name get outputs like NAME_tr4.tga.\n"
      "Exit status: 0 all inputs done, 1 some input failed, 2 the command line is wrong.\n");
  return usage.arg(ReadExtensionsText());
}

std::optional<CliOptions> ParseCommandLine(const QStringList& args, QString& error) {
  CliOptions options;
  if (args.isEmpty()) {
    error = QStringLiteral("no command given");
    return std::nullopt;
  }
  const QString first = args.first();
  if (first == "--help" || first == "-h" || first == "help") {
    options.command = CliCommand::Help;
    return options;
  }
  if (first == "--version") {
    options.command = CliCommand::Version;
    return options;
  }
  const CommandInfo* info = nullptr;
  for (const CommandInfo& c : Commands())
    if (first == QLatin1String(c.name)) info = &c;
  if (!info) {
    error = QStringLiteral("unknown command '%1'").arg(first);
    return std::nullopt;
  }
  options.command = info->command;

  bool sizeGiven = false;
  bool modeGiven = false;   // --symmetric or --tolerance
  bool onlyInputs = false;  // after "--" every argument is an input
  for (const QString& arg : args)
    if (error = BentArgument(arg); !error.isEmpty()) return std::nullopt;
  for (int i = 1; i < args.size(); ++i) {
    QString arg = args[i];
    if (onlyInputs || !arg.startsWith('-') || arg == "-") {
      options.inputs << ExpandedInputs(arg);
      continue;
    }
    if (arg == "--") {
      onlyInputs = true;
      continue;
    }
    QString value;
    bool hasInlineValue = false;
    if (arg.startsWith("--") && arg.contains('=')) {
      value = arg.mid(arg.indexOf('=') + 1);
      arg = arg.left(arg.indexOf('='));
      hasInlineValue = true;
    }
    if (arg == "--output") arg = "-o";
    if (arg == "--help" || arg == "-h") {
      options.command = CliCommand::Help;
      return options;
    }
    if (!info->options.contains(arg)) {
      error = QStringLiteral("unknown option '%1' for %2").arg(arg, QLatin1String(info->name));
      return std::nullopt;
    }
    if (TakesValue(arg) && !hasInlineValue) {
      if (i + 1 >= args.size()) {
        error = QStringLiteral("option '%1' needs a value").arg(arg);
        return std::nullopt;
      }
      value = args[++i];
    } else if (!TakesValue(arg) && hasInlineValue && arg != "--alpha-to-magenta") {
      error = QStringLiteral("option '%1' takes no value").arg(arg);
      return std::nullopt;
    }

    if (arg == "-o") {
      options.output = value;
    } else if (arg == "--transparency") {
      if (value == "none") options.maskTransparency = false;
      else if (value == "auto") options.maskTransparency = true;
      else {
        error = QStringLiteral("--transparency takes none or auto, not '%1'").arg(value);
        return std::nullopt;
      }
    } else if (arg == "--alpha") {
      options.alpha = true;
    } else if (arg == "--format") {
      options.format = value.toLower();
      if (!IsOutputExtension(options.format)) {
        error = QStringLiteral("--format takes tga, bmp, jpg, jpeg or png, not '%1'").arg(value);
        return std::nullopt;
      }
    } else if (arg == "--size" && options.command == CliCommand::Pack) {
      if (!ParsePackSize(value, options.packSize)) {
        error = QStringLiteral("bad --size '%1': expected multi, 64, 128, 256, auto or scroll").arg(value);
        return std::nullopt;
      }
    } else if (arg == "--width") {
      options.setWidth = value == "256" ? 256 : value == "512" ? 512 : 0;
      if (!options.setWidth) {
        error = QStringLiteral("--width takes 256 or 512, not '%1'").arg(value);
        return std::nullopt;
      }
    } else if (arg == "--into") {
      options.into = value;
    } else if (arg == "--sheet") {
      options.sheet = value;
    } else if (arg == "--all") {
      options.all = true;
    } else if (arg == "--census") {
      options.census = true;
    } else if (arg == "--symmetric") {
      options.censusMode.symmetric = true;
      modeGiven = true;
    } else if (arg == "--tolerance") {
      bool number = false;
      options.censusMode.tolerance = value.toInt(&number);
      if (!number || options.censusMode.tolerance < 0 || options.censusMode.tolerance > kMostTolerance) {
        error =
            QStringLiteral("--tolerance takes a whole number from 0 to %1, not '%2'").arg(kMostTolerance).arg(value);
        return std::nullopt;
      }
      modeGiven = true;
    } else if (arg == "--map") {
      options.map = value;
    } else if (arg == "--pages") {
      options.pagesSet = value;
    } else if (arg == "--tiles") {
      options.tilesJson = value;
    } else if (arg == "--project") {
      options.project = value;
    } else if (arg == "--project-out") {
      options.projectOut = value;
    } else if (arg == "--keep-order") {
      // The order is always kept: the option says so in a script.
    } else if (arg == "--size") {
      static const QRegularExpression sizePattern(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$"));
      const auto match = sizePattern.match(value);
      const int w = match.hasMatch() ? match.captured(1).toInt() : 0;
      const int h = match.hasMatch() ? match.captured(2).toInt() : 0;
      if (w < 1 || h < 1) {
        error = QStringLiteral("bad --size '%1': expected WxH, each side at least 1").arg(value);
        return std::nullopt;
      }
      // Nothing larger fits on the canvas, and the resampler's buffers grow with the size asked for.
      if (w > kMaxResizeWidth || h > kMaxResizeHeight) {
        error = QStringLiteral("bad --size '%1': the largest picture is %2 x %3 pixels")
                    .arg(value)
                    .arg(kMaxResizeWidth)
                    .arg(kMaxResizeHeight);
        return std::nullopt;
      }
      options.width = w;
      options.height = h;
      sizeGiven = true;
    } else if (arg == "--alpha-to-magenta") {
      options.keyAlpha = true;
      // A number that is no threshold (12.5, 300) is still meant as one, not as an input.
      if (!hasInlineValue && i + 1 < args.size() && LooksLikeNumber(args[i + 1]) && !QFileInfo::exists(args[i + 1]))
        value = args[++i], hasInlineValue = true;
      if (hasInlineValue) {
        const int threshold = IsThreshold(value) ? value.toInt() : 0;
        if (threshold < kMinAlphaThreshold || threshold > kMaxAlphaThreshold) {
          error = QStringLiteral("--alpha-to-magenta takes a threshold from %1 to %2, not '%3'")
                      .arg(kMinAlphaThreshold)
                      .arg(kMaxAlphaThreshold)
                      .arg(value);
          return std::nullopt;
        }
        options.keying.threshold = threshold;
      }
    } else if (arg == "--clean-fringe") {
      options.keying.cleanFringe = true;
    } else if (arg == "--scroll-tile") {
      options.scrollTile = true;
    } else if (arg == "--quiet") {
      options.quiet = true;
    } else if (arg == "--verbose") {
      options.verbose = true;
    } else if (arg == "--split") {
      options.split = true;
    } else if (arg == "--misc") {
      options.misc = true;
    } else if (arg == "--brief") {
      options.brief = true;
    }
  }

  if (options.inputs.isEmpty()) {
    error = QStringLiteral("%1 needs at least one input file").arg(QLatin1String(info->name));
    return std::nullopt;
  }
  if (options.command != CliCommand::Info) {
    if (options.output.isEmpty()) {
      error = QStringLiteral("%1 needs -o OUT").arg(QLatin1String(info->name));
      return std::nullopt;
    }
  }
  if (options.command == CliCommand::Resize) {
    if (options.inputs.size() != 1) {
      error = QStringLiteral("resize takes exactly one picture");
      return std::nullopt;
    }
    if (!sizeGiven && !options.scrollTile) {
      error = QStringLiteral("resize needs --size WxH or --scroll-tile");
      return std::nullopt;
    }
  }
  if (options.command == CliCommand::Compact && options.inputs.size() != 1) {
    error = QStringLiteral("compact takes exactly one texture set");
    return std::nullopt;
  }
  if (options.command == CliCommand::Retexture) {
    if (options.inputs.size() != 1) {
      error = QStringLiteral("retexture takes exactly one object library");
      return std::nullopt;
    }
    if (options.pagesSet.isEmpty()) {
      error = QStringLiteral("retexture needs --pages SET");
      return std::nullopt;
    }
  }
  if (options.command == CliCommand::Remap) {
    if (options.inputs.size() != 1) {
      error = QStringLiteral("remap takes exactly one project");
      return std::nullopt;
    }
    if (options.map.isEmpty()) {
      error = QStringLiteral("remap needs --map MAP.csv");
      return std::nullopt;
    }
  }
  if (options.project.isEmpty() != options.projectOut.isEmpty()) {
    error = QStringLiteral("--project PRJ and --project-out NEWPRJ go together");
    return std::nullopt;
  }
  if (!options.projectOut.isEmpty() &&
      QFileInfo(options.projectOut).absoluteFilePath() == QFileInfo(options.output).absoluteFilePath()) {
    error = QStringLiteral("--project-out %1: the project and OUT would be the same file").arg(options.projectOut);
    return std::nullopt;
  }
  if (options.command == CliCommand::Info && modeGiven && !options.census) {
    error = QStringLiteral("--symmetric and --tolerance go with --census");
    return std::nullopt;
  }
  if (!options.map.isEmpty()) {
    if (QFileInfo(options.map).isDir() || options.map == QLatin1String("-")) {
      error = QStringLiteral("--map %1: MAP must be a file name").arg(options.map);
      return std::nullopt;
    }
    if (options.command == CliCommand::Compact &&
        QFileInfo(options.map).absoluteFilePath() == QFileInfo(options.output).absoluteFilePath()) {
      error = QStringLiteral("--map %1: the map and OUT would be the same file").arg(options.map);
      return std::nullopt;
    }
  }
  if (options.keying.cleanFringe && !options.keyAlpha) {
    error = QStringLiteral("--clean-fringe cleans what --alpha-to-magenta keys; give both");
    return std::nullopt;
  }
  if (options.brief && options.census) {
    error = QStringLiteral("--brief and --census do not go together");
    return std::nullopt;
  }
  if (options.alpha && !options.format.isEmpty() && options.format != "tga") {
    error = QStringLiteral("--alpha writes .tga files only");
    return std::nullopt;
  }
  if (options.command != CliCommand::Info) {
    error = CheckOutput(options);
    if (!error.isEmpty()) return std::nullopt;
  }
  return options;
}

bool NamesAFolder(const QString& path) { return path.endsWith(QLatin1Char('/')) || path.endsWith(QDir::separator()); }

bool IsOutputExtension(const QString& extension) {
  const PictureWriter* writer = FindPictureWriter(QLatin1Char('.') + extension.toUpper());
  return writer && writer->SavesTextureSets();
}

}  // namespace mosaicor
