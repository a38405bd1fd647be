// Interpretation of a large region: every data file read and parsed, as at
// start-up. Reports the data rate and the memory the tables take per point.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "database/region_interpretation.h"
#include "platform/dialogs.h"

namespace {

constexpr int kContourFiles = 20;
constexpr int kContourPoints = 2'000'000;
constexpr int kLevelFiles = 10;
constexpr int kCurves = 20'000;
constexpr int kPointsPerCurve = 25;  // 500 000 points in all
constexpr int kCities = 20'000;

class Region {
 public:
  Region() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvex-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::exit(1);
    }
    root_ = pattern;
    Generate();
  }
  ~Region() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  Region(const Region&) = delete;
  Region& operator=(const Region&) = delete;

  std::filesystem::path path() const { return root_ / "Synthetique"; }
  std::size_t bytes() const { return bytes_; }

 private:
  std::string Position() {
    char text[48];
    const int length = std::snprintf(text, sizeof text, "%.6f,%.6f", lat_(random_), lon_(random_));
    return std::string(text, static_cast<std::size_t>(length));
  }

  void Write(const std::string& relative, const std::string& content) {
    const auto file = path() / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
    bytes_ += content.size();
  }

  void Generate() {
    for (int f = 0; f < kContourFiles; ++f) {
      std::string text = "/ contour\n";
      for (int i = 0; i < kContourPoints / kContourFiles; ++i) {
        text += Position() + "\n";
      }
      Write("CONTOURS/pays" + std::to_string(f) + ".dat", text);
    }
    for (int f = 0; f < kLevelFiles; ++f) {
      std::string text = "/ Nombre de points de la courbe\n/ Altitude de la courbe en m\xE8tres\n";
      for (int c = 0; c < kCurves / kLevelFiles; ++c) {
        text += std::to_string(kPointsPerCurve) + "\n" + std::to_string(100 + c % 3000) + "\n";
        for (int i = 0; i < kPointsPerCurve; ++i) {
          text += Position() + "\n";
        }
      }
      Write("Niveaux/n" + std::to_string(f) + ".DAT", text);
    }
    std::string cities = "/ Latitude, Longitude, Nom, Zoom d'apparition,\n";
    for (int i = 0; i < kCities; ++i) {
      cities += Position() + ",Ville " + std::to_string(i) + "," + std::to_string(i % 7 * 1000) + ",0,100\n";
    }
    Write("Villes/villes.dat", cities);
    std::filesystem::create_directories(path() / "struct");
    std::filesystem::create_directories(path() / "Dalles");
    std::filesystem::create_directories(path() / "OM");
  }

  std::filesystem::path root_;
  std::size_t bytes_ = 0;
  std::mt19937 random_{7};
  std::uniform_real_distribution<double> lat_{-60.0, 70.0};
  std::uniform_real_distribution<double> lon_{-180.0, 180.0};
};

// Memory of the point tables: vectors' capacity and every record holding points.
std::size_t PointMemory(const orvex::PlaceTables& tables, std::size_t& points) {
  std::size_t bytes = 0;
  points = 0;
  for (const auto& fichier : tables.TableContours.Fichiers) {
    bytes += sizeof fichier + fichier.Elements.capacity() * sizeof(orvex::TPointLgLt);
    points += fichier.Elements.size();
  }
  for (const auto& fichier : tables.TableNiveaux.Fichiers) {
    bytes += sizeof fichier + fichier.Elements.capacity() * sizeof(orvex::TCourbeNiveau);
    for (const auto& courbe : fichier.Elements) {
      bytes += courbe.Points.capacity() * sizeof(orvex::TPointLtLg);
      points += courbe.Points.size();
    }
  }
  return bytes;
}

void BM_InterpreteBase(benchmark::State& state) {
  static const Region region;
  orvex::StderrDialogs dialogs;
  std::size_t points = 0;
  std::size_t memory = 0;
  for (auto _ : state) {
    orvex::PlaceTables tables;
    orvex::Interpretation context{tables, dialogs};
    const auto result = orvex::InterpreteBase(context, region.path());
    if (result.IoStatus != 0 || result.regionAbsente) {
      state.SkipWithError("interpretation failed");
      break;
    }
    memory = PointMemory(tables, points);
    benchmark::DoNotOptimize(tables);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * region.bytes()));
  state.counters["file_MB"] = static_cast<double>(region.bytes()) / 1e6;
  state.counters["points"] = static_cast<double>(points);
  state.counters["bytes_per_point"] = points ? static_cast<double>(memory) / static_cast<double>(points) : 0;
}
BENCHMARK(BM_InterpreteBase)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
