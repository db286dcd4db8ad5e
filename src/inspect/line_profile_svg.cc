#include "inspect/line_profile_svg.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "inspect/printf_format.h"
#include "inspect/svg_layout.h"

namespace compila {

namespace {

class pannello_profilo {
 public:
  pannello_profilo(const scenario_compilato& s, const riepilogo& r, int32_t fine_percorso,
                   foglio_svg& f)
      : s_(s), r_(r), fine_percorso_(fine_percorso), f_(f) {}

  void disegna() {
    f_.aggiungi("<g id=\"profile\">\n");
    f_.testo(x0_, y0_ - 42, "legenda",
             "Longitudinal profile: elevation from the gradients, speeds, tunnels, stations, "
             "signals");
    scala_quote();
    scala_velocita();
    gallerie();
    assi();
    quote();
    gradini_limite();
    gradini_cartelli();
    rallentamenti();
    tacche();
    legenda(x0_ + w_ - 250, y0_ + 12);
    f_.aggiungi("</g>\n");
  }

 private:
  double px_km(double metri) const {
    return margine_sinistro + metri / std::max<double>(fine_percorso_, 1) * larghezza_pannelli;
  }
  double y_quota(double q) const { return y0_ + h_ - (q - qmin_) / (qmax_ - qmin_) * h_; }
  double y_velocita(double v) const { return y0_ + h_ - v / vtetto_ * h_; }

  // Cells from the start up to the route's end.
  size_t celle_percorso() const {
    return std::min(s_.celle.size(), static_cast<size_t>(fine_percorso_ / lunghezza_cella));
  }

  // Elevation at the start of every cell up to the route's end, and the
  // range of the elevation axis around it.
  void scala_quote() {
    const size_t celle = celle_percorso();
    quota_.assign(celle + 1, 0.0);
    for (size_t k = 0; k < celle; ++k)
      quota_[k + 1] = quota_[k] + (s_.celle[k].pendenza - 100) * lunghezza_cella / 1000.0;
    double qmin = 0, qmax = 0;
    for (double q : quota_) qmin = std::min(qmin, q), qmax = std::max(qmax, q);
    passo_quota_ = passo_gradevole(std::max(qmax - qmin, 10.0), 5);
    qmin_ = std::floor(qmin / passo_quota_) * passo_quota_;
    qmax_ = std::ceil(qmax / passo_quota_) * passo_quota_ + passo_quota_;
  }

  // The speed axis reaches past the highest speed limit or speed board.
  void scala_velocita() {
    int vmax = 50;
    for (const cella& c : s_.celle) vmax = std::max(vmax, c.limite * 5);
    for (const caratteristica& c : r_.caratteristiche)
      if (c.tipo == tipo::indicatori_v_max)
        for (int v : c.velocita_kmh) vmax = std::max(vmax, v);
    vtetto_ = std::ceil(vmax / 50.0) * 50 + 50;
  }

  // Tunnels as bands behind everything.
  void gallerie() {
    for (const galleria_vista& g : r_.gallerie) {
      if (g.inizio() >= fine_percorso_) continue;
      const double a = px_km(g.inizio()), b = px_km(std::min(g.fine(), fine_percorso_));
      f_.aggiungi(
          formato("<rect class=\"banda\" x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\"/>\n",
                  a, y0_, std::max(b - a, 0.8), h_));
    }
  }

  void assi() {
    f_.aggiungi(
        formato("<rect class=\"cornice\" x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\"/>\n",
                x0_, y0_, w_, h_));
    const double passo_km = passo_gradevole(fine_percorso_ / 1000.0, 20);
    for (double km = 0; km * 1000 <= fine_percorso_ + 1e-6; km += passo_km) {
      const double x = px_km(km * 1000);
      f_.aggiungi(linea_svg("griglia", x, y0_, x, y0_ + h_) + "\n");
      f_.testo(x, y0_ - 16, "asse", formato("%g", km), "middle");
    }
    f_.testo(x0_ + w_, y0_ - 30, "asse", "km", "end");
    for (double q = qmin_; q <= qmax_ + 1e-9; q += passo_quota_) {
      f_.aggiungi(linea_svg("griglia", x0_, y_quota(q), x0_ + w_, y_quota(q)) + "\n");
      f_.testo(x0_ - 6, y_quota(q) + 4, "asse", formato("%g", q), "end");
    }
    f_.testo(x0_ - 56, y0_ + h_ / 2, "asse", "elevation (m, from the start)", "middle",
             formato(" transform=\"rotate(-90 %.1f %.1f)\"", x0_ - 56, y0_ + h_ / 2));
    for (double v = 0; v <= vtetto_; v += 50)
      f_.testo(x0_ + w_ + 6, y_velocita(v) + 4, "asse", formato("%g", v), "start");
    f_.testo(x0_ + w_ + 56, y0_ + h_ / 2, "asse", "speed (km/h)", "middle",
             formato(" transform=\"rotate(90 %.1f %.1f)\"", x0_ + w_ + 56, y0_ + h_ / 2));
  }

  void quote() {
    std::string area = formato("M%.1f %.1f ", px_km(0), y0_ + h_);
    for (size_t k = 0; k < quota_.size(); ++k)
      area += formato("L%.1f %.1f ", px_km(static_cast<double>(k) * lunghezza_cella),
                      y_quota(quota_[k]));
    area += formato("L%.1f %.1f Z",
                    px_km(static_cast<double>(celle_percorso()) * lunghezza_cella), y0_ + h_);
    f_.aggiungi("<path class=\"quota\" d=\"" + area + "\"/>\n");
  }

  void gradini_limite() {
    std::string d;
    int precedente = -1;
    const size_t celle = celle_percorso();
    for (size_t k = 0; k < celle; ++k) {
      const int v = s_.celle[k].limite * 5;
      const double x = px_km(static_cast<double>(k) * lunghezza_cella);
      if (precedente < 0)
        d += formato("M%.1f %.1f ", x, y_velocita(v));
      else if (v != precedente)
        d += formato("H%.1f V%.1f ", x, y_velocita(v));
      precedente = v;
    }
    if (!d.empty()) {
      d += formato("H%.1f", px_km(fine_percorso_));
      f_.aggiungi("<path class=\"limite\" d=\"" + d + "\"/>\n");
    }
  }

  // The first set's three speeds of the speed boards, as steps.
  void gradini_cartelli() {
    for (size_t i = 0; i < 3; ++i) {
      std::string d;
      for (const caratteristica& c : r_.caratteristiche) {
        if (c.tipo != tipo::indicatori_v_max) continue;
        const double x = px_km(c.posizione), y = y_velocita(c.velocita_kmh[i]);
        d += d.empty() ? formato("M%.1f %.1f ", x, y) : formato("H%.1f V%.1f ", x, y);
      }
      if (d.empty()) return;
      d += formato("H%.1f", px_km(fine_percorso_));
      f_.aggiungi(formato("<path class=\"%s\" d=\"", i == 0 ? "cartelli-a" : "cartelli-bc") + d +
                  "\"/>\n");
    }
  }

  // From each start to the next end after it, at the slowdown's speed. The
  // features run in cell order, one to a cell, so the next end after a start
  // is the first end later in the list: found for every start in one walk
  // from the back.
  void rallentamenti() {
    const caratteristiche_celle& f = r_.caratteristiche;
    std::vector<int32_t> fine(f.size());
    std::optional<int32_t> prossima_fine;
    for (size_t i = f.size(); i-- > 0;) {
      const caratteristica c = f[i];
      fine[i] = prossima_fine.value_or(c.posizione);
      if (c.tipo == tipo::fine_rallentamento) prossima_fine = c.posizione;
    }
    for (size_t i = 0; i < f.size(); ++i) {
      const caratteristica c = f[i];
      if (c.tipo != tipo::inizio_rallentamento) continue;
      const int32_t a = c.posizione, b = fine[i];
      const double yv = y_velocita(c.velocita_kmh[0]);
      f_.aggiungi(
          linea_svg("rallentamento", px_km(a), yv, std::max(px_km(b), px_km(a) + 12), yv) + "\n");
    }
  }

  // Signals above the frame; stations below with their names slanting,
  // spread apart where stations crowd.
  void tacche() {
    for (const caratteristica& c : r_.caratteristiche)
      if (c.tipo == tipo::segnale)
        f_.aggiungi(
            linea_svg("signal-tick", px_km(c.posizione), y0_ - 12, px_km(c.posizione), y0_) +
            "\n");
    std::vector<double> tacche, nomi;
    for (const stazione_vista& st : r_.stazioni) tacche.push_back(px_km(st.voce->valore_3));
    nomi = tacche;
    const double spazio = 12;
    for (size_t i = 1; i < nomi.size(); ++i) nomi[i] = std::max(nomi[i], nomi[i - 1] + spazio);
    for (size_t i = nomi.size(); i-- > 0;) {
      const double tetto = i + 1 < nomi.size() ? nomi[i + 1] - spazio : x0_ + w_ + 20;
      nomi[i] = std::min(nomi[i], tetto);
    }
    for (size_t i = 0; i < r_.stazioni.size(); ++i) {
      const double x = tacche[i], xn = nomi[i], yn = y0_ + h_ + 22;
      f_.aggiungi(linea_svg("station-tick", x, y0_ + h_, x, y0_ + h_ + 8) + "\n");
      f_.aggiungi(linea_svg("guida", x, y0_ + h_ + 8, xn, yn - 6) + "\n");
      f_.testo(xn + 3, yn, "nome-profilo", r_.stazioni[i].voce->testo, "end",
               formato(" transform=\"rotate(-60 %.1f %.1f)\"", xn + 3, yn));
    }
  }

  void legenda(double x, double y) {
    f_.aggiungi(formato(
        "<rect x=\"%.1f\" y=\"%.1f\" width=\"240\" height=\"136\" fill=\"#fff\" "
        "fill-opacity=\"0.9\" stroke=\"#ccc\"/>\n",
        x - 8, y - 4));
    const std::pair<std::string, const char*> voci[] = {
        {formato("<rect x=\"%.1f\" y=\"%.1f\" width=\"24\" height=\"10\" class=\"quota\"/>", x,
                 y + 4),
         "elevation"},
        {linea_svg("limite", x, y + 29, x + 24, y + 29), "train's speed limit"},
        {linea_svg("cartelli-a", x, y + 49, x + 24, y + 49), "speed boards (first, others dashed)"},
        {linea_svg("rallentamento", x, y + 69, x + 24, y + 69), "slowdown"},
        {formato("<rect x=\"%.1f\" y=\"%.1f\" width=\"24\" height=\"12\" class=\"banda\"/>", x,
                 y + 83),
         "tunnel"},
        {formato("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#d62728\"/>"
                 "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#1f4e9c\" "
                 "stroke-width=\"1.5\"/>",
                 x + 8, y + 102, x + 8, y + 114, x + 16, y + 102, x + 16, y + 114),
         "signal / station"},
    };
    double riga = 0;
    for (const auto& [segno, nome] : voci) {
      f_.aggiungi(segno + "\n");
      f_.testo(x + 32, y + 20 * riga + 13, "legenda", nome);
      ++riga;
    }
  }

  const scenario_compilato& s_;
  const riepilogo& r_;
  const int32_t fine_percorso_;
  foglio_svg& f_;
  const double x0_ = margine_sinistro, y0_ = profilo_alto;
  const double w_ = larghezza_pannelli, h_ = profilo_altezza;
  std::vector<double> quota_;
  double qmin_ = 0, qmax_ = 0, passo_quota_ = 1;
  double vtetto_ = 1;
};

}  // namespace

void disegna_profilo(const scenario_compilato& s, const riepilogo& r, int32_t fine_percorso,
                     foglio_svg& f) {
  pannello_profilo(s, r, fine_percorso, f).disegna();
}

}  // namespace compila
