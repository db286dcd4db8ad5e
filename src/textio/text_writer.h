#pragma once

#include <string>
#include <vector>

namespace compila {

// The bytes of a text file: every line in order, converted to Windows-1252
// and followed by CR LF. Lines are given as UTF-8.
std::string testo_windows1252(const std::vector<std::string>& righe);

}  // namespace compila
