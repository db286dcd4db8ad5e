#include "app/compile_mode.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "app/author_compile.h"
#include "app/diagnostics.h"
#include "inspect/scenario_page.h"

namespace compila {

namespace {

nlohmann::ordered_json intero_o_null(std::optional<int32_t> valore) {
  return valore ? nlohmann::ordered_json(*valore) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json in_json(const compilazione_autore& a) {
  nlohmann::ordered_json anomalie = nlohmann::ordered_json::array();
  for (const anomalia& an : a.c.stato.anomalie) {
    anomalie.push_back({
        {"code", numero(an.codice)},
        {"position", intero_o_null(an.posizione)},
        {"source", nome_origine(an.origine)},
        {"line", intero_o_null(an.riga > 0 ? std::optional<int32_t>(an.riga) : std::nullopt)},
        {"message", messaggio_anomalia(an)},
    });
  }
  return {
      {"code", a.c.stato.codice_errore},
      {"position", a.c.stato.posizione_errore},
      {"fatal", intero_o_null(a.errore_fatale ? std::optional<int32_t>(a.errore_fatale)
                                              : std::nullopt)},
      {"anomalies", anomalie},
      {"written", a.scritti},
  };
}

// The page of the compile: its scenario when it gave one, and its anomalies.
int scrivi_pagina(const opzioni_compilazione& o, const compilazione_autore& a, file_system& fs,
                  std::ostream& err) {
  const resoconto_compilazione r = resoconto(o, a, 1, ora_del_giorno());
  std::string motivo;
  if (fs.sostituisci(o.html, pagina_scenario(a.scenario_nuovo ? &a.c : nullptr, &r), &motivo))
    return esito_ok;
  err << prefisso << "cannot write " << motivo << "\n";
  return esito_errore_file;
}

}  // namespace

int esegui_compila(const opzioni_compilazione& o, const std::optional<std::string>& directory,
                   file_system& fs, std::ostream& out, std::ostream& err) {
  if (!directory_uscita_esiste(fs, directory, err)) return esito_errore_file;
  if (uscita_su_sorgente(fs, o, directory, err)) return esito_uso;
  const compilazione_autore a = compila_sorgenti_autore(o, directory, fs, err);
  int esito = a.esito;
  if (!o.html.empty() && scrivi_pagina(o, a, fs, err) != esito_ok) esito = esito_errore_file;
  // A file error's JSON is the program's (errore_json).
  if (o.json && esito != esito_errore_file)
    out << in_json(a).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
  return esito;
}

}  // namespace compila
