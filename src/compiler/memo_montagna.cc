#include "compiler/memo_montagna.h"

#include <string>

#include "compiler/cell_positions.h"
#include "compiler/narrowing.h"

namespace compila {

namespace {

inline constexpr int32_t distanza_ravvicinata = 150;
inline constexpr int32_t passo_marcatori = 4;  // cells: a marker every 200 m

int32_t registra_tratto(compilazione& c, int32_t inizio, int32_t fine) {
  if (c.numero_montagne >= massimo_montagne)
    throw errore_lettura("more than " + std::to_string(massimo_montagne) + " tunnel stretches (\"montagna\" lines): join or remove some");
  ++c.numero_montagne;
  c.inizi_montagna[c.numero_montagne] = inizio;
  c.fini_montagna[c.numero_montagne] = fine;
  return c.numero_montagne;
}

}  // namespace

void memo_montagna(compilazione& c, int32_t inizio, int32_t fine, int32_t tipo) {
  bool segna_gallerie = false;
  if (tipo > 10) {
    tipo -= 10;
    segna_gallerie = true;
  }

  int32_t numero = registra_tratto(c, inizio, fine);
  if (numero > 1 && int64_t{inizio} - c.fini_montagna[numero - 1] <= distanza_ravvicinata)
    tipo = 3;

  int64_t prima = cella_di_profilo(inizio);
  int64_t ultima = cella_di_profilo(fine) - 1;
  if (prima > ultima) return;

  uint8_t codice = in_byte(tipo, "montagna");
  cella_esistente(c.celle, prima, "A tunnel stretch");
  cella_esistente(c.celle, ultima, "A tunnel stretch");
  for (int64_t i = prima, conta = 1; i <= ultima; ++i, ++conta) {
    cella& cl = c.celle[static_cast<size_t>(i)];
    cl.montagna = codice;
    if (segna_gallerie && conta % passo_marcatori == 0 && cl.tipo_cella == tipo::nessuno)
      cl.tipo_cella = tipo::marcatore_montagna;
  }
}

}  // namespace compila
