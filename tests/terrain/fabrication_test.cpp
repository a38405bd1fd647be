// Tile fabrication: the index answers exactly as the plain scan (ties and the
// radius included), the grid's shape, order and range, stopping midway, the
// refusals, and the dialog's questions.
#include "terrain/fabrication.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>
#include <random>

#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "terrain/curve_index.h"
#include "terrain/grid_import.h"
#include "terrain/ui/form_fait_dalle.h"

namespace orvex {
namespace {

TTableNiveaux Table(const std::vector<std::vector<TCourbeNiveau>>& sets) {
  TTableNiveaux table;
  for (const auto& set : sets) {
    table.Fichiers.push_back({"N.DAT", set});
  }
  return table;
}

TCourbeNiveau Courbe(std::int32_t altitude, std::vector<std::pair<FixedDegree, FixedDegree>> lgLt) {
  TCourbeNiveau c;
  c.Altitude = altitude;
  for (const auto& [lg, lt] : lgLt) {
    c.Points.push_back({lt, lg});
  }
  return c;
}

// Points on a coarse lattice around a few centres: many equal distances; the
// queries include lattice nodes, points at exactly the radius (1000² + 1000²)
// and just inside it (1414² + 2²).
TEST(IndexCourbes, AnswersExactlyAsThePlainScan) {
  std::mt19937 random(16);
  for (int round = 0; round < 20; ++round) {
    std::vector<std::vector<TCourbeNiveau>> sets(1 + random() % 3);
    const int spread = round % 2 == 0 ? 3000 : 60000;
    for (auto& set : sets) {
      for (int c = 0, n = 1 + static_cast<int>(random() % 30); c < n; ++c) {
        std::vector<std::pair<FixedDegree, FixedDegree>> points;
        for (int p = 0, m = static_cast<int>(random() % 40); p < m; ++p) {
          points.emplace_back(static_cast<FixedDegree>(random() % spread / 500 * 500),
                              static_cast<FixedDegree>(random() % spread / 500 * 500));
        }
        set.push_back(Courbe(static_cast<std::int32_t>(random() % 3000), points));
      }
    }
    const TTableNiveaux table = Table(sets);
    const IndexCourbes index(table);
    for (int q = 0; q < 2000; ++q) {
      const auto lg = static_cast<FixedDegree>(static_cast<int>(random() % (spread + 4000)) - 2000);
      const auto lt = static_cast<FixedDegree>(static_cast<int>(random() % (spread + 4000)) - 2000);
      for (const auto& [x, y] : {std::pair{lg, lt}, std::pair{lg / 250 * 250, lt / 250 * 250},
                                 std::pair{lg / 500 * 500 + 1000, lt / 500 * 500 + 1000},
                                 std::pair{lg / 500 * 500 + 1414, lt / 500 * 500 + 2}}) {
        ASSERT_EQ(index.AltitudeCourbeLaPlusProche(x, y), AltitudeCourbeLaPlusProche(table, x, y))
            << "round " << round << " at " << x << "," << y;
      }
    }
  }
}

TEST(IndexCourbes, TiesTheRadiusAndFarCoordinates) {
  const TTableNiveaux table = Table({{Courbe(100, {{1000, 0}, {-1000, 0}})},
                                     {Courbe(200, {{0, 1000}}), Courbe(300, {{1000, 1000}, {INT32_MAX, INT32_MIN}})}});
  const IndexCourbes index(table);
  struct Case {
    const char* what;
    FixedDegree lg, lt;
    std::int32_t altitude;
  };
  const Case cases[] = {
      {"three points at 1000: the first in table order", 0, 0, 100},
      {"nearest of a later set", 0, 900, 200},
      {"exactly at the radius counts for nothing", 2000, 2000, 0},
      {"just inside the radius", 1000 + 1414, 1002, 300},
      {"far away", -5000, -5000, 0},
      {"at the far corner of the coordinates", INT32_MAX, INT32_MIN, 300},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(index.AltitudeCourbeLaPlusProche(c.lg, c.lt), c.altitude) << c.what;
    EXPECT_EQ(AltitudeCourbeLaPlusProche(table, c.lg, c.lt), c.altitude) << c.what;
  }
  EXPECT_EQ(IndexCourbes(TTableNiveaux{}).AltitudeCourbeLaPlusProche(0, 0), 0);
}

// Curves spanning 0.5 x 0.25 degree.
TTableNiveaux HalfByQuarter() {
  return Table({{Courbe(500, {{0, 0}, {8192, 0}}), Courbe(800, {{4096, 4096}, {0, 4096}})}});
}

TEST(FabriqueDalles, ShapeOrderAndRange) {
  PlanFabrication plan;
  ASSERT_EQ(PlanifieFabrication(HalfByQuarter(), 137, 137, plan), "");
  EXPECT_EQ(std::tuple(plan.colonnes, plan.lignes, plan.progressionMax), std::tuple(60, 30, 60 * 30));
  std::int64_t lastProgress = 0;
  const TDalle d = FabriqueDalles(HalfByQuarter(), plan, {nullptr, nullptr, [&](std::int64_t n) { lastProgress = n; }});
  EXPECT_EQ(std::tuple(d.NbX, d.NbY, d.LgNO, d.LtNO, d.DLg, d.DLt), std::tuple(60, 30, 0, 4096, 137, 137));
  EXPECT_EQ(lastProgress, 60 * 30);
  EXPECT_EQ(std::tuple(d.Alt[0][0], d.Alt[29][0], d.Alt[29][59]), std::tuple(800, 500, 500));
  // The middle of the box lies beyond the radius of every point.
  EXPECT_EQ(d.Alt[15][30], 0);
  EXPECT_EQ(std::tuple(d.AltMin, d.AltMax), std::tuple(500, 800));
}

TEST(FabriqueDalles, StoppedMidwayKeepsTheRowsMade) {
  PlanFabrication plan;
  ASSERT_EQ(PlanifieFabrication(HalfByQuarter(), 137, 137, plan), "");
  int nodes = 0;
  // Asked after every node and at every row's end: 61 times a row.
  const TDalle d = FabriqueDalles(HalfByQuarter(), plan, {[&] { return ++nodes >= 3 * 61 + 7; }, nullptr, nullptr});
  // Three whole rows and seven nodes of the fourth, which sets the width.
  EXPECT_EQ(std::tuple(d.NbX, d.NbY), std::tuple(7, 4));
  for (const auto& row : d.Alt) {
    EXPECT_EQ(row.size(), 7u);
  }
}

TEST(FabriqueDalles, RefusesBeforeAnyWork) {
  struct Case {
    const char* what;
    TTableNiveaux table;
    std::int32_t pasLg, pasLt;
    const char* message;
  };
  const Case cases[] = {
      {"no curve", TTableNiveaux{}, 137, 137, "aucun point"},
      {"curves without points", Table({{Courbe(5, {})}}), 137, 137, "aucun point"},
      {"zero step", HalfByQuarter(), 0, 137, "delta nul"},
      {"step beyond 16 bits", HalfByQuarter(), 137, 65536, "au plus 65535"},
      {"too many columns", Table({{Courbe(5, {{0, 0}, {16384, 0}})}}), 1, 137, "dalle de 16385 x 1 points"},
  };
  for (const Case& c : cases) {
    PlanFabrication plan;
    EXPECT_NE(PlanifieFabrication(c.table, c.pasLg, c.pasLt, plan).find(c.message), std::string::npos) << c.what;
  }
}

TEST(TFormFaitDalle, QuestionsOverwriteAndResult) {
  struct Case {
    const char* what;
    bool exists;
    std::deque<Answer> answers;
    std::size_t questions;
    bool written;
  };
  const Case cases[] = {
      {"No to going on", false, {Answer::No}, 1, false},
      {"No to overwriting", true, {Answer::Yes, Answer::No}, 2, false},
      {"Yes to both", true, {Answer::Yes, Answer::Yes}, 2, true},
      {"a new file", false, {Answer::Yes}, 1, true},
  };
  for (const Case& c : cases) {
    testing::TempDir dir;
    const auto file = dir.path() / "Dalles" / "dalles.dat";
    if (c.exists) {
      dir.Write("Dalles/dalles.dat", "old");
    }
    testing::ScriptedDialogs dialogs;
    dialogs.answers = c.answers;
    const TTableNiveaux table = HalfByQuarter();
    int frames = 0;
    TFormFaitDalle form(table, file, dialogs, [&](const BoiteCourbes&) { ++frames; });
    EXPECT_EQ(form.EditDeltaLg->text(), QString::fromUtf8("00°00'30\"")) << c.what;
    form.BoutonOk->click();
    EXPECT_EQ(dialogs.questions.size(), c.questions) << c.what;
    EXPECT_EQ(form.Fabriquee(), c.written) << c.what;
    EXPECT_EQ(frames, c.written ? 1 : 0) << c.what;
    TDalle d;
    if (c.written) {
      ASSERT_EQ(LitDalles(file, d), 0);
      EXPECT_EQ(std::tuple(d.NbX, d.NbY, d.DLg), std::tuple(60, 30, 137)) << c.what;
    } else {
      EXPECT_EQ(testing::ReadFile(file), c.exists ? "old" : "") << c.what;
    }
  }
}

// "Quitter" while the work runs (pressed here as soon as the frame is drawn):
// the node in progress ends, and what was made is written and reported.
TEST(TFormFaitDalle, QuitterStopsTheWorkAndKeepsWhatWasMade) {
  testing::TempDir dir;
  testing::ScriptedDialogs dialogs;
  dialogs.answers = {Answer::Yes};
  const TTableNiveaux table = HalfByQuarter();
  TFormFaitDalle* form = nullptr;
  TFormFaitDalle dialog(table, dir.path() / "dalles.dat", dialogs,
                        [&](const BoiteCourbes&) { form->ButtonAnnule->click(); });
  form = &dialog;
  dialog.BoutonOk->click();
  EXPECT_TRUE(dialog.Fabriquee());
  TDalle d;
  ASSERT_EQ(LitDalles(dir.path() / "dalles.dat", d), 0);
  EXPECT_EQ(std::tuple(d.NbX, d.NbY, d.Alt[0][0]), std::tuple(1, 1, 800));
}

// The 50 m curves drawn by gdal_contour from the real crop, fabricated at the
// crop's own spacing and compared with the crop at the same nodes. This
// measures the method (nearest curve point against the real terrain); the
// figures go to the test's output, and only a gross fault fails.
TEST(FabriqueDalles, RealCurvesAgainstTheRealModel) {
  const auto dem = testing::SharedDataDir() / "dem";
  if (!std::filesystem::exists(dem / "N43E007_nice_contours_50m.geojson")) {
    GTEST_SKIP() << "../shared/data/dem is absent";
  }
  std::ifstream in(dem / "N43E007_nice_contours_50m.geojson", std::ios::binary);
  const std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<TCourbeNiveau> courbes;
  for (const auto& value : QJsonDocument::fromJson(QByteArray::fromStdString(json))["features"].toArray()) {
    const QJsonObject feature = value.toObject();
    TCourbeNiveau c;
    c.Altitude = feature["properties"].toObject()["elev"].toInt();
    for (const auto& p : feature["geometry"].toObject()["coordinates"].toArray()) {
      const QJsonArray lonLat = p.toArray();
      c.Points.push_back({ToFixed(lonLat[1].toDouble()), ToFixed(lonLat[0].toDouble())});
    }
    courbes.push_back(std::move(c));
  }
  const TTableNiveaux table = Table({courbes});
  TDalle model;
  ASSERT_EQ(ImporteGrille(dem / "N43E007_nice.asc", model), "");
  PlanFabrication plan;
  ASSERT_EQ(PlanifieFabrication(table, model.DLg, model.DLt, plan), "");
  const TDalle made = FabriqueDalles(table, plan, {});
  double sum = 0;
  std::int64_t count = 0;
  std::int32_t worst = 0;
  for (std::int32_t r = 0; r < made.NbY; ++r) {
    for (std::int32_t c = 0; c < made.NbX; ++c) {
      const std::int32_t real =
          AltitudeDuPoint(model, FromFixed(made.LgNO + c * made.DLg), FromFixed(made.LtNO - r * made.DLt));
      if (real > 0 && made.Alt[r][c] > 0) {
        const std::int32_t difference = std::abs(real - made.Alt[r][c]);
        sum += difference;
        worst = std::max(worst, difference);
        ++count;
      }
    }
  }
  ASSERT_GT(count, 10000);
  const double mean = sum / static_cast<double>(count);
  std::cout << "fabricated " << made.NbX << " x " << made.NbY << " against the model at " << count
            << " nodes: mean difference " << mean << " m, worst " << worst << " m\n";
  RecordProperty("mean_difference_m", std::to_string(mean));
  RecordProperty("worst_difference_m", std::to_string(worst));
  EXPECT_LT(mean, 100);
}

}  // namespace
}  // namespace orvex
