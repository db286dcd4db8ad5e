#include <memory>
#include <string>

#include "app/http_server.h"

namespace compila {

// Where the HTTP library is linked into the program itself.
std::unique_ptr<server_pagina> crea_server_pagina(const std::string&, std::string*) {
  return std::make_unique<server_http>();
}

}  // namespace compila
