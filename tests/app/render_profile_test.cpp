// orvex-render's level profile and horizon, run as users run it, over a
// region with three north-south curves at 6.01, 6.02 and 6.03 E (300, 500
// and 400 m) between 49.59 and 49.61 N.
#include <QImage>
#include <QProcess>

#include <cmath>
#include <numbers>
#include <sstream>

#include <gtest/gtest.h>

#include "app/render_options.h"
#include "support/map_picture.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

struct Exit {
  int exitCode = -1;
  std::string out;
  std::string err;
};

Exit Render(const QStringList& arguments) {
  QProcess process;
  process.start(ORVEX_RENDER_PROGRAM, arguments);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

class RenderProfile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("ORVEX.INI", "ProtocoleGPS=COM1:4800,N,8,1\r\nInterface=3\r\nTrame=1\r\nPeriodeGPS=2\r\nCanaux=3\r\n"
                            "LgDemarre=6.017\r\nLtDemarre=49.6\r\nZoomDemarre=10000\r\nRepertoireLieu=r\r\n");
    dir_.Write("lieux/r/niveaux/lignes.dat", "2\r\n500\r\n49.59,6.02\r\n49.61,6.02\r\n"
                                             "2\r\n300\r\n49.59,6.01\r\n49.61,6.01\r\n"
                                             "2\r\n400\r\n49.59,6.03\r\n49.61,6.03\r\n");
    dir_.MakeDir("relais");
    dir_.Write("canaux.dat", "R1,145.6125\r\n");
  }
  QString Path(const char* name) const { return QString::fromStdString((dir_.path() / name).string()); }
  Exit RenderWith(const QStringList& extra) {
    return Render(QStringList{Path(""), Path("map.png"), "--size", "600x400"} + extra);
  }

  testing::TempDir dir_;
};

std::vector<std::vector<std::string>> CsvLines(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields;
    std::istringstream fieldsIn(line);
    for (std::string field; std::getline(fieldsIn, field, ',');) {
      fields.push_back(field);
    }
    lines.push_back(fields);
  }
  return lines;
}

TEST_F(RenderProfile, CrossingsWestToEastAsCsvTheSectionAndTheMap) {
  // Drawn east to west; the crossings are stored in 1/16384 degree:
  // 6.01 -> 98468, 6.02 -> 98632, 6.03 -> 98796, 49.608 -> 812777.
  const Exit run = RenderWith({"--profile", "6.04", "49.608", "6.0", "49.608", Path("profil.png")});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = CsvLines(run.out);
  ASSERT_EQ(lines.size(), 3u) << run.out;
  const char* expected[3][3] = {{"6.010010", "49.607971", "300"},
                                {"6.020020", "49.607971", "500"},
                                {"6.030029", "49.607971", "400"}};
  // 164 steps of 1/16384 degree of longitude at 49.6 N: about 0.721 km.
  const double km[3] = {0, 0.721, 1.442};
  for (int k = 0; k < 3; ++k) {
    ASSERT_EQ(lines[k].size(), 4u) << k;
    EXPECT_EQ(lines[k][0], expected[k][0]) << k;
    EXPECT_EQ(lines[k][1], expected[k][1]) << k;
    EXPECT_EQ(lines[k][2], expected[k][2]) << k;
    EXPECT_NEAR(std::stod(lines[k][3]), km[k], 0.004) << k;
    EXPECT_EQ(lines[k][3].size() - lines[k][3].find('.'), 4u) << "3 decimals: " << lines[k][3];
  }
  const QImage section(Path("profil.png"));
  EXPECT_EQ(section.size(), QSize(585, 113));
  const QImage map(Path("map.png"));
  ASSERT_EQ(map.size(), QSize(600, 400));
  // The westernmost crossing's cross is white, "A" stands on green beside it.
  const ScreenPoint a = GeoToScreen(testing::View(10000, 6.017, 49.6, 600, 400), 6.010010, 49.607971, 0);
  const int x = a.x;
  const int y = a.y;
  int white = 0;
  int green = 0;
  for (int dx = -10; dx < 10; ++dx) {
    white += map.pixel(x + dx, y) == qRgb(255, 255, 255) || map.pixel(x + dx, y + 1) == qRgb(255, 255, 255);
  }
  for (int dy = 2; dy < 16; ++dy) {
    for (int dx = 2; dx < 12; ++dx) {
      green += map.pixel(x + dx, y + dy) == qRgb(0, 128, 0);
    }
  }
  EXPECT_GE(white, 19);
  EXPECT_GT(green, 10);
}

TEST_F(RenderProfile, FewerThanTwoCrossingsWriteNoSection) {
  const Exit run = RenderWith({"--profile", "6.0", "49.608", "6.015", "49.608", Path("profil.png")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(CsvLines(run.out).size(), 1u);
  EXPECT_NE(run.err.find("crosses 1 level curve(s)"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "profil.png"));
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / "map.png"));
}

TEST_F(RenderProfile, HorizonRaysFromTheViewCentre) {
  // A ray meets at most two of the north-south curves; with three rings
  // around the centre (out to 0.006 degrees of latitude, 90 pixels) every
  // ray has a third crossing and ends 30 pixels or more from the centre.
  std::string anneaux;
  for (const double rayon : {0.002, 0.004, 0.006}) {
    anneaux += "361\r\n" + std::to_string(static_cast<int>(rayon * 50000)) + "\r\n";
    for (int k = 0; k <= 360; ++k) {
      const double t = 2 * std::numbers::pi * (k + 0.25) / 360;
      anneaux += std::to_string(49.6 + rayon * std::sin(t)) + "," + std::to_string(6.017 + 1.5 * rayon * std::cos(t)) +
                 "\r\n";
    }
  }
  dir_.Write("lieux/r/niveaux/anneaux.dat", anneaux);
  for (const bool horizon : {false, true}) {
    const Exit run = RenderWith(horizon ? QStringList{"--horizon"} : QStringList{});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QImage map(Path("map.png"));
    const auto white = [&map](int x) {
      return map.pixel(x, 199) == qRgb(255, 255, 255) || map.pixel(x, 200) == qRgb(255, 255, 255) ||
             map.pixel(x, 201) == qRgb(255, 255, 255);
    };
    int east = 0;
    int west = 0;
    for (int d = 5; d < 25; ++d) {
      east += white(300 + d);
      west += white(300 - d);
    }
    EXPECT_EQ(east, horizon ? 20 : 0) << horizon;
    EXPECT_EQ(west, horizon ? 20 : 0) << horizon;
  }
}

TEST(RenderOptions, ProfileTakesFourCoordinatesAndAFileHorizonIsAFlag) {
  RenderOptions options;
  std::string error;
  ASSERT_EQ(ParseRenderOptions({"orvex-render", "dir", "out.png", "--profile", "-0,5", "-49.5", "6", "49.75",
                                "p.png", "--horizon"},
                               options, error),
            RenderCommand::Render)
      << error;
  ASSERT_TRUE(options.profile.has_value());
  EXPECT_DOUBLE_EQ(options.profile->lon1, -0.5);
  EXPECT_DOUBLE_EQ(options.profile->lat1, -49.5);
  EXPECT_DOUBLE_EQ(options.profile->lon2, 6);
  EXPECT_DOUBLE_EQ(options.profile->lat2, 49.75);
  EXPECT_EQ(options.profile->output, "p.png");
  EXPECT_TRUE(options.horizon);
  for (const QStringList& bad : {QStringList{"--profile", "6", "49", "7", "50"},
                                 {"--profile", "6", "49", "7", "91", "p.png"},
                                 {"--profile", "6", "x", "7", "50", "p.png"},
                                 {"--profile", "6", "49", "7", "50", ""}}) {
    RenderOptions refused;
    EXPECT_EQ(ParseRenderOptions(QStringList{"orvex-render", "dir", "out.png"} + bad, refused, error),
              RenderCommand::Refused)
        << bad.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace orvex
