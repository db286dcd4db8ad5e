#include "app/author_compile.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>

#include "app/binary_files.h"
#include "app/diagnostics.h"
#include "app/file_names.h"
#include "app/source_names.h"
#include "compiler/memorizza_percorso.h"

namespace compila {

namespace {

// Without a directory the files go to the current one under their bare names.
std::string percorso(const std::optional<std::string>& directory, const nomi_scenario& nomi,
                     file_scenario quale) {
  if (!directory) return nome_file(nomi.linea, nomi.treno, quale);
  return percorso_file(*directory, nomi.linea, nomi.treno, quale);
}

// Two names of one file: the same existing file, or the same path once
// written plainly (a file not made yet).
bool stesso_percorso(file_system& fs, const std::string& a, const std::string& b) {
  namespace f = std::filesystem;
  return fs.stesso_file(a, b) || f::path(a).lexically_normal() == f::path(b).lexically_normal();
}

class compilazione_sorgenti {
 public:
  compilazione_sorgenti(const opzioni_compilazione& o,
                        const std::optional<std::string>& directory, file_system& fs,
                        std::ostream& err)
      : o_(o), directory_(directory), fs_(fs), err_(err) {}

  compilazione_autore esegui() {
    // Compiles into one directory take turns, with each other and with the
    // built-in run there.
    std::string motivo;
    const std::unique_ptr<blocco_directory> blocco = fs_.blocca(directory_.value_or("."), &motivo);
    if (!blocco) {
      errore("cannot lock " + motivo);
      a_.esito = esito_errore_file;
      return std::move(a_);
    }
    std::string linea, treno;
    if (!leggi(o_.descrizione_linea, &linea) || !leggi(o_.descrizione_treno, &treno)) {
      a_.esito = esito_errore_file;
      return std::move(a_);
    }
    a_.sorgenti_lette = true;
    const nomi_scenario nomi =
        nomi_da_sorgenti(o_.descrizione_linea, o_.descrizione_treno, o_.nome_linea, o_.nome_treno);
    compilazione& c = a_.c;
    c.nome_linea = nomi.linea;
    c.nome_treno = nomi.treno;
    const esito_compilazione esito =
        memorizza_percorso(c, o_.senza_profilo ? 0 : 1, {linea, treno});
    const file_autore file{o_.descrizione_linea, o_.descrizione_treno};
    for (const anomalia& an : c.stato.anomalie) err_ << riga_diagnostica(an, file) << "\n";
    a_.errore_fatale = esito.errore_fatale;
    a_.esito = concludi(esito);
    return std::move(a_);
  }

 private:
  bool leggi(const std::string& percorso, std::string* testo) {
    std::string motivo;
    if (fs_.leggi(percorso, testo, &motivo)) return true;
    errore("cannot read " + motivo);
    return false;
  }

  int concludi(const esito_compilazione& esito) {
    if (esito.errore_fatale != 0) {
      errore(messaggio_errore_fatale(esito.errore_fatale) + "; no binary file written");
      return esito_errore_fatale;
    }
    if (!esito.celle_create) {
      errore("no binary file written: the line description stopped before its route length");
      return esito_anomalia;
    }
    std::string motivo;
    if (!scrivi_file_binari(fs_, a_.c, binari_autore(o_, directory_), &motivo, &a_.scritti)) {
      errore("cannot write " + motivo);
      return esito_errore_file;
    }
    a_.scenario_nuovo = true;
    const stato_compilazione& stato = a_.c.stato;
    return stato.anomalie.empty() && stato.codice_errore == 0 ? esito_ok : esito_anomalia;
  }

  void errore(const std::string& messaggio) {
    a_.errori.push_back(prefisso + messaggio);
    err_ << a_.errori.back() << "\n";
  }

  const opzioni_compilazione& o_;
  const std::optional<std::string>& directory_;
  file_system& fs_;
  std::ostream& err_;
  compilazione_autore a_;
};

}  // namespace

compilazione_autore compila_sorgenti_autore(const opzioni_compilazione& o,
                                            const std::optional<std::string>& directory,
                                            file_system& fs, std::ostream& err) {
  return compilazione_sorgenti(o, directory, fs, err).esegui();
}

percorsi_binari binari_autore(const opzioni_compilazione& o,
                              const std::optional<std::string>& directory) {
  const nomi_scenario nomi =
      nomi_da_sorgenti(o.descrizione_linea, o.descrizione_treno, o.nome_linea, o.nome_treno);
  return {percorso(directory, nomi, file_scenario::profilo_linea),
          percorso(directory, nomi, file_scenario::tabella),
          percorso(directory, nomi, file_scenario::celle)};
}

bool uscita_su_sorgente(file_system& fs, const opzioni_compilazione& o,
                        const std::optional<std::string>& directory, std::ostream& err) {
  const percorsi_binari binari = binari_autore(o, directory);
  for (const std::string* uscita : {&binari.profilo_linea, &binari.tabella, &binari.celle}) {
    for (const std::string* sorgente : {&o.descrizione_linea, &o.descrizione_treno}) {
      if (!fs.stesso_file(*uscita, *sorgente)) continue;
      err << prefisso << "the output " << *uscita << " would replace the source " << *sorgente
          << "; choose other names or another --output-dir\n";
      return true;
    }
  }
  if (o.html.empty()) return false;
  for (const std::string* altro : {&o.descrizione_linea, &o.descrizione_treno,
                                   &binari.profilo_linea, &binari.tabella, &binari.celle}) {
    if (!stesso_percorso(fs, o.html, *altro)) continue;
    err << prefisso << "--html " << o.html << " would replace " << *altro
        << "; choose another name\n";
    return true;
  }
  return false;
}

resoconto_compilazione resoconto(const opzioni_compilazione& o, const compilazione_autore& a,
                                 int generazione, const std::string& ora) {
  resoconto_compilazione r;
  r.generazione = generazione;
  r.ora = ora;
  r.file_linea = o.descrizione_linea;
  r.file_treno = o.descrizione_treno;
  r.ok = a.scenario_nuovo;
  if (a.errore_fatale != 0) r.errore_fatale = a.errore_fatale;
  r.errori = a.errori;
  const file_autore file{o.descrizione_linea, o.descrizione_treno};
  for (const anomalia& an : a.c.stato.anomalie)
    r.anomalie.push_back({file_da_correggere(an, file),
                          an.riga > 0 ? std::optional<int>(an.riga) : std::nullopt,
                          numero(an.codice), an.posizione, nome_origine(an.origine),
                          messaggio_anomalia(an)});
  return r;
}

std::string ora_del_giorno() {
  const std::time_t adesso = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  const std::tm* t = std::localtime(&adesso);
  if (!t) return "--:--:--";
  char testo[16];
  std::snprintf(testo, sizeof testo, "%02d:%02d:%02d", t->tm_hour, t->tm_min, t->tm_sec);
  return testo;
}

}  // namespace compila
