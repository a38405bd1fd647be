#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <tuple>

#include "garmin/garmin_time.h"
#include "garmin/semicircles.h"
#include "garmin/track_record.h"
#include "garmin/waypoint_table.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

std::tuple<int, int, int, int, int, int> Fields(const GarminDateTime& t) {
  return {t.year, t.month, t.day, t.hour, t.minute, t.second};
}

TEST(GarminTime, CalendarDates) {
  struct Case {
    std::uint32_t seconds;
    std::tuple<int, int, int, int, int, int> expected;
  };
  const Case cases[] = {
      {0, {1989, 12, 31, 0, 0, 0}},                   // the epoch
      {86399, {1989, 12, 31, 23, 59, 59}},
      {86400, {1990, 1, 1, 0, 0, 0}},
      {320716800 + 38864, {2000, 2, 29, 10, 47, 44}},  // a leap day, at a time that floats round down
      {1546646400, {2039, 1, 4, 0, 0, 0}},            // after 2038
      {0xFFFFFFFE, {2126, 2, 6, 6, 28, 14}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Fields(GarminTimeToDateTime(c.seconds)), c.expected) << c.seconds;
    const auto [y, mo, d, h, mi, s] = c.expected;
    EXPECT_EQ(DateTimeToGarminTime({y, mo, d, h, mi, s}), c.seconds) << c.seconds;
  }
  EXPECT_FALSE(DateTimeToGarminTime({1989, 12, 30, 23, 59, 59}));
  EXPECT_FALSE(DateTimeToGarminTime({2001, 2, 29, 0, 0, 0}));
}

// Every day the 32-bit count reaches, against the standard library's calendar.
TEST(GarminTime, EveryDayMatchesTheCivilCalendar) {
  using namespace std::chrono;
  const sys_days epoch = year{1989} / December / 31;
  for (std::uint32_t day = 0; day < 0xFFFFFFFFu / 86400; ++day) {
    const year_month_day expected{epoch + days{day}};
    const GarminDateTime t = GarminTimeToDateTime(day * 86400u + 43200u);
    ASSERT_EQ(std::tuple(t.year, t.month, t.day),
              std::tuple(int(expected.year()), int(unsigned(expected.month())), int(unsigned(expected.day()))))
        << "day " << day;
  }
}

TEST(GarminTime, EverySecondOfADayHasItsOwnTimeOfDay) {
  constexpr std::uint32_t kDay = 320716800;  // 2000-02-29
  std::set<std::tuple<int, int, int>> seen;
  for (std::uint32_t s = 0; s < 86400; ++s) {
    const GarminDateTime t = GarminTimeToDateTime(kDay + s);
    ASSERT_EQ(t.hour * 3600 + t.minute * 60 + t.second, static_cast<int>(s));
    seen.insert({t.hour, t.minute, t.second});
  }
  EXPECT_EQ(seen.size(), 86400u);
}

TEST(TrackRecord, CoordinateTextsAndLines) {
  const std::tuple<double, std::string> latitudes[] = {
      {50.5, "50\xB0" "30'00\"N"},
      {49 + 36 / 60.0 + 59.7 / 3600, "49\xB0" "37'00\"N"},    // seconds round up into the minutes
      {5 + 59 / 60.0 + 59.6 / 3600, "06\xB0" "00'00\"N"},     // and into the degrees
      {-(1 + 2 / 60.0 + 3.4 / 3600), "01\xB0" "02'03\"S"},
  };
  for (const auto& [value, text] : latitudes) {
    EXPECT_EQ(TrackCoordinateText(value, 'N', 'S'), text) << value;
  }
  EXPECT_EQ(TrackCoordinateText(-3.25, 'E', 'O'), "03\xB0" "15'00\"O");
  EXPECT_EQ(TrackHeaderLines(GarminTimeToDateTime(320716800)),
            "/ Sauvegarde route du 29/2/2000\r\n/Heure Heure  Latitude   Longitude   commentaire\r\n/ GPS   GPS\r\n");
  EXPECT_EQ(TrackPointLine({50.5, -3.25, 320716800 + 38864}),
            "104744 104744 50\xB0" "30'00\"N 03\xB0" "15'00\"O \r\n");
}

TEST(TrackRecord, UploadPacketsFromTraceLines) {
  const auto date = TrackFileDate("/ Sauvegarde route du 29/2/2000");
  ASSERT_TRUE(date);
  EXPECT_FALSE(TrackFileDate("/Fichier GPS - canal 0"));
  struct Case {
    std::string line;
    std::optional<GarminDateTime> date;
    double lat, lon;
    std::uint32_t time;
  };
  const Case cases[] = {
      {"104744 104744 50\xB0" "30'00\"N 03\xB0" "15'00\"O ", date, 50.5, -3.25, 320716800 + 38864},
      {"100001,100001,45.5,-2.25,120", std::nullopt, 45.5, -2.25, kGarminNoTime},
      {"1000 1000 45.5 6", date, 45.5, 6, kGarminNoTime},
  };
  for (const Case& c : cases) {
    const GarminBytes packet = TrackPointPacket(c.line, c.date, true);
    ASSERT_EQ(PacketId(packet), kPidTrackPoint);
    const auto data = PacketData(packet);
    ASSERT_EQ(data.size(), 13u) << c.line;
    EXPECT_EQ(std::tuple(ReadInt32(data, 0), ReadInt32(data, 4), static_cast<std::uint32_t>(ReadInt32(data, 8)), data[12]),
              std::tuple(DegreesToSemicircles(c.lat), DegreesToSemicircles(c.lon), c.time, 1))
        << c.line;
  }
  EXPECT_EQ(DegreesToSemicircles(180), 2147483647);
  EXPECT_DOUBLE_EQ(SemicirclesToDegrees(-2147483647), -180);
}

TEST(Waypoints, SaveThenLoadGivesTheSameTable) {
  const WaypointTable saved = {{"AB    ", 6.125, 49.5, "pont sur la Moselle"},
                               {"Z1    ", -3.25, -12.75, ""},
                               {"\xC9T\xC9   ", 0, 0, "caf\xE9, bi\xE8re"}};
  testing::TempDir dir;
  const std::string text = WaypointFileText(saved);
  EXPECT_EQ(text.substr(0, text.find("AB")),
            "/ Sauvegarde waypoints-------------------------\r\n/\r\n"
            "/Nom du  Latitude Longitude    date       heure    commentaire\r\n/Waypoint    \r\n");
  EXPECT_NE(text.find("AB     49\xB0" "30'00\"N 06\xB0" "07'30\"E 1/1/2000 00h00mn00s pont sur la Moselle\r\n"),
            std::string::npos);
  WaypointTable loaded = {{"old", 1, 1, ""}};
  ASSERT_EQ(ReadWaypointFile(loaded, dir.Write("w.dat", text)), 0);
  ASSERT_EQ(loaded.size(), saved.size());
  for (std::size_t i = 0; i < saved.size(); ++i) {
    const std::string name = saved[i].Name.substr(0, saved[i].Name.find_last_not_of(' ') + 1);
    EXPECT_EQ(std::tuple(loaded[i].Name, loaded[i].Lon, loaded[i].Lat, loaded[i].Comment),
              std::tuple(name, saved[i].Lon, saved[i].Lat, saved[i].Comment));
  }
  EXPECT_EQ(ReadWaypointFile(loaded, dir.path() / "missing.dat"), 2);
  EXPECT_EQ(loaded.size(), saved.size());
}

TEST(Waypoints, RecordsReceivedAndSent) {
  // The upload packet of a saved line, byte for byte; an unpadded name (a
  // table read back from a file, then saved) gives the same packet.
  GarminBytes expected = {0x10, 0x23, 0x3A, 'A', 'B', ' ', ' ', ' ', ' '};
  AppendInt32(expected, DegreesToSemicircles(49.5));
  AppendInt32(expected, DegreesToSemicircles(6.125));
  expected.insert(expected.end(), {0xA6, 0x19, 0x9B, 0x01});
  const std::string comment = "pont sur la Moselle";
  expected.insert(expected.end(), comment.begin(), comment.end());
  expected.resize(3 + 58, ' ');
  const auto data = std::span(expected).subspan(3);
  expected.push_back(PacketChecksum(0x23, data));
  expected.insert(expected.end(), {0x10, 0x03});
  for (const char* line : {"AB     49\xB0" "30'00\"N 06\xB0" "07'30\"E 1/1/2000 00h00mn00s pont sur la Moselle",
                           "AB 49\xB0" "30'00\"N 06\xB0" "07'30\"E 1/1/2000 00h00mn00s pont sur la Moselle"}) {
    EXPECT_EQ(WaypointPacket(line), expected) << line;
  }
  WaypointTable table;
  ASSERT_TRUE(StoreWaypointRecord(table, PacketData(expected)));
  EXPECT_FALSE(StoreWaypointRecord(table, PacketData(expected).first(12)));
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(std::tuple(table[0].Name, table[0].Lat, table[0].Lon, table[0].Comment.size()),
            std::tuple("AB    ", SemicirclesToDegrees(DegreesToSemicircles(49.5)),
                       SemicirclesToDegrees(DegreesToSemicircles(6.125)), 40u));
}

}  // namespace
}  // namespace orvex
