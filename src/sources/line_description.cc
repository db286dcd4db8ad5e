#include "sources/line_description.h"

#include <cstdint>

#include "sources/field_format.h"

namespace compila {

// The railway line from Verona to Firenze: 219000 m of route with its
// kilometre marking, curves, gradients, tunnels and boards. Every field
// after the keyword is a comma and a fixed number of blanks per section.

namespace {

const char* const generale_della_linea[] = {
    "[generale]",
    "lunghezza percorso,    219000",
    "progressiva chilometrica uno,    0,    114000,    1",
    "progressiva chilometrica due,    114500,    211500,    1",
    "progressiva chilometrica tre,    0,    0,    0",
    "sfondo uno,    1",
    "sfondo due,    195000",
    "sfondo tre,    117000",
    "ripetizione segnali 4 codici,    3500,    209000",
};

// "curvas" turns left, "curvad" right; the digit is the class.
struct curva {
  const char* chiave;
  int32_t inizio;
  int32_t lunghezza;
};

const curva curve_della_linea[] = {
    {"curvas3", 1600, 800},    {"curvad3", 17200, 300},   {"curvad4", 45200, 300},
    {"curvas3", 46500, 400},   {"curvas4", 65500, 300},   {"curvad2", 71050, 800},
    {"curvas3", 83300, 300},   {"curvas2", 102150, 400},  {"curvas4", 109600, 400},
    {"curvas3", 110700, 300},  {"curvad3", 115200, 400},  {"curvad4", 115950, 500},
    {"curvad3", 123850, 600},  {"curvas3", 124850, 600},  {"curvad4", 127000, 750},
    {"curvas4", 128500, 600},  {"curvad4", 130050, 500},  {"curvad4", 131100, 300},
    {"curvas2", 133450, 300},  {"curvas2", 134200, 300},  {"curvas3", 138750, 300},
    {"curvad3", 141400, 500},  {"curvas3", 143500, 2000}, {"curvad3", 146750, 800},
    {"curvad3", 148450, 300},  {"curvas2", 148900, 2000}, {"curvas1", 151200, 1000},
    {"curvad1", 152350, 500},  {"curvas5", 154250, 400},  {"curvad4", 154650, 700},
    {"curvad2", 156100, 1000}, {"curvad2", 158500, 1000}, {"curvas2", 160550, 1000},
    {"curvas2", 169900, 1000}, {"curvad3", 173050, 400},  {"curvas3", 174300, 400},
    {"curvas2", 175200, 800},  {"curvad3", 176100, 450},  {"curvad2", 178150, 950},
    {"curvas2", 179700, 800},  {"curvad2", 181150, 3000}, {"curvas3", 184150, 550},
    {"curvad3", 185300, 450},  {"curvas3", 185950, 700},  {"curvas3", 187150, 900},
    {"curvad2", 188950, 450},  {"curvad2", 190100, 500},  {"curvas3", 191000, 450},
    {"curvad4", 191450, 600},  {"curvas4", 193700, 1000}, {"curvas1", 196300, 2000},
    {"curvad2", 200150, 1500}, {"curvad2", 203950, 700},
};

// Per mille, in force from the position on.
struct pendenza {
  int32_t posizione;
  int32_t per_mille;
};

const pendenza pendenze_della_linea[] = {
    {0, 0},       {1000, 6},    {1850, -6},   {1900, -5},   {2850, 0},    {115000, 11},
    {120600, 0},  {121500, 11}, {130450, 0},  {131400, 3},  {135900, 2},  {139550, 0},
    {140450, 12}, {149700, 0},  {150350, 8},  {154650, 0},  {155350, 1},  {160350, -3},
    {167350, -6}, {175000, 0},  {175750, -12}, {194450, 0}, {195500, -7}, {197800, 0},
};

// tipo 11: the stretch carries tunnel markers; 1: it does not.
struct montagna {
  int32_t inizio;
  int32_t fine;
  int32_t tipo;
};

const montagna montagne_della_linea[] = {
    {123650, 124450, 11}, {125050, 125650, 11}, {126450, 127350, 11}, {127700, 128000, 1},
    {128350, 130500, 11}, {131200, 138300, 11}, {139050, 139450, 11}, {141150, 141800, 11},
    {142950, 143600, 11}, {145250, 147100, 11}, {147700, 147850, 1},  {148050, 148300, 1},
    {148550, 148850, 1},  {150400, 153450, 11}, {155550, 174800, 11}, {175850, 176050, 1},
    {176550, 177000, 11}, {177350, 180800, 11}, {181600, 181850, 11}, {182150, 182500, 11},
    {183800, 184250, 11}, {185950, 186100, 1},  {186550, 187900, 11}, {188550, 188650, 1},
    {189150, 189300, 1},  {189800, 191500, 11}, {191850, 191950, 1},  {192600, 192900, 1},
    {193050, 193150, 1},  {193500, 193550, 1},
};

// Only the first set of speeds is used; the second set stays empty.
struct indicatore_vmax {
  int32_t posizione;
  int32_t vas;
  int32_t vbs;
  int32_t vcs;
  int32_t strisces;
};

const indicatore_vmax indicatori_della_linea[] = {
    {1650, 75, 80, 90, 0},       {5300, 100, 120, 130, 0},    {13350, 100, 110, 120, 0},
    {44200, 75, 80, 90, 0},      {47100, 110, 125, 130, 0},   {81600, 90, 100, 110, 0},
    {92600, 120, 130, 140, 0},   {110350, 75, 80, 90, 2},     {110800, 75, 80, 90, 1},
    {111400, 75, 80, 90, 0},     {114800, 120, 130, 145, 0},  {120200, 130, 135, 140, 0},
    {132500, 150, 160, 175, 0},  {138400, 120, 130, 140, 0},  {150200, 150, 160, 175, 0},
    {155450, 150, 160, 175, 0},  {173600, 110, 115, 120, 2},  {173950, 110, 115, 120, 1},
    {174300, 110, 115, 120, 0},  {195200, 115, 120, 130, 0},  {209450, 60, 70, 80, 0},
};

const char* const indicazioni_della_linea[] = {
    "cartello_indicatore,  2600,   (BIVIO  S. LUCIA)(Km .111.400    )",
    "cartello_indicatore,  45500,   (Inizio Ponte)(Fiume Po    )",
    "cartello_indicatore,  46500,   (Fine Ponte)(Fiume Po  )",
    "cartello_indicatore,  131100,   (GALLERIA)(M. ADONE)",
    "cartello_indicatore,  150350,   (GALLERIA     )(PIAN DI SETTA)",
    "cartello_indicatore,  155500,   (GRANDE  )(GALLERIA)",
    "cartello_indicatore,  166000,   (PRECEDENZE)",
};

std::string riga_curva(const curva& c) {
  return c.chiave + dopo_blank(2, c.inizio) + dopo_blank(2, c.lunghezza);
}

std::string riga_pendenza(const pendenza& p) {
  return "pendenza" + dopo_blank(2, p.posizione) + dopo_blank(3, p.per_mille);
}

std::string riga_montagna(const montagna& m) {
  return "montagna" + dopo_blank(3, m.inizio) + dopo_blank(2, m.fine) + dopo_blank(2, m.tipo);
}

std::string riga_indicatore_vmax(const indicatore_vmax& i) {
  const int32_t strisced = 0;
  return "indicatori_vmax" + dopo_blank(2, i.posizione) + dopo_blank(2, i.vas) +
         dopo_blank(2, i.vbs) + dopo_blank(2, i.vcs) + dopo_blank(2, i.strisces) +
         dopo_blank(2, "") + dopo_blank(2, "") + dopo_blank(2, "") + dopo_blank(2, strisced);
}

}  // namespace

std::vector<std::string> righe_descrizione_linea() {
  std::vector<std::string> righe(std::begin(generale_della_linea), std::end(generale_della_linea));
  righe.push_back("[curve]");
  for (const curva& c : curve_della_linea) righe.push_back(riga_curva(c));
  righe.push_back("[pendenze]");
  for (const pendenza& p : pendenze_della_linea) righe.push_back(riga_pendenza(p));
  righe.push_back("[montagne]");
  for (const montagna& m : montagne_della_linea) righe.push_back(riga_montagna(m));
  righe.push_back("[cartelli]");
  for (const indicatore_vmax& i : indicatori_della_linea) righe.push_back(riga_indicatore_vmax(i));
  righe.push_back("[indicazioni]");
  righe.insert(righe.end(), std::begin(indicazioni_della_linea), std::end(indicazioni_della_linea));
  righe.push_back("[fine]");
  return righe;
}

}  // namespace compila
