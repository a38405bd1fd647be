// orvex-render end to end on the bundled region and on broken directories,
// and its command line.
#include <QImage>
#include <gtest/gtest.h>

#include "app/render_options.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

testing::ProgramRun Render(const QStringList& arguments) {
  return testing::RunProgram(ORVEX_RENDER_PROGRAM, arguments);
}

TEST(OrvexRender, DrawsTheBundledRegionAndReportsItsStartup) {
  testing::TempDir dir;
  const QString output = QString::fromStdString((dir.path() / "map.png").string());
  const testing::ProgramRun run =
      Render({ORVEX_SOURCE_DIR "/data", output, "--size", "640x480", "--grid", "--zoom", "800"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("Liste de démarrage :\n"), std::string::npos);
  EXPECT_NE(run.err.find("Fichier de contours compilé\n"), std::string::npos);
  EXPECT_NE(run.err.find("Fichier des relais compilé\n"), std::string::npos);
  const QImage image(output);
  ASSERT_EQ(image.size(), QSize(640, 480));
  int white = 0;  // country outlines and labels
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      white += image.pixel(x, y) == qRgb(255, 255, 255);
    }
  }
  EXPECT_GT(white, 500);
}

TEST(OrvexRender, BrokenDirectoriesAndOptionsFailWithAMessage) {
  testing::TempDir dir;
  const QString output = QString::fromStdString((dir.path() / "map.png").string());
  testing::ProgramRun run = Render({QString::fromStdString((dir.path() / "missing").string()), output});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("no such directory"), std::string::npos);

  run = Render({QString::fromStdString(dir.path().string()), output});  // no ORVEX.INI
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("Erreur sur le fichier ORVEX.INI\n"), std::string::npos);

  dir.Write("ORVEX.INI", "ProtocoleGPS=COM1:4800,N,8,1\nInterface=1\nTrame=1\nPeriodeGPS=1\nCanaux=1\n"
                         "ZoomDemarre=100\nRepertoireLieu=absente\n");
  run = Render({QString::fromStdString(dir.path().string()), output});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("Erreur de changement de répertoire "), std::string::npos);

  run = Render({QString::fromStdString(dir.path().string()), output, "--zoom", "0"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "map.png"));
}

// One level curve at 100 m from the centre (6.1, 49.6) to 6.12 E, on a
// 400 x 400 picture at zoom 2000 (ScaleY 2000 too, offsets 12000 and 99000).
// Its points are FixedDegree: 6.1 E is 99942 units, 99942 x 2000 >> 14 =
// 12199, so column 199; 6.12 E gives column 239; 49.6 N is 812646 units,
// row 99400 - 99199 = 201. Turned by gamma 90 about the pivot (200, 200),
// (u, v) = (39, 1) becomes (-1, 39): the curve runs down column 199 to row
// 239. Tilted by alpha 60 about the bottom row (the start-up ground view)
// with depth z = 100 x round(2000 x 0.5) / 1000 = 100 pixels, row 201
// becomes round(-199 cos 60 - 100 sin 60) + 400 = 214.
TEST(OrvexRender, AnglesTurnTheViewAsTheControllerDoes) {
  testing::TempDir dir;
  dir.Write("ORVEX.INI", "ProtocoleGPS=COM1:4800,N,8,1\nInterface=1\nTrame=1\nPeriodeGPS=1\nCanaux=1\n"
                         "LgDemarre=6.1\nLtDemarre=49.6\nZoomDemarre=2000\nCarteDemarre=X\nRepertoireLieu=r\n");
  dir.Write("lieux/r/niveaux/n.dat", "2\n100\n49.6,6.1\n49.6,6.12\n");
  dir.MakeDir("relais");
  dir.Write("canaux.dat", "R1,145.6125\n");
  const QRgb rouge = qRgb(255, 0, 0);  // a single curve takes the top colour
  struct Case { QStringList angles; QPoint sur; QPoint hors; };
  const Case cases[] = {
      {{"0", "0", "0"}, {220, 201}, {199, 220}},
      {{"0", "0", "90"}, {199, 220}, {220, 201}},
      {{"60", "0", "0"}, {220, 214}, {220, 201}},
  };
  for (const Case& c : cases) {
    const QString output = QString::fromStdString((dir.path() / "turned.png").string());
    const testing::ProgramRun run =
        Render(QStringList{QString::fromStdString(dir.path().string()), output, "--size", "400x400", "--angles"} +
               c.angles);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QImage image(output);
    const std::string what = c.angles.join(' ').toStdString();
    EXPECT_EQ(image.pixel(c.sur), rouge) << what;
    EXPECT_NE(image.pixel(c.hors), rouge) << what;
  }
}

TEST(OrvexRender, DrawsOverAScannedMapAtItsOwnSize) {
  testing::TempDir dir;
  QImage scan(300, 200, QImage::Format_RGB32);
  scan.fill(qRgb(200, 180, 120));
  const std::string picture = (dir.path() / "carte.v1.jpg").string();
  ASSERT_TRUE(scan.save(QString::fromStdString(picture)));
  const QString output = QString::fromStdString((dir.path() / "map.png").string());
  const QStringList arguments{ORVEX_SOURCE_DIR "/data", output, "--background", QString::fromStdString(picture)};
  testing::ProgramRun run = Render(arguments);  // no correspondence file yet
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("Le fichier de correspondance " + dir.path().string() + "/carte.v1.cor de "),
            std::string::npos)
      << run.err;
  dir.Write("carte.v1.COR", "/carte.v1.cor\r\n5,9\r\n49,8\r\n6,2\r\n49,6\r\n");
  run = Render(arguments);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QImage image(output);
  ASSERT_EQ(image.size(), QSize(300, 200));
  EXPECT_EQ(image.pixel(150, 190), QImage(QString::fromStdString(picture)).pixel(150, 190));
  EXPECT_EQ(Render(arguments + QStringList{"--zoom", "100"}).exitCode, 2);
  EXPECT_EQ(Render(arguments + QStringList{"--angles", "10", "0", "0"}).exitCode, 2);
}

TEST(OrvexRender, HelpAndVersionOnStandardOutput) {
  for (const char* option : {"--help", "--version"}) {
    const testing::ProgramRun run = Render({option});
    EXPECT_EQ(run.exitCode, 0) << option;
    EXPECT_NE(run.out.find(std::string_view(option) == "--help" ? "--centre" : "orvex-render 0."), std::string::npos)
        << option;
  }
}

TEST(RenderOptions, ParsesAndRefuses) {
  RenderOptions options;
  std::string error;
  ASSERT_EQ(ParseRenderOptions({"orvex-render", "dir", "out.png", "--size", "800x600", "--zoom", "2000", "--centre",
                                "6,13", "-49.5", "--angles", "30", "-10", "5,5", "--globe", "--grid"},
                               options, error),
            RenderCommand::Render)
      << error;
  EXPECT_EQ(options.width, 800);
  EXPECT_EQ(options.height, 600);
  EXPECT_EQ(options.zoom, 2000);
  EXPECT_DOUBLE_EQ(*options.centreLongitude, 6.13);
  EXPECT_DOUBLE_EQ(*options.centreLatitude, -49.5);
  EXPECT_TRUE(options.globe && options.grid);
  EXPECT_EQ(options.angles, (std::array<double, 3>{30, -10, 5.5}));
  EXPECT_EQ(options.directory, "dir");
  for (const QStringList& bad :
       {QStringList{"dir"}, {"dir", "out", "extra"}, {"dir", "out", "--size", "800"}, {"dir", "out", "--size", "0x10"},
        {"dir", "out", "--zoom", "50001"}, {"dir", "out", "--centre", "200", "0"}, {"dir", "out", "--centre", "6"},
        {"dir", "out", "--bogus"}, {"dir", "out", "--angles", "1", "2"}, {"dir", "out", "--angles", "400", "0", "0"},
        {"dir", "out", "--angles", "x", "0", "0"}}) {
    RenderOptions refused;
    EXPECT_EQ(ParseRenderOptions(QStringList{"orvex-render"} + bad, refused, error), RenderCommand::Refused)
        << bad.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace orvex
