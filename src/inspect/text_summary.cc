#include "inspect/text_summary.h"

#include <cstdio>
#include <string>

#include "inspect/printf_format.h"

namespace compila {

namespace {

std::string tra_virgolette(const std::string& s) { return "\"" + s + "\""; }

void generali(const scenario_compilato& s, std::ostream& out) {
  const tabella_scenario& t = s.tabella;
  out << "General records\n";
  for (int k : {voce::progressiva_tre, voce::progressiva_due, voce::progressiva_uno}) {
    const voce_scenario& v = t[static_cast<size_t>(k)];
    if (v.valore_1 == 0 && v.valore_2 == 0 && v.valore_3 == 0)
      out << formato("  %d chainage section: not used\n", k);
    else
      out << formato("  %d chainage section: from %d m, reference %d m, flag %d%s\n", k, v.valore_1,
                     v.valore_2, v.valore_3, v.valore_3 == 1 ? " (chainage decreasing)" : "");
  }
  const voce_scenario& g = t[voce::generale_treno];
  out << formato("  84 train and route: braked mass %d %%, route length %d m, %d coaches\n",
                 g.valore_1, g.valore_2, g.valore_3);
  const voce_scenario& l = t[voce::linea];
  out << formato("  85 line %s: background uno %d, tre %d, due %d; marker %d; weighted code %d\n",
                 tra_virgolette(l.testo).c_str(), l.valore_1, l.valore_2, l.valore_3, l.intero_1,
                 l.valore_4);
  const voce_scenario& n = t[voce::treno];
  const std::string ripetizione = n.valore_2 == 0
                                      ? std::string("no signal repetition")
                                      : formato("signal repetition from %d m to %d m with %d codes",
                                                n.valore_1, n.valore_2, n.valore_3);
  out << formato("  86 train %s: %s; sand %d; clock %02d:%02d:%02d\n",
                 tra_virgolette(n.testo).c_str(), ripetizione.c_str(), n.intero_1, n.intero_3,
                 n.intero_4, n.intero_5);
  if (s.celle.size() > 1)
    out << formato("  cell 1: marker %d, plain code %d\n", s.celle[1].dato_1, s.celle[1].dato_2);
}

void stazioni(const riepilogo& r, std::ostream& out) {
  out << "\nStations (" << r.stazioni.size() << ")\n"
      << "  rec kind    start      end position     time stop cell  name\n";
  for (const stazione_vista& st : r.stazioni) {
    const voce_scenario& v = *st.voce;
    out << formato("  %3d %4d %8d %8d %8d %8s %9s  %s\n", st.record, v.tipo, v.valore_1, v.valore_2,
                   v.valore_3, orario(v.valore_4).c_str(),
                   st.cella_fermata < 0 ? "-" : std::to_string(st.cella_fermata).c_str(),
                   v.testo.c_str());
  }
}

void cartelli(const riepilogo& r, std::ostream& out) {
  out << "\nSign boards (" << r.cartelli.size() << ")\n"
      << "  rec  cell position  text\n";
  for (const cartello_visto& c : r.cartelli) {
    const std::string cella = c.cella < 0 ? "-" : std::to_string(c.cella);
    const std::string pos = c.cella < 0 ? "-" : std::to_string((c.cella - 1) * lunghezza_cella);
    out << formato("  %3d %5s %8s  %s\n", c.record, cella.c_str(), pos.c_str(), c.testo.c_str());
  }
}

void gallerie(const riepilogo& r, std::ostream& out) {
  out << "\nTunnel stretches (" << r.gallerie.size() << ")\n"
      << "      from       to  cells        code markers\n";
  for (const galleria_vista& g : r.gallerie)
    out << formato("  %8d %8d  %4d-%-4d %5d %7d\n", g.inizio(), g.fine(), g.prima_cella,
                   g.ultima_cella, g.codice, g.marcatori);
}

void caratteristiche(const riepilogo& r, std::ostream& out) {
  out << "\nPoint features (" << r.caratteristiche.size() << ")\n"
      << "  cell position  feature                 values\n";
  for (const caratteristica& c : r.caratteristiche)
    out << formato("  %4d %8d  %-22s  %s\n", c.cella, c.posizione, c.genere.c_str(),
                   c.descrizione.c_str());
}

}  // namespace

void scrivi_riepilogo(const scenario_compilato& s, const riepilogo& r, std::ostream& out) {
  out << "Route length " << r.lunghezza_percorso << " m; " << s.celle.size() << " cells of "
      << lunghezza_cella << " m";
  if (!s.celle.empty()) out << " (0 to " << s.celle.size() - 1 << ")";
  if (s.profilo.ultimo_metro() >= 0)
    out << "; line drawing of metres 0 to " << s.profilo.ultimo_metro();
  else
    out << "; no line drawing";
  out << "\n\n";
  generali(s, out);
  stazioni(r, out);
  cartelli(r, out);
  gallerie(r, out);
  caratteristiche(r, out);
}

}  // namespace compila
