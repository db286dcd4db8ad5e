#include "model/voce_scenario.h"

namespace compila {

void pulisci_tabella(tabella_scenario& tabella) {
  for (voce_scenario& v : tabella) v = voce_scenario{};
}

}  // namespace compila
