#include "database/structure_file.h"

#include <gtest/gtest.h>

#include <string>
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
  const auto& structures = lu.structures();
  ASSERT_EQ(structures.size(), 2u);
  EXPECT_EQ(structures[0].Couleur, 3);
  EXPECT_EQ(structures[0].Nom, "Tour \xE9\x63lair");
  ASSERT_EQ(structures[0].NbPoints(), 2);
  EXPECT_EQ(structures[0].Points[0].Lt, ToFixed(45.5));
  EXPECT_EQ(structures[0].Points[0].Lg, ToFixed(6.25));
  EXPECT_EQ(structures[0].Points[1].Lg, ToFixed(6.5));  // decimal comma in the longitude
  EXPECT_EQ(structures[1].Couleur, 7);
  EXPECT_EQ(structures[1].Nom, "Pont");
  EXPECT_EQ(structures[1].NbPoints(), 1);
}

TEST(CompileStructures, ColourLineLastInTheFileStartsNoStructure) {
  const std::pair<std::string_view, std::size_t> cases[] = {{"3\nA\n45,6\n8\n", 1}, {"", 0}, {"3", 0}, {"3\nA\n8\nB\n", 2}};
  for (const auto& [content, count] : cases) {
    EXPECT_EQ(Lit(content).structures().size(), count) << content;
  }
}

TEST(CompileStructures, UnreadableColourIsReportedAndReadingGoesOn) {
  const Lu lu = Lit("rouge\nA\n45,6\n4 \nB\n46,7\n$0F\nC\n47,8\n");
  ASSERT_EQ(lu.structures().size(), 3u);
  EXPECT_EQ(lu.structures()[0].Couleur, 0);
  EXPECT_EQ(lu.structures()[1].Couleur, 4);
  EXPECT_EQ(lu.structures()[2].Couleur, 15);
  EXPECT_EQ(lu.warnings, (std::vector<std::string>{
                             "Fichier S.DAT : couleur illisible \"rouge\" pour la structure \"A\", couleur 0 prise",
                             "Fichier S.DAT : couleur illisible \"4 \" pour la structure \"B\", couleur 4 prise"}));
}

}  // namespace
}  // namespace orvex
