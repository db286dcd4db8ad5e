#include "compiler/scenario_codes.h"

#include <limits>
#include <string>
#include <string_view>

#include "textio/windows1252.h"

namespace compila {

namespace {

constexpr std::string_view coda_codice = "aabbccddeeffgghhiillmmnnoo";

// The lower case of a Windows-1252 byte, accented capitals included.
uint8_t minuscola(uint8_t b) {
  if (b >= 'A' && b <= 'Z') return static_cast<uint8_t>(b + 0x20);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<uint8_t>(b + 0x20);  // À..Þ but ×
  switch (b) {
    case 0x8A: return 0x9A;  // Š
    case 0x8C: return 0x9C;  // Œ
    case 0x8E: return 0x9E;  // Ž
    case 0x9F: return 0xFF;  // Ÿ
    default: return b;
  }
}

static_assert(lunghezza_testo_codice * 255 <= std::numeric_limits<int16_t>::max(),
              "the plain code must fit the 16-bit dato_2 of cell 1");

}  // namespace

std::array<uint8_t, lunghezza_testo_codice> testo_codice(const tabella_scenario& tabella) {
  const std::string nomi =
      in_windows1252(tabella[voce::treno].testo) + in_windows1252(tabella[voce::linea].testo);
  std::array<uint8_t, lunghezza_testo_codice> testo{};
  for (size_t i = 0; i < testo.size(); ++i) {
    testo[i] = i < nomi.size() ? minuscola(static_cast<uint8_t>(nomi[i]))
                               : static_cast<uint8_t>(coda_codice[i - nomi.size()]);
  }
  return testo;
}

int32_t codice_gara_og(const tabella_scenario& tabella) {
  int32_t somma = 0;
  for (uint8_t codice : testo_codice(tabella)) somma += codice;
  return somma;
}

int32_t codice_gara_st(const tabella_scenario& tabella) {
  const auto testo = testo_codice(tabella);
  int32_t somma = 0;
  for (int32_t i = 1; i <= lunghezza_testo_codice; ++i) somma += i * testo[static_cast<size_t>(i - 1)];
  return somma;
}

int32_t timbra_scenario(compilazione& c) {
  voce_scenario& linea = c.tabella[voce::linea];
  cella& prima = c.celle.at(1);

  if (linea.intero_1 != 0 || prima.dato_1 != 0) return errore_marcatori;
  linea.intero_1 = marcatore_tabella;
  prima.dato_1 = marcatore_celle;

  if (linea.valore_4 != 0 || prima.dato_2 != 0) return errore_codici;
  linea.valore_4 = codice_gara_st(c.tabella);
  // At most 25 * 255: always fits 16 bits (checked above).
  prima.dato_2 = static_cast<int16_t>(codice_gara_og(c.tabella));
  return 0;
}

}  // namespace compila
