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
  server_pagina();
  ~server_pagina();
  server_pagina(const server_pagina&) = delete;
  server_pagina& operator=(const server_pagina&) = delete;

  // Takes the port (0: one the system finds free); false with the reason.
  bool apri(int porta, std::string* err);
  int porta() const;

  // Serves in threads of its own from now on.
  void avvia();

  // The page from now on; every open stream is told its generation.
  void pubblica(std::string pagina, int generazione, bool ok);

  // Ends every stream and stops serving; returns once no thread is left.
  void ferma();

 private:
  struct stato;
  std::unique_ptr<stato> s_;
};

}  // namespace compila
