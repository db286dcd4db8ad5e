#include "output/profile_file.h"

#include <bit>
#include <limits>
#include <utility>

#include "output/coding.h"
#include "output/decoding.h"

namespace compila {

namespace {

using etichetta = elemento_profilo::etichetta;

size_t dimensione(etichetta tag) {
  switch (tag) {
    case etichetta::intero: return dimensione_elemento_intero;
    case etichetta::reale: return dimensione_elemento_reale;
    case etichetta::vuoto: break;
  }
  return dimensione_elemento_vuoto;
}

// An integer element holds a 16-bit value, exact as a double.
char* codifica_elemento(char* p, etichetta tag, double valore) {
  p = codifica_fisso16(p, static_cast<uint16_t>(tag));
  switch (tag) {
    case etichetta::intero:
      return codifica_fisso16(p, static_cast<uint16_t>(static_cast<int16_t>(valore)));
    case etichetta::reale: return codifica_fisso64(p, std::bit_cast<uint64_t>(valore));
    case etichetta::vuoto: break;
  }
  return p;
}

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
  size_t attesi = 0;
  for (int c = 0; c <= 1; ++c)
    for (etichetta tag : profilo.etichette(c)) attesi += dimensione(tag);

  std::string out(attesi, '\0');
  char* const inizio = out.data();
  char* p = inizio;
  for (int c = 0; c <= 1; ++c) {
    const std::vector<etichetta>& tag = profilo.etichette(c);
    const std::vector<double>& valore = profilo.valori(c);
    for (size_t m = 0; m < tag.size(); ++m) p = codifica_elemento(p, tag[m], valore[m]);
  }
  verifica_dimensione("the line profile file", static_cast<size_t>(p - inizio), attesi);
  return out;
}

bool decodifica_profilo(std::string_view byte, profilo_linea* profilo, std::string* err) {
  if (byte.empty()) {
    *err = "empty: a line profile holds the x and then the y of every metre";
    return false;
  }
  // The elements have no count in front of them: a first walk checks them all
  // and counts them, the second stores them as x of metres 0 to N, then y.
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
  profilo_linea letto(static_cast<int32_t>(metri - 1));
  lettore_byte in(byte);
  for (size_t i = 0; i < elementi; ++i) {
    decodifica_elemento(in, i, &e, err);
    letto.imposta(static_cast<int32_t>(i % metri), i < metri ? 0 : 1, e);
  }
  *profilo = std::move(letto);
  return true;
}

}  // namespace compila
