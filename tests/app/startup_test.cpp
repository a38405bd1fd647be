// Start-up in-process: the real main window over a directory written by the
// test, with scripted dialogs recording every message.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "app/startup.h"
#include "app/ui/form_princ.h"
#include "database/channel_file.h"
#include "platform/cp1252.h"
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

  // The state start-up leaves: the configured view, the display flags, no
  // trace, and the panels' captions.
  const ProjectionState& p = state.projection;
  const DisplayOptions& d = state.display;
  EXPECT_EQ(std::tuple(p.Zoom, p.CentreLongitude, p.CentreLatitude, p.GlobeRadius, form.ZoomGP1->text()),
            std::tuple(600, 6.1, 49.6, 48000.0, "600"));
  EXPECT_EQ(std::tuple(p.Spherical, p.NoRotation, p.GroundView, p.BackgroundActive, d.AfficheRelais, d.AfficheOM,
                       d.Courbe1erPlan, d.AffDalles, d.GridShown, d.ModeOmbre, d.FiltreMin, d.FiltreMax),
            std::tuple(false, true, true, false, false, false, false, false, false, false, 0, 10000));
  EXPECT_EQ(std::tuple(d.AffichePays, d.AfficheVilles, d.AfficheStructures, d.AfficheNiveaux, d.CourbeCouleur,
                       d.PolygonesPleins, d.AffichageContinu),
            std::tuple(true, true, true, true, true, true, true));
  EXPECT_EQ(std::tuple(state.traces.TraceTable.size(), state.traces.CurrentChannel, state.receive.DropPoint.Longitude),
            std::tuple(3u, 0, 0.0));
  QStringList captions;
  for (const QGroupBox* group : {form.GroupBox2, form.GroupBox3}) {
    for (const QLabel* label : group->findChildren<QLabel*>()) {
      captions << group->title() + label->text();
    }
  }
  for (const char* caption : {"Lignage Relèvement :", "Données GPS Longitude chute :",
                              "Données GPS Latitude chute :"}) {
    EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
  }
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

// A Windows-1252 ORVEX.INI, found whatever the case of its name, names the
// region "Isère": a folder named in UTF-8, in raw Windows-1252 or in other
// cases is found and listed in Windows-1252; what goes to standard error (or,
// without the folder, the message) is valid UTF-8.
TEST(Startup, RegionNamedWithAccentsInEitherEncoding) {
  const std::tuple<const char*, const char*, std::string, const char*> cases[] = {
      // ORVEX.INI as named, the folder (none: missing), its name in the region list, what the text shows
      {"ORVEX.INI", "Is\xC3\xA8re", "Is\xE8re", "/LIEUX/Isère"},
      {"Orvex.ini", "Is\xE8re", "Is\xE8re", "/LIEUX/Isère"},
      {"orvex.INI", "IS\xC3\x88RE", "IS\xC8RE", "/LIEUX/ISÈRE"},
      {"ORVEX.INI", nullptr, "", "/LIEUX/Isère. Ce répertoire n'existe pas."}};
  for (const auto& [ini, folder, listed, shown] : cases) {
    SCOPED_TRACE(ini);
    TempDir dir;
    std::string configuration = ConfigurationText();
    WriteBase(dir, configuration.replace(configuration.find("=Test"), 5, "=Is\xE8re"));
    std::filesystem::rename(dir.path() / "ORVEX.INI", dir.path() / ini);
    if (folder != nullptr) {
      dir.Write(std::string("LIEUX/") + folder + "/VILLES/v.dat", "49.6,6.1,Ville\r\n");
    }
    ScriptedDialogs dialogs;
    TFormPrinc form(dialogs, dir.path());
    ::testing::internal::CaptureStderr();
    const bool started = form.FormCreate();
    const std::string text = ::testing::internal::GetCapturedStderr() +
                             (dialogs.messages.empty() ? std::string() : dialogs.messages[0].text);
    EXPECT_EQ(std::pair(started, IsValidUtf8(text)), std::pair(folder != nullptr, true));
    EXPECT_NE(text.find(shown), std::string::npos) << text;
    const Directories& directories = form.State().directories;
    if (started) {
      EXPECT_EQ(directories.ListeRegions.at(directories.IndexRegion), listed);
    }
  }
}

// An installed tree (owned by root, read-only to the user) works like one in
// the home directory: started as `nobody` (in a child process, which alone
// gives up root), the region list still holds the regions.
TEST(Startup, RegionListOfATreeTheUserCannotWrite) {
  if (::geteuid() != 0) {
    GTEST_SKIP() << "needs root, to start as nobody on a tree owned by root";
  }
  TempDir dir;
  WriteBase(dir);
  std::filesystem::permissions(dir.path(), std::filesystem::perms(0755));
  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    ProgramState state;
    StderrDialogs dialogs;
    StartupContext context{dialogs, {}, {}, {}};
    const bool started = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 &&
                         ReadConfiguration(state, dir.path(), context) == StartupOutcome::Continue &&
                         ReadRegionData(state, context) == StartupOutcome::Continue;
    ::_exit(started ? static_cast<int>(state.directories.ListeRegions.size()) : 100);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;  // "test" and "Autre"
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
