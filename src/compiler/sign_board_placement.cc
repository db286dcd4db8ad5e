#include "compiler/sign_board_placement.h"

#include "compiler/cell_positions.h"
#include "compiler/narrowing.h"
#include "textio/windows1252.h"

namespace compila {

bool posa_cartello(compilazione& c, int32_t p, std::string_view testo_windows1252) {
  in_testo(testo_windows1252, "the sign board's text");
  cella& cl = cella_esistente(c.celle, cella_di_punto(p), "A sign board");
  if (!cella_libera(cl)) return false;
  if (c.prossimo_cartello < 1 || c.prossimo_cartello > voce::primo_cartello)
    throw errore_lettura("no record left for the sign board at " + std::to_string(p) +
                         " m: sign boards and stations share the records 1 to 80");

  cl.tipo_cella = tipo::cartello;
  cl.dato_1 = in_int16(c.prossimo_cartello, "sign board record");
  c.tabella[static_cast<size_t>(c.prossimo_cartello)].testo = da_windows1252(testo_windows1252);
  --c.prossimo_cartello;
  return true;
}

}  // namespace compila
