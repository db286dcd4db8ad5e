#pragma once

#include <ostream>

#include "platform/user_interface.h"

namespace compila {

// For systems without a display: both texts go to the error stream.
class console_interface : public user_interface {
 public:
  explicit console_interface(std::ostream& out) : out_(out) {}
  void mostra_attesa() override { out_ << "Attendere" << std::endl; }
  void mostra_errore(const std::string& testo) override { out_ << testo << std::endl; }

 private:
  std::ostream& out_;
};

}  // namespace compila
