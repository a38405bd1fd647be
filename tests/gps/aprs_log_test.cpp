#include "gps/aprs_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::ReadFile;
using testing::TempDir;

const std::string kHeader = "/Journal APRS - heure UTC\r\n/Heure,Station,Latitude,Longitude,Trame,Information\r\n";

DecodedPosition Heard(const char* name, double lon, double lat, std::string info) {
  DecodedPosition fix;
  fix.Name = name;
  fix.Longitude = lon;
  fix.Latitude = lat;
  fix.Information = std::move(info);
  return fix;
}

TEST(AprsLog, OneLinePerPositionInTheFileOfTheUtcDay) {
  TempDir app;
  const std::time_t evening = 1773532798;  // 2026-03-14 23:59:58 UTC
  const std::time_t night = evening + 5;
  {
    AprsDailyLog log;
    EXPECT_EQ(log.Append(app.path(), evening, Heard("F4ABC-9", 6.18, 49 + 38.0 / 60, "!4938.00N/00610.80E>a,b"), 2).Status, 0);
    EXPECT_EQ(log.Append(app.path(), evening + 1, Heard("TEST", -(72 + 1.75 / 60), -(49 + 3.5 / 60), "`c5\r1\n"), 4).Status, 0);
    EXPECT_EQ(log.Append(app.path(), night, Heard("F4ABC-9", 6.2, 49.64, "x"), 4).Status, 0);
  }
  AprsDailyLog restarted;  // the program started again the same day: the file goes on
  EXPECT_EQ(restarted.Append(app.path(), night + 60, Heard("F4ABC-9", 6.2, 49.65, "y"), 4).File,
            app.path() / "Traces" / "APRS-20260315.txt");

  EXPECT_EQ(ReadFile(app.path() / "Traces" / "APRS-20260314.txt"),
            kHeader +
                "235958,F4ABC-9,49\xB0" "38'00\"N,06\xB0" "10'48\"E,2,!4938.00N/00610.80E>a,b\r\n"
                "235959,TEST,49\xB0" "03'30\"S,72\xB0" "01'45\"O,4,`c5 1\r\n");
  EXPECT_EQ(ReadFile(app.path() / "Traces" / "APRS-20260315.txt"),
            kHeader +
                "000003,F4ABC-9,49\xB0" "38'24\"N,06\xB0" "12'00\"E,4,x\r\n"
                "000103,F4ABC-9,49\xB0" "39'00\"N,06\xB0" "12'00\"E,4,y\r\n");
}

// A log that cannot be written is reported once per failure, and every later
// position is tried again.
TEST(AprsLog, AnUnwritableLogIsReportedOnceAndRetried) {
  TempDir app;
  const std::time_t now = 1780315200;  // 2026-06-01 12:00:00 UTC
  const DecodedPosition fix = Heard("F4ABC", 6, 49, "!");
  app.Write("Traces", "a file where the directory should be");
  AprsDailyLog log;
  // The last step is on the next day: a new file, where Traces is a file again.
  const struct {
    bool traces;  // the Traces directory exists
    int day;
    bool failed;
    bool report;
  } steps[] = {{false, 0, true, true}, {false, 0, true, false}, {true, 0, false, false}, {false, 1, true, true}};
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(i);
    if (steps[i].traces != std::filesystem::is_directory(app.path() / "Traces")) {
      std::filesystem::remove_all(app.path() / "Traces");
      steps[i].traces ? app.MakeDir("Traces") : app.Write("Traces", "");
    }
    const AprsLogResult result = log.Append(app.path(), now + steps[i].day * 86400, fix, 2);
    EXPECT_EQ(result.Status != 0, steps[i].failed);
    EXPECT_EQ(result.Report, steps[i].report);
  }
}

}  // namespace
}  // namespace orvex
