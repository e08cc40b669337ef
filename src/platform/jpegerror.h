#pragma once

// The error manager every use of libjpeg in the project installs: a fatal
// error jumps back to the caller's setjmp instead of ending the process, and
// warnings stay silent. Unwinding C++ exceptions through the C library's
// frames would not be safe, so callers raise their own error after the jump.

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

namespace platform::jpegerror {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] inline void OnFatalError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings (a truncated file, say) are not fatal; the default handler would
// print them to stderr.
inline void OnMessage(j_common_ptr, int) {}

// Makes `err` the error manager of a compress or decompress object.
inline jpeg_error_mgr* Install(ErrorManager& err) {
  jpeg_error_mgr* pub = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnFatalError;
  err.pub.emit_message = OnMessage;
  return pub;
}

}  // namespace platform::jpegerror
