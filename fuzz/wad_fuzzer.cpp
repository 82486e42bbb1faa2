// libFuzzer target for the object library reader: the input is the file, read straight from the
// fuzzer's buffer. A layout that reads must lie inside the file; its pages must convert, and a
// retexture with those very pages must give back the same bytes.

#include "core/level/ObjectLibrary.h"

#include <cstdint>
#include <cstdlib>

using namespace mosaicor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  const LevelResult<ObjectLibraryLayout> layout = ReadObjectLibraryLayout(bytes);
  if (!layout) return 0;
  const ObjectLibraryLayout& read = layout.Value();
  if (read.PageDataOffset + read.PageDataBytes > bytes.size() ||
      read.PageCount * kLibraryPageBytes > read.PageDataBytes)
    std::abort();
  const ObjectLibrary library{bytes, read};
  const QImage pages = ObjectLibraryPages(library);
  if (read.PageCount > 0 && pages.height() != read.PageCount * 256) std::abort();
  if (read.PageCount > 0) {
    const Result<QByteArray> same = RetexturedObjectLibrary(library, pages);
    if (!same || same.Value() != bytes) std::abort();
  }
  return 0;
}
