#include "app/watch_mode.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/author_compile.h"
#include "app/page_server.h"
#include "app/source_watcher.h"
#include "inspect/scenario_page.h"
#include "platform/file_identity.h"
#include "platform/interruption.h"

namespace compila {

namespace {

// How often the sources are looked at: a save is seen within two looks.
constexpr auto intervallo = std::chrono::milliseconds(20);

std::string quante(size_t n, const char* una, const char* molte) {
  return std::to_string(n) + " " + (n == 1 ? una : molte);
}

class osservazione {
 public:
  osservazione(const opzioni_compilazione& o, const std::optional<std::string>& directory,
               file_system& fs, std::ostream& out, std::ostream& err, server_pagina& server)
      : o_(o), directory_(directory), fs_(fs), out_(out), err_(err),
        sorgenti_({o.descrizione_linea, o.descrizione_treno}, identita), server_(server) {}

  int esegui(const opzioni_watch& w) {
    std::string motivo;
    if (!server_.apri(w.porta.value_or(0), &motivo)) {
      err_ << prefisso << motivo << "\n";
      return esito_servizio;
    }
    intercetta_interruzione();
    compila();
    server_.avvia();
    out_ << "Watching " << o_.descrizione_linea << " and " << o_.descrizione_treno
         << "; the page is at http://127.0.0.1:" << server_.porta() << "/ (Ctrl-C ends)"
         << std::endl;
    while (!interruzione_richiesta()) {
      std::this_thread::sleep_for(intervallo);
      if (sorgenti_.cambiate()) compila();
    }
    server_.ferma();
    out_ << "Stopped." << std::endl;
    return esito_ok;
  }

 private:
  // One compile, its page published; the last good scenario stays on the
  // page while a compile gives none.
  void compila() {
    ++generazione_;
    compilazione_autore a;
    const std::vector<std::string> mancanti = sorgenti_.mancanti();
    if (mancanti.empty()) {
      a = compila_sorgenti_autore(o_, directory_, fs_, err_);
    } else {
      for (const std::string& p : mancanti) {
        a.errori.push_back(prefisso + p + " is missing; waiting for it to come back");
        err_ << a.errori.back() << "\n";
      }
      a.esito = esito_errore_file;
    }
    const resoconto_compilazione r = resoconto(o_, a, generazione_, ora_del_giorno());
    if (a.scenario_nuovo) ultimo_buono_ = std::move(static_cast<scenario_compilato&>(a.c));
    server_.pubblica(pagina_scenario(ultimo_buono_ ? &*ultimo_buono_ : nullptr, &r),
                     generazione_, r.ok);
    out_ << r.ora << " compile " << generazione_ << ": "
         << (r.ok ? "" : "failed, the page keeps the last good scenario; ")
         << quante(r.anomalie.size(), "anomaly", "anomalies") << std::endl;
  }

  const opzioni_compilazione& o_;
  const std::optional<std::string>& directory_;
  file_system& fs_;
  std::ostream& out_;
  std::ostream& err_;
  osservatore_sorgenti sorgenti_;
  server_pagina& server_;
  int generazione_ = 0;
  std::optional<scenario_compilato> ultimo_buono_;
};

}  // namespace

int esegui_watch(const opzioni_compilazione& o, const opzioni_watch& w,
                 const std::optional<std::string>& directory, file_system& fs,
                 const std::string& directory_programma, std::ostream& out, std::ostream& err) {
  if (!directory_uscita_esiste(fs, directory, err)) return esito_errore_file;
  if (uscita_su_sorgente(fs, o, directory, err)) return esito_uso;
  std::string motivo;
  const std::unique_ptr<server_pagina> server = crea_server_pagina(directory_programma, &motivo);
  if (!server) {
    err << prefisso << motivo << "\n";
    return esito_servizio;
  }
  return osservazione(o, directory, fs, out, err, *server).esegui(w);
}

}  // namespace compila
