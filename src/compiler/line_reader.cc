#include "compiler/line_reader.h"

#include <optional>
#include <string>
#include <string_view>

#include "compiler/cell_positions.h"
#include "compiler/curve_plan.h"
#include "compiler/gradient_placement.h"
#include "compiler/keywords.h"
#include "compiler/memo_indicatori_v_max.h"
#include "compiler/memo_montagna.h"
#include "compiler/narrowing.h"
#include "compiler/progressive_ordina.h"
#include "compiler/sign_board_placement.h"
#include "compiler/source_error.h"
#include "model/rounding.h"
#include "textio/field_reader.h"

namespace compila {

namespace {

// A header ends the general section, unless the field is a comment.
bool chiude_sezione(std::string_view campo) {
  size_t primo = campo.find_first_not_of(' ');
  bool commento = primo != std::string_view::npos && campo[primo] == '-';
  return contiene(campo, "[") && contiene(campo, "]") && !commento;
}

inline constexpr const char* generale_in_fondo =
    "the \"[generale]\" line is the last line of the file, and the last line is never read: "
    "the general section (\"lunghezza percorso\" first), the features and the closing line "
    "\"[fine]\" must follow it";

inline constexpr int salti_commento_generale = 10;
inline constexpr int salti_commento_voci = 2;

struct classe_curva {
  const char* cifra;
  double giro_per_metro;
};
inline constexpr classe_curva classi_curva[] = {
    {"1", 0.0001}, {"2", 0.0002}, {"3", 0.0004}, {"4", 0.001}, {"5", 0.002}, {"6", 0.003},
};

// An interrupted line description also keeps the train half from running.
using esito = esito_voce;

class lettura_linea {
 public:
  lettura_linea(compilazione& c, std::string_view contenuto) : c_(c), r_(contenuto) {}

  bool esegui() {
    if (!trova_generale()) return false;
    if (sezione_generale() == esito::interrotta) return false;
    if (!c_.celle_create()) throw errore_lettura(
          "no \"lunghezza percorso\" line before the first feature: give the route length in "
          "the [generale] section");

    progressive_ordina(c_.tabella);
    c_.numero_montagne = 0;
    c_.prossimo_cartello = voce::primo_cartello;
    if (c_.j != 0) inizia_disegno(c_.profilo, disegno_);

    if (caratteristiche() == esito::interrotta) return false;

    completa_pendenze(c_.celle, pendenze_);
    if (c_.j != 0) completa_disegno(c_.profilo, disegno_);
    return true;
  }

  int riga() const { return r_.riga(); }

 private:
  void leggi_chiave() { campo_ = r_.leggi_testo(); }

  bool trova_generale() {
    for (;;) {
      leggi_chiave();
      if (r_.fine()) {
        // The last field is never acted upon, not even a "[generale]".
        if (contiene_ci(campo_, "[generale]"))
          c_.stato.registra(codice_anomalia::senza_generale, origine_anomalia::descrizione_linea,
                            r_.riga(), generale_in_fondo);
        else
          ferma(codice_anomalia::senza_generale);
        return false;
      }
      if (contiene_ci(campo_, "[generale]")) return true;
    }
  }

  esito sezione_generale() {
    for (;;) {
      if (r_.fine()) return esito::fine_file;
      leggi_chiave();
      if (r_.fine()) return esito::fine_file;
      for (int i = 0; i < salti_commento_generale && contiene(campo_, "-"); ++i) leggi_chiave();
      riga_voce_ = r_.riga();
      if (voci_generali() == esito::interrotta) return esito::interrotta;
      if (chiude_sezione(campo_)) return esito::prosegui;
    }
  }

  esito voci_generali() {
    if (contiene_ci(campo_, "percorso") && contiene_ci(campo_, "lunghezza"))
      if (lunghezza_percorso() == esito::interrotta) return esito::interrotta;
    if (contiene(campo_, "tre") && contiene(campo_, "progressiva")) progressiva(voce::progressiva_tre);
    if (contiene(campo_, "due") && contiene(campo_, "progressiva")) progressiva(voce::progressiva_due);
    if (contiene(campo_, "uno") && contiene(campo_, "progressiva")) progressiva(voce::progressiva_uno);
    if (contiene(campo_, "sfondo") && contiene(campo_, "uno")) c_.tabella[voce::linea].valore_1 = r_.leggi_numero();
    if (contiene(campo_, "sfondo") && contiene(campo_, "due")) c_.tabella[voce::linea].valore_3 = r_.leggi_numero();
    if (contiene(campo_, "sfondo") && contiene(campo_, "tre")) c_.tabella[voce::linea].valore_2 = r_.leggi_numero();
    if (contiene(campo_, "segnali") && contiene(campo_, "ripetizione")) return ripetizione_segnali();
    return esito::prosegui;
  }

  // Creates the cells, and the drawing when it is asked for, from the route
  // length: cells 0 to the nearest integer to N / 50, N = length + 7000.
  esito lunghezza_percorso() {
    int32_t lunghezza = r_.leggi_numero();
    c_.tabella[voce::generale_treno].valore_2 = lunghezza;
    if (lunghezza > lunghezza_massima) {
      ferma(codice_anomalia::percorso_troppo_lungo);
      return esito::interrotta;
    }
    if (lunghezza < 0) throw errore_lettura("the route length " + std::to_string(lunghezza) + " is negative");
    c_.celle.assign(static_cast<size_t>(numero_celle_percorso(lunghezza)), cella{});
    const auto n = static_cast<int32_t>(ultimo_metro_percorso(lunghezza));
    c_.profilo = c_.j != 0 ? profilo_linea(n) : profilo_linea();
    return esito::prosegui;
  }

  void progressiva(int indice) {
    voce_scenario& v = c_.tabella[static_cast<size_t>(indice)];
    v.valore_1 = r_.leggi_numero();
    v.valore_2 = r_.leggi_numero();
    v.valore_3 = r_.leggi_numero();
  }

  esito ripetizione_segnali() {
    voce_scenario& v = c_.tabella[voce::treno];
    v.valore_1 = r_.leggi_numero();
    v.valore_2 = r_.leggi_numero();
    const codice_anomalia codice =
        v.valore_1 % lunghezza_cella != 0 ? codice_anomalia::inizio_ripetizione_fuori_griglia
        : v.valore_2 % lunghezza_cella != 0 ? codice_anomalia::fine_ripetizione_fuori_griglia
        : contiene(campo_, "4") || contiene(campo_, "9") ? codice_anomalia::nessuna
                                                         : codice_anomalia::ripetizione_senza_codici;
    if (codice != codice_anomalia::nessuna) {
      ferma(codice);
      return esito::interrotta;
    }
    v.valore_3 = contiene(campo_, "4") ? 4 : 9;
    if (v.valore_2 == 0) v.valore_3 = 0;
    return esito::prosegui;
  }

  esito caratteristiche() {
    for (;;) {
      if (r_.fine()) return esito::fine_file;
      if (!leggi_parola_chiave(r_, salti_commento_voci, &campo_)) return esito::fine_file;
      riga_voce_ = r_.riga();
      esito e = una_caratteristica();
      if (e != esito::prosegui) return e;
    }
  }

  // Every test that holds reads its own values and acts, in this order.
  esito una_caratteristica() {
    esito e = esito::prosegui;
    if (contiene_ci(campo_, "pendenza")) e = leggi_pendenza();
    if (e == esito::prosegui && c_.j != 0 && contiene_ci(campo_, "curva")) e = leggi_curva();
    if (e == esito::prosegui && contiene_ci(campo_, "montagna")) e = leggi_montagna();
    if (e == esito::prosegui && contiene_ci(campo_, "indicatori_v")) e = leggi_indicatori();
    if (e == esito::prosegui && contiene_ci(campo_, "indicat") && contiene_ci(campo_, "cartello"))
      e = leggi_cartello();
    return e;
  }

  esito leggi_pendenza() {
    int32_t p = r_.leggi_numero();
    int32_t g = r_.leggi_numero();
    if (!nel_percorso(p)) return esito::fine_file;
    posa_pendenza(c_.celle, pendenze_, p, g);
    return esito::prosegui;
  }

  esito leggi_curva() {
    int32_t inizio = r_.leggi_numero();
    int32_t lunghezza = r_.leggi_numero();
    if (!nel_percorso(inizio)) return esito::fine_file;
    std::optional<double> k;
    for (const classe_curva& classe : classi_curva) {
      if (contiene(campo_, classe.cifra)) {
        k = classe.giro_per_metro;
        break;
      }
    }
    if (!k) {
      ferma(codice_anomalia::curva_non_disegnabile);
      return esito::interrotta;
    }
    if (contiene_ci(campo_, "s")) k = -*k;
    if (!posa_curva(c_.profilo, disegno_, inizio, lunghezza, *k)) {
      ferma(codice_anomalia::curva_non_disegnabile);
      return esito::interrotta;
    }
    return esito::prosegui;
  }

  esito leggi_montagna() {
    int32_t inizio = r_.leggi_numero();
    int32_t fine = r_.leggi_numero();
    int32_t tipo_tratto = r_.leggi_numero();
    if (!nel_percorso(inizio)) return esito::fine_file;
    memo_montagna(c_, inizio, fine, tipo_tratto);
    return esito::prosegui;
  }

  esito leggi_indicatori() {
    valori_indicatori b;
    for (int32_t* v : {&b.posizione, &b.vas, &b.vbs, &b.vcs, &b.strisces, &b.vad, &b.vbd, &b.vcd,
                       &b.strisced})
      *v = r_.leggi_numero();
    if (!nel_percorso(b.posizione)) return esito::fine_file;
    if (!memo_indicatori_v_max(c_.celle, b)) {
      ferma(codice_anomalia::indicatori_su_cella_occupata, b.posizione);
      return esito::interrotta;
    }
    return esito::prosegui;
  }

  esito leggi_cartello() {
    int32_t p = r_.leggi_numero();
    campo_ = r_.leggi_testo();
    if (!nel_percorso(p)) return esito::fine_file;
    if (!posa_cartello(c_, p, campo_)) {
      ferma(codice_anomalia::cartello_su_cella_occupata, p);
      return esito::interrotta;
    }
    return esito::prosegui;
  }

  // A feature beyond the cells ends the features as if the file had ended.
  bool nel_percorso(int32_t p) {
    if (!oltre_le_celle(p, margine_voce, c_.ultima_cella())) return true;
    c_.stato.registra(codice_anomalia::oltre_le_celle, p, origine_anomalia::descrizione_linea,
                      riga_voce_);
    return false;
  }

  void ferma(codice_anomalia codice) {
    c_.stato.registra(codice, origine_anomalia::descrizione_linea, riga_voce_);
  }

  void ferma(codice_anomalia codice, int32_t posizione) {
    c_.stato.registra(codice, posizione, origine_anomalia::descrizione_linea, riga_voce_);
  }

  compilazione& c_;
  lettore_campi r_;
  std::string campo_;  // the current field
  int riga_voce_ = 0;  // source line of the item being read
  pendenze pendenze_;
  stato_disegno disegno_;
};

}  // namespace

bool leggi_descrizione_linea(compilazione& c, std::string_view testo) {
  lettura_linea lettura(c, testo);
  try {
    return lettura.esegui();
  } catch (const errore_sorgente&) {
    throw;
  } catch (const errore_lettura& e) {
    throw errore_sorgente(e.what(), lettura.riga());
  }
}

}  // namespace compila
