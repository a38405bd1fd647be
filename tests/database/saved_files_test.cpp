// The writers of the save at exit: what they write reads back into the same
// tables through the readers, a second save is byte-identical, and a write
// that fails halfway leaves the old file whole.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "database/city_file.h"
#include "database/level_curve_file.h"
#include "database/om_file.h"
#include "database/structure_file.h"
#include "geo/coordinate_text.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

TPointLtLg Point(double lt, double lg) { return {ToFixed(lt), ToFixed(lg)}; }

// Writes `entry` with `write`, reads it back with `read`, writes that again:
// the table read back and the bytes of both saves.
template <typename T, typename Write, typename Read>
std::tuple<TFichierLieux<T>, std::string, std::string> SaveReadSave(const TFichierLieux<T>& entry, Write write,
                                                                    Read read) {
  testing::TempDir dir;
  const auto file = dir.path() / "saved.dat";
  EXPECT_EQ(write(file, entry), 0);
  const std::string first = testing::ReadFile(file);
  TTableFichiers<T> table;
  EXPECT_EQ(read(file, entry.NomFichier, table), 0);
  EXPECT_EQ(table.NbFichiers(), 1);
  EXPECT_EQ(write(file, table.Fichiers.at(0)), 0);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "a temporary file was left";
  return {table.Fichiers.at(0), first, testing::ReadFile(file)};
}

TEST(SavedFiles, LevelCurvesReadBackAndSaveIdentically) {
  const TFichierLieux<TCourbeNiveau> entry{
      "N.DAT",
      {{300, {Point(49.6, 6.1), Point(49.7, 6.2), Point(-45.123456, -0.000061)}},
       {1250, {Point(49.5, 6.125), Point(-45.0625, -0.03125), {1, -1}}}}};
  const auto [read, first, second] = SaveReadSave(entry, EcritNiveaux, CompileNiveaux);
  EXPECT_EQ(read, entry);
  EXPECT_EQ(second, first);
  EXPECT_TRUE(first.starts_with("/ Fichier des courbes de niveaux - /")) << first;
  EXPECT_NE(first.find("\r\n/ Altitude de la courbe en m\xE8tres\r\n"), std::string::npos);
  EXPECT_NE(first.find("\r\n/ Courbe n\xB0" "1\r\n3\r\n1250\r\n49.50000,6.12500\r\n-45.06250,-0.03125\r\n0.00006,-0.00006\r\n"),
            std::string::npos)
      << first;
}

// A longitude of 100 degrees or more keeps 4 decimals: the first save rounds
// it, the next ones keep it.
TEST(SavedFiles, LevelCurveTextIsStableBeyondAHundredDegrees) {
  const FixedDegree east = ToFixed(151.0625) + 1;  // 151.06256...
  const TFichierLieux<TCourbeNiveau> entry{"E.DAT", {{500, {{ToFixed(-33.5), east}, {ToFixed(64.5), -east}}}}};
  const auto [read, first, second] = SaveReadSave(entry, EcritNiveaux, CompileNiveaux);
  EXPECT_EQ(second, first);
  EXPECT_NE(first.find("-33.50000,151.06260\r\n64.50000,-151.06260\r\n"), std::string::npos) << first;
  EXPECT_EQ(read.Elements.at(0).Points.at(0).Lg, ToFixed(151.0626));
}

// The reader stops at a block below 2 m or with fewer than two points, which
// would lose every curve after it: such curves are not written.
TEST(SavedFiles, CurvesTheReaderWouldStopAtAreLeftOut) {
  const TCourbeNiveau kept{400, {Point(45, 6), Point(45.1, 6.1)}};
  const TFichierLieux<TCourbeNiveau> entry{
      "N.DAT", {{0, {Point(45, 6), Point(46, 7)}}, {1, {Point(45, 6), Point(46, 7)}}, {500, {Point(45, 6)}}, kept}};
  const auto [read, first, second] = SaveReadSave(entry, EcritNiveaux, CompileNiveaux);
  EXPECT_EQ(read.Elements, std::vector<TCourbeNiveau>{kept});
  EXPECT_NE(first.find("/ Courbe n\xB0" "3\r\n"), std::string::npos) << "curves keep their numbers";
}

TEST(SavedFiles, CitiesReadBackWithNamePositionAndAccents) {
  const TFichierLieux<TVille> entry{"VILLES.DAT",
                                    {{ToFixed(6.125), ToFixed(49.5), "Luxembourg", 0, true, 100},
                                     {ToFixed(-1.5625), ToFixed(47.25), "Nantes", 3000, false, 12},
                                     {ToFixed(5.72), ToFixed(45.19), "Saint-\xC9tienne-de-Cro\xEEssey", 4400, true, 0},
                                     {ToFixed(2.35), ToFixed(-0.5), "Ch\xE2teau-Thierry \xE0 l'\xE9t\xE9", 50, false, 31}}};
  const auto [read, first, second] = SaveReadSave(entry, EcritVilles, CompileVilles);
  EXPECT_EQ(read, entry);
  EXPECT_EQ(second, first);
  EXPECT_NE(first.find("/ 0=Affiche nom en dessous 1=au dessus, Diam ville en degr\xE9s\r\n"), std::string::npos);
  EXPECT_NE(first.find("\r\n49.50000,6.12500,Luxembourg,0,0,100\r\n47.25000,-1.56250,Nantes,3000,1,12\r\n"),
            std::string::npos)
      << first;
}

// Structures renamed in the record browser are saved too. A name the reader
// would skip as a comment or a blank line gets a leading space.
TEST(SavedFiles, StructuresReadBackWithTheirPoints) {
  TFichierLieux<TStructure> entry{"S.DAT",
                                  {{4, "Tour \xC9" "clair", {Point(45.5, 6.25), Point(-0.125, -1.5)}},
                                   {14, "Pont, ancien", {Point(46, 7)}},
                                   {0, "Sans point", {}},
                                   {7, "", {Point(47, 8)}},
                                   {8, "/ pas un commentaire", {Point(48, 9)}}}};
  const auto [read, first, second] = SaveReadSave(
      entry, EcritStructures, [](const std::filesystem::path& file, std::string_view name, TTableStructures& table) {
        return CompileStructures(file, name, table);
      });
  entry.Elements[3].Nom = " ";
  entry.Elements[4].Nom = " / pas un commentaire";
  EXPECT_EQ(read, entry);
  EXPECT_EQ(second, first);
  EXPECT_NE(first.find("\r\n4\r\nTour \xC9" "clair\r\n45.50000,6.25000\r\n-0.12500,-1.50000\r\n"), std::string::npos)
      << first;
}

// Positions read from whole seconds are stored to 1/16384 degree and may lie
// just below their second: they are written back as the same second.
TEST(SavedFiles, RadioAmateursKeepTheirWholeSeconds) {
  const std::string lines =
      "49\xB0" "37'41\"N,06\xB0" "09'01\"E,LX0AAA,360\r\n"
      "00\xB0" "00'01\"S,00\xB0" "00'00\"E,EQ1\xC9,0\r\n"
      "33\xB0" "51'59\"S,151\xB0" "12'59\"E,VK2ZZ,-5\r\n"
      "89\xB0" "59'59\"N,179\xB0" "59'59\"O,N0RTH,9000\r\n";
  testing::TempDir dir;
  TTableOM table;
  ASSERT_EQ(CompileOM(dir.Write("om.dat", "/ Fichier des OM - x\r\n/\r\n" + lines), "OM.DAT", table), 0);
  const TFichierLieux<TOM> entry = table.Fichiers.at(0);
  ASSERT_EQ(entry.NbElements(), 4);
  // The truncating display text loses a second on some of them.
  EXPECT_NE(LatitudeToText(FromFixed(entry.Elements[0].Lt)) + LongitudeToText(FromFixed(entry.Elements[2].Lg)),
            "49\xB0" "37'41\"N151\xB0" "12'59\"E");
  const auto [read, first, second] = SaveReadSave(entry, EcritOM, CompileOM);
  EXPECT_EQ(read, entry);
  EXPECT_EQ(second, first);
  EXPECT_TRUE(first.starts_with("/ Fichier des OM - /")) << first;
  EXPECT_TRUE(first.ends_with(".dat\r\n/\r\n" + lines)) << first;
}

// The file size limit makes the writer fail after `limit` bytes, as a full
// disk does.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST(SavedFiles, AWriteFailingHalfwayKeepsTheOldFileWhole) {
  TFichierLieux<TVille> entry{"V.DAT", {}};
  for (int i = 0; i < 200; ++i) {
    entry.Elements.push_back({ToFixed(6 + i / 1000.0), ToFixed(49), "Ville " + std::to_string(i), 0, true, 10});
  }
  testing::TempDir dir;
  const auto file = dir.path() / "v.dat";
  ASSERT_EQ(EcritVilles(file, entry), 0);
  const std::string old = testing::ReadFile(file);
  entry.Elements.resize(300, entry.Elements.back());
  {
    const FileSizeLimit limit(old.size() / 2);
    EXPECT_EQ(EcritVilles(file, entry), EFBIG);
  }
  EXPECT_EQ(testing::ReadFile(file), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "a temporary file was left";
}

}  // namespace
}  // namespace orvex
