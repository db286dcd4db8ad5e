#pragma once

#include <string>
#include <vector>

// The driver's notes, one entry per line.
std::vector<std::string> righe_note();
