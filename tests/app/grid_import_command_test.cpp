// Grid import in the program: the FIL files of a region at start-up with
// their lines, and the "Importation de données" command with its red frame,
// its question and its status texts.
#include "app/grid_import_command.h"

#include <gtest/gtest.h>

#include <QColor>

#include "app/startup.h"
#include "platform/directory_listing.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::ScriptedDialogs;
using testing::TempDir;

std::string Fil(int columns, int firstValue) {
  std::string text = "ncols " + std::to_string(columns) +
                     "\nnrows 1\nxllcorner 6\nyllcorner 49\ncellsize 0.5\n"
                     "cellsize 0.25\nNODATA_value -9999\n";
  for (int c = 0; c < columns; ++c) {
    text += std::to_string(firstValue + c) + " ";
  }
  return text;
}

void WriteBase(const TempDir& dir) {
  dir.Write("ORVEX.INI",
            "PeripheriqueCOM1=/nonexistent/tty\nProtocoleGPS=COM1:4800,N,8,1\nInterface=3\nTrame=1\n"
            "PeriodeGPS=2\nCanaux=3\nLgDemarre=6.1\nLtDemarre=49.6\nZoomDemarre=600\n"
            "RepertoireLieu=Test\n");
  dir.Write("Relais/r.dat", "LX0ABC,JN39BO,Relais,R1,,\r\n");
  dir.Write("canaux.dat", "R1,145.6125\r\n");
}

// Progress lines as "+line", and "-" where the last line was taken back.
struct StartupRun {
  std::vector<std::string> events;
  ScriptedDialogs dialogs;
  ProgramState state;

  void Run(const TempDir& dir) {
    StartupContext context{dialogs, [this](const std::string& line) { events.push_back("+" + line); },
                           [this] { events.push_back("-"); }, nullptr};
    ASSERT_EQ(ReadConfiguration(state, dir.path(), context), StartupOutcome::Continue);
    ASSERT_EQ(ReadRegionData(state, context), StartupOutcome::Continue);
  }
  std::vector<std::string> From(const std::string& first) const {
    const auto start = std::find(events.begin(), events.end(), first);
    return {start, std::min(events.end(), start + 4)};
  }
};

TEST(StartupFil, TwoGridsAreReadWithTheirLinesAndTheLastOneWins) {
  TempDir dir;
  WriteBase(dir);
  dir.Write("lieux/Test/DALLES/a.fil", Fil(2, 100));
  dir.Write("lieux/Test/DALLES/b.FIL", Fil(3, 200));
  StartupRun run;
  run.Run(dir);
  EXPECT_EQ(run.From("+Répertoire dalle FIL  compilé"),
            (std::vector<std::string>{"+Répertoire dalle FIL  compilé", "+fichier niveaux fil ...", "-",
                                      "+Fichiers niveaux FIL  compilé"}));
  const auto listing = ListeRepertoire(dir.path() / "lieux/Test/DALLES");
  const bool aLast = listing.back().name == "a.fil";
  EXPECT_EQ(run.state.dalle.Alt,
            (std::vector<std::vector<std::int32_t>>{aLast ? std::vector<std::int32_t>{100, 101}
                                                          : std::vector<std::int32_t>{200, 201, 202}}));
  EXPECT_TRUE(run.dialogs.messages.empty());
}

TEST(StartupFil, ABrokenGridIsReportedAndStartupGoesOn) {
  TempDir dir;
  WriteBase(dir);
  dir.Write("lieux/Test/Dalles/cut.fil", Fil(3, 200).substr(0, Fil(3, 200).size() - 4));
  StartupRun run;
  run.Run(dir);
  ASSERT_EQ(run.dialogs.messages.size(), 1u);
  EXPECT_NE(run.dialogs.messages[0].text.find("cut.fil : fichier incomplet"), std::string::npos)
      << run.dialogs.messages[0].text;
  EXPECT_EQ(run.state.dalle.NbX, 0);
  EXPECT_FALSE(run.From("+Fichiers niveaux FIL  compilé").empty());
}

// Answers the question after counting the red pixels of the frame.
class FrameWatcher : public ScriptedDialogs {
 public:
  explicit FrameWatcher(const Canvas& canvas) : canvas_(canvas) {}
  Answer Ask(const std::string& text, bool withCancel) override {
    const QImage& image = canvas_.Image();
    redPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        redPixels += image.pixel(x, y) == qRgb(255, 0, 0);
      }
    }
    return ScriptedDialogs::Ask(text, withCancel);
  }
  int redPixels = -1;

 private:
  const Canvas& canvas_;
};

struct CommandRun {
  ProgramState state;
  Canvas canvas{400, 300};
  FrameWatcher dialogs{canvas};
  std::vector<std::string> info;
  int redraws = 0;

  CommandRun() {
    state.projection.ImageWidth = 400;
    state.projection.ImageHeight = 300;
  }
  void Run() {
    Importationdonnes(state, canvas, dialogs,
                      {[this] {
                         ++redraws;
                         canvas.SetBrushColor(0);
                         canvas.FillRect(0, 0, 400, 300);
                         ComputeViewport(state.projection);
                       },
                       [] {}, [this](const std::string& text) { info.push_back(text); }});
  }
};

TEST(Importationdonnes, FramesTheZoneAsksAndImportsOnYes) {
  TempDir dir;
  const std::string file = dir.Write("zone.fil", Fil(3, 10)).string();
  CommandRun run;
  run.state.directories.RepertoireBase = dir.path();
  run.dialogs.fileNames = {file};
  run.dialogs.answers = {Answer::Yes};
  run.Run();
  ASSERT_EQ(run.dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(run.dialogs.fileRequests[0].title, "Importe un fichier FIL");
  EXPECT_EQ(run.dialogs.fileRequests[0].directory, dir.path().string());
  EXPECT_NE(run.dialogs.fileRequests[0].filter.find("Fichiers FIL (*.fil)"), std::string::npos);
  // 1.5 degrees wide on 400 pixels, centred on the zone (6 to 7.5, 48.75 to 49:
  // one row, whose cell reaches a step south).
  EXPECT_EQ(
      std::tuple(run.state.projection.Zoom, run.state.projection.CentreLongitude, run.state.projection.CentreLatitude),
      std::tuple(247, 6.75, 48.875));
  EXPECT_GT(run.dialogs.redPixels, 2 * 2 * 300);
  EXPECT_EQ(run.dialogs.questions, std::vector<std::string>{"La zone concernée par le fichier " + file +
                                                            " figure en rouge. Voulez-vous l'importer?"});
  EXPECT_EQ(run.info, (std::vector<std::string>{kTexteImportation, "Fichier " + file + " en cours d'importation",
                                                "fichier " + file + " 3x1 LgNO=6 LtNO=49"}));
  EXPECT_EQ(run.state.dalle.Alt, (std::vector<std::vector<std::int32_t>>{{10, 11, 12}}));
  EXPECT_TRUE(run.state.display.AffDalles);
  EXPECT_EQ(run.redraws, 2);
}

TEST(Importationdonnes, CancelNoAndFailuresKeepTheGrid) {
  struct Case {
    const char* what;
    std::optional<std::string> text;
    Answer answer;
    int redraws;
    bool framed;
    const char* error;
  };
  const Case cases[] = {
      {"cancelled file dialog", std::nullopt, Answer::No, 0, false, nullptr},
      {"No", Fil(3, 10), Answer::No, 2, true, nullptr},
      {"unreadable header", std::string("ncols x\n"), Answer::Yes, 0, false, "n'est pas un nombre entier"},
      {"short file", Fil(3, 10).substr(0, Fil(3, 10).size() - 4), Answer::Yes, 2, true, "fichier incomplet"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    CommandRun run;
    run.state.dalle.NbX = run.state.dalle.NbY = 1;
    run.state.dalle.Alt = {{5}};
    run.state.projection.Zoom = 999;
    if (c.text) {
      run.dialogs.fileNames = {dir.Write("g.fil", *c.text).string()};
    }
    run.dialogs.answers = {c.answer};
    run.Run();
    EXPECT_EQ(run.state.dalle.Alt, (std::vector<std::vector<std::int32_t>>{{5}})) << c.what;
    EXPECT_FALSE(run.state.display.AffDalles) << c.what;
    EXPECT_EQ(run.redraws, c.redraws) << c.what;
    EXPECT_EQ(run.state.projection.Zoom != 999, c.framed) << c.what;
    ASSERT_EQ(run.dialogs.messages.size(), c.error ? 1u : 0u) << c.what;
    if (c.error) {
      EXPECT_EQ(run.dialogs.messages[0].kind, MessageKind::Error) << c.what;
      EXPECT_NE(run.dialogs.messages[0].text.find(c.error), std::string::npos) << run.dialogs.messages[0].text;
    }
  }
}

}  // namespace
}  // namespace orvex
