#pragma once

#include <string>

#include "inspect/compile_report.h"
#include "inspect/summary.h"

namespace compila {

// The scenario page's data: one compact JSON object, every "<" written as
// "\u003c" so that no text in it can end the script element that holds it.
// Its members are those of riepilogo_json, then "plan", the line drawing's
// points every 50 m (null without a drawing), then "compile", the compile
// the page was made after (null when none is given). Without a scenario
// (nullptr) the scenario members are empty: no cells, no lists, no plan.
std::string dati_pagina(const scenario_compilato* s, const riepilogo* r,
                        const resoconto_compilazione* c);

// The plan's points are this many metres apart along the line, their
// coordinates whole decimetres.
inline constexpr int passo_pianta_m = 50;

}  // namespace compila
