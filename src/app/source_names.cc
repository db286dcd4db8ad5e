#include "app/source_names.h"

#include <filesystem>

namespace compila {

namespace {

const std::string suffisso_linea = "_linea.txt";
const std::string suffisso_treno = "-.txt";

std::string nome_del_file(const std::string& percorso) {
  return std::filesystem::path(percorso).filename().string();
}

std::string radice(const std::string& percorso) {
  return std::filesystem::path(percorso).stem().string();
}

bool finisce_con(const std::string& testo, const std::string& fine) {
  return testo.size() >= fine.size() && testo.compare(testo.size() - fine.size(), fine.size(), fine) == 0;
}

}  // namespace

std::string nome_linea_da_file(const std::string& percorso_linea) {
  const std::string nome = nome_del_file(percorso_linea);
  if (nome.size() > suffisso_linea.size() && finisce_con(nome, suffisso_linea))
    return nome.substr(0, nome.size() - suffisso_linea.size());
  return radice(percorso_linea);
}

std::string nome_treno_da_file(const std::string& percorso_treno, const std::string& nome_linea) {
  const std::string nome = nome_del_file(percorso_treno);
  const std::string inizio = nome_linea + "_";
  if (nome.size() > inizio.size() + suffisso_treno.size() && nome.compare(0, inizio.size(), inizio) == 0 &&
      finisce_con(nome, suffisso_treno))
    return nome.substr(inizio.size(), nome.size() - inizio.size() - suffisso_treno.size());
  return radice(percorso_treno);
}

nomi_scenario nomi_da_sorgenti(const std::string& percorso_linea, const std::string& percorso_treno,
                               const std::optional<std::string>& nome_linea,
                               const std::optional<std::string>& nome_treno) {
  nomi_scenario n;
  n.linea = nome_linea ? *nome_linea : nome_linea_da_file(percorso_linea);
  n.treno = nome_treno ? *nome_treno : nome_treno_da_file(percorso_treno, n.linea);
  return n;
}

}  // namespace compila
