// The serial receive handler end to end: a real pseudo-terminal named in
// ORVEX.INI, bytes written on its master side, the real main window.
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

#include "app/ui/form_princ.h"
#include "gps/receive_buffer.h"
#include "platform/ui/qt_text.h"
#include "gps/received_text.h"
#include "support/map_picture.h"
#include "support/pseudo_terminal.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::CountColour;
using testing::ReadFile;
using testing::PseudoTerminal;
using testing::ScriptedDialogs;
using testing::TempDir;

std::string Gga(const std::string& time, const std::string& lat, const std::string& lon, const std::string& alt) {
  return testing::WithChecksum("$GPGGA," + time + "," + lat + ",N," + lon + ",E,1,08,0.9," + alt + ",M,46.9,M,,") +
         "\r\n";
}

// Lines are drawn without antialiasing: within two pixels of where the
// geometry puts them.
bool ColourNear(const QImage& image, QPoint at, QRgb colour) {
  for (int dx = -2; dx <= 2; ++dx) {
    for (int dy = -2; dy <= 2; ++dy) {
      if (image.pixel(at + QPoint(dx, dy)) == colour) {
        return true;
      }
    }
  }
  return false;
}

class GpsReceive : public ::testing::Test {
 protected:
  void Start(int protocol) {
    dir_.Write("ORVEX.INI", "PeripheriqueCOM1=" + pty_.SlavePath() +
                                "\r\nLgCourant=6.0\r\nLtCourant=49.5\r\nProtocoleGPS=COM1:4800,N,8,1\r\nInterface=3\r\n"
                                "Trame=" + std::to_string(protocol) +
                                "\r\nPeriodeGPS=2\r\nCanaux=3\r\nLgDemarre=6.1\r\nLtDemarre=49.6\r\nZoomDemarre=600\r\n"
                                "CarteDemarre=X\r\nRepertoireLieu=r\r\n");
    dir_.Write("lieux/r/villes/v.dat", "49.6,6.13,Luxembourg\r\n49.75,6.1,Ettelbruck\r\n");
    dir_.MakeDir("relais");
    dir_.Write("canaux.dat", "R1,145.6125\r\n");
    form_ = std::make_unique<TFormPrinc>(dialogs_, dir_.path());
    ASSERT_TRUE(form_->FormCreate());
    ASSERT_TRUE(dialogs_.messages.empty()) << dialogs_.messages[0].text;
  }

  bool WaitForPoints(int count) {
    return QTest::qWaitFor([&] { return form_->NbPGpsGP3->text() == QString::number(count); }, 3000);
  }

  PseudoTerminal pty_;
  TempDir dir_;
  ScriptedDialogs dialogs_;
  std::unique_ptr<TFormPrinc> form_;
};

TEST_F(GpsReceive, SentencesInPiecesFillThePanelTheTraceFileAndThePath) {
  Start(kTrameNmea);
  form_->State().receive.AvertirTrame = true;  // a beep for each decoded sentence
  const std::string first = Gga("120000", "4936.000", "00607.800", "1200.0");
  pty_.Write(first.substr(0, 4));  // cut inside the header
  QTest::qWait(50);
  pty_.Write(first.substr(4, first.size() - 5));  // cut inside the checksum
  QTest::qWait(50);
  pty_.Write(first.substr(first.size() - 5) + Gga("120010", "4938.000", "00610.800", "1000.0"));
  ASSERT_TRUE(WaitForPoints(2));
  EXPECT_EQ(FromQString(form_->LgGPSGP3->text()), "06\xB0" "10'48\"E");
  EXPECT_EQ(FromQString(form_->LtGPSGP3->text()), "49\xB0" "38'00\"N");
  EXPECT_EQ(form_->AltGPSGP3->text(), "1000");
  EXPECT_EQ(FromQString(form_->LocalGPSGP3->text()), "5km de Luxembourg");
  EXPECT_EQ(form_->DistGPSGP3->text(), "20km");  // from the observer at 6.0 E 49.5 N
  EXPECT_EQ(dialogs_.beeps, 2);
  EXPECT_EQ(form_->LabelFichier->text(), "Trace1.gps");
  EXPECT_FALSE(form_->LgChuteGP3->text().isEmpty());

  // The first fix opened the file; the second is its first line.
  const std::string trace = ReadFile(dir_.path() / "Traces" / "Trace1.gps");
  EXPECT_EQ(trace,
            "/Fichier GPS - canal 0\r\n/Heure Heure  Latitude  Longitude  Altitude\r\n"
            "120010,120010,49\xB0" "38'00\"N,06\xB0" "10'48\"E,1000\r\n");

  // The path segment is drawn in yellow between the two fixes.
  const ProjectionState& p = form_->State().projection;
  const ScreenPoint a = GeoToScreen(p, 6.13, 49.6, 1200);
  const ScreenPoint b = GeoToScreen(p, 6.18, 49.6333, 1000);
  EXPECT_GT(CountColour(form_->MapCanvas(), 0x00FFFF, QRect((a.x + b.x) / 2 - 2, (a.y + b.y) / 2 - 2, 5, 5)), 0);
}

// Anyone in radio range writes here. Markup stays text on every label (a rich
// label would read /dev/zero for ever); a bad checksum decodes nothing; a
// forged time or altitude never reaches the trace file, which keeps one
// well-formed line per fix. (Noise and bursts: the receive buffer's tests.)
TEST_F(GpsReceive, HostileSentencesShowAsTextAndLeaveTheTraceFileWhole) {
  Start(kTrameNmea);
  std::string bad = Gga("120000", "4936.000", "00607.800", "1200.0");
  bad[bad.size() - 3] = bad[bad.size() - 3] == '0' ? '1' : '0';
  pty_.Write(bad);
  const std::string markup = "$GPGGA,<img src=/dev/zero>*00";
  pty_.Write(markup + "\r\n");
  ASSERT_TRUE(QTest::qWaitFor([&] { return form_->StaticTextInfo->text() == QString::fromStdString(markup); }, 3000));
  for (const QLabel* label : form_->findChildren<QLabel*>()) {
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
  }
  form_->StaticTextInfo->grab();  // laid out and painted: nothing is fetched

  pty_.Write(Gga("120000", "4936.000", "00607.800", "1200.0"));
  ASSERT_TRUE(WaitForPoints(1));
  for (const std::string& forged : {Gga("1200\r\n120001,120001", "4936.000", "00607.800", "1200.0"),
                                    Gga(std::string("12\0" "0002", 7), "4936.000", "00607.800", "1200.0"),
                                    Gga("<b>x</b>", "4936.000", "00607.800", "1200.0"),
                                    Gga("120003", "4936.000", "00607.800", "1e300"),
                                    Gga("120004", "4936.000", "00607.800", "-9223372036854775808")}) {
    pty_.Write(forged);
  }
  pty_.Write(Gga("120010", "4938.000", "00610.800", "544.5"));
  ASSERT_TRUE(WaitForPoints(2));
  EXPECT_EQ(form_->AltGPSGP3->text(), "545");
  EXPECT_EQ(ReadFile(dir_.path() / "Traces" / "Trace1.gps"),
            "/Fichier GPS - canal 0\r\n/Heure Heure  Latitude  Longitude  Altitude\r\n"
            "120010,120010,49\xB0" "38'00\"N,06\xB0" "10'48\"E,545\r\n");
  EXPECT_EQ(dialogs_.beeps, 0);  // not asked for

  // "Quitter" lets the line go before the window closes.
  form_->Quitter1->trigger();
  EXPECT_FALSE(form_->MSComm1.PortOpen());
}

// A fix already waiting when the port opens is handled once start-up has
// reset the receive state and the traces, not during it (it would be lost).
TEST_F(GpsReceive, AFixWaitingAtStartUpIsHandledAfterIt) {
  pty_.Write(Gga("120000", "4936.000", "00607.800", "1200.0"));
  Start(kTrameNmea);
  EXPECT_TRUE(form_->State().traces.TraceTable[0].empty());
  ASSERT_TRUE(WaitForPoints(1));
  EXPECT_EQ(form_->State().traces.TraceTable[0].size(), 1u);
}

// A fix read while the tiles are drawn (the repaint lets events through)
// waits for the end of the redraw: no redraw inside the redraw, no station
// list freed under it (run under AddressSanitizer), and the map it leaves is
// exactly a fresh one, centred on the mobile.
TEST_F(GpsReceive, AFixDuringTheTileRepaintWaitsForTheRedraw) {
  Start(kTrameNmea);
  ProgramState& state = form_->State();
  state.receive.CentrerSurMobile = true;
  state.display.AffDalles = true;
  state.dalle = TDalle{80, 80, 0, 0, ToFixed(5.95), ToFixed(49.75), ToFixed(0.004), ToFixed(0.004), {}};
  for (int r = 0; r < 80; ++r) {
    state.dalle.Alt.emplace_back(80, 200 + 7 * r);
  }
  ReportAprsStation(state.stations, "LX1ABC", 6.12, 49.61);
  form_->TileRepaintInterval = std::chrono::milliseconds(0);
  pty_.Write(Gga("120000", "4936.000", "00607.800", "1200.0"));
  form_->RequestRedraw();
  EXPECT_TRUE(state.traces.TraceTable[0].empty());
  ASSERT_TRUE(WaitForPoints(1));
  QTest::qWait(50);
  EXPECT_NEAR(state.projection.CentreLongitude, 6.13, 1e-9);
  const QImage after = form_->Picture().copy();
  form_->RequestRedraw();
  EXPECT_TRUE(after == form_->Picture());
}

// A station keeps its track: a second position is appended, the same one
// again is not; the map, redrawn as the station moved, shows the track and
// the station at its last point only.
TEST_F(GpsReceive, AprsStationsKeepTheirTrackAndAreDrawnAtTheirLastPosition) {
  Start(kTrameAprs);
  // The TNC prints a header line, then the information line.
  pty_.Write("LX1ABC-9>APRS,WIDE2-1:\r\n!4936.00N/00607.80E>test\r\n");
  ASSERT_TRUE(QTest::qWaitFor([&] { return form_->State().stations.Reports == 1; }, 3000));
  const ScreenPoint first = GeoToScreen(form_->State().projection, 6.13, 49.6, 0);
  EXPECT_EQ(form_->Picture().pixel(first.x - 8, first.y), qRgb(255, 255, 0)) << "drawn on receipt, no redraw";
  pty_.Write("LX1ABC-9>APRS,WIDE2-1:\r\n!4940.00N/00610.00E>moved\r\n");
  pty_.Write("LX1ABC-9>APRS,WIDE2-1:\r\n!4940.00N/00610.00E>same\r\n");
  const AprsStationTable& stations = form_->State().stations;
  ASSERT_TRUE(QTest::qWaitFor([&] { return stations.Reports == 3; }, 3000));
  ASSERT_EQ(AprsStationCount(stations), 1u);
  const AprsStation& station = stations.Groups[0][0];
  EXPECT_EQ(station.Name, "LX1ABC-9");
  ASSERT_EQ(station.PointCount(), 2);
  EXPECT_EQ(station.Points[0].second, ToFixed(49.6));
  EXPECT_EQ(station.Points[1].second, ToFixed(49 + 40.0 / 60));

  const ProjectionState& p = form_->State().projection;
  const ScreenPoint a = GeoToScreen(p, 6.13, 49.6, 0);
  const ScreenPoint b = GeoToScreen(p, 6 + 10.0 / 60, 49 + 40.0 / 60, 0);
  const QImage& image = form_->Picture();
  EXPECT_TRUE(ColourNear(image, QPoint((a.x + b.x) / 2, (a.y + b.y) / 2), qRgb(0, 128, 128))) << "track";
  EXPECT_EQ(image.pixel(b.x - 8, b.y), qRgb(0, 255, 255)) << "cross at the last position";
  for (const QRgb cross : {qRgb(0, 255, 255), qRgb(255, 255, 0)}) {
    EXPECT_NE(image.pixel(a.x - 8, a.y), cross) << "no cross left at the first position";
  }
}

// A real peer: GPSBabel turns a GPX track written here into NMEA, which goes
// through the pseudo-terminal; every fix comes back within one arc-second and
// half a metre.
TEST_F(GpsReceive, NmeaFromGpsBabelDecodesToTheTrack) {
  if (QStandardPaths::findExecutable("gpsbabel").isEmpty()) {
    GTEST_SKIP() << "gpsbabel is not installed";
  }
  struct Fix {
    double lat, lon, ele;
  };
  const std::vector<Fix> track = {{49.61234, 6.12345, 301.4}, {49.62001, 6.13456, 512.6}, {49.63111, 6.14999, 1234.2}};
  std::string gpx =
      "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"test\" xmlns=\"http://www.topografix.com/GPX/1/1\">"
      "<trk><trkseg>\n";
  for (std::size_t i = 0; i < track.size(); ++i) {
    char point[256];
    std::snprintf(point, sizeof point,
                  "<trkpt lat=\"%.5f\" lon=\"%.5f\"><ele>%.1f</ele><time>2026-01-01T12:00:%02zuZ</time>"
                  "<fix>3d</fix></trkpt>\n",
                  track[i].lat, track[i].lon, track[i].ele, i * 10);
    gpx += point;
  }
  gpx += "</trkseg></trk></gpx>\n";
  const auto gpxFile = dir_.Write("track.gpx", gpx);
  QProcess babel;
  babel.start("gpsbabel", {"-t", "-i", "gpx", "-f", QString::fromStdString(gpxFile.string()), "-o",
                           "nmea,gprmc=0,gpgsa=0,gpvtg=0", "-F", "-"});
  ASSERT_TRUE(babel.waitForFinished(10000));
  const QByteArray nmea = babel.readAllStandardOutput();
  ASSERT_FALSE(nmea.isEmpty());

  Start(kTrameNmea);
  pty_.Write(nmea.toStdString());
  ASSERT_TRUE(WaitForPoints(static_cast<int>(track.size())));
  const auto& points = form_->State().traces.TraceTable[0];
  ASSERT_EQ(points.size(), track.size());
  for (std::size_t i = 0; i < track.size(); ++i) {
    EXPECT_NEAR(FromFixed(points[i].Lat), track[i].lat, 1.0 / 3600) << i;
    EXPECT_NEAR(FromFixed(points[i].Lon), track[i].lon, 1.0 / 3600) << i;
    EXPECT_NEAR(points[i].Alt, track[i].ele, 0.5) << i;
  }
}

}  // namespace
}  // namespace orvex
