// orvex-render end to end on the bundled region and on broken directories,
// and its command line.
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

#include "app/render_options.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

struct RenderRun {
  int exitCode = -1;
  std::string standardError;
};

RenderRun Render(const QStringList& arguments) {
  QProcess process;
  process.start(ORVEX_RENDER_PROGRAM, arguments);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardError().toStdString()};
}

TEST(OrvexRender, DrawsTheBundledRegionAndReportsItsStartup) {
  testing::TempDir dir;
  const QString output = QString::fromStdString((dir.path() / "map.png").string());
  const RenderRun run = Render({ORVEX_SOURCE_DIR "/data", output, "--size", "640x480", "--grid", "--zoom", "800"});
  ASSERT_EQ(run.exitCode, 0) << run.standardError;
  EXPECT_NE(run.standardError.find("Liste de démarrage :\n"), std::string::npos);
  EXPECT_NE(run.standardError.find("Fichier de contours compilé\n"), std::string::npos);
  EXPECT_NE(run.standardError.find("Fichier des relais compilé\n"), std::string::npos);
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
  RenderRun run = Render({QString::fromStdString((dir.path() / "missing").string()), output});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.standardError.find("no such directory"), std::string::npos);

  run = Render({QString::fromStdString(dir.path().string()), output});  // no ORVEX.INI
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.standardError.find("Erreur sur le fichier ORVEX.INI\n"), std::string::npos);

  dir.Write("ORVEX.INI", "ProtocoleGPS=COM1:4800,N,8,1\nInterface=1\nTrame=1\nPeriodeGPS=1\nCanaux=1\n"
                         "ZoomDemarre=100\nRepertoireLieu=absente\n");
  run = Render({QString::fromStdString(dir.path().string()), output});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.standardError.find("Erreur de changement de répertoire "), std::string::npos);

  run = Render({QString::fromStdString(dir.path().string()), output, "--zoom", "0"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "map.png"));
}

TEST(OrvexRender, DrawsOverAScannedMapAtItsOwnSize) {
  testing::TempDir dir;
  QImage scan(300, 200, QImage::Format_RGB32);
  scan.fill(qRgb(200, 180, 120));
  const std::string picture = (dir.path() / "carte.v1.jpg").string();
  ASSERT_TRUE(scan.save(QString::fromStdString(picture)));
  const QString output = QString::fromStdString((dir.path() / "map.png").string());
  const QStringList arguments{ORVEX_SOURCE_DIR "/data", output, "--background", QString::fromStdString(picture)};
  RenderRun run = Render(arguments);  // no correspondence file yet
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.standardError.find("Le fichier de correspondance " + dir.path().string() + "/carte.v1.cor de "),
            std::string::npos)
      << run.standardError;
  dir.Write("carte.v1.COR", "/carte.v1.cor\r\n5,9\r\n49,8\r\n6,2\r\n49,6\r\n");
  run = Render(arguments);
  ASSERT_EQ(run.exitCode, 0) << run.standardError;
  const QImage image(output);
  ASSERT_EQ(image.size(), QSize(300, 200));
  EXPECT_EQ(image.pixel(150, 190), QImage(QString::fromStdString(picture)).pixel(150, 190));
  EXPECT_EQ(Render(arguments + QStringList{"--zoom", "100"}).exitCode, 2);
}

TEST(OrvexRender, HelpAndVersionOnStandardOutput) {
  for (const char* option : {"--help", "--version"}) {
    QProcess process;
    process.start(ORVEX_RENDER_PROGRAM, {option});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << option;
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(output.contains(std::string_view(option) == "--help" ? "--centre" : "orvex-render 0.")) << option;
  }
}

TEST(RenderOptions, ParsesAndRefuses) {
  RenderOptions options;
  std::string error;
  ASSERT_EQ(ParseRenderOptions({"orvex-render", "dir", "out.png", "--size", "800x600", "--zoom", "2000", "--centre",
                                "6,13", "-49.5", "--globe", "--grid"},
                               options, error),
            RenderCommand::Render)
      << error;
  EXPECT_EQ(options.width, 800);
  EXPECT_EQ(options.height, 600);
  EXPECT_EQ(options.zoom, 2000);
  EXPECT_DOUBLE_EQ(*options.centreLongitude, 6.13);
  EXPECT_DOUBLE_EQ(*options.centreLatitude, -49.5);
  EXPECT_TRUE(options.globe && options.grid);
  EXPECT_EQ(options.directory, "dir");
  for (const QStringList& bad :
       {QStringList{"dir"}, {"dir", "out", "extra"}, {"dir", "out", "--size", "800"}, {"dir", "out", "--size", "0x10"},
        {"dir", "out", "--zoom", "50001"}, {"dir", "out", "--centre", "200", "0"}, {"dir", "out", "--centre", "6"},
        {"dir", "out", "--bogus"}}) {
    RenderOptions refused;
    EXPECT_EQ(ParseRenderOptions(QStringList{"orvex-render"} + bad, refused, error), RenderCommand::Refused)
        << bad.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace orvex
