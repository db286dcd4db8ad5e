#pragma once

#include <string>

#include "model/cella.h"

namespace compila {

// One row per cell for spreadsheets: the cell index, its start in metres,
// every field as stored, then the speed limit in km/h and the gradient in
// per mille. Comma separated, a header row, LF line ends.
std::string celle_csv(const array_celle& celle);

}  // namespace compila
