#include "model/voce_scenario.h"

void pulisci_tabella(tabella_scenario& tabella) {
  for (voce_scenario& v : tabella) v = voce_scenario{};
}
