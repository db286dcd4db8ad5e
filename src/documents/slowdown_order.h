#pragma once

#include <string>
#include <vector>

namespace compila {

// The slowdown order, one entry per line.
std::vector<std::string> righe_rallentamenti();

}  // namespace compila
