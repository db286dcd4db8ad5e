#include "documents/slowdown_order.h"

#include <string_view>

#include "documents/text_table.h"

namespace {

// N., between the stations, start after post (km), speed, length (m),
// special prescriptions.
const tabella_testo kTabella({3, 28, 12, 10, 9, 12});

// Rows left blank for the slowdowns the driver is told of on the way.
constexpr int kRigheVuote = 23;

struct rallentamento {
  std::string_view numero;
  std::string_view tra_le_stazioni;
  std::string_view inizio_km;
  std::string_view velocita;
  std::string_view lunghezza_m;
};

// The two slowdowns as the order states them, in kilometre posts of the line.
const rallentamento kRallentamenti[] = {
    {"1", "S.GIOVANNI - TAVARNELLE", "97.000", "40", "400"},
    {"2", "PRATO - CALENZANO", "10.000", "50", "500"},
};

std::string riga(const rallentamento& r) {
  return kTabella.riga({cella(r.numero, 3, 1), cella(r.tra_le_stazioni, 28, 1),
                        cella(r.inizio_km, 12, 1), cella(r.velocita, 10, 3),
                        cella(r.lunghezza_m, 9, 2), std::string(12, ' ')});
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
      kTabella.riga({"   ", std::string(28, ' '), "Inizio dopo ", std::string(10, ' '),
                     std::string(9, ' '), std::string(12, ' ')}),
      kTabella.riga({" N.", "      FRA LE STAZIONI       ", " il cippo   ", " Velocita'",
                     "Lunghezza", "Prescrizioni"}),
      kTabella.riga({"   ", "   (o nelle Stazioni di)    ", "chilometrico", std::string(10, ' '),
                     "   metri ", " specifiche "}),
      kTabella.filetto(),
      kTabella.riga_vuota(),
  };
  for (const rallentamento& r : kRallentamenti) righe.push_back(riga(r));
  righe.insert(righe.end(), kRigheVuote, kTabella.riga_vuota());
  righe.push_back(kTabella.filetto());

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
