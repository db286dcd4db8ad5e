#include <gtest/gtest.h>
#include <httplib.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "program_runner.h"
#include "scratch_dir.h"

// watch run as an author runs it, on the exported built-in sources, asked
// for its page over HTTP while its sources are saved, taken away and put
// back.
namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;
using namespace std::chrono_literals;

const std::string linea = "Verona _Firenze  _linea.txt";
const std::string treno = "Verona _Firenze  _ EC 85-.txt";

std::string leggi(const std::string& percorso) {
  std::ifstream in(percorso, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The page's data, or null when the page cannot be had.
json dati(httplib::Client& c) {
  const httplib::Result r = c.Get("/");
  if (!r || r->status != 200) return nullptr;
  const std::string apertura = "<script type=\"application/json\" id=\"scenario-data\">";
  const size_t da = r->body.find(apertura) + apertura.size();
  return json::parse(r->body.substr(da, r->body.find("</script>", da) - da));
}

// The page's data once a compile of that generation has been published.
json generazione(httplib::Client& c, int n) {
  json d;
  programma_in_corso::attendi(
      [&] {
        d = dati(c);
        return d.is_object() && d["compile"]["generation"] == n;
      },
      5s);
  return d;
}

}  // namespace

TEST(WatchProgram, ServesThePageFollowsEverySaveAndEndsCleanlyOnCtrlC) {
  scratch_dir dir;
  ASSERT_EQ(esegui_reale(COMPILA_SCENARIO_EXE, dir.path(), {"export-sources"}).stato, 0);
  fs::create_directory(dir.percorso("out"));
  const std::string originale = leggi(dir.percorso(treno));
  programma_in_corso watch(COMPILA_SCENARIO_EXE, dir.path(),
                           {"watch", linea, treno, "--output-dir", "out"});
  int porta = 0;
  const std::regex indirizzo(R"(http://127\.0\.0\.1:(\d+)/)");
  ASSERT_TRUE(programma_in_corso::attendi(
      [&] {
        const std::string out = watch.out();
        std::smatch m;
        if (!std::regex_search(out, m, indirizzo)) return false;
        porta = std::stoi(m[1]);
        return true;
      },
      10s))
      << watch.err();
  httplib::Client c("127.0.0.1", porta);

  json d = dati(c);
  ASSERT_TRUE(d.is_object());
  EXPECT_EQ(d["compile"]["generation"], 1);
  EXPECT_EQ(d["compile"]["anomalies"], json::array());
  EXPECT_EQ(d["stations"].size(), 35u);
  EXPECT_EQ(fs::file_size(dir.percorso("out/Verona _Firenze  _ EC 85.dat")), 4521u * 15);

  std::string evento;
  c.Get("/events", [&](const char* dati, size_t n) {
    evento.append(dati, n);
    return evento.find("\n\n") == std::string::npos;
  });
  EXPECT_EQ(evento, "event: compiled\ndata: {\"generation\":1,\"ok\":true}\n\n");

  for (const char* altro : {"/index.html", "/events/x", "/out/", "/favicon.ico",
                            "/%2e%2e/%2e%2e/etc/passwd", "/Verona%20_Firenze%20%20_linea.txt"}) {
    const httplib::Result r = c.Get(altro);
    ASSERT_TRUE(r) << altro;
    EXPECT_EQ(r->status, 404) << altro;
  }
  const httplib::Result post = c.Post("/", "x", "text/plain");
  ASSERT_TRUE(post);
  EXPECT_EQ(post->status, 404);

  // Saved the way many editors save: a new file renamed over the old one.
  std::string spostata = originale;
  spostata.replace(spostata.find("stazione,    6000,"), 18, "stazione,    6030,");
  std::ofstream(dir.percorso(treno + ".new"), std::ios::binary) << spostata;
  fs::rename(dir.percorso(treno + ".new"), dir.percorso(treno));
  d = generazione(c, 2);
  ASSERT_EQ(d["compile"]["anomalies"].size(), 1u) << d["compile"].dump();
  EXPECT_EQ(d["compile"]["anomalies"][0]["code"], 8);
  EXPECT_EQ(d["compile"]["anomalies"][0]["file"], treno);
  EXPECT_NE(watch.err().find(treno + ":17: anomaly 8 at 6030 m"), std::string::npos);

  // A source taken away: reported, the last good scenario kept on the page.
  fs::rename(dir.percorso(linea), dir.percorso("altrove"));
  d = generazione(c, 3);
  EXPECT_EQ(d["compile"]["ok"], false);
  EXPECT_EQ(d["compile"]["errors"],
            json({"compila_scenario: " + linea + " is missing; waiting for it to come back"}));
  EXPECT_EQ(d["cells"], 4521);

  // Another watch cannot take the same port.
  const corsa_programma secondo =
      esegui_reale(COMPILA_SCENARIO_EXE, dir.path(),
                   {"watch", linea, treno, "--port", std::to_string(porta)});
  EXPECT_EQ(secondo.stato, 5);
  EXPECT_EQ(secondo.err, "compila_scenario: cannot serve the page on 127.0.0.1:" +
                             std::to_string(porta) + ": the port is taken or not allowed\n");

  fs::rename(dir.percorso("altrove"), dir.percorso(linea));
  d = generazione(c, 4);
  EXPECT_EQ(d["compile"]["ok"], true);

  watch.segnala(SIGINT);
  EXPECT_EQ(watch.stato_finale(5s), 0) << watch.err();
  EXPECT_NE(watch.out().find("Stopped.\n"), std::string::npos);
  for (const auto& e : fs::directory_iterator(dir.percorso("out")))
    EXPECT_NE(e.path().extension(), ".tmp") << e.path();
  EXPECT_EQ(leggi(dir.percorso(treno)), spostata);
}
