#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace compila {

// One record of the scenario table. testo is held as UTF-8 and becomes
// Windows-1252 only in the files.
struct voce_scenario {
  uint8_t tipo = 0;
  int32_t valore_1 = 0;
  int32_t valore_2 = 0;
  int32_t valore_3 = 0;
  uint8_t marca = 0;
  std::string testo;
  int16_t intero_1 = 0;
  int16_t intero_2 = 0;
  int16_t intero_3 = 0;
  int16_t intero_4 = 0;
  int16_t intero_5 = 0;
  uint8_t byte_1 = 0;
  uint8_t byte_2 = 0;
  uint8_t byte_3 = 0;
  uint8_t byte_4 = 0;
  int32_t valore_4 = 0;

  friend bool operator==(const voce_scenario&, const voce_scenario&) = default;
};

// The fixed table: stations from record 1 upwards, sign-board texts from 80
// downwards, general values in 81 to 86; record 0 stays clear.
inline constexpr int numero_voci = 87;
using tabella_scenario = std::array<voce_scenario, numero_voci>;

namespace voce {
inline constexpr int primo_cartello = 80;
inline constexpr int progressiva_tre = 81;
inline constexpr int progressiva_due = 82;
inline constexpr int progressiva_uno = 83;
inline constexpr int generale_treno = 84;
inline constexpr int linea = 85;
inline constexpr int treno = 86;
}  // namespace voce

// Sets every record to zeros and the empty text.
void pulisci_tabella(tabella_scenario& tabella);

}  // namespace compila
