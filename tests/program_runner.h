#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scratch_dir.h"

// The real program run from a shell, as a user runs it: in a directory of the
// test's, with the arguments given, and with an environment of its own
// rather than the test's: no display, so the texts go to the error stream
// and no window opens; only the path, the sanitizers' options and the
// variables given ("NAME=value") pass on.
// The output streams are kept apart from the directory the test watches.
struct corsa_programma {
  int stato = -1;  // the exit status; -1 when the program did not exit (128 + the
                   // signal when it ran under a time limit)
  std::string out;
  std::string err;
};

// A word quoted for the shell, every character kept.
inline std::string tra_apici(const std::string& testo) {
  std::string r = "'";
  for (char ch : testo) r += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return r + "'";
}

// Limits a test sets on the program: its time and its address space. The
// address space is not limited under the address sanitizer, which reserves
// terabytes of it.
struct limiti_corsa {
  int secondi = 0;     // killed after this long; 0 no limit
  int memoria_mb = 0;  // virtual memory; 0 no limit
};

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool con_sanitizer_indirizzi = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool con_sanitizer_indirizzi = true;
#else
inline constexpr bool con_sanitizer_indirizzi = false;
#endif
#else
inline constexpr bool con_sanitizer_indirizzi = false;
#endif

// The shell's command line that runs the program so, with the variables
// given ("NAME=value") passed on too.
inline std::string riga_programma(const std::string& programma, const std::string& directory,
                                  const std::vector<std::string>& argomenti,
                                  const scratch_dir& flussi, const limiti_corsa& limiti = {},
                                  const std::vector<std::string>& ambiente = {}) {
  std::string riga = "cd " + tra_apici(directory) + " && ";
  if (limiti.memoria_mb > 0 && !con_sanitizer_indirizzi)
    riga += "ulimit -v " + std::to_string(limiti.memoria_mb * 1024) + " && ";
  riga += "exec ";
  if (limiti.secondi > 0) riga += "timeout -s KILL " + std::to_string(limiti.secondi) + " ";
  riga += "env -i PATH=/usr/bin:/bin";
  for (const char* variabile : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
    if (const char* valore = std::getenv(variabile))
      riga += " " + tra_apici(std::string(variabile) + "=" + valore);
  for (const std::string& v : ambiente) riga += " " + tra_apici(v);
  riga += " " + tra_apici(programma);
  for (const std::string& a : argomenti) riga += " " + tra_apici(a);
  return riga + " >" + tra_apici(flussi.percorso("out")) + " 2>" +
         tra_apici(flussi.percorso("err"));
}

inline std::string leggi_flusso(const scratch_dir& flussi, const char* nome) {
  std::ifstream in(flussi.percorso(nome), std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline corsa_programma esegui_reale(const std::string& programma, const std::string& directory,
                                    const std::vector<std::string>& argomenti,
                                    const limiti_corsa& limiti = {},
                                    const std::vector<std::string>& ambiente = {}) {
  scratch_dir flussi;
  const int stato = std::system(
      riga_programma(programma, directory, argomenti, flussi, limiti, ambiente).c_str());
  return {WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, leggi_flusso(flussi, "out"),
          leggi_flusso(flussi, "err")};
}

// The real program run the same way, left running while the test goes on:
// what it has written so far can be read, and it can be sent a signal. Killed
// at the end of the test if it is still running.
class programma_in_corso {
 public:
  programma_in_corso(const std::string& programma, const std::string& directory,
                     const std::vector<std::string>& argomenti) {
    const std::string riga = riga_programma(programma, directory, argomenti, flussi_);
    const char* argv[] = {"/bin/sh", "-c", riga.c_str(), nullptr};
    if (posix_spawn(&pid_, "/bin/sh", nullptr, nullptr, const_cast<char* const*>(argv),
                    environ) != 0)
      pid_ = -1;
  }
  ~programma_in_corso() {
    if (pid_ > 0 && !finito_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  programma_in_corso(const programma_in_corso&) = delete;
  programma_in_corso& operator=(const programma_in_corso&) = delete;

  std::string out() const { return leggi_flusso(flussi_, "out"); }
  std::string err() const { return leggi_flusso(flussi_, "err"); }
  void segnala(int segnale) const { kill(pid_, segnale); }

  // Asks `condizione` again every 10 ms until it holds; false at the limit.
  static bool attendi(const std::function<bool()>& condizione, std::chrono::milliseconds limite) {
    const auto fine = std::chrono::steady_clock::now() + limite;
    while (!condizione()) {
      if (std::chrono::steady_clock::now() > fine) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
  }

  // The exit status once it has ended within the limit; -1 otherwise, or
  // when a signal ended it.
  int stato_finale(std::chrono::milliseconds limite) {
    int stato = 0;
    if (!attendi([&] { return waitpid(pid_, &stato, WNOHANG) == pid_; }, limite)) return -1;
    finito_ = true;
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
  }

 private:
  scratch_dir flussi_;
  pid_t pid_ = -1;
  bool finito_ = false;
};
