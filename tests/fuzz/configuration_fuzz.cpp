// ORVEX.INI loading and decoding over arbitrary file contents.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/configuration.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("orvex-fuzz-ini-" + std::to_string(::getpid()));
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  std::vector<std::string> lines;
  if (orvex::LoadConfigurationLines(file, lines)) {
    orvex::Configuration config;
    orvex::DecodeFailure failure;
    if (orvex::DecodeConfiguration(lines, config, failure)) {
      orvex::ChaineReglages(config);
    }
  }
  return 0;
}
