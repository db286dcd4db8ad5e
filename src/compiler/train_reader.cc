#include "compiler/train_reader.h"

#include <string>
#include <string_view>

#include "compiler/cell_positions.h"
#include "compiler/keywords.h"
#include "compiler/memo_rallentamento.h"
#include "compiler/memo_segnale.h"
#include "compiler/narrowing.h"
#include "compiler/source_error.h"
#include "model/rounding.h"
#include "textio/field_reader.h"
#include "textio/windows1252.h"

namespace compila {

namespace {

// Stations closer than this to the one before them are refused.
constexpr int64_t distanza_minima_stazioni = 350;
// Kinds from this one on are not stopped at and mark no cell.
constexpr uint8_t primo_tipo_senza_fermata = 25;

constexpr int salti_commento = 2;

// A station's extent: kinds 5 and 6 end 150 m past their position, kinds 7
// and 8 reach one length past it, the others are centred on it and
// lengthened by 50 m when byte_3 asks. Short stations and the first one keep
// no byte_4; the first keeps no byte_3 either (after its extent, which byte_3
// may already have lengthened).
void estendi_stazione(voce_scenario& R, int32_t posizione, int64_t lunghezza, bool prima) {
  if (R.tipo == 5 || R.tipo == 6) {
    R.valore_1 = in_int32(posizione - lunghezza, "start of a station");
    R.valore_2 = in_int32(posizione + int64_t{150}, "end of a station");
    R.byte_3 = 0;
  } else if (R.tipo == 7 || R.tipo == 8) {
    R.valore_1 = in_int32(posizione - lunghezza, "start of a station");
    R.valore_2 = in_int32(posizione + lunghezza, "end of a station");
    R.byte_3 = 0;
  } else {
    R.valore_1 = in_int32(dividi_arrotondando(2 * int64_t{posizione} - lunghezza, 2),
                          "start of a station");
    R.valore_2 = in_int32(dividi_arrotondando(2 * int64_t{posizione} + lunghezza, 2) +
                              (R.byte_3 != 0 ? 50 : 0),
                          "end of a station");
  }
  if (lunghezza < 600) R.byte_4 = 0;
  if (prima) {
    R.byte_3 = 0;
    R.byte_4 = 0;
  }
}

class lettore_treno {
 public:
  lettore_treno(compilazione& c, std::string_view contenuto)
      : c_(c), campi_(contenuto), ultima_cella_(c.ultima_cella()) {}

  void leggi() {
    salta_fino_a_generale();
    if (leggi_righe() == esito_voce::interrotta) return;
    completa_profilo(cursore_velocita_, [&](cella& k) { k.limite = limite(velocita_precedente_); });
    completa_profilo(cursore_aderenza_, [&](cella& k) { k.aderenza = aderenza(aderenza_precedente_); });
    controlla_progressive();
  }

  int riga() const { return campi_.riga(); }

 private:
  // Skips everything up to the first field that contains "[generale]"; a
  // file without one is read to its end without effect.
  void salta_fino_a_generale() {
    std::string campo;
    do campo = minuscolo(campi_.leggi_testo());
    while (!contiene(campo, "[generale]") && !campi_.fine());
  }

  esito_voce leggi_righe() {
    while (!campi_.fine()) {
      std::string chiave;
      if (!leggi_chiave(&chiave)) return esito_voce::fine_file;
      esito_voce e = esegui(chiave);
      if (e != esito_voce::prosegui) return e;
    }
    return esito_voce::fine_file;
  }

  // The keyword, lowered: every test here ignores case.
  bool leggi_chiave(std::string* chiave) {
    const bool voce = leggi_parola_chiave(campi_, salti_commento, chiave);
    *chiave = minuscolo(*chiave);
    return voce;
  }

  // The tests are independent: every one whose word the keyword contains is
  // carried out, in this order.
  esito_voce esegui(const std::string& chiave) {
    esito_voce e = esito_voce::prosegui;
    auto passo = [&](bool vale, auto&& azione) {
      if (e == esito_voce::prosegui && vale) e = azione();
    };
    passo(contiene(chiave, "massa") && contiene(chiave, "frenata"), [&] {
      c_.tabella[voce::generale_treno].valore_1 = campi_.leggi_numero();
      return esito_voce::prosegui;
    });
    passo(contiene(chiave, "vetture"), [&] {
      c_.tabella[voce::generale_treno].valore_3 = campi_.leggi_numero();
      return esito_voce::prosegui;
    });
    passo(contiene(chiave, "velocit"), [&] { return passo_velocita(); });
    passo(contiene(chiave, "aderenza"), [&] { return passo_aderenza(); });
    passo(contiene(chiave, "orologio"), [&] {
      voce_scenario& t = c_.tabella[voce::treno];
      t.intero_3 = in_int16(campi_.leggi_numero(), "orologio hours");
      t.intero_4 = in_int16(campi_.leggi_numero(), "orologio minutes");
      t.intero_5 = in_int16(campi_.leggi_numero(), "orologio seconds");
      return esito_voce::prosegui;
    });
    passo(contiene(chiave, "sabbia"), [&] {
      c_.tabella[voce::treno].intero_1 = in_int16(campi_.leggi_numero(), "sabbia");
      return esito_voce::prosegui;
    });
    passo(contiene(chiave, "segnale"), [&] { return passo_segnale(); });
    passo(contiene(chiave, "rallentamento"), [&] { return passo_rallentamento(); });
    passo(contiene(chiave, "abbattimento"), [&] { return passo_abbattimento(); });
    passo(contiene(chiave, "stazione"), [&] { return passo_stazione(); });
    return e;
  }

  bool fuori_dalle_celle(int64_t posizione, int64_t margine = margine_voce) const {
    return oltre_le_celle(posizione, margine, ultima_cella_);
  }

  esito_voce fuori_celle(int32_t posizione) {
    c_.stato.registra(codice_anomalia::oltre_le_celle, posizione,
                      origine_anomalia::descrizione_treno, riga());
    return esito_voce::fine_file;
  }

  esito_voce interrompi(codice_anomalia codice, int32_t posizione) {
    c_.stato.registra(codice, posizione, origine_anomalia::descrizione_treno, riga());
    return esito_voce::interrotta;
  }

  esito_voce interrompi(codice_anomalia codice) {
    c_.stato.registra(codice, origine_anomalia::descrizione_treno, riga());
    return esito_voce::interrotta;
  }

  // A placement has just run: a fault it met, or one recorded before (the
  // line half's 15 lets reading go on), stops reading at this line.
  esito_voce dopo_posa(codice_anomalia codice, int32_t posizione) {
    if (codice != codice_anomalia::nessuna)
      c_.stato.registra(codice, posizione, origine_anomalia::descrizione_treno, riga());
    if (c_.stato.codice_errore <= 0) return esito_voce::prosegui;
    c_.stato.posizione_errore = posizione;
    return esito_voce::interrotta;
  }

  static uint8_t limite(int32_t velocita) {
    return in_byte(dividi_arrotondando(velocita, 5), "a speed limit in steps of 5 km/h");
  }
  static uint8_t aderenza(int32_t percentuale) { return in_byte(percentuale, "aderenza"); }

  // Fills the profile from the cursor on: at least one cell when w > 0, then
  // up to the cell before w. The speed limit never writes the last cell.
  esito_voce passo_velocita() {
    const int32_t p = campi_.leggi_numero();
    const int32_t velocita = campi_.leggi_numero();
    if (fuori_dalle_celle(p)) return fuori_celle(p);
    const int64_t w = cella_di_profilo(p);
    if (w > 0) {
      do {
        if (cursore_velocita_ >= ultima_cella_) break;
        c_.celle[cursore_velocita_].limite = limite(velocita_precedente_);
        ++cursore_velocita_;
      } while (cursore_velocita_ < w);
    }
    velocita_precedente_ = velocita;
    return esito_voce::prosegui;
  }

  esito_voce passo_aderenza() {
    const int32_t p = campi_.leggi_numero();
    const int32_t percentuale = campi_.leggi_numero();
    if (fuori_dalle_celle(p)) return fuori_celle(p);
    const int64_t w = cella_di_profilo(p);
    if (w > 0) {
      do {
        // Lines repeated at one position each push the cursor one cell on.
        if (cursore_aderenza_ > ultima_cella_) break;
        c_.celle[cursore_aderenza_].aderenza = aderenza(aderenza_precedente_);
        ++cursore_aderenza_;
      } while (cursore_aderenza_ < w);
    }
    aderenza_precedente_ = percentuale;
    return esito_voce::prosegui;
  }

  // After the last line: from the cursor up to cell U - 3, at least one cell.
  template <typename Scrivi>
  void completa_profilo(int32_t& cursore, Scrivi scrivi) {
    do {
      if (cursore >= 0 && cursore <= ultima_cella_) scrivi(c_.celle[cursore]);
      ++cursore;
    } while (cursore < ultima_cella_ - 2);
  }

  esito_voce passo_segnale() {
    valori_segnale s;
    for (int32_t* valore : {&s.posizione, &s.sx, &s.s1, &s.s2, &s.s3, &s.rapp, &s.dx, &s.d1,
                            &s.d2, &s.d3, &s.tempo})
      *valore = campi_.leggi_numero();
    if (fuori_dalle_celle(s.posizione)) return fuori_celle(s.posizione);
    const codice_anomalia codice = memo_segnale(c_.celle, s);
    if (codice == codice_anomalia::nessuna) ricorda_riga(cella_di_punto(s.posizione));
    return dopo_posa(codice, s.posizione);
  }

  esito_voce passo_rallentamento() {
    valori_rallentamento r;
    for (int32_t* valore : {&r.x, &r.v, &r.l, &r.f_tt, &r.f_ta, &r.d_v})
      *valore = campi_.leggi_numero();
    if (fuori_dalle_celle(r.x)) return fuori_celle(r.x);
    const codice_anomalia codice = memo_rallentamento(c_.celle, r);
    if (codice == codice_anomalia::nessuna ||
        codice == codice_anomalia::approccio_su_cella_occupata) {
      ricorda_riga(cella_di_punto(r.x));
      ricorda_riga(cella_di_punto(int64_t{r.x} + r.l));
    }
    return dopo_posa(codice, r.x);
  }

  void ricorda_riga(int64_t cella_segnata) {
    c_.righe_treno[static_cast<int32_t>(cella_segnata)] = riga();
  }

  // A code change goes into the cell that starts at its position.
  esito_voce passo_abbattimento() {
    const int32_t p = campi_.leggi_numero();
    const int32_t valore = campi_.leggi_numero();
    if (fuori_dalle_celle(p)) return fuori_celle(p);
    cella& ck = cella_esistente(c_.celle, cella_di_profilo(p), "a code change");
    if (!cella_libera(ck)) return interrompi(codice_anomalia::abbattimento_su_cella_occupata, p);
    if (valore > 0) {
      ck.tipo_cella = tipo::cambio_codice;
      ck.dato_1 = in_int16(valore, "value of a code change");
    } else {
      ck.tipo_cella = tipo::cambio_codice_senza_valore;
    }
    return esito_voce::prosegui;
  }

  esito_voce passo_stazione();
  esito_voce leggi_testa_stazione(voce_scenario& R, int32_t* posizione, int64_t* lunghezza);
  void leggi_valori_stazione(voce_scenario& R);
  void segna_fermata(int64_t fine_stazione, uint8_t tipo_stazione);

  // Every start and reference of the three chainage sections lies on the
  // 50 m grid.
  void controlla_progressive() {
    for (int i : {voce::progressiva_tre, voce::progressiva_due, voce::progressiva_uno}) {
      const voce_scenario& v = c_.tabella[i];
      if (v.valore_1 % lunghezza_cella != 0 || v.valore_2 % lunghezza_cella != 0) {
        c_.stato.registra(codice_anomalia::progressiva_fuori_griglia,
                          origine_anomalia::descrizione_treno);
        return;
      }
    }
  }

  compilazione& c_;
  lettore_campi campi_;
  const int32_t ultima_cella_;

  int32_t cursore_velocita_ = 0;
  int32_t velocita_precedente_ = 0;
  int32_t cursore_aderenza_ = 0;
  int32_t aderenza_precedente_ = 0;
  int32_t stazione_ = 1;  // record the next "stazione" line fills
};

// A station line fills record r as its values are read, as the simulator's
// table expects: a fault leaves in the record what was read up to it, and the
// table file carries that. So each step below writes into the record before
// the next check.
esito_voce lettore_treno::passo_stazione() {
  const int r = stazione_;
  // A station must not take a sign board's record (boards hold the records
  // above prossimo_cartello); only possible here when the line held 80.
  if (r > c_.prossimo_cartello) return interrompi(codice_anomalia::stazioni_oltre_i_cartelli);
  voce_scenario& R = c_.tabella[r];

  int32_t posizione = 0;
  int64_t lunghezza = 0;
  const esito_voce e = leggi_testa_stazione(R, &posizione, &lunghezza);
  if (e != esito_voce::prosegui) return e;
  leggi_valori_stazione(R);
  estendi_stazione(R, posizione, lunghezza, r == 1);

  if (R.tipo < primo_tipo_senza_fermata) {
    const int64_t fine = R.valore_2;
    if (fine <= 2 * int64_t{lunghezza_cella})
      return interrompi(codice_anomalia::stazione_troppo_corta);
    segna_fermata(fine, R.tipo);
  }
  if (r > 1 && int64_t{R.valore_1} - distanza_minima_stazioni < c_.tabella[r - 1].valore_2)
    return interrompi(codice_anomalia::stazioni_troppo_vicine, posizione);

  stazione_ = r + 1;
  if (stazione_ >= c_.prossimo_cartello)
    return interrompi(codice_anomalia::stazioni_oltre_i_cartelli);
  return esito_voce::prosegui;
}

// Position, kind and length, each checked as soon as it is read.
esito_voce lettore_treno::leggi_testa_stazione(voce_scenario& R, int32_t* posizione,
                                               int64_t* lunghezza) {
  *posizione = campi_.leggi_numero();
  R.valore_3 = *posizione;
  if (fuori_dalle_celle(*posizione, margine_stazione)) return fuori_celle(*posizione);
  if (*posizione % lunghezza_cella != 0)
    return interrompi(codice_anomalia::stazione_fuori_griglia, *posizione);
  R.tipo = in_byte(campi_.leggi_numero(), "kind of a station");
  *lunghezza = campi_.leggi_numero();
  if (*lunghezza % 100 != 0)
    return interrompi(codice_anomalia::lunghezza_stazione_fuori_griglia, *posizione);
  return esito_voce::prosegui;
}

// Values 4 to 13 as they are stored, the time of day and the name.
void lettore_treno::leggi_valori_stazione(voce_scenario& R) {
  R.marca = in_byte(campi_.leggi_numero(), "value 4 of a station line");
  R.byte_4 = in_byte(campi_.leggi_numero(), "value 5 of a station line");
  R.byte_3 = in_byte(campi_.leggi_numero(), "value 6 of a station line");
  R.intero_1 = in_int16(campi_.leggi_numero(), "value 7 of a station line");
  R.intero_2 = in_int16(campi_.leggi_numero(), "value 8 of a station line");
  R.byte_1 = in_byte(campi_.leggi_numero(), "value 9 of a station line");
  R.intero_3 = in_int16(campi_.leggi_numero(), "value 10 of a station line");
  R.intero_4 = in_int16(campi_.leggi_numero(), "value 11 of a station line");
  R.intero_5 = in_int16(campi_.leggi_numero(), "value 12 of a station line");
  R.byte_2 = in_byte(campi_.leggi_numero(), "value 13 of a station line");
  const int64_t ore = campi_.leggi_numero();
  const int64_t minuti = campi_.leggi_numero();
  const int64_t secondi = campi_.leggi_numero();
  R.valore_4 = in_int32((ore * 60 + minuti) * 60 + secondi, "time of a station");
  R.testo = da_windows1252(in_testo(campi_.leggi_testo(), "the station's name"));
}

// The stop cell is the one before the cell that starts at the station's end
// e; it becomes a stop whatever it held, keeping its other values. The four
// cells before it get the approach marks 81 (nearest) to 84, except for kinds
// 5 and 6. Called only with e > 100, so every cell written is cell 1 or above.
void lettore_treno::segna_fermata(int64_t e, uint8_t tipo_stazione) {
  const int64_t fermata = cella_di_profilo(e - lunghezza_cella);
  if (fermata > ultima_cella_)
    throw errore_lettura("the stop of the station ending at " + std::to_string(e) +
                         " m lies past the last track cell: move the station or lengthen the "
                         "route");
  if (tipo_stazione != 5 && tipo_stazione != 6) {
    for (int k = 1; k <= 4; ++k) {
      if (e > int64_t{lunghezza_cella} * (k + 2))
        c_.celle[cella_di_profilo(e - int64_t{lunghezza_cella} * (k + 1))].avvicinamento =
            static_cast<uint8_t>(80 + k);
    }
  }
  c_.celle[fermata].tipo_cella = tipo::fermata;
  c_.celle[fermata].dato_1 = static_cast<int16_t>(stazione_);
}

}  // namespace

void leggi_descrizione_treno(compilazione& c, std::string_view testo) {
  lettore_treno lettore(c, testo);
  try {
    lettore.leggi();
  } catch (const errore_sorgente&) {
    throw;
  } catch (const errore_lettura& e) {
    // Only to say where: the failure still ends the reading.
    throw errore_sorgente(e.what(), lettore.riga());
  }
}

}  // namespace compila
