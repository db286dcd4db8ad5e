#include "compiler/signal_completion.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace compila {

namespace {

constexpr int16_t valore_codice = 180;
constexpr int32_t portata_avviso = 20;       // cells examined before a warning board
constexpr int32_t primo_segnale_avviso = 3;  // lowest signal cell examined there
constexpr int32_t soglia_lento = 110;        // km/h: slower slowdowns get inner cells
constexpr int32_t passo_lento = 8;           // spacing of the inner cells
constexpr int32_t portata_fine = 12;         // cells searched after a slowdown's end

// The look-back groups before a slowdown start: a group runs only when the
// start cell lies past its farthest candidate.
struct gruppo_indietro {
  int32_t distanze[3];
};
constexpr std::array<gruppo_indietro, 3> gruppi_indietro = {
    {{{5, 6, 7}}, {{11, 12, 13}}, {{18, 19, 20}}}};

// The pass over one cell array. Cell indices stay below 20141 (a route is at
// most 1000000 m, plus 7000 m, in 50 m cells), so index * 50 always fits the
// 32-bit position.
class completamento {
 public:
  explicit completamento(compilazione& c) : c_(c), celle_(c.celle), ultima_(c.ultima_cella()) {}

  void esegui() {
    const int32_t ultima_visitata = ultima_ - 2;
    for (int32_t i = 1; i <= ultima_visitata; ++i) {
      if (tipo_di(i) == tipo::avviso_rallentamento) codici_per_segnali_prima_avviso(i);
      if (tipo_di(i) == tipo::inizio_rallentamento) codici_intorno_rallentamento(i);
    }
  }

 private:
  uint8_t tipo_di(int32_t k) const { return celle_[static_cast<size_t>(k)].tipo_cella; }
  bool libera(int32_t k) const { return cella_libera(celle_[static_cast<size_t>(k)]); }
  bool dentro(int32_t k) const { return k >= 0 && k <= ultima_; }

  void metti_cambio_codice(int32_t k) {
    cella& x = celle_[static_cast<size_t>(k)];
    x.tipo_cella = tipo::cambio_codice;
    x.dato_1 = valore_codice;
  }

  // An existing code change keeps its value when it is already 180 or less.
  void limita_cambio_codice(int32_t k) {
    cella& x = celle_[static_cast<size_t>(k)];
    x.dato_1 = std::min(valore_codice, x.dato_1);
  }

  // The anomaly's position is cella_anomala's; its source line is that of the
  // train's signal or slowdown on cella_voce, when one is known.
  void registra_anomalia(codice_anomalia codice, int32_t cella_anomala, int32_t cella_voce) {
    auto riga = c_.righe_treno.find(cella_voce);
    c_.stato.registra(codice, cella_anomala * lunghezza_cella, origine_anomalia::celle,
                      riga == c_.righe_treno.end() ? 0 : riga->second);
  }

  // Before a warning board: a code change for every signal among the 20 cells
  // before it, nearest first.
  void codici_per_segnali_prima_avviso(int32_t i) {
    for (int32_t k = 1; k <= portata_avviso; ++k) {
      const int32_t s = i - k;
      if (s < primo_segnale_avviso) return;
      if (tipo_di(s) != tipo::segnale) continue;
      const int32_t a = s - 1;
      const int32_t b = s - 2;
      if (libera(a)) {
        metti_cambio_codice(a);
      } else if (libera(b)) {
        metti_cambio_codice(b);
      } else if (tipo_di(a) == tipo::cambio_codice) {
        limita_cambio_codice(a);
      } else if (tipo_di(b) == tipo::cambio_codice) {
        limita_cambio_codice(b);
      } else {
        registra_anomalia(codice_anomalia::segnale_prima_avviso_bloccato, s, s);
      }
    }
  }

  // Around a slowdown start: the groups before it, then the cells inside a
  // slow slowdown, then the first signal after its end, in this order.
  void codici_intorno_rallentamento(int32_t i) {
    codici_prima_inizio(i);
    const int32_t fine = lento(i) ? codici_dentro_rallentamento(i) : prima_fine_dopo(i);
    if (fine > 0) codice_prima_segnale_dopo_fine(fine);
  }

  bool lento(int32_t i) const {
    return celle_[static_cast<size_t>(i)].dato_1 < soglia_lento;
  }

  // A code change in each look-back group before the start.
  void codici_prima_inizio(int32_t i) {
    for (const gruppo_indietro& g : gruppi_indietro) {
      if (i <= g.distanze[2]) continue;
      bool messo = false;
      for (int32_t d : g.distanze) {
        if (libera(i - d)) {
          metti_cambio_codice(i - d);
          messo = true;
          break;
        }
      }
      if (!messo) registra_anomalia(codice_anomalia::gruppo_prima_inizio_bloccato, i, i);
    }
  }

  // Inside a slow slowdown: walks to its end cell placing a code change every 8 cells.
  // Returns the end cell, or 0 when the walk reaches the last cell without
  // meeting one.
  int32_t codici_dentro_rallentamento(int32_t i) {
    int32_t c = 0;
    int32_t k = i;
    while (k < ultima_) {
      ++k;
      ++c;
      if (c == passo_lento) {
        if (libera(k)) {
          metti_cambio_codice(k);
          c = 0;
        } else if (libera(k - 1)) {
          metti_cambio_codice(k - 1);
          c = 1;
        } else if (dentro(k + 1) && libera(k + 1)) {
          metti_cambio_codice(k + 1);
          c = -1;
        } else {
          // c passes 8: no further cell
          registra_anomalia(codice_anomalia::cambio_codice_rallentamento_bloccato, k, i);
        }
      }
      if (tipo_di(k) == tipo::fine_rallentamento) return k;
    }
    return 0;
  }

  // Past a fast slowdown, the search after the end starts from the first end
  // cell after the start;
  // 0 when there is none up to the last cell.
  int32_t prima_fine_dopo(int32_t i) const {
    for (int32_t k = i + 1; k <= ultima_; ++k)
      if (tipo_di(k) == tipo::fine_rallentamento) return k;
    return 0;
  }

  // After the end: a code change just before the first signal within 12 cells.
  void codice_prima_segnale_dopo_fine(int32_t s) {
    const int32_t ultima_cercata = std::min(s + portata_fine, ultima_);
    int32_t p = 0;
    for (int32_t m = s; m <= ultima_cercata; ++m) {
      if (tipo_di(m) == tipo::segnale) {
        p = m - 1;
        break;
      }
    }
    if (p <= 0) return;
    if (libera(p)) {
      metti_cambio_codice(p);
    } else if (libera(p - 1)) {
      metti_cambio_codice(p - 1);
    } else {
      registra_anomalia(codice_anomalia::cambio_codice_rallentamento_bloccato, s, s);
    }
  }

  compilazione& c_;
  array_celle& celle_;
  const int32_t ultima_;
};

}  // namespace

void completa_segnali(compilazione& c) {
  if (!c.celle_create()) return;
  completamento(c).esegui();
}

}  // namespace compila
