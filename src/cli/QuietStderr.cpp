#include "cli/QuietStderr.h"

#include <QtGlobal>
#include <cstdio>

#if defined(Q_OS_WIN)
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace mosaicor {

namespace {

#if defined(Q_OS_WIN)
int OpenNullDevice() { return ::_open("NUL", _O_WRONLY); }
int Duplicate(int fd) { return ::_dup(fd); }
int DuplicateOnto(int fd, int onto) { return ::_dup2(fd, onto); }
void Close(int fd) { ::_close(fd); }
#else
int OpenNullDevice() { return ::open("/dev/null", O_WRONLY | O_CLOEXEC); }
int Duplicate(int fd) { return ::fcntl(fd, F_DUPFD_CLOEXEC, 0); }
int DuplicateOnto(int fd, int onto) { return ::dup2(fd, onto); }
void Close(int fd) { ::close(fd); }
#endif

}  // namespace

QuietStderr::QuietStderr() {
  std::fflush(stderr);
  const int null = OpenNullDevice();
  if (null < 0) return;
  const int err = fileno(stderr);
  saved_ = Duplicate(err);
  if (saved_ >= 0 && DuplicateOnto(null, err) < 0) {
    Close(saved_);
    saved_ = -1;
  }
  Close(null);
}

QuietStderr::~QuietStderr() {
  if (saved_ < 0) return;
  std::fflush(stderr);
  DuplicateOnto(saved_, fileno(stderr));
  Close(saved_);
}

}  // namespace mosaicor
