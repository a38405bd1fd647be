// The bundled sample region, as tools/make_sample_region.sh writes it, must
// read whole through the program's own readers: a converter fault (a lost
// outline, a curve the reader drops, a flipped grid, a repeater naming an
// unknown channel) shows here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "database/channel_file.h"
#include "database/region_interpretation.h"
#include "geo/coordinate_text.h"
#include "support/temp_dir.h"
#include "terrain/dalles.h"

namespace orvex {
namespace {

constexpr std::int32_t kCurveInterval = 20;
// Median gap between a curve point's altitude and the grid cell under it: 7 m
// on the real data, above 20 m once the grid is shifted by a single row.
constexpr std::int32_t kMedianGapMax = kCurveInterval / 2;

const std::filesystem::path kDataDir = std::filesystem::path(ORVEX_SOURCE_DIR) / "data";

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
    Interpretation context{tables, dialogs, kDataDir, kIoOk, [this](const std::string& l) { lines.push_back(l); },
                           {}, {}, [this](const std::filesystem::path& f) { return LitDalles(f, dalle); }, {}};
    regionStatus = InterpreteBase(context, kDataDir / "lieux" / "luxembourg").IoStatus;
    relayStatus = InterpreteRelais(context, kDataDir);
    channelStatus = LitCanaux(kDataDir / "canaux.dat", tables.TableCanaux);
  }
};

const SampleRegion& Region() {
  static const SampleRegion region;
  return region;
}

// Inside 5.3..7 E, 49.1..50.3 N.
bool InArea(FixedDegree lg, FixedDegree lt) {
  const double lon = FromFixed(lg);
  const double lat = FromFixed(lt);
  return lon >= 5.3 && lon <= 7.0 && lat >= 49.1 && lat <= 50.3;
}

TEST(SampleRegion, EveryCategoryReadsWithoutAMissingFile) {
  const SampleRegion& r = Region();
  EXPECT_EQ(std::tuple(r.regionStatus, r.relayStatus, r.channelStatus), std::tuple(kIoOk, kIoOk, kIoOk));
  for (const std::string& line : r.lines) {
    EXPECT_EQ(line.find("absent"), std::string::npos) << line;
    EXPECT_EQ(line.find("erreur"), std::string::npos) << line;
  }
  const PlaceTables& t = r.tables;
  EXPECT_EQ(std::tuple(t.TableContours.NbFichiers(), t.TableVilles.NbFichiers(), t.TableStructures.NbFichiers(),
                       t.TableNiveaux.NbFichiers(), t.TableOM.NbFichiers()),
            std::tuple(4, 4, 1, 1, 1));
  EXPECT_GT(t.NbRelais(), 0);
}

// The outline layer drops the polyline in progress when the data ends.
TEST(SampleRegion, EveryOutlineFileEndsWithTheSeparator) {
  for (const auto& file : Region().tables.TableContours.Fichiers) {
    ASSERT_GT(file.NbElements(), 2) << file.NomFichier;
    EXPECT_EQ(std::pair(file.Elements.back().Lg, file.Elements.back().Lt), std::pair(0, 0)) << file.NomFichier;
  }
}

TEST(SampleRegion, PlacesLieInTheAreaWithTheirDrawingFields) {
  const SampleRegion& r = Region();
  bool oneAlwaysShown = false;
  for (const auto& file : r.tables.TableVilles.Fichiers) {
    ASSERT_GT(file.NbElements(), 0) << file.NomFichier;
    for (const TVille& v : file.Elements) {
      EXPECT_TRUE(InArea(v.Lg, v.Lt) && !v.Nom.empty() && v.Diametre > 0 && v.Zoom >= 0) << v.Nom;
      oneAlwaysShown = oneAlwaysShown || v.Zoom == 0;
    }
  }
  EXPECT_TRUE(oneAlwaysShown);
  for (const TOM& om : r.tables.TableOM.Fichiers.at(0).Elements) {
    EXPECT_TRUE(InArea(om.Lg, om.Lt) && om.Altitude > 0) << om.Indicatif;
  }
  for (const TStructure& s : r.tables.TableStructures.Fichiers.at(0).Elements) {
    EXPECT_GE(s.NbPoints(), 3) << s.Nom;
    EXPECT_TRUE(std::all_of(s.Points.begin(), s.Points.end(), [](const TPointLtLg& p) { return InArea(p.Lg, p.Lt); }))
        << s.Nom;
  }
}

// The reader stops at the first block it cannot keep: every curve written
// (one "Courbe n°" comment each) must come back.
TEST(SampleRegion, EveryLevelCurveReadsBack) {
  const auto& file = Region().tables.TableNiveaux.Fichiers.at(0);
  const std::string text = testing::ReadFile(kDataDir / "lieux" / "luxembourg" / "niveaux" / "luxembourg.dat");
  std::size_t written = 0;
  for (std::size_t p = text.find("/ Courbe n\xB0"); p != std::string::npos; p = text.find("/ Courbe n\xB0", p + 1)) {
    ++written;
  }
  EXPECT_EQ(static_cast<std::size_t>(file.NbElements()), written);
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
  EXPECT_EQ(std::pair(r.dalle.AltMin, r.dalle.AltMax), std::pair(141, 547));
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
