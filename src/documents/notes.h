#pragma once

#include <string>
#include <vector>

namespace compila {

// The driver's notes, one entry per line.
std::vector<std::string> righe_note();

}  // namespace compila
