// Start-up in-process: the real main window over a directory written by the
// test, with scripted dialogs recording every message.
#include <gtest/gtest.h>

#include "app/ui/form_princ.h"
#include "database/channel_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::ScriptedDialogs;
using testing::TempDir;

std::string ConfigurationText(const std::string& serialLine = "ProtocoleGPS=COM1:4800,N,8,1",
                              const std::string& device = "/nonexistent/ttyGPS") {
  return "PeripheriqueCOM1=" + device + "\r\nLgCourant=6.1\r\nLtCourant=49.6\r\n" + serialLine +
         "\r\nInterface=3\r\nTrame=1\r\nPeriodeGPS=2\r\nCanaux=3\r\nLgDemarre=6.1\r\nLtDemarre=49.6\r\n"
         "ZoomDemarre=600\r\nCarteDemarre=X\r\nRepertoireLieu=Test\r\n";
}

// A base directory with ORVEX.INI, a region "Test" written in other cases,
// the relay directory and the channel file.
void WriteBase(const TempDir& dir, const std::string& configuration = ConfigurationText()) {
  dir.Write("ORVEX.INI", configuration);
  dir.Write("LIEUX/test/VILLES/Nord.DAT", "49.6,6.1,Ville\r\n");
  dir.MakeDir("LIEUX/test/Contours");
  dir.MakeDir("LIEUX/Autre");
  dir.Write("LIEUX/fichier.txt", "x");
  dir.Write("Relais/r.dat", "LX0ABC,JN39BO,Relais,R1,,\r\n");
  dir.Write("canaux.dat", "R1,145.6125\r\n");
}

TEST(Startup, ReadsTheRegionRelaysAndChannels) {
  TempDir dir;
  WriteBase(dir);
  ScriptedDialogs dialogs;
  TFormPrinc form(dialogs, dir.path());
  ASSERT_TRUE(form.FormCreate());
  EXPECT_TRUE(dialogs.messages.empty() || dialogs.messages[0].kind == MessageKind::Warning);
  const ProgramState& state = form.State();
  ASSERT_EQ(state.tables.TableVilles.NbFichiers(), 1);
  EXPECT_EQ(state.tables.TableVilles.Fichiers[0].Elements.at(0).Nom, "Ville");
  EXPECT_EQ(state.tables.NbRelais(), 1);
  EXPECT_EQ(FrequenceDuCanal(state.tables.TableCanaux, "r1"), "145.6125");
  EXPECT_EQ(state.directories.ListeRegions.size(), 2u);
  EXPECT_EQ(state.directories.ListeRegions.at(state.directories.IndexRegion), "test");
  EXPECT_FALSE(state.FabricationDallesPossible);
  EXPECT_FALSE(form.Fabriquerdalledesniveaux1->isVisible());
}

TEST(Startup, LevelCurvesShowTheTileFabricationEntries) {
  TempDir dir;
  WriteBase(dir);
  dir.Write("LIEUX/test/niveaux/n.dat", "2\r\n300\r\n49.6,6.1\r\n49.7,6.2\r\n");
  ScriptedDialogs dialogs;
  TFormPrinc form(dialogs, dir.path());
  ASSERT_TRUE(form.FormCreate());
  EXPECT_TRUE(form.Fabriquerdalledesniveaux1->isVisible());
}

TEST(Startup, MissingRegionHalts) {
  TempDir dir;
  WriteBase(dir);
  std::filesystem::remove_all(dir.path() / "LIEUX/test");
  ScriptedDialogs dialogs;
  TFormPrinc form(dialogs, dir.path());
  EXPECT_FALSE(form.FormCreate());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs.messages[0].text.rfind("Erreur de changement de répertoire ", 0), 0u);
}

TEST(Startup, MissingRelayDirectoryGoesToTheFailureExit) {
  TempDir dir;
  WriteBase(dir);
  std::filesystem::remove_all(dir.path() / "Relais");
  ScriptedDialogs dialogs;
  TFormPrinc form(dialogs, dir.path());
  EXPECT_FALSE(form.FormCreate());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Erreur dans le fichier ORVEX.INI ligne 0 ; trouvé {incdir relais} (non trouvé)");
}

TEST(Startup, MissingChannelFileHalts) {
  TempDir dir;
  WriteBase(dir);
  std::filesystem::remove(dir.path() / "canaux.dat");
  ScriptedDialogs dialogs;
  TFormPrinc form(dialogs, dir.path());
  EXPECT_FALSE(form.FormCreate());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs.messages[0].text, "fichier " + dir.path().string() + "/canaux.dat non trouvé");
}

TEST(Startup, MissingConfigurationFileEndsTheProgram) {
  TempDir dir;
  ScriptedDialogs dialogs;
  TFormPrinc form(dialogs, dir.path());
  EXPECT_FALSE(form.FormCreate());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(dialogs.messages[0].text, "Erreur sur le fichier ORVEX.INI");
}

TEST(Startup, StartedFromAnotherDirectoryDoesNotFindTheFile) {
  TempDir dir;
  dir.Write("ORVEX.INI", ConfigurationText());
  ScriptedDialogs dialogs;
  TFormPrinc form(dialogs, dir.MakeDir("elsewhere"));
  EXPECT_FALSE(form.FormCreate());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Erreur sur le fichier ORVEX.INI");
}

TEST(Startup, BadValueShowsTheFailureExitWithWhatRemains) {
  TempDir dir;
  dir.Write("ORVEX.INI", ConfigurationText("ProtocoleGPS=COM1:4800,Z,8,1"));
  ScriptedDialogs dialogs;
  TFormPrinc form(dialogs, dir.path());
  EXPECT_FALSE(form.FormCreate());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(dialogs.messages[0].text, "Erreur dans le fichier ORVEX.INI ligne 0 ; trouvé Z,8,1");
}

}  // namespace
}  // namespace orvex
