#include "peak_memory.h"

#include <atomic>
#include <cstdlib>
#include <new>

// Every allocation carries its size in a header in front of it, so that
// delete can count it off.
namespace {

constexpr size_t intestazione = alignof(std::max_align_t);
std::atomic<size_t> in_uso{0};
std::atomic<size_t> picco{0};

void* conta_e_alloca(size_t n) {
  void* p = std::malloc(n + intestazione);
  if (!p) throw std::bad_alloc();
  *static_cast<size_t*>(p) = n;
  size_t ora = in_uso.fetch_add(n) + n;
  size_t visto = picco.load();
  while (ora > visto && !picco.compare_exchange_weak(visto, ora)) {
  }
  return static_cast<char*>(p) + intestazione;
}

void conta_e_libera(void* p) {
  if (!p) return;
  void* base = static_cast<char*>(p) - intestazione;
  in_uso.fetch_sub(*static_cast<size_t*>(base));
  std::free(base);
}

}  // namespace

size_t memoria_in_uso() { return in_uso.load(); }
size_t picco_memoria() { return picco.load(); }
void azzera_picco() { picco.store(in_uso.load()); }

void* operator new(size_t n) { return conta_e_alloca(n); }
void* operator new[](size_t n) { return conta_e_alloca(n); }
void operator delete(void* p) noexcept { conta_e_libera(p); }
void operator delete[](void* p) noexcept { conta_e_libera(p); }
void operator delete(void* p, size_t) noexcept { conta_e_libera(p); }
void operator delete[](void* p, size_t) noexcept { conta_e_libera(p); }
