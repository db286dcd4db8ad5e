#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "model/compiled_scenario.h"

namespace compila {

// What a compiled scenario holds, in the terms of the line and the train:
// the station and sign-board records, the point features of the cells with
// their packed values taken apart, and the tunnel stretches. The text, JSON
// and drawing views are all made from it.

struct stazione_vista {
  int record = 0;
  const voce_scenario* voce = nullptr;  // tipo, extent, position, time, name
  int cella_fermata = -1;               // the cell of type 10 naming the record; -1 none
};

struct cartello_visto {
  int record = 0;
  std::string testo;
  int cella = -1;  // the cell of type 14 naming the record; -1 none
};

struct caratteristica {
  int cella = 0;
  int32_t posizione = 0;  // metres: where the feature stands on the line
  uint8_t tipo = 0;
  std::string genere;                               // "signal", "slowdown start", ...
  std::string descrizione;                          // its values in words
  std::vector<std::pair<std::string, int>> valori;  // the same values by name
  // The speeds it carries, km/h: a slowdown mark's speed; a speed board's
  // three speeds, then its second set's three.
  std::vector<int> velocita_kmh;
};

// The point features, those of every cell but empty cells and tunnel
// markers, in cell order. Each is described when it is asked for, so that a
// summary holds four bytes a feature however long its descriptions are.
class caratteristiche_celle {
 public:
  caratteristiche_celle() = default;
  explicit caratteristiche_celle(const scenario_compilato& s);

  size_t size() const { return celle_.size(); }
  bool empty() const { return celle_.empty(); }
  caratteristica operator[](size_t i) const;

  class iteratore {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = caratteristica;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = caratteristica;

    iteratore() = default;
    iteratore(const caratteristiche_celle* c, size_t i) : c_(c), i_(i) {}
    caratteristica operator*() const { return (*c_)[i_]; }
    iteratore& operator++() {
      ++i_;
      return *this;
    }
    iteratore operator++(int) {
      iteratore prima = *this;
      ++i_;
      return prima;
    }
    friend bool operator==(const iteratore& a, const iteratore& b) { return a.i_ == b.i_; }
    friend bool operator!=(const iteratore& a, const iteratore& b) { return a.i_ != b.i_; }

   private:
    const caratteristiche_celle* c_ = nullptr;
    size_t i_ = 0;
  };
  iteratore begin() const { return {this, 0}; }
  iteratore end() const { return {this, celle_.size()}; }

 private:
  const scenario_compilato* s_ = nullptr;
  std::vector<int32_t> celle_;
};

struct galleria_vista {
  int prima_cella = 0;
  int ultima_cella = 0;
  int codice = 0;     // the cells' montagna value
  int marcatori = 0;  // tunnel-marker cells (type 11) within it
  int32_t inizio() const { return prima_cella * lunghezza_cella; }
  int32_t fine() const { return (ultima_cella + 1) * lunghezza_cella; }
};

struct riepilogo {
  int32_t lunghezza_percorso = 0;  // record 84, metres
  std::vector<stazione_vista> stazioni;
  std::vector<cartello_visto> cartelli;
  caratteristiche_celle caratteristiche;
  std::vector<galleria_vista> gallerie;
};

// Builds the summary; `s` must outlive it (stations point into its table).
riepilogo riassumi(const scenario_compilato& s);

// Seconds of the day as "hh:mm:ss"; a negative value keeps its sign.
std::string orario(int32_t secondi);

// Station records run from 1 upwards to the first clear record, below the
// sign-board records; sign boards run from 80 downwards while a record holds
// a text and nothing else.
bool voce_vuota(const voce_scenario& v);
bool solo_testo(const voce_scenario& v);

// Speed boards pack each speed pair as second / 5 + first × 20.
std::pair<int, int> velocita_cartello(int16_t impaccato);

}  // namespace compila
