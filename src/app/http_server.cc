#include "app/http_server.h"

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/listening_socket.h"

namespace compila {

namespace {

constexpr const char* indirizzo = "127.0.0.1";
constexpr auto intervallo_ping = std::chrono::seconds(15);
// Each open stream holds a thread; a few more serve the page meanwhile.
constexpr size_t flussi_massimi = 16;
constexpr size_t thread_servizio = flussi_massimi + 8;

}  // namespace

struct server_http::stato {
  httplib::Server server;
  std::thread servizio;
  int porta = 0;

  std::mutex m;
  std::condition_variable cambiato;
  std::shared_ptr<const std::string> pagina = std::make_shared<const std::string>();
  int generazione = 0;
  bool ok = true;
  bool fermo = false;
  size_t flussi = 0;

  std::string evento() const {
    return "event: compiled\ndata: {\"generation\":" + std::to_string(generazione) +
           ",\"ok\":" + (ok ? "true" : "false") + "}\n\n";
  }

  // Sent as it is, through a provider of known length, which the library
  // never compresses: over the loopback compression only costs time, and
  // its strongest setting, taken for browsers that accept it, would cost
  // half a second per page.
  void servi_pagina(httplib::Response& res) {
    std::shared_ptr<const std::string> p;
    {
      std::lock_guard<std::mutex> l(m);
      p = pagina;
    }
    res.set_header("Cache-Control", "no-store");
    res.set_header("X-Content-Type-Options", "nosniff");
    res.set_content_provider(
        p->size(), "text/html; charset=utf-8",
        [p](size_t inizio, size_t lunghezza, httplib::DataSink& sink) {
          return sink.write(p->data() + inizio, lunghezza);
        });
  }

  void servi_eventi(httplib::Response& res) {
    {
      std::lock_guard<std::mutex> l(m);
      if (fermo || flussi >= flussi_massimi) {
        res.status = 503;
        return;
      }
      ++flussi;
    }
    res.set_header("Cache-Control", "no-store");
    auto inviata = std::make_shared<int>(-1);  // the generation this stream was last told
    res.set_chunked_content_provider(
        "text/event-stream",
        [this, inviata](size_t, httplib::DataSink& sink) {
          std::unique_lock<std::mutex> l(m);
          if (*inviata >= 0)
            cambiato.wait_for(l, intervallo_ping,
                              [&] { return fermo || generazione != *inviata; });
          if (fermo) return false;
          std::string messaggio = ": ping\n\n";
          if (generazione != *inviata) {
            *inviata = generazione;
            messaggio = evento();
          }
          l.unlock();
          return sink.write(messaggio.data(), messaggio.size());
        },
        [this](bool) {
          std::lock_guard<std::mutex> l(m);
          --flussi;
        });
  }
};

server_http::server_http() : s_(std::make_unique<stato>()) {
  httplib::Server& sv = s_->server;
  sv.new_task_queue = [] { return new httplib::ThreadPool(thread_servizio); };
  sv.set_socket_options([](socket_t s) { prepara_ascolto(static_cast<uintptr_t>(s)); });
  // A connection kept open waits this long for its next request, and so may
  // the end of the program.
  sv.set_keep_alive_timeout(1);
  sv.Get("/", [this](const httplib::Request&, httplib::Response& res) { s_->servi_pagina(res); });
  sv.Get("/events",
         [this](const httplib::Request&, httplib::Response& res) { s_->servi_eventi(res); });
  sv.set_error_handler([](const httplib::Request&, httplib::Response& res) {
    res.set_content(std::to_string(res.status) + "\n", "text/plain");
  });
}

server_http::~server_http() { ferma(); }

bool server_http::apri(int porta, std::string* err) {
  const bool ok = porta == 0 ? (s_->porta = s_->server.bind_to_any_port(indirizzo)) > 0
                             : s_->server.bind_to_port(indirizzo, porta);
  if (ok) {
    if (porta != 0) s_->porta = porta;
    return true;
  }
  *err = std::string("cannot serve the page on ") + indirizzo + ":" + std::to_string(porta) +
         ": the port is taken or not allowed";
  return false;
}

int server_http::porta() const { return s_->porta; }

void server_http::avvia() {
  s_->servizio = std::thread([this] { s_->server.listen_after_bind(); });
  // Until it runs, the server could not be stopped.
  for (int i = 0; i < 2000 && !s_->server.is_running(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void server_http::pubblica(std::string pagina, int generazione, bool ok) {
  {
    std::lock_guard<std::mutex> l(s_->m);
    s_->pagina = std::make_shared<const std::string>(std::move(pagina));
    s_->generazione = generazione;
    s_->ok = ok;
  }
  s_->cambiato.notify_all();
}

void server_http::ferma() {
  {
    std::lock_guard<std::mutex> l(s_->m);
    s_->fermo = true;
  }
  s_->cambiato.notify_all();
  s_->server.stop();
  if (s_->servizio.joinable()) s_->servizio.join();
}

}  // namespace compila
