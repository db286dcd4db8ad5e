#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/anomaly.h"

namespace compila {

// The compile status: code of the last anomaly (0 = none) and its position.
// posizione_errore is left unchanged by codes that record no position.
struct stato_compilazione {
  int32_t codice_errore = 0;
  int32_t posizione_errore = 0;
  std::vector<anomalia> anomalie;  // every anomaly met, for diagnostics

  void registra(codice_anomalia codice, origine_anomalia origine, int riga = 0,
                std::string causa = {}) {
    codice_errore = numero(codice);
    anomalie.push_back({codice, std::nullopt, origine, riga, std::move(causa)});
  }
  void registra(codice_anomalia codice, int32_t posizione, origine_anomalia origine, int riga = 0) {
    codice_errore = numero(codice);
    posizione_errore = posizione;
    anomalie.push_back({codice, posizione, origine, riga, {}});
  }
};

}  // namespace compila
