// Full redraws (RequestRedraw) of a 1920 x 1080 map: the bundled sample
// region at its start view and zoomed on a city, and a large synthetic region
// (1 million outline points, 20 000 cities, 200 000 level-curve points) zoomed
// out and in. The picture is read back after each redraw, as the window does
// when it shows it.
#include <benchmark/benchmark.h>


#include <cmath>
#include <filesystem>
#include <random>
#include <string>

#include "database/channel_file.h"
#include "database/region_interpretation.h"
#include "mapview/redraw.h"
#include "terrain/dalles.h"
#include "terrain/view/dessine_relief.h"
#include "terrain/view/scene_relief.h"

namespace orvex {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Region {
  PlaceTables tables;
  TDalle dalle;
};

// The repository's data folder, found from this source file's place in it.
std::filesystem::path DataDir() { return std::filesystem::path(__FILE__).parent_path().parent_path() / "data"; }

// The bundled region read through the program's own readers.
const Region& SampleRegion() {
  static const Region region = [] {
    Region r;
    StderrDialogs dialogs;
    Interpretation context{r.tables, dialogs, DataDir()};
    context.lireDalles = [&r](const std::filesystem::path& file) { return LitDalles(file, r.dalle); };
    InterpreteBase(context, DataDir() / "lieux" / "luxembourg");
    InterpreteRelais(context, DataDir());
    LitCanaux(DataDir() / "canaux.dat", r.tables.TableCanaux);
    return r;
  }();
  return region;
}

// Synthetic region over 0..10 E, 42..50 N.
constexpr double kWest = 0;
constexpr double kEast = 10;
constexpr double kSouth = 42;
constexpr double kNorth = 50;
constexpr int kOutlines = 1000;
constexpr int kPointsPerOutline = 1000;
constexpr int kOutlineFiles = 10;
constexpr int kCities = 20000;
constexpr int kCurves = 10000;
constexpr int kPointsPerCurve = 20;

// A closed loop of `count` points (ending back at its start) along a
// wavy coast, each point jittered by a hundredth of the radius as digitised
// outlines are.
template <typename AddPoint>
void Loop(std::mt19937& random, double lon, double lat, double radius, int count, AddPoint add) {
  std::uniform_real_distribution<double> jitter(-0.01, 0.01);
  std::uniform_real_distribution<double> phase(0, 2 * M_PI);
  const double p1 = phase(random);
  const double p2 = phase(random);
  const auto at = [&](double angle, double noise) {
    const double r = radius * (1 + 0.15 * std::sin(3 * angle + p1) + 0.05 * std::sin(17 * angle + p2) + noise);
    add(lon + r * std::cos(angle), lat + r * std::sin(angle));
  };
  for (int i = 0; i < count - 1; ++i) {
    at(2 * M_PI * i / (count - 1), jitter(random));
  }
  at(0, 0);
}

void AddOutlines(std::mt19937& random, TTableContours& contours) {
  std::uniform_real_distribution<double> lon(kWest, kEast);
  std::uniform_real_distribution<double> lat(kSouth, kNorth);
  std::uniform_real_distribution<double> radius(0.1, 0.8);
  for (int f = 0; f < kOutlineFiles; ++f) {
    contours.Fichiers.push_back({"PAYS" + std::to_string(f) + ".DAT", {}});
    std::vector<TPointLgLt>& points = contours.Fichiers.back().Elements;
    for (int o = 0; o < kOutlines / kOutlineFiles; ++o) {
      Loop(random, lon(random), lat(random), radius(random), kPointsPerOutline,
           [&points](double x, double y) { points.push_back({ToFixed(x), ToFixed(y)}); });
      points.push_back({0, 0});
    }
  }
}

// Sizes and appearance zooms spread as in the bundled region: circles of 5
// to 40 (per mille of a degree), a quarter of the cities always shown, the
// others from zoom 100 to 3000.
void AddCities(std::mt19937& random, TTableVilles& villes) {
  std::uniform_real_distribution<double> lon(kWest, kEast);
  std::uniform_real_distribution<double> lat(kSouth, kNorth);
  std::uniform_int_distribution<int> diametre(5, 40);
  constexpr std::int32_t kZoomFields[] = {0, 0, 100, 250, 500, 1000, 2000, 3000};
  std::uniform_int_distribution<std::size_t> zoomField(0, std::size(kZoomFields) - 1);
  villes.Fichiers.push_back({"VILLES.DAT", {}});
  for (int i = 0; i < kCities; ++i) {
    TVille ville;
    ville.Lg = ToFixed(lon(random));
    ville.Lt = ToFixed(lat(random));
    ville.Nom = "Ville " + std::to_string(i);
    ville.Zoom = kZoomFields[zoomField(random)];
    ville.NomDessous = (i % 2) == 0;
    ville.Diametre = diametre(random);
    villes.Fichiers.back().Elements.push_back(std::move(ville));
  }
}

void AddCurves(std::mt19937& random, TTableNiveaux& niveaux) {
  std::uniform_real_distribution<double> lon(kWest, kEast);
  std::uniform_real_distribution<double> lat(kSouth, kNorth);
  std::uniform_real_distribution<double> radius(0.005, 0.05);
  std::uniform_int_distribution<int> altitude(10, 100);
  niveaux.Fichiers.push_back({"NIVEAUX.DAT", {}});
  for (int c = 0; c < kCurves; ++c) {
    TCourbeNiveau courbe;
    courbe.Altitude = altitude(random) * 10;
    Loop(random, lon(random), lat(random), radius(random), kPointsPerCurve,
         [&courbe](double x, double y) { courbe.Points.push_back({ToFixed(y), ToFixed(x)}); });
    niveaux.Fichiers.back().Elements.push_back(std::move(courbe));
  }
}

const Region& SyntheticRegion() {
  static const Region region = [] {
    Region r;
    std::mt19937 random(2024);
    AddOutlines(random, r.tables.TableContours);
    AddCities(random, r.tables.TableVilles);
    AddCurves(random, r.tables.TableNiveaux);
    return r;
  }();
  return region;
}

void Redraw(benchmark::State& state, const Region& region, std::int32_t zoom, double lon, double lat) {
  Canvas canvas(kWidth, kHeight);
  ProjectionState projection;
  projection.Zoom = zoom;
  projection.CentreLongitude = lon;
  projection.CentreLatitude = lat;
  DisplayOptions display;
  display.AfficheOM = true;
  display.AfficheRelais = true;
  RedrawState redraw;
  MatriceEcran matrice;
  SceneRelief relief{canvas, projection, region.tables.TableNiveaux, region.dalle, display, matrice};
  MapScene scene(canvas, projection, region.tables, display, redraw);
  scene.reliefLayer = [&relief] { DessineRelief(relief); };
  for (auto _ : state) {
    RequestRedraw(scene);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}

void BM_SampleStartView(benchmark::State& state) { Redraw(state, SampleRegion(), 600, 6.10, 49.75); }
BENCHMARK(BM_SampleStartView)->Unit(benchmark::kMillisecond);

void BM_SampleLuxembourgCity(benchmark::State& state) { Redraw(state, SampleRegion(), 5000, 6.13, 49.61); }
BENCHMARK(BM_SampleLuxembourgCity)->Unit(benchmark::kMillisecond);

void BM_SyntheticZoom100(benchmark::State& state) { Redraw(state, SyntheticRegion(), 100, 5.0, 46.0); }
BENCHMARK(BM_SyntheticZoom100)->Unit(benchmark::kMillisecond);

void BM_SyntheticZoom2000(benchmark::State& state) { Redraw(state, SyntheticRegion(), 2000, 5.0, 46.0); }
BENCHMARK(BM_SyntheticZoom2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvex
