// The 3D views at 1280 x 800: one fly-over frame (an angle step, the
// viewport and the terrain layer alone) and one slider turn (the angle set,
// then the full redraw of continuous drawing, or the graticule alone), on the
// bundled region and on the real level curves of ../shared/data/dem (skipped
// when that folder is absent). "frames/s" is the rate the frame time allows;
// the picture is read back after each frame, as the window shows it.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>

#include "database/channel_file.h"
#include "database/region_interpretation.h"
#include "mapview/redraw.h"
#include "terrain/dalles.h"
#include "terrain/view/controle_3d.h"
#include "terrain/view/dessine_relief.h"
#include "terrain/view/survol_relief.h"

namespace orvex {
namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;

struct Region {
  PlaceTables tables;
  TDalle dalle;
  bool present = true;
};

std::filesystem::path SourceDir() { return std::filesystem::path(__FILE__).parent_path().parent_path(); }

const Region& SampleRegion() {
  static const Region region = [] {
    Region r;
    StderrDialogs dialogs;
    const std::filesystem::path data = SourceDir() / "data";
    Interpretation context{r.tables, dialogs, data};
    context.lireDalles = [&r](const std::filesystem::path& file) { return LitDalles(file, r.dalle); };
    InterpreteBase(context, data / "lieux" / "luxembourg");
    return r;
  }();
  return region;
}

// The GDAL contours of the Nice crop as one level-curve file.
const Region& NiceCurves() {
  static const Region region = [] {
    Region r;
    QFile file(QString::fromStdString(
        (SourceDir().parent_path() / "shared" / "data" / "dem" / "N43E007_nice_contours_50m.geojson").string()));
    if (!file.open(QIODevice::ReadOnly)) {
      r.present = false;
      return r;
    }
    r.tables.TableNiveaux.Fichiers.push_back({"NICE.DAT", {}});
    auto& courbes = r.tables.TableNiveaux.Fichiers.back().Elements;
    for (const QJsonValue feature : QJsonDocument::fromJson(file.readAll()).object()["features"].toArray()) {
      TCourbeNiveau courbe;
      courbe.Altitude = feature["properties"]["elev"].toInt();
      for (const QJsonValue point : feature["geometry"]["coordinates"].toArray()) {
        courbe.Points.push_back({ToFixed(point[1].toDouble()), ToFixed(point[0].toDouble())});
      }
      courbes.push_back(std::move(courbe));
    }
    return r;
  }();
  return region;
}

struct View {
  Canvas canvas{kWidth, kHeight};
  ProjectionState projection;
  DisplayOptions display;
  RedrawState redraw;
  MatriceEcran matrice;

  View(std::int32_t zoom, double lon, double lat, bool tiles) {
    projection.Zoom = zoom;
    projection.CentreLongitude = lon;
    projection.CentreLatitude = lat;
    projection.ImageWidth = kWidth;
    projection.ImageHeight = kHeight;
    projection.GroundView = true;
    display.AffDalles = tiles;
    ResetAngles(projection);
    StepAlpha(projection, 0.7);
  }
};

void FramesPerSecond(benchmark::State& state) {
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void FlyOverFrame(benchmark::State& state, const Region& region, std::int32_t zoom, double lon, double lat,
                  bool tiles) {
  if (!region.present) {
    state.SkipWithError("../shared/data/dem is absent");
    return;
  }
  View view(zoom, lon, lat, tiles);
  SceneRelief relief(view.canvas, view.projection, region.tables.TableNiveaux, region.dalle, view.display,
                     view.matrice);
  relief.SurvolEnCours = true;
  for (auto _ : state) {
    StepGamma(view.projection, 0.03);
    ImageSurvol(relief, view.projection);
    benchmark::DoNotOptimize(view.canvas.Image().constBits());
  }
  FramesPerSecond(state);
}

void SliderTurn(benchmark::State& state, const Region& region, std::int32_t zoom, double lon, double lat,
                bool continuous) {
  if (!region.present) {
    state.SkipWithError("../shared/data/dem is absent");
    return;
  }
  View view(zoom, lon, lat, false);
  view.display.AffichageContinu = continuous;
  view.display.AfficheOM = true;
  view.display.AfficheRelais = true;
  SceneRelief relief(view.canvas, view.projection, region.tables.TableNiveaux, region.dalle, view.display,
                     view.matrice);
  MapScene scene(view.canvas, view.projection, region.tables, view.display, view.redraw);
  scene.reliefLayer = [&relief] { DessineRelief(relief); };
  int degrees = -90;
  for (auto _ : state) {
    degrees = degrees >= 90 ? -90 : degrees + 1;
    RegleAngle(view.projection, AxeRotation::Gamma, degrees);
    if (RedessinCompletApresCurseur(view.display)) {
      RequestRedraw(scene);
    } else {
      PrepareDiffere(scene);
    }
    benchmark::DoNotOptimize(view.canvas.Image().constBits());
  }
  FramesPerSecond(state);
}

void BM_FlyOverSampleTiles(benchmark::State& state) { FlyOverFrame(state, SampleRegion(), 600, 6.10, 49.75, true); }
BENCHMARK(BM_FlyOverSampleTiles)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_FlyOverSampleCurves(benchmark::State& state) { FlyOverFrame(state, SampleRegion(), 1500, 6.10, 49.75, false); }
BENCHMARK(BM_FlyOverSampleCurves)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_FlyOverNiceCurves(benchmark::State& state) { FlyOverFrame(state, NiceCurves(), 3000, 7.35, 43.825, false); }
BENCHMARK(BM_FlyOverNiceCurves)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_SliderSampleContinuous(benchmark::State& state) { SliderTurn(state, SampleRegion(), 600, 6.10, 49.75, true); }
BENCHMARK(BM_SliderSampleContinuous)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_SliderSampleCurvesContinuous(benchmark::State& state) {
  SliderTurn(state, SampleRegion(), 1500, 6.10, 49.75, true);
}
BENCHMARK(BM_SliderSampleCurvesContinuous)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_SliderSampleGraticuleOnly(benchmark::State& state) {
  SliderTurn(state, SampleRegion(), 600, 6.10, 49.75, false);
}
BENCHMARK(BM_SliderSampleGraticuleOnly)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_SliderNiceCurvesContinuous(benchmark::State& state) {
  SliderTurn(state, NiceCurves(), 3000, 7.35, 43.825, true);
}
BENCHMARK(BM_SliderNiceCurvesContinuous)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
}  // namespace orvex
