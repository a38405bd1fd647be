// Importing a 3601 x 3601 ESRI ASCII grid of four-digit values (about 65 MB
// of text, 1" steps), in one run: `orvex-grid import` as a whole command
// against `gdal_translate -of EHdr` reading the same file, and against a bare
// memory-mapped std::from_chars loop over its values, in this process and as
// a command of its own. The commands are timed by the CPU time of the child
// process (user + system, from wait4, every thread), which a loaded machine
// disturbs less than the wall clock; the wall time is kept as a counter. Each contender runs several times, one run per repetition, and
// the minimum is reported beside the median: the cost of the work itself,
// whatever else the machine was doing. The in-process import without writing
// is given for reference.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/bare_loop.h"
#include "terrain/grid_import.h"

namespace {

constexpr int kCote = 3601;

struct Fixture {
  std::filesystem::path directory;
  std::filesystem::path grid;
  std::uintmax_t bytes = 0;

  Fixture() {
    directory = std::filesystem::temp_directory_path() / ("orvex-grid-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    grid = directory / "grid.asc";
    std::ofstream out(grid, std::ios::binary);
    out << "ncols " << kCote << "\nnrows " << kCote << "\nxllcorner 6.999861111111\nyllcorner 42.999861111111\n"
        << "cellsize 0.000277777778\nNODATA_value -9999\n";
    std::string row;
    for (int r = 0; r < kCote; ++r) {
      row.clear();
      for (int c = 0; c < kCote; ++c) {
        row += std::to_string(1000 + (r * 7 + c * 13) % 9000);
        row += ' ';
      }
      row.back() = '\n';
      out << row;
    }
    out.close();
    bytes = std::filesystem::file_size(grid);
  }
  ~Fixture() {
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
  }
};

const Fixture& Data() {
  static const Fixture fixture;
  return fixture;
}

struct Times {
  double cpu = 0;
  double wall = 0;
  int status = -1;
};

Times RunCommand(const std::vector<std::string>& arguments) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) {
      argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return {seconds(usage.ru_utime) + seconds(usage.ru_stime),
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
          WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

double ProcessCpu() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

void Report(benchmark::State& state, const Times& t, double& wall) {
  if (t.status != 0) {
    state.SkipWithError("the command failed");
  }
  state.SetIterationTime(t.cpu);
  wall += t.wall;
}

void Finish(benchmark::State& state, double wall) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Data().bytes));
  state.counters["wall_s"] = benchmark::Counter(wall / static_cast<double>(state.iterations()));
}

void BM_OrvexGridImport(benchmark::State& state) {
  const Fixture& data = Data();
  double wall = 0;
  for (auto _ : state) {
    Report(state,
           RunCommand({ORVEX_GRID_PROGRAM, "import", data.grid.string(), (data.directory / "dalles.dat").string()}),
           wall);
  }
  Finish(state, wall);
}

void BM_GdalTranslate(benchmark::State& state) {
  const Fixture& data = Data();
  double wall = 0;
  for (auto _ : state) {
    Report(
        state,
        RunCommand({"gdal_translate", "-q", "-of", "EHdr", data.grid.string(), (data.directory / "grid.bil").string()}),
        wall);
  }
  Finish(state, wall);
}

// The floor, in this process.
void BM_BareFromChars(benchmark::State& state) {
  const Fixture& data = Data();
  double wall = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const double cpu = ProcessCpu();
    std::int64_t sum = 0;
    if (orvex::bench::BareLoop(data.grid, sum) != std::int64_t{kCote} * kCote) {
      state.SkipWithError("wrong value count");
    }
    benchmark::DoNotOptimize(sum);
    state.SetIterationTime(ProcessCpu() - cpu);
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  Finish(state, wall);
}

// The floor as a whole command: starting a program and leaving it included.
void BM_BareFromCharsCommand(benchmark::State& state) {
  const Fixture& data = Data();
  double wall = 0;
  for (auto _ : state) {
    Report(state, RunCommand({BARE_LOOP_PROGRAM, data.grid.string()}), wall);
  }
  Finish(state, wall);
}

// The import alone, in this process, without starting a program or writing.
void BM_ImporteGrilleInProcess(benchmark::State& state) {
  const Fixture& data = Data();
  double wall = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const double cpu = ProcessCpu();
    orvex::TDalle dalle;
    if (!orvex::ImporteGrille(data.grid, dalle).empty()) {
      state.SkipWithError("import failed");
    }
    state.SetIterationTime(ProcessCpu() - cpu);
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  Finish(state, wall);
}

double Minimum(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

void Runs(benchmark::internal::Benchmark* b, int runs) {
  b->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1)
      ->Repetitions(runs)
      ->ComputeStatistics("min", Minimum)
      ->ReportAggregatesOnly(true);
}

BENCHMARK(BM_OrvexGridImport)->Apply([](auto* b) { Runs(b, 11); });
BENCHMARK(BM_GdalTranslate)->Apply([](auto* b) { Runs(b, 5); });
BENCHMARK(BM_BareFromChars)->Apply([](auto* b) { Runs(b, 11); });
BENCHMARK(BM_BareFromCharsCommand)->Apply([](auto* b) { Runs(b, 11); });
BENCHMARK(BM_ImporteGrilleInProcess)->Apply([](auto* b) { Runs(b, 11); });

}  // namespace
