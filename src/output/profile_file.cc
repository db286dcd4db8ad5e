#include "output/profile_file.h"

#include <limits>
#include <utility>

#include "output/coding.h"
#include "output/decoding.h"

namespace compila {

namespace {

using etichetta = elemento_profilo::etichetta;

// Reads one element; false with the reason when its tag is unknown or the
// file ends inside it. `i` counts the elements from 0, for the message.
bool decodifica_elemento(lettore_byte& in, size_t i, elemento_profilo* e, std::string* err) {
  const size_t inizio = in.posizione();
  const auto dove = [&] {
    return "element " + std::to_string(i) + " (byte " + std::to_string(inizio) + ")";
  };
  uint16_t tag = 0;
  if (!in.fisso16(&tag)) {
    *err = dove() + " is cut short: the file ends inside its 2-byte tag";
    return false;
  }
  const auto manca = [&](size_t servono) {
    *err = dove() + " has tag " + std::to_string(tag) + " and needs " + std::to_string(servono) +
           " value bytes, but the file ends after " + quanti_byte(in.rimasti());
    return false;
  };
  switch (static_cast<etichetta>(tag)) {
    case etichetta::vuoto: *e = {}; return true;
    case etichetta::intero: {
      int16_t v = 0;
      if (!in.int16(&v)) return manca(2);
      *e = elemento_profilo::da_intero(v);
      return true;
    }
    case etichetta::reale: {
      double v = 0;
      if (!in.reale(&v)) return manca(8);
      *e = elemento_profilo::da_reale(v);
      return true;
    }
  }
  *err = dove() + " has tag " + std::to_string(tag) +
         "; an element is tagged 0 (empty), 2 (16-bit integer) or 5 (double)";
  return false;
}

}  // namespace

std::string codifica_profilo(const profilo_linea& profilo) {
  const std::string_view x = profilo.meta(0), y = profilo.meta(1);
  std::string out;
  out.reserve(x.size() + y.size());
  return out.append(x).append(y);
}

bool decodifica_profilo(std::string_view byte, profilo_linea* profilo, std::string* err) {
  if (byte.empty()) {
    *err = "empty: a line profile holds the x and then the y of every metre";
    return false;
  }
  // The elements have no count in front of them: a first walk checks them all
  // and counts them, the second finds where the x half ends; the drawing
  // then holds the bytes as they are.
  size_t elementi = 0;
  elemento_profilo e;
  for (lettore_byte in(byte); !in.finito(); ++elementi)
    if (!decodifica_elemento(in, elementi, &e, err)) return false;
  if (elementi % 2 != 0) {
    *err = std::to_string(elementi) +
           " elements, an odd count: the x and y components must be the same length";
    return false;
  }
  const size_t metri = elementi / 2;
  if (metri - 1 > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
    *err = std::to_string(metri) + " metres are more than a drawing can index";
    return false;
  }
  // The x half ends where element `metri` starts.
  lettore_byte in(byte);
  for (size_t i = 0; i < metri; ++i) decodifica_elemento(in, i, &e, err);
  profilo_linea letto = profilo_linea::da_file(byte, in.posizione(), static_cast<int32_t>(metri - 1));
  *profilo = std::move(letto);
  return true;
}

}  // namespace compila
