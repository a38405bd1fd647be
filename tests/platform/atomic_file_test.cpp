#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace orvex {
namespace {

std::size_t EntryCount(const std::filesystem::path& directory) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(directory), {}));
}

TEST(AtomicFile, ReplacesWholeFileKeepsModeAndLeavesNoTemporary) {
  testing::TempDir dir;
  const auto file = dir.Write("villes.dat", "old contents\n");
  ::chmod(file.c_str(), 0600);
  AtomicFileWriter writer(file);
  ASSERT_EQ(writer.status(), 0);
  EXPECT_TRUE(writer.Write("new "));
  EXPECT_TRUE(writer.Write("contents\n"));
  EXPECT_TRUE(writer.WriteAt(0, "NEW"));  // a header rewritten last, the rest kept
  EXPECT_EQ(testing::ReadFile(file), "old contents\n");  // nothing visible before the commit
  EXPECT_EQ(writer.Commit(), 0);
  EXPECT_EQ(testing::ReadFile(file), "NEW contents\n");
  struct stat saved {};
  ASSERT_EQ(::stat(file.c_str(), &saved), 0);
  EXPECT_EQ(saved.st_mode & 0777, 0600u);
  EXPECT_EQ(EntryCount(dir.path()), 1u);
  EXPECT_EQ(WriteFileAtomically(dir.path() / "new.dat", "x"), 0);
  EXPECT_EQ(testing::ReadFile(dir.path() / "new.dat"), "x");
}

TEST(AtomicFile, FailureOrAbandonKeepsOldFileAndLeavesNoTemporary) {
  testing::TempDir dir;
  const auto file = dir.Write("niveaux.dat", "precious\n");
  {
    AtomicFileWriter abandoned(file);
    abandoned.Write("half a fi");
  }
  EXPECT_EQ(testing::ReadFile(file), "precious\n");
  EXPECT_EQ(EntryCount(dir.path()), 1u);
  const auto occupied = dir.MakeDir("occupied");  // a rename over a directory fails
  dir.Write("occupied/inside", "");
  EXPECT_NE(WriteFileAtomically(occupied, "data"), 0);
  EXPECT_TRUE(std::filesystem::is_directory(occupied));
  EXPECT_EQ(EntryCount(dir.path()), 2u);
  EXPECT_EQ(WriteFileAtomically(dir.path() / "absent" / "f.dat", "data"), ENOENT);
}

}  // namespace
}  // namespace orvex
