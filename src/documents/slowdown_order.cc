#include "documents/slowdown_order.h"

#include <string_view>

#include "documents/text_table.h"

namespace compila {

namespace {

// N., between the stations, start after post (km), speed, length (m),
// special prescriptions.
const tabella_testo tabella_ordine({3, 28, 12, 10, 9, 12});

// Rows left blank for the slowdowns the driver is told of on the way.
constexpr int righe_vuote = 23;

struct rallentamento_ordinato {
  std::string_view numero;
  std::string_view tra_le_stazioni;
  std::string_view inizio_km;
  std::string_view velocita;
  std::string_view lunghezza_m;
};

// The two slowdowns as the order states them, in kilometre posts of the line.
const rallentamento_ordinato rallentamenti_ordinati[] = {
    {"1", "S.GIOVANNI - TAVARNELLE", "97.000", "40", "400"},
    {"2", "PRATO - CALENZANO", "10.000", "50", "500"},
};

std::string riga(const rallentamento_ordinato& r) {
  return tabella_ordine.riga({casella(r.numero, 3, 1), casella(r.tra_le_stazioni, 28, 1),
                        casella(r.inizio_km, 12, 1), casella(r.velocita, 10, 3),
                        casella(r.lunghezza_m, 9, 2), std::string(12, ' ')});
}

}  // namespace

std::vector<std::string> righe_rallentamenti() {
  std::vector<std::string> righe = {
      "",
      "                               Modulo M. 3",
      "                           ORDINE DI RALLENTAMENTO",
      " " + std::string(80, '_'),
      "  Linea  VERONA P.N   FIRENZE S.M.N.",
      "",
      "  Si ordina al macchinista del treno EC 85 di effettuare i seguenti rallentamenti",
      "  " + std::string(79, '_'),
      tabella_ordine.riga({"   ", std::string(28, ' '), "Inizio dopo ", std::string(10, ' '),
                     std::string(9, ' '), std::string(12, ' ')}),
      tabella_ordine.riga({" N.", "      FRA LE STAZIONI       ", " il cippo   ", " Velocita'",
                     "Lunghezza", "Prescrizioni"}),
      tabella_ordine.riga({"   ", "   (o nelle Stazioni di)    ", "chilometrico", std::string(10, ' '),
                     "   metri ", " specifiche "}),
      tabella_ordine.filetto(),
      tabella_ordine.riga_vuota(),
  };
  for (const rallentamento_ordinato& r : rallentamenti_ordinati) righe.push_back(riga(r));
  righe.insert(righe.end(), righe_vuote, tabella_ordine.riga_vuota());
  righe.push_back(tabella_ordine.filetto());

  righe.insert(righe.end(), {
      "",
      "              Prescrizioni specifiche",
      " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
      " B - Interessa anche la stazione di.......",
      " D - Rallentamneto N. ... e N. ...  sono contigui",
      " C - Da rispettare dalle ore ....  alle ore ..... di tutti",
      "     i giorni esclusi i seguenti:.........",
  });
  return righe;
}

}  // namespace compila
