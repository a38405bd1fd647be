// GPSBabel, a real Garmin host, against the same simulated device: the track
// points it uploads are the packets the program builds for the same points,
// and the points it downloads are the program's, to the second and the
// semicircle.
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "garmin/garmin_link.h"
#include "garmin/semicircles.h"
#include "garmin/simulated_garmin.h"
#include "garmin/track_record.h"
#include "support/pseudo_terminal.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

constexpr std::uint32_t kFirstTime = 320716800 + 38864;  // 2000-02-29 10:47:44

bool RunGpsbabel(const QStringList& arguments) {
  QProcess process;
  process.start(QStandardPaths::findExecutable("gpsbabel"), arguments);
  return process.waitForFinished(20000) && process.exitCode() == 0;
}

class GpsbabelPeer : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("gpsbabel").isEmpty()) {
      GTEST_SKIP() << "gpsbabel is not installed";
    }
  }
  testing::PseudoTerminal pty;
  testing::TempDir dir;
};

TEST_F(GpsbabelPeer, UploadsTheTrackPointsTheProgramBuilds) {
  const auto gpx = dir.Write("t.gpx",
                             "<?xml version=\"1.0\"?><gpx version=\"1.1\" creator=\"t\" "
                             "xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg>"
                             "<trkpt lat=\"50.5\" lon=\"-3.25\"><time>2000-02-29T10:47:44Z</time></trkpt>"
                             "<trkpt lat=\"49.61\" lon=\"6.13\"><time>2000-02-29T10:47:45Z</time></trkpt>"
                             "</trkseg></trk></gpx>");
  testing::SimulatedGarmin device(pty.MasterDescriptor(), {});
  ASSERT_TRUE(RunGpsbabel({"-t", "-i", "gpx", "-f", QString::fromStdString(gpx.string()), "-o", "garmin", "-F",
                           QString::fromStdString(pty.SlavePath())}));
  std::vector<testing::Bytes> points;
  for (const testing::Bytes& packet : device.Received()) {
    if (packet[1] == kPidTrackPoint) {
      points.push_back(packet);
    }
  }
  ASSERT_GE(points.size(), 2u);
  const auto date = TrackFileDate("/ Sauvegarde route du 29/2/2000");
  EXPECT_EQ(points[points.size() - 2], TrackPointPacket("104744 104744 50.5 -3.25", date, true));
  EXPECT_EQ(points.back(), TrackPointPacket("104745 104745 49.61 6.13", date, false));
}

TEST_F(GpsbabelPeer, DownloadsThePointsTheProgramReads) {
  testing::GarminScript script;
  const std::pair<double, double> positions[] = {{50.5, -3.25}, {49.61, 6.13}, {-33.8568, 151.2153}};
  for (std::uint32_t i = 0; i < 3; ++i) {
    script.trackRecords.push_back(testing::TrackPointData(DegreesToSemicircles(positions[i].first),
                                                          DegreesToSemicircles(positions[i].second), kFirstTime + i));
  }
  const auto gpx = dir.path() / "out.gpx";
  {
    testing::SimulatedGarmin device(pty.MasterDescriptor(), script);
    ASSERT_TRUE(RunGpsbabel({"-t", "-i", "garmin", "-f", QString::fromStdString(pty.SlavePath()), "-o", "gpx", "-F",
                             QString::fromStdString(gpx.string())}));
  }
  QXmlStreamReader xml(QByteArray::fromStdString(testing::ReadFile(gpx)));
  std::vector<std::tuple<double, double, QString>> theirs;
  bool inPoint = false;
  while (!xml.atEnd()) {
    const auto token = xml.readNext();
    if (token == QXmlStreamReader::StartElement && xml.name() == u"trkpt") {
      inPoint = true;
      theirs.emplace_back(xml.attributes().value("lat").toDouble(), xml.attributes().value("lon").toDouble(),
                          QString());
    } else if (token == QXmlStreamReader::StartElement && inPoint && xml.name() == u"time") {
      std::get<2>(theirs.back()) = xml.readElementText();
    } else if (token == QXmlStreamReader::EndElement && xml.name() == u"trkpt") {
      inPoint = false;
    }
  }
  ASSERT_EQ(theirs.size(), 3u);
  for (std::uint32_t i = 0; i < 3; ++i) {
    const auto mine = DecodeTrackPoint(script.trackRecords[i]);
    ASSERT_TRUE(mine);
    const GarminDateTime t = GarminTimeToDateTime(mine->Time);
    const QString time = QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day, t.hour,
                                           t.minute, t.second);
    const auto& [lat, lon, theirTime] = theirs[i];
    // GPSBabel divides by 2^31, the program by 2^31 - 1: within one semicircle.
    EXPECT_NEAR(lat, mine->Lat, 1e-7) << i;
    EXPECT_NEAR(lon, mine->Lon, 1e-7) << i;
    EXPECT_EQ(theirTime, time) << i;
  }
}

}  // namespace
}  // namespace orvex
