#include "platform/interface_factory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

using namespace compila;

namespace {

// Sets DISPLAY for one test and puts the old value back afterwards.
class display_temporaneo {
 public:
  explicit display_temporaneo(const char* valore) {
    if (const char* vecchio = std::getenv("DISPLAY")) vecchio_ = vecchio;
    if (valore) setenv("DISPLAY", valore, 1);
    else unsetenv("DISPLAY");
  }
  ~display_temporaneo() {
    if (vecchio_) setenv("DISPLAY", vecchio_->c_str(), 1);
    else unsetenv("DISPLAY");
  }

 private:
  std::optional<std::string> vecchio_;
};

std::string testi_mostrati() {
  std::ostringstream console;
#ifdef COMPILA_DIRECTORY_MODULI
  auto ui = crea_interfaccia(console, COMPILA_DIRECTORY_MODULI);
#else
  auto ui = crea_interfaccia(console);
#endif
  ui->mostra_attesa();
  ui->mostra_errore(" Errore n. 1250");
  return console.str();
}

}  // namespace

TEST(InterfaceFactory, WithoutDisplayBothTextsGoToTheConsole) {
  display_temporaneo nessuno(nullptr);
  EXPECT_EQ(testi_mostrati(), "Attendere\n Errore n. 1250\n");
}

TEST(InterfaceFactory, EmptyOrUnreachableDisplayFallsBackToTheConsole) {
  for (const char* display : {"", ":4093"}) {
    display_temporaneo finto(display);
    EXPECT_EQ(testi_mostrati(), "Attendere\n Errore n. 1250\n") << "DISPLAY=" << display;
  }
}
