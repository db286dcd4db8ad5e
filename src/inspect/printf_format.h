#pragma once

#include <string>

// MinGW's printf checking follows the old system printf unless told that the
// C99 one (__USE_MINGW_ANSI_STDIO, set by the Windows build) is in use.
#if defined(__MINGW32__)
#define FORMATO_PRINTF __attribute__((format(gnu_printf, 1, 2)))
#else
#define FORMATO_PRINTF __attribute__((format(printf, 1, 2)))
#endif

namespace compila {

// printf into a std::string of whatever length the text needs.
std::string formato(const char* fmt, ...) FORMATO_PRINTF;

}  // namespace compila
