#pragma once

#include <string>
#include <vector>

// The train description, one entry per line.
std::vector<std::string> righe_descrizione_treno();
