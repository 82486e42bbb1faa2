#pragma once
// libjpeg reports fatal errors through error_exit, which must not return: the reader and the
// writer jump back to their own function with the library's message kept. Nothing with a
// destructor may be created between their setjmp and a possible jump.

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace mosaicor {

struct JpegErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

inline void JpegExitWithError(j_common_ptr info) {
  auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

}  // namespace mosaicor
