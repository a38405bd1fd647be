#pragma once
// What the three writers of edited data share: Windows-1252 text in lines
// ended by CR LF, as the DOS-era files were, with a first comment line naming
// the file.
#include <filesystem>
#include <string>
#include <string_view>

namespace orvex {

inline constexpr std::string_view kFinDeLigne = "\r\n";

// The text of `utf8` in Windows-1252 followed by the end of line.
std::string LigneTexte(std::string_view utf8);
// "/ " + `titre` + " - " + the full path of `file`, as the first line.
std::string LigneEnTete(std::string_view titre, const std::filesystem::path& file);

}  // namespace orvex
