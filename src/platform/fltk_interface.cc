#include "platform/fltk_interface.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <cstdlib>

namespace {

const char* const kTitolo = "compila_scenario";
const char* const kTitoloAttesa = "compila_scenario - Attendere";

// The window is laid out in twips; a twip is 1/1440 inch, so 15 twips make
// one pixel on the usual 96 dots-per-inch screen.
constexpr int in_pixel(int twips) { return (twips + 7) / 15; }
constexpr int punti_in_pixel(int punti) { return punti * 96 / 72; }

constexpr int kLarghezzaAttesa = in_pixel(4200);
constexpr int kAltezzaAttesa = in_pixel(2688);

constexpr int kMargine = 20;
constexpr int kLarghezzaBottone = 80;
constexpr int kAltezzaBottone = 26;
constexpr int kCorpoMessaggio = 14;

void chiudi_finestra(Fl_Widget*, void* finestra) { static_cast<Fl_Window*>(finestra)->hide(); }

}  // namespace

std::unique_ptr<fltk_interface> fltk_interface::apri() {
  const char* nome = std::getenv("DISPLAY");
  if (nome == nullptr || *nome == '\0') return nullptr;
  Display* display = XOpenDisplay(nome);
  if (display == nullptr) return nullptr;
  return std::make_unique<fltk_interface>(display);
}

fltk_interface::fltk_interface(Display* display) { fl_open_display(display); }

fltk_interface::~fltk_interface() {
  if (attesa_) {
    attesa_->hide();
    Fl::flush();
  }
}

void fltk_interface::mostra_attesa() {
  attesa_ = std::make_unique<Fl_Window>(kLarghezzaAttesa, kAltezzaAttesa, kTitoloAttesa);
  auto* etichetta = new Fl_Box(in_pixel(960), in_pixel(960), in_pixel(2652), in_pixel(792), "Attendere");
  etichetta->labelfont(FL_HELVETICA_BOLD);
  etichetta->labelsize(punti_in_pixel(24));
  etichetta->align(FL_ALIGN_INSIDE | FL_ALIGN_TOP_LEFT);
  attesa_->end();
  attesa_->show();
  attesa_->wait_for_expose();
  Fl::flush();
}

void fltk_interface::mostra_errore(const std::string& testo) {
  fl_font(FL_HELVETICA, kCorpoMessaggio);
  int larghezza_testo = 0;
  int altezza_testo = 0;
  fl_measure(testo.c_str(), larghezza_testo, altezza_testo, 0);

  const int larghezza = std::max(larghezza_testo, kLarghezzaBottone) + 2 * kMargine;
  const int altezza = kMargine + altezza_testo + kMargine + kAltezzaBottone + kMargine;
  Fl_Window finestra((Fl::w() - larghezza) / 2, (Fl::h() - altezza) / 2, larghezza, altezza, kTitolo);
  auto* messaggio = new Fl_Box(kMargine, kMargine, larghezza_testo, altezza_testo);
  messaggio->copy_label(testo.c_str());
  messaggio->labelfont(FL_HELVETICA);
  messaggio->labelsize(kCorpoMessaggio);
  messaggio->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
  auto* ok = new Fl_Return_Button((larghezza - kLarghezzaBottone) / 2, altezza - kMargine - kAltezzaBottone,
                                  kLarghezzaBottone, kAltezzaBottone, "OK");
  ok->callback(chiudi_finestra, &finestra);
  finestra.end();
  finestra.set_modal();
  finestra.show();
  while (finestra.shown()) Fl::wait();
}
