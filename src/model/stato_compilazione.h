#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Which source an anomaly was met in; completion anomalies belong to the cells.
enum class origine_anomalia { descrizione_linea, descrizione_treno, celle };

// One anomaly as it was met, kept for diagnostics. The compile status itself
// holds only the last one.
struct anomalia {
  int32_t codice = 0;
  std::optional<int32_t> posizione;  // metres, where the code records one
  origine_anomalia origine = origine_anomalia::descrizione_linea;
  int riga = 0;                      // source line, 0 where none applies
  std::string causa;                 // what exactly failed, for code 25
};

// The compile status: code of the last anomaly (0 = none) and its position.
// posizione_errore is left unchanged by codes that record no position.
struct stato_compilazione {
  int32_t codice_errore = 0;
  int32_t posizione_errore = 0;
  std::vector<anomalia> anomalie;

  void registra(int32_t codice, origine_anomalia origine, int riga = 0, std::string causa = {}) {
    codice_errore = codice;
    anomalie.push_back({codice, std::nullopt, origine, riga, std::move(causa)});
  }
  void registra(int32_t codice, int32_t posizione, origine_anomalia origine, int riga = 0) {
    codice_errore = codice;
    posizione_errore = posizione;
    anomalie.push_back({codice, posizione, origine, riga, {}});
  }
};
