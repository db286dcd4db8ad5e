#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace compila {

// The anomaly codes a compile records (codice_errore holds the number; 0 is
// none). Codes 14 and 23 are not used. The message of each is beside it, in
// anomaly.cc.
enum class codice_anomalia : int32_t {
  nessuna = 0,
  percorso_troppo_lungo = 1,             // the route length is above 1000000 m
  progressiva_fuori_griglia = 2,         // a kilometre-marking section off the 50 m grid
  inizio_ripetizione_fuori_griglia = 3,  // the signal repetition's start off the grid
  fine_ripetizione_fuori_griglia = 4,    // its end off the grid
  ripetizione_senza_codici = 5,          // its keyword holds neither "4" nor "9"
  cartello_su_cella_occupata = 6,
  abbattimento_su_cella_occupata = 7,
  stazione_fuori_griglia = 8,
  lunghezza_stazione_fuori_griglia = 9,
  stazioni_oltre_i_cartelli = 10,        // no record left for the next station
  segnale_prima_avviso_bloccato = 11,    // completion: no cell for a signal's code change
  gruppo_prima_inizio_bloccato = 12,     // completion: no cell in a group before a start
  cambio_codice_rallentamento_bloccato = 13,  // completion: none inside or after a slowdown
  oltre_le_celle = 15,                   // an item past the last cell: the file ends there
  segnale_su_cella_occupata = 16,
  avviso_su_cella_occupata = 17,
  inizio_su_cella_occupata = 18,
  fine_su_cella_occupata = 19,
  approccio_su_cella_occupata = 20,
  indicatori_su_cella_occupata = 21,
  stazioni_troppo_vicine = 22,
  stazione_troppo_corta = 24,
  lettura_fallita = 25,                  // any failure of the reading; the cause says which
  linea_assente = 101,
  senza_generale = 102,
  curva_non_disegnabile = 103,
};

inline constexpr int32_t numero(codice_anomalia codice) { return static_cast<int32_t>(codice); }

// Which source an anomaly was met in; completion anomalies belong to the cells.
enum class origine_anomalia { descrizione_linea, descrizione_treno, celle };

// One anomaly as it was met, kept for diagnostics.
struct anomalia {
  codice_anomalia codice = codice_anomalia::nessuna;
  std::optional<int32_t> posizione;  // metres, where the code records one
  origine_anomalia origine = origine_anomalia::descrizione_linea;
  int riga = 0;                      // source line, 0 where none applies
  std::string causa;                 // what exactly failed, for code 25 (and some 102s)
};

// What is wrong, in plain words for the author, and where it helps what to do.
std::string messaggio_anomalia(const anomalia& a);

}  // namespace compila
