// orvex-grid: elevation grids from a shell. "import" reads a FIL, ESRI ASCII
// or SRTM grid exactly as the program's import command does and writes it as
// a tile file; "info" describes a tile file; "fabricate" makes one from a
// region's level curves as the program's fabrication does. Errors go to standard error and
// the exit status is 0 only on success.
#include <QCoreApplication>
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <filesystem>

#include "app/fabrication_tool.h"
#include "app/grid_options.h"
#include "platform/dialogs.h"
#include "terrain/dalles.h"
#include "terrain/grid_import.h"

namespace {

int Fail(const std::string& message) {
  orvex::EchoLine("orvex-grid: " + message);
  return 1;
}

// The rows go to the output as they are read: a grid is converted without
// ever being held whole in memory.
int Import(const orvex::GridOptions& options) {
  orvex::DallesEnFichier output(options.output);
  if (const std::string erreur = orvex::ImporteGrille(options.input, output); !erreur.empty()) {
    return Fail(output.status() != 0 ? options.output + ": " + std::generic_category().message(output.status())
                                     : options.input + ": " + erreur);
  }
  return 0;
}

// The range of the samples themselves: the header's may be stale.
void SampleRange(const orvex::TDalle& dalle, std::int32_t& low, std::int32_t& high) {
  low = INT32_MAX;
  high = INT32_MIN;
  for (const auto& row : dalle.Alt) {
    for (const std::int32_t v : row) {
      low = std::min(low, v);
      high = std::max(high, v);
    }
  }
}

int Info(const orvex::GridOptions& options) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(options.input, ec);
  orvex::TDalle dalle;
  if (const int status = orvex::LitDalles(options.input, dalle); status != 0 || ec) {
    return Fail(options.input + ": " + std::generic_category().message(status != 0 ? status : ec.value()));
  }
  constexpr std::uintmax_t kHeaderBytes = 220;
  const std::uintmax_t expected = kHeaderBytes + 2 * static_cast<std::uintmax_t>(dalle.NbX) * dalle.NbY;
  if (dalle.NbX == 0 || size != expected) {
    return Fail(options.input + ": not a whole tile file (" + std::to_string(size) +
                " bytes; its header and rows make " + std::to_string(dalle.NbX) + " x " + std::to_string(dalle.NbY) +
                " samples in " + std::to_string(expected) + " bytes, at most 10000 x 10000)");
  }
  std::int32_t low = 0;
  std::int32_t high = 0;
  SampleRange(dalle, low, high);
  std::printf("columns (NbX)        %" PRId32 "\n", dalle.NbX);
  std::printf("rows (NbY)           %" PRId32 "\n", dalle.NbY);
  std::printf("north-west (LgNO)    %" PRId32 " = %.6f degrees\n", dalle.LgNO, orvex::FromFixed(dalle.LgNO));
  std::printf("north-west (LtNO)    %" PRId32 " = %.6f degrees\n", dalle.LtNO, orvex::FromFixed(dalle.LtNO));
  std::printf("column step (DLg)    %" PRId32 " = %.4f seconds\n", dalle.DLg, orvex::FromFixed(dalle.DLg) * 3600);
  std::printf("row step (DLt)       %" PRId32 " = %.4f seconds\n", dalle.DLt, orvex::FromFixed(dalle.DLt) * 3600);
  std::printf("south-east sample    %.6f %.6f degrees\n", orvex::FromFixed(dalle.LgNO + (dalle.NbX - 1) * dalle.DLg),
              orvex::FromFixed(dalle.LtNO - (dalle.NbY - 1) * dalle.DLt));
  std::printf("header range         %" PRId32 " .. %" PRId32 " m (AltMin, AltMax)\n", dalle.AltMin, dalle.AltMax);
  std::printf("sample range         %" PRId32 " .. %" PRId32 " m\n", low, high);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationVersion(ORVEX_VERSION);
  orvex::GridOptions options;
  std::string message;
  switch (orvex::ParseGridOptions(QCoreApplication::arguments(), options, message)) {
    case orvex::GridCommand::Help:
      std::fputs(message.c_str(), stdout);
      return 0;
    case orvex::GridCommand::Version:
      std::printf("orvex-grid %s\n", ORVEX_VERSION);
      return 0;
    case orvex::GridCommand::Refused:
      orvex::EchoLine("orvex-grid: " + message);
      return 2;
    case orvex::GridCommand::Import:
      return Import(options);
    case orvex::GridCommand::Info:
      return Info(options);
    case orvex::GridCommand::Fabricate:
      if (const std::string erreur =
              orvex::FabriqueFichierDalles(options.input, options.stepX, options.stepY, options.output);
          !erreur.empty()) {
        return Fail(erreur);
      }
      return 0;
  }
  return 2;
}
