#include "level/LevelErrorText.h"

#include "level/EDecompressionError.h"
#include "level/MemoryFile.h"

#include <new>

QString LevelErrorText(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const EInflateLimitError& tooLarge) {
    return QString::fromStdString(tooLarge.what());
  } catch (const EDecompressionError&) {
    return QStringLiteral("damaged compressed data");
  } catch (const EFileReadError& readError) {
    return QString::fromStdString(readError.what());
  } catch (const std::bad_alloc&) {
    return QStringLiteral("out of memory");
  } catch (const std::exception& other) {
    return QString::fromStdString(other.what());
  } catch (...) {
    return QStringLiteral("unexpected error");
  }
}
