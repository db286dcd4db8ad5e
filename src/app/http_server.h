#pragma once

#include <memory>
#include <string>

#include "app/page_server.h"

namespace compila {

// The page's server on the HTTP library.
class server_http final : public server_pagina {
 public:
  server_http();
  ~server_http() override;
  server_http(const server_http&) = delete;
  server_http& operator=(const server_http&) = delete;

  bool apri(int porta, std::string* err) override;
  int porta() const override;
  void avvia() override;
  void pubblica(std::string pagina, int generazione, bool ok) override;
  void ferma() override;

 private:
  struct stato;
  std::unique_ptr<stato> s_;
};

}  // namespace compila
