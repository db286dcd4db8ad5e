#pragma once

#include <array>
#include <cstdint>

#include "compiler/compile_state.h"
#include "model/voce_scenario.h"

namespace compila {

// Both scenario codes are computed over the first 25 characters of the train
// name (record 86) followed by the line name (record 85), lowered, followed by
// "aabbccddeeffgghhiillmmnnoo"; each character counts with its Windows-1252
// code.
inline constexpr int lunghezza_testo_codice = 25;
std::array<uint8_t, lunghezza_testo_codice> testo_codice(const tabella_scenario& tabella);

// The plain code: the sum of the 25 codes (at most 6375, so it fits 16 bits).
int32_t codice_gara_og(const tabella_scenario& tabella);
// The weighted code: the sum of i times the i-th code, i from 1 (at most 82875).
int32_t codice_gara_st(const tabella_scenario& tabella);

// The markers and the fatal errors of the stamping.
inline constexpr int16_t marcatore_tabella = 610;   // intero_1 of record 85
inline constexpr int16_t marcatore_celle = 5121;    // dato_1 of cell 1
inline constexpr int32_t errore_marcatori = 1250;   // a marker slot was not 0
inline constexpr int32_t errore_codici = 1251;      // a code slot was not 0

// Checks that the four slots are still 0 and stamps them: the two markers
// first, then the weighted code into valore_4 of record 85 and the plain code
// into dato_2 of cell 1. Returns 0, or the fatal error number (1250 or 1251)
// of the check that failed, having stopped there; the caller reports it.
// The cells must exist (cell 1 is a slot).
int32_t timbra_scenario(compilazione& c);

}  // namespace compila
