#include "garmin/garmin_link.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <algorithm>

#include "garmin/semicircles.h"
#include "garmin/simulated_garmin.h"
#include "garmin/track_record.h"
#include "support/pseudo_terminal.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::Bytes;

std::int32_t Semi(double degrees) { return DegreesToSemicircles(degrees); }

Bytes WaypointData(const std::string& name, double lat, double lon, const std::string& comment) {
  Bytes data(name.begin(), name.end());
  AppendInt32(data, Semi(lat));
  AppendInt32(data, Semi(lon));
  data.insert(data.end(), {0, 0, 0, 0});
  data.insert(data.end(), comment.begin(), comment.end());
  data.resize(58, ' ');
  return data;
}

class GarminLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    comm.SetDevicePath(1, pty.SlavePath());
    ASSERT_EQ(OpenSerialPort(comm, 1, "4800,n,8,1"), kSerialPortOk);
  }

  void Play(testing::GarminScript script) {
    device = std::make_unique<testing::SimulatedGarmin>(pty.MasterDescriptor(), std::move(script));
  }
  bool Listed(const std::string& line) const { return std::find(lines.begin(), lines.end(), line) != lines.end(); }

  testing::PseudoTerminal pty;
  testing::TempDir dir;
  TMSComm comm;
  bool active = false;
  std::vector<std::string> lines;
  std::vector<std::string> statuses;
  GarminLink link{comm, active,
                  TransferReport{[this](const std::string& l) { lines.push_back(l); }, [this] { lines.clear(); },
                                 [this](const std::string& s) { statuses.push_back(s); }}};
  std::unique_ptr<testing::SimulatedGarmin> device;
};

TEST_F(GarminLinkTest, TrackDownloadWritesTheTrackFile) {
  constexpr std::uint32_t kLeapDay = 320716800;  // 2000-02-29 00:00
  testing::GarminScript script;
  script.trackRecords = {
      testing::TrackPointData(Semi(50.5), Semi(-3.25), kLeapDay + 38864),
      testing::TrackPointData(Semi(49 + 36 / 60.0 + 59.7 / 3600), Semi(6.1), kLeapDay + 38865),
      testing::TrackPointData(0x10101010, Semi(0.5), kLeapDay + 86399),  // doubled DLEs on the wire
  };
  Play(script);
  const auto file = dir.path() / "trace.gps";
  WaypointTable waypoints;
  EXPECT_EQ(link.Download(file, kTransferTrack, waypoints), kTransferOk);
  EXPECT_FALSE(active);
  EXPECT_TRUE(link.NormalEnd());
  EXPECT_EQ(statuses, (std::vector<std::string>{"Liaison en cours", kNormalEnd}));
  EXPECT_EQ(testing::ReadFile(file),
            "/ Sauvegarde route du 29/2/2000\r\n"
            "/Heure Heure  Latitude   Longitude   commentaire\r\n"
            "/ GPS   GPS\r\n"
            "104744 104744 50\xB0" "30'00\"N 03\xB0" "15'00\"O \r\n"
            "104745 104745 49\xB0" "37'00\"N 06\xB0" "06'00\"E \r\n"
            "235959 235959 " + TrackCoordinateText(SemicirclesToDegrees(0x10101010), 'N', 'S') +
            " 00\xB0" "30'00\"E \r\n");
  for (const char* line : {"Envoi de N=8 $10 $0A $02 $06 $00 $EE $10 $03 ",
                           "Envoi de N=8 $10 $06 $02 $0A $00 $EE $10 $03  Ok", "Il y a 3 enregistrements à lire",
                           "Enregistrement n°3", "Fin correcte sur EOF  Tous enregistrements transmis"}) {
    EXPECT_TRUE(Listed(line)) << line;
  }
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("Reçu N="); }));
  EXPECT_EQ(comm.Settings(), "9600,n,8,1");
}

TEST_F(GarminLinkTest, WaypointDownloadFillsTheTable) {
  testing::GarminScript script;
  script.waypointRecords = {WaypointData("AB    ", 49.5, 6.125, "pont"), WaypointData("ZZ1   ", -12.5, -3, "")};
  Play(script);
  WaypointTable waypoints = {{"old", 0, 0, ""}};
  EXPECT_EQ(link.Download({}, kTransferWaypoints, waypoints), kTransferOk);
  EXPECT_TRUE(link.NormalEnd());
  ASSERT_EQ(waypoints.size(), 2u);
  EXPECT_EQ(std::tuple(waypoints[0].Name, waypoints[0].Lat, waypoints[0].Lon, waypoints[0].Comment.substr(0, 5)),
            std::tuple("AB    ", SemicirclesToDegrees(Semi(49.5)), SemicirclesToDegrees(Semi(6.125)), "pont "));
  EXPECT_EQ(waypoints[1].Name, "ZZ1   ");
}

TEST_F(GarminLinkTest, UploadsSendEveryRecordThenTheEnd) {
  const std::string wpt1 = "AB     49\xB0" "30'00\"N 06\xB0" "07'30\"E 1/1/2000 00h00mn00s pont";
  const std::string wpt2 = "CD     00\xB0" "00'01\"S 00\xB0" "00'00\"E 1/1/2000 00h00mn00s ";
  const auto waypointFile = dir.Write("w.dat", "/ Sauvegarde waypoints\r\n/\r\n" + wpt1 + "\r\n" + wpt2 + "\r\n/fin\r\n");
  const auto trackFile = dir.Write("t.gps", "/ Sauvegarde route du 29/2/2000\r\n104744 104744 50.5 -3.25\r\n"
                                            "\r\n104745 104745 50.5 -3.5\r\n");
  struct Case {
    std::filesystem::path file;
    int kind;
    std::vector<Bytes> expected;
  };
  const Case cases[] = {
      {waypointFile, kTransferWaypoints,
       {RecordCountPacket(2), WaypointPacket(wpt1), WaypointPacket(wpt2), TransferCompletePacket(kTransferWaypoints)}},
      {trackFile, kTransferTrack,
       {RecordCountPacket(2), TrackPointPacket("104744 104744 50.5 -3.25", GarminTimeToDateTime(320716800), true),
        TrackPointPacket("104745 104745 50.5 -3.5", GarminTimeToDateTime(320716800), false),
        TransferCompletePacket(kTransferTrack)}},
  };
  for (const Case& c : cases) {
    Play({});
    EXPECT_EQ(link.Upload(c.file, c.kind), kTransferOk);
    EXPECT_TRUE(link.NormalEnd()) << c.file;
    // The device has read every packet: each waited for its acknowledgement.
    EXPECT_EQ(device->Received(), c.expected) << c.file;
    device.reset();
  }
  const auto& point = cases[1].expected[1];
  EXPECT_EQ(static_cast<std::uint32_t>(ReadInt32(PacketData(point), 8)), 320716800u + 38864);
}

TEST_F(GarminLinkTest, FailuresEndInBoundedTimeWithTheirMessage) {
  struct Case {
    std::string name;
    testing::GarminScript script;
    bool upload;
    std::string line;
  };
  testing::GarminScript silent;
  silent.silent = true;
  testing::GarminScript stops;
  stops.trackRecords.assign(5, testing::TrackPointData(0, 0, 0));
  stops.stopAfterRecords = 2;
  testing::GarminScript babbles;
  babbles.babbles = true;
  testing::GarminScript stopsAcking;
  stopsAcking.uploadAcks = 2;
  const auto file = dir.Write("t.gps", "100000 100000 45.5 6\r\n100001 100001 45.5 6\r\n100002 100002 45.5 6\r\n");
  const Case cases[] = {
      {"no device", silent, false, "Le GPS n'est pas prêt"},
      {"stops mid-transfer", stops, false, "Timeout GPS"},
      {"sends noise", babbles, false, "Le GPS n'est pas prêt"},
      {"stops acknowledging an upload", stopsAcking, true, "Le GPS n'est pas prêt"},
      {"upload, no device", silent, true, "Le GPS n'est pas prêt"},
  };
  for (const Case& c : cases) {
    Play(c.script);
    statuses.clear();
    QElapsedTimer clock;
    clock.start();
    WaypointTable waypoints;
    if (c.upload) {
      link.Upload(file, kTransferTrack);
    } else {
      link.Download(dir.path() / "out.gps", kTransferTrack, waypoints);
    }
    EXPECT_LT(clock.elapsed(), 8000) << c.name;
    EXPECT_TRUE(Listed(c.line)) << c.name;
    EXPECT_FALSE(link.NormalEnd()) << c.name;
    EXPECT_FALSE(active) << c.name;
    ASSERT_FALSE(statuses.empty());
    EXPECT_EQ(statuses.back(), kLinkError) << c.name;
    device.reset();
  }
  link.Upload(dir.path() / "missing.gps", kTransferTrack);
  EXPECT_TRUE(Listed("Erreur à l'ouverture du fichier"));
  EXPECT_FALSE(link.NormalEnd());
}

}  // namespace
}  // namespace orvex
