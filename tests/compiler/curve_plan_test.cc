#include "compiler/curve_plan.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace compila;

namespace {

using tag = elemento_profilo::etichetta;

double x(const profilo_linea& p, int m) { return p(m, 0).reale; }
double y(const profilo_linea& p, int m) { return p(m, 1).reale; }

TEST(CurvePlan, StraightLineRunsAlongYWithYEqualToTheRow) {
  profilo_linea p(10000);
  stato_disegno d;
  inizia_disegno(p, d);
  completa_disegno(p, d);
  EXPECT_EQ(p(1, 1), elemento_profilo::da_intero(1));
  EXPECT_EQ(p(0, 0), elemento_profilo::da_intero(0));
  for (int m = 2; m <= 9998; ++m) {
    ASSERT_EQ(p(m, 0), elemento_profilo::da_reale(0.0)) << m;
    ASSERT_EQ(p(m, 1), elemento_profilo::da_reale(m)) << m;
  }
  EXPECT_EQ(p(9999, 0).tag, tag::vuoto);
  EXPECT_EQ(p(10000, 1).tag, tag::vuoto);
}

TEST(CurvePlan, CurveStepsAgainstHandComputedValues) {
  profilo_linea p(100);
  stato_disegno d;
  inizia_disegno(p, d);
  ASSERT_TRUE(posa_curva(p, d, 3, 2, 0.001));  // straight to metre 3, curve to 5
  EXPECT_EQ(d.cursore, 6);
  EXPECT_EQ(y(p, 3), 3.0);
  // Metre 4: step (0, 1) turned: (0 + 0.001 * 1, 1 - 0.001 * 0).
  EXPECT_EQ(x(p, 4), 0.001);
  EXPECT_EQ(y(p, 4), 4.0);
  // Metre 5: step (0.001, 1) turned: (0.001 + 0.001, 1 - 0.000001).
  double gx = 0.001 + 0.001 * 1.0;
  double gy = 1.0 - 0.001 * 0.001;
  EXPECT_EQ(x(p, 5), 0.001 + gx);
  EXPECT_EQ(y(p, 5), 4.0 + gy);
  EXPECT_DOUBLE_EQ(x(p, 5), 0.003);
  EXPECT_DOUBLE_EQ(y(p, 5), 4.999999);
  // Then straight on with the last step as the points give it.
  completa_disegno(p, d);
  EXPECT_EQ(x(p, 6), x(p, 5) + (x(p, 5) - x(p, 4)));
}

TEST(CurvePlan, LeftCurveOfClass3Over800mTurnsAbout032Rad) {
  profilo_linea p(5000);
  stato_disegno d;
  inizia_disegno(p, d);
  ASSERT_TRUE(posa_curva(p, d, 1600, 800, -0.0004));
  double dx = x(p, 2400) - x(p, 2399), dy = y(p, 2400) - y(p, 2399);
  EXPECT_LT(dx, 0.0);  // anticlockwise
  EXPECT_NEAR(std::atan2(-dx, dy), 0.32, 0.001);
  EXPECT_NEAR(std::hypot(dx, dy), std::pow(1 + 0.0004 * 0.0004, 400), 1e-12);  // not renormalised
}

TEST(CurvePlan, CurveBehindTheCursorIsShortenedOrDoesNothing) {
  profilo_linea p(1000);
  stato_disegno d;
  inizia_disegno(p, d);
  ASSERT_TRUE(posa_curva(p, d, 100, 100, 0.001));
  ASSERT_TRUE(posa_curva(p, d, 50, 100, 0.001));
  EXPECT_EQ(d.cursore, 201);
  ASSERT_TRUE(posa_curva(p, d, 150, 100, 0.001));
  EXPECT_EQ(d.cursore, 251);
}

TEST(CurvePlan, NeverDrawsPastTheLastRow) {
  profilo_linea p(300);
  stato_disegno d;
  inizia_disegno(p, d);
  EXPECT_FALSE(posa_curva(p, d, 250, 1000, 0.001));
  EXPECT_EQ(d.cursore, 301);
  EXPECT_EQ(p(300, 0).tag, tag::reale);
}

}  // namespace
