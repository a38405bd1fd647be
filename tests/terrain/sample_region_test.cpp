// The bundled sample region, as tools/make_sample_region.sh writes it, must
// read whole through the program's own readers: a converter fault (a lost
// outline, a curve the reader drops, a flipped grid, a repeater naming an
// unknown channel) shows here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "database/channel_file.h"
#include "database/region_interpretation.h"
#include "geo/coordinate_text.h"
#include "support/temp_dir.h"
#include "terrain/dalles.h"

namespace orvex {
namespace {

constexpr double kWest = 5.3;
constexpr double kEast = 7.0;
constexpr double kSouth = 49.1;
constexpr double kNorth = 50.3;
constexpr std::int32_t kCurveInterval = 20;
// Median gap between a curve point's altitude and the grid cell under it: 7 m
// on the real data, above 20 m once the grid is shifted by a single row.
constexpr std::int32_t kMedianGapMax = kCurveInterval / 2;

const std::filesystem::path& DataDir() {
  static const std::filesystem::path dir = std::filesystem::path(ORVEX_SOURCE_DIR) / "data";
  return dir;
}

// Reads the region, the repeaters and the channels once for every test.
struct SampleRegion {
  PlaceTables tables;
  TDalle dalle;
  std::vector<std::string> lines;
  std::int32_t regionStatus = -1;
  std::int32_t relayStatus = -1;
  std::int32_t channelStatus = -1;

  SampleRegion() {
    StderrDialogs dialogs;
    Interpretation context{tables, dialogs, DataDir(), kIoOk, [this](const std::string& l) { lines.push_back(l); },
                           {}, {}, [this](const std::filesystem::path& f) { return LitDalles(f, dalle); }, {}};
    regionStatus = InterpreteBase(context, DataDir() / "lieux" / "luxembourg").IoStatus;
    relayStatus = InterpreteRelais(context, DataDir());
    channelStatus = LitCanaux(DataDir() / "canaux.dat", tables.TableCanaux);
  }
};

const SampleRegion& Region() {
  static const SampleRegion region;
  return region;
}

bool InArea(FixedDegree lg, FixedDegree lt) {
  const double lon = FromFixed(lg);
  const double lat = FromFixed(lt);
  return lon >= kWest && lon <= kEast && lat >= kSouth && lat <= kNorth;
}

std::size_t Occurrences(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) {
    ++count;
  }
  return count;
}

TEST(SampleRegion, EveryCategoryReadsWithoutAMissingFile) {
  const SampleRegion& r = Region();
  EXPECT_EQ(r.regionStatus, kIoOk);
  EXPECT_EQ(r.relayStatus, kIoOk);
  EXPECT_EQ(r.channelStatus, kIoOk);
  for (const std::string& line : r.lines) {
    EXPECT_EQ(line.find("absent"), std::string::npos) << line;
    EXPECT_EQ(line.find("erreur"), std::string::npos) << line;
  }
  EXPECT_EQ(r.tables.TableContours.NbFichiers(), 4);
  EXPECT_EQ(r.tables.TableVilles.NbFichiers(), 4);
  EXPECT_EQ(r.tables.TableStructures.NbFichiers(), 1);
  EXPECT_EQ(r.tables.TableNiveaux.NbFichiers(), 1);
  EXPECT_EQ(r.tables.TableOM.NbFichiers(), 1);
  EXPECT_GT(r.tables.NbRelais(), 0);
}

// The outline layer drops the polyline in progress when the data ends.
TEST(SampleRegion, EveryOutlineFileEndsWithTheSeparator) {
  for (const auto& file : Region().tables.TableContours.Fichiers) {
    ASSERT_GT(file.NbElements(), 2) << file.NomFichier;
    EXPECT_EQ(file.Elements.back().Lg, 0) << file.NomFichier;
    EXPECT_EQ(file.Elements.back().Lt, 0) << file.NomFichier;
  }
}

TEST(SampleRegion, CitiesLieInTheAreaWithTheirDrawingFields) {
  bool oneAlwaysShown = false;
  for (const auto& file : Region().tables.TableVilles.Fichiers) {
    ASSERT_GT(file.NbElements(), 0) << file.NomFichier;
    for (const TVille& v : file.Elements) {
      EXPECT_TRUE(InArea(v.Lg, v.Lt)) << v.Nom;
      EXPECT_FALSE(v.Nom.empty());
      EXPECT_GT(v.Diametre, 0) << v.Nom;
      EXPECT_GE(v.Zoom, 0) << v.Nom;
      oneAlwaysShown = oneAlwaysShown || v.Zoom == 0;
    }
  }
  EXPECT_TRUE(oneAlwaysShown);
}

// The reader stops at the first block it cannot keep: every curve written
// (one "Courbe n°" comment each) must come back.
TEST(SampleRegion, EveryLevelCurveReadsBack) {
  const auto& file = Region().tables.TableNiveaux.Fichiers.at(0);
  const std::string text = testing::ReadFile(DataDir() / "lieux" / "luxembourg" / "niveaux" / "luxembourg.dat");
  EXPECT_EQ(static_cast<std::size_t>(file.NbElements()), Occurrences(text, "/ Courbe n\xB0"));
  for (const TCourbeNiveau& c : file.Elements) {
    EXPECT_EQ(c.Altitude % kCurveInterval, 0);
    EXPECT_GE(c.NbPoints(), 2);
    for (const TPointLtLg& p : c.Points) {
      ASSERT_TRUE(InArea(p.Lg, p.Lt)) << c.Altitude;
    }
  }
}

// The grid and the curves come from the same model: where both know the
// altitude they must agree, which a flipped or shifted grid would not.
TEST(SampleRegion, GridAgreesWithTheLevelCurves) {
  const SampleRegion& r = Region();
  ASSERT_GT(r.dalle.NbX, 0);
  EXPECT_EQ(r.dalle.AltMin, 141);
  EXPECT_EQ(r.dalle.AltMax, 547);
  std::vector<std::int32_t> gaps;
  for (const TCourbeNiveau& c : r.tables.TableNiveaux.Fichiers.at(0).Elements) {
    for (const TPointLtLg& p : c.Points) {
      const std::int32_t grid = AltitudeDuPoint(r.dalle, FromFixed(p.Lg), FromFixed(p.Lt));
      if (grid != 0) {
        gaps.push_back(std::abs(grid - c.Altitude));
      }
    }
  }
  ASSERT_GT(gaps.size(), 1000U);
  std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
  EXPECT_LE(gaps[gaps.size() / 2], kMedianGapMax);
}

TEST(SampleRegion, RadioAmateursAndStructuresLieInTheArea) {
  const SampleRegion& r = Region();
  for (const TOM& om : r.tables.TableOM.Fichiers.at(0).Elements) {
    EXPECT_TRUE(InArea(om.Lg, om.Lt)) << om.Indicatif;
    EXPECT_GT(om.Altitude, 0) << om.Indicatif;
  }
  for (const TStructure& s : r.tables.TableStructures.Fichiers.at(0).Elements) {
    EXPECT_GE(s.NbPoints(), 3) << s.Nom;
    for (const TPointLtLg& p : s.Points) {
      EXPECT_TRUE(InArea(p.Lg, p.Lt)) << s.Nom;
    }
  }
}

// A repeater frequency field is a channel of canaux.dat, a frequency, or 0.
TEST(SampleRegion, EveryRepeaterFrequencyResolves) {
  const SampleRegion& r = Region();
  bool oneChannel = false;
  for (const TRelais& relais : r.tables.TableRelais) {
    for (const std::string& field : {relais.Frequence1, relais.Frequence2, relais.Frequence3}) {
      const std::string frequency = FrequenceDuCanal(r.tables.TableCanaux, field);
      double mhz = 0;
      EXPECT_TRUE(frequency == "0" || (ParseDecimal(frequency, mhz) && mhz > 0)) << relais.Indicatif << " " << field;
      oneChannel = oneChannel || frequency != field;
    }
  }
  EXPECT_TRUE(oneChannel);
}

}  // namespace
}  // namespace orvex
