#include "app/diagnostics.h"

#include <string>
#include <vector>

namespace {

std::string metri(const anomalia& a) {
  return a.posizione ? std::to_string(*a.posizione) + " m" : std::string("its position");
}

}  // namespace

const char* nome_origine(origine_anomalia origine) {
  switch (origine) {
    case origine_anomalia::descrizione_linea: return "line";
    case origine_anomalia::descrizione_treno: return "train";
    case origine_anomalia::celle: return "completion";
  }
  return "line";
}

const std::string& file_da_correggere(const anomalia& a, const file_autore& file) {
  if (a.codice == 2 || a.origine == origine_anomalia::descrizione_linea) return file.linea;
  return file.treno;
}

std::string messaggio_anomalia(const anomalia& a) {
  const std::string p = metri(a);
  switch (a.codice) {
    case 1: return "the route length (\"lunghezza percorso\") is above 1000000 m";
    case 2:
      return "a kilometre-marking section (\"progressiva\" line) has a start or a reference "
             "that is not a multiple of 50";
    case 3: return "the start of the \"ripetizione segnali\" line is not a multiple of 50";
    case 4: return "the end of the \"ripetizione segnali\" line is not a multiple of 50";
    case 5:
      return "the \"ripetizione segnali\" keyword holds neither \"4\" nor \"9\", the number of "
             "codes";
    case 6: return "the sign board at " + p + " falls on a cell already taken by another feature";
    case 7: return "the code change (\"abbattimento\") at " + p + " falls on a cell already taken";
    case 8: return "station position " + (a.posizione ? std::to_string(*a.posizione) : "") +
                   " is not a multiple of 50";
    case 9: return "the length of the station at " + p + " is not a multiple of 100";
    case 10:
      return "too many stations: stations fill the records from 1 up and sign boards from 80 "
             "down, and none is left for the next station";
    case 11:
      return "the signal in the cell at " + p +
             " stands before a slowdown's warning board, but both cells before it are taken: no "
             "code change can be placed for it";
    case 12:
      return "no free cell for a code change 5 to 7, 11 to 13 or 18 to 20 cells before the "
             "slowdown's start cell at " + p;
    case 13:
      return "no free cell for a code change near the cell at " + p +
             ", inside a slowdown slower than 110 km/h or before the first signal after its end";
    case 15:
      return "position " + (a.posizione ? std::to_string(*a.posizione) : "") +
             " lies beyond the last track cell (an item needs 100 m after it, a station 800 m): "
             "the rest of this file is not read";
    case 16: return "the signal at " + p + " falls on a cell already taken";
    case 17:
      return "the warning board of the slowdown at " + p +
             ", 1200 m before its start, falls on a cell already taken";
    case 18: return "the slowdown at " + p + " starts on a cell already taken";
    case 19: return "the end of the slowdown at " + p + " falls on a cell already taken";
    case 20:
      return "one of the four cells before the warning board of the slowdown at " + p +
             " is taken (f_ta asks for them)";
    case 21: return "the speed boards (\"indicatori_v\") at " + p + " fall on a cell already taken";
    case 22:
      return "the station at " + p +
             " begins less than 350 m after the end of the station before it";
    case 24:
      return "a station ends at or before 100 m, too near the start of the line for its stop "
             "cell";
    case 25: return a.causa;  // the readers word their failures for authors
    case 101: return "the line description file does not exist";
    case 102: return "no \"[generale]\" section before the end of the file";
    case 103:
      return "a \"curva\" keyword holds none of the class digits 1 to 6, or the curves carry the "
             "line drawing past 1000000 m";
  }
  return "anomaly " + std::to_string(a.codice);
}

std::string riga_diagnostica(const anomalia& a, const file_autore& file) {
  std::string riga = file_da_correggere(a, file);
  if (a.riga > 0) {
    riga += ':';
    riga += std::to_string(a.riga);
  }
  riga += ": anomaly " + std::to_string(a.codice);
  if (a.posizione) riga += " at " + std::to_string(*a.posizione) + " m";
  return riga + ": " + messaggio_anomalia(a);
}

std::string messaggio_errore_fatale(int32_t numero) {
  switch (numero) {
    case 1250:
      return "error 1250: track cell 1 (metres 50 to 99) must stay clear for the marker value, "
             "but a feature placed there set its first value; move the feature away from the "
             "start of the line";
    case 1251:
      return "error 1251: track cell 1 (metres 50 to 99) must stay clear for the scenario "
             "code, but a feature placed there set its second value; move the feature away from "
             "the start of the line";
  }
  return "error " + std::to_string(numero);
}
