// The save at exit over arbitrary data files: whatever a reader took from a
// file, writing it, reading that back and writing again gives the same bytes.
#include <cstdint>
#include <string>

#include "database/city_file.h"
#include "database/level_curve_file.h"
#include "database/om_file.h"
#include "database/structure_file.h"
#include "place_lines.h"
#include "scratch_file.h"

namespace {

template <typename T, typename Read, typename Write>
void SaveTwice(const std::filesystem::path& input, const std::filesystem::path& saved, Read read, Write write) {
  orvex::TTableFichiers<T> first;
  orvex::fuzz::Require(read(input, "F.DAT", first) == 0);
  orvex::fuzz::Require(write(saved, first.Fichiers.at(0)) == 0);
  const std::string once = orvex::fuzz::ReadBytes(saved);
  orvex::TTableFichiers<T> second;
  orvex::fuzz::Require(read(saved, "F.DAT", second) == 0);
  orvex::fuzz::Require(write(saved, second.Fichiers.at(0)) == 0);
  orvex::fuzz::Require(orvex::fuzz::ReadBytes(saved) == once);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvex::fuzz::ScratchFile input("saved-in");
  static const orvex::fuzz::ScratchFile saved("saved-out");
  const auto& file = input.Hold(data, size);
  SaveTwice<orvex::TCourbeNiveau>(file, saved.path(), orvex::CompileNiveaux, orvex::EcritNiveaux);
  SaveTwice<orvex::TVille>(file, saved.path(), orvex::CompileVilles, orvex::EcritVilles);
  SaveTwice<orvex::TOM>(file, saved.path(), orvex::CompileOM, orvex::EcritOM);
  SaveTwice<orvex::TStructure>(
      file, saved.path(),
      [](const std::filesystem::path& path, std::string_view name, orvex::TTableStructures& table) {
        return orvex::CompileStructures(path, name, table);
      },
      orvex::EcritStructures);
  return 0;
}
