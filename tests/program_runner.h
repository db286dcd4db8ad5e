#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scratch_dir.h"

// The real program run from a shell, as a user runs it: in a directory of the
// test's, with the arguments given, and with an environment of its own
// rather than the test's: no display, so the texts go to the error stream
// and no window opens; only the path, the sanitizers' options and the
// variables given ("NAME=value") pass on.
// The output streams are kept apart from the directory the test watches.
struct corsa_programma {
  int stato = -1;  // the exit status; -1 when the program did not exit
  std::string out;
  std::string err;
};

// A word quoted for the shell, every character kept.
inline std::string tra_apici(const std::string& testo) {
  std::string r = "'";
  for (char ch : testo) r += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return r + "'";
}

inline corsa_programma esegui_reale(const std::string& programma, const std::string& directory,
                                    const std::vector<std::string>& argomenti,
                                    const std::vector<std::string>& ambiente = {}) {
  scratch_dir flussi;
  std::string riga = "cd " + tra_apici(directory) + " && env -i PATH=/usr/bin:/bin";
  for (const char* variabile : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
    if (const char* valore = std::getenv(variabile))
      riga += " " + tra_apici(std::string(variabile) + "=" + valore);
  for (const std::string& v : ambiente) riga += " " + tra_apici(v);
  riga += " " + tra_apici(programma);
  for (const std::string& a : argomenti) riga += " " + tra_apici(a);
  riga += " >" + tra_apici(flussi.percorso("out")) + " 2>" + tra_apici(flussi.percorso("err"));
  const int stato = std::system(riga.c_str());
  const auto leggi = [&](const char* nome) {
    std::ifstream in(flussi.percorso(nome), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  };
  return {WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, leggi("out"), leggi("err")};
}
