// ORVEX.INI loading and decoding over arbitrary file contents.
#include <cstdint>
#include <string>
#include <vector>

#include "app/configuration.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile scratch("ini");
  std::vector<std::string> lines;
  if (orvex::LoadConfigurationLines(scratch.Hold(data, size), lines)) {
    orvex::Configuration config;
    orvex::DecodeFailure failure;
    if (orvex::DecodeConfiguration(lines, config, failure)) {
      orvex::ChaineReglages(config);
    }
  }
  return 0;
}
