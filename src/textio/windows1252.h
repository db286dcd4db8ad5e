#pragma once

#include <string>
#include <string_view>

namespace compila {

// Converts UTF-8 text to Windows-1252 bytes, one byte per character; a
// character the code page cannot hold (or a broken or overlong UTF-8
// sequence) becomes "?". The C1 controls U+0081, U+008D, U+008F, U+0090 and
// U+009D become the bytes of the same number, which the code page leaves
// undefined: whatever da_windows1252 gives, this gives back byte for byte.
std::string in_windows1252(std::string_view utf8);
// The same, appended to `out`.
void aggiungi_windows1252(std::string& out, std::string_view utf8);

// Converts Windows-1252 bytes back to UTF-8; the five bytes the code page
// leaves undefined map to the C1 control of the same number.
std::string da_windows1252(std::string_view byte);

}  // namespace compila
