#include "QuietStderr.h"

#include <QtGlobal>
#include <cstdio>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace mosaicor {

QuietStderr::QuietStderr() {
#if defined(Q_OS_UNIX)
  std::fflush(stderr);
  const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null < 0) return;
  saved_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
  if (saved_ >= 0 && ::dup2(null, STDERR_FILENO) < 0) {
    ::close(saved_);
    saved_ = -1;
  }
  ::close(null);
#endif
}

QuietStderr::~QuietStderr() {
#if defined(Q_OS_UNIX)
  if (saved_ < 0) return;
  std::fflush(stderr);
  ::dup2(saved_, STDERR_FILENO);
  ::close(saved_);
#endif
}

}  // namespace mosaicor
