#include "platform/window_module.h"

#include "platform/module_loader.h"
#include "platform/window_module_api.h"

namespace compila {

namespace {

// Long enough for any display that works, short enough that a run whose
// display never answers goes on with the console.
constexpr int attesa_display_ms = 5000;

class finestre_modulo : public user_interface {
 public:
  finestre_modulo(const compila_finestre* f, void* finestre) : f_(f), finestre_(finestre) {}
  ~finestre_modulo() override { f_->chiudi(finestre_); }
  void mostra_attesa() override { f_->mostra_attesa(finestre_); }
  void mostra_errore(const std::string& testo) override { f_->mostra_errore(finestre_, testo.c_str()); }

 private:
  const compila_finestre* f_;
  void* finestre_;
};

}  // namespace

std::unique_ptr<user_interface> apri_modulo_finestre(const std::string& directory,
                                                     const char* display) {
  const auto* f = carica_funzioni<compila_finestre>(directory, COMPILA_FINESTRE_MODULO,
                                                   nome_entrata_finestre, versione_finestre);
  if (!f) return nullptr;
  void* finestre = f->apri(display, attesa_display_ms);
  if (!finestre) return nullptr;
  return std::make_unique<finestre_modulo>(f, finestre);
}

}  // namespace compila
