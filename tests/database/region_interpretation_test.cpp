#include "database/region_interpretation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

// The start-up list as the window shows it, plus every change made to it.
struct StartupList {
  std::vector<std::string> lines;
  std::vector<std::string> events;
};

class InterpreteBaseTest : public ::testing::Test {
 protected:
  InterpreteBaseTest() {
    context.progress = [this](const std::string& line) {
      list.lines.push_back(line);
      list.events.push_back("+" + line);
    };
    context.removeLastLine = [this] {
      list.events.push_back("-" + list.lines.back());
      list.lines.pop_back();
    };
    context.closeStartupWindow = [this] { list.events.push_back("close"); };
    context.lireDalles = [this](const std::filesystem::path& file) {
      tiles.push_back(file);
      return 0;
    };
    context.importeFil = [this](const std::filesystem::path& file) {
      grids.push_back(file);
      return 7;  // not kept
    };
  }

  // Windows-made region: directory names in mixed case.
  std::filesystem::path MakeRegion() {
    dir.Write("lieux/Alpes/CONTOURS/France.DAT", "45,6\n46,7\n");
    dir.Write("lieux/Alpes/Villes/villes.dat", "45,6,Annecy\n");
    dir.Write("lieux/Alpes/Villes/SAUVE", "45,6,Old\n");
    dir.Write("lieux/Alpes/Villes/.villes.dat", "45,6,Hidden\n");
    dir.MakeDir("lieux/Alpes/Niveaux");
    dir.Write("lieux/Alpes/DALLES/dalles.dat", "tiles");
    dir.Write("lieux/Alpes/DALLES/Nice.FIL", "grid");
    dir.Write("lieux/Alpes/om/f.dat", "45,6,F1ABC,10\n");
    return dir.path() / "lieux" / "Alpes";
  }

  testing::TempDir dir;
  PlaceTables tables;
  testing::ScriptedDialogs dialogs;
  Interpretation context{tables, dialogs};
  StartupList list;
  std::vector<std::filesystem::path> tiles;
  std::vector<std::filesystem::path> grids;
};

TEST_F(InterpreteBaseTest, ReportsEveryCategoryInOrder) {
  const auto region = MakeRegion();
  const ResultatInterpretation result = InterpreteBase(context, region);
  EXPECT_EQ(result.IoStatus, kIoOk);
  EXPECT_FALSE(result.regionAbsente);
  const std::vector<std::string> expected = {
      "Début de l'interprétation des fichiers database",
      "Répertoire " + region.generic_string(),
      "Répertoire contours compilé",
      "Fichier de contours compilé",
      "Répertoire villes compilé",
      "fichier villes compilé",
      "répertoire structures absent",
      "Répertoire niveaux compilé",
      "fichier niveaux compilé",
      "Répertoire niveaux compilé",
      "fichier niveaux compilé",
      "Répertoire dalle FIL  compilé",
      "Fichiers niveaux FIL  compilé",
      "Répertoire OM compilé",
      "fichier OM compilé",
  };
  EXPECT_EQ(list.lines, expected);
  // The grid line is shown only while the grids are read.
  const auto shown = std::find(list.events.begin(), list.events.end(), "+fichier niveaux fil ...");
  ASSERT_NE(shown, list.events.end());
  EXPECT_EQ(*(shown + 1), "-fichier niveaux fil ...");
  EXPECT_EQ(*(shown - 1), "+Répertoire dalle FIL  compilé");

  EXPECT_EQ(tables.TableContours.NbFichiers(), 1);
  EXPECT_EQ(tables.TableContours.Fichiers[0].NomFichier, "FRANCE.DAT");
  EXPECT_EQ(tables.TableContours.Fichiers[0].NbElements(), 2);
  ASSERT_EQ(tables.TableVilles.NbFichiers(), 1);
  EXPECT_EQ(tables.TableVilles.Fichiers[0].Elements.at(0).Nom, "Annecy");
  EXPECT_EQ(tables.TableStructures.NbFichiers(), 0);
  EXPECT_EQ(tables.TableNiveaux.NbFichiers(), 0);
  EXPECT_EQ(tables.TableOM.NbFichiers(), 1);
  EXPECT_EQ(tiles, std::vector<std::filesystem::path>{region / "DALLES" / "dalles.dat"});
  EXPECT_EQ(grids, std::vector<std::filesystem::path>{region / "DALLES" / "Nice.FIL"});
  EXPECT_EQ(context.currentDirectory, region / "om");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(InterpreteBaseTest, EmptiesTheTablesBeforeReading) {
  const auto region = MakeRegion();
  tables.TableNiveaux.Fichiers.resize(3);
  InterpreteBase(context, region);
  InterpreteBase(context, region);
  EXPECT_EQ(tables.TableContours.NbFichiers(), 1);
  EXPECT_EQ(tables.TableNiveaux.NbFichiers(), 0);
}

TEST_F(InterpreteBaseTest, RegionNameWithoutRegardToCase) {
  MakeRegion();
  const ResultatInterpretation result = InterpreteBase(context, dir.path() / "LIEUX" / "alpes");
  EXPECT_FALSE(result.regionAbsente);
  EXPECT_EQ(tables.TableOM.NbFichiers(), 1);
  EXPECT_EQ(list.lines.at(1), "Répertoire " + (dir.path() / "LIEUX" / "alpes").generic_string());
}

TEST_F(InterpreteBaseTest, ReadersLeftOutReportTheirDirectoryOnly) {
  const auto region = MakeRegion();
  context.lireDalles = nullptr;
  context.importeFil = nullptr;
  InterpreteBase(context, region);
  const std::vector<std::string> tail(list.lines.begin() + 9, list.lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"Répertoire niveaux compilé", "Répertoire dalle FIL  compilé",
                                            "Répertoire OM compilé", "fichier OM compilé"}));
}

TEST_F(InterpreteBaseTest, DirectiveEntriesAndBadDirectives) {
  const auto region = MakeRegion();
  // A file named like a directive moves the rest of the contour listing into
  // "sub"; the next category starts again from the region.
  dir.Write("lieux/Alpes/CONTOURS/{incdir sub}", "");
  dir.MakeDir("lieux/Alpes/CONTOURS/sub");
  // The only entry of OM is a directive without "}".
  std::filesystem::remove(region / "om" / "f.dat");
  dir.Write("lieux/Alpes/om/{incdir x", "");
  dir.Write("lieux/Alpes/Struct/s.dat", "bleu\nTour\n45,6\n");
  const ResultatInterpretation result = InterpreteBase(context, region);
  EXPECT_EQ(result.IoStatus, kIoDirectiveMalformee);
  EXPECT_EQ(list.lines.at(4), "Répertoire villes compilé");
  EXPECT_EQ(list.lines.at(5), "fichier villes compilé");
  EXPECT_EQ(list.lines.at(6), "répertoire structures compilé");
  EXPECT_EQ(list.lines.at(7),
            "Fichier S.DAT : couleur illisible \"bleu\" pour la structure \"Tour\", couleur 0 prise");
  EXPECT_EQ(list.lines.at(8), "fichier structures compilé");
  EXPECT_EQ(list.lines.back(), "fichier OM : erreur 1");
}

TEST_F(InterpreteBaseTest, MissingRegionIsAnErrorThatHalts) {
  struct Case {
    std::string name;
    bool isFile;
    std::string suffix;
  };
  dir.Write("lieux/Plat", "a file");
  const Case cases[] = {
      {"Nowhere", false, ". Ce répertoire n'existe pas."},
      {"Plat", true, ""},
  };
  for (const Case& c : cases) {
    dialogs.messages.clear();
    list = {};
    const auto region = dir.path() / "lieux" / c.name;
    const ResultatInterpretation result = InterpreteBase(context, region);
    EXPECT_TRUE(result.regionAbsente);
    EXPECT_EQ(result.IoStatus, c.isFile ? static_cast<std::int32_t>(std::errc::not_a_directory) : kIoAbsent);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages[0].text, "Erreur de changement de répertoire " + region.generic_string() + c.suffix +
                                            " Veuillez corriger le fichier ORVEX.INI à la variable \"RepertoireLieu\"");
    EXPECT_EQ(list.events, std::vector<std::string>{"close"});
  }
}

TEST(InterpreteRelais, RelayDirectoryUnderTheBase) {
  testing::TempDir dir;
  dir.Write("RELAIS/alpes.dat", "F1,JN25,A,1,2,3\nF2,JN25,B,1,2,3\n");
  dir.Write("RELAIS/Jura.DAT", "F3,JN26,C,1,2,3\n");
  dir.Write("RELAIS/notes.txt", "F4,JN26,D,1,2,3\n");
  PlaceTables tables;
  tables.TableRelais.resize(5);
  testing::ScriptedDialogs dialogs;
  std::vector<std::string> lines;
  Interpretation context{tables, dialogs};
  context.progress = [&lines](const std::string& line) { lines.push_back(line); };
  EXPECT_EQ(InterpreteRelais(context, dir.path()), kIoOk);
  EXPECT_EQ(tables.NbRelais(), 3);
  EXPECT_EQ(lines, std::vector<std::string>{"Fichier des relais compilé"});

  testing::TempDir empty;
  lines.clear();
  EXPECT_EQ(InterpreteRelais(context, empty.path()), kIoAbsent);
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(tables.NbRelais(), 3);
}

TEST(RapportCompilation, LabelAndOutcome) {
  std::vector<std::string> lines;
  const ProgressSink sink = [&lines](const std::string& line) { lines.push_back(line); };
  RapportCompilation(sink, "fichier villes", 0);
  RapportCompilation(sink, "fichier villes", 2);
  RapportCompilation(sink, "fichier villes", 13);
  EXPECT_EQ(lines, (std::vector<std::string>{"fichier villes compilé", "fichier villes absent",
                                             "fichier villes : erreur 13"}));
}

}  // namespace
}  // namespace orvex
