// The scanned maps of a region on disk: which one covers a place, which
// picture goes with it, their outlines, pictures read or refused, and the
// map picture saved as a bitmap.
#include "images/map_files.h"

#include <gtest/gtest.h>

#include "images/background_image.h"
#include "support/map_picture.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

using testing::TempDir;

std::string Cor(double lgNW, double ltNW, double lgSE, double ltSE) {
  return "/x.cor\r\n" + std::to_string(lgNW) + "\r\n" + std::to_string(ltNW) + "\r\n" + std::to_string(lgSE) +
         "\r\n" + std::to_string(ltSE) + "\r\n";
}

std::string Names(const ListeCartes& list) {
  std::string names;
  for (const CarteScannee& carte : list.Cartes) {
    names += carte.NomCorrespondance + " ";
  }
  return names;
}

TEST(ScanneCartes, TheFirstListedMapCoveringThePlaceWins) {
  TempDir dir;
  const auto cartes = dir.MakeDir("lieux/r.v2/Cartes");
  dir.Write("lieux/r.v2/Cartes/nord.cor", Cor(2, 48, 3, 47));
  dir.Write("lieux/r.v2/Cartes/large.COR", Cor(1, 48, 4, 46));
  dir.Write("lieux/r.v2/Cartes/sud.Cor", Cor(2, 47, 3, 46));
  dir.Write("lieux/r.v2/Cartes/vide.cor", Cor(0, 0, 0, 0));
  dir.Write("lieux/r.v2/Cartes/nord.bmp", "not read by the scan");
  dir.MakeDir("lieux/r.v2/Cartes/dossier.cor");
  ASSERT_EQ(RepertoireCartes(dir.path() / "lieux/r.v2"), cartes);
  const ListeCartes list = ScanneCartes(cartes);
  ASSERT_EQ(list.Cartes.size(), 3u) << Names(list);
  EXPECT_TRUE(list.Illisibles.empty());
  const auto index = [&](const std::string& name) {
    for (std::size_t i = 0; i < list.Cartes.size(); ++i) {
      if (list.Cartes[i].NomCorrespondance == name) {
        return i;
      }
    }
    return list.Cartes.size();
  };
  const auto firstOf = [&](std::initializer_list<const char*> names) {
    std::string first;
    for (const char* name : names) {
      if (first.empty() || index(name) < index(first)) {
        first = name;
      }
    }
    return first;
  };
  struct Case { double lon, lat; std::string map; };
  const Case cases[] = {
      {2.5, 47.5, firstOf({"nord.cor", "large.COR"})},
      {2.5, 46.5, firstOf({"sud.Cor", "large.COR"})},
      {3.5, 46.5, "large.COR"},
      {2.5, 47.0, "large.COR"},  // on the edge of nord and sud: neither covers it
      {1.0, 47.0, ""},           // on the edge of large
      {5.0, 47.0, ""},
  };
  for (const Case& c : cases) {
    const CarteScannee* found = CarteDuLieu(list, c.lon, c.lat);
    EXPECT_EQ(found != nullptr ? found->NomCorrespondance : "", c.map) << c.lon << " " << c.lat << ": " << Names(list);
  }
}

TEST(ScanneCartes, WithoutCartesTheRegionItselfIsScanned) {
  TempDir dir;
  const auto region = dir.MakeDir("r");
  dir.Write("r/c.cor", Cor(2, 48, 3, 47));
  dir.Write("r/cartes", "a file, not a directory");
  EXPECT_EQ(RepertoireCartes(region), region);
  EXPECT_EQ(Names(ScanneCartes(region)), "c.cor ");
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
  dir.Write("carte2.txt", "x");
  EXPECT_EQ(ImageDeLaCarte(d, {"carte2.COR", "carte2", {}}), d / "carte2.BMP");
}

TEST(DessineApercuCartes, OutlinesEachMapInWhite) {
  Canvas canvas(400, 300);
  const ProjectionState p = testing::View(100, 2.5, 46.75, 400, 300);
  ListeCartes list;
  list.Cartes.push_back({"c.cor", "c", {2, 47, 3, 46.5}});
  list.Cartes.push_back({"loin.cor", "loin", {100, 80, 120, 70}});  // corners far off the picture
  DessineApercuCartes(canvas, p, list);
  const int west = LonToX(p, 2);
  const int east = LonToX(p, 3);
  const int north = LatToY(p, 47);
  const int south = LatToY(p, 46.5);
  testing::ExpectPixels(canvas, {{(west + east) / 2, north, 0xFFFFFF},
                                 {east, (north + south) / 2, 0xFFFFFF},
                                 {(west + east) / 2, south, 0xFFFFFF},
                                 {west, (north + south) / 2, 0xFFFFFF},
                                 {(west + east) / 2, (north + south) / 2 + 20, 0x000000}});
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

// A bitmap header announcing width x height pixels, without the pixels.
std::string BitmapHeader(std::int32_t width, std::int32_t height) {
  std::string bytes = "BM";
  const auto add = [&bytes](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
      bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
  };
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(width) * 3 * static_cast<std::uint32_t>(height);
  add(54 + pixelBytes, 4), add(0, 4), add(54, 4), add(40, 4), add(width, 4), add(height, 4), add(1, 2), add(24, 2);
  add(0, 4), add(pixelBytes, 4), add(2835, 4), add(2835, 4), add(0, 4), add(0, 4);
  return bytes;
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
      {"tronquee.bmp", BitmapHeader(200, 100), "Impossible de lire l'image"},
      {"trop_large.bmp", BitmapHeader(40000, 10), "est trop grande"},
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
