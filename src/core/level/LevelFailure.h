#pragma once
// Why a level could not be read. The failure's text is the companion's line for it; the kind lets
// the extraction and the window tell the failures apart.

#include "core/common/Outcome.h"

#include <cstdint>

namespace mosaicor {

enum class LevelFailure : std::uint8_t {
  None,  // the kind of an outcome that is done
  FileMissing,
  UnknownVersion,
  Encrypted,       // "TR4c": an encrypted TR4 level
  Unreadable,      // the file exists but cannot be read (a folder, a device, no permission)
  BeyondLimits,    // the file claims more than any real level holds; refused before the memory is taken
  Damaged,         // compressed data that is damaged or cut short
  InflatesTooFar,  // compressed data that is sound so far but unpacks beyond any real level
};

using LevelOutcome = Outcome<LevelFailure>;
template <typename T>
using LevelResult = Result<T, LevelFailure>;

}  // namespace mosaicor
