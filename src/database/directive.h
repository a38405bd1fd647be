#pragma once
// The directive language that finds a region's data files: "{incdir name}"
// enters a directory, "{include *.ext}" or "{include name.ext}" hands files of
// the current directory to the reader of the current category.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "database/tables.h"
#include "platform/dialogs.h"
#include "platform/progress.h"

namespace orvex {

// Category codes (ModeCompilation) carried with a directive; a plain file name
// goes to the category's reader. Codes 0, 1 and above 9 read nothing.
inline constexpr std::int32_t kModeRepertoire = 1;
inline constexpr std::int32_t kModeContours = 2;
inline constexpr std::int32_t kModeVilles = 3;
inline constexpr std::int32_t kModeRelais = 4;
inline constexpr std::int32_t kModeStructures = 5;
inline constexpr std::int32_t kModeOM = 6;
inline constexpr std::int32_t kModeNiveaux = 7;
inline constexpr std::int32_t kModeDalles = 8;
inline constexpr std::int32_t kModeFIL = 9;

// IoStatus values of the interpreter itself; the others are system error
// numbers of entering a directory or reading a file.
inline constexpr std::int32_t kIoOk = 0;
inline constexpr std::int32_t kIoDirectiveMalformee = 1;
inline constexpr std::int32_t kIoAbsent = 2;

// The include directive of each category, also quoted by the save questions.
inline constexpr std::string_view DirectiveContours = "{include *.dat}";
inline constexpr std::string_view DirectiveVilles = "{include *.dat}";
inline constexpr std::string_view DirectiveStructures = "{include *.dat}";
inline constexpr std::string_view DirectiveNiveaux = "{include *.dat}";
inline constexpr std::string_view DirectiveOM = "{include *.dat}";
inline constexpr std::string_view DirectiveDalles = "{include dalles.dat}";
inline constexpr std::string_view DirectiveFIL = "{include *.fil}";
inline constexpr std::string_view DirectiveRelais = "{Include *.dat}";

// A reader living outside this library (elevation tiles, grids): full path
// in, status out (0, or a system error number).
using LecteurFichier = std::function<int(const std::filesystem::path& file)>;

// Everything one interpretation works on. The interpreter never changes the
// process's working directory: it keeps its own in currentDirectory.
struct Interpretation {
  PlaceTables& tables;
  Dialogs& dialogs;
  std::filesystem::path currentDirectory{};
  std::int32_t IoStatus = kIoOk;
  ProgressSink progress{};                     // start-up list lines, UTF-8
  std::function<void()> removeLastLine{};      // takes the last progress line back
  std::function<void()> closeStartupWindow{};  // before a message that halts the program
  LecteurFichier lireDalles{};                 // mode 8; empty: the tile row reads nothing
  LecteurFichier importeFil{};                 // mode 9; empty: the grid row reads nothing
};

// Makes `target` the current directory when it is a directory that can be
// listed. 0, or the system error number (2: missing) and no change.
std::int32_t ChangeRepertoire(Interpretation& context, const std::filesystem::path& target);

// Interprets one directive or file name in `mode`. Sets IoStatus and, for a
// directive, `argument`. Names are resolved without regard to case.
void InterpreteDirective(Interpretation& context, std::int32_t mode, std::string_view text, std::string& argument);

// The text after the first blank of a directive body, without the blanks that
// follow that one; empty when the body has no blank.
std::string ArgumentDirective(std::string_view body);

struct NomExtension {
  std::string nom;
  std::string extension;
};

// Splits at the first "."; with none, the name is empty and the extension is
// the whole text.
NomExtension SepareNomExtension(std::string_view name);

}  // namespace orvex
