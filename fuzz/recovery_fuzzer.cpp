// libFuzzer target: the recovery file reader on arbitrary bytes.
#include "core/packing/SetGeometry.h"
#include "core/recovery/RecoveryFile.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

using namespace mosaicor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  const Result<RecoveryState> read = ReadRecovery(buffer);
  if (read.Ok()) {
    const RecoveryState& state = read.Value();
    if (state.target.width() < state.widthPages * kSetPageSide ||
        state.target.height() < state.heightPages * kSetPageSide)
      __builtin_trap();
  }
  return 0;
}
