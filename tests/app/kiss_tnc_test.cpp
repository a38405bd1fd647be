// A real software TNC end to end: Dire Wolf's gen_packets turns packets
// written here into AFSK audio, Dire Wolf decodes that audio and serves the
// frames as a KISS TNC on a pseudo-terminal, the main window reads that
// terminal as frame type 4.
//
// Dire Wolf also links its terminal at the fixed path /tmp/kisstnc; the test
// never uses that link but reads the terminal's own name from Dire Wolf's
// output, so that runs in parallel (other build directories, other
// checkouts) each talk to their own TNC.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/ui/form_princ.h"
#include "gps/frame_types.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::ReadFile;
using testing::ScriptedDialogs;
using testing::TempDir;

constexpr int kTimeoutMs = 15000;

double Degrees(int d, double minutes) { return d + minutes / 60; }

struct Heard {
  const char* packet;
  const char* name;     // nullptr: no position
  double lon, lat;      // degrees
  const char* logged;   // the log line without its time
};

const Heard kPackets[] = {
    {"F4ABC-9>APRS,WIDE2-1:!4936.00N/00607.80E>start", "F4ABC-9", Degrees(6, 7.8), 49.6,
     "F4ABC-9,49\xB0" "36'00\"N,06\xB0" "07'48\"E,4,!4936.00N/00607.80E>start"},
    {"F4ABC-9>APRS,WIDE2-1:!4938.00N/00610.80E>moving", "F4ABC-9", Degrees(6, 10.8), Degrees(49, 38),
     "F4ABC-9,49\xB0" "38'00\"N,06\xB0" "10'48\"E,4,!4938.00N/00610.80E>moving"},
    {"F1BBB>APRS:>status only", nullptr, 0, 0, nullptr},
    {"OH7LZB-2>TQ4W2V,WIDE2-1:`c51!f?>/]\"3x}=", "OH7LZB-2", -Degrees(71, 25.21), Degrees(41, 47.26),
     "OH7LZB-2,41\xB0" "47'16\"N,71\xB0" "25'13\"O,4,`c51!f?>/]\"3x}="},
    {"F1AAA>APRS:;BALLOON  *092345z/5L!!<*e7>7P[", "BALLOON  ", -72.75, 49.5,
     "BALLOON  ,49\xB0" "30'00\"N,72\xB0" "45'00\"O,4,;BALLOON  *092345z/5L!!<*e7>7P["},
    {"F4ABC-9>APRS,WIDE2-1:!4940.00N/00612.00E>arrived", "F4ABC-9", 6.2, Degrees(49, 40),
     "F4ABC-9,49\xB0" "40'00\"N,06\xB0" "12'00\"E,4,!4940.00N/00612.00E>arrived"},
};

class KissTnc : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* program : {"direwolf", "gen_packets"}) {
      if (QStandardPaths::findExecutable(program).isEmpty()) {
        GTEST_SKIP() << program << " is not installed (Debian package direwolf)";
      }
    }
  }

  void TearDown() override {
    if (direwolf_.state() != QProcess::NotRunning) {
      direwolf_.closeWriteChannel();  // end of audio: Dire Wolf exits
      if (!direwolf_.waitForFinished(5000)) {
        direwolf_.kill();
        direwolf_.waitForFinished(5000);
      }
    }
  }

  // Starts Dire Wolf reading audio from its standard input; the name of its
  // KISS terminal, or empty.
  std::string StartTnc() {
    dir_.Write("dw.conf", "ADEVICE stdin null\nCHANNEL 0\nMYCALL N0CALL\nAGWPORT 0\nKISSPORT 0\n");
    direwolf_.setWorkingDirectory(QString::fromStdString(dir_.path().string()));
    direwolf_.setProcessChannelMode(QProcess::MergedChannels);
    direwolf_.start("direwolf", {"-c", "dw.conf", "-p", "-t", "0", "-q", "hd"});
    static const QRegularExpression kTerminal("Virtual KISS TNC is available on (\\S+)");
    QByteArray output;
    QRegularExpressionMatch match;
    const bool ready = QTest::qWaitFor(
        [&] {
          output += direwolf_.readAll();
          match = kTerminal.match(QString::fromLocal8Bit(output));
          return match.hasMatch();
        },
        kTimeoutMs);
    return ready ? match.captured(1).toStdString() : std::string();
  }

  TempDir dir_;
  ScriptedDialogs dialogs_;
  QProcess direwolf_;
  std::unique_ptr<TFormPrinc> form_;
};

TEST_F(KissTnc, PacketsThroughDireWolfPlaceEveryStationAndFillTheDailyLog) {
  std::string packets;
  for (const Heard& heard : kPackets) {
    packets += std::string(heard.packet) + "\n";
  }
  dir_.Write("packets.txt", packets);
  QProcess gen;
  gen.setWorkingDirectory(QString::fromStdString(dir_.path().string()));
  gen.start("gen_packets", {"-o", "packets.wav", "packets.txt"});
  ASSERT_TRUE(gen.waitForFinished(kTimeoutMs) && gen.exitCode() == 0) << gen.readAllStandardError().toStdString();

  const std::string terminal = StartTnc();
  ASSERT_FALSE(terminal.empty()) << "Dire Wolf named no KISS terminal";
  dir_.Write("ORVEX.INI", "PeripheriqueCOM1=" + terminal +
                              "\r\nLgCourant=6.0\r\nLtCourant=49.5\r\nProtocoleGPS=COM1:9600,N,8,1\r\nInterface=3\r\n"
                              "Trame=" + std::to_string(kTrameAprsKiss) +
                              "\r\nPeriodeGPS=2\r\nCanaux=1\r\nLgDemarre=6.1\r\nLtDemarre=49.6\r\nZoomDemarre=600\r\n"
                              "CarteDemarre=X\r\nRepertoireLieu=r\r\n");
  dir_.Write("lieux/r/villes/v.dat", "49.6,6.13,Luxembourg\r\n");
  dir_.MakeDir("relais");
  dir_.Write("canaux.dat", "R1,145.6125\r\n");
  form_ = std::make_unique<TFormPrinc>(dialogs_, dir_.path());
  ASSERT_TRUE(form_->FormCreate());
  ASSERT_TRUE(dialogs_.messages.empty()) << dialogs_.messages[0].text;

  const QByteArray audio = QByteArray::fromStdString(ReadFile(dir_.path() / "packets.wav"));
  ASSERT_EQ(direwolf_.write(audio), audio.size());
  const AprsStationTable& stations = form_->State().stations;
  const auto positions = static_cast<std::uint64_t>(std::count_if(
      std::begin(kPackets), std::end(kPackets), [](const Heard& h) { return h.name != nullptr; }));
  ASSERT_TRUE(QTest::qWaitFor([&] { return stations.Reports == positions; }, kTimeoutMs))
      << stations.Reports << " of " << positions << " positions heard";

  ASSERT_EQ(AprsStationCount(stations), 3u);
  std::vector<std::pair<FixedDegree, FixedDegree>> mobile;
  for (const Heard& heard : kPackets) {
    if (heard.name == nullptr) {
      continue;
    }
    const AprsStation* station = FindAprsStation(stations, heard.name);
    ASSERT_NE(station, nullptr) << heard.name;
    if (std::string(heard.name) == "F4ABC-9") {
      mobile.emplace_back(ToFixed(heard.lon), ToFixed(heard.lat));
    } else {
      EXPECT_NEAR(FromFixed(station->Points.back().first), heard.lon, 1.0 / 3600) << heard.name;
      EXPECT_NEAR(FromFixed(station->Points.back().second), heard.lat, 1.0 / 3600) << heard.name;
    }
  }
  EXPECT_EQ(FindAprsStation(stations, "F4ABC-9")->Points, mobile);

  // The day's log: one line per position, in the order heard.
  std::vector<std::filesystem::path> logs;
  for (const auto& entry : std::filesystem::directory_iterator(dir_.path() / "Traces")) {
    if (entry.path().filename().string().starts_with("APRS-")) {
      logs.push_back(entry.path());
    }
  }
  ASSERT_EQ(logs.size(), 1u);
  std::string expected;
  for (const Heard& heard : kPackets) {
    if (heard.logged != nullptr) {
      expected += std::string(heard.logged) + "\r\n";
    }
  }
  std::string logged;
  const std::string text = ReadFile(logs[0]);
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find('\n', at) + 1;
    const std::string line = text.substr(at, end - at);
    if (!line.starts_with('/')) {
      logged += line.substr(line.find(',') + 1);  // the time is the clock's
    }
    at = end;
  }
  EXPECT_EQ(logged, expected);

  // On the map, redrawn as the mobile moved: the mobile at its last position.
  const ProjectionState& p = form_->State().projection;
  const ScreenPoint last = GeoToScreen(p, 6.2, Degrees(49, 40), 0);
  EXPECT_EQ(form_->Picture().pixel(last.x - 8, last.y), qRgb(0, 255, 255));
}

}  // namespace
}  // namespace orvex
