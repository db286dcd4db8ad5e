#include "platform/fltk_interface.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace compila {

namespace {

const char* const titolo = "compila_scenario";
const char* const titolo_attesa = "compila_scenario - Attendere";

// The window is laid out in twips; a twip is 1/1440 inch, so 15 twips make
// one pixel on the usual 96 dots-per-inch screen.
constexpr int in_pixel(int twips) { return (twips + 7) / 15; }
constexpr int punti_in_pixel(int punti) { return punti * 96 / 72; }

constexpr int larghezza_attesa = in_pixel(4200);
constexpr int altezza_attesa = in_pixel(2688);

constexpr int margine = 20;
constexpr int larghezza_bottone = 80;
constexpr int altezza_bottone = 26;
constexpr int corpo_messaggio = 14;

void chiudi_finestra(Fl_Widget*, void* finestra) { static_cast<Fl_Window*>(finestra)->hide(); }

// Opens the display on a thread of its own and waits for it at most
// `attesa`. A display that has not answered by then is given up: its thread
// is left blocked (the process ends with it) and closes the connection
// should it ever open. Only one thread at a time uses the connection, so
// Xlib needs no locking of its own.
Display* apri_display(const char* nome, std::chrono::milliseconds attesa) {
  struct apertura {
    std::mutex m;
    std::condition_variable finita;
    bool pronta = false;
    bool abbandonata = false;
    Display* display = nullptr;
  };
  auto a = std::make_shared<apertura>();
  std::thread([a, nome = std::string(nome)] {
    Display* d = XOpenDisplay(nome.c_str());
    std::lock_guard<std::mutex> l(a->m);
    if (a->abbandonata) {
      if (d) XCloseDisplay(d);
      return;
    }
    a->display = d;
    a->pronta = true;
    a->finita.notify_one();
  }).detach();
  std::unique_lock<std::mutex> l(a->m);
  if (!a->finita.wait_for(l, attesa, [&] { return a->pronta; })) {
    a->abbandonata = true;
    return nullptr;
  }
  return a->display;
}

}  // namespace

std::unique_ptr<fltk_interface> fltk_interface::apri(const char* nome,
                                                     std::chrono::milliseconds attesa) {
  if (nome == nullptr || *nome == '\0') return nullptr;
  Display* display = apri_display(nome, attesa);
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
  attesa_ = std::make_unique<Fl_Window>(larghezza_attesa, altezza_attesa, titolo_attesa);
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
  fl_font(FL_HELVETICA, corpo_messaggio);
  int larghezza_testo = 0;
  int altezza_testo = 0;
  fl_measure(testo.c_str(), larghezza_testo, altezza_testo, 0);

  const int larghezza = std::max(larghezza_testo, larghezza_bottone) + 2 * margine;
  const int altezza = margine + altezza_testo + margine + altezza_bottone + margine;
  Fl_Window finestra((Fl::w() - larghezza) / 2, (Fl::h() - altezza) / 2, larghezza, altezza, titolo);
  auto* messaggio = new Fl_Box(margine, margine, larghezza_testo, altezza_testo);
  messaggio->copy_label(testo.c_str());
  messaggio->labelfont(FL_HELVETICA);
  messaggio->labelsize(corpo_messaggio);
  messaggio->align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
  auto* ok = new Fl_Return_Button((larghezza - larghezza_bottone) / 2, altezza - margine - altezza_bottone,
                                  larghezza_bottone, altezza_bottone, "OK");
  ok->callback(chiudi_finestra, &finestra);
  finestra.end();
  finestra.set_modal();
  finestra.show();
  while (finestra.shown()) Fl::wait();
}

}  // namespace compila
