#include "platform/disk_file_system.h"

#include <gtest/gtest.h>
#ifdef __linux__
#include <sys/mount.h>
#endif

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/program_directory.h"
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
    EXPECT_EQ(err, "/dev/full: is not a regular file");
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
