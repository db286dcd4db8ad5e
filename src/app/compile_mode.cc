#include "app/compile_mode.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "app/binary_files.h"
#include "app/diagnostics.h"
#include "app/file_names.h"
#include "app/run.h"
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

nlohmann::ordered_json intero_o_null(std::optional<int32_t> valore) {
  return valore ? nlohmann::ordered_json(*valore) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json in_json(const compilazione& c, int32_t errore_fatale,
                               const std::vector<std::string>& scritti) {
  nlohmann::ordered_json anomalie = nlohmann::ordered_json::array();
  for (const anomalia& a : c.stato.anomalie) {
    anomalie.push_back({
        {"code", numero(a.codice)},
        {"position", intero_o_null(a.posizione)},
        {"source", nome_origine(a.origine)},
        {"line", intero_o_null(a.riga > 0 ? std::optional<int32_t>(a.riga) : std::nullopt)},
        {"message", messaggio_anomalia(a)},
    });
  }
  return {
      {"code", c.stato.codice_errore},
      {"position", c.stato.posizione_errore},
      {"fatal", intero_o_null(errore_fatale ? std::optional<int32_t>(errore_fatale) : std::nullopt)},
      {"anomalies", anomalie},
      {"written", scritti},
  };
}

// The author's two sources, read once before the compile starts: a source
// that cannot be read is a file error, not an anomaly of the description.
struct sorgenti_lette {
  std::string linea;
  std::string treno;
};

bool leggi_sorgenti(const opzioni_compilazione& o, file_system& fs, sorgenti_lette* letti,
                    std::ostream& err) {
  for (auto [p, testo] : {std::pair{&o.descrizione_linea, &letti->linea},
                          std::pair{&o.descrizione_treno, &letti->treno}}) {
    std::string motivo;
    if (!fs.leggi(*p, testo, &motivo)) {
      err << prefisso << "cannot read " << motivo << "\n";
      return false;
    }
  }
  return true;
}

bool uscita_su_sorgente(file_system& fs, const percorsi_binari& binari,
                        const opzioni_compilazione& o, std::ostream& err) {
  for (const std::string* uscita : {&binari.profilo_linea, &binari.tabella, &binari.celle}) {
    for (const std::string* sorgente : {&o.descrizione_linea, &o.descrizione_treno}) {
      if (!fs.stesso_file(*uscita, *sorgente)) continue;
      err << prefisso << "the output " << *uscita << " would replace the source " << *sorgente
          << "; choose other names or another --output-dir\n";
      return true;
    }
  }
  return false;
}

class compilazione_autore {
 public:
  compilazione_autore(const opzioni_compilazione& o, const std::optional<std::string>& directory,
                      file_system& fs, const sorgenti_lette& sorgenti, std::ostream& err)
      : o_(o), directory_(directory), fs_(fs), sorgenti_(sorgenti), err_(err),
        nomi_(nomi_da_sorgenti(o.descrizione_linea, o.descrizione_treno, o.nome_linea,
                               o.nome_treno)) {}

  bool scriverebbe_su_sorgente() const { return uscita_su_sorgente(fs_, binari(), o_, err_); }

  int esegui() {
    c_.nome_linea = nomi_.linea;
    c_.nome_treno = nomi_.treno;
    const esito_compilazione esito =
        memorizza_percorso(c_, o_.senza_profilo ? 0 : 1, {sorgenti_.linea, sorgenti_.treno});
    const file_autore file{o_.descrizione_linea, o_.descrizione_treno};
    for (const anomalia& a : c_.stato.anomalie) err_ << riga_diagnostica(a, file) << "\n";
    errore_fatale_ = esito.errore_fatale;

    if (esito.errore_fatale != 0) {
      err_ << prefisso << messaggio_errore_fatale(esito.errore_fatale)
           << "; no binary file written\n";
      return esito_errore_fatale;
    }
    if (!esito.celle_create) {
      err_ << prefisso
           << "no binary file written: the line description stopped before its route length\n";
      return esito_anomalia;
    }
    std::string motivo;
    if (!scrivi_file_binari(fs_, c_, binari(), &motivo, &scritti_)) {
      err_ << prefisso << "cannot write " << motivo << "\n";
      return esito_errore_file;
    }
    return c_.stato.anomalie.empty() && c_.stato.codice_errore == 0 ? esito_ok : esito_anomalia;
  }

  nlohmann::ordered_json risultato_json() const { return in_json(c_, errore_fatale_, scritti_); }

 private:
  percorsi_binari binari() const {
    return {percorso(directory_, nomi_, file_scenario::profilo_linea),
            percorso(directory_, nomi_, file_scenario::tabella),
            percorso(directory_, nomi_, file_scenario::celle)};
  }

  const opzioni_compilazione& o_;
  const std::optional<std::string>& directory_;
  file_system& fs_;
  const sorgenti_lette& sorgenti_;
  std::ostream& err_;
  const nomi_scenario nomi_;
  std::vector<std::string> scritti_;  // the binary files written, in order
  compilazione c_;
  int32_t errore_fatale_ = 0;
};

}  // namespace

int esegui_compila(const opzioni_compilazione& o, const std::optional<std::string>& directory,
                   file_system& fs, std::ostream& out, std::ostream& err) {
  if (!directory_uscita_esiste(fs, directory, err)) return esito_errore_file;
  // Compiles into one directory take turns, with each other and with the
  // built-in run there.
  std::string motivo;
  const std::unique_ptr<blocco_directory> blocco = fs.blocca(directory.value_or("."), &motivo);
  if (!blocco) {
    err << prefisso << "cannot lock " << motivo << "\n";
    return esito_errore_file;
  }
  sorgenti_lette sorgenti;
  if (!leggi_sorgenti(o, fs, &sorgenti, err)) return esito_errore_file;
  compilazione_autore compilazione(o, directory, fs, sorgenti, err);
  if (compilazione.scriverebbe_su_sorgente()) return esito_uso;
  const int esito = compilazione.esegui();
  // A file error's JSON is the program's (errore_json).
  if (o.json && esito != esito_errore_file)
    out << compilazione.risultato_json().dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
        << "\n";
  return esito;
}

}  // namespace compila
