#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/user_interface.h"

class Fl_Window;
struct _XDisplay;

namespace compila {

// The waiting window and the message box, drawn with FLTK on an X display.
class fltk_interface : public user_interface {
 public:
  // Null when the display named cannot be opened, or has not answered
  // within `attesa` (a server that accepts the connection and never replies
  // would keep the run waiting for ever). FLTK ends the process when it
  // cannot open a display itself, so the connection is opened here first and
  // only then handed over.
  static std::unique_ptr<fltk_interface> apri(const char* display,
                                              std::chrono::milliseconds attesa);

  explicit fltk_interface(_XDisplay* display);
  ~fltk_interface() override;

  // Maps the window and paints "Attendere" before returning; the window is
  // not repainted afterwards, since the run processes no events.
  void mostra_attesa() override;
  // Modal box with the text and one OK button; Return, Escape or closing the
  // box ends it.
  void mostra_errore(const std::string& testo) override;

 private:
  std::unique_ptr<Fl_Window> attesa_;
};

}  // namespace compila
