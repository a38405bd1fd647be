// The scanned maps of a region on disk: which one covers a place, which
// picture goes with it, pictures read or refused, and the map picture saved
// as a bitmap.
#include "images/map_files.h"

#include <gtest/gtest.h>

#include "images/background_image.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::TempDir;

std::string Cor(double lgNW, double ltNW, double lgSE, double ltSE) {
  return "/x.cor\r\n" + std::to_string(lgNW) + "\r\n" + std::to_string(ltNW) + "\r\n" + std::to_string(lgSE) +
         "\r\n" + std::to_string(ltSE) + "\r\n";
}

TEST(ScanneCartes, TheFirstListedMapCoveringThePlaceWinsEdgesExcluded) {
  TempDir dir;
  const auto cartes = dir.MakeDir("lieux/r.v2/Cartes");
  dir.Write("lieux/r.v2/Cartes/nord.cor", Cor(2, 48, 3, 47));
  dir.Write("lieux/r.v2/Cartes/large.COR", Cor(1, 48, 4, 46));
  dir.Write("lieux/r.v2/Cartes/sud.Cor", Cor(2, 47, 3, 46));
  dir.Write("lieux/r.v2/Cartes/vide.cor", Cor(0, 0, 0, 0));
  dir.Write("lieux/r.v2/Cartes/nord.bmp", "not read by the scan");
  dir.MakeDir("lieux/r.v2/Cartes/dossier.cor");
  ASSERT_EQ(RepertoireCartes(dir.path() / "lieux/r.v2"), cartes);
  dir.Write("lieux/autre/cartes", "a file: the region itself is scanned");
  EXPECT_EQ(RepertoireCartes(dir.path() / "lieux/autre"), dir.path() / "lieux/autre");
  const ListeCartes list = ScanneCartes(cartes);
  ASSERT_EQ(list.Cartes.size(), 3u);
  EXPECT_TRUE(list.Illisibles.empty());
  // The listing order is the file system's: the first of two covering maps in it wins.
  const auto firstOf = [&](const std::string& a, const std::string& b) {
    for (const CarteScannee& carte : list.Cartes) {
      if (carte.NomCorrespondance == a || carte.NomCorrespondance == b) {
        return carte.NomCorrespondance;
      }
    }
    return std::string();
  };
  struct Case { double lon, lat; std::string map; };
  const Case cases[] = {
      {2.5, 47.5, firstOf("nord.cor", "large.COR")},
      {2.5, 46.5, firstOf("sud.Cor", "large.COR")},
      {3.5, 46.5, "large.COR"},
      {2.5, 47.0, "large.COR"},  // on the edge of nord and sud: neither covers it
      {1.0, 47.0, ""},           // on the edge of large
      {5.0, 47.0, ""},
  };
  for (const Case& c : cases) {
    const CarteScannee* found = CarteDuLieu(list, c.lon, c.lat);
    EXPECT_EQ(found != nullptr ? found->NomCorrespondance : "", c.map) << c.lon << " " << c.lat;
  }
}

TEST(ImageDeLaCarte, BitmapFirstThenAnyPictureOfTheSameName) {
  TempDir dir;
  const auto d = dir.path();
  const CarteScannee carte1{"carte1.cor", "carte1", {}};
  EXPECT_EQ(ImageDeLaCarte(d, carte1), d / "carte1.BMP");  // no picture: loading says so
  dir.Write("carte1.png", "x");
  EXPECT_EQ(ImageDeLaCarte(d, carte1), d / "carte1.png");
  dir.Write("carte1.bmp", "x");
  EXPECT_EQ(ImageDeLaCarte(d, carte1), d / "carte1.bmp");
}

TEST(SauveImageBmp, ReadsBackWithTheSamePixels) {
  TempDir dir;
  QImage picture(37, 23, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      picture.setPixel(x, y, qRgb(x * 7, y * 11, (x * y) % 256));
    }
  }
  const auto file = dir.path() / "carte sans extension";
  ASSERT_EQ(SauveImageBmp(picture, file), 0);
  const QImage back(QString::fromStdString(file.string()), "bmp");
  ASSERT_EQ(back.size(), picture.size());
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
  EXPECT_NE(SauveImageBmp(picture, dir.path() / "missing" / "c.bmp"), 0);
}

TEST(LitImageCarte, ReadsPicturesAndRefusesWithAMessage) {
  TempDir dir;
  QImage picture(20, 10, QImage::Format_RGB32);
  picture.fill(qRgb(10, 200, 30));
  for (const char* format : {"png", "jpg", "bmp"}) {
    const auto file = dir.path() / (std::string("scan.") + format);
    ASSERT_TRUE(picture.save(QString::fromStdString(file.string()), format));
    std::string message;
    const std::optional<QImage> read = LitImageCarte(file, message);
    ASSERT_TRUE(read) << format << ": " << message;
    EXPECT_EQ(read->size(), QSize(20, 10)) << format;
  }
  struct Case { std::string name; std::string bytes; std::string message; };
  const Case cases[] = {
      {"missing.bmp", "", "fichier introuvable"},
      {"texte.bmp", "ceci n'est pas une image", "Impossible de lire l'image"},
  };
  for (const Case& c : cases) {
    const auto file = c.bytes.empty() ? dir.path() / c.name : dir.Write(c.name, c.bytes);
    std::string message;
    EXPECT_FALSE(LitImageCarte(file, message)) << c.name;
    EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
    EXPECT_NE(message.find(c.name), std::string::npos) << message;
  }
  std::string message;
  EXPECT_FALSE(LitImageCarte(dir.path() / "scan.png", message, 199));
  EXPECT_NE(message.find("scan.png est trop grande pour la mémoire : 20 x 10 pixels (au plus 199 pixels)"),
            std::string::npos)
      << message;
  EXPECT_TRUE(LitImageCarte(dir.path() / "scan.png", message, 200));
}

}  // namespace
}  // namespace orvex
