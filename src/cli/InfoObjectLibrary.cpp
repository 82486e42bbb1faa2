// `info` for object libraries (.wad): their version, pages and object-texture records.

#include "cli/Commands.h"

#include "core/graphics/PixelFormat.h"
#include "core/level/ObjectLibrary.h"

#include <new>

namespace mosaicor {

Result<FileFacts> DescribeObjectLibrary(const QString& path) {
  try {
    const LevelResult<ObjectLibrary> library = LoadObjectLibrary(path);
    if (!library) return Failure<>{library.Text()};
    const ObjectLibraryLayout& layout = library->Layout;
    const QString pixelFormat = PF2String(PixelFormatCode::TwentyFourBits);
    FileFacts facts;
    // "generation" as for a level, so that a script sorting files by it sees what this one is.
    facts.lines << QStringLiteral("generation: WAD") << QStringLiteral("wad_version: %1").arg(layout.Version)
                << QStringLiteral("pages: %1").arg(layout.PageCount)
                << QStringLiteral("pixel_format: %1").arg(pixelFormat)
                << QStringLiteral("object_textures: %1").arg(layout.TextureRecords);
    facts.brief = QStringLiteral("WAD object library version %1, %2 pages of %3, %4 object textures")
                      .arg(layout.Version)
                      .arg(layout.PageCount)
                      .arg(pixelFormat)
                      .arg(layout.TextureRecords);
    return facts;
  } catch (const std::bad_alloc&) {
    return Failure<>{QStringLiteral("out of memory")};
  }
}

}  // namespace mosaicor
