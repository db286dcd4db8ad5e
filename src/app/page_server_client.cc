#include <memory>
#include <string>

#include "app/page_server.h"
#include "app/page_server_api.h"
#include "platform/module_loader.h"

namespace compila {

namespace {

class server_da_modulo final : public server_pagina {
 public:
  server_da_modulo(const compila_server* f, void* server) : f_(f), server_(server) {}
  ~server_da_modulo() override { f_->distruggi(server_); }
  server_da_modulo(const server_da_modulo&) = delete;
  server_da_modulo& operator=(const server_da_modulo&) = delete;

  bool apri(int porta, std::string* err) override {
    char motivo[512] = "";
    if (f_->apri(server_, porta, motivo, sizeof motivo)) return true;
    *err = motivo;
    return false;
  }
  int porta() const override { return f_->porta(server_); }
  void avvia() override { f_->avvia(server_); }
  void pubblica(std::string pagina, int generazione, bool ok) override {
    f_->pubblica(server_, pagina.data(), pagina.size(), generazione, ok ? 1 : 0);
  }
  void ferma() override { f_->ferma(server_); }

 private:
  const compila_server* f_;
  void* server_;
};

}  // namespace

std::unique_ptr<server_pagina> crea_server_pagina(const std::string& directory_programma,
                                                  std::string* err) {
  const auto* f = carica_funzioni<compila_server>(directory_programma, COMPILA_SERVER_MODULO,
                                                 nome_entrata_server, versione_server);
  void* server = f ? f->crea() : nullptr;
  if (!server) {
    *err = std::string("cannot serve the page: the server module ") + COMPILA_SERVER_MODULO +
           " cannot be loaded from " + directory_programma + " or " + directory_programma +
           "/../lib/compila_scenario";
    return nullptr;
  }
  return std::make_unique<server_da_modulo>(f, server);
}

}  // namespace compila
