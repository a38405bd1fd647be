// A real software TNC end to end: Dire Wolf's gen_packets turns packets
// written here into AFSK audio, Dire Wolf decodes it and serves the frames as
// a KISS TNC on a pseudo-terminal, which the main window reads as frame type 4.
//
// Dire Wolf also links its terminal at the fixed path /tmp/kisstnc; the test
// never uses that link but reads the terminal's name from Dire Wolf's output,
// so that parallel runs each talk to their own TNC.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/ui/form_princ.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

constexpr int kTimeoutMs = 15000;

// Each packet and the log line it gives (after the time), or nullptr.
const std::pair<const char*, const char*> kPackets[] = {
    {"F4ABC-9>APRS,WIDE2-1:!4936.00N/00607.80E>start",
     "F4ABC-9,49\xB0" "36'00\"N,06\xB0" "07'48\"E,4,!4936.00N/00607.80E>start"},
    {"F4ABC-9>APRS,WIDE2-1:!4938.00N/00610.80E>moving",
     "F4ABC-9,49\xB0" "38'00\"N,06\xB0" "10'48\"E,4,!4938.00N/00610.80E>moving"},
    {"F1BBB>APRS:>status only", nullptr},
    {"OH7LZB-2>TQ4W2V,WIDE2-1:`c51!f?>/]\"3x}=", "OH7LZB-2,41\xB0" "47'16\"N,71\xB0" "25'13\"O,4,`c51!f?>/]\"3x}="},
    {"F1AAA>APRS:;BALLOON  *092345z/5L!!<*e7>7P[",
     "BALLOON  ,49\xB0" "30'00\"N,72\xB0" "45'00\"O,4,;BALLOON  *092345z/5L!!<*e7>7P["},
    {"F4ABC-9>APRS,WIDE2-1:!4940.00N/00612.00E>arrived",
     "F4ABC-9,49\xB0" "40'00\"N,06\xB0" "12'00\"E,4,!4940.00N/00612.00E>arrived"},
};

TEST(KissTnc, PacketsThroughDireWolfPlaceEveryStationAndFillTheDailyLog) {
  for (const char* program : {"direwolf", "gen_packets"}) {
    if (QStandardPaths::findExecutable(program).isEmpty()) {
      GTEST_SKIP() << program << " is not installed (Debian package direwolf)";
    }
  }
  testing::TempDir dir;
  std::string packets, expectedLog;
  for (const auto& [packet, logged] : kPackets) {
    packets += std::string(packet) + "\n";
    expectedLog += logged != nullptr ? std::string(logged) + "\r\n" : "";
  }
  dir.Write("packets.txt", packets);
  dir.Write("dw.conf", "ADEVICE stdin null\nCHANNEL 0\nMYCALL N0CALL\nAGWPORT 0\nKISSPORT 0\n");
  QProcess gen, direwolf;
  for (QProcess* process : {&gen, &direwolf}) {
    process->setWorkingDirectory(QString::fromStdString(dir.path().string()));
  }
  gen.start("gen_packets", {"-o", "packets.wav", "packets.txt"});
  ASSERT_TRUE(gen.waitForFinished(kTimeoutMs) && gen.exitCode() == 0) << gen.readAllStandardError().toStdString();
  direwolf.setProcessChannelMode(QProcess::MergedChannels);
  direwolf.start("direwolf", {"-c", "dw.conf", "-p", "-t", "0", "-q", "hd"});  // audio on standard input
  QByteArray output;
  const QRegularExpression announce("Virtual KISS TNC is available on (\\S+)");
  ASSERT_TRUE(QTest::qWaitFor([&] { return announce.match(output += direwolf.readAll()).hasMatch(); }, kTimeoutMs))
      << output.toStdString();

  dir.Write("ORVEX.INI", "PeripheriqueCOM1=" + announce.match(output).captured(1).toStdString() +
                             "\r\nLgCourant=6.0\r\nLtCourant=49.5\r\nProtocoleGPS=COM1:9600,N,8,1\r\nInterface=3\r\n"
                             "Trame=4\r\nPeriodeGPS=2\r\nCanaux=1\r\nLgDemarre=6.1\r\nLtDemarre=49.6\r\n"
                             "ZoomDemarre=600\r\nCarteDemarre=X\r\nRepertoireLieu=r\r\n");
  dir.Write("lieux/r/villes/v.dat", "49.6,6.13,Luxembourg\r\n");
  dir.Write("canaux.dat", "R1,145.6125\r\n");
  dir.MakeDir("relais");
  testing::ScriptedDialogs dialogs;
  TFormPrinc form(dialogs, dir.path());
  ASSERT_TRUE(form.FormCreate());
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;

  direwolf.write(QByteArray::fromStdString(testing::ReadFile(dir.path() / "packets.wav")));
  const AprsStationTable& stations = form.State().stations;
  EXPECT_TRUE(QTest::qWaitFor([&] { return stations.Reports == 5; }, kTimeoutMs)) << stations.Reports << " heard";
  direwolf.closeWriteChannel();  // end of audio: Dire Wolf exits
  direwolf.waitForFinished(kTimeoutMs);

  // The day's log: one line per position, in the order heard.
  std::string logged;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "Traces")) {
    std::istringstream lines(testing::ReadFile(entry.path()));
    for (std::string line; std::getline(lines, line);) {
      logged += line.starts_with('/') ? "" : line.substr(line.find(',') + 1) + "\n";  // the time is the clock's
    }
  }
  EXPECT_EQ(logged, expectedLog);

  EXPECT_EQ(AprsStationCount(stations), 3u);
  ASSERT_NE(FindAprsStation(stations, "OH7LZB-2"), nullptr);
  ASSERT_NE(FindAprsStation(stations, "BALLOON  "), nullptr);
  const AprsStation* mobile = FindAprsStation(stations, "F4ABC-9");
  ASSERT_NE(mobile, nullptr);
  EXPECT_EQ(mobile->PointCount(), 3);
  // Redrawn as the mobile moved: it shows at its last position.
  const ScreenPoint last = GeoToScreen(form.State().projection, 6.2, 49 + 40.0 / 60, 0);
  EXPECT_EQ(form.Picture().pixel(last.x - 8, last.y), qRgb(0, 255, 255));
}

}  // namespace
}  // namespace orvex
