// The Garmin dialog and the waypoint-entry dialog driven as a user does, and
// orvex-garmin run as a program, each against a device on a pseudo-terminal.
#include <QString>
#include <gtest/gtest.h>

#include "garmin/semicircles.h"
#include "garmin/simulated_garmin.h"
#include "garmin/ui/form_grmn.h"
#include "garmin/ui/form_intro_wp.h"
#include "support/program_run.h"
#include "support/pseudo_terminal.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

testing::GarminScript OneOfEach() {
  testing::GarminScript script;
  script.trackRecords = {testing::TrackPointData(DegreesToSemicircles(50.5), DegreesToSemicircles(-3.25), 3600)};
  testing::Bytes waypoint = {'W', 'P', '1', ' ', ' ', ' '};
  AppendInt32(waypoint, DegreesToSemicircles(49.5));
  AppendInt32(waypoint, DegreesToSemicircles(6.125));
  waypoint.resize(58, ' ');
  script.waypointRecords = {waypoint};
  return script;
}

class GarminWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    comm.SetDevicePath(1, pty.SlavePath());
    ASSERT_EQ(OpenSerialPort(comm, 1, "9600,n,8,1"), kSerialPortOk);
  }
  testing::PseudoTerminal pty;
  testing::TempDir dir;
  testing::ScriptedDialogs dialogs;
  TMSComm comm;
  bool active = false;
  GarminState garmin;
};

TEST_F(GarminWindows, TransferDialogDownloadsAndOffersTheWaypointSave) {
  testing::SimulatedGarmin device(pty.MasterDescriptor(), OneOfEach());
  TFormGRMN form(dialogs, comm, active, garmin, dir.path());
  EXPECT_EQ(form.windowTitle(), "Interface avec GPS GARMIN");
  EXPECT_TRUE(form.RadioButtonTrack->isChecked());

  dialogs.fileNames = {(dir.path() / "vol").string()};
  form.ButtonGRMNToPCClick();
  EXPECT_EQ(dialogs.fileRequests.back().title, "Donner un nom pour sauver le fichier trace");
  EXPECT_EQ(garmin.TransferFileName, (dir.path() / "vol.GPS").string());
  EXPECT_TRUE(garmin.TrackDownloaded);
  EXPECT_EQ(form.LabelGRMN->text(), "Fin normale de transmission");
  EXPECT_NE(testing::ReadFile(dir.path() / "vol.GPS").find("010000 010000 50\xB0" "30'00\"N"), std::string::npos);
  EXPECT_TRUE(form.ButtonOK->isEnabled());

  // Waypoints: the save dialog follows a normal end; cancelling it leaves
  // no file name behind.
  form.RadioButtonWayPoint->setChecked(true);
  form.ButtonGRMNToPCClick();
  ASSERT_EQ(garmin.Waypoints.size(), 1u);
  EXPECT_EQ(garmin.Waypoints[0].Name, "WP1   ");
  EXPECT_EQ(dialogs.fileRequests.back().title, "Sauver un fichier points de chemin (waypoint)");
  EXPECT_TRUE(garmin.TransferFileName.empty());

  dialogs.fileNames = {(dir.path() / "wp.dat").string()};
  form.ButtonGRMNToPCClick();
  EXPECT_EQ(garmin.TransferFileName, (dir.path() / "wp.dat").string());
  EXPECT_NE(testing::ReadFile(dir.path() / "wp.dat").find("\r\nWP1    49\xB0"), std::string::npos);

  dialogs.fileNames = {(dir.path() / "wp.dat").string()};
  form.ButtonPCtoGRMNClick();
  EXPECT_EQ(dialogs.fileRequests.back().title, "Sélection du fichier Waypoint à envoyer");
  EXPECT_FALSE(garmin.TrackDownloaded);
  EXPECT_EQ(form.LabelGRMN->text(), "Fin normale de transmission");
}

// "AB" is stored as "AB" and four spaces; a name read back from a file is
// unpadded and taken all the same.
TEST(WaypointEntry, ATakenNameKeepsTheDialogOpen) {
  const WaypointTable table = {{PaddedWaypointName("AB"), 6, 49, ""}, {"CD", 6, 49, ""}};
  TFormIntroWP form(table);
  EXPECT_EQ(form.windowTitle(), "nouveau Way point");
  form.show();
  for (const char* taken : {"AB", "CD"}) {
    form.EditNomWP->setText(taken);
    form.ButtonOk->click();
    EXPECT_EQ(form.LabelMessage->text(), "Nom déjà utilisé");
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.Result());
  }
  form.EditNomWP->setText("EF");
  form.EditCommWP->setText("é");
  form.ButtonOk->click();
  EXPECT_FALSE(form.isVisible());
  ASSERT_TRUE(form.Result());
  EXPECT_EQ(form.Result()->Name, "EF    ");
  EXPECT_EQ(form.Result()->Comment, "\xE9");
}

struct ToolRun {
  int exitCode = -1;
  std::string lastLine;
  std::string standardOutput;
};

// The tool's last line is its status.
ToolRun RunTool(const QStringList& arguments) {
  const testing::ProgramRun run = testing::RunProgram(ORVEX_GARMIN_PROGRAM, arguments, 30000);
  return {run.exitCode, QString::fromStdString(run.err).trimmed().section('\n', -1).toStdString(), run.out};
}

TEST(OrvexGarmin, TransfersFromTheShell) {
  testing::PseudoTerminal pty;
  testing::TempDir dir;
  const QString port = QString::fromStdString(pty.SlavePath());
  const QString track = QString::fromStdString((dir.path() / "t.gps").string());
  const QString waypoints = QString::fromStdString((dir.path() / "w.dat").string());
  {
    testing::SimulatedGarmin device(pty.MasterDescriptor(), OneOfEach());
    ToolRun run = RunTool({"--port", port, "download", "track", track});
    EXPECT_EQ(std::tuple(run.exitCode, run.lastLine), std::tuple(0, "Fin normale de transmission"));
    EXPECT_NE(testing::ReadFile(track.toStdString()).find("010000 010000 50\xB0" "30'00\"N 03\xB0" "15'00\"O \r\n"),
              std::string::npos);
    run = RunTool({"--port", port, "download", "waypoints", waypoints});
    EXPECT_EQ(std::tuple(run.exitCode, run.lastLine), std::tuple(0, "Fin normale de transmission"));
    EXPECT_NE(testing::ReadFile(waypoints.toStdString()).find("WP1    49\xB0"), std::string::npos);
    run = RunTool({"--port", port, "upload", "waypoints", waypoints});
    EXPECT_EQ(std::tuple(run.exitCode, run.lastLine), std::tuple(0, "Fin normale de transmission"));
    EXPECT_EQ(device.Received().size(), 2u + 4u + 3u);  // two downloads (command, acks), the upload
  }
  testing::GarminScript silent;
  silent.silent = true;
  testing::SimulatedGarmin device(pty.MasterDescriptor(), silent);
  const std::tuple<QStringList, int, std::string> cases[] = {
      {{"--port", port, "download", "track", track}, 1, "Erreur de liaison"},
      {{"--port", QString::fromStdString((dir.path() / "none").string()), "upload", "track", track}, 1,
       "Erreur de liaison"},
      {{"--port", port, "sideways", "track", track}, 2,
       "orvex-garmin: expected download|upload track|waypoints FILE (see --help)"},
      {{"download", "track", track}, 2, "orvex-garmin: --port DEVICE is required (see --help)"},
  };
  for (const auto& [arguments, exitCode, lastLine] : cases) {
    const ToolRun run = RunTool(arguments);
    EXPECT_EQ(std::tuple(run.exitCode, run.lastLine), std::tuple(exitCode, lastLine)) << arguments.join(' ').toStdString();
  }
  EXPECT_NE(RunTool({"--help"}).standardOutput.find("download (GPS to file)"), std::string::npos);
  EXPECT_EQ(RunTool({"--version"}).standardOutput.substr(0, 13), "orvex-garmin ");
}

}  // namespace
}  // namespace orvex
