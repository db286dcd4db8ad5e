#include <gtest/gtest.h>

#include <cmath>

#include "compiler/gradient_placement.h"
#include "compiler/memo_indicatori_v_max.h"
#include "compiler/memo_montagna.h"
#include "compiler/cell_positions.h"
#include "compiler/sign_board_placement.h"
#include "textio/field_reader.h"

using namespace compila;

namespace {

compilazione con_celle(size_t quante = 201) {
  compilazione c;
  c.celle.assign(quante, cella{});
  return c;
}

TEST(Positions, QuotientsRoundHalfToEven) {
  EXPECT_EQ(cella_di_profilo(5625), 112);  // 112.5
  EXPECT_EQ(cella_di_profilo(5675), 114);  // 113.5
  EXPECT_EQ(cella_di_profilo(5626), 113);
  EXPECT_EQ(cella_di_punto(75), 2);        // 1.5 + 1
  EXPECT_EQ(cella_di_punto(125), 4);       // 2.5 + 1
  EXPECT_EQ(cella_di_punto(1650), 34);
  EXPECT_EQ(cella_di_punto(-75), 0);       // -0.5
}

TEST(Gradients, EachHoldsUpToTheCellBeforeTheNext) {
  compilazione c = con_celle();
  pendenze p;
  posa_pendenza(c.celle, p, 0, 0);
  EXPECT_EQ(p.cursore, 0);
  posa_pendenza(c.celle, p, 1000, 6);
  posa_pendenza(c.celle, p, 1850, -6);
  posa_pendenza(c.celle, p, 1900, -5);
  EXPECT_EQ(c.celle[19].pendenza, 100);
  EXPECT_EQ(c.celle[20].pendenza, 106);
  EXPECT_EQ(c.celle[36].pendenza, 106);
  EXPECT_EQ(c.celle[37].pendenza, 94);
  EXPECT_EQ(p.cursore, 38);
  // The same cell twice: the earlier gradient still reaches one cell further.
  posa_pendenza(c.celle, p, 1900, 3);
  EXPECT_EQ(c.celle[38].pendenza, 95);
  EXPECT_EQ(p.cursore, 39);
}

TEST(Gradients, CompletionStopsBeforeTheLastThreeCells) {
  compilazione c = con_celle();
  pendenze p;
  completa_pendenze(c.celle, p);
  EXPECT_EQ(c.celle[197].pendenza, 100);
  EXPECT_EQ(c.celle[198].pendenza, 0);
  pendenze in_fondo{198, 2};  // the cursor already past: still one cell
  completa_pendenze(c.celle, in_fondo);
  EXPECT_EQ(c.celle[198].pendenza, 102);
  EXPECT_EQ(c.celle[199].pendenza, 0);
}

TEST(Gradients, NeverWrittenPastTheCellsOrOutsideAByte) {
  compilazione c = con_celle(3);
  pendenze p{3, 0};
  EXPECT_THROW(posa_pendenza(c.celle, p, 50, 0), errore_lettura);
  pendenze ripido{0, -101};
  EXPECT_THROW(posa_pendenza(c.celle, ripido, 50, 0), errore_lettura);
  pendenze massimo{0, 155};
  posa_pendenza(c.celle, massimo, 50, 0);
  EXPECT_EQ(c.celle[0].pendenza, 255);
}

TEST(Tunnels, StretchCodesAndMarkersEveryFourthCell) {
  compilazione c = con_celle(3000);
  memo_montagna(c, 123650, 124450, 11);
  for (int i = 2473; i <= 2488; ++i) {
    EXPECT_EQ(c.celle[i].montagna, 1) << i;
    bool marcatore = i == 2476 || i == 2480 || i == 2484 || i == 2488;
    EXPECT_EQ(c.celle[i].tipo_cella, marcatore ? tipo::marcatore_montagna : tipo::nessuno) << i;
  }
  EXPECT_EQ(c.celle[2472].montagna, 0);
  EXPECT_EQ(c.celle[2489].montagna, 0);

  memo_montagna(c, 124600, 124700, 1);  // 150 m after the previous end
  EXPECT_EQ(c.celle[2492].montagna, 3);
  memo_montagna(c, 124851, 124900, 1);
  EXPECT_EQ(c.celle[2497].montagna, 1);
  EXPECT_EQ(c.numero_montagne, 3);
}

TEST(Tunnels, StretchWithoutCellsIsStillCountedAndMarkersGiveWay) {
  compilazione c = con_celle();
  memo_montagna(c, 100, 120, 1);
  EXPECT_EQ(c.numero_montagne, 1);
  for (const cella& cl : c.celle) EXPECT_EQ(cl.montagna, 0);
  c.celle[7].tipo_cella = tipo::segnale;
  memo_montagna(c, 200, 600, 11);  // cells 4 to 11, 80 m after the last end
  EXPECT_EQ(c.celle[4].montagna, 3);
  EXPECT_EQ(c.celle[7].tipo_cella, tipo::segnale);
  EXPECT_EQ(c.celle[11].tipo_cella, tipo::marcatore_montagna);
  EXPECT_EQ(c.fini_montagna[2], 600);
  memo_montagna(c, 100, 140, 1);
  EXPECT_EQ(c.celle[2].montagna, 3);
}

TEST(SpeedBoards, PackedIntoTheCellAfter) {
  compilazione c = con_celle();
  c.celle[34].tipo_cella = tipo::marcatore_montagna;
  EXPECT_TRUE(memo_indicatori_v_max(c.celle, {1650, 75, 80, 90, 0, 0, 0, 0, 0}));
  const cella& cl = c.celle[34];
  EXPECT_EQ(cl.tipo_cella, tipo::indicatori_v_max);
  EXPECT_EQ((std::array{cl.dato_1, cl.dato_2, cl.dato_3, cl.dato_4}),
            (std::array<int16_t, 4>{1500, 1600, 1800, 0}));

  EXPECT_TRUE(memo_indicatori_v_max(c.celle, {2000, 110, 115, 120, 2, 85, 12, 13, 1}));
  const cella& due = c.celle[41];
  EXPECT_EQ((std::array{due.dato_1, due.dato_2, due.dato_3, due.dato_4}),
            (std::array<int16_t, 4>{2217, 2302, 2403, 21}));  // 12 / 5 = 2.4, 13 / 5 = 2.6

  EXPECT_FALSE(memo_indicatori_v_max(c.celle, {1660, 1, 1, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(c.celle[34].dato_1, 1500);
  EXPECT_THROW(memo_indicatori_v_max(c.celle, {3000, 1639, 0, 0, 0, 0, 0, 0, 0}), errore_lettura);
  EXPECT_EQ(c.celle[61], cella{});
}

TEST(SignBoards, RecordsDownFrom80WithTheTextAsUtf8) {
  compilazione c = con_celle();
  c.celle[53].tipo_cella = tipo::marcatore_montagna;
  EXPECT_TRUE(posa_cartello(c, 2600, "(BIVIO  S. LUCIA)(Km .111.400    )"));
  EXPECT_TRUE(posa_cartello(c, 75, "(Citt\xE0)"));
  EXPECT_EQ(c.celle[53].tipo_cella, tipo::cartello);
  EXPECT_EQ(c.celle[53].dato_1, 80);
  EXPECT_EQ(c.celle[2].dato_1, 79);
  EXPECT_EQ(c.tabella[80].testo, "(BIVIO  S. LUCIA)(Km .111.400    )");
  EXPECT_EQ(c.tabella[79].testo, "(Citt\xC3\xA0)");
  EXPECT_EQ(c.prossimo_cartello, 78);

  EXPECT_FALSE(posa_cartello(c, 2610, "(X)"));
  EXPECT_EQ(c.prossimo_cartello, 78);
  EXPECT_EQ(c.tabella[78].testo, "");
}

}  // namespace
