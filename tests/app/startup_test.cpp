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

// Every way start-up stops: the message shown (its kind and text, or the
// beginning of the text) and a false FormCreate.
struct HaltCase {
  const char* what;
  std::string configuration;  // empty: no ORVEX.INI at all
  const char* removed;        // removed from the base directory, or nullptr
  bool fromSubdirectory;      // started from a directory without ORVEX.INI
  MessageKind kind;
  std::string message;        // "<base>" stands for the base directory
  bool prefixOnly = false;
};

TEST(Startup, HaltsWithItsMessage) {
  const std::vector<HaltCase> cases = {
      {"missing region", ConfigurationText(), "LIEUX/test", false, MessageKind::Error,
       "Erreur de changement de répertoire ", true},
      {"missing relay directory", ConfigurationText(), "Relais", false, MessageKind::Error,
       "Erreur dans le fichier ORVEX.INI ligne 0 ; trouvé {incdir relais} (non trouvé)"},
      {"missing channel file", ConfigurationText(), "canaux.dat", false, MessageKind::Error,
       "fichier <base>/canaux.dat non trouvé"},
      {"missing ORVEX.INI", "", nullptr, false, MessageKind::Information, "Erreur sur le fichier ORVEX.INI"},
      {"started elsewhere", ConfigurationText(), nullptr, true, MessageKind::Information,
       "Erreur sur le fichier ORVEX.INI"},
      {"bad value", ConfigurationText("ProtocoleGPS=COM1:4800,Z,8,1"), nullptr, false, MessageKind::Error,
       "Erreur dans le fichier ORVEX.INI ligne 0 ; trouvé Z,8,1"},
  };
  for (const HaltCase& c : cases) {
    TempDir dir;
    WriteBase(dir, c.configuration);
    if (c.configuration.empty()) {
      std::filesystem::remove(dir.path() / "ORVEX.INI");
    }
    if (c.removed != nullptr) {
      std::filesystem::remove_all(dir.path() / c.removed);
    }
    ScriptedDialogs dialogs;
    TFormPrinc form(dialogs, c.fromSubdirectory ? dir.MakeDir("elsewhere") : dir.path());
    EXPECT_FALSE(form.FormCreate()) << c.what;
    ASSERT_EQ(dialogs.messages.size(), 1u) << c.what;
    EXPECT_EQ(dialogs.messages[0].kind, c.kind) << c.what;
    std::string expected = c.message;
    if (const auto base = expected.find("<base>"); base != std::string::npos) {
      expected.replace(base, 6, dir.path().string());
    }
    const std::string& shown = dialogs.messages[0].text;
    EXPECT_EQ(c.prefixOnly ? shown.substr(0, expected.size()) : shown, expected) << c.what;
  }
}

}  // namespace
}  // namespace orvex
