#include "app/diagnostics.h"

#include <regex>
#include <string>
#include <vector>

namespace {

std::string metri(const anomalia& a) {
  return a.posizione ? std::to_string(*a.posizione) + " m" : std::string("its position");
}

// A cause of the reading and the words an author gets for it; $1, $2, ...
// are the cause's own parts.
struct traduzione {
  std::regex causa;
  const char* messaggio;
};

const std::vector<traduzione>& traduzioni() {
  static const std::vector<traduzione> tutte = {
      {std::regex("read past the end of the file"),
       "the file ends in the middle of an item: a value is missing, or the file does not end "
       "with its closing line \"[fine]\""},
      {std::regex("\"(.*)\" is not a number"),
       "\"$1\" is not a whole number: a numeric field holds digits only, with an optional "
       "leading \"-\""},
      {std::regex("\"(.*)\" does not fit 32 bits"),
       "\"$1\" is too large: numbers lie between -2147483648 and 2147483647"},
      {std::regex("(-?[0-9]+) does not fit the 8-bit field (.*)"),
       "$1 is out of range for $2, which holds 0 to 255"},
      {std::regex("(-?[0-9]+) does not fit the 16-bit field (.*)"),
       "$1 is out of range for $2, which holds -32768 to 32767"},
      {std::regex("(-?[0-9]+) does not fit the 32-bit field (.*)"),
       "$1 is out of range for $2, which holds -2147483648 to 2147483647"},
      {std::regex("(.*) falls on cell (-?[0-9]+), outside cells 0 to ([0-9]+)"),
       "$1 falls on cell $2, outside the track cells 0 to $3: keep it within the route"},
      {std::regex("no record left for the sign board at (-?[0-9]+)"),
       "no record left for the sign board at $1 m: sign boards and stations share the "
       "records 1 to 80"},
      {std::regex("more than ([0-9]+) tunnel stretches"),
       "more than $1 tunnel stretches (\"montagna\" lines): join or remove some"},
      {std::regex("no \"lunghezza percorso\" line before the features"),
       "no \"lunghezza percorso\" line before the first feature: give the route length in the "
       "[generale] section"},
      {std::regex("negative route length (-?[0-9]+)"),
       "the route length $1 is negative"},
      {std::regex("the stop of the station ending at (-?[0-9]+) m lies past the last cell"),
       "the stop of the station ending at $1 m lies past the last track cell: move the station "
       "or lengthen the route"},
  };
  return tutte;
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

std::string messaggio_causa(const std::string& causa) {
  for (const traduzione& t : traduzioni()) {
    std::smatch m;
    if (std::regex_match(causa, m, t.causa)) return m.format(t.messaggio);
  }
  // A file that could not be read names itself with the system's reason;
  // anything else is passed on as it came.
  return "the reading failed: " + causa;
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
    case 25: return messaggio_causa(a.causa);
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
  if (a.riga > 0) riga += ":" + std::to_string(a.riga);
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
