#pragma once

#include <memory>
#include <string>

namespace compila {

// Serves the scenario page on this machine alone (127.0.0.1) and tells open
// pages when a new one is ready, by server-sent events. Two paths, nothing
// else: GET / is the page, GET /events the stream, which on connection and
// after each publication sends
//   event: compiled
//   data: {"generation":N,"ok":true}
// and a comment line every 15 s so that closed streams are noticed. Every
// other path or method gets 404. No file is read: the page is what was
// published.
class server_pagina {
 public:
  virtual ~server_pagina() = default;

  // Takes the port (0: one the system finds free); false with the reason.
  virtual bool apri(int porta, std::string* err) = 0;
  virtual int porta() const = 0;

  // Serves in threads of its own from now on.
  virtual void avvia() = 0;

  // The page from now on; every open stream is told its generation.
  virtual void pubblica(std::string pagina, int generazione, bool ok) = 0;

  // Ends every stream and stops serving; returns once no thread is left.
  virtual void ferma() = 0;
};

// The server. On Linux it comes from the server module beside the program
// (or in ../lib/compila_scenario), so that the HTTP library and all it
// links are loaded by watch alone; null, with the reason in *err, when the
// module cannot be loaded.
std::unique_ptr<server_pagina> crea_server_pagina(const std::string& directory_programma,
                                                  std::string* err);

}  // namespace compila
