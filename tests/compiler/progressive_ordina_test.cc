#include "compiler/progressive_ordina.h"

#include <gtest/gtest.h>

#include <array>

using namespace compila;

namespace {

using terna = std::array<int32_t, 3>;

// Records 81 ("tre"), 82 ("due"), 83 ("uno") as read, then as ordered.
std::array<terna, 3> ordina(terna tre, terna due, terna uno) {
  tabella_scenario t{};
  for (auto [indice, s] : {std::pair{81, tre}, std::pair{82, due}, std::pair{83, uno}}) {
    t[indice].valore_1 = s[0];
    t[indice].valore_2 = s[1];
    t[indice].valore_3 = s[2];
  }
  progressive_ordina(t);
  auto leggi = [&](int i) { return terna{t[i].valore_1, t[i].valore_2, t[i].valore_3}; };
  return {leggi(81), leggi(82), leggi(83)};
}

using R = std::array<terna, 3>;
const terna zero{0, 0, 0};

TEST(ProgressiveOrdina, ScenarioSections) {
  EXPECT_EQ(ordina({0, 0, 0}, {114500, 211500, 1}, {0, 114000, 1}),
            (R{terna{114500, 211600, 1}, terna{0, 114100, 1}, zero}));
}

TEST(ProgressiveOrdina, DescendingStartsWithFixedOrderOnTies) {
  terna t{5000, 1, 0}, d{3000, 2, 0}, u{3000, 3, 0};
  EXPECT_EQ(ordina(t, d, u), (R{t, u, d}));  // T greatest: U before D
  EXPECT_EQ(ordina({3000, 1, 0}, {5000, 2, 0}, {3000, 3, 0}),
            (R{terna{5000, 2, 0}, terna{3000, 3, 0}, terna{3000, 1, 0}}));  // D greatest: U before T
  EXPECT_EQ(ordina({3000, 1, 0}, {3000, 2, 0}, {5000, 3, 0}),
            (R{terna{5000, 3, 0}, terna{3000, 2, 0}, terna{3000, 1, 0}}));  // U greatest: D before T
  EXPECT_EQ(ordina({100, 1, 0}, {300, 2, 0}, {200, 3, 0}),
            (R{terna{300, 2, 0}, terna{200, 3, 0}, terna{100, 1, 0}}));
}

TEST(ProgressiveOrdina, NoSingleGreatestStartClearsAll) {
  EXPECT_EQ(ordina({5000, 1, 1}, {5000, 2, 1}, {100, 3, 1}), (R{zero, zero, zero}));
  EXPECT_EQ(ordina({-50, 1, 0}, {-50, 2, 0}, {-100, 3, 0}), (R{zero, zero, zero}));
}

TEST(ProgressiveOrdina, AllStartsZeroTheLastSectionWithAReferenceDecides) {
  terna t{0, 10, 0}, d{0, 20, 0}, u{0, 30, 0};
  EXPECT_EQ(ordina(t, zero, zero), (R{t, zero, zero}));
  EXPECT_EQ(ordina(t, d, zero), (R{d, t, zero}));
  EXPECT_EQ(ordina(t, d, u), (R{u, d, t}));
  EXPECT_EQ(ordina(zero, zero, zero), (R{zero, zero, zero}));
  // Starts that add up to 0 count as all zero.
  EXPECT_EQ(ordina({100, 10, 0}, {-100, 0, 0}, zero), (R{terna{100, 10, 0}, terna{-100, 0, 0}, zero}));
}

TEST(ProgressiveOrdina, OnlyFlagOneAddsAHundred) {
  EXPECT_EQ(ordina({300, 1000, 1}, {200, 1000, 2}, {100, 1000, 0}),
            (R{terna{300, 1100, 1}, terna{200, 1000, 2}, terna{100, 1000, 0}}));
}

}  // namespace
