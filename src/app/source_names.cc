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

// The "-" before ".txt" belongs to the naming rule's suffix, never to a name.
std::string nome_treno_da_file(const std::string& percorso_treno, const std::string& nome_linea) {
  const std::string nome = nome_del_file(percorso_treno);
  if (nome.size() <= suffisso_treno.size() || !finisce_con(nome, suffisso_treno))
    return radice(percorso_treno);
  const std::string senza_suffisso = nome.substr(0, nome.size() - suffisso_treno.size());
  const std::string inizio = nome_linea + "_";
  if (senza_suffisso.size() > inizio.size() && senza_suffisso.starts_with(inizio))
    return senza_suffisso.substr(inizio.size());
  return senza_suffisso;
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
