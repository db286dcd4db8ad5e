#include "platform/disk_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/program_directory.h"
#include "scratch_dir.h"
#include "small_tmpfs.h"

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
