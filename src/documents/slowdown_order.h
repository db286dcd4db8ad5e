#pragma once

#include <string>
#include <vector>

// The slowdown order, one entry per line.
std::vector<std::string> righe_rallentamenti();
