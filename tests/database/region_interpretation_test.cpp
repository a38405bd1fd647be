#include "database/region_interpretation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <system_error>
#include <tuple>
#include <vector>

#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using Paths = std::vector<std::filesystem::path>;
using Lines = std::vector<std::string>;

class InterpreteBaseTest : public ::testing::Test {
 protected:
  InterpreteBaseTest() {
    // The start-up list as the window shows it, plus every change made to it.
    context.progress = [this](const std::string& line) {
      lines.push_back(line);
      events.push_back("+" + line);
    };
    context.removeLastLine = [this] {
      events.push_back("-" + lines.back());
      lines.pop_back();
    };
    context.closeStartupWindow = [this] { events.push_back("close"); };
    context.lireDalles = Recorder(tiles, 0);
    context.importeFil = Recorder(grids, 7);  // a grid's status is not kept
  }

  static LecteurFichier Recorder(Paths& read, int status) {
    return [&read, status](const std::filesystem::path& file) {
      read.push_back(file);
      return status;
    };
  }

  // Windows-made region: directory names in mixed case, an empty Niveaux.
  std::filesystem::path MakeRegion() {
    dir.Write("lieux/Alpes/CONTOURS/France.DAT", "45,6\n46,7\n");
    dir.Write("lieux/Alpes/Villes/villes.dat", "45,6,Annecy\n");
    dir.Write("lieux/Alpes/Villes/SAUVE", "45,6,Old\n");
    dir.Write("lieux/Alpes/Villes/.villes.dat", "45,6,Hidden\n");
    dir.MakeDir("lieux/Alpes/Niveaux");
    dir.Write("lieux/Alpes/DALLES/Dalles.DAT", "tiles");
    dir.Write("lieux/Alpes/DALLES/Nice.FIL", "grid");
    dir.Write("lieux/Alpes/om/f.dat", "45,6,F1ABC,10\n");
    return dir.path() / "lieux" / "Alpes";
  }

  testing::TempDir dir;
  PlaceTables tables;
  testing::ScriptedDialogs dialogs;
  Interpretation context{tables, dialogs};
  Lines lines;
  Lines events;
  Paths tiles;
  Paths grids;
};

TEST_F(InterpreteBaseTest, ReportsEveryCategoryInOrder) {
  const auto region = MakeRegion();
  tables.TableNiveaux.Fichiers.resize(3);  // left from an earlier region
  const ResultatInterpretation result = InterpreteBase(context, region);
  EXPECT_EQ(result.IoStatus, kIoOk);
  EXPECT_FALSE(result.regionAbsente);
  EXPECT_EQ(lines, (Lines{"Début de l'interprétation des fichiers database", "Répertoire " + region.generic_string(),
                          "Répertoire contours compilé", "Fichier de contours compilé", "Répertoire villes compilé",
                          "fichier villes compilé", "répertoire structures absent", "Répertoire niveaux compilé",
                          "fichier niveaux compilé", "Répertoire niveaux compilé", "fichier niveaux compilé",
                          "Répertoire dalle FIL  compilé", "Fichiers niveaux FIL  compilé", "Répertoire OM compilé",
                          "fichier OM compilé"}));
  // The grid line is shown only while the grids are read.
  const auto shown = std::find(events.begin(), events.end(), "+fichier niveaux fil ...");
  ASSERT_NE(shown, events.end());
  EXPECT_EQ(*(shown + 1), "-fichier niveaux fil ...");
  EXPECT_EQ(*(shown - 1), "+Répertoire dalle FIL  compilé");

  const PlaceTables& t = tables;
  EXPECT_EQ(std::tuple(t.TableContours.NbFichiers(), t.TableVilles.NbFichiers(), t.TableStructures.NbFichiers(),
                       t.TableNiveaux.NbFichiers(), t.TableOM.NbFichiers()),
            std::tuple(1, 1, 0, 0, 1));
  EXPECT_EQ(tables.TableContours.Fichiers.at(0).NomFichier, "FRANCE.DAT");
  EXPECT_EQ(tables.TableContours.Fichiers.at(0).NbElements(), 2);
  EXPECT_EQ(tables.TableVilles.Fichiers.at(0).Elements.at(0).Nom, "Annecy");
  EXPECT_EQ(tiles, Paths{region / "DALLES" / "Dalles.DAT"});
  EXPECT_EQ(grids, Paths{region / "DALLES" / "Nice.FIL"});
  EXPECT_EQ(context.currentDirectory, region / "om");
  EXPECT_TRUE(dialogs.messages.empty());
  // A second reading replaces the first; the region name is found in any case.
  lines.clear();
  EXPECT_FALSE(InterpreteBase(context, dir.path() / "LIEUX" / "alpes").regionAbsente);
  EXPECT_EQ(lines.at(1), "Répertoire " + (dir.path() / "LIEUX" / "alpes").generic_string());
  EXPECT_EQ(std::pair(tables.TableContours.NbFichiers(), tables.TableOM.NbFichiers()), std::pair(1, 1));
}

// Also: readers left out (tiles, grids) report their directory only.
TEST_F(InterpreteBaseTest, DirectiveEntriesBadDirectivesAndReadersLeftOut) {
  const auto region = MakeRegion();
  context.lireDalles = nullptr;
  context.importeFil = nullptr;
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
  EXPECT_EQ(Lines(lines.begin() + 4, lines.end()),
            (Lines{"Répertoire villes compilé", "fichier villes compilé", "répertoire structures compilé",
                   "Fichier S.DAT : couleur illisible \"bleu\" pour la structure \"Tour\", couleur 0 prise",
                   "fichier structures compilé", "Répertoire niveaux compilé", "fichier niveaux compilé",
                   "Répertoire niveaux compilé", "Répertoire dalle FIL  compilé", "Répertoire OM compilé",
                   "fichier OM : erreur 1"}));
}

TEST_F(InterpreteBaseTest, MissingRegionIsAnErrorThatHalts) {
  dir.Write("lieux/Plat", "a file");
  struct Case { std::string name; std::int32_t status; std::string suffix; };
  const Case cases[] = {
      {"Nowhere", kIoAbsent, ". Ce répertoire n'existe pas."},
      {"Plat", static_cast<std::int32_t>(std::errc::not_a_directory), ""},
  };
  for (const Case& c : cases) {
    dialogs.messages.clear();
    events.clear();
    const auto region = dir.path() / "lieux" / c.name;
    const ResultatInterpretation result = InterpreteBase(context, region);
    EXPECT_TRUE(result.regionAbsente);
    EXPECT_EQ(result.IoStatus, c.status);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages[0].text, "Erreur de changement de répertoire " + region.generic_string() + c.suffix +
                                            " Veuillez corriger le fichier ORVEX.INI à la variable \"RepertoireLieu\"");
    EXPECT_EQ(events, Lines{"close"});
  }
}

TEST_F(InterpreteBaseTest, RelayDirectoryUnderTheBase) {
  dir.Write("RELAIS/alpes.dat", "F1,JN25,A,1,2,3\nF2,JN25,B,1,2,3\n");
  dir.Write("RELAIS/Jura.DAT", "F3,JN26,C,1,2,3\n");
  dir.Write("RELAIS/notes.txt", "F4,JN26,D,1,2,3\n");
  tables.TableRelais.resize(5);
  EXPECT_EQ(InterpreteRelais(context, dir.path()), kIoOk);
  EXPECT_EQ(tables.NbRelais(), 3);
  EXPECT_EQ(lines, Lines{"Fichier des relais compilé"});
  EXPECT_EQ(InterpreteRelais(context, dir.MakeDir("empty")), kIoAbsent);
  EXPECT_EQ(lines.size(), 1u);
  EXPECT_EQ(tables.NbRelais(), 3);
}

}  // namespace
}  // namespace orvex
