#include "compiler/memorizza_percorso.h"

#include <utility>

#include "compiler/memorizza_dati.h"
#include "compiler/scenario_codes.h"
#include "compiler/signal_completion.h"

namespace compila {

esito_compilazione memorizza_percorso(compilazione& c, int32_t j, const testi_sorgenti& s) {
  // Nothing of an earlier compile into the same object survives but the
  // names: its cells, drawing, tunnels or sign-board records would mix with
  // the new ones.
  compilazione nuova;
  nuova.nome_linea = std::move(c.nome_linea);
  nuova.nome_treno = std::move(c.nome_treno);
  c = std::move(nuova);
  c.j = j;
  c.stato.codice_errore = 0;
  pulisci_tabella(c.tabella);

  esito_compilazione esito;
  esito.lettura = memorizza_dati(c, s);
  esito.celle_create = c.celle_create();
  if (!esito.celle_create) return esito;
  completa_segnali(c);
  esito.errore_fatale = timbra_scenario(c);
  return esito;
}

}  // namespace compila
