// `retexture WAD --pages SET -o NEWWAD`: the object library with its page pixels taken from a
// texture set, every other byte as it was.

#include "cli/Batch.h"
#include "cli/Commands.h"
#include "cli/SameFile.h"

#include "core/imagefiles/AtomicWrite.h"
#include "core/level/ObjectLibrary.h"

#include <new>

namespace mosaicor {

namespace {

// The new library's bytes; `blamed` names the file a failure line is about.
Result<QByteArray> Retextured(const CliOptions& options, QString& blamed) {
  const QString& wad = options.inputs.front();
  if (!HasObjectLibraryExtension(wad)) return Failure<>{QStringLiteral("not an object library (.wad)")};
  const LevelResult<ObjectLibrary> library = LoadObjectLibrary(wad);
  if (!library) return Failure<>{library.Text()};
  if (library->Layout.PageCount <= 0) return Failure<>{QStringLiteral("no texture pages")};
  // From here on what fails is the set: unreadable, or not the size of the pages.
  blamed = options.pagesSet;
  QImage set;
  PixelFormatCode format = PixelFormatCode::Device;
  if (const PictureOutcome read = LoadQuietly(options.pagesSet, set, format); !read) return FailureLine(read);
  Result<QByteArray> bytes = RetexturedObjectLibrary(library.Value(), set);
  if (options.verbose && bytes)
    ReportNote(options, QStringLiteral("%1: %2 pages retextured from %3")
                            .arg(wad)
                            .arg(library->Layout.PageCount)
                            .arg(options.pagesSet));
  return bytes;
}

}  // namespace

int RunRetexture(const CliOptions& options) {
  const QString& wad = options.inputs.front();
  // NEWWAD may stand in the place of neither input: refused before either is read.
  for (const QString& input : {wad, options.pagesSet})
    if (IsSameFile(options.output, input)) {
      ReportFailure(input, QStringLiteral("the output would overwrite this input"));
      return 1;
    }
  QString blamed = wad;
  try {
    const Result<QByteArray> bytes = Retextured(options, blamed);
    if (!bytes) {
      ReportFailure(blamed, bytes.Text());
      return 1;
    }
    if (Outcome<> written = WriteFileAtomically(options.output, bytes.Value()); !written) {
      ReportFailure(options.output, written.Text());
      return 1;
    }
  } catch (const std::bad_alloc&) {
    ReportFailure(wad, QStringLiteral("not enough memory"));
    return 1;
  }
  return 0;
}

}  // namespace mosaicor
