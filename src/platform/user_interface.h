#pragma once

#include <string>

namespace compila {

// The two things the run shows a person: the waiting window, painted once
// before the first file is written, and the fatal numbered message box.
class user_interface {
 public:
  virtual ~user_interface() = default;
  virtual void mostra_attesa() = 0;
  // Returns once the user has closed the box.
  virtual void mostra_errore(const std::string& testo) = 0;
};

}  // namespace compila
