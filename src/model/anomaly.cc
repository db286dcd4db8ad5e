#include "model/anomaly.h"

namespace compila {

namespace {

std::string metri(const anomalia& a) {
  return a.posizione ? std::to_string(*a.posizione) + " m" : std::string("its position");
}

std::string numero_posizione(const anomalia& a) {
  return a.posizione ? std::to_string(*a.posizione) : std::string();
}

}  // namespace

std::string messaggio_anomalia(const anomalia& a) {
  const std::string p = metri(a);
  switch (a.codice) {
    case codice_anomalia::percorso_troppo_lungo:
      return "the route length (\"lunghezza percorso\") is above 1000000 m";
    case codice_anomalia::progressiva_fuori_griglia:
      return "a kilometre-marking section (\"progressiva\" line) has a start or a reference "
             "that is not a multiple of 50";
    case codice_anomalia::inizio_ripetizione_fuori_griglia:
      return "the start of the \"ripetizione segnali\" line is not a multiple of 50";
    case codice_anomalia::fine_ripetizione_fuori_griglia:
      return "the end of the \"ripetizione segnali\" line is not a multiple of 50";
    case codice_anomalia::ripetizione_senza_codici:
      return "the \"ripetizione segnali\" keyword holds neither \"4\" nor \"9\", the number of "
             "codes";
    case codice_anomalia::cartello_su_cella_occupata:
      return "the sign board at " + p + " falls on a cell already taken by another feature";
    case codice_anomalia::abbattimento_su_cella_occupata:
      return "the code change (\"abbattimento\") at " + p + " falls on a cell already taken";
    case codice_anomalia::stazione_fuori_griglia:
      return "station position " + numero_posizione(a) + " is not a multiple of 50";
    case codice_anomalia::lunghezza_stazione_fuori_griglia:
      return "the length of the station at " + p + " is not a multiple of 100";
    case codice_anomalia::stazioni_oltre_i_cartelli:
      return "too many stations: stations fill the records from 1 up and sign boards from 80 "
             "down, and none is left for the next station";
    case codice_anomalia::segnale_prima_avviso_bloccato:
      return "the signal in the cell at " + p +
             " stands before a slowdown's warning board, but both cells before it are taken: no "
             "code change can be placed for it";
    case codice_anomalia::gruppo_prima_inizio_bloccato:
      return "no free cell for a code change 5 to 7, 11 to 13 or 18 to 20 cells before the "
             "slowdown's start cell at " + p;
    case codice_anomalia::cambio_codice_rallentamento_bloccato:
      return "no free cell for a code change near the cell at " + p +
             ", inside a slowdown slower than 110 km/h or before the first signal after its end";
    case codice_anomalia::oltre_le_celle:
      return "position " + numero_posizione(a) +
             " lies beyond the last track cell (an item needs 100 m after it, a station 800 m): "
             "the rest of this file is not read";
    case codice_anomalia::segnale_su_cella_occupata:
      return "the signal at " + p + " falls on a cell already taken";
    case codice_anomalia::avviso_su_cella_occupata:
      return "the warning board of the slowdown at " + p +
             ", 1200 m before its start, falls on a cell already taken";
    case codice_anomalia::inizio_su_cella_occupata:
      return "the slowdown at " + p + " starts on a cell already taken";
    case codice_anomalia::fine_su_cella_occupata:
      return "the end of the slowdown at " + p + " falls on a cell already taken";
    case codice_anomalia::approccio_su_cella_occupata:
      return "one of the four cells before the warning board of the slowdown at " + p +
             " is taken (the fifth value of the slowdown line asks for them)";
    case codice_anomalia::indicatori_su_cella_occupata:
      return "the speed boards (\"indicatori_v\") at " + p + " fall on a cell already taken";
    case codice_anomalia::stazioni_troppo_vicine:
      return "the station at " + p +
             " begins less than 350 m after the end of the station before it";
    case codice_anomalia::stazione_troppo_corta:
      return "a station ends at or before 100 m, too near the start of the line for its stop "
             "cell";
    case codice_anomalia::lettura_fallita:
      return a.causa;  // the readers word their failures for authors
    case codice_anomalia::linea_assente: return "the line description file does not exist";
    case codice_anomalia::senza_generale:
      if (!a.causa.empty()) return a.causa;  // a "[generale]" that is the last line
      return "no \"[generale]\" section before the end of the file";
    case codice_anomalia::curva_non_disegnabile:
      return "a \"curva\" keyword holds none of the class digits 1 to 6, or the curves carry the "
             "line drawing past 1000000 m";
    case codice_anomalia::nessuna: break;
  }
  return "anomaly " + std::to_string(numero(a.codice));
}

}  // namespace compila
