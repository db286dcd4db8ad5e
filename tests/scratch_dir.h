#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// A fresh directory under the system's temporary directory, removed with
// everything in it when the test ends.
class scratch_dir {
 public:
  scratch_dir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("compila_scenario_test_" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~scratch_dir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  scratch_dir(const scratch_dir&) = delete;
  scratch_dir& operator=(const scratch_dir&) = delete;

  std::string path() const { return path_.string(); }
  std::string percorso(const std::string& nome) const { return (path_ / nome).string(); }

  // Every entry under the directory, by its path relative to it, with its
  // bytes ("<dir>" for a directory, "-> TARGET" for a link).
  std::map<std::string, std::string> istantanea() const {
    std::map<std::string, std::string> voci;
    for (const auto& e : std::filesystem::recursive_directory_iterator(path_)) {
      const std::string nome = std::filesystem::relative(e.path(), path_).string();
      if (e.is_symlink())
        voci[nome] = "-> " + std::filesystem::read_symlink(e.path()).string();
      else if (e.is_directory())
        voci[nome] = "<dir>";
      else
        voci[nome] = leggi(nome);
    }
    return voci;
  }

  std::string leggi(const std::string& nome) const {
    std::ifstream in(path_ / nome, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  // Names of the entries, sorted.
  std::vector<std::string> voci() const {
    std::vector<std::string> nomi;
    for (const auto& e : std::filesystem::directory_iterator(path_))
      nomi.push_back(e.path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
  }

 private:
  std::filesystem::path path_;
};
