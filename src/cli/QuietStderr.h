#pragma once
// Keeps what libraries print on their own off the companion's standard error while a picture is
// read: libpng, under Qt's PNG support, writes its complaint about a damaged file straight to
// stderr, beside the one line the companion prints for that input, which already says what is wrong.

namespace mosaicor {

class QuietStderr {
 public:
  QuietStderr();
  ~QuietStderr();
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_ = -1;  // the real stderr while it is quiet; -1 where it could not be made quiet
};

}  // namespace mosaicor
