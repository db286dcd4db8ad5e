#include "compiler/progressive_ordina.h"

#include <array>
#include <cstdint>

#include "compiler/narrowing.h"

namespace compila {

namespace {

struct sezione {
  int32_t inizio = 0;
  int32_t riferimento = 0;
  int32_t verso = 0;
};

sezione da_voce(const voce_scenario& v) { return {v.valore_1, v.valore_2, v.valore_3}; }

void in_voce(const sezione& s, voce_scenario& v) {
  v.valore_1 = s.inizio;
  v.valore_2 = s.riferimento;
  v.valore_3 = s.verso;
}

using terna = std::array<sezione, 3>;

// The greatest start first, the other two by descending start; a tie between
// those two follows the fixed order of the compiled format.
terna per_inizio(const sezione& t, const sezione& d, const sezione& u) {
  auto discendenti = [](const sezione& prima, const sezione& seconda) {
    return seconda.inizio > prima.inizio ? std::array{seconda, prima} : std::array{prima, seconda};
  };
  if (t.inizio > d.inizio && t.inizio > u.inizio) {
    auto [a, b] = discendenti(u, d);
    return {t, a, b};
  }
  if (d.inizio > t.inizio && d.inizio > u.inizio) {
    auto [a, b] = discendenti(u, t);
    return {d, a, b};
  }
  if (u.inizio > t.inizio && u.inizio > d.inizio) {
    auto [a, b] = discendenti(d, t);
    return {u, a, b};
  }
  return {};
}

// All starts 0: the last section with a reference above 0 decides.
terna per_riferimento(const sezione& t, const sezione& d, const sezione& u) {
  terna r{};
  if (t.riferimento > 0) r = {t, d, u};
  if (d.riferimento > 0) r = {d, t, u};
  if (u.riferimento > 0) r = {u, d, t};
  return r;
}

}  // namespace

void progressive_ordina(tabella_scenario& tabella) {
  sezione t = da_voce(tabella[voce::progressiva_tre]);
  sezione d = da_voce(tabella[voce::progressiva_due]);
  sezione u = da_voce(tabella[voce::progressiva_uno]);

  int64_t somma = int64_t{t.inizio} + d.inizio + u.inizio;
  terna ordinate = somma != 0 ? per_inizio(t, d, u) : per_riferimento(t, d, u);

  for (sezione& s : ordinate)
    if (s.verso == 1) s.riferimento = in_int32(int64_t{s.riferimento} + 100, "kilometre reference");

  in_voce(ordinate[0], tabella[voce::progressiva_tre]);
  in_voce(ordinate[1], tabella[voce::progressiva_due]);
  in_voce(ordinate[2], tabella[voce::progressiva_uno]);
}

}  // namespace compila
