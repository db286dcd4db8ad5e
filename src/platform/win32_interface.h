#pragma once

#include <ostream>
#include <string>

#include "platform/user_interface.h"

namespace compila {

// The waiting window and the message box with the Windows API. Where no
// window can be made (a service, no desktop) the texts go to `console`.
class win32_interface : public user_interface {
 public:
  explicit win32_interface(std::ostream& console) : console_(console) {}
  ~win32_interface() override;

  // Shows the window and paints it and its label at once; the run
  // processes no messages afterwards.
  void mostra_attesa() override;
  // MessageBoxW with one OK button, titled with the program's name.
  void mostra_errore(const std::string& testo) override;

 private:
  std::ostream& console_;
  void* finestra_ = nullptr;   // HWND
  void* carattere_ = nullptr;  // HFONT
};

}  // namespace compila
