#pragma once

#include <ostream>
#include <string>

#include "app/run.h"
#include "platform/file_system.h"

namespace compila {

// What `inspect` is asked for: where the compiled files lie, the names that
// form their file names, and which views to produce.
struct opzioni_inspect {
  std::string directory = ".";
  std::string nome_linea = nome_linea_incorporata;
  std::string nome_treno = nome_treno_incorporato;
  bool json = false;  // the summary as JSON instead of text
  std::string csv;    // when not empty, one row per cell goes to this file ("-": out)
  std::string svg;    // when not empty, the drawing goes to this file ("-": out)
  std::string html;   // when not empty, the page goes to this file ("-": out)
};

// Reads the scenario table, cell and line profile files of one compiled
// scenario (the last only when it exists: a compile without the line drawing
// leaves none), checks that they belong together, prints the summary (text or
// JSON) on `out` and writes the CSV, SVG and HTML files asked for, as one set
// (an output "-", or one that leads to the standard output, goes to `out`
// after the summary). Nothing goes to `out` unless every file was written.
// Returns esito_ok;
// esito_errore_file with one line on `err` naming the directory or file that
// is missing, unreadable or not of its kind, or that could not be written;
// esito_uso, writing nothing, when the CSV, SVG or page would replace a file
// read.
int esegui_inspect(const opzioni_inspect& opzioni, file_system& fs, std::ostream& out,
                   std::ostream& err);

}  // namespace compila
