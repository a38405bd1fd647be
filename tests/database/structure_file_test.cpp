#include "database/structure_file.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/temp_dir.h"

namespace orvex {
namespace {

struct Lu {
  TTableStructures table;
  std::vector<std::string> warnings;
  const std::vector<TStructure>& structures() const { return table.Fichiers.at(0).Elements; }
};

Lu Lit(std::string_view content) {
  testing::TempDir dir;
  Lu lu;
  const auto warn = [&lu](const std::string& line) { lu.warnings.push_back(line); };
  EXPECT_EQ(CompileStructures(dir.Write("s.dat", content), "S.DAT", lu.table, warn), 0);
  return lu;
}

TEST(CompileStructures, BlocksOfColourNameAndPoints) {
  const Lu lu = Lit("/ structures\n3\nTour \x82\x63lair\n45.5,6.25\n45.6,6,5\n7\nPont\n46,7\n");
  EXPECT_TRUE(lu.warnings.empty());
  const auto& s = lu.structures();
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(std::tuple(s[0].Couleur, s[0].Nom, s[0].NbPoints()), std::tuple(3, "Tour \xE9\x63lair", 2));
  EXPECT_EQ(std::tuple(s[1].Couleur, s[1].Nom, s[1].NbPoints()), std::tuple(7, "Pont", 1));
  EXPECT_EQ(s[0].Points[0].Lt, ToFixed(45.5));
  EXPECT_EQ(s[0].Points[0].Lg, ToFixed(6.25));
  EXPECT_EQ(s[0].Points.at(1).Lg, ToFixed(6.5));  // decimal comma in the longitude
}

TEST(CompileStructures, ColourLineLastInTheFileStartsNoStructure) {
  const std::pair<std::string_view, std::size_t> cases[] = {
      {"3\nA\n45,6\n8\n", 1}, {"", 0}, {"3", 0}, {"3\nA\n8\nB\n", 2}};
  for (const auto& [content, count] : cases) {
    EXPECT_EQ(Lit(content).structures().size(), count) << content;
  }
}

TEST(CompileStructures, UnreadableColourIsReportedAndReadingGoesOn) {
  const Lu lu = Lit("rouge\nA\n45,6\n4 \nB\n46,7\n$0F\nC\n47,8\n");
  const auto& s = lu.structures();
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(std::tuple(s[0].Couleur, s[1].Couleur, s[2].Couleur), std::tuple(0, 4, 15));
  EXPECT_EQ(lu.warnings, (std::vector<std::string>{
                             "Fichier S.DAT : couleur illisible \"rouge\" pour la structure \"A\", couleur 0 prise",
                             "Fichier S.DAT : couleur illisible \"4 \" pour la structure \"B\", couleur 4 prise"}));
}

}  // namespace
}  // namespace orvex
