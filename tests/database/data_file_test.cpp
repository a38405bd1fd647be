#include "database/data_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace orvex {
namespace {

TEST(LitLigneDonnees, SkipsCommentsAndEmptyLinesExceptAtTheEnd) {
  struct Case { std::string_view content; std::vector<std::string> lines; };
  const Case cases[] = {
      {"", {}}, {"a\n/c\nb\n", {"a", "b"}}, {"a\r\n\r\n/c\r\nb", {"a", "b"}}, {"/head\n/head2\na\n", {"a"}},
      {"a\n\n\n\nb\n", {"a", "b"}}, {std::string_view("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
      // A comment or blank as the very last line is read as data.
      {"a\n/last, comment", {"a", "/last, comment"}}, {"a\n/last\n", {"a", "/last"}}, {"a\n\n", {"a", "/"}},
      {"a\nb\x1A" "c,d\n", {"a", "b"}},  // end-of-file byte
  };
  testing::TempDir dir;
  for (const Case& c : cases) {
    FichierDonnees fichier;
    EXPECT_EQ(fichier.Ouvre(dir.Write("f.dat", c.content)), 0);
    std::vector<std::string> lines;
    while (!fichier.Eof()) {
      lines.emplace_back(LitLigneDonnees(fichier));
    }
    EXPECT_EQ(lines, c.lines) << c.content;
  }
}

}  // namespace
}  // namespace orvex
