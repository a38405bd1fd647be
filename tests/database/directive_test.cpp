#include "database/directive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "platform/directory_listing.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

TEST(DirectiveText, ArgumentAfterTheFirstBlankAndSplitAtTheFirstDot) {
  const std::pair<std::string_view, std::string_view> arguments[] = {
      {"INCLUDE *.DAT", "*.DAT"}, {"INCLUDE    *.DAT", "*.DAT"}, {"INCLUDE", ""},
      {"INCDIR A B", "A B"},      {"INCLUDE *.DAT ", "*.DAT "},  {"INCDIR ", ""},
  };
  for (const auto& [body, argument] : arguments) {
    EXPECT_EQ(ArgumentDirective(body), argument) << body;
  }
  const std::array<std::string, 3> splits[] = {
      {"*.DAT", "*", "DAT"}, {"DAT", "", "DAT"}, {"A.B.C", "A", "B.C"}, {".X", "", "X"}, {"A.", "A", ""},
  };
  for (const auto& [name, nom, extension] : splits) {
    const NomExtension split = SepareNomExtension(name);
    EXPECT_EQ(std::pair(split.nom, split.extension), std::pair(nom, extension)) << name;
  }
}

class InterpreteDirectiveTest : public ::testing::Test {
 protected:
  std::string Run(std::int32_t mode, std::string_view text) {
    std::string argument;
    InterpreteDirective(context, mode, text, argument);
    return argument;
  }
  std::vector<std::string> ContourNames() const {
    std::vector<std::string> names;
    for (const auto& fichier : tables.TableContours.Fichiers) {
      names.push_back(fichier.NomFichier);
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  testing::TempDir dir;
  PlaceTables tables;
  testing::ScriptedDialogs dialogs;
  Interpretation context{tables, dialogs, dir.path()};
};

// Dot entries are hidden; an entry named SAUVE (whose extension is SAUVE) is
// never taken.
TEST_F(InterpreteDirectiveTest, IncludeTakesEveryEntryWithTheExtension) {
  for (const char* name : {"A.DAT", "b.Dat", "DAT", "c.dat.bak", "x.txt", "two.parts.dat", ".hidden.dat"}) {
    dir.Write(name, "45,6\n");
  }
  EXPECT_EQ(Run(kModeContours, "{include *.dat}"), "*.DAT");
  EXPECT_EQ(context.IoStatus, kIoOk);
  EXPECT_EQ(ContourNames(), (std::vector<std::string>{"A.DAT", "B.DAT", "DAT"}));
  EXPECT_EQ(tables.TableContours.Fichiers[0].NbElements(), 1);
  tables.TableContours.Fichiers.clear();
  dir.Write("sauve", "45,6\n");
  dir.Write("x.Sauve", "45,6\n");
  Run(kModeContours, "{include *.sauve}");
  EXPECT_EQ(ContourNames(), std::vector<std::string>{"X.SAUVE"});
}

// Names resolved without regard to case are checked on a whole region in
// region_interpretation_test.cpp.
TEST_F(InterpreteDirectiveTest, SingleFileTakesTheStatusOfItsReader) {
  dir.Write("Sub/Dalles.DAT", "tiles");
  context.lireDalles = [](const std::filesystem::path&) { return 5; };
  EXPECT_EQ(Run(kModeRepertoire, "{incdir sub}"), "SUB");
  EXPECT_EQ(context.currentDirectory, dir.path() / "Sub");
  Run(kModeDalles, "{include dalles.dat}");
  EXPECT_EQ(context.IoStatus, 5);
}

// Run in order: every directive clears the status, and an include ends with
// the status of the last file it took.
TEST_F(InterpreteDirectiveTest, StatusOfEachDirective) {
  dir.Write("file.dat", "45,6\n");
  dir.MakeDir("Folder.xyz");
  const auto notADirectory = static_cast<std::int32_t>(std::errc::not_a_directory);
  const auto isADirectory = static_cast<std::int32_t>(std::errc::is_a_directory);
  struct Step { std::int32_t mode; std::string_view text; std::int32_t status; };
  const Step steps[] = {
      {kModeRepertoire, "{incdir missing}", kIoAbsent}, {kModeRepertoire, "{incdir file.dat}", notADirectory},
      {kModeRepertoire, "{incdir}", kIoAbsent},         {kModeContours, "{include *.dat", kIoDirectiveMalformee},
      {kModeContours, "{include absent.dat}", kIoAbsent}, {kModeContours, "{other words}", kIoOk},
      {kModeContours, "{include absent.dat}", kIoAbsent}, {kModeContours, "{include *.abc}", kIoOk},
      {kModeRepertoire, "file.dat", kIoOk},  // directory mode reads no file
      {kModeContours, "{include *.xyz}", isADirectory}, {kModeContours, "{include file.dat}", kIoOk},
  };
  for (const Step& step : steps) {
    Run(step.mode, step.text);
    EXPECT_EQ(context.IoStatus, step.status) << step.text;
  }
  EXPECT_EQ(context.currentDirectory, dir.path());
  EXPECT_EQ(ContourNames(), std::vector<std::string>{"FILE.DAT"});
}

TEST_F(InterpreteDirectiveTest, EntryNamedLikeADirectoryDirectiveMovesTheRest) {
  dir.Write("{incdir sub}", "");
  dir.Write("SUB/inner.dat", "45,6\n");
  Run(kModeContours, "{include *.dat}");
  EXPECT_EQ(context.currentDirectory, dir.path() / "SUB");
}

// "{include *.dat}" as a file name would list itself forever.
TEST_F(InterpreteDirectiveTest, EntryNamedLikeAnIncludeDoesNotRunForever) {
  dir.Write("{include *.dat}", "");
  dir.Write("{include *.dat }", "");
  dir.Write("a.dat", "45,6\n");
  Run(kModeContours, "{include *.dat}");
  EXPECT_EQ(ContourNames(), std::vector<std::string>{"A.DAT"});
}

TEST_F(InterpreteDirectiveTest, OnlyTheFirstListedEntriesAreConsidered) {
  for (int i = 0; i < 500; ++i) {
    dir.Write("f" + std::to_string(i) + ".dat", "");
  }
  Run(kModeContours, "{include *.dat}");
  EXPECT_EQ(tables.TableContours.NbFichiers(), static_cast<std::int32_t>(kMaxListedEntries) - 2);  // "." and ".."
}

}  // namespace
}  // namespace orvex
