#include "platform/module_loader.h"

#include <dlfcn.h>

namespace compila {

namespace {

void* carica_da(const std::string& percorso, const char* entrata) {
  void* modulo = dlopen(percorso.c_str(), RTLD_NOW | RTLD_LOCAL);
  return modulo ? dlsym(modulo, entrata) : nullptr;
}

}  // namespace

void* carica_modulo(const std::string& directory, const char* file, const char* entrata) {
  if (void* e = carica_da(directory + "/" + file, entrata)) return e;
  return carica_da(directory + "/../lib/compila_scenario/" + file, entrata);
}

}  // namespace compila
