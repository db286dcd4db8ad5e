#pragma once

#include <sstream>
#include <string>

#include "app/file_names.h"
#include "app/run.h"
#include "model/compiled_scenario.h"
#include "output/cell_file.h"
#include "output/profile_file.h"
#include "output/table_file.h"
#include "platform/console_interface.h"
#include "memory_file_system.h"

namespace compila {

// The built-in run's files, compiled once in memory for all the inspection
// tests, in the directory "/prog"; and the scenario decoded from them.
inline const memory_file_system& file_integrati() {
  static const memory_file_system fs = [] {
    memory_file_system m;
    std::ostringstream console_out, diagnostica;
    console_interface ui{console_out};
    ambiente_esecuzione amb{m, ui, "/prog", diagnostica};
    esegui_scenario(amb);
    return m;
  }();
  return fs;
}

inline const std::string& file_integrato(file_scenario quale) {
  return file_integrati().file.at(
      percorso_file("/prog", nome_linea_incorporata, nome_treno_incorporato, quale));
}

inline const scenario_compilato& scenario_integrato() {
  static const scenario_compilato s = [] {
    scenario_compilato x;
    std::string err;
    decodifica_tabella(file_integrato(file_scenario::tabella), &x.tabella, &err);
    decodifica_celle(file_integrato(file_scenario::celle), &x.celle, &err);
    decodifica_profilo(file_integrato(file_scenario::profilo_linea), &x.profilo, &err);
    return x;
  }();
  return s;
}

}  // namespace compila
