#include "app/inspect_mode.h"

#include <sstream>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "app/file_names.h"
#include "app/run.h"
#include "inspect/cell_csv.h"
#include "inspect/consistency.h"
#include "inspect/json_summary.h"
#include "inspect/line_svg.h"
#include "inspect/scenario_page.h"
#include "inspect/summary.h"
#include "inspect/text_summary.h"
#include "output/cell_file.h"
#include "output/profile_file.h"
#include "output/table_file.h"

namespace compila {

namespace {

class ispezione {
 public:
  ispezione(const opzioni_inspect& o, file_system& fs, std::ostream& out, std::ostream& err)
      : o_(o), fs_(fs), out_(out), err_(err) {}

  int esegui() {
    if (!o_.directory.empty() && !fs_.e_directory(o_.directory)) {
      err_ << prefisso << "directory " << o_.directory << " does not exist\n";
      return esito_errore_file;
    }
    if (uscita_su_ingresso()) return esito_uso;
    if (!leggi_tutto() || !coerenti()) return esito_errore_file;
    const riepilogo r = riassumi(s_);
    std::ostringstream testo;
    if (o_.json)
      testo << riepilogo_json(s_, r);
    else
      scrivi_riepilogo(s_, r, testo);
    const std::string csv = o_.csv.empty() ? std::string() : celle_csv(s_.celle);
    const std::string svg = o_.svg.empty() ? std::string() : disegno_svg(s_, r);
    const std::string html = o_.html.empty() ? std::string() : pagina_scenario(&s_, nullptr);

    // The files first, as one set; the standard output carries nothing
    // unless they were written: the summary, then what goes there ("-").
    std::vector<sostituzione> file;
    std::vector<std::string_view> a_uscita;
    for (const auto& [percorso, contenuto] : {std::pair{&o_.csv, &csv}, std::pair{&o_.svg, &svg}, std::pair{&o_.html, &html}}) {
      if (percorso->empty()) continue;
      if (a_uscita_standard(*percorso))
        a_uscita.push_back(*contenuto);
      else
        file.push_back({*percorso, {*contenuto}});
    }
    std::string motivo;
    if (!file.empty() && !fs_.sostituisci_insieme(file, &motivo)) {
      err_ << prefisso << "cannot write " << motivo << "\n";
      return esito_errore_file;
    }
    out_ << testo.str();
    for (std::string_view v : a_uscita) out_ << v;
    return esito_ok;
  }

 private:
  std::string percorso(file_scenario quale) const {
    return percorso_file(o_.directory, o_.nome_linea, o_.nome_treno, quale);
  }

  template <typename Decodifica, typename T>
  bool leggi(file_scenario quale, const char* genere, Decodifica decodifica, T* dove) {
    const std::string p = percorso(quale);
    std::string byte, motivo;
    if (!fs_.leggi(p, &byte, &motivo)) {
      err_ << prefisso << "cannot read " << motivo << "\n";
      return false;
    }
    if (!decodifica(byte, dove, &motivo)) {
      err_ << prefisso << p << " is not " << genere << ": " << motivo << "\n";
      return false;
    }
    return true;
  }

  // "-", or a path that leads to the program's own standard output (such as
  // /dev/stdout): written there, after the summary, rather than replaced
  // behind the summary's back.
  bool a_uscita_standard(const std::string& percorso) {
    return percorso == "-" || fs_.e_uscita_standard(percorso);
  }

  // The CSV, the drawing or the page written over one of the files being
  // read would destroy what the simulator reads.
  bool uscita_su_ingresso() {
    for (const std::string* uscita : {&o_.csv, &o_.svg, &o_.html}) {
      if (uscita->empty() || *uscita == "-") continue;
      for (file_scenario f :
           {file_scenario::tabella, file_scenario::celle, file_scenario::profilo_linea}) {
        if (!fs_.stesso_file(*uscita, percorso(f))) continue;
        err_ << prefisso << *uscita
             << " is one of the files inspected; choose another name\n";
        return true;
      }
    }
    return false;
  }

  // A compile without the line drawing writes no line profile file: the
  // views then go without the plan. A directory of that name is no absence.
  bool leggi_tutto() {
    const std::string profilo = percorso(file_scenario::profilo_linea);
    return leggi(file_scenario::tabella, "a scenario table file", decodifica_tabella,
                 &s_.tabella) &&
           leggi(file_scenario::celle, "a cell file", decodifica_celle, &s_.celle) &&
           ((!fs_.esiste(profilo) && !fs_.e_directory(profilo)) ||
            leggi(file_scenario::profilo_linea, "a line profile file", decodifica_profilo,
                  &s_.profilo));
  }

  bool coerenti() {
    std::string motivo;
    if (controlla_coerenza(s_, {percorso(file_scenario::profilo_linea),
                                percorso(file_scenario::tabella), percorso(file_scenario::celle)},
                           &motivo))
      return true;
    err_ << prefisso << motivo << "\n";
    return false;
  }

  const opzioni_inspect& o_;
  file_system& fs_;
  std::ostream& out_;
  std::ostream& err_;
  scenario_compilato s_;
};

}  // namespace

int esegui_inspect(const opzioni_inspect& opzioni, file_system& fs, std::ostream& out,
                   std::ostream& err) {
  return ispezione(opzioni, fs, out, err).esegui();
}

}  // namespace compila
