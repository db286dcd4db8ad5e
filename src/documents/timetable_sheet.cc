#include "documents/timetable_sheet.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "documents/text_table.h"

namespace compila {

namespace {

// Vel. Lim., Vel. Marc., Progr Km, No Rs, Localita' di Servizio, Orario, Rec.
const tabella_testo tabella_orario({5, 5, 10, 5, 28, 16, 5});
const std::string blank5(5, ' ');

// One row of the running table, as printed: the times and progressives are
// fixed text, and each time keeps its own place inside the "Orario" cell.
struct riga_marcia {
  int velocita_limite;  // km/h; 0 leaves the cell blank
  int velocita_marcia;  // km/h; 0 leaves the cell blank
  std::string_view progressiva;
  std::string_view localita;
  int rientro_orario;  // blanks before the time
  std::string_view orario;
  bool con_rec = true;  // one row of page 3 was printed without its Rec cell
};

std::string cella_velocita(int kmh) {
  return kmh == 0 ? blank5 : casella_a_destra(std::to_string(kmh), 5, 1);
}

// Pages 1 and 2 end the progressives two places before the bar, page 3 three.
std::string riga(const riga_marcia& r, int margine_progressiva) {
  std::vector<std::string> celle = {
      cella_velocita(r.velocita_limite),
      cella_velocita(r.velocita_marcia),
      casella_a_destra(r.progressiva, 10, margine_progressiva),
      blank5,
      casella(r.localita, 28, 1),
      casella(r.orario, 16, r.rientro_orario),
  };
  if (r.con_rec) celle.push_back(blank5);
  return tabella_orario.riga(celle);
}

const riga_marcia pagina1[] = {
    {0, 0, "114.000", "VERONA Porta Nuova", 10, "15.13"},
    {0, 0, "113.500", "Deviatoio di uscita", 5, "15.14"},
    {90, 70, "112.350", "Km. 112.350", 5, "15.15"},
    {0, 90, "111.400", "Bivio S. Lucia", 5, "15.16"},
    {130, 110, "108.700", "Km. 108.700", 5, "15.18"},
    {0, 0, "108.000", "VERONA Cadidavid", 5, "15.18"},
    {0, 0, "102.000", "BUTTAPIETRA", 5, "15.21"},
    {125, 120, "100.650", "Km. 100.650", 5, "15.23"},
    {0, 0, "94.000", "ISOLA della SCALA", 5, "15.26"},
    {0, 0, "83.000", "NOGARA", 5, "15.29"},
    {0, 0, "78.000", "RONCANOVA", 5, "15.25"},
    {90, 90, "69.800", "Km. 69.800", 5, "15.35"},
    {0, 0, "69.000", "OSTIGLIA", 5, "15.39"},
    {0, 0, "68.500", "Inizio P.te fiume Po", 5, "15.39"},
    {0, 0, "67.500", "Fine P.te fiume Po", 5, "15.40"},
    {0, 0, "67.000", "REVERE", 5, "15.40"},
    {130, 120, "66.900", "Km. 66.900", 5, "15.42"},
    {0, 0, "59.000", "POGGIO RUSCO", 5, "15.47"},
    {0, 0, "49.000", "MIRANDOLA", 10, "15.55"},
    {0, 0, "42.000", "S. FELICE sul Panaro", 5, "16.03"},
    {0, 0, "37.000", "CAMPOSANTO", 5, "16.04"},
    {0, 0, "34.000", "BOLOGNINA", 5, "16.05"},
    {140, 0, "32.400", "Km. 32.400", 5, "16.06"},
    {0, 0, "29.000", "CREVALCORE", 10, "16.15"},
    {140, 140, "21.400", "Km. 21.400", 5, "16.20"},
    {0, 0, "20.000", "S. GIOVANNI in Persiceto", 5, "16.23"},
    {0, 0, "11.000", "TAVARNELLE D'Emilia", 5, "16.26"},
    {90, 50, "2.600", "Km. 2.600", 5, "16.30"},
    {0, 0, "1.800", "Seg. protez. Bologna C.le", 5, "16.31"},
    {0, 0, "0.000", "BOLOGNA C.LE", 1, "16.32"},
};

const riga_marcia pagina2[] = {
    {0, 0, "97.000", "BOLOGNA C.LE", 11, "16.36"},
    {145, 130, "96.500", "Km. 96.500", 6, "16.39"},
    {0, 0, "93.450", "Bivio Crociali", 6, "16.35"},
    {0, 0, "90.000", "BOLOGNA s. Ruffillo", 6, "16.42"},
    {140, 0, "89.200", "Km. 89.200", 6, "16.42"},
    {0, 0, "85.000", "P.B.A. 107-8", 6, "16.45"},
    {0, 0, "80.000", "PIANORO", 6, "16.47"},
    {0, 0, "79.800", "Imbocco gall. M. Adone", 6, "16.46"},
    {175, 0, "78.500", "Km. 78.500", 6, "16.48"},
    {0, 0, "76.000", "P.B.A. 111-2", 6, "16.49"},
    {0, 0, "72.700", "Sbocco gall. M. Adone", 6, "16.50"},
    {140, 0, "72.600", "Km. 72.600", 6, "16.50"},
    {0, 0, "71.000", "MONZUNO", 6, "16.51"},
    {0, 0, "66.550", "P.B.A. 115-6", 6, "16.53"},
    {0, 0, "61.000", "GRIZZANA", 6, "16.56"},
    {175, 0, "60.800", "Km. 60.800", 6, "16.56"},
    {125, 120, "57.000", "Cippo", 6, "16.57"},
    {0, 0, "56.000", "S.BENEDETTO Val di Sambro", 6, "16.58"},
    {175, 130, "55.550", "Km. 55.550", 6, "16.58"},
    {0, 0, "55.450", "Imbocco gall. Appennino", 6, "16.58"},
    {0, 0, "51.200", "P.B.A. 111-2", 6, "17.01"},
    {0, 0, "46.850", "p.c. precedenze", 6, "17.03"},
    {0, 0, "41.900", "P.B.A. 125-6", 6, "17.05"},
    {120, 120, "36.700", "Km. 36.700", 6, "17.07"},
    {0, 0, "36.200", "Sbocco gall. Appennino", 6, "17.07"},
    {0, 110, "36.000", "VERNIO", 6, "17.08"},
    {0, 0, "31.400", "P.B.A. 129-0", 6, "17.11"},
    {0, 0, "26.000", "VAIANO", 6, "17.14"},
    {0, 0, "21.350", "P.B.A. 133-4", 6, "17.16"},
    {0, 0, "16.000", "PRATO", 1, "17.21    17.22"},
};

const riga_marcia pagina3[] = {
    {130, 90, "15.800", "Km. 15.800", 6, "17.25"},
    {0, 0, "12.000", "CALENZANO", 6, "17.26", false},
    {0, 0, "7.000", "SESTO FIORENTINO", 6, "17.28"},
    {0, 0, "4.000", "FIRENZE CASTELLO", 6, "17.30"},
    {0, 0, "2.000", "FIRENZE RIFREDI", 6, "17.33"},
    {90, 50, "1.550", "Km. 1.550", 6, "17.34"},
    {0, 0, "1.200", "Seg. prot. Firenze S M N", 6, "17.35"},
    {0, 0, "0.000", "FIRENZE S.M.N.", 6, "17.38"},
};

// The header box, in the order it is printed.
struct testata {
  std::string_view titolo;
  std::string_view treno;
  std::string_view destinazione;
  std::string_view valori_classe;
};

const std::string_view riga_destinazione =
    " |___________________|                    a: FIRENZE S.M.N.        |     130%     |";
const std::string_view riga_valori_classe = " |        EC         |              |      780T         |";

const testata testata1 = {
    " |                   |                    SCHEDA 1/4               |              |",
    " |   TRENO n. 85     |                   da: VERONA P.N.           |    V200 C    |",
    riga_destinazione, riga_valori_classe};
const testata testata2 = {
    " |                   |                    SCHEDA 2/4               |              |",
    " |   TRENO n.EC 85   |                   da: VERONA P. N.          |    V200 C    |",
    riga_destinazione, riga_valori_classe};
const testata testata3 = {
    " |                   |                    SCHEDA 3/4               |              |",
    " |   TRENO n.EC 85   |                   da: VERONA P.N.           |    V200 C    |",
    riga_destinazione, riga_valori_classe};
// The last page is a blank form for the driver to fill in.
const testata testata4 = {
    " |                   |                    SCHEDA 4/4               |              |",
    " |   TRENO n.xxxxx   |                   da: xxxxxx                |    Vxxx C    |",
    " |___________________|                    a: xxxxxx                |     xxx%     |",
    " |        xxx        |              |      xxxT         |"};

class scheda {
 public:
  std::vector<std::string> righe() && { return std::move(righe_); }

  void aggiungi(std::string_view riga) { righe_.emplace_back(riga); }

  void vuote(int quante) {
    for (int i = 0; i < quante; ++i) aggiungi("");
  }

  void righe_vuote_tabella(int quante) {
    for (int i = 0; i < quante; ++i) aggiungi(tabella_orario.riga_vuota());
  }

  void testata_pagina(const testata& t) {
    aggiungi("  ___________________                                               ______________");
    aggiungi(t.titolo);
    aggiungi(t.treno);
    aggiungi(t.destinazione);
    aggiungi("                                                                   |______________|");
    aggiungi("  ___________________                ___________________");
    aggiungi(" |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ");
    aggiungi(t.valori_classe);
    aggiungi(" |___________________|              |___________________|");
    aggiungi("");
    aggiungi("  " + std::string(80, '_'));
    aggiungi(tabella_orario.riga({" Vel.", " Vel.", " Progr Km ", "  No ",
                            "   Localita' di  Servizio   ", "     Orario     ", " Rec "}));
    aggiungi(tabella_orario.riga({" Lim.", "Marc.", "          ", "  Rs ",
                            "                            ", "                ", "     "}));
    aggiungi(tabella_orario.filetto());
  }

  template <size_t N>
  void righe_marcia(const riga_marcia (&pagina)[N], int margine_progressiva) {
    for (const riga_marcia& r : pagina) aggiungi(riga(r, margine_progressiva));
  }

  // A dotted line across the fold between two pages.
  void piega(int punti) {
    vuote(2);
    aggiungi(std::string(punti, '.'));
  }

 private:
  std::vector<std::string> righe_;
};

}  // namespace

std::vector<std::string> righe_scheda_treno() {
  scheda s;
  s.vuote(2);

  s.testata_pagina(testata1);
  s.righe_vuote_tabella(1);
  s.righe_marcia(pagina1, 2);
  s.aggiungi(tabella_orario.filetto());
  s.piega(81);
  s.vuote(2);

  s.testata_pagina(testata2);
  s.righe_vuote_tabella(1);
  s.righe_marcia(pagina2, 2);
  s.aggiungi(tabella_orario.filetto());
  s.piega(72);
  s.vuote(1);

  s.testata_pagina(testata3);
  s.righe_vuote_tabella(1);
  s.righe_marcia(pagina3, 3);
  s.righe_vuote_tabella(1);
  s.aggiungi(tabella_orario.riga({blank5, blank5, std::string(10, ' '), blank5,
                            casella("Prosegue per Roma Termini", 28, 1), std::string(16, ' '),
                            blank5}));
  s.righe_vuote_tabella(20);
  s.aggiungi(tabella_orario.filetto());
  s.piega(72);
  s.vuote(1);

  s.testata_pagina(testata4);
  s.righe_vuote_tabella(31);
  s.aggiungi(tabella_orario.filetto());
  s.vuote(1);
  return std::move(s).righe();
}

}  // namespace compila
