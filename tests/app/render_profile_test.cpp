// orvex-render's level profile and horizon, run as users run it, over the
// region of profil_region.h.
#include <QImage>

#include <sstream>

#include <gtest/gtest.h>

#include "app/render_options.h"
#include "profil_region.h"
#include "support/program_run.h"

namespace orvex {
namespace {

class RenderProfile : public ::testing::Test {
 protected:
  void SetUp() override { testing::EcritRegionProfil(dir_); }
  QString Path(const char* name) const { return QString::fromStdString((dir_.path() / name).string()); }
  testing::ProgramRun Render(const QStringList& extra) {
    return testing::RunProgram(ORVEX_RENDER_PROGRAM,
                               QStringList{Path(""), Path("map.png"), "--size", "600x400"} + extra);
  }
  // White pixels on the centre's row (give or take one), 5 to 25 pixels east and west of it.
  std::pair<int, int> RayonsAuCentre() const {
    const QImage map(Path("map.png"));
    const auto blanc = [&map](int x) {
      return map.pixel(x, 199) == 0xFFFFFFFFu || map.pixel(x, 200) == 0xFFFFFFFFu || map.pixel(x, 201) == 0xFFFFFFFFu;
    };
    int est = 0;
    int ouest = 0;
    for (int d = 5; d < 25; ++d) {
      est += blanc(300 + d);
      ouest += blanc(300 - d);
    }
    return {est, ouest};
  }

  testing::TempDir dir_;
};

TEST_F(RenderProfile, CrossingsWestToEastAsCsvTheSectionAndTheHorizon) {
  // Drawn east to west; the crossings are stored in 1/16384 degree:
  // 6.01 -> 98468, 6.02 -> 98632, 6.03 -> 98796, 49.608 -> 812777.
  const testing::ProgramRun run =
      Render({"--profile", "6.04", "49.608", "6.0", "49.608", Path("profil.png"), "--horizon"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::istringstream csv(run.out);
  // 164 steps of 1/16384 degree of longitude at 49.6 N are about 0.721 km.
  const std::tuple<const char*, double> expected[] = {{"6.010010,49.607971,300,", 0},
                                                      {"6.020020,49.607971,500,", 0.721},
                                                      {"6.030029,49.607971,400,", 1.442}};
  for (const auto& [start, km] : expected) {
    std::string line;
    ASSERT_TRUE(std::getline(csv, line)) << run.out;
    ASSERT_TRUE(line.starts_with(start)) << line;
    const std::string distance = line.substr(std::string_view(start).size());
    EXPECT_NEAR(std::stod(distance), km, 0.004) << line;
    EXPECT_EQ(distance.size() - distance.find('.'), 4u) << "3 decimals: " << line;
  }
  std::string more;
  EXPECT_FALSE(std::getline(csv, more)) << more;
  EXPECT_EQ(QImage(Path("profil.png")).size(), QSize(585, 113));
  EXPECT_EQ(RayonsAuCentre(), std::make_pair(20, 20));
}

TEST_F(RenderProfile, FewerThanTwoCrossingsWriteNoSection) {
  const testing::ProgramRun run = Render({"--profile", "6.0", "49.608", "6.015", "49.608", Path("profil.png")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "6.010010,49.607971,300,0.000\n");
  EXPECT_NE(run.err.find("crosses 1 level curve(s)"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "profil.png"));
  EXPECT_EQ(RayonsAuCentre(), std::make_pair(0, 0));  // the map, without the horizon
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
  const ProfileRequest& p = *options.profile;
  EXPECT_EQ(std::make_tuple(p.lon1, p.lat1, p.lon2, p.lat2, p.output), std::make_tuple(-0.5, -49.5, 6.0, 49.75, "p.png"));
  EXPECT_TRUE(options.horizon);
  for (const QStringList& bad : {QStringList{"--profile", "6", "49", "7", "50"},
                                 {"--profile", "6", "49", "7", "91", "p.png"}}) {
    RenderOptions refused;
    EXPECT_EQ(ParseRenderOptions(QStringList{"orvex-render", "dir", "out.png"} + bad, refused, error),
              RenderCommand::Refused)
        << bad.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace orvex
