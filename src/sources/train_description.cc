#include "sources/train_description.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "sources/field_format.h"

namespace compila {

// The train EC 85 over the Verona - Firenze line. Values stand right-aligned
// in columns; a position always takes eight characters after its comma.

namespace {

const char* const generale_del_treno[] = {
    "[generale]",
    "numero vetture,    13",
    "percentuale massa frenata,    130",
    "sabbia,    200",
    "orologio,    15              12            45 ",
};

constexpr int colonna_posizione = 8;
constexpr int colonna_valore = 6;

// A position and a value in force from it on ("aderenza", "velocita") or
// placed at it ("abbattimento").
struct posizione_valore {
  int32_t posizione;
  int32_t valore;
};

const posizione_valore aderenze_del_treno[] = {
    {0, 100}, {148200, 80}, {149700, 100}, {153250, 85}, {155050, 100},
};

const posizione_valore velocita_limite_del_treno[] = {{0, 30}, {200, 200}};

const posizione_valore abbattimento_del_treno = {111800, 180};

// Values 1 to 16 of a "stazione" line: position, kind, length, seven values
// carried into the scenario table, then the time as hours, minutes, seconds.
constexpr int valori_stazione = 16;
constexpr std::array<int, valori_stazione> colonne_stazione = {8, 3, 5, 3, 2, 2, 3, 1,
                                                               1, 3, 1, 1, 5, 4, 2, 2};

struct stazione_del_treno {
  std::array<int32_t, valori_stazione> valori;
  const char* nome;
};

// One line per station, in the order of their records 1 to 35.
const stazione_del_treno stazioni_del_treno[] = {
    {{0, 8, 700, 1, 1, 0, 4, 1, 0, 2, 1, 1, 1, 5, 50, 0}, "VERONA  P. N."},
    {{6000, 12, 300, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "VERONA  CADIDAVID"},
    {{12000, 12, 300, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "BUTTAPIETRA"},
    {{20000, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "ISOLA DELLA SCALA"},
    {{31000, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "NOGARA"},
    {{36000, 22, 300, 0, 0, 0, 0, 0, 0, 4, 1, 1, 0, 0, 0, 0}, "RONCANOVA"},
    {{45000, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "OSTIGLIA"},
    {{47000, 22, 300, 0, 0, 0, 0, 0, 0, 4, 1, 1, 0, 0, 0, 0}, "REVERE"},
    {{55000, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "POGGIO RUSCO"},
    {{65000, 12, 300, 1, 0, 0, 4, 1, 0, 2, 1, 1, 99, 15, 55, 0}, "MIRANDOLA"},
    {{72000, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "S. FELICE"},
    {{77000, 21, 200, 0, 0, 0, 0, 0, 0, 4, 1, 1, 0, 0, 0, 0}, "CAMPOSANTO"},
    {{80000, 24, 300, 0, 0, 0, 0, 0, 0, 4, 1, 1, 0, 0, 0, 0}, "BOLOGNINA"},
    {{85000, 12, 300, 1, 0, 0, 4, 1, 0, 2, 1, 1, 60, 16, 15, 0}, "CREVALCORE"},
    {{94000, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "S. GIOVANNI"},
    {{103000, 22, 200, 0, 0, 0, 0, 0, 0, 4, 1, 1, 0, 0, 0, 0}, "TAVARNELLE  D 'EMILIA"},
    {{114000, 2, 700, 0, 1, 0, 1, 1, 0, 4, 1, 1, 90, 16, 36, 0}, "BOLOGNA C."},
    {{117550, 25, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "BIVIO  CROCIALI"},
    {{121000, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "BOLOGNA  S. RUFFILLO"},
    {{130850, 12, 300, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "PIANORO"},
    {{140000, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "MONZUNO"},
    {{150000, 12, 300, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "GRIZZANA"},
    {{154550, 12, 500, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "S. BENEDETTO"},
    {{165850, 26, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "PRECEDENZE"},
    {{175350, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "VERNIO"},
    {{185000, 12, 400, 0, 0, 0, 1, 1, 0, 3, 1, 1, 0, 0, 0, 0}, "VAIANO"},
    {{195000, 4, 600, 0, 0, 0, 1, 1, 0, 4, 1, 1, 60, 17, 22, 0}, "PRATO"},
    {{199000, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "CALENZANO"},
    {{201000, 12, 400, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "PRATIGNONE"},
    {{202000, 22, 500, 0, 0, 0, 0, 0, 0, 4, 1, 1, 0, 0, 0, 0}, "IL NESTO"},
    {{204000, 12, 700, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "SESTO  FIORENTINO"},
    {{205000, 24, 600, 0, 0, 0, 0, 0, 0, 4, 1, 1, 0, 0, 0, 0}, "ZAMBRA"},
    {{207000, 2, 700, 0, 0, 0, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0}, "FIRENZE  CASTELLO"},
    {{209000, 2, 700, 0, 0, 0, 1, 1, 0, 5, 1, 1, 0, 0, 0, 0}, "FIRENZE  RIFREDI"},
    {{211000, 6, 600, 0, 0, 0, 1, 1, 0, 2, 1, 1, 0, 17, 38, 0}, "FIRENZE  S M N"},
};

// x, v, l, f_tt, f_ta, d_v.
const std::array<int32_t, 6> rallentamenti_del_treno[] = {
    {97650, 40, 400, 0, 1, 0},
    {197400, 50, 500, 0, 1, 0},
};

// The eleven values of a "segnale" line. Every signal of the train has only
// a left signal: rapp, dx, d1, d2 and d3 are 0.
struct segnale_del_treno {
  int32_t posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo;
};

// Signals that share their other values, with the positions they stand at.
struct gruppo_segnali {
  int32_t sx, s1, s2, s3, tempo;
  std::vector<int32_t> posizioni;
};

const gruppo_segnali gruppi_segnali[] = {
    {2, 4, 0, 0, 0, {3500,   4800,   9500,   10800,  17500,  18800,  28400,
                     34700,  42500,  52500,  69500,  75700,  78700,  91500,
                     101700, 118500, 126000, 135000, 145650, 152500, 169100,
                     172500, 179600, 197800, 199900, 205800, 207800}},
    {2, 4, 1, 0, 0, {29800, 43800, 53800, 70800, 92750, 119600, 129800, 138800, 148800,
                     153800, 159800}},
    {2, 3, 4, 0, 0, {62500, 82500}},
    {2, 2, 3, 0, 0, {63800, 83800}},
    {2, 5, 0, 0, 0, {110900, 183800}},
    {2, 3, 1, 1, 180, {112100}},
    {1, 4, 0, 0, 0, {124800, 133800, 144450, 159600, 168200, 178400}},
    {1, 4, 0, 0, 180, {189050}},
    {2, 4, 0, 0, 180, {189650}},
    {2, 3, 1, 0, 0, {193800}},
    {2, 3, 0, 0, 190, {209850}},
};

std::vector<segnale_del_treno> segnali_in_ordine() {
  std::vector<segnale_del_treno> segnali;
  for (const gruppo_segnali& g : gruppi_segnali)
    for (int32_t posizione : g.posizioni)
      segnali.push_back({posizione, g.sx, g.s1, g.s2, g.s3, 0, 0, 0, 0, 0, g.tempo});
  std::stable_sort(segnali.begin(), segnali.end(),
                   [](const segnale_del_treno& a, const segnale_del_treno& b) {
                     return a.posizione < b.posizione;
                   });
  return segnali;
}

std::string riga_posizione_valore(const char* chiave, const posizione_valore& pv) {
  return chiave + in_colonna(colonna_posizione, pv.posizione) +
         in_colonna(colonna_valore, pv.valore);
}

std::string riga_stazione(const stazione_del_treno& s) {
  std::string riga = "stazione";
  for (int i = 0; i < valori_stazione; ++i) riga += in_colonna(colonne_stazione[i], s.valori[i]);
  return riga + dopo_blank(1, s.nome);
}

std::string riga_rallentamento(const std::array<int32_t, 6>& r) {
  std::string riga = "rallentamento" + in_colonna(colonna_posizione, r[0]);
  for (size_t i = 1; i < r.size(); ++i) riga += in_colonna(colonna_valore, r[i]);
  return riga;
}

// The time value is written after a single blank, outside the columns.
std::string riga_segnale(const segnale_del_treno& s) {
  return "segnale" + in_colonna(colonna_posizione, s.posizione) + in_colonna(4, s.sx) +
         in_colonna(2, s.s1) + in_colonna(2, s.s2) + in_colonna(3, s.s3) +
         in_colonna(2, s.rapp) + in_colonna(5, s.dx) + in_colonna(3, s.d1) +
         in_colonna(1, s.d2) + in_colonna(1, s.d3) + dopo_blank(1, s.tempo);
}

}  // namespace

std::vector<std::string> righe_descrizione_treno() {
  std::vector<std::string> righe(std::begin(generale_del_treno), std::end(generale_del_treno));
  righe.push_back("[aderenze]");
  for (const posizione_valore& a : aderenze_del_treno)
    righe.push_back(riga_posizione_valore("aderenza", a));
  righe.push_back("[vel_limite]");
  for (const posizione_valore& v : velocita_limite_del_treno)
    righe.push_back(riga_posizione_valore("velocita", v));
  righe.push_back("[stazioni]");
  for (const stazione_del_treno& s : stazioni_del_treno) righe.push_back(riga_stazione(s));
  righe.push_back("[rallentamenti]");
  for (const auto& r : rallentamenti_del_treno) righe.push_back(riga_rallentamento(r));
  righe.push_back("[segnali]");
  for (const segnale_del_treno& s : segnali_in_ordine()) righe.push_back(riga_segnale(s));
  righe.push_back("[codici]");
  righe.push_back(riga_posizione_valore("abbattimento", abbattimento_del_treno));
  righe.push_back("[fine]");
  return righe;
}

}  // namespace compila
