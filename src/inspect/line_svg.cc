#include "inspect/line_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "inspect/printf_format.h"

namespace {

// One line of the drawing, its look given by its class.
std::string linea(const char* classe, double x1, double y1, double x2, double y2) {
  return formato("<line class=\"%s\" x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\"/>",
                 classe, x1, y1, x2, y2);
}

// Picture layout in pixels.
constexpr double larghezza_pagina = 1600;
constexpr double margine_sinistro = 80, margine_destro = 80;
constexpr double pianta_alto = 60, pianta_altezza = 820;
constexpr double profilo_alto = 980, profilo_altezza = 420;
constexpr double altezza_pagina = 1560;

const char* const stile_svg = R"(
  text { font-family: 'DejaVu Sans', Arial, sans-serif; fill: #222; }
  .titolo { font-size: 22px; font-weight: bold; }
  .sottotitolo { font-size: 14px; fill: #555; }
  .etichetta { font-size: 12px; }
  .asse { font-size: 12px; fill: #444; }
  .nome-profilo { font-size: 10px; fill: #333; }
  .legenda { font-size: 13px; }
  .binario { fill: none; stroke: #333; stroke-width: 2.2; stroke-linejoin: round; }
  .coda { fill: none; stroke: #aaa; stroke-width: 1.5; stroke-dasharray: 6 4; }
  .galleria { fill: none; stroke: #8a5a2b; stroke-width: 6; stroke-linecap: butt; opacity: 0.75; }
  .station, .station-detail { fill: #fff; stroke: #1f4e9c; stroke-width: 2.5; }
  .signal, .signal-detail { fill: #d62728; stroke: none; }
  .slowdown, .slowdown-detail { fill: #ff9900; stroke: #b36b00; stroke-width: 1; }
  .sign-board, .sign-board-detail { fill: #2ca02c; stroke: #1d6b1d; stroke-width: 1; }
  .richiamo { fill: none; stroke: #1f4e9c; stroke-width: 14; stroke-linecap: round; stroke-linejoin: round; opacity: 0.12; }
  .guida { stroke: #99a; stroke-width: 0.8; }
  .griglia { stroke: #e4e4e4; stroke-width: 1; }
  .cornice { fill: none; stroke: #888; stroke-width: 1; }
  .banda { fill: #8a5a2b; opacity: 0.16; }
  .quota { fill: #e8d9b5; stroke: #8c6d2c; stroke-width: 1.8; }
  .limite { fill: none; stroke: #1f4e9c; stroke-width: 2; }
  .cartelli-a { fill: none; stroke: #2ca02c; stroke-width: 2; }
  .cartelli-bc { fill: none; stroke: #2ca02c; stroke-width: 1; stroke-dasharray: 4 3; opacity: 0.7; }
  .rallentamento { fill: none; stroke: #ff9900; stroke-width: 6; }
  .station-tick { stroke: #1f4e9c; stroke-width: 1.5; }
  .signal-tick { stroke: #d62728; stroke-width: 1.2; }
)";

struct punto {
  double x = 0, y = 0;
};

// A step of 1, 2 or 5 times a power of ten giving about `quanti` intervals.
double passo_gradevole(double ampiezza, double quanti) {
  if (!(ampiezza > 0)) return 1;
  const double grezzo = ampiezza / quanti;
  const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
  for (double m : {1.0, 2.0, 5.0})
    if (grezzo <= m * potenza) return m * potenza;
  return 10 * potenza;
}

// The plan point at metre m, when the drawing has one there.
std::optional<punto> punto_pianta(const profilo_linea& p, int32_t m) {
  if (m < 0 || m > p.ultimo_metro()) return std::nullopt;
  if (p(m, 0).tag == elemento_profilo::etichetta::vuoto ||
      p(m, 1).tag == elemento_profilo::etichetta::vuoto)
    return std::nullopt;
  const punto q{p.valore(m, 0), p.valore(m, 1)};
  if (!std::isfinite(q.x) || !std::isfinite(q.y)) return std::nullopt;
  return q;
}

struct scatola {
  double x0, y0, x1, y1;
  bool tocca(const scatola& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

class disegno {
 public:
  disegno(const scenario_compilato& s, const riepilogo& r) : s_(s), r_(r) {
    fine_percorso_ = r.lunghezza_percorso > 0
                         ? r.lunghezza_percorso
                         : static_cast<int32_t>(s.celle.size()) * lunghezza_cella;
    ultimo_disegnato_ = ultimo_disegnato();
  }

  std::string svg() {
    out_ = formato(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
        "viewBox=\"0 0 %.0f %.0f\">\n",
        larghezza_pagina, altezza_pagina, larghezza_pagina, altezza_pagina);
    out_ += "<style>" + std::string(stile_svg) + "</style>\n";
    out_ += "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
    titolo();
    pianta();
    profilo();
    out_ += "</svg>\n";
    return out_;
  }

 private:
  void testo(double x, double y, const std::string& classe, const std::string& t,
             const char* ancora = "start", const std::string& extra = "") {
    out_ += formato("<text x=\"%.1f\" y=\"%.1f\" class=\"%s\" text-anchor=\"%s\"%s>", x, y,
                    classe.c_str(), ancora, extra.c_str()) +
            escapa_xml(t) + "</text>\n";
  }

  void titolo() {
    const voce_scenario& l = s_.tabella[voce::linea];
    const voce_scenario& t = s_.tabella[voce::treno];
    testo(margine_sinistro, 32, "titolo", "Line " + l.testo + "  \u2014  train " + t.testo);
    testo(margine_sinistro, 50, "sottotitolo",
          formato(
              "route %.1f km, %zu cells of 50 m, %zu stations, %zu sign boards, %zu point features",
              fine_percorso_ / 1000.0, s_.celle.size(), r_.stazioni.size(), r_.cartelli.size(),
              r_.caratteristiche.size()));
  }

  // ---- Plan ----

  // One view of the plan: a box on the page, the stretch of metres it shows
  // and the scale that fits that stretch into it.
  struct vista {
    double x0 = 0, y0 = 0, w = 0, h = 0;
    int32_t da = 0, a = 0;
    std::string suffisso;  // "" for the whole line, "-detail" for the detail
    double scala = 1, mx = 0, my = 0;
    punto verso_schermo(punto q) const {
      return {x0 + w / 2 + (q.x - mx) * scala, y0 + h / 2 - (q.y - my) * scala};
    }
  };

  int32_t ultimo_disegnato() const {
    for (int32_t m = s_.profilo.ultimo_metro(); m >= 0; --m)
      if (punto_pianta(s_.profilo, m)) return m;
    return -1;
  }

  // The stretch of about 40 % of the route where the line turns the most:
  // the one worth a closer look.
  std::pair<int32_t, int32_t> tratto_piu_curvo(int32_t ultimo) const {
    const int32_t passo = lunghezza_cella;
    std::vector<double> svolta;  // turn between consecutive 50 m steps
    double direzione_prima = 0;
    for (int32_t m = 0; m + passo <= ultimo; m += passo) {
      auto p = punto_pianta(s_.profilo, m), q = punto_pianta(s_.profilo, m + passo);
      const double d = p && q ? std::atan2(q->y - p->y, q->x - p->x) : direzione_prima;
      double delta = std::remainder(d - direzione_prima, 2 * 3.14159265358979);
      svolta.push_back(m == 0 ? 0 : std::abs(delta));
      direzione_prima = d;
    }
    const size_t finestra =
        std::max<size_t>(1, static_cast<size_t>(std::min(fine_percorso_, ultimo) * 0.4 / passo));
    if (svolta.size() <= finestra) return {0, ultimo};
    double somma = 0, migliore = -1;
    size_t inizio = 0;
    for (size_t i = 0; i < svolta.size(); ++i) {
      somma += svolta[i];
      if (i >= finestra) somma -= svolta[i - finestra];
      if (i + 1 >= finestra && somma > migliore) migliore = somma, inizio = i + 1 - finestra;
    }
    const int32_t da = static_cast<int32_t>(inizio) * passo;
    return {da, std::min<int32_t>(da + static_cast<int32_t>(finestra) * passo, ultimo)};
  }

  void pianta() {
    const double x0 = margine_sinistro, y0 = pianta_alto + 20;
    const double w = larghezza_pagina - margine_sinistro - margine_destro, h = pianta_altezza - 20;
    out_ += "<g id=\"plan\">\n";
    const int32_t ultimo = ultimo_disegnato_;
    if (ultimo < 1) {
      out_ += formato(
          "<rect class=\"cornice\" x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\"/>\n", x0,
          y0, w, h);
      testo(x0 + w / 2, y0 + h / 2, "legenda", "no line drawing", "middle");
      // The marks still count one per station and per signal.
      for (size_t i = 0; i < r_.stazioni.size(); ++i)
        out_ += "<circle class=\"station\" r=\"0\"/>\n";
      for (const caratteristica& c : r_.caratteristiche)
        if (c.tipo == tipo::segnale) out_ += "<circle class=\"signal\" r=\"0\"/>\n";
      out_ += "</g>\n";
      return;
    }
    const double w_intera = 470;
    vista intera{x0, y0, w_intera, h, 0, ultimo, ""};
    const auto [da, a] = tratto_piu_curvo(std::min(ultimo, fine_percorso_));
    vista dettaglio{x0 + w_intera + 20, y0, w - w_intera - 20, h, da, a, "-detail"};
    adatta(intera);
    adatta(dettaglio);

    disegna_vista(intera, dettaglio);
    disegna_vista(dettaglio, std::nullopt);
    testo(x0 + 8, y0 + 18, "legenda", "Plan of the line drawing (north up)");
    testo(
        dettaglio.x0 + 8, dettaglio.y0 + 18, "legenda",
        formato("Detail: km %.1f to %.1f, where the line turns the most", da / 1000.0, a / 1000.0));
    legenda_pianta(dettaglio.x0 + 14, dettaglio.y0 + dettaglio.h - 140);
    out_ += "</g>\n";
  }

  // Equal scale on both axes, the stretch centred, room for the labels.
  void adatta(vista& v) const {
    double minx = 1e300, maxx = -1e300, miny = 1e300, maxy = -1e300;
    for (int32_t m = v.da; m <= v.a; m += 10)
      if (auto q = punto_pianta(s_.profilo, m)) {
        minx = std::min(minx, q->x), maxx = std::max(maxx, q->x);
        miny = std::min(miny, q->y), maxy = std::max(maxy, q->y);
      }
    const double bordo = 70;
    v.scala = std::min((v.w - 2 * bordo) / std::max(maxx - minx, 1.0),
                       (v.h - 2 * bordo) / std::max(maxy - miny, 1.0));
    v.mx = (minx + maxx) / 2, v.my = (miny + maxy) / 2;
  }

  void disegna_vista(const vista& v, const std::optional<vista>& riquadro) {
    out_ +=
        formato("<rect class=\"cornice\" x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\"/>\n",
                v.x0, v.y0, v.w, v.h);
    const int32_t fine = std::min(fine_percorso_, v.a);
    binario(v, v.da, fine, "binario");
    if (v.a > fine_percorso_) binario(v, fine_percorso_, v.a, "coda");
    for (const galleria_vista& g : r_.gallerie)
      if (g.fine() > v.da && g.inizio() < v.a)
        binario(v, std::max(g.inizio(), v.da), std::min(g.fine(), v.a), "galleria");
    if (riquadro) {
      // Where the detail lies on the whole line.
      std::string punti;
      for (int32_t m = riquadro->da; m <= riquadro->a; m += 500)
        if (auto q = schermo(v, m)) punti += formato("%.1f,%.1f ", q->x, q->y);
      out_ += "<polyline class=\"richiamo\" points=\"" + punti + "\"/>\n";
    }

    for (const caratteristica& c : r_.caratteristiche) {
      if (c.posizione < v.da || c.posizione > v.a) continue;
      auto q = schermo(v, c.posizione);
      if (!q) continue;
      if (c.tipo == tipo::segnale)
        out_ += formato(
            "<circle class=\"signal%s\" cx=\"%.1f\" cy=\"%.1f\" r=\"3.2\"><title>signal "
            "%d m</title></circle>\n",
            v.suffisso.c_str(), q->x, q->y, c.posizione);
      else if (c.tipo == tipo::inizio_rallentamento || c.tipo == tipo::fine_rallentamento ||
               c.tipo == tipo::avviso_rallentamento)
        out_ += formato(
            "<rect class=\"slowdown%s\" x=\"%.1f\" y=\"%.1f\" width=\"9\" height=\"9\" "
            "transform=\"rotate(45 %.1f %.1f)\"/>\n",
            v.suffisso.c_str(), q->x - 4.5, q->y - 4.5, q->x, q->y);
      else if (c.tipo == tipo::cartello)
        out_ += formato(
            "<rect class=\"sign-board%s\" x=\"%.1f\" y=\"%.1f\" width=\"8\" height=\"8\"/>\n",
            v.suffisso.c_str(), q->x - 4, q->y - 4);
    }
    stazioni_pianta(v, riquadro);
    scala_e_nord(v);
  }

  // The screen point of metre m in view v, clamped to the drawing.
  std::optional<punto> schermo(const vista& v, int32_t m) const {
    auto q = punto_pianta(s_.profilo, std::clamp<int32_t>(m, 0, std::max(ultimo_disegnato_, 0)));
    if (!q) return std::nullopt;
    return v.verso_schermo(*q);
  }

  void binario(const vista& v, int32_t da, int32_t a, const char* classe) {
    std::string punti;
    for (int32_t m = da; m <= a; m += lunghezza_cella) {
      auto q = schermo(v, m);
      if (!q) continue;
      punti += formato("%.1f,%.1f ", q->x, q->y);
    }
    if (auto q = schermo(v, a)) punti += formato("%.1f,%.1f", q->x, q->y);
    if (!punti.empty())
      out_ += formato("<polyline class=\"%s\" points=\"", classe) + punti + "\"/>\n";
  }

  // Every station in the view gets its mark; the labels go to the detail for
  // the stations it shows. A label takes the first spot around its station
  // that covers no other label, mark or stretch of line.
  void stazioni_pianta(const vista& v, const std::optional<vista>& riquadro) {
    std::vector<scatola> occupate;
    for (int32_t m = v.da; m <= v.a; m += 250)
      if (auto q = schermo(v, m)) occupate.push_back({q->x - 3, q->y - 3, q->x + 3, q->y + 3});
    std::vector<std::pair<const stazione_vista*, punto>> posti;
    for (const stazione_vista& st : r_.stazioni) {
      const int32_t m = st.voce->valore_3;
      if (m < v.da || m > v.a) continue;
      auto q = schermo(v, m);
      if (!q) continue;
      posti.emplace_back(&st, *q);
      occupate.push_back({q->x - 7, q->y - 7, q->x + 7, q->y + 7});
      out_ += formato("<circle class=\"station%s\" cx=\"%.1f\" cy=\"%.1f\" r=\"5\"><title>",
                      v.suffisso.c_str(), q->x, q->y) +
              escapa_xml(st.voce->testo) + "</title></circle>\n";
    }
    for (const auto& [st, q] : posti) {
      if (riquadro && st->voce->valore_3 >= riquadro->da && st->voce->valore_3 <= riquadro->a)
        continue;
      etichetta(v, q, st->voce->testo, occupate);
    }
  }

  void etichetta(const vista& v, punto q, const std::string& nome, std::vector<scatola>& occupate) {
    const double lw = 7.0 * static_cast<double>(nome.size()), lh = 13;
    for (double raggio : {10.0, 22.0, 36.0, 54.0, 76.0, 100.0}) {
      for (int a = 0; a < 16; ++a) {
        // Right and left first, then upwards and downwards.
        static constexpr int ordine[16] = {0, 8, 1, 15, 7, 9, 2, 14, 6, 10, 3, 13, 5, 11, 4, 12};
        const double ang = ordine[a] * 3.14159265358979 / 8;
        const double dx = std::cos(ang) * raggio, dy = std::sin(ang) * raggio;
        // A label right of its point starts there, one left of it ends there.
        const double lx = dx >= -0.5 ? q.x + dx : q.x + dx - lw;
        const double ly = q.y + dy;
        const scatola b{lx, ly - lh / 2, lx + lw, ly + lh / 2};
        if (b.x0 < v.x0 + 2 || b.x1 > v.x0 + v.w - 2 || b.y0 < v.y0 + 24 || b.y1 > v.y0 + v.h - 2)
          continue;
        bool libera = true;
        for (const scatola& o : occupate) libera = libera && !o.tocca(b);
        if (!libera) continue;
        occupate.push_back(b);
        if (raggio > 12)
          out_ += linea("guida", q.x, q.y, q.x + dx, ly) + "\n";
        testo(b.x0, b.y1 - 3, "etichetta", nome);
        return;
      }
    }
    testo(q.x + 8, q.y - 8, "etichetta", nome);  // nowhere free: next to its station
  }

  void scala_e_nord(const vista& v) {
    const double metri = passo_gradevole(160 / v.scala, 1);  // about 160 px
    const double px = metri * v.scala;
    const double bx = v.x0 + v.w - px - 20, by = v.y0 + v.h - 20;
    out_ += formato(
        "<path d=\"M%.1f %.1f v6 h%.1f v-6\" fill=\"none\" stroke=\"#333\" "
        "stroke-width=\"1.5\"/>\n",
        bx, by - 6, px);
    testo(bx + px / 2, by - 10, "asse", formato("%g km", metri / 1000), "middle");
    const double nx = v.x0 + v.w - 24, ny = v.y0 + 40;
    out_ += formato("<path d=\"M%.1f %.1f l8 22 l-8 -6 l-8 6 z\" fill=\"#333\"/>\n", nx, ny);
    testo(nx, ny - 6, "asse", "N", "middle");
  }

  void legenda_pianta(double x, double y) {
    struct voce_legenda {
      std::string segno, nome;
    };
    const std::vector<voce_legenda> voci = {
        {linea("binario", x, y, x + 24, y),
         "line"},
        {linea("galleria", x, y + 20, x + 24, y + 20),
         "tunnel"},
        {linea("coda", x, y + 40, x + 24, y + 40),
         "past the route's end"},
        {formato("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"5\" fill=\"#fff\" stroke=\"#1f4e9c\" "
                 "stroke-width=\"2.5\"/>",
                 x + 12, y + 60),
         "station"},
        {formato("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"3.2\" fill=\"#d62728\"/>", x + 12, y + 80),
         "signal"},
        {formato("<rect x=\"%.1f\" y=\"%.1f\" width=\"9\" height=\"9\" fill=\"#ff9900\" "
                 "transform=\"rotate(45 %.1f %.1f)\"/>",
                 x + 7.5, y + 95.5, x + 12, y + 100),
         "slowdown board, start, end"},
        {formato("<rect x=\"%.1f\" y=\"%.1f\" width=\"8\" height=\"8\" fill=\"#2ca02c\"/>", x + 8,
                 y + 116),
         "sign board"},
    };
    for (size_t i = 0; i < voci.size(); ++i) {
      out_ += voci[i].segno + "\n";
      testo(x + 32, y + 20 * static_cast<double>(i) + 4, "legenda", voci[i].nome);
    }
  }

  // ---- Profile ----

  double px_km(double metri) const {
    const double w = larghezza_pagina - margine_sinistro - margine_destro;
    return margine_sinistro + metri / std::max<double>(fine_percorso_, 1) * w;
  }

  void profilo() {
    const double x0 = margine_sinistro, y0 = profilo_alto;
    const double w = larghezza_pagina - margine_sinistro - margine_destro, h = profilo_altezza;
    out_ += "<g id=\"profile\">\n";
    testo(x0, y0 - 42, "legenda",
          "Longitudinal profile: elevation from the gradients, speeds, tunnels, stations, signals");

    // Elevation at the start of every cell up to the route's end.
    const size_t celle_percorso =
        std::min(s_.celle.size(), static_cast<size_t>(fine_percorso_ / lunghezza_cella));
    std::vector<double> quota(celle_percorso + 1, 0.0);
    for (size_t k = 0; k < celle_percorso; ++k)
      quota[k + 1] = quota[k] + (s_.celle[k].pendenza - 100) * lunghezza_cella / 1000.0;
    double qmin = 0, qmax = 0;
    for (double q : quota) qmin = std::min(qmin, q), qmax = std::max(qmax, q);
    const double passo_q = passo_gradevole(std::max(qmax - qmin, 10.0), 5);
    qmin = std::floor(qmin / passo_q) * passo_q;
    qmax = std::ceil(qmax / passo_q) * passo_q + passo_q;
    const auto y_quota = [&](double q) { return y0 + h - (q - qmin) / (qmax - qmin) * h; };

    int vmax = 50;
    for (const cella& c : s_.celle) vmax = std::max(vmax, c.limite * 5);
    for (const caratteristica& c : r_.caratteristiche)
      if (c.tipo == tipo::indicatori_v_max)
        for (const auto& [nome, v] : c.valori)
          if (nome.find("kmh") != std::string::npos) vmax = std::max(vmax, v);
    const double vtetto = std::ceil(vmax / 50.0) * 50 + 50;
    const auto y_vel = [&](double v) { return y0 + h - v / vtetto * h; };

    // Tunnels as bands behind everything.
    for (const galleria_vista& g : r_.gallerie) {
      if (g.inizio() >= fine_percorso_) continue;
      const double a = px_km(g.inizio()), b = px_km(std::min(g.fine(), fine_percorso_));
      out_ +=
          formato("<rect class=\"banda\" x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\"/>\n",
                  a, y0, std::max(b - a, 0.8), h);
    }

    assi(x0, y0, w, h, qmin, qmax, passo_q, vtetto, y_quota, y_vel);

    std::string area = formato("M%.1f %.1f ", px_km(0), y0 + h);
    for (size_t k = 0; k < quota.size(); ++k)
      area += formato("L%.1f %.1f ", px_km(static_cast<double>(k) * lunghezza_cella),
                      y_quota(quota[k]));
    area += formato("L%.1f %.1f Z", px_km(static_cast<double>(celle_percorso) * lunghezza_cella),
                    y0 + h);
    out_ += "<path class=\"quota\" d=\"" + area + "\"/>\n";

    gradini_limite(y_vel);
    gradini_cartelli(y_vel);
    for (const caratteristica& c : r_.caratteristiche) {
      if (c.tipo != tipo::inizio_rallentamento) continue;
      const auto fine = std::find_if(
          r_.caratteristiche.begin(), r_.caratteristiche.end(), [&](const caratteristica& e) {
            return e.tipo == tipo::fine_rallentamento && e.cella > c.cella;
          });
      const int32_t a = c.posizione, b = fine == r_.caratteristiche.end() ? a : fine->posizione;
      const double yv = y_vel(c.valori[0].second);
      out_ += linea("rallentamento", px_km(a), yv, std::max(px_km(b), px_km(a) + 12), yv) + "\n";
    }

    // Ticks: signals above the frame, stations below with their names.
    for (const caratteristica& c : r_.caratteristiche)
      if (c.tipo == tipo::segnale)
        out_ += linea("signal-tick", px_km(c.posizione), y0 - 12, px_km(c.posizione), y0) + "\n";
    // Station names slant below the frame, spread apart where stations crowd.
    std::vector<double> tacche, nomi;
    for (const stazione_vista& st : r_.stazioni) tacche.push_back(px_km(st.voce->valore_3));
    nomi = tacche;
    const double spazio = 12;
    for (size_t i = 1; i < nomi.size(); ++i) nomi[i] = std::max(nomi[i], nomi[i - 1] + spazio);
    for (size_t i = nomi.size(); i-- > 0;) {
      const double tetto = i + 1 < nomi.size() ? nomi[i + 1] - spazio : x0 + w + 20;
      nomi[i] = std::min(nomi[i], tetto);
    }
    for (size_t i = 0; i < r_.stazioni.size(); ++i) {
      const double x = tacche[i], xn = nomi[i], yn = y0 + h + 22;
      out_ += linea("station-tick", x, y0 + h, x, y0 + h + 8) + "\n";
      out_ += linea("guida", x, y0 + h + 8, xn, yn - 6) + "\n";
      testo(xn + 3, yn, "nome-profilo", r_.stazioni[i].voce->testo, "end",
            formato(" transform=\"rotate(-60 %.1f %.1f)\"", xn + 3, yn));
    }
    legenda_profilo(x0 + w - 250, y0 + 12);
    out_ += "</g>\n";
  }

  template <typename Fq, typename Fv>
  void assi(double x0, double y0, double w, double h, double qmin, double qmax, double passo_q,
            double vtetto, Fq y_quota, Fv y_vel) {
    out_ +=
        formato("<rect class=\"cornice\" x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\"/>\n",
                x0, y0, w, h);
    const double passo_km = passo_gradevole(fine_percorso_ / 1000.0, 20);
    for (double km = 0; km * 1000 <= fine_percorso_ + 1e-6; km += passo_km) {
      const double x = px_km(km * 1000);
      out_ += linea("griglia", x, y0, x, y0 + h) + "\n";
      testo(x, y0 - 16, "asse", formato("%g", km), "middle");
    }
    testo(x0 + w, y0 - 30, "asse", "km", "end");
    for (double q = qmin; q <= qmax + 1e-9; q += passo_q) {
      out_ += linea("griglia", x0, y_quota(q), x0 + w, y_quota(q)) + "\n";
      testo(x0 - 6, y_quota(q) + 4, "asse", formato("%g", q), "end");
    }
    testo(x0 - 56, y0 + h / 2, "asse", "elevation (m, from the start)", "middle",
          formato(" transform=\"rotate(-90 %.1f %.1f)\"", x0 - 56, y0 + h / 2));
    for (double v = 0; v <= vtetto; v += 50)
      testo(x0 + w + 6, y_vel(v) + 4, "asse", formato("%g", v), "start");
    testo(x0 + w + 56, y0 + h / 2, "asse", "speed (km/h)", "middle",
          formato(" transform=\"rotate(90 %.1f %.1f)\"", x0 + w + 56, y0 + h / 2));
  }

  template <typename Fv>
  void gradini_limite(Fv y_vel) {
    std::string d;
    int precedente = -1;
    const size_t celle =
        std::min(s_.celle.size(), static_cast<size_t>(fine_percorso_ / lunghezza_cella));
    for (size_t k = 0; k < celle; ++k) {
      const int v = s_.celle[k].limite * 5;
      const double x = px_km(static_cast<double>(k) * lunghezza_cella);
      if (precedente < 0)
        d += formato("M%.1f %.1f ", x, y_vel(v));
      else if (v != precedente)
        d += formato("H%.1f V%.1f ", x, y_vel(v));
      precedente = v;
    }
    if (!d.empty()) {
      d += formato("H%.1f", px_km(fine_percorso_));
      out_ += "<path class=\"limite\" d=\"" + d + "\"/>\n";
    }
  }

  template <typename Fv>
  void gradini_cartelli(Fv y_vel) {
    for (int i = 0; i < 3; ++i) {
      std::string d;
      for (const caratteristica& c : r_.caratteristiche) {
        if (c.tipo != tipo::indicatori_v_max) continue;
        const double x = px_km(c.posizione), y = y_vel(c.valori[static_cast<size_t>(i)].second);
        d += d.empty() ? formato("M%.1f %.1f ", x, y) : formato("H%.1f V%.1f ", x, y);
      }
      if (d.empty()) return;
      d += formato("H%.1f", px_km(fine_percorso_));
      out_ +=
          formato("<path class=\"%s\" d=\"", i == 0 ? "cartelli-a" : "cartelli-bc") + d + "\"/>\n";
    }
  }

  void legenda_profilo(double x, double y) {
    out_ += formato(
        "<rect x=\"%.1f\" y=\"%.1f\" width=\"240\" height=\"136\" fill=\"#fff\" "
        "fill-opacity=\"0.9\" stroke=\"#ccc\"/>\n",
        x - 8, y - 4);
    const std::vector<std::pair<std::string, std::string>> voci = {
        {formato("<rect x=\"%.1f\" y=\"%.1f\" width=\"24\" height=\"10\" class=\"quota\"/>", x,
                 y + 4),
         "elevation"},
        {linea("limite", x, y + 29, x + 24, y + 29),
         "train's speed limit"},
        {linea("cartelli-a", x, y + 49, x + 24, y + 49),
         "speed boards (first, others dashed)"},
        {linea("rallentamento", x, y + 69, x + 24, y + 69),
         "slowdown"},
        {formato("<rect x=\"%.1f\" y=\"%.1f\" width=\"24\" height=\"12\" class=\"banda\"/>", x,
                 y + 83),
         "tunnel"},
        {formato("<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#d62728\"/>"
                 "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#1f4e9c\" "
                 "stroke-width=\"1.5\"/>",
                 x + 8, y + 102, x + 8, y + 114, x + 16, y + 102, x + 16, y + 114),
         "signal / station"},
    };
    for (size_t i = 0; i < voci.size(); ++i) {
      out_ += voci[i].first + "\n";
      testo(x + 32, y + 20 * static_cast<double>(i) + 13, "legenda", voci[i].second);
    }
  }

  const scenario_compilato& s_;
  const riepilogo& r_;
  int32_t fine_percorso_ = 0;
  std::string out_;
  int32_t ultimo_disegnato_ = -1;
};

}  // namespace

std::string escapa_xml(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        // Control characters other than tab and line ends are not allowed in XML 1.0.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
          out += "?";
        else
          out += c;
    }
  }
  return out;
}

std::string disegno_svg(const scenario_compilato& s, const riepilogo& r) {
  return disegno(s, r).svg();
}
