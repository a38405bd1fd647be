#include "database/directive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/directory_listing.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

TEST(ArgumentDirective, TextAfterTheFirstBlank) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"INCLUDE *.DAT", "*.DAT"},   {"INCLUDE    *.DAT", "*.DAT"}, {"INCLUDE", ""},
      {"INCDIR A B", "A B"},        {"INCLUDE *.DAT ", "*.DAT "},  {"INCDIR ", ""},
  };
  for (const auto& [body, argument] : cases) {
    EXPECT_EQ(ArgumentDirective(body), argument) << body;
  }
}

TEST(SepareNomExtension, SplitsAtTheFirstDot) {
  struct Case {
    std::string_view name, nom, extension;
  };
  const Case cases[] = {
      {"*.DAT", "*", "DAT"}, {"DAT", "", "DAT"}, {"A.B.C", "A", "B.C"}, {".X", "", "X"}, {"A.", "A", ""},
  };
  for (const Case& c : cases) {
    const NomExtension split = SepareNomExtension(c.name);
    EXPECT_EQ(split.nom, c.nom) << c.name;
    EXPECT_EQ(split.extension, c.extension) << c.name;
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

TEST_F(InterpreteDirectiveTest, IncludeTakesEveryEntryWithTheExtension) {
  for (const char* name : {"A.DAT", "b.Dat", "DAT", "c.dat.bak", "x.txt", "two.parts.dat"}) {
    dir.Write(name, "45,6\n");
  }
  dir.Write(".hidden.dat", "45,6\n");
  EXPECT_EQ(Run(kModeContours, "{include *.dat}"), "*.DAT");
  EXPECT_EQ(context.IoStatus, kIoOk);
  EXPECT_EQ(ContourNames(), (std::vector<std::string>{"A.DAT", "B.DAT", "DAT"}));
  EXPECT_EQ(tables.TableContours.Fichiers[0].NbElements(), 1);
}

// An entry named SAUVE has SAUVE as its extension, and is still never taken.
TEST_F(InterpreteDirectiveTest, SauveIsNeverTaken) {
  dir.Write("sauve", "45,6\n");
  dir.Write("x.Sauve", "45,6\n");
  Run(kModeContours, "{include *.sauve}");
  EXPECT_EQ(ContourNames(), std::vector<std::string>{"X.SAUVE"});
}

TEST_F(InterpreteDirectiveTest, DirectoriesAndSingleFilesWithoutRegardToCase) {
  dir.Write("Sub/Dalles.DAT", "tiles");
  std::vector<std::filesystem::path> read;
  context.lireDalles = [&read](const std::filesystem::path& file) {
    read.push_back(file);
    return 0;
  };
  EXPECT_EQ(Run(kModeRepertoire, "{incdir sub}"), "SUB");
  EXPECT_EQ(context.IoStatus, kIoOk);
  EXPECT_EQ(context.currentDirectory, dir.path() / "Sub");
  Run(kModeDalles, "{include dalles.dat}");
  EXPECT_EQ(context.IoStatus, kIoOk);
  EXPECT_EQ(read, (std::vector<std::filesystem::path>{dir.path() / "Sub" / "Dalles.DAT"}));
  context.lireDalles = [](const std::filesystem::path&) { return 5; };
  Run(kModeDalles, "{include dalles.dat}");
  EXPECT_EQ(context.IoStatus, 5);
}

TEST_F(InterpreteDirectiveTest, FailuresSetTheStatus) {
  dir.Write("file.dat", "45,6\n");
  Run(kModeRepertoire, "{incdir missing}");
  EXPECT_EQ(context.IoStatus, kIoAbsent);
  EXPECT_EQ(context.currentDirectory, dir.path());
  Run(kModeRepertoire, "{incdir file.dat}");
  EXPECT_EQ(context.IoStatus, static_cast<std::int32_t>(std::errc::not_a_directory));
  Run(kModeRepertoire, "{incdir}");
  EXPECT_EQ(context.IoStatus, kIoAbsent);
  Run(kModeContours, "{include *.dat");
  EXPECT_EQ(context.IoStatus, kIoDirectiveMalformee);
  Run(kModeContours, "{include absent.dat}");
  EXPECT_EQ(context.IoStatus, kIoAbsent);
  Run(kModeContours, "{other words}");
  EXPECT_EQ(context.IoStatus, kIoOk);
  Run(kModeRepertoire, "file.dat");  // directory mode reads no file
  EXPECT_EQ(context.IoStatus, kIoOk);
  EXPECT_EQ(tables.TableContours.NbFichiers(), 0);
}

TEST_F(InterpreteDirectiveTest, StatusIsThatOfTheLastFileTaken) {
  dir.Write("only.dat", "45,6\n");
  Run(kModeContours, "{include only.dat}");
  EXPECT_EQ(context.IoStatus, kIoOk);
  Run(kModeContours, "{include *.xyz}");  // nothing taken: the cleared status stays
  EXPECT_EQ(context.IoStatus, kIoOk);
  dir.MakeDir("Folder.xyz");
  Run(kModeContours, "{include *.xyz}");
  EXPECT_EQ(context.IoStatus, static_cast<std::int32_t>(std::errc::is_a_directory));
}

TEST_F(InterpreteDirectiveTest, EntryNamedLikeADirectoryDirectiveMovesTheRest) {
  dir.Write("{incdir sub}", "");
  dir.Write("SUB/inner.dat", "45,6\n");
  Run(kModeContours, "{include *.dat}");
  EXPECT_EQ(context.currentDirectory, dir.path() / "SUB");
}

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
