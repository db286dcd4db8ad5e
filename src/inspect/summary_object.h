#pragma once

#include <nlohmann/json.hpp>

#include "inspect/summary.h"

namespace compila {

// The summary as a JSON value, the members of riepilogo_json in their order,
// for the views that add to it.
nlohmann::ordered_json oggetto_riepilogo(const scenario_compilato& s, const riepilogo& r);

}  // namespace compila
