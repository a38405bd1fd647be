#include "database/data_file_writer.h"

#include <system_error>

#include "platform/cp1252.h"
#include "platform/paths.h"

namespace orvex {

std::string LigneTexte(std::string_view utf8) { return Utf8ToCp1252(utf8) + std::string(kFinDeLigne); }

std::string LigneEnTete(std::string_view titre, const std::filesystem::path& file) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(file, ec);
  return LigneTexte("/ " + std::string(titre) + " - " + PathText(ec ? file : full));
}

}  // namespace orvex
