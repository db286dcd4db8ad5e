#include "platform/disk_file_system.h"

#include <gtest/gtest.h>
#ifdef __linux__
#include <sys/mount.h>
#endif

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <thread>
#include <tuple>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "platform/directory_lock.h"
#include "platform/program_directory.h"
#include "platform/temporary_name.h"
#include "scratch_dir.h"
#include "small_tmpfs.h"

using namespace compila;

namespace {

std::string leggi_tutto(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace

TEST(DiskFileSystem, ReplacementCutsALongerFileAndLeavesNoTemporary) {
  scratch_dir dir;
  disk_file_system disco;
  std::string err;
  const std::string file = dir.percorso("a b .dat");
  ASSERT_TRUE(disco.sostituisci(file, std::string(100, 'x'), &err)) << err;
  ASSERT_TRUE(disco.sostituisci(file, std::string("\0\r\n", 3), &err)) << err;
  EXPECT_EQ(leggi_tutto(file), std::string("\0\r\n", 3));
  EXPECT_EQ(dir.voci(), std::vector<std::string>{"a b .dat"});
}

TEST(DiskFileSystem, NamesKeepTheirBlanksAndAccentedLetters) {
  scratch_dir dir;
  disk_file_system disco;
  std::string err, contenuto;
  const std::string nome = " Città  dè .txt";  // UTF-8, as every path here
  const std::string file = dir.path() + separatore + nome;
  ASSERT_TRUE(disco.sostituisci(file, "x", &err)) << err;
  ASSERT_EQ(dir.voci().size(), 1u);
  const std::u8string sul_disco =
      std::filesystem::directory_iterator(dir.path())->path().filename().u8string();
  EXPECT_EQ(std::string(sul_disco.begin(), sul_disco.end()), nome);
  ASSERT_TRUE(disco.leggi(file, &contenuto, &err)) << err;
  EXPECT_EQ(contenuto, "x");
}

TEST(DiskFileSystem, FailedWritesNameTheFileAndKeepTheEarlierOne) {
  scratch_dir dir;
  disk_file_system disco;
  std::string err;

  const std::string cartella = dir.percorso("target");
  std::filesystem::create_directory(cartella);
  EXPECT_FALSE(disco.sostituisci(cartella, "new", &err));
  EXPECT_EQ(err, cartella + ": is a directory");

  EXPECT_FALSE(disco.sostituisci(dir.percorso("missing/x.txt"), "new", &err));
  EXPECT_EQ(err, dir.percorso("missing/x.txt") + ": No such file or directory");

  if (std::filesystem::exists("/dev/full")) {
    EXPECT_FALSE(disco.sostituisci("/dev/full", "x", &err));
    EXPECT_EQ(err, "/dev/full: No space left on device");
  }
  EXPECT_EQ(dir.voci(), std::vector<std::string>{"target"});
}

TEST(DiskFileSystem, FullDeviceKeepsTheEarlierFile) {
  scratch_dir dir;
  small_tmpfs piccolo(dir.percorso("full"), 64 * 1024);
  if (!piccolo.montato()) GTEST_SKIP() << "cannot mount a small tmpfs here";
  disk_file_system disco;
  std::string err;
  const std::string file = dir.percorso("full/a.dat");
  ASSERT_TRUE(disco.sostituisci(file, "earlier", &err)) << err;
  EXPECT_FALSE(disco.sostituisci(file, std::string(256 * 1024, 'x'), &err));
  EXPECT_EQ(err, file + ": No space left on device");
  EXPECT_EQ(leggi_tutto(file), "earlier");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso("full")),
                          std::filesystem::directory_iterator()),
            1);
}

// What lies under the name the temporary would take, be it a temporary left
// by a crash or a file of the user's, is neither written into, nor followed,
// nor moved: the replacement takes the next name.
TEST(DiskFileSystem, AFileUnderTheTemporaryNameIsLeftAlone) {
  namespace fs = std::filesystem;
  const std::pair<const char*, std::function<void(const std::string&)>> ingombri[] = {
      {"a file", [](const std::string& p) { std::ofstream(p, std::ios::binary) << "user's"; }},
      {"a directory", [](const std::string& p) { fs::create_directory(p); }},
#ifndef _WIN32  // links need privileges on Windows
      {"a link to another file", [](const std::string& p) { fs::create_symlink("other", p); }},
#endif
  };
  for (const auto& [cosa, ingombra] : ingombri) {
    SCOPED_TRACE(cosa);
    scratch_dir dir;
    uint32_t prossimo = 5;  // the names ".00000005.tmp", then ".00000006.tmp"
    disk_file_system disco([&] { return prossimo++; });
    std::string err;
    const std::string file = dir.percorso("a.dat");
    const std::string occupato = file + ".00000005.tmp";
    std::ofstream(dir.percorso("other"), std::ios::binary) << "other";
    ingombra(occupato);
    const std::string prima = leggi_tutto(occupato);
    const auto tipo = fs::symlink_status(occupato).type();
    EXPECT_TRUE(disco.sostituisci(file, "new", &err)) << err;
    EXPECT_EQ(leggi_tutto(file), "new");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
    EXPECT_EQ(fs::symlink_status(occupato).type(), tipo);
    EXPECT_EQ(leggi_tutto(occupato), prima);
    EXPECT_EQ(leggi_tutto(dir.percorso("other")), "other");
    EXPECT_EQ(dir.voci(), (std::vector<std::string>{"a.dat", "a.dat.00000005.tmp", "other"}));
    EXPECT_EQ(prossimo, 7u) << "the name in the way was tried, then the next one";
  }
}

#ifdef __linux__
namespace {

// One file mounted over another for the life of the object (needs root).
struct file_montato {
  file_montato(const std::string& da, const std::string& su)
      : su_(su), ok_(::mount(da.c_str(), su.c_str(), nullptr, MS_BIND, nullptr) == 0) {}
  ~file_montato() {
    if (ok_) ::umount(su_.c_str());
  }
  bool montato() const { return ok_; }

 private:
  std::string su_;
  bool ok_;
};

}  // namespace

// A file mounted over the target cannot be renamed over: the rename fails
// after the temporary was written, and the temporary goes.
TEST(DiskFileSystem, FailedRenameKeepsTheEarlierFileAndRemovesTheTemporary) {
  scratch_dir dir;
  disk_file_system disco;
  std::string err;
  const std::string file = dir.percorso("a.dat");
  std::ofstream(file, std::ios::binary) << "target";
  std::ofstream(dir.percorso("earlier"), std::ios::binary) << "earlier";
  file_montato sopra(dir.percorso("earlier"), file);
  if (!sopra.montato()) GTEST_SKIP() << "cannot bind-mount a file here";
  EXPECT_FALSE(disco.sostituisci(file, "new", &err));
  EXPECT_EQ(err, file + ": Device or resource busy");
  EXPECT_EQ(leggi_tutto(file), "earlier");
  EXPECT_EQ(dir.voci(), (std::vector<std::string>{"a.dat", "earlier"}));
}
#endif

TEST(DiskFileSystem, ReadAndDelete) {
  scratch_dir dir;
  disk_file_system disco;
  std::string err, contenuto;
  const std::string file = dir.percorso("f");
  EXPECT_FALSE(disco.esiste(file));
  EXPECT_FALSE(disco.leggi(file, &contenuto, &err));
  EXPECT_TRUE(disco.elimina(file, &err)) << "a missing file is no error";
  ASSERT_TRUE(disco.sostituisci(file, "abc", &err));
  EXPECT_TRUE(disco.esiste(file));
  ASSERT_TRUE(disco.leggi(file, &contenuto, &err));
  EXPECT_EQ(contenuto, "abc");
  EXPECT_TRUE(disco.elimina(file, &err));
  EXPECT_FALSE(disco.esiste(file));
  EXPECT_FALSE(disco.leggi(dir.percorso(""), &contenuto, &err));
}

TEST(DiskFileSystem, SameFileHoweverItIsSpelled) {
  scratch_dir dir;
  disk_file_system disco;
  std::string err;
  ASSERT_TRUE(disco.sostituisci(dir.percorso("a.txt"), "x", &err)) << err;
  std::filesystem::create_hard_link(dir.percorso("a.txt"), dir.percorso("b.txt"));
  EXPECT_TRUE(disco.stesso_file(dir.percorso("a.txt"), dir.percorso("./a.txt")));
  EXPECT_TRUE(disco.stesso_file(dir.percorso("a.txt"), dir.percorso("b.txt")));
  // A file that does not exist yet cannot be one that does.
  EXPECT_FALSE(disco.stesso_file(dir.percorso("c.txt"), dir.percorso("a.txt")));
}

// A set is replaced whole or not at all: wherever a member fails before the
// renames, every target keeps its bytes and no temporary is left.
TEST(DiskFileSystem, ASetIsReplacedWholeOrNotAtAll) {
  namespace fs = std::filesystem;
  struct caso {
    const char* nome;
    std::function<bool(const scratch_dir&)> guasta;  // false: not possible here
    std::vector<std::string> file;
    std::string errore;  // after the directory's path
  };
  std::optional<small_tmpfs> piccolo;
  const caso casi[] = {
      {"the last target a directory", [](const scratch_dir& d) {
         fs::create_directory(d.percorso("c.dat"));
         return true;
       }, {"a.dat", "b.dat", "c.dat"}, "c.dat: is a directory"},
      {"the second in a missing directory", [](const scratch_dir&) { return true; },
       {"a.dat", "missing" + std::string(1, separatore) + "b.dat", "c.dat"},
       "missing" + std::string(1, separatore) + "b.dat: No such file or directory"},
      {"the device full at the second", [&](const scratch_dir& d) {
         piccolo.emplace(d.percorso("full"), 64 * 1024);
         return piccolo->montato();
       }, {"full/a.dat", "full/b.dat", "full/c.dat"}, "full/b.dat: No space left on device"},
  };
  for (const caso& k : casi) {
    SCOPED_TRACE(k.nome);
    scratch_dir dir;
    if (!k.guasta(dir)) continue;
    std::vector<std::string> percorsi;
    for (const std::string& f : k.file) {
      percorsi.push_back(dir.percorso(f));
      std::ofstream(percorsi.back(), std::ios::binary) << "old " << f;
    }
    std::map<std::string, std::string> prima;
    for (const auto& e : fs::recursive_directory_iterator(dir.path()))
      prima[e.path().string()] = e.is_regular_file() ? leggi_tutto(e.path()) : "";
    const std::string grande(256 * 1024, 'x');
    const sostituzione insieme[] = {
        {percorsi[0], {"new"}}, {percorsi[1], {grande}}, {percorsi[2], {"new"}}};
    disk_file_system disco;
    std::string err;
    EXPECT_FALSE(disco.sostituisci_insieme(insieme, &err));
    EXPECT_EQ(err, dir.percorso(k.errore));
    std::map<std::string, std::string> dopo;
    for (const auto& e : fs::recursive_directory_iterator(dir.path()))
      dopo[e.path().string()] = e.is_regular_file() ? leggi_tutto(e.path()) : "";
    EXPECT_EQ(dopo, prima);
    piccolo.reset();
  }
}

TEST(DiskFileSystem, ASetsPiecesAreWrittenOneAfterTheOther) {
  scratch_dir dir;
  disk_file_system disco;
  std::string err;
  // More pieces than one system call takes.
  std::vector<std::string_view> pezzi;
  std::string atteso;
  for (int i = 0; i < 3000; ++i) {
    pezzi.push_back(i % 2 ? "ab" : "");
    pezzi.push_back("c");
    atteso += i % 2 ? "abc" : "c";
  }
  const sostituzione insieme[] = {{dir.percorso("a"), pezzi}, {dir.percorso("b"), {}}};
  ASSERT_TRUE(disco.sostituisci_insieme(insieme, &err)) << err;
  EXPECT_EQ(leggi_tutto(dir.percorso("a")), atteso);
  EXPECT_EQ(leggi_tutto(dir.percorso("b")), "");
  EXPECT_EQ(dir.voci(), (std::vector<std::string>{"a", "b"}));
}

// A file replaced keeps its permissions; a new one gets the usual ones.
TEST(DiskFileSystem, AReplacedFileKeepsItsPermissions) {
  namespace fs = std::filesystem;
  using p = fs::perms;
  const p modi[] = {
      p::owner_read | p::group_read | p::others_read,  // read-only
#ifndef _WIN32
      p::owner_read | p::owner_write,
      p::owner_all | p::group_read | p::group_write | p::group_exec,
#endif
  };
  scratch_dir dir;
  disk_file_system disco;
  std::string err;
  for (p modo : modi) {
    const std::string file = dir.percorso("a.txt");
    std::ofstream(file, std::ios::binary) << "old";
    fs::permissions(file, modo);
    ASSERT_TRUE(disco.sostituisci(file, "new", &err)) << err;
    EXPECT_EQ(leggi_tutto(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), modo);
    fs::permissions(file, p::owner_all);
    fs::remove(file);
  }
  ASSERT_TRUE(disco.sostituisci(dir.percorso("new.txt"), "new", &err)) << err;
#ifndef _WIN32
  const mode_t umask_attuale = ::umask(0);
  ::umask(umask_attuale);
  EXPECT_EQ(static_cast<mode_t>(fs::status(dir.percorso("new.txt")).permissions()),
            0666 & ~umask_attuale);
#endif
}

// The temporary's name fits wherever the target's does: cut where needed,
// never inside a character.
TEST(DiskFileSystem, ALongNameGetsATemporaryThatFits) {
  const std::string e_accentata = "\xC3\xA8";
  const std::tuple<std::string, std::string> nomi[] = {
      {"a.dat", "a.dat.00000005.tmp"},
      {std::string(242, 'x'), std::string(242, 'x') + ".00000005.tmp"},
      {std::string(243, 'x'), std::string(242, 'x') + ".00000005.tmp"},
      {std::string(241, 'x') + e_accentata, std::string(241, 'x') + ".00000005.tmp"},
  };
  for (const auto& [nome, temporaneo] : nomi) EXPECT_EQ(nome_temporaneo(nome, 5), temporaneo);

  scratch_dir dir;
  disk_file_system disco;
  std::string err;
  for (const std::string& nome : {std::string(255, 'x'), std::string(241, 'x') + e_accentata}) {
    const std::string file = dir.path() + separatore + nome;
    ASSERT_TRUE(disco.sostituisci(file, "old", &err)) << err;
    ASSERT_TRUE(disco.sostituisci(file, "new", &err)) << err;
    std::string letto;
    ASSERT_TRUE(disco.leggi(file, &letto, &err)) << err;
    EXPECT_EQ(letto, "new");
    EXPECT_EQ(dir.voci().size(), 1u);
    ASSERT_TRUE(disco.elimina(file, &err)) << err;
  }
}

// One holder at a time; the lock file goes with the last one, and one left
// by a killed run is taken over.
TEST(DiskFileSystem, TheDirectoryLockHasOneHolderAtATimeAndLeavesNoFile) {
  scratch_dir dir;
  disk_file_system disco;
  std::string err;
  auto primo = disco.blocca(dir.path(), &err);
  ASSERT_TRUE(primo) << err;
  std::atomic<bool> secondo_preso = false;
  std::thread secondo([&] {
    std::string e;
    auto b = disco.blocca(dir.path(), &e);
    secondo_preso = b != nullptr;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(secondo_preso);
  primo.reset();
  secondo.join();
  EXPECT_TRUE(secondo_preso);
  EXPECT_EQ(dir.voci(), std::vector<std::string>{});

  std::ofstream(dir.percorso(nome_file_blocco), std::ios::binary) << "";
  EXPECT_TRUE(disco.blocca(dir.path(), &err)) << err;
  EXPECT_EQ(dir.voci(), std::vector<std::string>{});
}

#ifndef _WIN32
// A link is written through to the file it leads to, which is replaced in
// its own directory; a device or a FIFO is written to in place.
TEST(DiskFileSystem, WhatStandsAtTheTargetDecidesHowItIsWritten) {
  namespace fs = std::filesystem;
  struct caso {
    const char* nome;
    std::function<void(const scratch_dir&)> prepara;
    std::string scritto;  // where the bytes land, relative to the directory, or an absolute path
  };
  const caso casi[] = {
      {"a link to a file", [](const scratch_dir& d) {
         std::ofstream(d.percorso("real"), std::ios::binary) << "old";
         fs::create_symlink("real", d.percorso("out"));
       }, "real"},
      {"links leading into another directory", [](const scratch_dir& d) {
         fs::create_directory(d.percorso("sub"));
         std::ofstream(d.percorso("sub/real"), std::ios::binary) << "old";
         fs::create_symlink("sub/link", d.percorso("out"));
         fs::create_symlink("real", d.percorso("sub/link"));
       }, "sub/real"},
      {"a link to no file yet", [](const scratch_dir& d) {
         fs::create_symlink("real", d.percorso("out"));
       }, "real"},
      {"a character device", [](const scratch_dir& d) {
         fs::create_symlink("/dev/null", d.percorso("out"));
       }, "/dev/null"},
      {"a FIFO", [](const scratch_dir& d) { ::mkfifo(d.percorso("out").c_str(), 0644); }, "out"},
  };
  for (const caso& k : casi) {
    SCOPED_TRACE(k.nome);
    scratch_dir dir;
    k.prepara(dir);
    const std::string out = dir.percorso("out");
    const auto tipo = fs::symlink_status(out).type();
    std::string letto_dalla_fifo;
    std::thread lettore;
    if (tipo == fs::file_type::fifo)
      lettore = std::thread([&] { letto_dalla_fifo = leggi_tutto(out); });
    disk_file_system disco;
    std::string err;
    EXPECT_TRUE(disco.sostituisci(out, "new", &err)) << err;
    if (lettore.joinable()) lettore.join();
    EXPECT_EQ(fs::symlink_status(out).type(), tipo) << "what stood at the path still does";
    const std::string scritto = k.scritto.starts_with('/') ? k.scritto : dir.percorso(k.scritto);
    if (tipo == fs::file_type::fifo) {
      EXPECT_EQ(letto_dalla_fifo, "new");
    } else if (fs::is_regular_file(scritto)) {
      EXPECT_EQ(leggi_tutto(scritto), "new");
      for (const auto& e : fs::recursive_directory_iterator(dir.path()))
        EXPECT_FALSE(e.path().string().ends_with(".tmp")) << e.path();
    }
  }
}
#endif
