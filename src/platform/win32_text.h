#pragma once

#include <string>
#include <string_view>

namespace compila {

// The Windows API speaks UTF-16; the rest of the program keeps paths and
// texts in UTF-8 strings. Only built for Windows.

std::wstring in_utf16(std::string_view utf8);
std::string in_utf8(std::wstring_view utf16);

// The system's own words for an error code of GetLastError, without the
// line end it ends with.
std::string messaggio_sistema(unsigned long codice);

}  // namespace compila
