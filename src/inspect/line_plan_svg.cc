#include "inspect/line_plan_svg.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "inspect/label_placement.h"
#include "inspect/printf_format.h"
#include "inspect/svg_layout.h"

namespace compila {

namespace {

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

class pannello_pianta {
 public:
  pannello_pianta(const scenario_compilato& s, const riepilogo& r, int32_t fine_percorso,
                  foglio_svg& f)
      : s_(s), r_(r), fine_percorso_(fine_percorso), f_(f),
        ultimo_disegnato_(ultimo_disegnato()) {}

  void disegna() {
    const double x0 = margine_sinistro, y0 = pianta_alto + 20;
    const double w = larghezza_pannelli, h = pianta_altezza - 20;
    f_.aggiungi("<g id=\"plan\">\n");
    const int32_t ultimo = ultimo_disegnato_;
    if (ultimo < 1) {
      senza_disegno(x0, y0, w, h);
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
    f_.testo(x0 + 8, y0 + 18, "legenda", "Plan of the line drawing (north up)");
    f_.testo(
        dettaglio.x0 + 8, dettaglio.y0 + 18, "legenda",
        formato("Detail: km %.1f to %.1f, where the line turns the most", da / 1000.0, a / 1000.0));
    legenda(dettaglio.x0 + 14, dettaglio.y0 + dettaglio.h - 140);
    f_.aggiungi("</g>\n");
  }

 private:
  void senza_disegno(double x0, double y0, double w, double h) {
    f_.aggiungi(formato(
        "<rect class=\"cornice\" x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\"/>\n", x0,
        y0, w, h));
    f_.testo(x0 + w / 2, y0 + h / 2, "legenda", "no line drawing", "middle");
    // The marks still count one per station and per signal.
    for (size_t i = 0; i < r_.stazioni.size(); ++i)
      f_.aggiungi("<circle class=\"station\" r=\"0\"/>\n");
    for (const caratteristica& c : r_.caratteristiche)
      if (c.tipo == tipo::segnale) f_.aggiungi("<circle class=\"signal\" r=\"0\"/>\n");
    f_.aggiungi("</g>\n");
  }

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
    f_.aggiungi(
        formato("<rect class=\"cornice\" x=\"%.1f\" y=\"%.1f\" width=\"%.1f\" height=\"%.1f\"/>\n",
                v.x0, v.y0, v.w, v.h));
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
      f_.aggiungi("<polyline class=\"richiamo\" points=\"" + punti + "\"/>\n");
    }
    segni(v);
    stazioni(v, riquadro);
    scala_e_nord(v);
  }

  void segni(const vista& v) {
    for (const caratteristica& c : r_.caratteristiche) {
      if (c.posizione < v.da || c.posizione > v.a) continue;
      auto q = schermo(v, c.posizione);
      if (!q) continue;
      if (c.tipo == tipo::segnale)
        f_.aggiungi(formato(
            "<circle class=\"signal%s\" cx=\"%.1f\" cy=\"%.1f\" r=\"3.2\"><title>signal "
            "%d m</title></circle>\n",
            v.suffisso.c_str(), q->x, q->y, c.posizione));
      else if (c.tipo == tipo::inizio_rallentamento || c.tipo == tipo::fine_rallentamento ||
               c.tipo == tipo::avviso_rallentamento)
        f_.aggiungi(formato(
            "<rect class=\"slowdown%s\" x=\"%.1f\" y=\"%.1f\" width=\"9\" height=\"9\" "
            "transform=\"rotate(45 %.1f %.1f)\"/>\n",
            v.suffisso.c_str(), q->x - 4.5, q->y - 4.5, q->x, q->y));
      else if (c.tipo == tipo::cartello)
        f_.aggiungi(formato(
            "<rect class=\"sign-board%s\" x=\"%.1f\" y=\"%.1f\" width=\"8\" height=\"8\"/>\n",
            v.suffisso.c_str(), q->x - 4, q->y - 4));
    }
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
      f_.aggiungi(formato("<polyline class=\"%s\" points=\"", classe) + punti + "\"/>\n");
  }

  // Every station in the view gets its mark; the labels go to the detail for
  // the stations it shows. A label covers no other label, mark or stretch of
  // line; with no free spot it goes next to its station.
  void stazioni(const vista& v, const std::optional<vista>& riquadro) {
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
      f_.aggiungi(formato("<circle class=\"station%s\" cx=\"%.1f\" cy=\"%.1f\" r=\"5\"><title>",
                          v.suffisso.c_str(), q->x, q->y) +
                  escapa_xml(st.voce->testo) + "</title></circle>\n");
    }
    const scatola area{v.x0 + 2, v.y0 + 24, v.x0 + v.w - 2, v.y0 + v.h - 2};
    for (const auto& [st, q] : posti) {
      if (riquadro && st->voce->valore_3 >= riquadro->da && st->voce->valore_3 <= riquadro->a)
        continue;
      const std::string& nome = st->voce->testo;
      const auto posto =
          posa_etichetta(q, 7.0 * static_cast<double>(nome.size()), 13, area, occupate);
      if (!posto) {
        f_.testo(q.x + 8, q.y - 8, "etichetta", nome);
        continue;
      }
      if (posto->fine_guida)
        f_.aggiungi(linea_svg("guida", q.x, q.y, posto->fine_guida->x, posto->fine_guida->y) +
                    "\n");
      f_.testo(posto->riquadro.x0, posto->riquadro.y1 - 3, "etichetta", nome);
    }
  }

  void scala_e_nord(const vista& v) {
    const double metri = passo_gradevole(160 / v.scala, 1);  // about 160 px
    const double px = metri * v.scala;
    const double bx = v.x0 + v.w - px - 20, by = v.y0 + v.h - 20;
    f_.aggiungi(formato(
        "<path d=\"M%.1f %.1f v6 h%.1f v-6\" fill=\"none\" stroke=\"#333\" "
        "stroke-width=\"1.5\"/>\n",
        bx, by - 6, px));
    f_.testo(bx + px / 2, by - 10, "asse", formato("%g km", metri / 1000), "middle");
    const double nx = v.x0 + v.w - 24, ny = v.y0 + 40;
    f_.aggiungi(formato("<path d=\"M%.1f %.1f l8 22 l-8 -6 l-8 6 z\" fill=\"#333\"/>\n", nx, ny));
    f_.testo(nx, ny - 6, "asse", "N", "middle");
  }

  void legenda(double x, double y) {
    const std::pair<std::string, const char*> voci[] = {
        {linea_svg("binario", x, y, x + 24, y), "line"},
        {linea_svg("galleria", x, y + 20, x + 24, y + 20), "tunnel"},
        {linea_svg("coda", x, y + 40, x + 24, y + 40), "past the route's end"},
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
    double riga = 0;
    for (const auto& [segno, nome] : voci) {
      f_.aggiungi(segno + "\n");
      f_.testo(x + 32, y + 20 * riga + 4, "legenda", nome);
      ++riga;
    }
  }

  const scenario_compilato& s_;
  const riepilogo& r_;
  const int32_t fine_percorso_;
  foglio_svg& f_;
  const int32_t ultimo_disegnato_;
};

}  // namespace

void disegna_pianta(const scenario_compilato& s, const riepilogo& r, int32_t fine_percorso,
                    foglio_svg& f) {
  pannello_pianta(s, r, fine_percorso, f).disegna();
}

}  // namespace compila
