#include "app/compile_mode.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/run.h"
#include "platform/program_directory.h"
#include "memory_file_system.h"
#include "sources/line_description.h"
#include "sources/train_description.h"
#include "textio/text_writer.h"

using namespace compila;

namespace {

const std::string linea = "/src/Roma_linea.txt";
const std::string treno = "/src/Roma_IC 7-.txt";

// A compiled file's path in the output directory "/out".
std::string in_out(const std::string& nome) { return "/out" + std::string(1, separatore) + nome; }

// The built-in descriptions under an author's names, and a directory for the
// compiled files.
struct banco {
  memory_file_system fs;
  opzioni_compilazione o;
  std::ostringstream out, err;

  banco() {
    fs.file[linea] = testo_windows1252(righe_descrizione_linea());
    fs.file[treno] = testo_windows1252(righe_descrizione_treno());
    fs.directory.insert("/out");
    o.descrizione_linea = linea;
    o.descrizione_treno = treno;
  }

  int compila(std::optional<std::string> directory = "/out") {
    return esegui_compila(o, directory, fs, out, err);
  }
};

}  // namespace

TEST(CompileMode, WritesTheThreeFilesUnderTheNamesOfTheSourcesAndKeepsTheSources) {
  banco b;
  const auto sorgenti = b.fs.file;
  EXPECT_EQ(b.compila(), esito_ok);
  EXPECT_EQ(b.err.str(), "");
  EXPECT_EQ(b.out.str(), "");
  EXPECT_EQ(b.fs.file.size(), 5u);
  EXPECT_EQ(b.fs.file.count(in_out("Roma_linea.dat")), 1u);
  EXPECT_EQ(b.fs.file.count(in_out("Roma_IC 7.sim")), 1u);
  EXPECT_EQ(b.fs.file.count(in_out("Roma_IC 7.dat")), 1u);
  for (const auto& [percorso, contenuto] : sorgenti) EXPECT_EQ(b.fs.file[percorso], contenuto);
  EXPECT_EQ(b.fs.bloccate, std::vector<std::string>{"/out"}) << "runs into /out take turns";
}

TEST(CompileMode, WithoutADirectoryTheFilesGoToTheCurrentOne) {
  banco b;
  b.o.json = true;
  EXPECT_EQ(b.compila(std::nullopt), esito_ok);
  EXPECT_EQ(nlohmann::json::parse(b.out.str())["written"],
            nlohmann::json({"Roma_linea.dat", "Roma_IC 7.sim", "Roma_IC 7.dat"}));
}

TEST(CompileMode, JsonHoldsExactlyTheResultKeys) {
  banco b;
  b.o.json = true;
  b.fs.file[treno] = testo_windows1252({"[generale]", "stazione,  6030, 12, 300", "[fine]"});
  EXPECT_EQ(b.compila(), esito_anomalia);
  nlohmann::json atteso = nlohmann::json::parse(R"({
    "code": 8, "position": 6030, "fatal": null,
    "anomalies": [{"code": 8, "position": 6030, "source": "train", "line": 2,
                   "message": "station position 6030 is not a multiple of 50"}]})");
  atteso["written"] = {in_out("Roma_linea.dat"), in_out("Roma_IC 7.sim"), in_out("Roma_IC 7.dat")};
  EXPECT_EQ(nlohmann::json::parse(b.out.str()), atteso);
  EXPECT_EQ(b.err.str(),
            treno + ":2: anomaly 8 at 6030 m: station position 6030 is not a multiple of 50\n");
  EXPECT_EQ(b.fs.file.count(treno), 1u);
}

TEST(CompileMode, NoProfileLeavesAnEarlierLineProfileAlone) {
  banco b;
  b.o.senza_profilo = true;
  b.fs.file[in_out("Roma_linea.dat")] = "earlier";
  EXPECT_EQ(b.compila(), esito_ok);
  EXPECT_EQ(b.fs.file[in_out("Roma_linea.dat")], "earlier");
  EXPECT_EQ(b.fs.file.count(in_out("Roma_IC 7.sim")), 1u);
}

TEST(CompileMode, AMissingSourceOrDirectoryIsNamedAndNothingIsCompiled) {
  banco senza_treno;
  senza_treno.fs.file.erase(treno);
  senza_treno.o.json = true;
  EXPECT_EQ(senza_treno.compila(), esito_errore_file);
  EXPECT_EQ(senza_treno.err.str(),
            "compila_scenario: cannot read " + treno + ": No such file or directory\n");
  EXPECT_EQ(senza_treno.out.str(), "");
  EXPECT_EQ(senza_treno.fs.file.size(), 1u);

  banco senza_directory;
  EXPECT_EQ(senza_directory.compila("/altrove"), esito_errore_file);
  EXPECT_EQ(senza_directory.err.str(), "compila_scenario: output directory /altrove does not exist\n");
  EXPECT_EQ(senza_directory.fs.file.size(), 2u);
}

// A source deleted right after the check that it can be read: the compile
// works on what the check read, not on a missing file.
TEST(CompileMode, ASourceThatVanishesAfterTheCheckIsCompiledAsRead) {
  for (const std::string& sorgente : {linea, treno}) {
    SCOPED_TRACE(sorgente);
    banco b;
    b.fs.svanisce_dopo[sorgente] = 1;
    EXPECT_EQ(b.compila(), esito_ok) << b.err.str();
    EXPECT_EQ(b.err.str(), "");
    banco riferimento;
    ASSERT_EQ(riferimento.compila(), esito_ok);
    for (const char* uscita : {"/out/Roma_linea.dat", "/out/Roma_IC 7.sim", "/out/Roma_IC 7.dat"})
      EXPECT_TRUE(b.fs.file[uscita] == riferimento.fs.file[uscita]) << uscita;
  }
}

TEST(CompileMode, AFailedWriteGivesStatusFourAndWritesNoneOfTheFiles) {
  banco b;
  b.o.json = true;
  b.fs.fallisce_scrittura.insert(in_out("Roma_IC 7.sim"));
  EXPECT_EQ(b.compila(), esito_errore_file);
  EXPECT_EQ(b.err.str(), "compila_scenario: cannot write " + in_out("Roma_IC 7.sim") +
                             ": No space left on device\n");
  EXPECT_EQ(b.out.str(), "") << "the program prints the error's JSON";
  EXPECT_FALSE(b.fs.esiste(in_out("Roma_linea.dat")));
}

TEST(CompileMode, ALineDescriptionWithoutRouteLengthWritesNoFile) {
  banco b;
  b.fs.file[linea] = testo_windows1252({"nothing here", "[fine]"});
  EXPECT_EQ(b.compila(), esito_anomalia);
  EXPECT_EQ(b.err.str(),
            linea + ": anomaly 102: no \"[generale]\" section before the end of the file\n"
            "compila_scenario: no binary file written: the line description stopped before its "
            "route length\n");
  EXPECT_EQ(b.fs.file.size(), 2u);
}

TEST(CompileMode, AnAuthorsOwnFilesAreNeverDeleted) {
  for (const char* testo : {"[generale]\r\nlunghezza percorso, 3000\r\n[fine]\r\n",  // normal end
                            "[generale]\r\nlunghezza percorso, 1000001\r\n[fine]\r\n",  // fault 1
                            "[generale]\r\nlunghezza percorso"}) {  // failure 25
    banco b;
    b.fs.file[linea] = testo;
    b.compila();
    EXPECT_EQ(b.fs.file.count(linea), 1u) << testo;
    EXPECT_EQ(b.fs.file.count(treno), 1u) << testo;
  }
}

TEST(CompileMode, RefusesNamesThatWouldWriteOverASource) {
  banco b;
  b.fs.file[in_out("Roma_linea.dat")] = b.fs.file[linea];
  b.o.descrizione_linea = in_out("Roma_linea.dat");
  b.o.nome_linea = "Roma";
  b.o.json = true;
  const auto prima = b.fs.file;
  EXPECT_EQ(b.compila(), esito_uso);
  EXPECT_EQ(b.err.str(),
            "compila_scenario: the output " + in_out("Roma_linea.dat") +
                " would replace the source " + in_out("Roma_linea.dat") +
                "; choose other names or another --output-dir\n");
  EXPECT_EQ(b.out.str(), "");
  EXPECT_EQ(b.fs.file, prima);
}

namespace {

nlohmann::json dati_della_pagina(const std::string& pagina) {
  const std::string apertura = "<script type=\"application/json\" id=\"scenario-data\">";
  const size_t da = pagina.find(apertura) + apertura.size();
  return nlohmann::json::parse(pagina.substr(da, pagina.find("</script>", da) - da));
}

}  // namespace

TEST(CompileMode, ThePageShowsTheAnomaliesOnTheScenarioInspectReadsBack) {
  banco b;
  b.o.html = "/out/p.html";
  b.fs.file[treno] = testo_windows1252({"[generale]", "stazione,  6030, 12, 300", "[fine]"});
  EXPECT_EQ(b.compila(), esito_anomalia);
  nlohmann::json pagina = dati_della_pagina(b.fs.file.at("/out/p.html"));
  const nlohmann::json c = pagina["compile"];
  EXPECT_EQ(c["generation"], 1);
  EXPECT_EQ(c["ok"], true);
  EXPECT_EQ(c["line_file"], linea);
  EXPECT_EQ(c["anomalies"], nlohmann::json::parse(R"([{"file": ")" + treno + R"(", "line": 2,
      "code": 8, "position": 6030, "source": "train",
      "message": "station position 6030 is not a multiple of 50"}])"));

  opzioni_inspect oi;
  oi.directory = "/out";
  oi.nome_linea = "Roma";
  oi.nome_treno = "IC 7";
  oi.html = "/out/q.html";
  ASSERT_EQ(esegui_inspect(oi, b.fs, b.out, b.err), esito_ok) << b.err.str();
  nlohmann::json ispezionata = dati_della_pagina(b.fs.file.at("/out/q.html"));
  EXPECT_EQ(ispezionata["compile"], nullptr);
  pagina.erase("compile");
  ispezionata.erase("compile");
  EXPECT_TRUE(pagina == ispezionata);
}

TEST(CompileMode, APageOfACompileThatGaveNoScenarioShowsWhatWentWrong) {
  banco b;
  b.o.html = "/out/p.html";
  b.fs.file[linea] = testo_windows1252({"nothing here", "[fine]"});
  EXPECT_EQ(b.compila(), esito_anomalia);
  const nlohmann::json d = dati_della_pagina(b.fs.file.at("/out/p.html"));
  EXPECT_EQ(d["cells"], 0);
  EXPECT_EQ(d["compile"]["ok"], false);
  EXPECT_EQ(d["compile"]["errors"],
            nlohmann::json({"compila_scenario: no binary file written: the line description "
                            "stopped before its route length"}));
}

TEST(CompileMode, RefusesAPageThatWouldReplaceASourceOrAnOutput) {
  for (const std::string& html : {linea, in_out("Roma_IC 7.sim")}) {
    banco b;
    b.o.html = html;
    const auto prima = b.fs.file;
    EXPECT_EQ(b.compila(), esito_uso) << html;
    EXPECT_EQ(b.err.str(), "compila_scenario: --html " + html + " would replace " + html +
                               "; choose another name\n");
    EXPECT_EQ(b.fs.file, prima);
  }
}
