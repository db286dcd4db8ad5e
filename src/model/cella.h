#pragma once

#include <cstdint>
#include <vector>

#include "model/rounding.h"

namespace compila {

// One 50 m track cell. The first six fields describe at most one point
// feature; the last four hold along the whole line.
struct cella {
  uint8_t tipo_cella = 0;
  int16_t dato_1 = 0;
  int16_t dato_2 = 0;
  int16_t dato_3 = 0;
  int16_t dato_4 = 0;
  uint8_t tempo = 0;
  uint8_t avvicinamento = 0;
  uint8_t montagna = 0;
  uint8_t limite = 0;
  uint8_t pendenza = 0;
  uint8_t aderenza = 0;

  friend bool operator==(const cella&, const cella&) = default;
};

// Point-feature type codes held in tipo_cella.
namespace tipo {
inline constexpr uint8_t nessuno = 0;
inline constexpr uint8_t segnale = 1;
inline constexpr uint8_t fine_rallentamento = 2;
inline constexpr uint8_t inizio_rallentamento = 3;
inline constexpr uint8_t avviso_rallentamento = 4;
inline constexpr uint8_t approccio_avviso = 5;
inline constexpr uint8_t indicatori_v_max = 6;
inline constexpr uint8_t fermata = 10;
inline constexpr uint8_t marcatore_montagna = 11;
inline constexpr uint8_t cambio_codice = 12;
inline constexpr uint8_t cambio_codice_senza_valore = 13;
inline constexpr uint8_t cartello = 14;
}  // namespace tipo

// A cell is free for a point feature when it holds nothing or only a tunnel
// marker, which any point feature replaces.
inline bool cella_libera(const cella& c) {
  return c.tipo_cella == tipo::nessuno || c.tipo_cella == tipo::marcatore_montagna;
}

// Cells 0 to U, one per 50 m, reaching 7000 m past the route's end.
using array_celle = std::vector<cella>;

// Cell length in metres and the stretch added past the route's end.
inline constexpr int32_t lunghezza_cella = 50;
inline constexpr int32_t coda_percorso = 7000;
inline constexpr int32_t lunghezza_massima = 1000000;

// The cells and the line drawing of a route reach from metre 0 to its length
// plus the tail; the cells are 0 to the nearest integer to that metre / 50.
inline int64_t ultimo_metro_percorso(int64_t lunghezza) { return lunghezza + coda_percorso; }
inline int64_t numero_celle_percorso(int64_t lunghezza) {
  return dividi_arrotondando(ultimo_metro_percorso(lunghezza), lunghezza_cella) + 1;
}

}  // namespace compila
